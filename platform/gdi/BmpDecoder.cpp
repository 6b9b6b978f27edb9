#include "platform/gdi/BmpDecoder.h"

#include <bit>
#include <cstdint>
#include <limits>

#include "platform/runtime/LittleEndian.h"

namespace {

// Field offsets within the file header and the two header forms read here;
// each layout's fields run back to back up to its size.
struct FileHeaderLayout {
  static constexpr std::size_t kSignature = 0, kFileSize = 2, kReserved = 6, kPixelOffset = 10;
  static constexpr std::size_t kSize = kPixelOffset + 4;
};
struct CoreHeaderLayout {  // BITMAPCOREHEADER
  static constexpr std::size_t kHeaderSize = 0, kWidth = 4, kHeight = 6, kPlanes = 8, kBitCount = 10;
  static constexpr std::size_t kSize = kBitCount + 2;
};
struct InfoHeaderLayout {  // BITMAPINFOHEADER
  static constexpr std::size_t kHeaderSize = 0, kWidth = 4, kHeight = 8, kPlanes = 12, kBitCount = 14,
                               kCompression = 16, kImageSize = 20, kXPixelsPerMeter = 24,
                               kYPixelsPerMeter = 28, kColorsUsed = 32, kColorsImportant = 36;
  static constexpr std::size_t kSize = kColorsImportant + 4;
  // Three DWORD channel masks follow a plain info header (BI_BITFIELDS).
  static constexpr std::size_t kMasksSize = 3 * 4;
};
static_assert(FileHeaderLayout::kSize == 14);
static_assert(CoreHeaderLayout::kSize == 12);
static_assert(InfoHeaderLayout::kSize == 40);

constexpr std::size_t kFileHeaderSize = FileHeaderLayout::kSize;
constexpr std::uint32_t kCoreHeaderSize = CoreHeaderLayout::kSize;
constexpr std::uint32_t kInfoHeaderSize = InfoHeaderLayout::kSize;
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

Expected<BmpLayout> ReadLayout(std::span<const BYTE> file) {
  if (file.size() < kFileHeaderSize + kCoreHeaderSize) return Failure("BMP file is shorter than its headers");
  if (file[FileHeaderLayout::kSignature] != 'B' || file[FileHeaderLayout::kSignature + 1] != 'M')
    return Failure("BMP file does not start with \"BM\"");
  BmpLayout layout;
  layout.pixelOffset = ReadLittleU32(&file[FileHeaderLayout::kPixelOffset]);
  const std::uint32_t headerSize = ReadLittleU32(&file[kFileHeaderSize + InfoHeaderLayout::kHeaderSize]);
  if (headerSize > file.size() - kFileHeaderSize) return Failure("BMP header runs past the end of the file");
  const BYTE* h = &file[kFileHeaderSize];

  if (headerSize == kCoreHeaderSize) {
    layout.width = ReadLittleU16(h + CoreHeaderLayout::kWidth);
    layout.height = ReadLittleU16(h + CoreHeaderLayout::kHeight);
    layout.bitsPerPixel = ReadLittleU16(h + CoreHeaderLayout::kBitCount);
    layout.paletteEntrySize = 3;
  } else if (headerSize >= kInfoHeaderSize) {
    const auto width = std::int32_t(ReadLittleU32(h + InfoHeaderLayout::kWidth));
    const auto height = std::int32_t(ReadLittleU32(h + InfoHeaderLayout::kHeight));
    if (height == std::numeric_limits<std::int32_t>::min()) return Failure("BMP height is out of range");
    layout.width = width;
    layout.topDown = height < 0;
    layout.height = height < 0 ? -height : height;
    layout.bitsPerPixel = ReadLittleU16(h + InfoHeaderLayout::kBitCount);
    layout.compression = ReadLittleU32(h + InfoHeaderLayout::kCompression);
    layout.paletteCount = ReadLittleU32(h + InfoHeaderLayout::kColorsUsed);
  } else {
    return Failure("BMP header has an unknown size");
  }
  if (!Surface::CanCreate(layout.width, layout.height, 32))
    return Failure("BMP size is not positive or beyond the surface limits");

  std::size_t afterHeader = kFileHeaderSize + headerSize;
  switch (layout.bitsPerPixel) {
    case 1: case 4: case 8: case 24:
      if (layout.compression != kNoCompression) return Failure("BMP compression is not supported");
      break;
    case 16: case 32:
      if (layout.compression == kBitFields) {
        // Masks follow a plain info header, or sit inside the larger ones.
        if (file.size() < kFileHeaderSize + kInfoHeaderSize + InfoHeaderLayout::kMasksSize)
          return Failure("BMP channel masks run past the end of the file");
        for (int i = 0; i < 3; ++i) layout.masks[i] = ReadLittleU32(&file[kFileHeaderSize + kInfoHeaderSize + 4 * i]);
        if (headerSize == kInfoHeaderSize) afterHeader += InfoHeaderLayout::kMasksSize;
      } else if (layout.compression != kNoCompression) {
        return Failure("BMP compression is not supported");
      } else if (layout.bitsPerPixel == 32) {
        layout.masks[0] = 0x00FF0000;
        layout.masks[1] = 0x0000FF00;
        layout.masks[2] = 0x000000FF;
      }
      break;
    default:
      return Failure("BMP depth is not 1, 4, 8, 16, 24 or 32 bits");
  }

  if (layout.bitsPerPixel <= 8) {
    const std::size_t full = std::size_t(1) << layout.bitsPerPixel;
    if (layout.paletteCount == 0 || layout.paletteCount > full) layout.paletteCount = full;
    layout.paletteOffset = afterHeader;
    if (layout.paletteOffset > file.size() ||
        (file.size() - layout.paletteOffset) / layout.paletteEntrySize < layout.paletteCount)
      return Failure("BMP palette runs past the end of the file");
  } else {
    layout.paletteCount = 0;
  }
  if (layout.pixelOffset < afterHeader || layout.pixelOffset > file.size())
    return Failure("BMP pixel data starts outside the file");

  // The last row may lack its padding; every other row must be whole.
  const std::size_t stride = ((std::size_t(layout.width) * layout.bitsPerPixel + 31) / 32) * 4;
  const std::size_t lastRow = (std::size_t(layout.width) * layout.bitsPerPixel + 7) / 8;
  if (file.size() - layout.pixelOffset < lastRow ||
      (file.size() - layout.pixelOffset - lastRow) / stride < std::size_t(layout.height - 1))
    return Failure("BMP pixel data runs past the end of the file");
  return layout;
}

}  // namespace

Expected<unsigned> BmpBitsPerPixel(std::span<const BYTE> file) {
  const Expected<BmpLayout> layout = ReadLayout(file);
  if (!layout) return Failure(layout.reason());
  return layout->bitsPerPixel;
}

Expected<Surface> DecodeBmp(std::span<const BYTE> file) {
  const Expected<BmpLayout> layout = ReadLayout(file);
  if (!layout) return Failure(layout.reason());

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
