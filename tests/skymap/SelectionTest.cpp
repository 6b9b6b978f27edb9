#include "skymap/Selection.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "skymap/MapMarker.h"
#include "skymap/Projection.h"
#include "tests/skymap/SkyFixtures.h"

using namespace vespera;

namespace {

class SelectionTest : public ::testing::Test {
 protected:
  SelectionTest() {
    auto& stars = catalogs.starCatalog;
    stars.objects.Append(MakeObjectRecord(10, 20, 0.5f, ""));           // 0
    stars.objects.Append(MakeObjectRecord(279.23f, 38.78f, 0.03f, "3Lyr"));  // 1: named
    stars.objects.Append(MakeObjectRecord(30, 40, 5.25f, "9Xyz"));        // 2: not in the names
    stars.objects.Append(MakeObjectRecord(31, 41, 2.0f, "7Abc"));         // 3: named, empty name
    stars.names.Append(MakeNameRecord("3Lyr", "Vega"));
    stars.names.Append(MakeNameRecord("7Abc", ""));

    auto& deepSky = catalogs.deepSkyCatalog;
    deepSky.objects.Append(MakeObjectRecord(83.8f, -5.4f, 4.0f, "1976"));  // 0: named
    deepSky.objects.Append(MakeObjectRecord(10, 41, 3.4f, ""));            // 1
    deepSky.objects.Append(MakeObjectRecord(20, 30, 9.1f, "7000"));      // 2: not in the names
    deepSky.objects.Append(MakeObjectRecord(21, 31, 8.0f, "869"));         // 3: named, empty name
    deepSky.objects.Append(MakeObjectRecord(66.75f, 15.87f, 0.5f, "Mel 25"));  // 4: another catalogue, named
    deepSky.objects.Append(MakeObjectRecord(274.2f, -18.55f, 4.6f, "IC 4715"));  // 5: another catalogue
    deepSky.objects.Append(MakeObjectRecord(85.25f, -2.46f, kPlaceholderMagnitude, "B 33"));  // 6: no magnitude known
    deepSky.names.Append(MakeNameRecord("1976", "Orion Nebula"));
    deepSky.names.Append(MakeNameRecord("869", ""));
    deepSky.names.Append(MakeNameRecord("Mel 25", "C41 Hyades"));
    deepSky.names.Append(MakeNameRecord("B 33", "Horsehead Nebula"));
    MarkLoaded(catalogs);
  }

  WideString DescribeStar(int index) {
    EXPECT_TRUE(SelectStar(selection, catalogs, index));
    return DescribeSelection(selection, catalogs);
  }
  WideString DescribeDeepSky(int index) {
    EXPECT_TRUE(SelectDeepSky(selection, catalogs, index));
    return DescribeSelection(selection, catalogs);
  }

