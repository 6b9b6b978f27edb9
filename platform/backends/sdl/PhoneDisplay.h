#pragma once
// A phone's display: small, dense and upright. The device's screens are 240
// to 480 pixels wide, and a phone's own pixels are two to four times finer
// than that, so on a phone the screen is not the display's size but the
// display's pixels in whole blocks: full screen, every screen pixel a square
// of display pixels (720 x 1440 shows a 360 x 720 screen at 2, 1080 x 2340 a
// 360 x 780 screen at 3). A desktop keeps its window.
//
// The rule, kept to what SDL can tell of a display: it stands upright
// (taller than wide) and reports a density of at least 200 dots per inch.
// Desktop monitors stay under about 160; phones and small tablets are over
// 250. `--phone yes|no` overrides the rule.

#include <optional>

#include "platform/backends/sdl/SdlInput.h"

inline constexpr float kPhoneMinimumDpi = 200.0f;
inline constexpr LONG kPhoneScreenMaxWidth = 480;

// What SDL tells of the display the window opens on.
struct DisplayFacts {
  SIZE pixels{};      // the whole display
  float dpi = 0.0f;   // diagonal density; 0 when unknown
};

enum class PhoneRule { ByDisplay, Always, Never };

bool IsPhoneDisplay(const DisplayFacts& display);

// The screen shown on a phone display: the display's pixels divided by the
// smallest whole scale that makes it at most 480 pixels wide (so at least
// 240 wide where the display is 480 or wider).
struct PhoneScreen {
  SIZE screen{};
  int scale = 1;
};
PhoneScreen PhoneScreenFor(SIZE displayPixels);

// ChooseWindow, with a phone display full screen at its phone screen. Only
// when the user asked for no screen size, scale or full screen of their own.
WindowChoice ChooseWindowForDisplay(const WindowRequest& request, SIZE usableDesktop, const DisplayFacts& display,
                                    PhoneRule rule = PhoneRule::ByDisplay);
