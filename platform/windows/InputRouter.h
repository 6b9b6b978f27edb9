#pragma once
// Turns the backend's input (stylus, keys, characters) into window messages.
// Input is queued raw and given its target when the program takes it: the
// window under the stylus or the one that captured it, the top-level window
// under the pointer for the wheel, the focused window for keys. A typed
// character is the exception: it belongs to the window that had the focus
// when it was typed, and is dropped when the focus has moved on by the time
// the program takes it (the key that picks a menu item must not also type
// into the window the item opens). The key state behind GetAsyncKeyState changes at once, when the input
// arrives, so a handler can see that a key was let go after its message was
// queued.

#include <array>
#include <atomic>

#include "platform/gdi/GdiTypes.h"
#include "platform/windows/Messages.h"
#include "platform/windows/VirtualKeys.h"

class Desktop;

// Two taps on the same window within this time and distance make a double tap.
inline constexpr DWORD kDoubleTapMilliseconds = 500;
inline constexpr LONG kDoubleTapDistance = 4;
// A wheel message carries at most this many notches; its delta must fit the
// signed 16-bit high word.
inline constexpr int kMaxNotchesPerMessage = 100;

class InputRouter {
 public:
  explicit InputRouter(Desktop& desktop) : desktop_(desktop) {}

  // Window thread only. Points are screen pixels, keys virtual-key codes,
  // characters UTF-16 code units.
  // A finger's stylus messages carry the touch signature (IsTouchInput).
  enum class Pointer { Stylus, Touch };
  void StylusDown(POINT point, Pointer pointer = Pointer::Stylus);
  void StylusMove(POINT point, Pointer pointer = Pointer::Stylus);
  void StylusUp(POINT point, Pointer pointer = Pointer::Stylus);
  // The mouse's secondary button pressed and let go at once; the device's
  // stylus has none, so it is a desktop's way to the context menu.
  void RightClick(POINT point);
  // `notches` turns of the wheel (positive away from the user) with the
  // pointer at `point`; pinches arrive the same way.
  void Wheel(POINT point, int notches);
  void KeyDown(UINT virtualKey);
  void KeyUp(UINT virtualKey);
  void Character(char16_t unit);

  // Any thread.
  bool IsKeyDown(UINT virtualKey) const;
  bool StylusIsDown() const { return IsKeyDown(VK_LBUTTON); }
  POINT StylusPosition() const { return stylusPosition_; }
  DWORD StylusDownTime() const { return stylusDownTime_; }

  // Gives raw input its target window; false when no window takes it (no
  // window there, or the window or one of its parents is disabled).
  bool Resolve(const MSG& raw, MSG& out);

 private:
  void Queue(UINT message, WPARAM wParam, LPARAM lParam, POINT point, HWND typedInto = nullptr,
             LPARAM extraInfo = 0);
  bool ResolveStylus(const MSG& raw, MSG& out);
  bool ResolveWheel(const MSG& raw, MSG& out);
  HWND KeyboardTarget() const;
  // The window that captured the stylus, else the one under the point.
  HWND PointerTarget(POINT point) const;
  // `raw` for `target`; false when there is none or it is disabled.
  bool Deliver(const MSG& raw, HWND target, MSG& out) const;

  Desktop& desktop_;
  std::array<std::atomic<bool>, kVirtualKeyCount> keys_{};
  POINT stylusPosition_{};
  DWORD stylusDownTime_ = 0;

  HWND lastTapWindow_ = nullptr;
  DWORD lastTapTime_ = 0;
  POINT lastTapPoint_{};
  bool lastTapWasDouble_ = false;
};
