#pragma once
// Scratch folders and skin bitmaps for the shell's tests.

#include <functional>
#include <string>

#include "platform/runtime/WinTypes.h"
#include "tests/support/ScratchFolder.h"
#include "tools/skins/ImageFiles.h"

namespace vespera {

// A bottom-up 24-bit BMP file, written as the skin generator writes the
// program's skins, whose pixel (x, y) is colour(x, y).
inline void WriteBmp24(const std::string& path, int width, int height,
                       const std::function<COLORREF(int, int)>& colour) {
  Canvas canvas(width, height, Rgba{});
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const COLORREF c = colour(x, y);
      canvas.Set(x, y, Rgba{GetRValue(c), GetGValue(c), GetBValue(c), 255});
    }
  WriteBmp24(std::filesystem::path(path), canvas);
}

// A skin strip in which every pixel tells where it came from (red = x,
// green = y) on a background of `background`, so a copied image shows which
// part of the strip it took.
inline void WriteTellTaleSkin(const std::string& path, int width, int height, COLORREF background) {
  WriteBmp24(path, width, height, [background](int x, int y) {
    if (x == 52 && y == 15) return background;
    return RGB(BYTE(x), BYTE(y), 77);
  });
}

}  // namespace vespera
