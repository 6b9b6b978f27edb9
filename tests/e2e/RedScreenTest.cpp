// Red-screen mode: the skin, the caption title and the status line turn red;
// not one pixel of the map changes, and nothing is projected again. With the
// night filter on as well, everything shown is red only and no brighter than
// the filter's level; without red-screen mode the filter shows nothing.

#include <gtest/gtest.h>

#include <algorithm>

#include "resources/CommandIds.h"
#include "tests/e2e/ProgramRun.h"

using namespace vespera;

namespace {

CatalogueFixture Sky() {
  CatalogueFixture sky;
  sky.stars = {MakeObjectRecord(0, 90, 1.0f, "alf UMi"), MakeObjectRecord(40, 60, 3.2f), MakeObjectRecord(200, 30, 0.5f)};
  sky.deepSky = {MakeObjectRecord(100, 50, 6.0f, "2237")};
  sky.lineEnds = {MakeObjectRecord(0, 90, 0), MakeObjectRecord(40, 60, 0)};
  sky.labels = {MakeLabelRecord(20, 75, u"UMi", u"Ursa Minor")};
  return sky;
}

struct Screens {
  Surface normal;
  Surface red;
  Surface back;
};

class RedScreen : public ::testing::TestWithParam<Device> {
 protected:
  int Strip() const { return GetParam().width >= 480 ? 52 : 26; }
  int Bottom() const { return GetParam().width >= 480 ? 32 : 16; }

  // The skin's caption colour, read where the strip shows it.
  static COLORREF BarColour(const Surface& s) { return s.GetPixel(s.Width() - 3, 1); }
};

TEST_P(RedScreen, ChangesTheChromeAndStatusLineButNotTheMap) {
  const Device& device = GetParam();
  ProgramRun run;
  run.WriteCatalogue(Sky());
  ASSERT_EQ(run.Run("wait\nshot normal.png\ndump normal.json\n"
                    "key RETURN\nkey R\nshot red.png\ndump red.json\n"
                    "key RETURN\ndump redMenu.json\nkey ESCAPE\n"
                    "key RETURN\nkey R\nshot back.png\n",
                    device)
                .status,
            0);
  const Surface normal = run.Shot("normal.png");
  const Surface red = run.Shot("red.png");
  const Surface back = run.Shot("back.png");
  const LONG width = device.width;
  const LONG height = device.height;

  // The map area is the same to the pixel.
  const RECT map{0, Strip(), width, height - Bottom()};
  for (LONG y = map.top; y < map.bottom; ++y)
    for (LONG x = map.left; x < map.right; ++x)
      ASSERT_EQ(normal.GetPixel(x, y), red.GetPixel(x, y)) << x << "," << y;

  // The chrome comes from the red skin, and the title is red.
  EXPECT_NE(BarColour(normal), BarColour(red));
  const RECT title{width >= 480 ? 53 : 29, 1, width >= 480 ? 170 : 85, Strip() - 2};
  EXPECT_GT(CountPixels(normal, title, RGB(255, 255, 255)), 0);
  EXPECT_EQ(CountPixels(normal, title, RGB(255, 0, 0)), 0);
  EXPECT_GT(CountPixels(red, title, RGB(255, 0, 0)), 0);
  EXPECT_EQ(CountPixels(red, title, RGB(255, 255, 255)), 0);

  // The status line: black on white, then red on the red skin's colour.
  const RECT status{0, height - Bottom(), width, height};
  EXPECT_GT(CountPixels(normal, status, RGB(255, 255, 255)), status.Width() * 2);
  EXPECT_GT(CountPixels(normal, status, RGB(0, 0, 0)), 0);
  EXPECT_GT(CountPixels(red, status, BarColour(red)), status.Width() * 2);
  EXPECT_GT(CountPixels(red, status, RGB(255, 0, 0)), 0);
  EXPECT_EQ(CountPixels(red, status, RGB(255, 255, 255)), 0);

  // No re-projection: the status text is the one before the switch.
  EXPECT_EQ(MainState(run.Dump("red.json")).at("statusText"), "Press 'Enter' to access program menu");
  EXPECT_EQ(MainState(run.Dump("red.json")).at("redScreenMode"), 1);
  const nlohmann::json redMenu = run.Dump("redMenu.json");
  const nlohmann::json* menu = TopWindowOfClass(redMenu, "Menu");
  ASSERT_NE(menu, nullptr);
  EXPECT_TRUE(MenuItemWithId(menu->at("items"), 32772)->at("checked"));

  // Switching back restores every pixel.
  for (LONG y = 0; y < height; ++y)
    for (LONG x = 0; x < width; ++x) ASSERT_EQ(normal.GetPixel(x, y), back.GetPixel(x, y)) << x << "," << y;
  EXPECT_EQ(run.Settings().back(), (std::pair<std::string, std::uint32_t>{"Main/RedScreenMode", 0}));
}

TEST_P(RedScreen, IsSavedAndComesBackAtTheNextStart) {
  ProgramRun run;
  ASSERT_EQ(run.Run("key RETURN\nkey R\n", GetParam()).status, 0);
  EXPECT_EQ(run.Settings().back(), (std::pair<std::string, std::uint32_t>{"Main/RedScreenMode", 1}));
  ASSERT_EQ(run.Run("wait\ndump again.json\n", GetParam()).status, 0);
  EXPECT_EQ(MainState(run.Dump("again.json")).at("redScreenMode"), 1);
}

TEST(RedScreenSkin, AMissingRedSkinIsReportedAndTheChromeKeepsTheNormalColours) {
  ProgramRun run;
  run.RemoveFile("Icons240r.bmp");
  ASSERT_EQ(run.Run("wait\nshot normal.png\nkey RETURN\nkey R\ndump box.json\nkey RETURN\nshot red.png\n"
                    "key RETURN\nkey R\nshot back.png\n")
                .status,
            0);
  const nlohmann::json boxDump = run.Dump("box.json");
  const nlohmann::json* box = TopWindowOfClass(boxDump, "MessageBox");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->at("text"), "Cannot load skin file " + run.File("Icons240r.bmp").string());
  const Surface normal = run.Shot("normal.png");
  const Surface red = run.Shot("red.png");
  // The bar and the status band keep the normal skin's colour; the logo and
  // the buttons are gone; the title and status text turn red.
  const COLORREF bar = normal.GetPixel(237, 1);
  EXPECT_EQ(red.GetPixel(237, 1), bar);
  EXPECT_EQ(red.GetPixel(100, 319), bar);
  EXPECT_NE(normal.GetPixel(5, 5), bar);
  EXPECT_EQ(red.GetPixel(5, 5), RGB(0, 0, 0));  // the dialog's own background, in the night colours
  EXPECT_GT(CountPixels(red, {29, 1, 85, 24}, RGB(255, 0, 0)), 0);
  // Toggling back brings everything back.
  const Surface back = run.Shot("back.png");
  for (LONG y = 0; y < 320; ++y)
    for (LONG x = 0; x < 240; ++x) ASSERT_EQ(normal.GetPixel(x, y), back.GetPixel(x, y)) << x << "," << y;
}

