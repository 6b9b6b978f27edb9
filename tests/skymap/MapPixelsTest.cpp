#include "skymap/MapPixels.h"

#include <gtest/gtest.h>

#include <vector>

using namespace vespera;

namespace {

std::vector<BYTE> PixelBytes(const MapPixels& pixels, int x, int y) {
  const auto bytes = pixels.bytes();
  const std::size_t at = static_cast<std::size_t>(y) * pixels.bytesPerRow() +
                         static_cast<std::size_t>(x) * pixels.bytesPerPixel();
  return {bytes.begin() + at, bytes.begin() + at + pixels.bytesPerPixel()};
}

bool AllZero(const MapPixels& pixels) {
  for (BYTE b : pixels.bytes()) {
    if (b != 0) return false;
  }
  return true;
}

TEST(MapPixels, SixteenBitPixelsAreBigEndianFourBitsPerChannel) {
  MapPixels pixels;
  pixels.AllocatePixels(4, 3, 8, 16);
  pixels.PutPixel(0, 0, 255, 255, 255);
  pixels.PutPixel(1, 0, 50, 0, 0);
  pixels.PutPixel(2, 1, 255, 255, 0);
  pixels.PutPixel(3, 2, 0, 0, 200);
  EXPECT_EQ(PixelBytes(pixels, 0, 0), (std::vector<BYTE>{0x3D, 0xEF}));
  EXPECT_EQ(PixelBytes(pixels, 1, 0), (std::vector<BYTE>{0x0C, 0x00}));
  EXPECT_EQ(PixelBytes(pixels, 2, 1), (std::vector<BYTE>{0x3D, 0xE0}));
  EXPECT_EQ(PixelBytes(pixels, 3, 2), (std::vector<BYTE>{0x00, 0x0C}));
}

TEST(MapPixels, ThirtyTwoBitPixelsAreRgbAndLeaveTheFourthByte) {
  MapPixels pixels;
  pixels.AllocatePixels(3, 2, 12, 32);
  pixels.PutPixel(1, 1, 50, 0, 0);
  pixels.PutPixel(2, 1, 1, 2, 3);
  EXPECT_EQ(PixelBytes(pixels, 1, 1), (std::vector<BYTE>{50, 0, 0, 0}));
  EXPECT_EQ(PixelBytes(pixels, 2, 1), (std::vector<BYTE>{1, 2, 3, 0}));
}

TEST(MapPixels, WritesOnlyInsideTheSurface) {
  MapPixels pixels;
  pixels.AllocatePixels(5, 4, 20, 32);
  pixels.PutPixel(5, 0, 255, 255, 255);
  pixels.PutPixel(0, -1, 255, 255, 255);
  pixels.PutPixel(0, 4, 255, 255, 255);
  pixels.PutPixel(-1, 2, 255, 255, 255);
  pixels.DrawLine(-10, 7, 10, 30, 255, 255, 255);
  EXPECT_TRUE(AllZero(pixels));
  pixels.DrawLine(-3, 2, 4, 2, 9, 9, 9);
  for (int x = 0; x < 5; ++x) EXPECT_EQ(PixelBytes(pixels, x, 2)[0], 9) << x;
}

TEST(MapPixels, UnsupportedLayoutsWriteNothing) {
  for (int bits : {8, 24}) {
    MapPixels pixels;
    pixels.AllocatePixels(4, 4, 4 * bits / 8, bits);
    pixels.PutPixel(1, 1, 255, 255, 255);
    pixels.DrawLine(0, 0, 3, 3, 255, 255, 255);
    EXPECT_EQ(pixels.size(), static_cast<std::size_t>(4 * bits / 2));
    EXPECT_TRUE(AllZero(pixels)) << bits;
  }
  // Rows too short for the width would let the last pixels run off the end.
  MapPixels shortRows;
  shortRows.AllocatePixels(10, 2, 16, 32);
  shortRows.PutPixel(9, 1, 255, 255, 255);
  EXPECT_TRUE(AllZero(shortRows));
}

TEST(MapPixels, PaddedRowsAreAddressedByTheirStride) {
  MapPixels pixels;
  pixels.AllocatePixels(3, 2, 8, 16);
  pixels.PutPixel(0, 1, 255, 255, 255);
  EXPECT_EQ(pixels.bytes()[8], 0x3D);
  EXPECT_EQ(pixels.bytes()[9], 0xEF);
}

TEST(MapPixels, ReallocationAndClearGiveBlackAndFreeingStopsWrites) {
  MapPixels pixels;
  pixels.ClearPixels();  // no buffer yet
  pixels.AllocatePixels(2, 2, 8, 32);
  pixels.DrawLine(0, 0, 1, 1, 200, 200, 200);
  pixels.ClearPixels();
  EXPECT_TRUE(AllZero(pixels));
  pixels.PutPixel(1, 1, 7, 7, 7);
  pixels.AllocatePixels(2, 2, 4, 16);
  EXPECT_EQ(pixels.size(), 8u);
  EXPECT_TRUE(AllZero(pixels));
  pixels.FreePixels();
  EXPECT_EQ(pixels.size(), 0u);
  pixels.PutPixel(0, 0, 1, 1, 1);
  pixels.DrawLine(0, 0, 5, 5, 1, 1, 1);
}

}  // namespace
