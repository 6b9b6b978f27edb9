#include "skymap/SecondCore.h"

#include <system_error>

namespace vespera {

SecondCore::~SecondCore() {
  if (!thread_.joinable()) return;
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  handed_.notify_one();
  thread_.join();
}

bool SecondCore::Hand(void* job, void (*run)(void*)) {
  if (!thread_.joinable()) {
    try {
      thread_ = std::thread([this] { Serve(); });
    } catch (const std::system_error&) {
      return false;
    }
  }
  {
    const std::lock_guard lock(mutex_);
    job_ = job;
    run_ = run;
  }
  handed_.notify_one();
  return true;
}

void SecondCore::WaitUntilDone() {
  std::unique_lock lock(mutex_);
  done_.wait(lock, [this] { return run_ == nullptr; });
}

void SecondCore::Serve() {
  std::unique_lock lock(mutex_);
  for (;;) {
    handed_.wait(lock, [this] { return stopping_ || run_ != nullptr; });
    if (run_ == nullptr) return;  // stopping with nothing left to do
    void* job = job_;
    void (*run)(void*) = run_;
    lock.unlock();
    run(job);
    lock.lock();
    run_ = nullptr;
    job_ = nullptr;
    done_.notify_one();
  }
}

}  // namespace vespera
