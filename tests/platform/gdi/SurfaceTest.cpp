#include "platform/gdi/Surface.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

// The map surface packs colours with its own formula; the screen must read
// its bytes back as the same colours.
WORD MapSurfaceWord(BYTE r, BYTE g, BYTE b) {
  return WORD((((r / 2) & 0xF8) << 7) | (((g / 2) & 0xF8) << 2) | (((b / 2) >> 3) & 0x1F));
}

TEST(PixelFormat, SixteenBitBytesAreBigEndianNibbles) {
  Surface s(2, 1, 16);
  s.SetPixel(0, 0, RGB(255, 255, 255));
  s.SetPixel(1, 0, RGB(50, 0, 0));
  auto bytes = s.Bytes();
  EXPECT_EQ(bytes[0], 0x3D);
  EXPECT_EQ(bytes[1], 0xEF);
  EXPECT_EQ(bytes[2], 0x0C);
  EXPECT_EQ(bytes[3], 0x00);
  s.SetPixel(0, 0, RGB(255, 255, 0));
  EXPECT_EQ(bytes[0], 0x3D);
  EXPECT_EQ(bytes[1], 0xE0);
}

TEST(PixelFormat, PackerAgreesWithTheMapSurfaceForEveryChannelValue) {
  for (int v = 0; v < 256; ++v) {
    const BYTE c = BYTE(v);
    ASSERT_EQ(PackPixel16(RGB(c, 0, 0)), MapSurfaceWord(c, 0, 0)) << v;
    ASSERT_EQ(PackPixel16(RGB(0, c, 0)), MapSurfaceWord(0, c, 0)) << v;
    ASSERT_EQ(PackPixel16(RGB(0, 0, c)), MapSurfaceWord(0, 0, c)) << v;
  }
}

TEST(PixelFormat, SixteenBitChannelsReadBackAsNibbleTimesSeventeen) {
  EXPECT_EQ(UnpackPixel16(0x3DEF), RGB(255, 255, 255));
  EXPECT_EQ(UnpackPixel16(MapSurfaceWord(50, 0, 0)), RGB(51, 0, 0));
  EXPECT_EQ(UnpackPixel16(MapSurfaceWord(200, 100, 80)), RGB(204, 102, 85));
  // Bits outside the nibbles do not leak into any channel.
  EXPECT_EQ(UnpackPixel16(0xC210), RGB(0, 0, 0));
}

TEST(PixelFormat, ThirtyTwoBitPixelsAreRgbAndKeepTheFourthByte) {
  Surface s(1, 1, 32);
  s.Bytes()[3] = 0x5A;
  s.SetPixel(0, 0, RGB(50, 60, 70));
  auto bytes = s.Bytes();
  EXPECT_EQ(bytes[0], 50);
  EXPECT_EQ(bytes[1], 60);
  EXPECT_EQ(bytes[2], 70);
  EXPECT_EQ(bytes[3], 0x5A);
  EXPECT_EQ(s.GetPixel(0, 0), RGB(50, 60, 70));
}

TEST(SurfaceSize, RefusesBadOrAbsurdSizes) {
  EXPECT_TRUE(Surface::CanCreate(480, 640, 16));
  EXPECT_FALSE(Surface::CanCreate(0, 10, 32));
  EXPECT_FALSE(Surface::CanCreate(10, -1, 32));
  EXPECT_FALSE(Surface::CanCreate(10, 10, 24));
  EXPECT_FALSE(Surface::CanCreate(kMaxSurfaceSide + 1, 1, 32));
  EXPECT_FALSE(Surface::CanCreate(kMaxSurfaceSide, kMaxSurfaceSide, 32));
  EXPECT_THROW(Surface(0, 0, 32), std::invalid_argument);
}

TEST(SurfaceAccess, OutsidePointsAreIgnored) {
  Surface s(4, 3, 32);
  s.SetPixel(4, 0, RGB(255, 0, 0));
  s.SetPixel(0, -1, RGB(255, 0, 0));
  s.BlendPixel(-1, 0, RGB(255, 0, 0), 255);
  for (BYTE b : s.Bytes()) ASSERT_EQ(b, 0);
  EXPECT_EQ(s.GetPixel(0, 3), CLR_INVALID);
}

