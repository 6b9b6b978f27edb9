#pragma once
// The screen classes that choose templates, skins and map margins. Each test
// looks at the screen as it is now; nothing is cached.

#include "platform/runtime/WinTypes.h"

namespace vespera {

struct ScreenProfile {
  int width = 0;
  int height = 0;
  WideString platformType;  // empty when the platform could not be asked
};

bool IsHighResScreen(const ScreenProfile& screen);
bool IsHeight240Screen(const ScreenProfile& screen);
bool IsSmallPhoneScreen(const ScreenProfile& screen);
bool IsQvgaPhone(const ScreenProfile& screen);

// The device's screen now: its size from GetSystemMetrics and its platform
// type from SystemParametersInfo, left empty when that query fails.
ScreenProfile CurrentScreen();

// The same tests on the device's screen, asked afresh on every call. Only
// IsQvgaPhone asks the platform anything beyond the screen size.
bool IsHighResScreen();
bool IsHeight240Screen();
bool IsSmallPhoneScreen();
bool IsQvgaPhone();
// The screen's logical dots per inch: 192 on a high-res screen, else 96.
int ScreenDpi();

}  // namespace vespera
