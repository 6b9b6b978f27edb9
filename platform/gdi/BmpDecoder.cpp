#include "platform/gdi/BmpDecoder.h"

#include <bit>
#include <cstdint>
#include <limits>

#include "platform/runtime/LittleEndian.h"

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kNoCompression = 0;  // BI_RGB
constexpr std::uint32_t kBitFields = 3;      // BI_BITFIELDS

struct BmpLayout {
  LONG width = 0;
  LONG height = 0;
  bool topDown = false;
  unsigned bitsPerPixel = 0;
  std::uint32_t compression = kNoCompression;
  std::size_t paletteOffset = 0;
  std::size_t paletteEntrySize = 4;
  std::size_t paletteCount = 0;
  std::uint32_t masks[3] = {0x7C00, 0x03E0, 0x001F};  // 16-bit default: 5-5-5
  std::size_t pixelOffset = 0;
};

// Reads one channel through a mask and stretches it to 0..255.
BYTE Channel(std::uint32_t value, std::uint32_t mask) {
  if (mask == 0) return 0;
  const int shift = std::countr_zero(mask);
  const std::uint64_t top = mask >> shift;
  return BYTE(std::uint64_t((value & mask) >> shift) * 255 / top);
}

std::optional<BmpLayout> ReadLayout(std::span<const BYTE> file) {
  if (file.size() < kFileHeaderSize + kCoreHeaderSize || file[0] != 'B' || file[1] != 'M')
    return std::nullopt;
  BmpLayout layout;
  layout.pixelOffset = ReadLittleU32(&file[10]);
  const std::uint32_t headerSize = ReadLittleU32(&file[14]);
  if (headerSize > file.size() - kFileHeaderSize) return std::nullopt;
  const BYTE* h = &file[kFileHeaderSize];

  if (headerSize == kCoreHeaderSize) {
    layout.width = ReadLittleU16(h + 4);
    layout.height = ReadLittleU16(h + 6);
    layout.bitsPerPixel = ReadLittleU16(h + 10);
    layout.paletteEntrySize = 3;
  } else if (headerSize >= kInfoHeaderSize) {
    const auto width = std::int32_t(ReadLittleU32(h + 4));
    const auto height = std::int32_t(ReadLittleU32(h + 8));
    if (height == std::numeric_limits<std::int32_t>::min()) return std::nullopt;
    layout.width = width;
    layout.topDown = height < 0;
    layout.height = height < 0 ? -height : height;
    layout.bitsPerPixel = ReadLittleU16(h + 14);
    layout.compression = ReadLittleU32(h + 16);
    layout.paletteCount = ReadLittleU32(h + 32);
  } else {
    return std::nullopt;
  }
  if (!Surface::CanCreate(layout.width, layout.height, 32)) return std::nullopt;

  std::size_t afterHeader = kFileHeaderSize + headerSize;
  switch (layout.bitsPerPixel) {
    case 1: case 4: case 8: case 24:
      if (layout.compression != kNoCompression) return std::nullopt;
      break;
    case 16: case 32:
      if (layout.compression == kBitFields) {
        // Masks follow a plain info header, or sit inside the larger ones.
        if (file.size() < kFileHeaderSize + kInfoHeaderSize + 12) return std::nullopt;
        for (int i = 0; i < 3; ++i) layout.masks[i] = ReadLittleU32(&file[kFileHeaderSize + kInfoHeaderSize + 4 * i]);
        if (headerSize == kInfoHeaderSize) afterHeader += 12;
      } else if (layout.compression != kNoCompression) {
        return std::nullopt;
      } else if (layout.bitsPerPixel == 32) {
        layout.masks[0] = 0x00FF0000;
        layout.masks[1] = 0x0000FF00;
        layout.masks[2] = 0x000000FF;
      }
      break;
    default:
      return std::nullopt;
  }

  if (layout.bitsPerPixel <= 8) {
    const std::size_t full = std::size_t(1) << layout.bitsPerPixel;
    if (layout.paletteCount == 0 || layout.paletteCount > full) layout.paletteCount = full;
    layout.paletteOffset = afterHeader;
    if (layout.paletteOffset > file.size() ||
        (file.size() - layout.paletteOffset) / layout.paletteEntrySize < layout.paletteCount)
      return std::nullopt;
  } else {
    layout.paletteCount = 0;
  }
  if (layout.pixelOffset < afterHeader || layout.pixelOffset > file.size()) return std::nullopt;

  // The last row may lack its padding; every other row must be whole.
  const std::size_t stride = ((std::size_t(layout.width) * layout.bitsPerPixel + 31) / 32) * 4;
  const std::size_t lastRow = (std::size_t(layout.width) * layout.bitsPerPixel + 7) / 8;
  if (file.size() - layout.pixelOffset < lastRow ||
      (file.size() - layout.pixelOffset - lastRow) / stride < std::size_t(layout.height - 1))
    return std::nullopt;
  return layout;
}

}  // namespace

std::optional<Surface> DecodeBmp(std::span<const BYTE> file) {
  const std::optional<BmpLayout> layout = ReadLayout(file);
  if (!layout) return std::nullopt;

  std::uint32_t palette[256] = {};
  for (std::size_t i = 0; i < layout->paletteCount; ++i) {
    const BYTE* entry = &file[layout->paletteOffset + i * layout->paletteEntrySize];
    palette[i] = RGB(entry[2], entry[1], entry[0]);
  }

  Surface surface(layout->width, layout->height, 32);
  const unsigned bpp = layout->bitsPerPixel;
  const std::size_t stride = ((std::size_t(layout->width) * bpp + 31) / 32) * 4;
  for (LONG y = 0; y < layout->height; ++y) {
    const LONG fileRow = layout->topDown ? y : layout->height - 1 - y;
    const BYTE* in = &file[layout->pixelOffset + std::size_t(fileRow) * stride];
    BYTE* out = surface.Row(y);
    for (LONG x = 0; x < layout->width; ++x, out += 4) {
      COLORREF color = 0;
      switch (bpp) {
        case 1: case 4: case 8: {
          const std::size_t bit = std::size_t(x) * bpp;
          const unsigned index = (in[bit / 8] >> (8 - bpp - bit % 8)) & ((1u << bpp) - 1);
          color = palette[index];  // indexes past a short palette read black
          break;
        }
        case 24: {
          const BYTE* p = in + std::size_t(x) * 3;
          color = RGB(p[2], p[1], p[0]);
          break;
        }
        default: {
          const std::uint32_t v = bpp == 16 ? ReadLittleU16(in + std::size_t(x) * 2) : ReadLittleU32(in + std::size_t(x) * 4);
          color = RGB(Channel(v, layout->masks[0]), Channel(v, layout->masks[1]), Channel(v, layout->masks[2]));
          break;
        }
      }
      out[0] = GetRValue(color);
      out[1] = GetGValue(color);
      out[2] = GetBValue(color);
      out[3] = 255;
    }
  }
  return surface;
}
