#pragma once
// Helpers shared by the graphics tests.

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "platform/gdi/Surface.h"

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

// A fresh folder under the system temporary folder, removed with the object.
class ScratchFolder {
 public:
  ScratchFolder() {
    path_ = std::filesystem::temp_directory_path() /
            ("vespera-gdi-" + std::to_string(::getpid()) + "-" + std::to_string(counter_++));
    std::filesystem::create_directories(path_);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  static inline int counter_ = 0;
  std::filesystem::path path_;
};
