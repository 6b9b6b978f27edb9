#include "skymap/SkyPicture.h"

#include <gtest/gtest.h>

#include <limits>

#include "tests/skymap/SkyFixtures.h"

using namespace vespera;

namespace {

using Rgb3 = std::array<BYTE, 3>;
constexpr Rgb3 kBlack{0, 0, 0};
constexpr Rgb3 kLine{50, 0, 0};

class SkyPictureTest : public ::testing::Test {
 protected:
  SkyPictureTest() { pixels.AllocatePixels(geometry.mapWidth, geometry.mapHeight, geometry.mapWidth * 4, 32); }

  void Draw() { DrawSkyPicture(pixels, hits, work, catalogs, view, geometry); }
  void AddStar(float ra, float dec, float magnitude) { catalogs.starCatalog.objects.Append(MakeObjectRecord(ra, dec, magnitude)); }
  void AddDeepSky(float ra, float dec, float magnitude) {
    catalogs.deepSkyCatalog.objects.Append(MakeObjectRecord(ra, dec, magnitude));
  }
  void AddLineEnd(float ra, float dec) { catalogs.constellationLineCatalog.objects.Append(MakeObjectRecord(ra, dec, 0)); }
  Landing At(float ra, float dec) const { return *LandingOf(view, geometry, ra, dec); }

