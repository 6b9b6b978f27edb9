#include "platform/gdi/Surface.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <stdexcept>

namespace {

COLORREF ReadPixel(const BYTE* p, int bitsPerPixel) {
  if (bitsPerPixel == 32) return RGB(p[0], p[1], p[2]);
  return UnpackPixel16(WORD((WORD(p[0]) << 8) | p[1]));
}

void WritePixel(BYTE* p, int bitsPerPixel, COLORREF color) {
  if (bitsPerPixel == 32) {
    p[0] = GetRValue(color);
    p[1] = GetGValue(color);
    p[2] = GetBValue(color);
    return;
  }
  WORD word = PackPixel16(color);
  p[0] = BYTE(word >> 8);
  p[1] = BYTE(word & 0xFF);
}

// Depth conversion of whole rows, kept branch-free per pixel.
void ConvertRowTo16(const BYTE* in, BYTE* out, LONG width) {
  for (LONG i = 0; i < width; ++i, in += 4, out += 2) {
    const unsigned word = ((in[0] >> 4) << 10) | ((in[1] >> 4) << 5) | (in[2] >> 4);
    out[0] = BYTE(word >> 8);
    out[1] = BYTE(word);
  }
}

void ConvertRowTo32(const BYTE* in, BYTE* out, LONG width) {
  for (LONG i = 0; i < width; ++i, in += 2, out += 4) {
    const unsigned word = (unsigned(in[0]) << 8) | in[1];
    out[0] = BYTE(((word >> 10) & 0xF) * 17);
    out[1] = BYTE(((word >> 5) & 0xF) * 17);
    out[2] = BYTE((word & 0xF) * 17);
  }
}

BYTE Mix(unsigned under, unsigned over, unsigned coverage) {
  // Rounded division by 255 without a divide: exact for all 8-bit inputs.
  unsigned v = under * (255 - coverage) + over * coverage + 128;
  return BYTE((v + (v >> 8)) >> 8);
}

}  // namespace

WORD PackPixel16(COLORREF color) {
  return WORD(((GetRValue(color) >> 4) << 10) | ((GetGValue(color) >> 4) << 5) |
              (GetBValue(color) >> 4));
}

COLORREF UnpackPixel16(WORD word) {
  return RGB(BYTE(((word >> 10) & 0xF) * 17), BYTE(((word >> 5) & 0xF) * 17),
             BYTE((word & 0xF) * 17));
}

COLORREF BlendColor(COLORREF under, COLORREF over, unsigned coverage) {
  if (coverage >= 255) return over;
  if (coverage == 0) return under;
  return RGB(Mix(GetRValue(under), GetRValue(over), coverage),
             Mix(GetGValue(under), GetGValue(over), coverage),
             Mix(GetBValue(under), GetBValue(over), coverage));
}

bool Surface::CanCreate(LONG width, LONG height, int bitsPerPixel) {
  if (bitsPerPixel != 16 && bitsPerPixel != 32) return false;
  if (width <= 0 || height <= 0 || width > kMaxSurfaceSide || height > kMaxSurfaceSide)
    return false;
  return std::size_t(width) * std::size_t(height) <= kMaxSurfacePixels;
}

Surface::Surface(LONG width, LONG height, int bitsPerPixel)
    : width_(width), height_(height), bitsPerPixel_(bitsPerPixel) {
  if (!CanCreate(width, height, bitsPerPixel))
    throw std::invalid_argument("Surface: unsupported size or depth");
  bytes_.assign(std::size_t(width) * std::size_t(height) * std::size_t(BytesPerPixel()), 0);
}

COLORREF Surface::GetPixel(LONG x, LONG y) const {
  if (!Bounds().Contains({x, y})) return CLR_INVALID;
  return ReadPixel(Row(y) + std::size_t(x) * BytesPerPixel(), bitsPerPixel_);
}

