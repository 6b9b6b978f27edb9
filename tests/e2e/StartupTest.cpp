// Start-up and end: the settings a run reads and writes, a missing skin, and
// the main window's layout for each class of screen.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "tests/e2e/ProgramRun.h"

using namespace vespera;

namespace {

using Settings = std::vector<std::pair<std::string, std::uint32_t>>;

TEST(Startup, AFirstRunEndedByEscapeWritesTheDefaultViewThenTheRedScreenFlag) {
  ProgramRun run;
  const RunResult result = run.Run("wait\ndump state.json\n");
  ASSERT_EQ(result.status, 0) << result.errors;
  const auto& state = MainState(run.Dump("state.json"));
  EXPECT_EQ(state.at("centerRa"), 0.0);
  EXPECT_EQ(state.at("centerDec"), 90.0);
  EXPECT_EQ(state.at("zoom"), 1.0);
  EXPECT_EQ(state.at("magnitudeLimit"), 4.0);
  EXPECT_EQ(state.at("showConstellationLines"), 1);
  EXPECT_EQ(state.at("constellationNameStyle"), 0);
  EXPECT_EQ(state.at("redScreenMode"), 0);
  EXPECT_EQ(run.Settings(), (Settings{{"Main/ConstellationLines", 1},
                                      {"Main/ConstellationNames", 0},
                                      {"Main/V_RA1", 65535},
                                      {"Main/V_DEC1", 74535},
                                      {"Main/V_ZOOM", 100},
                                      {"Main/V_MAG", 400},
                                      {"Main/RedScreenMode", 0}}));
}

TEST(Startup, ExitFromTheMenuSavesLikeEscape) {
  ProgramRun run;
  run.WriteSettings({{"V_ZOOM", 90}, {"V_DEC1", 62485}});
  const RunResult result = run.Run("key RETURN\nkey E\ndump after.json\n");
  ASSERT_EQ(result.status, 0) << result.errors;
  // The program ended at Exit: the dump line was never played.
  EXPECT_NE(result.errors.find("the program ended before this line"), std::string::npos);
  // Values already in the file keep their place in it; all seven are there.
  const Settings stored = run.Settings();
  EXPECT_EQ(stored.size(), 7u);
  const auto has = [&](const std::string& name, std::uint32_t value) {
    return std::find(stored.begin(), stored.end(), std::pair{name, value}) != stored.end();
  };
  EXPECT_TRUE(has("Main/V_ZOOM", 90));
  EXPECT_TRUE(has("Main/V_DEC1", 62485));
  EXPECT_TRUE(has("Main/RedScreenMode", 0));
}

TEST(Startup, OddStoredSwitchesShowShortNamesAndCheckedLinesAndGoBackAsRead) {
  ProgramRun run;
  run.WriteSettings({{"ConstellationNames", 7}, {"ConstellationLines", 5}});
  ASSERT_EQ(run.Run("key RETURN\ndump menu.json\nkey ESCAPE\n").status, 0);
  const auto dump = run.Dump("menu.json");
  EXPECT_EQ(MainState(dump).at("constellationNameStyle"), 0);
  const auto& items = TopWindowOfClass(dump, "Menu")->at("items");
  EXPECT_TRUE(MenuItemWithId(items, 32788)->at("checked"));
  EXPECT_TRUE(MenuItemWithId(items, 32791)->at("checked"));
  const Settings stored = run.Settings();
  EXPECT_EQ(stored[0], (std::pair<std::string, std::uint32_t>{"Main/ConstellationLines", 5}));
  EXPECT_EQ(stored[1], (std::pair<std::string, std::uint32_t>{"Main/ConstellationNames", 0}));
}

TEST(Startup, AMissingSkinIsReportedOnceAndEndsTheRunWithoutWritingSettings) {
  ProgramRun run;
  run.RemoveFile("Icons240.bmp");
  const RunResult firstRun = run.Run("dump box.json\n");
  EXPECT_EQ(firstRun.status, 1);
  const auto dump = run.Dump("box.json");
  ASSERT_EQ(dump.at("windows").size(), 1u);
  const auto& box = dump.at("windows").at(0);
  EXPECT_EQ(box.at("class"), "MessageBox");
  EXPECT_EQ(box.at("caption"), "Error:");
  EXPECT_EQ(box.at("text"), "Cannot load skin file " + run.File("Icons240.bmp").string());
  EXPECT_FALSE(run.SettingsFileExists());

  // Settings already there are read, and left exactly as they were.
  run.WriteSettings({{"RedScreenMode", 1}, {"V_ZOOM", 250}});
  std::ostringstream before;
  before << std::ifstream(run.File("settings.ini")).rdbuf();
  run.RemoveFile("Icons240r.bmp");
  const RunResult redRun = run.Run("dump box.json\n");
  EXPECT_EQ(redRun.status, 1);
  EXPECT_EQ(run.Dump("box.json").at("windows").at(0).at("text"),
            "Cannot load skin file " + run.File("Icons240r.bmp").string());
  std::ostringstream after;
  after << std::ifstream(run.File("settings.ini")).rdbuf();
  EXPECT_EQ(after.str(), before.str());
}

struct Layout {
  Device device;
  int templateId;
  RECT zoomInButton;  // screen pixels, after the skin sized it
  RECT menuButton;
  bool titled;
};

class Layouts : public ::testing::TestWithParam<Layout> {};

TEST_P(Layouts, TheTemplateFollowsTheScreenClass) {
  const Layout& expected = GetParam();
  ProgramRun run;
  ASSERT_EQ(run.Run("wait\ndump layout.json\nshot layout.png\n", expected.device).status, 0);
  const auto dump = run.Dump("layout.json");
  const auto& window = *MainWindow(dump);
  EXPECT_EQ(window.at("state").at("template"), expected.templateId);
  EXPECT_EQ(window.at("rect"), (std::vector<int>{0, 0, expected.device.width, expected.device.height}));
  auto rectOf = [&](int id) {
    const auto& r = ChildWithId(window, id)->at("rect");
    return RECT{r[0], r[1], r[2], r[3]};
  };
  EXPECT_EQ(rectOf(1001), expected.zoomInButton);
  EXPECT_EQ(rectOf(1002), expected.menuButton);
  for (int hidden : {1000, 1010, 32780, 1015}) EXPECT_FALSE(ChildWithId(window, hidden)->at("visible")) << hidden;

  // The phones' caption bars carry no title: no white ink left of the buttons.
  const Surface shot = run.Shot("layout.png");
  const bool wide = expected.device.width >= 480;
  const RECT titleArea{wide ? 53 : 29, 1, expected.zoomInButton.left, wide ? 46 : 24};
  EXPECT_EQ(CountPixels(shot, titleArea, RGB(255, 255, 255)) > 0, expected.titled);
}

INSTANTIATE_TEST_SUITE_P(
    ScreenClasses, Layouts,
    ::testing::Values(Layout{kPocketPc, 102, {88, 5, 102, 19}, {219, 5, 232, 19}, true},
                      Layout{kQvgaPhone, 143, {54, 5, 68, 19}, {186, 5, 199, 19}, false},
                      Layout{kSmallPhone, 137, {33, 5, 47, 19}, {159, 5, 172, 19}, false},
                      Layout{Device{220, 176, "Smartphone", 32}, 137, {33, 5, 47, 19}, {159, 5, 172, 19}, false},
                      Layout{kWidePocketPc, 102, {175, 10, 202, 39}, {438, 10, 465, 39}, true}),
    [](const auto& info) {
      const Device& d = info.param.device;
      return d.platform + std::to_string(d.width) + "x" + std::to_string(d.height);
    });

}  // namespace