  MapGeometry geometry = kQvgaGeometry;
  ViewState view;
  SkyCatalogs catalogs;
  MapPixels pixels;
  MapHitCaches hits;
  RebuildWork work;
};

TEST_F(SkyPictureTest, StarAtTheLimitIsDrawnAndOneAHundredthFainterIsNot) {
  AddStar(0, 90, 4.0f);
  AddStar(90, 0, 4.01f);
  Draw();
  EXPECT_EQ(Rgb(pixels, 120, 139), (Rgb3{100, 100, 100}));
  EXPECT_EQ(Rgb(pixels, 237, 139), kBlack);
  ASSERT_EQ(hits.stars.count(), 1u);
  EXPECT_EQ(hits.stars.entries()[0].index, 0);
}

TEST_F(SkyPictureTest, LimitIsComparedWithTheMagnitudeWidenedToDouble) {
  // A limit read back from the settings as 530 x 0.01 lies just below the
  // single-precision 5.3 of a record, which is therefore left out.
  view.magnitudeLimit = 530 * 0.01;
  AddStar(0, 90, 5.3f);
  AddStar(90, 0, 5.29f);
  Draw();
  EXPECT_EQ(Rgb(pixels, 120, 139), kBlack);
  EXPECT_EQ(Rgb(pixels, 237, 139), (Rgb3{80, 80, 80}));
}

TEST_F(SkyPictureTest, SymbolOnColumnZeroLosesItsLeftPixelAndOneAtMinusOneIsLeftOut) {
  view.zoom = 1.1;  // the rim then lies outside the map's sides
  const auto onZero = RaLandingOnColumn(view, geometry, 10, 0, 240, 300);
  const auto onMinusOne = RaLandingOnColumn(view, geometry, 10, -1, 240, 300);
  ASSERT_TRUE(onZero && onMinusOne);

  AddStar(*onZero, 10, 1.0f);
  Draw();
  EXPECT_EQ(CountLitPixels(pixels), 4);
  ASSERT_EQ(hits.stars.count(), 1u);
  EXPECT_EQ(hits.stars.entries()[0].x, 0);

  catalogs.starCatalog.objects.Resize(0);
  AddStar(*onMinusOne, 10, 1.0f);
  Draw();
  // Its right arm would reach column 0 had it been drawn.
  EXPECT_EQ(CountLitPixels(pixels), 0);
  EXPECT_EQ(hits.stars.count(), 0u);
}

TEST_F(SkyPictureTest, CacheHoldsWindowPositionsAndCatalogueIndexesInDrawingOrder) {
  AddStar(0, 90, 1.0f);     // 0: the pole
  AddStar(10, 80, 9.0f);    // 1: too faint
  AddStar(0, -45, 1.0f);    // 2: far hemisphere
  AddStar(90, 0, 3.0f);     // 3: on the rim
  AddDeepSky(180, 60, 3.0f);
  Draw();
  const Landing rim = At(90, 0);
  ASSERT_EQ(hits.stars.count(), 2u);
  EXPECT_EQ(hits.stars.entries()[0], (ScreenHit{120, 139 + 26, 0}));
  EXPECT_EQ(hits.stars.entries()[1], (ScreenHit{rim.x, rim.y + 26, 3}));
  const Landing dso = At(180, 60);
  ASSERT_EQ(hits.deepSky.count(), 1u);
  EXPECT_EQ(hits.deepSky.entries()[0], (ScreenHit{dso.x, dso.y + 26, 0}));
}

TEST_F(SkyPictureTest, ObjectsBeyondTheCacheCapacityAreDrawnButNotRecorded) {
  view.magnitudeLimit = 5;
  for (int i = 0; i < 6000; ++i) AddStar(0, 90, 4.5f);
  AddStar(90, 0, 1.0f);  // the 6001st
  for (int i = 0; i < 1000; ++i) AddDeepSky(0, 90, 4.5f);
  AddDeepSky(180, 0, 1.0f);  // the 1001st
  Draw();
  EXPECT_EQ(hits.stars.count(), 6000u);
  EXPECT_EQ(hits.deepSky.count(), 1000u);
  const Landing star = At(90, 0), dso = At(180, 0);
  EXPECT_EQ(Rgb(pixels, star.x, star.y), (Rgb3{255, 255, 255}));
  EXPECT_EQ(Rgb(pixels, dso.x, dso.y), (Rgb3{255, 255, 0}));
  EXPECT_EQ(FindStarAt(hits.stars, star.x, star.y + 26).index, kNoHit);
  EXPECT_EQ(FindDeepSkyAt(hits.deepSky, dso.x, dso.y + 26).index, kNoHit);
}

TEST_F(SkyPictureTest, DeepSkyObjectsAreDrawnOverStarsAndStarsOverLines) {
  AddLineEnd(0, 90);
  AddLineEnd(90, 0);
  AddStar(45, 45, 1.0f);
  AddStar(0, 90, 1.0f);
  AddDeepSky(0, 90, 1.5f);
  Draw();
  EXPECT_EQ(Rgb(pixels, 120, 139), (Rgb3{255, 255, 0}));
  const Landing star = At(45, 45);
  EXPECT_EQ(Rgb(pixels, star.x, star.y), (Rgb3{255, 255, 255}));
  EXPECT_EQ(Rgb(pixels, 180, 139), kLine);  // the line from the pole to (90, 0) runs along row 139
}

TEST_F(SkyPictureTest, SegmentWithAnEndOnTheFarHemisphereIsNotDrawnAtAll) {
  AddLineEnd(0, 90);
  AddLineEnd(0, -30);
  Draw();
  EXPECT_EQ(CountLitPixels(pixels), 0);
}

TEST_F(SkyPictureTest, VisibleSegmentRunningOffTheMapKeepsItsPixelsOnTheMap) {
  view.zoom = 4;  // (90, 0) now lies far to the right of the map
  AddLineEnd(0, 90);
  AddLineEnd(90, 0);
  Draw();
  EXPECT_EQ(CountLitPixels(pixels), 120);  // columns 120 to 239 of row 139
  EXPECT_EQ(Rgb(pixels, 239, 139), kLine);
}

TEST_F(SkyPictureTest, OddLastLineRecordIsIgnored) {
  // Three short segments near the pole, then a lone end that would make a
  // long line back to the first if it were paired with anything.
  AddLineEnd(0, 80), AddLineEnd(0, 85);
  AddLineEnd(90, 80), AddLineEnd(90, 85);
  AddLineEnd(180, 80), AddLineEnd(180, 85);
  AddLineEnd(270, 30);
  Draw();
  const Landing lone = At(270, 30);
  EXPECT_EQ(Rgb(pixels, lone.x, lone.y), kBlack);
  EXPECT_EQ(Rgb(pixels, At(90, 82).x, At(90, 82).y), kLine);
  EXPECT_EQ(Rgb(pixels, At(180, 82).x, At(180, 82).y), kLine);
  const int threeSegments = CountLitPixels(pixels);
  catalogs.constellationLineCatalog.objects.Resize(6);
  Draw();
  EXPECT_EQ(CountLitPixels(pixels), threeSegments);
}

TEST_F(SkyPictureTest, FiguresAreLeftOutWhenSwitchedOff) {
  view.showConstellationLines = 0;
  AddLineEnd(0, 90);
  AddLineEnd(90, 0);
  Draw();
  EXPECT_EQ(CountLitPixels(pixels), 0);
}

TEST_F(SkyPictureTest, RebuildStartsFromABlackPictureAndEmptyCaches) {
  AddStar(0, 90, 1.0f);
  Draw();
  view.centerRa = 180;
  view.centerDec = 30;  // the pole is now 60 degrees from the centre
  Draw();
  EXPECT_EQ(Rgb(pixels, 120, 139), kBlack);
  ASSERT_EQ(hits.stars.count(), 1u);
  EXPECT_NE(hits.stars.entries()[0].y, 139 + 26);
}

TEST_F(SkyPictureTest, DamagedRecordsAreSkipped) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  AddStar(nan, 90, 1.0f);
  AddStar(0, 90, nan);
  AddDeepSky(0, std::numeric_limits<float>::infinity(), 1.0f);
  AddLineEnd(0, nan);
  AddLineEnd(0, 90);
  Draw();
  EXPECT_EQ(CountLitPixels(pixels), 0);
  EXPECT_EQ(hits.stars.count() + hits.deepSky.count(), 0u);
}

}  // namespace
