// Red-screen mode keeps the observer's eyes dark: in every window and box the
// program can show, no pixel outside the sky map has any green or blue. One
// run a screen walks through the main window, the menu and a sub-menu, the
// selection's message box, the search window (prompt, typing, results), the
// object data list, About and Help, the Tonight and "About this object"
// pages; a second run meets the skin error box.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "skymap/MapLayout.h"
#include "skymap/Projection.h"
#include "tests/e2e/windows/WindowScripts.h"

using namespace vespera;

namespace {

constexpr const char* kPictures[] = {"main.png",    "menu.png",       "submenu.png", "info.png",
                                     "prompt.png",  "typing.png",     "results.png", "objectlist.png",
                                     "about.png",   "help.png",       "context.png", "place.png",
                                     "tonight.png", "aboutobject.png"};

// Pixels with green or blue, leaving out the map where it shows as in
// `mapShot`, the main window's picture: the map, its names and the white
// selection marker keep their colours, and whatever covers them is checked
// like the rest.
std::vector<POINT> Leaks(const Surface& shot, const Surface& mapShot, const RECT& map) {
  std::vector<POINT> leaks;
  for (LONG y = 0; y < shot.Height(); ++y)
    for (LONG x = 0; x < shot.Width(); ++x) {
      const COLORREF c = shot.GetPixel(x, y);
      if (GetGValue(c) == 0 && GetBValue(c) == 0) continue;
      if (map.Contains({x, y}) && c == mapShot.GetPixel(x, y)) continue;
      leaks.push_back({x, y});
    }
  return leaks;
}

void ExpectNoLeak(const ProgramRun& run, const std::string& name, const Surface& mapShot, const RECT& map) {
  const Surface shot = run.Shot(name);
  const std::vector<POINT> leaks = Leaks(shot, mapShot, map);
  if (leaks.empty()) return;
  const POINT first = leaks.front();
  ADD_FAILURE() << name << ": " << leaks.size() << " pixels, the first at " << first.x << "," << first.y
                << " colour 0x" << std::hex << shot.GetPixel(first.x, first.y);
}

// Keeps the pictures for a person to look at when asked to.
void KeepPictures(const ProgramRun& run, const Device& device, std::initializer_list<std::string> names) {
  const char* folder = std::getenv("VESPERA_KEEP_NIGHT_SHOTS");
  if (!folder) return;
  std::filesystem::create_directories(folder);
  for (const std::string& name : names)
    std::filesystem::copy_file(run.File(name),
                               std::filesystem::path(folder) / (std::to_string(device.width) + "-" + name),
                               std::filesystem::copy_options::overwrite_existing);
}

class NightVision : public ::testing::TestWithParam<Device> {};

TEST_P(NightVision, NothingOutsideTheMapHasGreenOrBlue) {
  const Device& device = GetParam();
  const MapLayout layout = ComputeMapLayout(device.width, device.height);
  const RECT map = MapAreaRect(layout);
  // The pole star sits in the middle of the default view.
  int x = 0;
  int y = 0;
  ASSERT_TRUE(ProjectToScreen(ViewState{}, layout.geometry, 0, 90, x, y));
  const std::string star = std::to_string(x + layout.geometry.mapLeft) + " " + std::to_string(y + layout.geometry.mapTop);
  const std::string tapStar = "tap " + star + "\n";

  ProgramRun run;
  CatalogueFixture sky = SearchSky();
  sky.stars.push_back(MakeObjectRecord(0, 90, 1.0f, "alf UMi"));
  run.WriteCatalogue(sky);
  for (const char* page : {"Messier.ini", "Help.ini"}) run.CopyStagedFile(page);
  run.WriteSettings({{"RedScreenMode", 1}});
  const std::string script =
      "wait\n" + tapStar + "shot main.png\n" +
      "key RETURN\nshot menu.png\nkey L\nshot submenu.png\nkey S\nshot info.png\ndump info.json\nkey RETURN\n" +
      OpenFromMenu('S') + "shot prompt.png\ntype Testa\nshot typing.png\n" +
      "key RETURN\nshot results.png\ndump results.json\nkey ESCAPE\n" +
      // F4 drops the list down.
      OpenFromMenu('M') + "key 0x73\nshot objectlist.png\ndump objectlist.json\nkey ESCAPE\nkey ESCAPE\n" +
      OpenFromMenu('A') + "shot about.png\nkey ESCAPE\n" +
      OpenFromMenu('P') + "shot help.png\nkey ESCAPE\n" +
      "rtap " + star + "\nshot context.png\nkey ESCAPE\nkey L\nshot place.png\ndump place.json\nkey ESCAPE\n" +
      "key T\nshot tonight.png\ndump tonight.json\nkey ESCAPE\nrtap " + star + "\nkey I\nshot aboutobject.png\n" +
      "dump aboutobject.json\nkey ESCAPE\n";
  const RunResult result = run.Run(script, device);
  ASSERT_EQ(result.status, 0) << result.errors;

  // The walk reached what it meant to show.
  EXPECT_EQ(MainState(run.Dump("info.json")).at("hasSelection"), 1);
  EXPECT_NE(TopWindowOfClass(run.Dump("info.json"), "MessageBox"), nullptr);
  const std::string results = HtmlViewOf(WindowOfClass(run.Dump("results.json"), "CSearchDlg")).at("html");
  EXPECT_NE(results.find("STARLINK_1"), std::string::npos);
  EXPECT_NE(TopWindowOfClass(run.Dump("objectlist.json"), "ComboLBox"), nullptr);
  EXPECT_NE(TopWindowOfClass(run.Dump("place.json"), "CPlaceDlg"), nullptr);
  EXPECT_NE(TopWindowOfClass(run.Dump("tonight.json"), "CSkyPageDlg"), nullptr);
  EXPECT_NE(TopWindowOfClass(run.Dump("aboutobject.json"), "CSkyPageDlg"), nullptr);

  const Surface mainWindow = run.Shot("main.png");
  for (const char* picture : kPictures) ExpectNoLeak(run, picture, mainWindow, map);
  KeepPictures(run, device, {"menu.png", "submenu.png", "info.png", "prompt.png", "typing.png", "results.png",
                             "objectlist.png", "about.png", "help.png", "context.png", "place.png",
                             "tonight.png", "aboutobject.png"});
}

TEST_P(NightVision, TheBoxAboutAMissingRedSkinIsRedToo) {
  const Device& device = GetParam();
  ProgramRun run;
  run.RemoveFile(device.width >= 480 ? "Icons480r.bmp" : "Icons240r.bmp");
  run.WriteSettings({{"RedScreenMode", 1}});
  EXPECT_EQ(run.Run("shot box.png\ndump box.json\n", device).status, 1);
  ASSERT_NE(TopWindowOfClass(run.Dump("box.json"), "MessageBox"), nullptr);
  const Surface box = run.Shot("box.png");
  ExpectNoLeak(run, "box.png", box, RECT{});
  KeepPictures(run, device, {"box.png"});
}

INSTANTIATE_TEST_SUITE_P(Screens, NightVision, ::testing::Values(kSmallPhone, kPocketPc, kWidePocketPc),
                         [](const auto& info) { return "Width" + std::to_string(info.param.width); });

}  // namespace
