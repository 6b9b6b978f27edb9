#pragma once
// Lets the main window wait, when it goes, for the catalogue loader thread it
// started: the stores it owns must not be freed while the loader still
// writes them. Shared between the two, so that the loader's last touch of it
// is safe even when the window wakes and goes at once.

#include <condition_variable>
#include <mutex>

namespace vespera {

class LoaderCompletion {
 public:
  // The loader thread's last act.
  void Finish() {
    std::lock_guard lock(mutex_);
    finished_ = true;
    done_.notify_all();
  }

  void Wait() {
    std::unique_lock lock(mutex_);
    done_.wait(lock, [this] { return finished_; });
  }

 private:
  std::mutex mutex_;
  std::condition_variable done_;
  bool finished_ = false;
};

}  // namespace vespera
