#pragma once
// The message queue of the window thread, plus the count of background work
// still running. Any thread may post; only the window thread takes messages.
// Posted messages come out before input, as on the device, and each kind in
// the order it went in.

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>

#include "platform/windows/Messages.h"

class MessageQueue {
 public:
  // Called (on the posting thread) after every post and every end of
  // background work, so that a backend blocked in its own event wait wakes.
  void SetWakeHandler(std::function<void()> wake);

  void Post(const MSG& message);
  // Raw input; its target window is chosen when it is taken.
  void PostInput(const MSG& input);

  std::optional<MSG> TakePosted();
  std::optional<MSG> TakeInput();
  bool HasPosted() const;
  bool HasInput() const;
  // Drops everything queued (used when the program has ended).
  void Clear();

  void BeginBackgroundWork();
  void EndBackgroundWork();
  bool BackgroundWorkPending() const;

  // Counts posts and ends of background work.
  std::uint64_t Generation() const;
  // Blocks until the generation moves past `seen` or no background work is left.
  void WaitForChange(std::uint64_t seen);

 private:
  void Notify(std::unique_lock<std::mutex>& lock);

  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<MSG> posted_;
  std::deque<MSG> input_;
  int backgroundWork_ = 0;
  std::uint64_t generation_ = 0;
  std::function<void()> wake_;
};
