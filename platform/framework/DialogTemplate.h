#pragma once
// Dialog templates as data: the program's resources hold them as constant
// C++ tables, and CDialog builds its window and controls from one.
//
// Positions and sizes are dialog units of the template font. On screens
// narrower than 480 pixels a horizontal unit is 7/4 pixel and a vertical one
// 13/8 pixel; from 480 pixels wide both are doubled. Each edge converts on
// its own, rounded to the nearest pixel (halves away from zero).

#include <span>
#include <string_view>

#include "platform/gdi/GdiTypes.h"
#include "platform/runtime/WinTypes.h"

struct DialogControlTemplate {
  std::u16string_view className;  // "Button", "Edit", "Static", "ComboBox", ...
  UINT id = 0;
  std::u16string_view text;
  short x = 0;
  short y = 0;
  short cx = 0;
  short cy = 0;
  DWORD style = 0;  // WS_CHILD is implied
  DWORD exStyle = 0;
};

struct DialogTemplate {
  UINT id = 0;  // the resource id, for messages and the dump
  DWORD style = 0;
  DWORD exStyle = 0;
  short x = 0;
  short y = 0;
  short cx = 0;
  short cy = 0;
  std::u16string_view caption;
  std::u16string_view fontFace = u"System";
  WORD fontPointSize = 8;
  std::span<const DialogControlTemplate> controls;
};

// MulDiv as the device computes it: value * numerator / denominator rounded
// to the nearest integer, halves away from zero.
int MulDiv(int value, int numerator, int denominator);

// A rectangle in dialog units (left, top, width, height) as pixels in the
// parent's coordinates, for a screen `screenWidth` pixels wide.
RECT DialogUnitsToPixels(short x, short y, short cx, short cy, LONG screenWidth);
