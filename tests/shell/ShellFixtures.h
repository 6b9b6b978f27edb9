#pragma once
// Scratch folders and skin bitmaps for the shell's tests.

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "platform/runtime/WinTypes.h"
#include "tests/support/ScratchFolder.h"

// A bottom-up 24-bit BMP file whose pixel (x, y) is colour(x, y).
inline void WriteBmp24(const std::string& path, int width, int height,
                       const std::function<COLORREF(int, int)>& colour) {
  const int rowBytes = (width * 3 + 3) & ~3;
  const std::uint32_t imageBytes = std::uint32_t(rowBytes) * std::uint32_t(height);
  std::vector<unsigned char> file(54 + imageBytes, 0);
  auto put32 = [&](std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) file[at + i] = static_cast<unsigned char>(v >> (8 * i));
  };
  file[0] = 'B';
  file[1] = 'M';
  put32(2, std::uint32_t(file.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, std::uint32_t(width));
  put32(22, std::uint32_t(height));
  file[26] = 1;
  file[28] = 24;
  put32(34, imageBytes);
  for (int y = 0; y < height; ++y) {
    unsigned char* row = file.data() + 54 + std::size_t(height - 1 - y) * std::size_t(rowBytes);
    for (int x = 0; x < width; ++x) {
      const COLORREF c = colour(x, y);
      row[x * 3] = GetBValue(c);
      row[x * 3 + 1] = GetGValue(c);
      row[x * 3 + 2] = GetRValue(c);
    }
  }
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(file.data()), std::streamsize(file.size()));
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
