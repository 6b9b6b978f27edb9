#include "platform/backends/sdl/PhoneDisplay.h"

#include <algorithm>

bool IsPhoneDisplay(const DisplayFacts& display) {
  return display.pixels.cy > display.pixels.cx && display.dpi >= kPhoneMinimumDpi;
}

PhoneScreen PhoneScreenFor(SIZE displayPixels) {
  const LONG width = std::max<LONG>(displayPixels.cx, 1);
  const LONG scale = (width + kPhoneScreenMaxWidth - 1) / kPhoneScreenMaxWidth;
  return {{width / scale, std::max<LONG>(displayPixels.cy / scale, 1)}, int(scale)};
}

WindowChoice ChooseWindowForDisplay(const WindowRequest& request, SIZE usableDesktop, const DisplayFacts& display,
                                    PhoneRule rule) {
  const bool userChose = request.screen || request.fullscreen || request.scale > 0;
  const bool phone = rule == PhoneRule::Always || (rule == PhoneRule::ByDisplay && IsPhoneDisplay(display));
  const bool displayKnown = display.pixels.cx > 0 && display.pixels.cy > 0;
  if (userChose || !phone || !displayKnown) return ChooseWindow(request, usableDesktop);
  const PhoneScreen shown = PhoneScreenFor(display.pixels);
  return {true, shown.screen, shown.scale};
}
