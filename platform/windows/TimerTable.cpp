#include "platform/windows/TimerTable.h"

#include <algorithm>
#include <cstdint>

#include "platform/windows/Messages.h"

void TimerTable::Set(HWND window, UINT_PTR id, DWORD interval, DWORD now) {
  Kill(window, id);
  timers_.push_back({window, id, interval, now + interval});
}

bool TimerTable::Kill(HWND window, UINT_PTR id) {
  return std::erase_if(timers_, [&](const Timer& t) { return t.window == window && t.id == id; }) > 0;
}

void TimerTable::ForgetWindow(HWND window) {
  std::erase_if(timers_, [&](const Timer& t) { return t.window == window; });
}

std::optional<MSG> TimerTable::TakeDue(DWORD now) {
  for (Timer& timer : timers_) {
    // Compared as a signed difference, so the tick counter's wrap is no jump.
    if (static_cast<std::int32_t>(now - timer.due) < 0) continue;
    timer.due = now + timer.interval;
    MSG message;
    message.hwnd = timer.window;
    message.message = WM_TIMER;
    message.wParam = timer.id;
    message.time = now;
    return message;
  }
  return std::nullopt;
}

std::optional<DWORD> TimerTable::NextDue() const {
  if (timers_.empty()) return std::nullopt;
  return std::min_element(timers_.begin(), timers_.end(), [](const Timer& a, const Timer& b) {
           return static_cast<std::int32_t>(a.due - b.due) < 0;
         })->due;
}
