// The About and Help windows: their texts and page, closing by Enter, by "X"
// and by the page's close link, and red-screen mode.

#include <gtest/gtest.h>

#include "tests/e2e/windows/WindowScripts.h"

using namespace vespera;

namespace {

class AboutHelpTest : public ::testing::Test {
 protected:
  nlohmann::json After(char menuKey, const std::string& steps) {
    const RunResult result = run.Run(OpenFromMenu(menuKey) + steps + "dump window.json\n");
    EXPECT_EQ(result.status, 0) << result.errors;
    return run.Dump("window.json");
  }

  ProgramRun run;
};

std::string AllTexts(const nlohmann::json& window) {
  std::string texts;
  for (const auto& child : window.at("children")) texts += child.at("text").get<std::string>() + "|";
  return texts;
}

TEST_F(AboutHelpTest, AboutShowsTheProductAndClosesByEnterAndByX) {
  const nlohmann::json dump = After('A', "");
  const nlohmann::json& about = WindowOfClass(dump, "CAboutDlg");
  const std::string texts = AllTexts(about);
  for (const char* expected : {"Vespera v1.1.1.", "2026", "home page", "Email:", "d3-celestial", "BSD-3-Clause",
                               "Press 'Enter' to close this window"})
    EXPECT_NE(texts.find(expected), std::string::npos) << expected;

  EXPECT_EQ(TopWindowOfClass(After('A', "key RETURN\n"), "CAboutDlg"), nullptr);
  EXPECT_EQ(TopWindowOfClass(After('A', TapControl(about, 1)), "CAboutDlg"), nullptr);
}

TEST_F(AboutHelpTest, HelpShowsTheMainSectionWithSpacesForUnderscoresAndClosesEveryWay) {
  run.WriteFile("Help.ini", "[Other]\nnot this\n[Main]\nUse_the\nmenu_\nkeys<BR>\n");
  const nlohmann::json dump = After('P', "");
  const nlohmann::json& help = WindowOfClass(dump, "CHelpDlg");
  const std::string page = HtmlViewOf(help).at("html");
  EXPECT_NE(page.find("Use themenu keys<BR><BR><A HREF=\"CLOSE_WND\">Close window</A>"), std::string::npos) << page;
  EXPECT_TRUE(HtmlViewOf(help).at("focused").get<bool>());

  for (const std::string& close : {std::string("key RETURN\n"), TapControl(help, 2), TapLink(HtmlViewOf(help), "CLOSE_WND")})
    EXPECT_EQ(TopWindowOfClass(After('P', close), "CHelpDlg"), nullptr) << close;
}

TEST_F(AboutHelpTest, HelpPageScrollsByTheWheelOverItAndByAFingerDrag) {
  std::string section = "[Main]\n";
  for (int line = 0; line < 80; ++line) section += "Line<BR>\n";
  run.WriteFile("Help.ini", section);
  const auto scrollTop = [](const nlohmann::json& dump) {
    return HtmlViewOf(WindowOfClass(dump, "CHelpDlg")).at("state").at("scrollTop").get<int>();
  };
  const int down = scrollTop(After('P', "wheel -2 120 160\n"));
  EXPECT_GT(down, 0);
  EXPECT_EQ(scrollTop(After('P', "wheel -2 120 160\nwheel 1 120 160\n")), down / 2);
  // A finger dragged 100 pixels up shows 100 pixels further down.
  EXPECT_EQ(scrollTop(After('P', "touchdown 120 200\ntouchmove 120 150\ntouchmove 120 100\ntouchup 120 100\nwait\n")),
            100);
}

TEST_F(AboutHelpTest, HelpWithoutItsFileSaysSoOnTheRedPage) {
  run.WriteSettings({{"RedScreenMode", 1}});
  const nlohmann::json dump = After('P', "shot help.png\n");
  const nlohmann::json& help = WindowOfClass(dump, "CHelpDlg");
  const std::string page = HtmlViewOf(help).at("html");
  EXPECT_NE(page.find("background-color: #FF0000;"), std::string::npos);
  EXPECT_NE(page.find("Cannot find Help.ini<BR><A HREF=\"CLOSE_WND\">Close window</A>"), std::string::npos) << page;
}

TEST_F(AboutHelpTest, RedScreenModeTurnsTheAboutWindowRed) {
  run.WriteSettings({{"RedScreenMode", 1}});
  const nlohmann::json dump = After('A', "shot about.png\n");
  const Surface shot = run.Shot("about.png");
  // Below the caption strip everything is red but the black texts.
  const RECT body{0, 30, 240, 320};
  EXPECT_EQ(CountPixels(shot, body, RGB(255, 255, 255)), 0);
  EXPECT_GT(CountPixels(shot, body, RGB(255, 0, 0)), 240 * 290 * 8 / 10);
}

}  // namespace
