#include "platform/windows/MessageQueue.h"

void MessageQueue::SetWakeHandler(std::function<void()> wake) {
  std::lock_guard lock(mutex_);
  wake_ = std::move(wake);
}

void MessageQueue::Notify(std::unique_lock<std::mutex>& lock) {
  ++generation_;
  const auto wake = wake_;
  lock.unlock();
  changed_.notify_all();
  if (wake) wake();
}

void MessageQueue::Post(const MSG& message) {
  std::unique_lock lock(mutex_);
  posted_.push_back(message);
  Notify(lock);
}

void MessageQueue::PostInput(const MSG& input) {
  std::unique_lock lock(mutex_);
  input_.push_back(input);
  Notify(lock);
}

std::optional<MSG> MessageQueue::TakePosted() {
  std::lock_guard lock(mutex_);
  if (posted_.empty()) return std::nullopt;
  MSG message = posted_.front();
  posted_.pop_front();
  return message;
}

std::optional<MSG> MessageQueue::TakeInput() {
  std::lock_guard lock(mutex_);
  if (input_.empty()) return std::nullopt;
  MSG message = input_.front();
  input_.pop_front();
  return message;
}

bool MessageQueue::HasPosted() const {
  std::lock_guard lock(mutex_);
  return !posted_.empty();
}

bool MessageQueue::HasInput() const {
  std::lock_guard lock(mutex_);
  return !input_.empty();
}

void MessageQueue::Clear() {
  std::lock_guard lock(mutex_);
  posted_.clear();
  input_.clear();
}

void MessageQueue::BeginBackgroundWork() {
  std::lock_guard lock(mutex_);
  ++backgroundWork_;
}

void MessageQueue::EndBackgroundWork() {
  std::unique_lock lock(mutex_);
  --backgroundWork_;
  Notify(lock);
}

bool MessageQueue::BackgroundWorkPending() const {
  std::lock_guard lock(mutex_);
  return backgroundWork_ > 0;
}

std::uint64_t MessageQueue::Generation() const {
  std::lock_guard lock(mutex_);
  return generation_;
}

void MessageQueue::WaitForChange(std::uint64_t seen) {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [&] { return generation_ != seen || backgroundWork_ == 0; });
}
