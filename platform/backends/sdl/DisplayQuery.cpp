#include "platform/backends/sdl/DisplayQuery.h"

#include <SDL2/SDL.h>
#include <X11/Xlib.h>

#include <cmath>
#include <memory>
#include <string_view>

namespace {

// SDL takes an X display's size in millimetres from its RandR outputs only;
// a server whose outputs report none (Xvfb, some virtual machines) leaves the
// density unknown although the X screen itself gives its size.
float XScreenDpi() {
  const char* driver = SDL_GetCurrentVideoDriver();
  if (!driver || std::string_view(driver) != "x11") return 0.0f;
  const std::unique_ptr<Display, int (*)(Display*)> display(XOpenDisplay(nullptr), XCloseDisplay);
  if (!display) return 0.0f;
  const int screen = DefaultScreen(display.get());
  const double widthMm = DisplayWidthMM(display.get(), screen), heightMm = DisplayHeightMM(display.get(), screen);
  if (widthMm <= 0 || heightMm <= 0) return 0.0f;
  const double pixels = std::hypot(DisplayWidth(display.get(), screen), DisplayHeight(display.get(), screen));
  return float(pixels / (std::hypot(widthMm, heightMm) / 25.4));
}

}  // namespace

DisplayFacts QueryDisplay() {
  DisplayFacts facts;
  SDL_DisplayMode mode{};
  if (SDL_GetDesktopDisplayMode(0, &mode) == 0 && mode.w > 0 && mode.h > 0) facts.pixels = {mode.w, mode.h};
  float diagonal = 0.0f;
  if (SDL_GetDisplayDPI(0, &diagonal, nullptr, nullptr) == 0 && diagonal > 0.0f)
    facts.dpi = diagonal;
  else
    facts.dpi = XScreenDpi();
  return facts;
}
