#include "platform/controls/TypedPrefix.h"

std::u16string_view TypedPrefix::Add(char16_t unit, DWORD now) {
  // Unsigned difference: right across the tick count's wrap.
  if (now - lastTick_ > kPauseMilliseconds) typed_.clear();
  typed_ += unit;
  lastTick_ = now;
  return typed_;
}
