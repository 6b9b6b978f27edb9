// The map on a 240 x 320 Pocket PC: where the stars land and how they look,
// the status line, and what a tap picks.

#include <gtest/gtest.h>

#include "skymap/Projection.h"
#include "tests/e2e/ProgramRun.h"
#include "tests/support/QvgaGeometry.h"

using namespace vespera;

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

COLORREF Grey(BYTE h) { return RGB(h, h, h); }

// The north pole and four stars on the equator, one of each brightness
// class; the two faintest are drawn only because the limit is raised to 6.
CatalogueFixture PoleAndEquator() {
  CatalogueFixture sky;
  sky.stars = {
      MakeObjectRecord(0, 90, 1.0f, "alf UMi"),   MakeObjectRecord(0, 0, 2.5f, "bet Cas"),    MakeObjectRecord(90, 0, 3.5f, "gam Ori"),
      MakeObjectRecord(180, 0, 4.5f, "del Vir"),  MakeObjectRecord(270, 0, 5.5f, "eps Oph"),  MakeObjectRecord(0, 0, 6.5f, "too faint"),
  };
  sky.starNames = {MakeNameRecord("alf UMi", "Polaris"), MakeNameRecord("gam Ori", "Bellatrix")};
  return sky;
}

// Window pixel of a sky position in the default view.
POINT Landing(float ra, float dec) {
  const ViewState view;
  int x = 0;
  int y = 0;
  EXPECT_TRUE(ProjectToScreen(view, kQvgaGeometry, ra, dec, x, y));
  return {x + kQvgaGeometry.mapLeft, y + kQvgaGeometry.mapTop};
}

void ExpectPlus(const Surface& shot, POINT p, COLORREF colour) {
  for (const POINT d : {POINT{0, -1}, POINT{-1, 0}, POINT{0, 0}, POINT{1, 0}, POINT{0, 1}})
    EXPECT_EQ(shot.GetPixel(p.x + d.x, p.y + d.y), colour) << p.x + d.x << "," << p.y + d.y;
  for (const POINT d : {POINT{-1, -1}, POINT{1, 1}, POINT{2, 0}, POINT{0, 2}})
    EXPECT_EQ(shot.GetPixel(p.x + d.x, p.y + d.y), kBlack) << p.x + d.x << "," << p.y + d.y;
}

void ExpectSinglePixel(const Surface& shot, POINT p, COLORREF colour) {
  EXPECT_EQ(shot.GetPixel(p.x, p.y), colour) << p.x << "," << p.y;
  for (const POINT d : {POINT{0, -1}, POINT{-1, 0}, POINT{1, 0}, POINT{0, 1}})
    EXPECT_EQ(shot.GetPixel(p.x + d.x, p.y + d.y), kBlack) << p.x + d.x << "," << p.y + d.y;
}

struct MapTest : ::testing::Test {
  void SetUp() override {
    run.WriteCatalogue(PoleAndEquator());
    run.WriteSettings({{"V_MAG", 600}});
  }
  ProgramRun run;
};

TEST_F(MapTest, ThePoleAndTheEquatorStarsLandOnTheirPixelsWithTheirSymbols) {
  ASSERT_EQ(run.Run("wait\nshot map.png\ndump map.json\n").status, 0);
  EXPECT_EQ(Landing(0, 90), (POINT{120, 165}));
  EXPECT_EQ(Landing(0, 0), (POINT{120, 49}));
  EXPECT_EQ(Landing(90, 0), (POINT{237, 165}));
  EXPECT_EQ(Landing(180, 0), (POINT{120, 281}));
  EXPECT_EQ(Landing(270, 0), (POINT{3, 165}));

  const Surface shot = run.Shot("map.png");
  ExpectPlus(shot, {120, 165}, Grey(255));
  ExpectPlus(shot, {120, 49}, Grey(220));
  ExpectPlus(shot, {237, 165}, Grey(200));
  ExpectSinglePixel(shot, {120, 281}, Grey(100));
  ExpectSinglePixel(shot, {3, 165}, Grey(80));
  // Exactly those 3 pluses and 2 pixels; the star fainter than the limit is not drawn.
  const RECT map{0, 26, 240, 304};
  const int lit = 240 * 278 - CountPixels(shot, map, kBlack);
  EXPECT_EQ(lit, 3 * 5 + 2);

  const auto& state = MainState(run.Dump("map.json"));
  EXPECT_EQ(state.at("dataLoaded"), 1);
  EXPECT_EQ(state.at("statusText"), "Press 'Enter' to access program menu");
}

