#pragma once
// The windows' timers (SetTimer): each one due `interval` milliseconds after
// it was set or last fired. WM_TIMER is the least urgent message: it is made
// only when nothing is posted, no input waits and no window needs painting,
// and a timer that fell behind fires once, not once per missed interval.

#include <optional>
#include <vector>

#include "platform/runtime/WinTypes.h"
#include "platform/windows/Messages.h"

class TimerTable {
 public:
  void Set(HWND window, UINT_PTR id, DWORD interval, DWORD now);
  bool Kill(HWND window, UINT_PTR id);
  void ForgetWindow(HWND window);
  // The first timer due at `now`, moved on to its next interval.
  std::optional<MSG> TakeDue(DWORD now);
  // When the next timer falls due, to bound a wait for input.
  std::optional<DWORD> NextDue() const;

 private:
  struct Timer {
    HWND window;
    UINT_PTR id;
    DWORD interval;
    DWORD due;
  };
  std::vector<Timer> timers_;
};
