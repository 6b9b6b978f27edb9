#pragma once
// What the real window turns into device input, apart from SDL itself so it
// is tested without a display: keys to virtual keys, the window's size and
// where the screen sits in it, window pixels to screen pixels, and two
// fingers' pinch to wheel notches.

#include <SDL2/SDL_keycode.h>

#include <cstdint>
#include <optional>

#include "platform/gdi/GdiTypes.h"

// The virtual key of a key on the computer's keyboard, or 0 for keys the
// device does not have. The keypad's digits are the device's digit keys.
UINT VirtualKeyForSdlKey(SDL_Keycode key);

// Magnification: the one asked for, else the largest (at most 3) at which the
// screen fits the desktop's usable area, at least 1. Even a magnification
// asked for shrinks until the window fits the desktop, when its size is known.
inline constexpr int kMaxFittedScale = 3;
int ChooseScale(int requested, SIZE screen, SIZE usableDesktop);

// How the window opens. Without a screen size asked for, the device's default
// screen where it fits the desktop, else the whole display at its own size
// (its pixels then are the screen's, so the layouts for that size apply).
struct WindowRequest {
  std::optional<SIZE> screen;
  bool fullscreen = false;
  int scale = 0;  // 0: fit the desktop
};
struct WindowChoice {
  bool fullscreen = false;
  // The emulated screen; empty when it is the display's own size, which only
  // the opened full-screen window can tell in physical pixels.
  std::optional<SIZE> screen;
  int scale = 1;  // the window's first magnification, when not full screen
};
inline constexpr SIZE kDefaultScreen{480, 640};
WindowChoice ChooseWindow(const WindowRequest& request, SIZE usableDesktop);

// The screen drawn in an output of the given pixels: magnified by the largest
// whole factor that fits (at least 1), centred, the rest a black border.
struct ScreenPlacement {
  int scale = 1;
  POINT origin{};
};
ScreenPlacement PlaceScreen(SIZE screen, SIZE output);

// A point in the output's pixels as a screen pixel, kept on the screen (the
// stylus can be dragged onto the border or out of the window while held).
POINT OutputToScreen(double x, double y, const ScreenPlacement& placement, SIZE screen);

// Two fingers on a touch screen: one zoom step for each tenth by which their
// distance grows or shrinks. Positions are in any unit, the same for both.
class PinchGesture {
 public:
  // Answers the notches to zoom by (positive: fingers apart, zoom in).
  int FingerDown(std::int64_t finger, double x, double y);
  int FingerMove(std::int64_t finger, double x, double y);
  void FingerUp(std::int64_t finger);
  bool Active() const { return fingers_ == 2; }
  // Between the two fingers, where the zoom is centred.
  double MidX() const { return (x_[0] + x_[1]) / 2; }
  double MidY() const { return (y_[0] + y_[1]) / 2; }

 private:
  int Steps();
  double Distance() const;

  int fingers_ = 0;
  std::int64_t id_[2]{};
  double x_[2]{};
  double y_[2]{};
  double base_ = 0.0;  // the distance of the last step
};
inline constexpr double kPinchStepRatio = 1.1;