void Surface::SetPixel(LONG x, LONG y, COLORREF color) {
  if (!Bounds().Contains({x, y})) return;
  WritePixel(Row(y) + std::size_t(x) * BytesPerPixel(), bitsPerPixel_, color);
}

void Surface::BlendPixel(LONG x, LONG y, COLORREF color, unsigned coverage) {
  if (coverage == 0 || !Bounds().Contains({x, y})) return;
  BYTE* p = Row(y) + std::size_t(x) * BytesPerPixel();
  WritePixel(p, bitsPerPixel_, BlendColor(ReadPixel(p, bitsPerPixel_), color, coverage));
}

void Surface::BlendMask(const BYTE* mask, LONG width, LONG height, POINT at, COLORREF color,
                        RECT clip) {
  RECT target = RECT{at.x, at.y, at.x + width, at.y + height}.Intersect(clip).Intersect(Bounds());
  const int bpp = BytesPerPixel();
  for (LONG y = target.top; y < target.bottom; ++y) {
    const BYTE* coverage = mask + std::size_t(y - at.y) * std::size_t(width) + (target.left - at.x);
    BYTE* p = Row(y) + std::size_t(target.left) * bpp;
    for (LONG x = target.left; x < target.right; ++x, ++coverage, p += bpp) {
      if (*coverage == 0) continue;
      WritePixel(p, bitsPerPixel_, BlendColor(ReadPixel(p, bitsPerPixel_), color, *coverage));
    }
  }
}

void Surface::Fill(const RECT& area, COLORREF color) {
  RECT r = area.Intersect(Bounds());
  if (r.IsEmpty()) return;
  BYTE pattern[4];
  WritePixel(pattern, bitsPerPixel_, color);
  const int bpp = BytesPerPixel();
  for (LONG y = r.top; y < r.bottom; ++y) {
    BYTE* p = Row(y) + std::size_t(r.left) * bpp;
    for (LONG x = r.left; x < r.right; ++x, p += bpp) std::memcpy(p, pattern, std::size_t(bpp));
  }
}

void Surface::CopyFrom(const Surface& source, RECT sourceRect, POINT destination, RECT clip) {
  // Work out the destination rectangle that is inside the clip, this surface
  // and (shifted back) the source rectangle and the source surface.
  const LONG dx = destination.x - sourceRect.left;
  const LONG dy = destination.y - sourceRect.top;
  RECT target = sourceRect.Intersect(source.Bounds()).Offset(dx, dy).Intersect(clip).Intersect(Bounds());
  if (target.IsEmpty()) return;

  std::optional<Surface> snapshot;
  const Surface* from = &source;
  if (from == this) {
    snapshot.emplace(*this);
    from = &*snapshot;
  }

  const LONG width = target.Width();
  for (LONG y = target.top; y < target.bottom; ++y) {
    const BYTE* in = from->Row(y - dy) + std::size_t(target.left - dx) * from->BytesPerPixel();
    BYTE* out = Row(y) + std::size_t(target.left) * BytesPerPixel();
    if (from->bitsPerPixel_ == bitsPerPixel_) {
      std::memcpy(out, in, std::size_t(width) * BytesPerPixel());
      continue;
    }
    if (bitsPerPixel_ == 16)
      ConvertRowTo16(in, out, width);
    else
      ConvertRowTo32(in, out, width);
  }
}

void Surface::BlendFrom(const Surface& image, POINT destination, RECT clip) {
  if (image.bitsPerPixel_ != 32) {
    CopyFrom(image, image.Bounds(), destination, clip);
    return;
  }
  RECT target = image.Bounds().Offset(destination.x, destination.y).Intersect(clip).Intersect(Bounds());
  for (LONG y = target.top; y < target.bottom; ++y) {
    const BYTE* in = image.Row(y - destination.y) + std::size_t(target.left - destination.x) * 4;
    for (LONG x = target.left; x < target.right; ++x, in += 4)
      BlendPixel(x, y, RGB(in[0], in[1], in[2]), in[3]);
  }
}
