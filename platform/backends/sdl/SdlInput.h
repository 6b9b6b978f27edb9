#pragma once
// What the real window turns into device input, apart from SDL itself so it
// is tested without a display: keys to virtual keys, window pixels to screen
// pixels, and the magnification that fits the desktop.

#include <SDL2/SDL_keycode.h>

#include "platform/gdi/GdiTypes.h"

// The virtual key of a key on the computer's keyboard, or 0 for keys the
// device does not have. The keypad's digits are the device's digit keys.
UINT VirtualKeyForSdlKey(SDL_Keycode key);

// Magnification: the one asked for, else the largest (at most 3) at which the
// screen fits the desktop's usable area, at least 1.
inline constexpr int kMaxFittedScale = 3;
int ChooseScale(int requested, SIZE screen, SIZE usableDesktop);

// A point in the window's pixels as a screen pixel, kept on the screen (the
// stylus can be dragged out of the window while held).
POINT WindowToScreen(int x, int y, int scale, SIZE screen);
