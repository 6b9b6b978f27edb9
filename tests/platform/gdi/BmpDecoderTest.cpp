#include "platform/gdi/BmpDecoder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "platform/gdi/ImageFiles.h"
#include "tests/platform/gdi/GdiTestSupport.h"

namespace {

// Describes a BMP file for BuildBmp; `pixel` gives the raw stored value of
// each pixel: a palette index, 0xRRGGBB for 24 and 32 bits, the word for 16.
struct BmpLayout {
  std::int32_t width = 5;
  std::int32_t height = 3;  // negative: rows stored top-down
  std::uint16_t bitsPerPixel = 24;
  std::uint32_t compression = 0;
  std::uint32_t headerSize = 40;
  std::vector<std::uint32_t> palette;  // 0xRRGGBB
  std::vector<std::uint32_t> masks;    // written after a 40-byte header
  std::function<std::uint32_t(int x, int y)> pixel;
};

void Put16(std::vector<BYTE>& out, std::uint32_t v) {
  out.push_back(BYTE(v));
  out.push_back(BYTE(v >> 8));
}
void Put32(std::vector<BYTE>& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}
void Set32(std::vector<BYTE>& out, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out[at + i] = BYTE(v >> (8 * i));
}

std::vector<BYTE> BuildBmp(const BmpLayout& layout) {
  std::vector<BYTE> out = {'B', 'M'};
  Put32(out, 0);  // file size, patched below
  Put32(out, 0);
  Put32(out, 0);  // pixel offset, patched below
  Put32(out, layout.headerSize);
  const bool core = layout.headerSize == 12;
  if (core) {
    Put16(out, std::uint32_t(layout.width));
    Put16(out, std::uint32_t(layout.height));
    Put16(out, 1);
    Put16(out, layout.bitsPerPixel);
  } else {
    Put32(out, std::uint32_t(layout.width));
    Put32(out, std::uint32_t(layout.height));
    Put16(out, 1);
    Put16(out, layout.bitsPerPixel);
    Put32(out, layout.compression);
    for (int i = 0; i < 5; ++i) Put32(out, 0);  // image size, resolution, colours used/important
    out.resize(14 + layout.headerSize, 0);
    for (std::uint32_t m : layout.masks) Put32(out, m);
  }
  for (std::uint32_t c : layout.palette) {
    out.push_back(BYTE(c));
    out.push_back(BYTE(c >> 8));
    out.push_back(BYTE(c >> 16));
    if (!core) out.push_back(0);
  }
  Set32(out, 10, std::uint32_t(out.size()));

  const int height = layout.height < 0 ? -layout.height : layout.height;
  const std::size_t stride = ((std::size_t(layout.width) * layout.bitsPerPixel + 31) / 32) * 4;
  for (int row = 0; row < height; ++row) {
    const int y = layout.height < 0 ? row : height - 1 - row;
    std::vector<BYTE> line(stride, 0);
    for (int x = 0; x < layout.width; ++x) {
      const std::uint32_t v = layout.pixel(x, y);
      switch (layout.bitsPerPixel) {
        case 1: case 4: case 8: {
          const std::size_t bit = std::size_t(x) * layout.bitsPerPixel;
          line[bit / 8] |= BYTE(v << (8 - layout.bitsPerPixel - bit % 8));
          break;
        }
        case 16: line[2 * x] = BYTE(v); line[2 * x + 1] = BYTE(v >> 8); break;
        case 24:
          line[3 * x] = BYTE(v); line[3 * x + 1] = BYTE(v >> 8); line[3 * x + 2] = BYTE(v >> 16);
          break;
        default: for (int i = 0; i < 4; ++i) line[4 * x + i] = BYTE(v >> (8 * i)); break;
      }
    }
    out.insert(out.end(), line.begin(), line.end());
  }
  Set32(out, 2, std::uint32_t(out.size()));
  return out;
}

COLORREF FromRgb(std::uint32_t rgb) { return RGB(BYTE(rgb >> 16), BYTE(rgb >> 8), BYTE(rgb)); }

// Every pixel of `surface` is `expected(x, y)` and opaque.
void ExpectPixels(const Expected<Surface>& surface, int width, int height,
                  const std::function<COLORREF(int, int)>& expected) {
  ASSERT_TRUE(surface) << surface.reason();
  ASSERT_EQ(surface->Width(), width);
  ASSERT_EQ(surface->Height(), height);
  ASSERT_EQ(surface->BitsPerPixel(), 32);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      ASSERT_EQ(surface->GetPixel(x, y), expected(x, y)) << x << "," << y;
      ASSERT_EQ(surface->Row(y)[4 * x + 3], 255);
    }
}

std::uint32_t Rainbow(int x, int y) { return std::uint32_t(0x102030 + x * 0x230000 + y * 0x001700 + (x ^ y) * 3); }

std::vector<std::uint32_t> Palette(std::size_t n) {
  std::vector<std::uint32_t> p;
  for (std::size_t i = 0; i < n; ++i) p.push_back(std::uint32_t(0x010203 * (i + 1) ^ (i << 20)));
  return p;
}

