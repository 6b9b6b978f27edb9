// The main window's commands as the user reaches them: the program menu with
// its marks, the display switches, and every pan and zoom key and button.

#include <gtest/gtest.h>

#include "tests/e2e/ProgramRun.h"

using namespace vespera;

namespace {

CatalogueFixture OneStar() {
  CatalogueFixture sky;
  sky.stars = {MakeObjectRecord(0, 90, 1.0f, "alf UMi")};
  sky.starNames = {MakeNameRecord("alf UMi", "Polaris")};
  sky.labels = {MakeLabelRecord(30, 70, u"Cas", u"Cassiopeia")};
  return sky;
}

const nlohmann::json& Item(const nlohmann::json& dump, int id) {
  const nlohmann::json* menu = TopWindowOfClass(dump, "Menu");
  if (!menu) throw std::runtime_error("no menu is open");
  const nlohmann::json* item = MenuItemWithId(menu->at("items"), id);
  if (!item) throw std::runtime_error("no menu item " + std::to_string(id));
  return *item;
}

TEST(ProgramMenu, OpensUnderTheMenuButtonWithItsMarksAndGreyedItems) {
  ProgramRun run;
  run.WriteCatalogue(OneStar());
  ASSERT_EQ(run.Run("key RETURN\ndump fresh.json\nkey ESCAPE\n"
                    "dump closed.json\n"
                    "tap 120 165\n"
                    "key RETURN\ndump selected.json\nkey ESCAPE\n")
                .status,
            0);
  const auto fresh = run.Dump("fresh.json");
  const auto& menu = *TopWindowOfClass(fresh, "Menu");
  EXPECT_EQ(menu.at("rect").at(1), 5 + 14 + 2);  // two pixels under the "M" button
  EXPECT_FALSE(Item(fresh, 32772).at("checked"));
  EXPECT_TRUE(Item(fresh, 32788).at("checked"));
  EXPECT_TRUE(Item(fresh, 32791).at("checked"));
  EXPECT_FALSE(Item(fresh, 32792).at("checked"));
  EXPECT_TRUE(Item(fresh, 32789).at("grayed"));
  EXPECT_TRUE(Item(fresh, 32790).at("grayed"));
  for (int id : {32779, 32787, 32794, 32798, 1010, 32793, 1000}) {
    EXPECT_FALSE(Item(fresh, id).at("checked")) << id;
    EXPECT_FALSE(Item(fresh, id).at("grayed")) << id;
  }
  // Choosing nothing closes it without effect.
  EXPECT_EQ(TopWindowOfClass(run.Dump("closed.json"), "Menu"), nullptr);
  EXPECT_EQ(MainState(run.Dump("closed.json")).at("statusText"), "Press 'Enter' to access program menu");

  const auto selected = run.Dump("selected.json");
  EXPECT_FALSE(Item(selected, 32789).at("grayed"));
  EXPECT_FALSE(Item(selected, 32790).at("grayed"));
}

TEST(ProgramMenu, NameAndLineSwitchesCycleAndShowTheirMarks) {
  ProgramRun run;
  run.WriteCatalogue(OneStar());
  ASSERT_EQ(run.Run("key RETURN\nkey U\ndump full.json\n"
                    "key RETURN\ndump fullMarks.json\nkey U\ndump none.json\n"
                    "key RETURN\nkey O\ndump short.json\n"
                    "key RETURN\nkey H\ndump noLines.json\n"
                    "key RETURN\ndump noLinesMarks.json\nkey H\ndump lines.json\n")
                .status,
            0);
  EXPECT_EQ(MainState(run.Dump("full.json")).at("constellationNameStyle"), 1);
  EXPECT_TRUE(Item(run.Dump("fullMarks.json"), 32792).at("checked"));
  EXPECT_FALSE(Item(run.Dump("fullMarks.json"), 32791).at("checked"));
  EXPECT_EQ(MainState(run.Dump("none.json")).at("constellationNameStyle"), 2);
  EXPECT_EQ(MainState(run.Dump("short.json")).at("constellationNameStyle"), 0);
  EXPECT_EQ(MainState(run.Dump("noLines.json")).at("showConstellationLines"), 0);
  EXPECT_FALSE(Item(run.Dump("noLinesMarks.json"), 32788).at("checked"));
  EXPECT_EQ(MainState(run.Dump("lines.json")).at("showConstellationLines"), 1);
  // Every switch re-projects: the status line tells the drawing time.
  EXPECT_EQ(MainState(run.Dump("lines.json")).at("statusText"), "Ready. Drawing time: 0.00s.");
  EXPECT_EQ(run.Settings()[1], (std::pair<std::string, std::uint32_t>{"Main/ConstellationNames", 0}));
}

struct ViewAfter {
  std::string step;
  double centerRa, centerDec, zoom;
};

TEST(Navigation, EveryKeyAndButtonMovesTheViewByItsStep) {
  // Button centres on the 240 x 320 Pocket PC layout.
  const std::vector<ViewAfter> steps = {
      {"key RIGHT", 2.5, 90, 1.0},        {"key 6", 5.0, 90, 1.0},
      {"key LEFT", 2.5, 90, 1.0},         {"key 4", 0.0, 90, 1.0},
      {"key UP", 0.0, 87.5, 1.0},         {"key 2", 0.0, 85.0, 1.0},
      {"key DOWN", 0.0, 87.5, 1.0},       {"key 8", 0.0, 90.0, 1.0},
      {"key 3", 0.0, 90.0, 1.1},          {"key 1", 0.0, 90.0, 1.0},
      {"tap 95 12", 0.0, 90.0, 1.1},      {"tap 116 12", 0.0, 90.0, 1.0},
      {"tap 137 12", -2.5, 90.0, 1.0},    {"tap 158 12", 0.0, 90.0, 1.0},
      {"tap 179 12", 0.0, 87.5, 1.0},     {"tap 200 12", 0.0, 90.0, 1.0},
  };
  std::string script = "wait\n";
  for (std::size_t i = 0; i < steps.size(); ++i)
    script += steps[i].step + "\ndump step" + std::to_string(i) + ".json\nsleep 501\n";
  ProgramRun run;
  run.WriteCatalogue(OneStar());
  ASSERT_EQ(run.Run(script).status, 0);
  for (std::size_t i = 0; i < steps.size(); ++i) {
    const auto& state = MainState(run.Dump("step" + std::to_string(i) + ".json"));
    SCOPED_TRACE(steps[i].step);
    EXPECT_DOUBLE_EQ(state.at("centerRa").get<double>(), steps[i].centerRa);
    EXPECT_DOUBLE_EQ(state.at("centerDec").get<double>(), steps[i].centerDec);
    EXPECT_DOUBLE_EQ(state.at("zoom").get<double>(), steps[i].zoom);
  }
  // One step in and one out come back to exactly 1.
  EXPECT_EQ(MainState(run.Dump("step9.json")).at("zoom").get<double>(), 1.0);
}

TEST(Navigation, AKeyReleasedBeforeItsMessageIsHandledDoesNothing) {
  ProgramRun run;
  ASSERT_EQ(run.Run("wait\nkeydown 0x36\nkeyup 0x36\nwait\nkeydown LEFT\nkeyup LEFT\nwait\ndump after.json\n").status,
            0);
  const auto& state = MainState(run.Dump("after.json"));
  EXPECT_EQ(state.at("centerRa"), 0.0);
  EXPECT_EQ(state.at("statusText"), "Press 'Enter' to access program menu");
}

TEST(Navigation, ZoomLevelsLimitsAndResetFromTheMenu) {
  ProgramRun run;
  run.WriteCatalogue(OneStar());
  ASSERT_EQ(run.Run("wait\n"
                    "key RETURN\nkey Z\nkey 4\ndump x4.json\n"
                    "key RIGHT\ndump fine.json\n"
                    "key RETURN\nkey X\nkey UP\nkey RETURN\ndump all.json\n"
                    "key RETURN\nkey X\nkey RETURN\ndump three.json\n"
                    "key RETURN\nkey V\ndump reset.json\n")
                .status,
            0);
  EXPECT_EQ(MainState(run.Dump("x4.json")).at("zoom"), 4.0);
  // Past a zoom of 3 the pan step is 1.5 degrees.
  EXPECT_EQ(MainState(run.Dump("fine.json")).at("centerRa"), 1.5);
  EXPECT_EQ(MainState(run.Dump("all.json")).at("magnitudeLimit"), 20.0);
  EXPECT_EQ(MainState(run.Dump("three.json")).at("magnitudeLimit"), 3.0);
  const auto& reset = MainState(run.Dump("reset.json"));
  EXPECT_EQ(reset.at("centerRa"), 0.0);
  EXPECT_EQ(reset.at("centerDec"), 90.0);
  EXPECT_EQ(reset.at("zoom"), 1.0);
  EXPECT_EQ(reset.at("magnitudeLimit"), 4.0);
}

TEST(SelectedObject, ShowInfoDescribesItAndCenterBringsItBackNorthUp) {
  ProgramRun run;
  CatalogueFixture sky;
  sky.stars = {MakeObjectRecord(30, 80, 2.0f, "bet UMi")};
  sky.starNames = {MakeNameRecord("bet UMi", "Kochab")};
  run.WriteCatalogue(sky);
  // Find the star's pixel first.
  ASSERT_EQ(run.Run("wait\nshot find.png\n").status, 0);
  const Surface find = run.Shot("find.png");
  POINT star{-1, -1};
  for (LONG y = 26; y < 304 && star.x < 0; ++y)
    for (LONG x = 0; x < 240; ++x)
      if (find.GetPixel(x, y) == RGB(220, 220, 220)) {  // magnitude 2 is the second brightness
        star = {x, y + 1};  // the plus's top pixel comes first; its centre is below
        break;
      }
  ASSERT_GE(star.x, 0);

  const std::string tap = "tap " + std::to_string(star.x) + " " + std::to_string(star.y) + "\n";
  ASSERT_EQ(run.Run("wait\n" + tap +
                    "key RETURN\nkey L\nkey S\ndump info.json\nkey RETURN\n"
                    "key 6\nkey 6\n"
                    "key RETURN\nkey L\nkey C\ndump centred.json\nshot centred.png\n")
                .status,
            0);
  const auto info = run.Dump("info.json");
  const nlohmann::json* box = TopWindowOfClass(info, "MessageBox");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->at("text"), "Star: Kochab, mag: 2.00");
  EXPECT_EQ(box->at("caption"), "Selected object(s)");

  const auto& centred = MainState(run.Dump("centred.json"));
  EXPECT_DOUBLE_EQ(centred.at("centerRa").get<double>(), 210.0);
  EXPECT_DOUBLE_EQ(centred.at("centerDec").get<double>(), 100.0);
  EXPECT_EQ(centred.at("hasSelection"), 1);
  // At the map centre, with the marker around it.
  const Surface shot = run.Shot("centred.png");
  EXPECT_EQ(shot.GetPixel(120, 165), RGB(220, 220, 220));
  EXPECT_EQ(shot.GetPixel(117, 162), RGB(255, 255, 255));
  EXPECT_EQ(shot.GetPixel(123, 168), RGB(255, 255, 255));
}

}  // namespace
