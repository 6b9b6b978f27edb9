#pragma once
// The program's own pixel buffer behind the map picture. The renderer writes
// stars and lines here with no platform call per pixel; the bitmap side of the
// map surface copies the whole buffer into its bitmap once per rebuild.
//
// Pixels are packed in the screen's own format: at 32 bits R, G, B at the
// pixel's first three bytes (the fourth is left alone); at 16 bits a
// big-endian word with the top four bits of red, green and blue at bits 10-13,
// 5-8 and 0-3. At any other depth nothing is written and the picture stays
// black.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "platform/runtime/WinTypes.h"

namespace vespera {

class MapPixels {
 public:
  // A zero-filled buffer of bytesPerRow × height bytes for a bitmap of the
  // given size and depth, as the platform reported them; replaces any buffer
  // held before. Rows are addressed bytesPerRow apart, and a layout whose rows
  // are too short for width pixels is treated like an unsupported depth.
  void AllocatePixels(int width, int height, int bytesPerRow, int bitsPerPixel);
  void FreePixels();
  // Black: every byte 0, the fourth byte of 32-bit pixels included.
  void ClearPixels();

  // Map coordinates; pixels outside the surface are skipped.
  void PutPixel(int x, int y, BYTE r, BYTE g, BYTE b);
  // The four-connected line of LineWalk.h, both ends included; only the part
  // on the surface is walked, however far away the ends lie.
  void DrawLine(int x1, int y1, int x2, int y2, BYTE r, BYTE g, BYTE b);

  bool hasPixels() const { return !bytes_.empty(); }
  std::span<const BYTE> bytes() const { return bytes_; }
  std::size_t size() const { return bytes_.size(); }
  int width() const { return width_; }
  int height() const { return height_; }
  int bytesPerRow() const { return bytesPerRow_; }
  int bytesPerPixel() const { return bytesPerPixel_; }

 private:
  // A colour already in the buffer's format, so a line packs it once.
  struct PackedColour {
    BYTE first = 0;
    BYTE second = 0;
    BYTE third = 0;
  };

  bool writable() const { return writable_; }
  PackedColour Pack(BYTE r, BYTE g, BYTE b) const;
  void Store(int x, int y, const PackedColour& colour);

  std::vector<BYTE> bytes_;
  int width_ = 0;
  int height_ = 0;
  int bytesPerRow_ = 0;
  int bytesPerPixel_ = 0;
  bool writable_ = false;
};

}  // namespace vespera
