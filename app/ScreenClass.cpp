#include "app/ScreenClass.h"

#include "platform/runtime/CaseFold.h"

bool IsHighResScreen(const ScreenProfile& s) { return s.width >= 480; }
bool IsHeight240Screen(const ScreenProfile& s) { return s.height == 240; }
bool IsSmallPhoneScreen(const ScreenProfile& s) { return s.width == 176 || s.width == 220; }

bool IsQvgaPhone(const ScreenProfile& s) {
  if (s.width != 240) return false;
  WideString type = s.platformType;
  FoldWide(type);
  return type == u"smartphone";
}