TEST(BmpDecode, PalettedDepths) {
  for (std::uint16_t bpp : {1, 4, 8}) {
    BmpLayout layout;
    layout.width = 13;  // odd widths exercise bit packing and row padding
    layout.bitsPerPixel = bpp;
    layout.palette = Palette(std::size_t(1) << bpp);
    const std::uint32_t mask = (1u << bpp) - 1;
    layout.pixel = [&](int x, int y) { return std::uint32_t(x * 7 + y * 3) & mask; };
    ExpectPixels(DecodeBmp(BuildBmp(layout)), 13, 3,
                 [&](int x, int y) { return FromRgb(layout.palette[std::uint32_t(x * 7 + y * 3) & mask]); });
  }
}

TEST(BmpDecode, DirectDepthsBottomUpAndTopDown) {
  for (std::uint16_t bpp : {24, 32}) {
    for (std::int32_t height : {3, -3}) {
      BmpLayout layout;
      layout.bitsPerPixel = bpp;
      layout.height = height;
      layout.pixel = Rainbow;
      ExpectPixels(DecodeBmp(BuildBmp(layout)), 5, 3, [](int x, int y) { return FromRgb(Rainbow(x, y)); });
    }
  }
}

TEST(BmpDecode, SixteenBitsDefaultToFiveFiveFiveAndHonourMasks) {
  BmpLayout layout;
  layout.bitsPerPixel = 16;
  layout.width = 3;
  layout.height = 1;
  const std::uint32_t words555[] = {0x7C00, 0x03E0, 0x001F};
  layout.pixel = [&](int x, int) { return words555[x]; };
  ExpectPixels(DecodeBmp(BuildBmp(layout)), 3, 1, [](int x, int) {
    const COLORREF expected[] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)};
    return expected[x];
  });

  layout.compression = 3;
  layout.masks = {0xF800, 0x07E0, 0x001F};
  const std::uint32_t words565[] = {0xF800, 0x0400, 0x0010};
  layout.pixel = [&](int x, int) { return words565[x]; };
  ExpectPixels(DecodeBmp(BuildBmp(layout)), 3, 1, [](int x, int) {
    const COLORREF expected[] = {RGB(255, 0, 0), RGB(0, 32 * 255 / 63, 0), RGB(0, 0, 16 * 255 / 31)};
    return expected[x];
  });
}

TEST(BmpDecode, ThirtyTwoBitsWithMasksAndAVersionFiveHeader) {
  BmpLayout layout;
  layout.bitsPerPixel = 32;
  layout.compression = 3;
  layout.headerSize = 124;
  layout.pixel = [](int x, int y) { return Rainbow(x, y) << 8; };  // stored as 0xRRGGBB00
  auto file = BuildBmp(layout);
  // A version 5 header holds its masks inside, right after the first 40 bytes.
  Set32(file, 54, 0xFF000000);
  Set32(file, 58, 0x00FF0000);
  Set32(file, 62, 0x0000FF00);
  ExpectPixels(DecodeBmp(file), 5, 3, [](int x, int y) { return FromRgb(Rainbow(x, y)); });
}

TEST(BmpDecode, OldCoreHeaderWithThreeBytePalette) {
  BmpLayout layout;
  layout.headerSize = 12;
  layout.bitsPerPixel = 8;
  layout.palette = Palette(256);
  layout.pixel = [](int x, int y) { return std::uint32_t(x + 16 * y); };
  ExpectPixels(DecodeBmp(BuildBmp(layout)), 5, 3, [&](int x, int y) { return FromRgb(layout.palette[x + 16 * y]); });
}

TEST(BmpDecode, IndexesPastAShortPaletteReadBlack) {
  BmpLayout layout;
  layout.bitsPerPixel = 8;
  layout.palette = Palette(2);
  layout.pixel = [](int x, int) { return std::uint32_t(x); };
  auto file = BuildBmp(layout);
  Set32(file, 14 + 32, 2);  // colours used
  ExpectPixels(DecodeBmp(file), 5, 3,
               [&](int x, int) { return x < 2 ? FromRgb(layout.palette[std::size_t(x)]) : RGB(0, 0, 0); });
}

BmpLayout Plain24() {
  BmpLayout layout;
  layout.pixel = Rainbow;
  return layout;
}

TEST(BmpBroken, EveryTruncationFailsCleanly) {
  for (std::uint16_t bpp : {1, 8, 24}) {
    BmpLayout layout = Plain24();
    layout.bitsPerPixel = bpp;
    if (bpp <= 8) layout.palette = Palette(std::size_t(1) << bpp);
    if (bpp <= 8) layout.pixel = [](int x, int) { return std::uint32_t(x & 1); };
    const auto file = BuildBmp(layout);
    const std::size_t lastRowBytes = (std::size_t(layout.width) * bpp + 7) / 8;
    const std::size_t stride = ((std::size_t(layout.width) * bpp + 31) / 32) * 4;
    const std::size_t shortestValid = file.size() - (stride - lastRowBytes);
    for (std::size_t length = 0; length < file.size(); ++length) {
      std::vector<BYTE> cut(file.begin(), file.begin() + std::ptrdiff_t(length));
      EXPECT_EQ(DecodeBmp(cut).has_value(), length >= shortestValid) << "bpp " << bpp << " length " << length;
    }
  }
}

