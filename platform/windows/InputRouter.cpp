#include "platform/windows/InputRouter.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "platform/windows/Desktop.h"

namespace {

LPARAM ExtraInfoOf(InputRouter::Pointer pointer) {
  return pointer == InputRouter::Pointer::Touch ? kPenInputSignature | kTouchInputBit : 0;
}

}  // namespace

void InputRouter::Queue(UINT message, WPARAM wParam, LPARAM lParam, POINT point, HWND typedInto, LPARAM extraInfo) {
  MSG raw;
  raw.hwnd = typedInto;
  raw.message = message;
  raw.wParam = wParam;
  raw.lParam = lParam;
  raw.time = desktop_.Now();
  raw.pt = point;
  raw.extraInfo = extraInfo;
  desktop_.Queue().PostInput(raw);
}

void InputRouter::StylusDown(POINT point, Pointer pointer) {
  keys_[VK_LBUTTON] = true;
  stylusPosition_ = point;
  stylusDownTime_ = desktop_.Now();
  Queue(WM_LBUTTONDOWN, MK_LBUTTON, 0, point, nullptr, ExtraInfoOf(pointer));
}

void InputRouter::StylusMove(POINT point, Pointer pointer) {
  stylusPosition_ = point;
  Queue(WM_MOUSEMOVE, StylusIsDown() ? MK_LBUTTON : 0, 0, point, nullptr, ExtraInfoOf(pointer));
}

void InputRouter::StylusUp(POINT point, Pointer pointer) {
  keys_[VK_LBUTTON] = false;
  stylusPosition_ = point;
  Queue(WM_LBUTTONUP, 0, 0, point, nullptr, ExtraInfoOf(pointer));
}

void InputRouter::RightClick(POINT point) {
  stylusPosition_ = point;
  Queue(WM_RBUTTONDOWN, MK_RBUTTON, 0, point);
  Queue(WM_RBUTTONUP, 0, 0, point);
}

void InputRouter::Wheel(POINT point, int notches) {
  if (notches == 0) return;
  const int delta = std::clamp(notches, -kMaxNotchesPerMessage, kMaxNotchesPerMessage) * WHEEL_DELTA;
  Queue(WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(std::int16_t(delta))), LParamFromPoint(point), point);
}

void InputRouter::KeyDown(UINT virtualKey) {
  if (virtualKey == 0 || virtualKey >= kVirtualKeyCount) return;
  const bool repeat = keys_[virtualKey].exchange(true);
  // Bit 30: the key was already down (auto-repeat).
  Queue(WM_KEYDOWN, virtualKey, 1 | (repeat ? LPARAM(1) << 30 : 0), stylusPosition_);
}

void InputRouter::KeyUp(UINT virtualKey) {
  if (virtualKey == 0 || virtualKey >= kVirtualKeyCount) return;
  keys_[virtualKey] = false;
  Queue(WM_KEYUP, virtualKey, 1 | (LPARAM(3) << 30), stylusPosition_);
}

void InputRouter::Character(char16_t unit) {
  Queue(WM_CHAR, WPARAM(unit), 1, stylusPosition_, KeyboardTarget());
}

bool InputRouter::IsKeyDown(UINT virtualKey) const {
  return virtualKey < kVirtualKeyCount && keys_[virtualKey].load();
}

HWND InputRouter::KeyboardTarget() const {
  HWND target = desktop_.Focus();
  return target ? target : desktop_.ActiveWindow();
}

bool InputRouter::Resolve(const MSG& raw, MSG& out) {
  if (IsMouseMessage(raw.message)) return ResolveStylus(raw, out);
  if (raw.message == WM_MOUSEWHEEL) return ResolveWheel(raw, out);
  const HWND target = KeyboardTarget();
  if (raw.message == WM_CHAR && raw.hwnd != target) return false;
  return Deliver(raw, target, out);
}

HWND InputRouter::PointerTarget(POINT point) const {
  const HWND captured = desktop_.Capture();
  return captured ? captured : desktop_.Tree().WindowAt(point);
}

bool InputRouter::Deliver(const MSG& raw, HWND target, MSG& out) const {
  if (!target || !desktop_.Tree().IsEnabledChain(target)) return false;
  out = raw;
  out.hwnd = target;
  return true;
}

bool InputRouter::ResolveWheel(const MSG& raw, MSG& out) {
  const HWND under = PointerTarget(raw.pt);
  return Deliver(raw, under ? desktop_.Tree().TopLevelOf(under) : nullptr, out);
}

bool InputRouter::ResolveStylus(const MSG& raw, MSG& out) {
  const HWND target = PointerTarget(raw.pt);
  if (!Deliver(raw, target, out)) return false;
  const WindowTree& tree = desktop_.Tree();
  const POINT origin = tree.ClientOrigin(target);
  out.lParam = LParamFromPoint({raw.pt.x - origin.x, raw.pt.y - origin.y});
  if (raw.message != WM_LBUTTONDOWN) return true;

  const WindowRecord* record = tree.Find(target);
  const bool closeEnough = target == lastTapWindow_ && raw.time - lastTapTime_ <= kDoubleTapMilliseconds &&
                           std::abs(raw.pt.x - lastTapPoint_.x) <= kDoubleTapDistance &&
                           std::abs(raw.pt.y - lastTapPoint_.y) <= kDoubleTapDistance;
  if (record->doubleClicks && closeEnough && !lastTapWasDouble_) {
    out.message = WM_LBUTTONDBLCLK;
    lastTapWasDouble_ = true;
  } else {
    lastTapWasDouble_ = false;
  }
  lastTapWindow_ = target;
  lastTapTime_ = raw.time;
  lastTapPoint_ = raw.pt;
  return true;
}
