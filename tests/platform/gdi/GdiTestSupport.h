#pragma once
// Helpers shared by the graphics tests.

#include <algorithm>
#include <filesystem>
#include <string>

#include "platform/gdi/Surface.h"
#include "tests/support/ScratchFolder.h"

// The platform's tests borrow the program's scratch folder.
using vespera::ScratchFolder;

// The smallest rectangle holding every pixel of `surface` that differs from
// `background`; empty when there is none.
inline RECT InkBounds(const Surface& surface, COLORREF background) {
  RECT ink{surface.Width(), surface.Height(), 0, 0};
  for (LONG y = 0; y < surface.Height(); ++y)
    for (LONG x = 0; x < surface.Width(); ++x)
      if (surface.GetPixel(x, y) != background) {
        ink.left = std::min(ink.left, x);
        ink.top = std::min(ink.top, y);
        ink.right = std::max(ink.right, x + 1);
        ink.bottom = std::max(ink.bottom, y + 1);
      }
  return ink.IsEmpty() ? RECT{} : ink;
}

