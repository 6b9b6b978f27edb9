#include "skymap/SkySymbols.h"

#include <gtest/gtest.h>

#include "tests/skymap/SkyFixtures.h"

using namespace vespera;

namespace {

using Rgb3 = std::array<BYTE, 3>;

MapPixels Blank(int width = 9, int height = 9) {
  MapPixels pixels;
  pixels.AllocatePixels(width, height, width * 4, 32);
  return pixels;
}

TEST(SkySymbols, BrightnessStepsAtEachWholeMagnitude) {
  EXPECT_EQ(SymbolBrightness(-1.5f), 255);
  EXPECT_EQ(SymbolBrightness(1.99f), 255);
  EXPECT_EQ(SymbolBrightness(2.0f), 220);
  EXPECT_EQ(SymbolBrightness(3.0f), 200);
  EXPECT_EQ(SymbolBrightness(3.99f), 200);
  EXPECT_EQ(SymbolBrightness(4.0f), 100);
  EXPECT_EQ(SymbolBrightness(5.0f), 80);
  EXPECT_EQ(SymbolBrightness(6.0f), 50);
  EXPECT_EQ(SymbolBrightness(19.0f), 50);
}

TEST(SkySymbols, BrightStarIsAFivePixelPlusAndFaintStarOnePixel) {
  MapPixels pixels = Blank();
  DrawSkySymbol(pixels, 4, 4, 3.99f, SkySymbolKind::Star);
  EXPECT_EQ(CountLitPixels(pixels), 5);
  for (auto [x, y] : {std::pair{4, 3}, {3, 4}, {4, 4}, {5, 4}, {4, 5}}) {
    EXPECT_EQ(Rgb(pixels, x, y), (Rgb3{200, 200, 200})) << x << "," << y;
  }

  pixels.ClearPixels();
  DrawSkySymbol(pixels, 4, 4, 4.0f, SkySymbolKind::Star);
  EXPECT_EQ(CountLitPixels(pixels), 1);
  EXPECT_EQ(Rgb(pixels, 4, 4), (Rgb3{100, 100, 100}));
}

TEST(SkySymbols, DeepSkyObjectIsAlwaysAYellowPlus) {
  MapPixels pixels = Blank();
  DrawSkySymbol(pixels, 4, 4, 9.0f, SkySymbolKind::DeepSky);
  EXPECT_EQ(CountLitPixels(pixels), 5);
  EXPECT_EQ(Rgb(pixels, 4, 3), (Rgb3{50, 50, 0}));
  EXPECT_EQ(Rgb(pixels, 5, 4), (Rgb3{50, 50, 0}));
}

TEST(SkySymbols, PlusOnTheEdgeKeepsItsInnerPixels) {
  MapPixels pixels = Blank();
  DrawSkySymbol(pixels, 0, 4, 1.0f, SkySymbolKind::Star);
  EXPECT_EQ(CountLitPixels(pixels), 4);
  DrawSkySymbol(pixels, 8, 8, 1.0f, SkySymbolKind::DeepSky);
  EXPECT_EQ(CountLitPixels(pixels), 7);
}

}  // namespace
