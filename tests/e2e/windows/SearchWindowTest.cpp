// The search window opened from the program menu: its prompt page, a search
// by "Go" and by Enter, "Match case" and its saved value, the links that show
// an object on the map, and every way of closing without a choice.

#include <gtest/gtest.h>

#include "tests/e2e/windows/WindowScripts.h"

namespace {

constexpr int kQueryId = 1012;
constexpr int kGoId = 1013;
constexpr int kMatchCaseId = 1014;
constexpr int kCloseId = 2;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

const std::string kPromptPageEnd =
    "Enter text for search here, for example \"M31\", \"18del Cyg\", or \"Vega\".<BR><BR>"
    "<A HREF=\"CLOSE_WND\">Close window</A>";

class SearchWindowTest : public ::testing::Test {
 protected:
  SearchWindowTest() { run.WriteCatalogue(SearchSky()); }

  // The window after `steps`, dumped as "search.json".
  nlohmann::json SearchAfter(const std::string& steps, const Device& device = kPocketPc) {
    const RunResult result = run.Run(OpenFromMenu('S') + steps + "dump search.json\n", device);
    EXPECT_EQ(result.status, 0) << result.errors;
    return run.Dump("search.json");
  }

  ProgramRun run;
};

TEST_F(SearchWindowTest, OpensOnThePromptPageWithTheColoursOfTheMode) {
  for (const int red : {0, 1}) {
    run.WriteSettings({{"RedScreenMode", std::uint32_t(red)}});
    const nlohmann::json dump = SearchAfter("shot prompt.png\n");
    const nlohmann::json& search = WindowOfClass(dump, "CSearchDlg");
    EXPECT_EQ(search.at("state").at("template"), 133);
    const std::string html = HtmlViewOf(search).at("html");
    const std::string background = red ? "#FF0000" : "#FFFFFF";
    EXPECT_NE(html.find("background-color: " + background + ";"), std::string::npos) << html;
    EXPECT_NE(html.find("color: #000000;"), std::string::npos);
    EXPECT_EQ(html.substr(html.size() - kPromptPageEnd.size()), kPromptPageEnd);
    // The query box starts empty and has the focus.
    const nlohmann::json& query = *ChildWithId(search, kQueryId);
    EXPECT_EQ(query.at("text"), "");
    EXPECT_TRUE(query.at("focused").get<bool>());

    // The page area and the window's own background take the mode's colour.
    const Surface shot = run.Shot("prompt.png");
    const auto& area = HtmlViewOf(search).at("rect");
    const RECT page{area[0].get<LONG>(), area[1].get<LONG>() + 60, area[2].get<LONG>(), area[3].get<LONG>()};
    const int pageArea = int((page.right - page.left) * (page.bottom - page.top));
    EXPECT_GT(CountPixels(shot, page, red ? kRed : kWhite), pageArea * 9 / 10) << "red " << red;
    const RECT belowPage{0, area[3].get<LONG>() + 2, 240, 320};
    if (red) {
      EXPECT_GT(CountPixels(shot, belowPage, kRed), 100);
    }
    // The check box label stands on the mode's colour too.
    const auto& box = ChildWithId(search, kMatchCaseId)->at("rect");
    const RECT label{box[0].get<LONG>() + 20, box[1].get<LONG>(), box[2].get<LONG>(), box[3].get<LONG>()};
    EXPECT_GT(CountPixels(shot, label, red ? kRed : kWhite), 0);
    EXPECT_EQ(CountPixels(shot, label, red ? kWhite : kRed), 0);
  }
}

TEST_F(SearchWindowTest, GoShowsTheEnginePageAndEnterInTheQuerySearchesAlike) {
  const std::string expected = "<h3>Stars catalog search</h3>PLACEHOLDER";
  const nlohmann::json byGo = SearchAfter("type Testa\n" + std::string("key TAB\nkey SPACE\n"));
  const nlohmann::json byEnter = SearchAfter("type Testa\nkey RETURN\n");
  const std::string goPage = HtmlViewOf(WindowOfClass(byGo, "CSearchDlg")).at("html");
  const std::string enterPage = HtmlViewOf(WindowOfClass(byEnter, "CSearchDlg")).at("html");
  std::printf("PAGE[%s]\n", goPage.c_str());
  EXPECT_EQ(goPage, expected);
  EXPECT_EQ(enterPage, expected);
  // After a search the page has the focus, so its links are reached by keys.
  EXPECT_TRUE(HtmlViewOf(WindowOfClass(byEnter, "CSearchDlg")).at("focused").get<bool>());
}

}  // namespace