TEST(SurfaceFill, StaysInsideTheSurface) {
  Surface s(4, 4, 16);
  s.Fill({-5, 2, 2, 99}, RGB(255, 255, 255));
  EXPECT_EQ(s.GetPixel(0, 2), RGB(255, 255, 255));
  EXPECT_EQ(s.GetPixel(1, 3), RGB(255, 255, 255));
  EXPECT_EQ(s.GetPixel(2, 2), RGB(0, 0, 0));
  EXPECT_EQ(s.GetPixel(0, 1), RGB(0, 0, 0));
}

TEST(SurfaceCopy, ConvertsBetweenDepthsBothWays) {
  Surface wide(3, 1, 32);
  wide.SetPixel(0, 0, RGB(255, 255, 255));
  wide.SetPixel(1, 0, RGB(200, 100, 50));
  wide.SetPixel(2, 0, RGB(17, 34, 51));
  Surface narrow(3, 1, 16);
  narrow.CopyFrom(wide, wide.Bounds(), {0, 0}, narrow.Bounds());
  EXPECT_EQ(narrow.GetPixel(0, 0), RGB(255, 255, 255));
  EXPECT_EQ(narrow.GetPixel(1, 0), RGB(204, 102, 51));
  EXPECT_EQ(narrow.GetPixel(2, 0), RGB(17, 34, 51));

  Surface back(3, 1, 32);
  back.CopyFrom(narrow, narrow.Bounds(), {0, 0}, back.Bounds());
  for (LONG x = 0; x < 3; ++x) EXPECT_EQ(back.GetPixel(x, 0), narrow.GetPixel(x, 0));
}

TEST(SurfaceCopy, ClipsToClipSourceAndDestination) {
  Surface source(4, 4, 32);
  source.Fill(source.Bounds(), RGB(9, 9, 9));
  Surface target(6, 6, 32);
  // Source rect hangs off the source's left; destination is clipped at x = 3.
  target.CopyFrom(source, {-2, 0, 4, 4}, {0, 1}, {0, 0, 3, 6});
  EXPECT_EQ(target.GetPixel(1, 1), RGB(0, 0, 0));  // came from source x = -1
  EXPECT_EQ(target.GetPixel(2, 1), RGB(9, 9, 9));
  EXPECT_EQ(target.GetPixel(3, 1), RGB(0, 0, 0));  // outside the clip
  EXPECT_EQ(target.GetPixel(2, 0), RGB(0, 0, 0));
  EXPECT_EQ(target.GetPixel(2, 4), RGB(9, 9, 9));
  EXPECT_EQ(target.GetPixel(2, 5), RGB(0, 0, 0));
}

TEST(SurfaceCopy, OverlappingCopyWithinOneSurfaceActsLikeAScroll) {
  Surface s(5, 1, 32);
  for (LONG x = 0; x < 5; ++x) s.SetPixel(x, 0, RGB(BYTE(x), 0, 0));
  s.CopyFrom(s, {0, 0, 4, 1}, {1, 0}, s.Bounds());
  EXPECT_EQ(s.GetPixel(0, 0), RGB(0, 0, 0));
  for (LONG x = 1; x < 5; ++x) EXPECT_EQ(s.GetPixel(x, 0), RGB(BYTE(x - 1), 0, 0)) << x;
}

TEST(SurfaceBlend, UsesTheFourthByteAsOpacity) {
  Surface image(2, 1, 32);
  auto px = image.Bytes();
  px[0] = 255, px[1] = 0, px[2] = 0, px[3] = 255;  // opaque red
  px[4] = 255, px[5] = 255, px[6] = 255, px[7] = 0;  // invisible white
  Surface target(2, 1, 32);
  target.Fill(target.Bounds(), RGB(0, 0, 255));
  target.BlendFrom(image, {0, 0}, target.Bounds());
  EXPECT_EQ(target.GetPixel(0, 0), RGB(255, 0, 0));
  EXPECT_EQ(target.GetPixel(1, 0), RGB(0, 0, 255));
}

}  // namespace