  SkyCatalogs catalogs;
  Selection selection;
};

TEST_F(SelectionTest, DescriptionsOfStars) {
  EXPECT_EQ(DescribeSelection(selection, catalogs), u"No objects found at this position");
  EXPECT_EQ(DescribeStar(0), u"Star without name. mag: 0.50");
  EXPECT_EQ(DescribeStar(1), u"Star: Vega, mag: 0.03");
  EXPECT_EQ(DescribeStar(2), u"Star: 9Xyz, mag: 5.25");
  EXPECT_EQ(DescribeStar(3), u"Star: , mag: 2.00");  // an empty name found is still the name
}

TEST_F(SelectionTest, DescriptionsOfDeepSkyObjects) {
  EXPECT_EQ(DescribeDeepSky(0), u"DSO: NGC-1976, Orion Nebula, mag: 4.00");
  EXPECT_EQ(DescribeDeepSky(1), u"Deepsky without name. mag: 3.40");
  EXPECT_EQ(DescribeDeepSky(2), u"DSO: NGC-7000, mag: 9.10");
  EXPECT_EQ(DescribeDeepSky(3), u"DSO: NGC-869, mag: 8.00");
  // Only NGC objects go by a bare number; other catalogues are named as stored.
  EXPECT_EQ(DescribeDeepSky(4), u"DSO: Mel 25, C41 Hyades, mag: 0.50");
  EXPECT_EQ(DescribeDeepSky(5), u"DSO: IC 4715, mag: 4.60");
  EXPECT_EQ(DescribeDeepSky(6), u"DSO: B 33, Horsehead Nebula, mag: unknown");
  ClearSelection(selection);
  EXPECT_EQ(DescribeSelection(selection, catalogs), u"No objects found at this position");
}

TEST_F(SelectionTest, DamagedMagnitudeIsDescribedWithoutHarm) {
  catalogs.starCatalog.objects.Append(MakeObjectRecord(0, 0, std::numeric_limits<float>::quiet_NaN(), ""));
  EXPECT_EQ(DescribeStar(4), u"Star without name. mag: nan");
}

TEST_F(SelectionTest, SelectingCopiesThePositionAndRefusesIndexesOutsideTheTable) {
  EXPECT_TRUE(SelectDeepSky(selection, catalogs, 0));
  EXPECT_EQ(selection->kind, SelectionKind::DeepSky);
  EXPECT_EQ(selection->ra, 83.8f);
  EXPECT_EQ(selection->dec, -5.4f);
  EXPECT_EQ(SelectionMarkerPoint(selection), (SkyPoint{83.8f, -5.4f}));

  EXPECT_FALSE(SelectStar(selection, catalogs, 4));
  EXPECT_FALSE(SelectStar(selection, catalogs, -1));
  EXPECT_EQ(selection->kind, SelectionKind::DeepSky);
  EXPECT_EQ(selection->index, 0);

  ClearSelection(selection);
  EXPECT_EQ(SelectionMarkerPoint(selection), std::nullopt);
}

TEST_F(SelectionTest, TapTakesTheDeepSkyObjectOverTheStarUnderIt) {
  MapHitCaches hits;
  hits.stars.Append({100, 80, 1});
  hits.stars.Append({150, 80, 2});
  hits.deepSky.Append({101, 81, 0});

  EXPECT_TRUE(SelectAt(selection, catalogs, hits, 100, 80));
  EXPECT_EQ(selection->kind, SelectionKind::DeepSky);
  EXPECT_EQ(selection->index, 0);

  EXPECT_TRUE(SelectAt(selection, catalogs, hits, 150, 80));
  EXPECT_EQ(selection->kind, SelectionKind::Star);
  EXPECT_EQ(selection->index, 2);

  // Empty sky drops the old selection.
  EXPECT_FALSE(SelectAt(selection, catalogs, hits, 200, 200));
  EXPECT_EQ(DescribeSelection(selection, catalogs), u"No objects found at this position");
}

TEST_F(SelectionTest, TapFindsAnObjectWithinItsHalfOpenSquare) {
  MapHitCaches hits;
  hits.stars.Append({100, 80, 1});
  for (int x = 98; x <= 101; ++x) EXPECT_TRUE(SelectAt(selection, catalogs, hits, x, 80)) << x;
  for (int y = 78; y <= 81; ++y) EXPECT_TRUE(SelectAt(selection, catalogs, hits, 100, y)) << y;
  EXPECT_FALSE(SelectAt(selection, catalogs, hits, 102, 80));
  EXPECT_FALSE(SelectAt(selection, catalogs, hits, 100, 82));
  EXPECT_FALSE(SelectAt(selection, catalogs, MapHitCaches{}, 100, 80));  // still loading: nothing cached
}

TEST_F(SelectionTest, FingerTakesTheNearestObjectWithinReachTheBrighterOnATie) {
  EXPECT_EQ(FingerReachPixels(96), 11);  // 3 mm
  EXPECT_EQ(FingerReachPixels(192), 23);
  EXPECT_EQ(FingerReachPixels(30), 6);  // never less than 6 pixels

  MapHitCaches hits;
  hits.stars.Append({100, 80, 2});     // mag 5.25
  hits.stars.Append({110, 80, 0});     // mag 0.5
  hits.deepSky.Append({130, 95, 6});   // no magnitude known
  hits.deepSky.Append({130, 65, 1});   // mag 3.4
  // The nearer wins over the brighter.
  EXPECT_TRUE(SelectNearest(selection, catalogs, hits, 103, 80, 8));
  EXPECT_EQ(selection->kind, SelectionKind::Star);
  EXPECT_EQ(selection->index, 2);
  // Halfway between two stars the brighter wins, whichever was drawn first.
  EXPECT_TRUE(SelectNearest(selection, catalogs, hits, 105, 80, 6));
  EXPECT_EQ(selection->index, 0);
  // As near a known magnitude as an unknown one: the known one, across the catalogues.
  EXPECT_TRUE(SelectNearest(selection, catalogs, hits, 130, 80, 16));
  EXPECT_EQ(selection->kind, SelectionKind::DeepSky);
  EXPECT_EQ(selection->index, 1);
  // The reach is a circle: (95, 85) is 5 * sqrt(2) from the star at (100, 80).
  EXPECT_FALSE(SelectNearest(selection, catalogs, hits, 95, 85, 7));
  EXPECT_TRUE(SelectNearest(selection, catalogs, hits, 95, 85, 8));
  EXPECT_FALSE(SelectNearest(selection, catalogs, hits, 1 << 30, -(1 << 30), 23));
  EXPECT_FALSE(selection.has_value());
}

TEST(SelectionArea, OnlyTheMapBetweenCaptionAndStatusLineTakesTaps) {
  const MapLayout layout = ComputeMapLayout(240, 320);
  EXPECT_TRUE(IsMapTap(layout, 0, 26));
  EXPECT_TRUE(IsMapTap(layout, 239, 303));
  EXPECT_FALSE(IsMapTap(layout, 120, 25));   // caption strip
  EXPECT_FALSE(IsMapTap(layout, 120, 304));  // status line
  EXPECT_FALSE(IsMapTap(layout, 240, 100));
  EXPECT_FALSE(IsMapTap(layout, -1, 100));
}

TEST(CenterOn, TurnsTheViewNorthUpAndCutsToHundredthsBelow) {
  ViewState view;
  view.zoom = 2.5;
  view.magnitudeLimit = 6;
  CenterOn(view, 10.5f, 20.25f);
  EXPECT_EQ(view.centerRa, 19050 * 0.01);
  EXPECT_EQ(view.centerDec, 15975 * 0.01);
  EXPECT_EQ(view.zoom, 2.5);
  EXPECT_EQ(view.magnitudeLimit, 6.0);

  // Floor, not truncation: just below zero goes to -0.01.
  CenterOn(view, 0, 180.005f);
  EXPECT_EQ(view.centerDec, -1 * 0.01);
}

TEST(CenterOn, SumIsTakenInSinglePrecisionBeforeTheCut) {
  // In double 0.02f less one step plus 180 stays below 180.02; in single
  // precision it rounds up to it.
  ViewState view;
  CenterOn(view, std::nextafter(0.02f, 0.0f), 0);
  EXPECT_EQ(view.centerRa, 18002 * 0.01);
}

TEST(CenterOn, ObjectLandsInTheMiddleOfTheMap) {
  ViewState view;
  for (SkyPoint p : {SkyPoint{279.23f, 38.78f}, SkyPoint{0, -89}, SkyPoint{350.5f, 0.3f}}) {
    CenterOn(view, p.ra, p.dec);
    const auto at = LandingOf(view, kQvgaGeometry, p.ra, p.dec);
    ASSERT_TRUE(at);
    EXPECT_NEAR(at->x, 120, 1);
    EXPECT_NEAR(at->y, 139, 1);
  }
}

TEST(CenterOn, DamagedPositionLeavesTheViewWhereItIs) {
  ViewState view;
  CenterOn(view, std::numeric_limits<float>::quiet_NaN(), 10);
  CenterOn(view, 10, std::numeric_limits<float>::infinity());
  EXPECT_EQ(view.centerRa, 0.0);
  EXPECT_EQ(view.centerDec, 90.0);
}

TEST_F(SelectionTest, CenteringOnTheSelectionNeedsOne) {
  ViewState view;
  EXPECT_FALSE(CenterOnSelection(view, selection));
  EXPECT_EQ(view.centerDec, 90.0);
  ASSERT_TRUE(SelectStar(selection, catalogs, 1));
  EXPECT_TRUE(CenterOnSelection(view, selection));
  EXPECT_EQ(view.centerRa, std::floor(double(279.23f + 180.0f) * 100) * 0.01);
}

TEST_F(SelectionTest, TheMarkerOutlinesTheSelectedObjectOnTheNearHemisphereOnly) {
  Surface screen(240, 320, 32);
  CDC dc(screen, {0, 0}, screen.Bounds(), nullptr);
  const ViewState view;  // centred on the north pole
  const ViewProjection projection(view, kQvgaGeometry);
  EXPECT_EQ(SelectionMarkerPoint(selection), std::nullopt);

  catalogs.starCatalog.objects.Append(MakeObjectRecord(0, 90, 1.0f));
  ASSERT_TRUE(SelectStar(selection, catalogs, 4));
  DrawMapMarker(dc, projection, kQvgaGeometry, *SelectionMarkerPoint(selection));
  // A one-pixel 7 x 7 outline around the pole's pixel, hollow inside.
  EXPECT_EQ(screen.GetPixel(117, 162), RGB(255, 255, 255));
  EXPECT_EQ(screen.GetPixel(123, 168), RGB(255, 255, 255));
  EXPECT_EQ(screen.GetPixel(120, 162), RGB(255, 255, 255));
  EXPECT_EQ(screen.GetPixel(120, 165), RGB(0, 0, 0));
  EXPECT_EQ(screen.GetPixel(116, 161), RGB(0, 0, 0));

  // The south pole lies on the far hemisphere: nothing is drawn.
  Surface clean(240, 320, 32);
  CDC cleanDc(clean, {0, 0}, clean.Bounds(), nullptr);
  DrawMapMarker(cleanDc, projection, kQvgaGeometry, SkyPoint{0.0f, -90.0f});
  for (int y = 0; y < 320; ++y)
    for (int x = 0; x < 240; ++x) ASSERT_EQ(clean.GetPixel(x, y), RGB(0, 0, 0)) << x << "," << y;
}

}  // namespace
