#include "appcore/ScreenClass.h"

#include <array>

#include "platform/runtime/CaseFold.h"
#include "platform/windows/SystemApi.h"

namespace vespera {

bool IsHighResScreen(const ScreenProfile& s) { return s.width >= 480; }
bool IsHeight240Screen(const ScreenProfile& s) { return s.height == 240; }
bool IsSmallPhoneScreen(const ScreenProfile& s) { return s.width == 176 || s.width == 220; }

bool IsQvgaPhone(const ScreenProfile& s) {
  if (s.width != 240) return false;
  WideString type = s.platformType;
  FoldWide(type);
  return type == u"smartphone";
}

namespace {

ScreenProfile ScreenSize() { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), {}}; }

// The device fills at most 255 bytes of a zeroed 256-unit buffer; a failed
// query leaves it empty, which no test mistakes for a phone.
WideString PlatformType() {
  std::array<WCHAR, 256> buffer{};
  SystemParametersInfo(SPI_GETPLATFORMTYPE, 255, buffer.data(), 0);
  buffer.back() = 0;
  return WideString(buffer.data());
}

}  // namespace

ScreenProfile CurrentScreen() {
  ScreenProfile screen = ScreenSize();
  screen.platformType = PlatformType();
  return screen;
}

bool IsHighResScreen() { return IsHighResScreen(ScreenSize()); }
bool IsHeight240Screen() { return IsHeight240Screen(ScreenSize()); }
int ScreenDpi() { return IsHighResScreen() ? 192 : 96; }
bool IsSmallPhoneScreen() { return IsSmallPhoneScreen(ScreenSize()); }

bool IsQvgaPhone() {
  const ScreenProfile size = ScreenSize();
  // The platform is asked only when the width could make a phone of it.
  if (size.width != 240) return false;
  return IsQvgaPhone(CurrentScreen());
}

}  // namespace vespera