// The pixels with any red; fails at the first pixel with green or blue or
// with more red than `brightest`.
int LitRedOnlyPixels(const Surface& shot, BYTE brightest) {
  int lit = 0;
  for (LONG y = 0; y < shot.Height(); ++y) {
    for (LONG x = 0; x < shot.Width(); ++x) {
      const COLORREF pixel = shot.GetPixel(x, y);
      EXPECT_EQ(pixel & 0xFFFF00, 0u) << x << "," << y;
      EXPECT_LE(GetRValue(pixel), brightest) << x << "," << y;
      if (pixel & 0xFFFF00 || GetRValue(pixel) > brightest) return -1;
      lit += GetRValue(pixel) != 0;
    }
  }
  return lit;
}

TEST(NightFilter, ShowsEverythingInDimRedOnlyInRedScreenMode) {
  ProgramRun run;
  run.WriteCatalogue(Sky());
  ASSERT_EQ(run.Run("wait\nshot plain.png\n", kWidePocketPc).status, 0);
  ASSERT_EQ(run.Run("wait\nshot day.png\nkey RETURN\nkey R\nshot red.png\n", kWidePocketPc, "--night-filter=25")
                .status,
            0);
  EXPECT_TRUE(std::ranges::equal(run.Shot("day.png").Bytes(), run.Shot("plain.png").Bytes()));
  // White at a quarter: 64 of 255. The map's stars, the chrome and the text all show.
  EXPECT_GT(LitRedOnlyPixels(run.Shot("red.png"), 64), 480 * 32);
  // A level from the command line is for the run only.
  for (const auto& [name, value] : run.Settings()) EXPECT_FALSE(name.starts_with("NightFilter/")) << name;
}

TEST(NightFilter, TheMenuChoiceIsKeptForTheNextStart) {
  ProgramRun run;
  run.WriteCatalogue(Sky());
  // "Night filter &brightness", "&75%", then "Night &filter".
  ASSERT_EQ(run.Run("wait\nrtap 120 150\nkey B\nkey 7\nrtap 120 150\nkey F\nrtap 120 150\ndump menu.json\n").status,
            0);
  const nlohmann::json menu = run.Dump("menu.json");
  const nlohmann::json& items = TopWindowOfClass(menu, "Menu")->at("items");
  EXPECT_EQ(MenuItemWithId(items, kCommandNightFilter)->at("checked"), true);
  EXPECT_EQ(MenuItemWithId(items, kCommandNightFilterLevel75)->at("checked"), true);
  EXPECT_EQ(MenuItemWithId(items, kCommandNightFilterLevel50)->at("checked"), false);
  const auto settings = run.Settings();
  EXPECT_NE(std::ranges::find(settings, std::pair<std::string, std::uint32_t>{"NightFilter/On", 1}), settings.end());
  EXPECT_NE(std::ranges::find(settings, std::pair<std::string, std::uint32_t>{"NightFilter/Level", 75}), settings.end());

  ASSERT_EQ(run.Run("wait\nkey RETURN\nkey R\nshot red.png\ndump red.json\n").status, 0);
  EXPECT_EQ(MainState(run.Dump("red.json")).at("nightFilterLevel"), 75);
  EXPECT_GT(LitRedOnlyPixels(run.Shot("red.png"), 191), 0);
}

INSTANTIATE_TEST_SUITE_P(Screens, RedScreen, ::testing::Values(kPocketPc, kWidePocketPc),
                         [](const auto& info) { return "Width" + std::to_string(info.param.width); });

}  // namespace
