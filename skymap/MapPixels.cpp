#include "skymap/MapPixels.h"

#include <algorithm>

#include "skymap/LineWalk.h"

namespace vespera {

void MapPixels::AllocatePixels(int width, int height, int bytesPerRow, int bitsPerPixel) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  bytesPerRow_ = std::max(bytesPerRow, 0);
  bytesPerPixel_ = bitsPerPixel / 8;
  bytes_.assign(static_cast<std::size_t>(bytesPerRow_) * static_cast<std::size_t>(height_), 0);
  // Writing a pixel must never reach past its row, whatever the platform
  // reported: the last pixel of the last row ends at the buffer's end.
  const bool knownDepth = bytesPerPixel_ == 2 || bytesPerPixel_ == 4;
  writable_ = knownDepth && static_cast<std::int64_t>(width_) * bytesPerPixel_ <= bytesPerRow_;
}

void MapPixels::FreePixels() {
  bytes_.clear();
  bytes_.shrink_to_fit();
  width_ = height_ = bytesPerRow_ = bytesPerPixel_ = 0;
  writable_ = false;
}

void MapPixels::ClearPixels() { std::fill(bytes_.begin(), bytes_.end(), BYTE{0}); }

MapPixels::PackedColour MapPixels::Pack(BYTE r, BYTE g, BYTE b) const {
  if (bytesPerPixel_ == 4) return {r, g, b};
  const unsigned word = (((r / 2u) & 0xF8u) << 7) | (((g / 2u) & 0xF8u) << 2) | (((b / 2u) >> 3) & 0x1Fu);
  return {static_cast<BYTE>(word >> 8), static_cast<BYTE>(word & 0xFFu), 0};
}

void MapPixels::Store(int x, int y, const PackedColour& colour) {
  BYTE* pixel = bytes_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(bytesPerRow_) +
                static_cast<std::size_t>(x) * static_cast<std::size_t>(bytesPerPixel_);
  pixel[0] = colour.first;
  pixel[1] = colour.second;
  if (bytesPerPixel_ == 4) pixel[2] = colour.third;
}

void MapPixels::PutPixel(int x, int y, BYTE r, BYTE g, BYTE b) {
  if (!writable() || x < 0 || x >= width_ || y < 0 || y >= height_) return;
  Store(x, y, Pack(r, g, b));
}

void MapPixels::DrawLine(int x1, int y1, int x2, int y2, BYTE r, BYTE g, BYTE b) {
  if (!writable()) return;
  const PackedColour colour = Pack(r, g, b);
  WalkLineInside(x1, y1, x2, y2, width_, height_, [&](int x, int y) { Store(x, y, colour); });
}

}  // namespace vespera
