// Every secondary window on every class of screen: the template it picks, and
// that it covers the screen with all its controls inside it.

#include <gtest/gtest.h>

#include "tests/e2e/windows/WindowScripts.h"

using namespace vespera;

namespace {

struct WindowCase {
  std::string opening;
  const char* className;
};

// The Place window opens from the map's key L (or its context menu).
const WindowCase kWindows[] = {{OpenFromMenu('A'), "CAboutDlg"},
                               {OpenFromMenu('P'), "CHelpDlg"},
                               {OpenFromMenu('S'), "CSearchDlg"},
                               {OpenFromMenu('M'), "CObjectDataDlg"},
                               {"wait\nkey L\n", "CPlaceDlg"}};

struct ScreenCase {
  Device device;
  int about, help, search, objectData, place;
};

const ScreenCase kScreens[] = {
    {kPocketPc, 132, 134, 133, 131, 150},
    {kWidePocketPc, 132, 134, 133, 131, 150},
    {kQvgaPhone, 146, 147, 145, 144, 153},
    {kSmallPhone, 138, 139, 140, 142, 152},
    {{220, 176, "Smartphone", 32}, 138, 139, 140, 142, 152},
    {{320, 240, "PocketPC", 32}, 132, 136, 135, 141, 151},
    {{240, 240, "PocketPC", 32}, 132, 136, 135, 141, 151},
};

// The About layouts were drawn for portrait screens: on a screen 240 or 176
// pixels high their closing hint, at the template's foot, lies below the
// screen. Only that text is allowed out.
bool MayLieBelowTheScreen(const std::string& className, const nlohmann::json& control) {
  return className == "CAboutDlg" && control.at("text").get<std::string>().starts_with("Press 'Enter'");
}

bool Inside(const nlohmann::json& rect, int width, int height) {
  return rect[0].get<int>() >= 0 && rect[1].get<int>() >= 0 && rect[2].get<int>() <= width &&
         rect[3].get<int>() <= height;
}

TEST(WindowLayoutTest, EachWindowPicksItsTemplateAndFitsEveryScreen) {
  ProgramRun run;
  for (const ScreenCase& screen : kScreens) {
    const int expected[] = {screen.about, screen.help, screen.search, screen.objectData, screen.place};
    for (std::size_t w = 0; w < std::size(kWindows); ++w) {
      const WindowCase& window = kWindows[w];
      const std::string where = std::string(window.className) + " at " + std::to_string(screen.device.width) + "x" +
                                std::to_string(screen.device.height) + " " + screen.device.platform;
      const RunResult result = run.Run(window.opening + "dump window.json\n", screen.device);
      ASSERT_EQ(result.status, 0) << where << result.errors;
      const nlohmann::json dump = run.Dump("window.json");
      const nlohmann::json* found = TopWindowOfClass(dump, window.className);
      ASSERT_NE(found, nullptr) << where;
      EXPECT_EQ(found->at("state").at("template"), expected[w]) << where;
      const auto& rect = found->at("rect");
      EXPECT_EQ(rect, nlohmann::json::array({0, 0, screen.device.width, screen.device.height})) << where;
      for (const auto& child : found->at("children")) {
        if (!child.at("visible").get<bool>() || MayLieBelowTheScreen(window.className, child)) continue;
        EXPECT_TRUE(Inside(child.at("rect"), screen.device.width, screen.device.height))
            << where << " control " << child.at("id") << " " << child.at("rect");
      }
    }
  }
}

}  // namespace
