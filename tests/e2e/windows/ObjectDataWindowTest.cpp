// The Messier and Caldwell information windows: the list of entries, the page
// that follows it by keys, missing sections, Enter on and off the list, and
// the close link.

#include <gtest/gtest.h>

#include "tests/e2e/windows/WindowScripts.h"

using namespace vespera;

namespace {

constexpr int kListId = 1008;
constexpr int kCloseId = 1;

class ObjectDataWindowTest : public ::testing::Test {
 protected:
  ObjectDataWindowTest() {
    run.WriteFile("Messier.ini",
                  "[0]\n<b>Messier</b>\ncatalogue\n[1]\nCrab Nebula\n[2]\nGlobular :PATH:m2.png\n"
                  "[110]\nLast one\n");
  }

  nlohmann::json After(char menuKey, const std::string& steps, const Device& device = kPocketPc) {
    const RunResult result = run.Run(OpenFromMenu(menuKey) + steps + "dump window.json\n", device);
    EXPECT_EQ(result.status, 0) << result.errors;
    return run.Dump("window.json");
  }

  ProgramRun run;
};

std::vector<std::string> ListItems(const nlohmann::json& window) {
  std::vector<std::string> items;
  for (const auto& item : ChildWithId(window, kListId)->at("items")) items.push_back(item.get<std::string>());
  return items;
}

std::string PageOf(const nlohmann::json& window) { return HtmlViewOf(window).at("html").get<std::string>(); }

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

const std::string kCloseLink = "<A HREF=\"CLOSE_WND\">Close window</A>";

TEST_F(ObjectDataWindowTest, MessierListsMainInfoAndEveryObjectAndShowsTheMainPage) {
  const nlohmann::json dump = After('M', "");
  const nlohmann::json& window = WindowOfClass(dump, "CObjectDataDlg");
  EXPECT_EQ(window.at("state").at("title"), "Messier objects info");
  const std::vector<std::string> items = ListItems(window);
  ASSERT_EQ(items.size(), 111u);
  EXPECT_EQ(items.front(), "Main info");
  for (int n = 1; n <= 110; ++n)
    EXPECT_EQ(items[std::size_t(n)], std::string("M").append(std::to_string(n)));  // appended: GCC 12 -O3 -Wrestrict
  EXPECT_EQ(ChildWithId(window, kListId)->at("selected"), 0);
  EXPECT_TRUE(ChildWithId(window, kListId)->at("focused").get<bool>());
  const std::string page = PageOf(window);
  EXPECT_NE(page.find("background-color: #FFFFFF;"), std::string::npos);
  EXPECT_TRUE(EndsWith(page, "<b>Messier</b>catalogue" + kCloseLink)) << page;
}

TEST_F(ObjectDataWindowTest, CaldwellListsItsHundredAndNineObjects) {
  const nlohmann::json dump = After('C', "");
  const nlohmann::json& window = WindowOfClass(dump, "CObjectDataDlg");
  EXPECT_EQ(window.at("state").at("title"), "Caldwell objects info");
  const std::vector<std::string> items = ListItems(window);
  ASSERT_EQ(items.size(), 110u);
  EXPECT_EQ(items[1], "C1");
  EXPECT_EQ(items.back(), "C109");
  // No Caldwell.ini here: every entry says its section is missing.
  EXPECT_EQ(PageOf(window), "Section 0 was not found" + kCloseLink);
}

TEST_F(ObjectDataWindowTest, ThePageFollowsTheListMovedByKeys) {
  const nlohmann::json first = After('M', "key DOWN\n");
  EXPECT_EQ(ChildWithId(WindowOfClass(first, "CObjectDataDlg"), kListId)->at("selected"), 1);
  EXPECT_TRUE(EndsWith(PageOf(WindowOfClass(first, "CObjectDataDlg")), "Crab Nebula" + kCloseLink));

  const nlohmann::json second = After('M', "key DOWN\nkey DOWN\n");
  const std::string page = PageOf(WindowOfClass(second, "CObjectDataDlg"));
  // The directory marker becomes the program's folder.
  EXPECT_NE(page.find("Globular file://" + run.Folder().string() + "/m2.png"), std::string::npos) << page;

  // M5 has no section in the file.
  const nlohmann::json fifth = After('M', "key DOWN\nkey DOWN\nkey DOWN\nkey DOWN\nkey DOWN\n");
  EXPECT_EQ(PageOf(WindowOfClass(fifth, "CObjectDataDlg")), "Section 5 was not found" + kCloseLink);
}

TEST_F(ObjectDataWindowTest, WithoutTheFileEveryEntryShowsTheMissingSectionAndTheCloseLinkWorks) {
  run.RemoveFile("Messier.ini");
  const nlohmann::json dump = After('M', "");
  const nlohmann::json& window = WindowOfClass(dump, "CObjectDataDlg");
  EXPECT_EQ(ListItems(window).size(), 111u);
  EXPECT_EQ(PageOf(window), "Section 0 was not found" + kCloseLink);
  const std::string tap = TapLink(HtmlViewOf(window), "CLOSE_WND");
  const nlohmann::json after = After('M', tap);
  EXPECT_EQ(TopWindowOfClass(after, "CObjectDataDlg"), nullptr);
}

TEST_F(ObjectDataWindowTest, LinksToOtherTargetsDoNothing) {
  run.WriteFile("Messier.ini", "[0]\n<A HREF=\"close_wnd\">lower</A><BR>\n<A HREF=\"STARLINK_1\">star</A><BR>\n");
  const nlohmann::json dump = After('M', "");
  const nlohmann::json& view = HtmlViewOf(WindowOfClass(dump, "CObjectDataDlg"));
  for (const char* href : {"close_wnd", "STARLINK_1"}) {
    const nlohmann::json after = After('M', TapLink(view, href));
    EXPECT_NE(TopWindowOfClass(after, "CObjectDataDlg"), nullptr) << href;
    EXPECT_EQ(MainState(after).at("hasSelection"), 0);
  }
}

TEST_F(ObjectDataWindowTest, EnterTogglesTheListWhileItHasTheFocusAndClosesOtherwise) {
  const nlohmann::json opened = After('M', "key RETURN\n");
  EXPECT_NE(TopWindowOfClass(opened, "ComboLBox"), nullptr);
  EXPECT_NE(TopWindowOfClass(opened, "CObjectDataDlg"), nullptr);

  const nlohmann::json closed = After('M', "key RETURN\nkey RETURN\n");
  EXPECT_EQ(TopWindowOfClass(closed, "ComboLBox"), nullptr);
  EXPECT_NE(TopWindowOfClass(closed, "CObjectDataDlg"), nullptr);

  // Tab takes the focus to the "X", then to the page; Enter there closes.
  for (const std::string& keys : {std::string("key TAB\nkey RETURN\n"), std::string("key TAB\nkey TAB\nkey RETURN\n")}) {
    const nlohmann::json gone = After('M', keys);
    EXPECT_EQ(TopWindowOfClass(gone, "CObjectDataDlg"), nullptr) << keys;
    EXPECT_NE(MainWindow(gone), nullptr);
  }
}

TEST_F(ObjectDataWindowTest, XClosesAndRedScreenModeTurnsThePageAndTheLabelRed) {
  run.WriteSettings({{"RedScreenMode", 1}});
  const nlohmann::json dump = After('M', "shot red.png\n");
  const nlohmann::json& window = WindowOfClass(dump, "CObjectDataDlg");
  EXPECT_NE(PageOf(window).find("background-color: #FF0000;"), std::string::npos);
  const Surface shot = run.Shot("red.png");
  // The "Object data:" label's row left of the list.
  const auto& list = ChildWithId(window, kListId)->at("rect");
  const RECT label{4, list[1].get<LONG>(), list[0].get<LONG>() - 4, list[1].get<LONG>() + 8};
  EXPECT_GT(CountPixels(shot, label, RGB(255, 0, 0)), 0);
  EXPECT_EQ(CountPixels(shot, label, RGB(255, 255, 255)), 0);

  const nlohmann::json after = After('M', TapControl(window, kCloseId));
  EXPECT_EQ(TopWindowOfClass(after, "CObjectDataDlg"), nullptr);
}

}  // namespace
