#include "skymap/MapRenderer.h"

#include <gtest/gtest.h>

#include "skymap/ConstellationNames.h"
#include "tests/skymap/SkyFixtures.h"

using namespace vespera;

namespace {

constexpr COLORREF kSentinel = RGB(0, 0, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kSkinColour = RGB(96, 0, 0);

// Pixels of `area` whose colour is not `background`.
int CountInk(const Surface& surface, const RECT& area, COLORREF background) {
  int ink = 0;
  const RECT r = area.Intersect(surface.Bounds());
  for (LONG y = r.top; y < r.bottom; ++y)
    for (LONG x = r.left; x < r.right; ++x)
      if (surface.GetPixel(x, y) != background) ++ink;
  return ink;
}

class MapRendererTest : public ::testing::TestWithParam<int> {
 protected:
  MapRendererTest() : screen(240, 320, GetParam()), dc(screen, {0, 0}, screen.Bounds(), &fonts) {
    screen.Fill(screen.Bounds(), kSentinel);
    const LOGFONT font = MapFontDescription();
    mapFont.CreateFontIndirect(&font);
    picture.surface.CreateMapSurface(&dc, layout.geometry.mapWidth, layout.geometry.mapHeight);
    picture.surface.AllocatePixels();
    picture.surface.ClearPixels();
    picture.surface.CommitPixels();
    status.statusPrefix = u"Ready";
    status.statusText = u"Loading data...";
  }

  void Render(const MapOverlay& overlay = {}) {
    RenderMap(dc, SkyMapParts{catalogs, view, layout, picture, status, mapFont}, overlay, ticks);
  }
  void LoadAndRebuild(const MapOverlay& overlay = {}) {
    MarkLoaded(catalogs);
    view.needsReprojection = true;
    Render(overlay);
  }
  // Window pixel of a sky position under the current view.
  POINT WindowPoint(float ra, float dec) const {
    const Landing at = *LandingOf(view, layout.geometry, ra, dec);
    return {at.x + layout.geometry.mapLeft, at.y + layout.geometry.mapTop};
  }
  RECT MapArea() const { return MapAreaRect(layout); }
  // A colour as the screen shows it (4 bits a channel at 16).
  COLORREF Shown(COLORREF c) const {
    if (GetParam() != 16) return c;
    auto channel = [](BYTE v) { return BYTE((v >> 4) * 17); };
    return RGB(channel(GetRValue(c)), channel(GetGValue(c)), channel(GetBValue(c)));
  }
  COLORREF Grey(BYTE h) const { return Shown(RGB(h, h, h)); }

  FontEngine fonts;
  Surface screen;
  CDC dc;
  MapLayout layout = ComputeMapLayout(240, 320);
  SkyCatalogs catalogs;
  ViewState view;
  MapPicture picture;
  StatusLine status;
  CFont mapFont;
  int tickCalls = 0;
  // Every reading of the clock is 512 ms after the one before.
  TickSource ticks = [this] { return DWORD(1000 + 512 * tickCalls++); };
};

TEST_P(MapRendererTest, BeforeTheCatalogueIsLoadedOnlyTheStatusBandIsDrawn) {
  catalogs.starCatalog.objects.Append(MakeObjectRecord(0, 90, 1.0f));
  view.needsReprojection = true;
  Render();
  EXPECT_EQ(CountInk(screen, MapArea(), kSentinel), 0);
  EXPECT_EQ(CountInk(screen, {0, 0, 240, 26}, kSentinel), 0);
  EXPECT_EQ(screen.GetPixel(239, 319), kWhite);
  EXPECT_GT(CountInk(screen, StatusBandRect(layout), kWhite), 0);  // "Loading data..."
  EXPECT_TRUE(view.needsReprojection);
  EXPECT_EQ(tickCalls, 0);
  EXPECT_EQ(picture.hits.stars.count(), 0u);
  EXPECT_EQ(status.statusText, u"Loading data...");
}

TEST_P(MapRendererTest, RebuildDrawsTheSkyAndReportsTheDrawingTime) {
  for (float ra : {0.0f, 90.0f, 180.0f, 270.0f}) catalogs.starCatalog.objects.Append(MakeObjectRecord(ra, 0, 3.5f));
  catalogs.starCatalog.objects.Append(MakeObjectRecord(0, 90, 1.0f));
  LoadAndRebuild();

  EXPECT_FALSE(view.needsReprojection);
  EXPECT_EQ(status.statusText, u"Ready. Drawing time: 0.50s.");
  // The pole and the four equator stars of the default view on 240 x 320.
  for (POINT p : {POINT{120, 49}, POINT{237, 165}, POINT{120, 281}, POINT{3, 165}}) {
    EXPECT_EQ(screen.GetPixel(p.x, p.y), Grey(200)) << p.x << "," << p.y;
    EXPECT_EQ(screen.GetPixel(p.x, p.y - 1), Grey(200));
  }
  EXPECT_EQ(screen.GetPixel(120, 165), kWhite);
  EXPECT_EQ(screen.GetPixel(60, 100), kBlack);
  EXPECT_EQ(picture.hits.stars.count(), 5u);
  EXPECT_EQ(FindStarAt(picture.hits.stars, 120, 165).index, 4);
}

TEST_P(MapRendererTest, PaintWithoutAViewChangeOnlyCopiesThePicture) {
  catalogs.starCatalog.objects.Append(MakeObjectRecord(0, 90, 1.0f));
  LoadAndRebuild();
  const WideString reported = status.statusText;

  catalogs.starCatalog.objects.Append(MakeObjectRecord(90, 0, 1.0f));  // not projected until a view change
  screen.Fill(screen.Bounds(), kSentinel);
  status.statusText = u"Star: Polaris, mag: 1.00";
  Render();
  EXPECT_EQ(screen.GetPixel(120, 165), kWhite);
  EXPECT_EQ(screen.GetPixel(237, 165), kBlack);
  EXPECT_EQ(screen.GetPixel(60, 100), kBlack);
  EXPECT_EQ(picture.hits.stars.count(), 1u);
  EXPECT_EQ(status.statusText, u"Star: Polaris, mag: 1.00");
  EXPECT_NE(status.statusText, reported);
}

TEST_P(MapRendererTest, LabelNeedsTenPixelsFromTheLeftAndNineFromTheTop) {
  const auto& g = layout.geometry;
  view.zoom = 1.2;  // the rim reaches past the left edge and the top of the map
  const auto onNine = RaLandingOnColumn(view, g, 30, 9, 240, 300);
  const auto onTen = RaLandingOnColumn(view, g, 30, 10, 240, 300);
  const auto onEight = DecLandingOnRow(view, g, 0, 8, 0, 60);
  const auto onRowNine = DecLandingOnRow(view, g, 0, 9, 0, 60);
  ASSERT_TRUE(onNine && onTen && onEight && onRowNine);

  auto inkAround = [&](float ra, float dec) {
    catalogs.constellationLabelCatalog.labels.Resize(0);
    catalogs.constellationLabelCatalog.labels.Append(MakeLabelRecord(ra, dec, u"Ori", u"Orion"));
    screen.Fill(screen.Bounds(), kSentinel);
    view.needsReprojection = true;
    Render();
    const POINT p = WindowPoint(ra, dec);
    const RECT box{p.x - 50, p.y - 9, p.x + 50, p.y + 9};
    return CountInk(screen, box.Intersect(MapArea()), kBlack);
  };
  MarkLoaded(catalogs);
  EXPECT_EQ(inkAround(*onNine, 30), 0);
  EXPECT_GT(inkAround(*onTen, 30), 0);
  EXPECT_EQ(inkAround(0, *onEight), 0);
  EXPECT_GT(inkAround(0, *onRowNine), 0);
}

TEST_P(MapRendererTest, NamesFollowTheStyleAndAreCutAtTheirBox) {
  catalogs.constellationLabelCatalog.labels.Append(
      MakeLabelRecord(0, 90, u"WWW", u"WWWWWWWWWWWWWWWWWWWWWWWW"));
  const RECT box{120 - 50, 165 - 9, 120 + 50, 165 + 9};
  const RECT wide{0, 165 - 9, 240, 165 + 9};

  LoadAndRebuild();
  const int shortInk = CountInk(screen, box, kBlack);
  EXPECT_GT(shortInk, 0);

  view.constellationNameStyle = ConstellationNameStyle::Full;
  Render();
  const int fullInk = CountInk(screen, box, kBlack);
  EXPECT_GT(fullInk, shortInk);
  EXPECT_EQ(CountInk(screen, wide, kBlack), fullInk);  // nothing beyond the 100-pixel box

  view.constellationNameStyle = ConstellationNameStyle::None;
  Render();
  EXPECT_EQ(CountInk(screen, wide, kBlack), 0);
}

TEST_P(MapRendererTest, NameDrawingLeavesTheContextAsItFoundIt) {
  catalogs.constellationLabelCatalog.labels.Append(MakeLabelRecord(0, 90, u"UMi", u"Ursa Minor"));
  dc.SetTextColor(RGB(1, 2, 3));
  dc.SetBkColor(RGB(4, 5, 6));
  LoadAndRebuild();
  EXPECT_EQ(dc.GetBkMode(), OPAQUE);
  EXPECT_EQ(dc.GetTextColor(), RGB(1, 2, 3));
  EXPECT_EQ(dc.GetBkColor(), RGB(4, 5, 6));
  EXPECT_EQ(dc.SelectObject(static_cast<CFont*>(nullptr)), nullptr);
}

TEST_P(MapRendererTest, StatusLineColoursFollowRedScreenModeAndTheMapDoesNot) {
  catalogs.starCatalog.objects.Append(MakeObjectRecord(0, 90, 1.0f));
  catalogs.constellationLabelCatalog.labels.Append(MakeLabelRecord(10, 80, u"UMi", u"Ursa Minor"));
  LoadAndRebuild({StatusLineColours(false, kSkinColour), std::nullopt});
  EXPECT_EQ(screen.GetPixel(239, 319), kWhite);
  const Surface normal = screen;

  status.statusText = u"Ready";
  Render({StatusLineColours(true, kSkinColour), std::nullopt});
  EXPECT_EQ(screen.GetPixel(239, 319), Shown(kSkinColour));
  EXPECT_GT(CountInk(screen, StatusBandRect(layout), Shown(kSkinColour)), 0);
  for (LONG y = 26; y < 304; ++y)
    for (LONG x = 0; x < 240; ++x) ASSERT_EQ(screen.GetPixel(x, y), normal.GetPixel(x, y)) << x << "," << y;
}

TEST_P(MapRendererTest, ShorterStatusTextWipesOutTheEndOfALongerOne) {
  MarkLoaded(catalogs);
  status.statusText = u"No objects found at this position";
  Render();
  status.statusText = u"Ready";
  Render();
  const LONG readyWidth = dc.GetTextExtent(u"Ready").cx;
  EXPECT_EQ(CountInk(screen, {readyWidth + 2, 304, 200, 320}, kWhite), 0);
  EXPECT_GT(CountInk(screen, {0, 304, readyWidth, 320}, kWhite), 0);
}

TEST_P(MapRendererTest, MarkerIsASevenPixelSquareOnTheWindowOnly) {
  view.magnitudeLimit = 6;
  catalogs.starCatalog.objects.Append(MakeObjectRecord(0, 90, 5.5f));
  LoadAndRebuild({{}, SkyPoint{0, 90}});
  // The pole is window pixel (120, 165): the square runs from 117 to 123.
  int white = 0;
  for (LONG y = 160; y < 171; ++y)
    for (LONG x = 115; x < 126; ++x) {
      const bool onFrame = (x == 117 || x == 123) && y >= 162 && y <= 168;
      const bool onTopOrBottom = (y == 162 || y == 168) && x >= 117 && x <= 123;
      if (screen.GetPixel(x, y) == kWhite) ++white;
      if (onFrame || onTopOrBottom) {
        EXPECT_EQ(screen.GetPixel(x, y), kWhite) << x << "," << y;
      }
    }
  EXPECT_EQ(white, 24);
  EXPECT_EQ(screen.GetPixel(120, 165), Grey(80));
  // The picture underneath is untouched: the next paint removes the square.
  EXPECT_EQ(Rgb(picture.surface.pixels(), 117, 136), (std::array<BYTE, 3>{0, 0, 0}));
  Render();
  EXPECT_EQ(screen.GetPixel(117, 162), kBlack);
}

TEST_P(MapRendererTest, MarkerIsLeftOutOnTheFarHemisphereAndClippedOffTheMap) {
  MarkLoaded(catalogs);
  view.needsReprojection = true;
  Render({{}, SkyPoint{0, -30}});
  EXPECT_EQ(CountInk(screen, MapArea(), kBlack), 0);

  view.zoom = 1e7;  // the point lies millions of pixels off the screen
  Render({{}, SkyPoint{90, 0}});
  EXPECT_EQ(CountInk(screen, MapArea(), kBlack), 0);
}

INSTANTIATE_TEST_SUITE_P(Depths, MapRendererTest, ::testing::Values(16, 32),
                         [](const auto& info) { return std::to_string(info.param) + "Bit"; });

}  // namespace