TEST(BmpBroken, BadHeadersAreRefused) {
  const auto good = BuildBmp(Plain24());
  ASSERT_TRUE(DecodeBmp(good));
  auto expectRefused = [&](const char* what, const std::string& reason, auto change) {
    auto file = good;
    change(file);
    const Expected<Surface> decoded = DecodeBmp(file);
    ASSERT_FALSE(decoded) << what;
    EXPECT_EQ(decoded.reason(), reason) << what;
  };
  const std::string size = "BMP size is not positive or beyond the surface limits";
  const std::string compression = "BMP compression is not supported";
  expectRefused("signature", "BMP file does not start with \"BM\"", [](auto& f) { f[0] = 'P'; });
  expectRefused("header size", "BMP header has an unknown size", [](auto& f) { Set32(f, 14, 20); });
  expectRefused("header past the end", "BMP header runs past the end of the file",
                [](auto& f) { Set32(f, 14, 0x7FFFFFF0); });
  expectRefused("zero width", size, [](auto& f) { Set32(f, 18, 0); });
  expectRefused("negative width", size, [](auto& f) { Set32(f, 18, std::uint32_t(-5)); });
  expectRefused("zero height", size, [](auto& f) { Set32(f, 22, 0); });
  expectRefused("most negative height", "BMP height is out of range",
                [](auto& f) { Set32(f, 22, std::uint32_t(std::numeric_limits<std::int32_t>::min())); });
  expectRefused("depth 2", "BMP depth is not 1, 4, 8, 16, 24 or 32 bits", [](auto& f) { f[28] = 2; });
  expectRefused("run-length compression", compression, [](auto& f) { Set32(f, 30, 1); });
  expectRefused("masks on 24 bits", compression, [](auto& f) { Set32(f, 30, 3); });
  expectRefused("pixels before the header ends", "BMP pixel data starts outside the file",
                [](auto& f) { Set32(f, 10, 20); });
  expectRefused("pixels past the end", "BMP pixel data starts outside the file",
                [](auto& f) { Set32(f, 10, 0xFFFFFFF0); });
  expectRefused("too short for its headers", "BMP file is shorter than its headers", [](auto& f) { f.resize(25); });
}

TEST(BmpBroken, AbsurdDimensionsAreRefusedBeforeAllocating) {
  // A 1-bit file claiming millions of pixels but holding a few bytes: the
  // size is checked against the data before any pixel memory is taken.
  BmpLayout layout;
  layout.width = 1;
  layout.height = 1;
  layout.bitsPerPixel = 1;
  layout.palette = Palette(2);
  layout.pixel = [](int, int) { return 0u; };
  auto file = BuildBmp(layout);
  Set32(file, 18, 4096);  // within the surface limits: only the data check stops it
  Set32(file, 22, 4096);
  const Expected<Surface> decoded = DecodeBmp(file);
  ASSERT_FALSE(decoded);
  EXPECT_EQ(decoded.reason(), "BMP pixel data runs past the end of the file");
  Set32(file, 18, 16384);
  Set32(file, 22, 16384);
  EXPECT_FALSE(DecodeBmp(file));
  Set32(file, 18, 1000000);
  Set32(file, 22, 1000000);
  EXPECT_FALSE(DecodeBmp(file));
}

TEST(BmpFiles, LoadBmpFileGivesABitmapOrAnEmptyOne) {
  ScratchFolder folder;
  const auto good = BuildBmp(Plain24());
  {
    std::ofstream out(folder / "Icons240.bmp", std::ios::binary);
    out.write(reinterpret_cast<const char*>(good.data()), std::streamsize(good.size()));
    std::ofstream broken(folder / "Broken.bmp", std::ios::binary);
    broken.write(reinterpret_cast<const char*>(good.data()), 40);
  }
  CBitmap bitmap = LoadBmpFile(folder / "Icons240.bmp");
  ASSERT_NE(bitmap.GetSafeHandle(), nullptr);
  BITMAP info;
  bitmap.GetBitmap(&info);
  EXPECT_EQ(info.bmWidth, 5);
  EXPECT_EQ(info.bmHeight, 3);
  EXPECT_EQ(info.bmBitsPixel, 32);
  EXPECT_EQ(bitmap.GetSurface()->GetPixel(4, 2), FromRgb(Rainbow(4, 2)));

  EXPECT_EQ(LoadBmpFile(folder / "Broken.bmp").GetSafeHandle(), nullptr);
  EXPECT_EQ(LoadBmpFile(folder / "Missing.bmp").GetSafeHandle(), nullptr);
  EXPECT_EQ(LoadBmpFile(folder / "").GetSafeHandle(), nullptr);  // a folder, not a file

  auto image = LoadImageFile(folder / "Icons240.bmp");
  ASSERT_TRUE(image);
  EXPECT_EQ(image->GetPixel(0, 0), FromRgb(Rainbow(0, 0)));
}

}  // namespace