TEST_F(MapTest, DeepSkyObjectsAreYellowPlusesAndLinesDarkRed) {
  CatalogueFixture sky = PoleAndEquator();
  sky.deepSky = {MakeObjectRecord(45, 45, 9.0f, "7000"), MakeObjectRecord(135, 60, 1.5f, "224")};
  sky.lineEnds = {MakeObjectRecord(200, 50, 0), MakeObjectRecord(220, 50, 0), MakeObjectRecord(300, -80, 0)};  // the odd end draws nothing
  run.WriteCatalogue(sky);
  run.WriteSettings({{"V_MAG", 1000}});  // deep-sky objects obey the limit too
  ASSERT_EQ(run.Run("wait\nshot map.png\n").status, 0);
  const Surface shot = run.Shot("map.png");
  ExpectPlus(shot, Landing(45, 45), RGB(50, 50, 0));
  ExpectPlus(shot, Landing(135, 60), RGB(255, 255, 0));
  EXPECT_EQ(shot.GetPixel(Landing(200, 50).x, Landing(200, 50).y), RGB(50, 0, 0));
  EXPECT_EQ(shot.GetPixel(Landing(220, 50).x, Landing(220, 50).y), RGB(50, 0, 0));
}

TEST_F(MapTest, ATapOnAStarNamesItAndMarksItAndATapOnEmptySkyDropsIt) {
  ASSERT_EQ(run.Run("wait\n"
                    "tap 121 166\ndump star.json\nshot star.png\n"
                    "sleep 501\n"
                    "tap 120 49\ndump unnamed.json\n"
                    "sleep 501\n"
                    "tap 60 100\ndump empty.json\nshot empty.png\n")
                .status,
            0);
  const auto& star = MainState(run.Dump("star.json"));
  EXPECT_EQ(star.at("statusText"), "Star: Polaris, mag: 1.00");
  EXPECT_EQ(star.at("hasSelection"), 1);
  EXPECT_EQ(star.at("selectionKind"), 0);
  EXPECT_EQ(star.at("selectionIndex"), 0);
  const Surface marked = run.Shot("star.png");
  // A white 7 x 7 outline centred on the star.
  for (const POINT p : {POINT{117, 162}, POINT{123, 162}, POINT{117, 168}, POINT{123, 168}, POINT{120, 162},
                        POINT{117, 165}})
    EXPECT_EQ(marked.GetPixel(p.x, p.y), kWhite) << p.x << "," << p.y;
  EXPECT_EQ(marked.GetPixel(118, 163), kBlack);
  EXPECT_EQ(marked.GetPixel(116, 165), kBlack);

  // A star whose designation has no name shows the designation.
  EXPECT_EQ(MainState(run.Dump("unnamed.json")).at("statusText"), "Star: bet Cas, mag: 2.50");

  const auto& empty = MainState(run.Dump("empty.json"));
  EXPECT_EQ(empty.at("statusText"), "No objects found at this position");
  EXPECT_EQ(empty.at("hasSelection"), 0);
  const Surface unmarked = run.Shot("empty.png");
  EXPECT_EQ(unmarked.GetPixel(117, 162), kBlack);
  EXPECT_EQ(unmarked.GetPixel(123, 168), kBlack);
}

TEST_F(MapTest, ADeepSkyObjectUnderTheTapWinsOverAStar) {
  CatalogueFixture sky = PoleAndEquator();
  sky.deepSky = {MakeObjectRecord(0, 90, 8.0f, "7000")};
  sky.deepSkyNames = {MakeNameRecord("7000", "North America Nebula")};
  run.WriteCatalogue(sky);
  run.WriteSettings({{"V_MAG", 1000}});
  ASSERT_EQ(run.Run("wait\ntap 120 165\ndump picked.json\n").status, 0);
  const auto& state = MainState(run.Dump("picked.json"));
  EXPECT_EQ(state.at("statusText"), "DSO: NGC-7000, North America Nebula, mag: 8.00");
  EXPECT_EQ(state.at("selectionKind"), 1);
}

TEST_F(MapTest, TapsOffTheMapChangeNothing) {
  ASSERT_EQ(run.Run("wait\ntap 121 166\n"
                    "sleep 501\ntap 60 20\n"     // the caption strip
                    "sleep 501\ntap 10 10\n"     // the Start-menu corner: no task bar here
                    "sleep 501\ntap 120 310\n"   // the status line
                    "dump after.json\n")
                .status,
            0);
  const auto& state = MainState(run.Dump("after.json"));
  EXPECT_EQ(state.at("statusText"), "Star: Polaris, mag: 1.00");
  EXPECT_EQ(state.at("hasSelection"), 1);
}

TEST_F(MapTest, ADoubleTapActsAsItsFirstTapOnly) {
  // The second tap on the same spot within 500 ms is a double tap: after the
  // pan in between, a tap would have picked again and rewritten the status.
  ASSERT_EQ(run.Run("wait\ntap 121 166\nkey 6\ntap 121 166\ndump after.json\n").status, 0);
  const auto& state = MainState(run.Dump("after.json"));
  EXPECT_EQ(state.at("statusText"), "Ready. Drawing time: 0.00s.");
  EXPECT_EQ(state.at("hasSelection"), 1);
}

}  // namespace
