#include "platform/windows/BackgroundWork.h"

#include <system_error>

DWORD BackgroundWork::Start(std::function<void()> routine) {
  queue_.BeginBackgroundWork();
  try {
    std::lock_guard lock(mutex_);
    threads_.emplace_back([this, routine = std::move(routine)] {
      routine();
      queue_.EndBackgroundWork();
    });
    return ++started_;
  } catch (const std::system_error&) {
    queue_.EndBackgroundWork();
    return 0;
  }
}

void BackgroundWork::JoinAll() {
  std::vector<std::thread> threads;
  {
    std::lock_guard lock(mutex_);
    threads.swap(threads_);
  }
  for (std::thread& t : threads)
    if (t.joinable()) t.join();
}
