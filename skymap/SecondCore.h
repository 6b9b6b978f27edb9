#pragma once
// A second thread that takes one share of a job while the calling thread does
// the other, for the rebuild of a full catalogue on a machine with a second
// processor core. The thread is started at the first shared job and waits
// between jobs; on a one-core machine there is no thread and the caller does
// both shares itself, one after the other.

#include <condition_variable>
#include <mutex>
#include <thread>

namespace vespera {

class SecondCore {
 public:
  // `cores` is how many the machine has (std::thread::hardware_concurrency()
  // by default; 0 when it cannot tell, taken as one).
  explicit SecondCore(unsigned cores = std::thread::hardware_concurrency()) : available_(cores > 1) {}
  ~SecondCore();
  SecondCore(const SecondCore&) = delete;
  SecondCore& operator=(const SecondCore&) = delete;

  bool Available() const { return available_; }

  // Runs `theirs` on the second thread and `mine` on this one and returns
  // when both have finished; both share nothing they write. Without a second
  // core, runs `mine` and then `theirs` here.
  template <class Mine, class Theirs>
  void Share(Mine&& mine, Theirs&& theirs) {
    if (!available_) {
      mine();
      theirs();
      return;
    }
    if (!Hand(&theirs, [](void* job) { (*static_cast<Theirs*>(job))(); })) {
      // The system would not start the thread: the work is done here.
      mine();
      theirs();
      return;
    }
    // However `mine` ends, `theirs` still refers to the caller's frame, so it
    // is waited for before this frame goes.
    struct WaitForTheirs {
      SecondCore& core;
      ~WaitForTheirs() { core.WaitUntilDone(); }
    } wait{*this};
    mine();
  }

 private:
  // False when there is no thread to take the job and none can be started.
  bool Hand(void* job, void (*run)(void*));
  void WaitUntilDone();
  void Serve();

  const bool available_;
  std::mutex mutex_;
  std::condition_variable handed_;
  std::condition_variable done_;
  void* job_ = nullptr;
  void (*run_)(void*) = nullptr;
  bool stopping_ = false;
  std::thread thread_;
};

}  // namespace vespera
