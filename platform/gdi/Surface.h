#pragma once
// A block of pixels: the screen, or the picture of a bitmap.
//
// Pixel formats (rows follow each other with no padding):
// - 32 bits: four bytes per pixel, R, G, B and an unused fourth byte. Images
//   decoded from files keep their opacity there (255 = opaque).
// - 16 bits: one big-endian word per pixel (high byte first) holding the top
//   four bits of each channel, red at bits 10-13, green at 5-8, blue at 0-3;
//   bits 4, 9, 14 and 15 are zero. A channel reads back as nibble x 17, so the
//   map's own packer and this class agree, and white stays white.
// Colours enter and leave as COLORREF; writes at 16 bits keep 4 bits a channel.

#include <cstddef>
#include <span>
#include <vector>

#include "platform/gdi/GdiTypes.h"
#include "platform/runtime/WinTypes.h"

// Images from files larger than this are refused before any allocation.
inline constexpr LONG kMaxSurfaceSide = 16384;
inline constexpr std::size_t kMaxSurfacePixels = std::size_t(1) << 26;

WORD PackPixel16(COLORREF color);
COLORREF UnpackPixel16(WORD word);

// Mixes two colours channel by channel; coverage 0 keeps `under`, 255 gives `over`.
COLORREF BlendColor(COLORREF under, COLORREF over, unsigned coverage);

class Surface {
 public:
  // True when a surface of this size and depth may be created: positive
  // sides within kMaxSurfaceSide, area within kMaxSurfacePixels, 16 or 32 bits.
  static bool CanCreate(LONG width, LONG height, int bitsPerPixel);

  // Black. Throws std::invalid_argument when CanCreate is false.
  Surface(LONG width, LONG height, int bitsPerPixel);

  LONG Width() const { return width_; }
  LONG Height() const { return height_; }
  int BitsPerPixel() const { return bitsPerPixel_; }
  int BytesPerPixel() const { return bitsPerPixel_ / 8; }
  LONG BytesPerRow() const { return width_ * BytesPerPixel(); }
  RECT Bounds() const { return {0, 0, width_, height_}; }

  std::span<BYTE> Bytes() { return bytes_; }
  std::span<const BYTE> Bytes() const { return bytes_; }
  BYTE* Row(LONG y) { return bytes_.data() + std::size_t(y) * std::size_t(BytesPerRow()); }
  const BYTE* Row(LONG y) const { return bytes_.data() + std::size_t(y) * std::size_t(BytesPerRow()); }

  // Both ignore points outside the surface; GetPixel then answers CLR_INVALID.
  COLORREF GetPixel(LONG x, LONG y) const;
  void SetPixel(LONG x, LONG y, COLORREF color);

  // Mixes `color` over the pixel with coverage 0..255 (anti-aliased text).
  void BlendPixel(LONG x, LONG y, COLORREF color, unsigned coverage);

  // Mixes `color` through a coverage mask (width x height values 0..255,
  // row after row) whose top-left corner lands on `at`, inside `clip` only.
  void BlendMask(const BYTE* mask, LONG width, LONG height, POINT at, COLORREF color, RECT clip);

  // Fills the part of `area` that lies on the surface.
  void Fill(const RECT& area, COLORREF color);

  // Copies `source` pixels from `sourceRect` so that its top-left corner
  // lands on `destination`, converting the depth where the two differ. Only
  // pixels inside `clip` (and both surfaces) are written. `source` may be this
  // surface; overlapping areas copy as if through a temporary.
  void CopyFrom(const Surface& source, RECT sourceRect, POINT destination, RECT clip);

  // Like CopyFrom for a 32-bit image whose fourth byte is its opacity.
  void BlendFrom(const Surface& image, POINT destination, RECT clip);

 private:
  LONG width_;
  LONG height_;
  int bitsPerPixel_;
  std::vector<BYTE> bytes_;
};
