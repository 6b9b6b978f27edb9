#include "skymap/MapSurface.h"

#include <gtest/gtest.h>

using namespace vespera;

namespace {

constexpr COLORREF kSentinel = RGB(0, 0, 255);

class MapSurfaceTest : public ::testing::TestWithParam<int> {
 protected:
  MapSurfaceTest() : screen(64, 48, GetParam()), dc(screen, {0, 0}, screen.Bounds(), nullptr) {
    screen.Fill(screen.Bounds(), kSentinel);
  }

  void MakeSurface(int width, int height) {
    surface.CreateMapSurface(&dc, width, height);
    surface.AllocatePixels();
    surface.ClearPixels();
    surface.CommitPixels();
  }

  Surface screen;
  CDC dc;
  MapSurface surface;
};

TEST_P(MapSurfaceTest, CommittedPixelsReachTheWindowAtTheGivenCorner) {
  MakeSurface(20, 10);
  surface.PutPixel(0, 0, 255, 255, 255);
  surface.DrawLine(2, 9, 19, 9, 50, 0, 0);
  surface.BlitMapSurface(&dc, 5, 7);
  // Not committed yet: the bitmap is still the black one made at start.
  EXPECT_EQ(screen.GetPixel(5, 7), RGB(0, 0, 0));
  EXPECT_EQ(screen.GetPixel(4, 7), kSentinel);

  surface.CommitPixels();
  surface.BlitMapSurface(&dc, 5, 7);
  EXPECT_EQ(screen.GetPixel(5, 7), RGB(255, 255, 255));
  const COLORREF line = GetParam() == 16 ? RGB(51, 0, 0) : RGB(50, 0, 0);  // 4 bits a channel at 16
  EXPECT_EQ(screen.GetPixel(7, 16), line);
  EXPECT_EQ(screen.GetPixel(24, 16), line);
  EXPECT_EQ(screen.GetPixel(25, 16), kSentinel);
  EXPECT_EQ(screen.GetPixel(5, 17), kSentinel);
}

TEST_P(MapSurfaceTest, RecreatingReplacesTheBitmapAndForgetsTheBuffer) {
  MakeSurface(20, 10);
  surface.CreateMapSurface(&dc, 30, 12);
  EXPECT_FALSE(surface.pixels().hasPixels());
  surface.AllocatePixels();
  EXPECT_EQ(surface.pixels().width(), 30);
  EXPECT_EQ(surface.bitmapInfo().bmHeight, 12);
}

TEST_P(MapSurfaceTest, WithoutABitmapNothingIsDrawnOrCopied) {
  surface.CreateMapSurface(&dc, 0, 10);  // refused by the platform
  EXPECT_FALSE(surface.hasBitmap());
  surface.AllocatePixels();
  surface.PutPixel(0, 0, 255, 255, 255);
  surface.CommitPixels();
  surface.BlitMapSurface(&dc, 0, 0);
  EXPECT_EQ(screen.GetPixel(0, 0), kSentinel);

  MakeSurface(8, 8);
  surface.FreePixels();
  surface.DeleteMapBitmap();
  EXPECT_FALSE(surface.hasBitmap());
  surface.BlitMapSurface(&dc, 0, 0);
  EXPECT_EQ(screen.GetPixel(0, 0), kSentinel);
}

INSTANTIATE_TEST_SUITE_P(Depths, MapSurfaceTest, ::testing::Values(16, 32),
                         [](const auto& info) { return std::to_string(info.param) + "Bit"; });

}  // namespace
