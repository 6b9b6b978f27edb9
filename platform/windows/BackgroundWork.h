#pragma once
// Threads the program starts (the catalogue loader). Each counts as
// background work from its creation until its routine returns, which is what
// the automation's `wait` waits for. The threads are joined when the owner
// goes away, so none outlives the window layer it posts to.

#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/runtime/WinTypes.h"
#include "platform/windows/MessageQueue.h"

class BackgroundWork {
 public:
  explicit BackgroundWork(MessageQueue& queue) : queue_(queue) {}
  ~BackgroundWork() { JoinAll(); }
  BackgroundWork(const BackgroundWork&) = delete;
  BackgroundWork& operator=(const BackgroundWork&) = delete;

  // The thread's number (1, 2, ...), or 0 when it could not be started
  // (nothing is then pending).
  DWORD Start(std::function<void()> routine);
  void JoinAll();

 private:
  MessageQueue& queue_;
  std::mutex mutex_;
  std::vector<std::thread> threads_;
  DWORD started_ = 0;
};
