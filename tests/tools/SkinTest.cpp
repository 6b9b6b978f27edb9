#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/runtime/LittleEndian.h"
#include "tools/skins/ImageFiles.h"
#include "tools/skins/SkinStrip.h"

using namespace vespera;

namespace {

bool Inside(const SkinRect& r, int x, int y) { return x >= r.left && x <= r.right && y >= r.top && y <= r.bottom; }

TEST(SkinLayout, ImagesFitTheStripAndLeaveTheCaptionPixelFree) {
  for (const SkinLayout& layout : {SkinLayout240(), SkinLayout480()}) {
    for (const SkinRect& r : layout.images) {
      EXPECT_LT(r.right, layout.width);
      EXPECT_LT(r.bottom, layout.height);
      EXPECT_FALSE(Inside(r, 52, 15));
    }
  }
  EXPECT_GE(SkinLayout240().width, 163);
  EXPECT_GE(SkinLayout480().height, 52);
}

TEST(SkinStrip, EveryImageIsDrawnOnTheCaptionColour) {
  for (const SkinLayout& layout : {SkinLayout240(), SkinLayout480()}) {
    const SkinPalette palette = DayPalette();
    const Canvas strip = DrawSkinStrip(layout, palette);
    EXPECT_EQ(strip.At(52, 15), palette.caption);
    EXPECT_EQ(strip.At(layout.width - 1, layout.height - 1), palette.caption);
    for (const SkinRect& r : layout.images) {
      int glyphPixels = 0;
      for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) glyphPixels += strip.At(x, y) == palette.glyph || strip.At(x, y) == palette.star;
      EXPECT_GT(glyphPixels, 0) << "image at x " << r.left;
      // The copy's extra row below the button stays background, so a button
      // never shows half a border.
      EXPECT_EQ(strip.At((r.left + r.right) / 2, r.bottom), palette.caption);
    }
  }
}

TEST(SkinStrip, RedSkinsUseOnlyRedsAndBlack) {
  for (const SkinLayout& layout : {SkinLayout240(), SkinLayout480()}) {
    const Canvas strip = DrawSkinStrip(layout, RedPalette());
    for (int y = 0; y < strip.height(); ++y)
      for (int x = 0; x < strip.width(); ++x) {
        const Rgba p = strip.At(x, y);
        ASSERT_TRUE(p.g == 0 && p.b == 0) << x << "," << y;
      }
    const Rgba caption = strip.At(52, 15);
    EXPECT_GT(caption.r, 30);  // a dark red, not black, behind the red title text
    EXPECT_LT(caption.r, 128);
  }
}

TEST(ImageFiles, BitmapIsBottomUp24BitWithPaddedRows) {
  Canvas canvas(3, 2, {0, 0, 0, 255});
  canvas.Set(0, 0, {255, 0, 0, 255});  // top-left red
  canvas.Set(2, 1, {0, 0, 255, 255});  // bottom-right blue
  const auto path = std::filesystem::temp_directory_path() / "vespera_tools_skin.bmp";
  WriteBmp24(path, canvas);
  std::ifstream in(path, std::ios::binary);
  const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in), {}};
  std::filesystem::remove(path);
  ASSERT_EQ(bytes.size(), 54u + 2 * 12);  // 9 bytes of pixels padded to 12 per row
  EXPECT_EQ(bytes[0], 'B');
  EXPECT_EQ(ReadLittleU32(&bytes[2]), bytes.size());
  EXPECT_EQ(ReadLittleU32(&bytes[10]), 54u);
  EXPECT_EQ(ReadLittleU32(&bytes[18]), 3u);
  EXPECT_EQ(ReadLittleU32(&bytes[22]), 2u);
  EXPECT_EQ(ReadLittleU16(&bytes[28]), 24u);
  // First stored row is the bottom one: its last pixel is blue (B, G, R order).
  EXPECT_EQ(bytes[54 + 6], 255);
  EXPECT_EQ(bytes[54 + 8], 0);
  // Second stored row is the top one, starting with red.
  EXPECT_EQ(bytes[54 + 12 + 2], 255);
  EXPECT_EQ(bytes[54 + 12 + 0], 0);
}

TEST(AppIcon, TheLogoOnATransparentSquare) {
  const Canvas icon = DrawAppIcon(48);
  EXPECT_EQ(icon.At(0, 0).a, 0);
  EXPECT_EQ(icon.At(24, 24).a, 255);
}

}  // namespace
