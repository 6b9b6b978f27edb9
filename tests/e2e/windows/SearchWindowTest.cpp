// The search window opened from the program menu: its prompt page, a search
// by "Go" and by Enter, "Match case" and its saved value, the links that show
// an object on the map (and, while the map shows them, the Sun, Moon and
// planets), and every way of closing without a choice.

#include <gtest/gtest.h>

#include <cmath>

#include "tests/e2e/windows/WindowScripts.h"

using namespace vespera;

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
  // The name matches; its designation is shown folded, as the name lookup has it.
  const std::string expected =
      "<h3>Stars catalog search</h3>No stars found<BR>"
      "<h3>Stars common names search</h3>Testa<BR>Index in catalog: hip 7<BR>Magnitude: 5.30<BR>"
      "<div align=\"left\"><A HREF=\"STARLINK_1\">Show on map</A></div><BR>"
      "<h3>DSO catalog search</h3>No objects found<BR>"
      "<h3>DSO common names search</h3>No objects found<BR>"
      "<h3>Constellations search</h3>No objects found<BR>"
      "<BR><BR><A HREF=\"CLOSE_WND\">Close window</A>";
  const nlohmann::json byGo = SearchAfter("type Testa\n" + std::string("key TAB\nkey SPACE\n"));
  const nlohmann::json byEnter = SearchAfter("type Testa\nkey RETURN\n");
  const std::string goPage = HtmlViewOf(WindowOfClass(byGo, "CSearchDlg")).at("html");
  const std::string enterPage = HtmlViewOf(WindowOfClass(byEnter, "CSearchDlg")).at("html");
  EXPECT_EQ(goPage, expected);
  EXPECT_EQ(enterPage, expected);
  // After a search the page has the focus, so its links are reached by keys.
  EXPECT_TRUE(HtmlViewOf(WindowOfClass(byEnter, "CSearchDlg")).at("focused").get<bool>());
}

TEST_F(SearchWindowTest, EnterOnMatchCaseFlipsItWithoutSearchingAndAnEmptyQueryKeepsThePrompt) {
  const nlohmann::json prompt = SearchAfter("");
  const std::string tapQuery = TapControl(WindowOfClass(prompt, "CSearchDlg"), kQueryId);
  // TAB TAB: from the query past "Go" to the box. After the second flip the
  // query is emptied and Enter in it only beeps.
  const nlohmann::json dump = SearchAfter("type testa\nkey TAB\nkey TAB\nkey RETURN\ndump flipped.json\n"
                                          "key RETURN\n" + tapQuery +
                                          "key BACK\nkey BACK\nkey BACK\nkey BACK\nkey BACK\nkey RETURN\n");
  const nlohmann::json flippedDump = run.Dump("flipped.json");
  const nlohmann::json& flipped = WindowOfClass(flippedDump, "CSearchDlg");
  EXPECT_EQ(flipped.at("state").at("matchCase"), 0);
  EXPECT_FALSE(ChildWithId(flipped, kMatchCaseId)->at("checked").get<bool>());
  EXPECT_NE(HtmlViewOf(flipped).at("html").get<std::string>().find("Enter text for search here"), std::string::npos);
  // A second Enter flips it back; still no search.
  const nlohmann::json& search = WindowOfClass(dump, "CSearchDlg");
  EXPECT_EQ(search.at("state").at("matchCase"), 1);
  EXPECT_TRUE(ChildWithId(search, kMatchCaseId)->at("checked").get<bool>());
  EXPECT_NE(HtmlViewOf(search).at("html").get<std::string>().find("Enter text for search here"), std::string::npos);
}

TEST_F(SearchWindowTest, ShowOnMapMakesTheStarVisibleSelectedAndCentred) {
  // Limit 4 and zoom 1 are the defaults; the star is of magnitude 5.3.
  const nlohmann::json found = SearchAfter("type Testa\nkey RETURN\n");
  const std::string tap = TapLink(HtmlViewOf(WindowOfClass(found, "CSearchDlg")), "STARLINK_1");
  const RunResult result =
      run.Run(OpenFromMenu('S') + "type Testa\nkey RETURN\n" + tap + "dump map.json\nshot map.png\n");
  ASSERT_EQ(result.status, 0) << result.errors;
  const nlohmann::json dump = run.Dump("map.json");
  EXPECT_EQ(TopWindowOfClass(dump, "CSearchDlg"), nullptr);
  const nlohmann::json state = MainState(dump);
  EXPECT_DOUBLE_EQ(state.at("magnitudeLimit").get<double>(), 6.0);
  EXPECT_DOUBLE_EQ(state.at("zoom").get<double>(), 3.0);
  EXPECT_EQ(state.at("hasSelection"), 1);
  EXPECT_EQ(state.at("selectionKind"), 0);
  EXPECT_EQ(state.at("selectionIndex"), 1);
  // Centred north up, which the view writes as the point over the pole.
  EXPECT_NEAR(state.at("centerRa").get<double>(), 300.0, 1e-4);
  EXPECT_NEAR(state.at("centerDec").get<double>(), 140.0, 1e-4);
  // The white marker around the map's centre.
  const Surface shot = run.Shot("map.png");
  EXPECT_EQ(shot.GetPixel(117, 162), RGB(255, 255, 255));
  EXPECT_EQ(shot.GetPixel(123, 168), RGB(255, 255, 255));
}

TEST_F(SearchWindowTest, ConstellationLinkCentresOnItsLabelWithoutSelecting) {
  run.WriteSettings({{"V_ZOOM", 800}});  // stored in hundredths
  // The link lies below the page's first screen: reached with the keys, as on
  // a device without a stylus (Tab to the page's first link, Enter).
  const RunResult result = run.Run(OpenFromMenu('S') + "type Lyra\nkey RETURN\nkey TAB\nkey RETURN\ndump map.json\n");
  ASSERT_EQ(result.status, 0) << result.errors;
  const nlohmann::json state = MainState(run.Dump("map.json"));
  EXPECT_DOUBLE_EQ(state.at("zoom").get<double>(), 3.0);
  EXPECT_EQ(state.at("hasSelection"), 0);
  // North up over the pole, as for a star: right ascension 283 + 180.
  EXPECT_NEAR(std::fmod(state.at("centerRa").get<double>(), 360.0), 103.0, 1e-4);
  EXPECT_NEAR(state.at("centerDec").get<double>(), 144.0, 1e-4);
}

// While the map shows the Sun, the Moon and the planets, the page opens with
// the bodies the query names, and a body's link centres the map on it.
TEST_F(SearchWindowTest, WithTheBodiesShownAPlanetIsListedFirstAndItsLinkCentresOnIt) {
  run.WriteFile("settings.ini", "[Observer]\nOn=1\n");
  const std::string sky = "--place 48.85,2.35 --time 2024-03-20T21:30Z";
  ASSERT_EQ(run.Run(OpenFromMenu('S') + "type Jupiter\nkey RETURN\ndump search.json\n", kPocketPc, sky).status, 0);
  const nlohmann::json found = run.Dump("search.json");
  const std::string html = HtmlViewOf(WindowOfClass(found, "CSearchDlg")).at("html");
  EXPECT_EQ(html.rfind("<h3>Solar system search</h3>Jupiter<BR>Magnitude: -2.1<BR>"
                       "<div align=\"left\"><A HREF=\"BODYLINK_5\">Show on map</A></div><BR>"
                       "<h3>Stars catalog search</h3>",
                       0),
            0u)
      << html;
  const std::string tap = TapLink(HtmlViewOf(WindowOfClass(found, "CSearchDlg")), "BODYLINK_5");
  const RunResult result = run.Run(OpenFromMenu('S') + "type Jupiter\nkey RETURN\n" + tap + "dump map.json\n", kPocketPc, sky);
  ASSERT_EQ(result.status, 0) << result.errors;
  const nlohmann::json state = MainState(run.Dump("map.json"));
  EXPECT_EQ(state.at("statusText"), "Planet: Jupiter, mag: -2.1");
  EXPECT_EQ(state.at("selectionKind"), 2);
  const nlohmann::json* jupiter = nullptr;
  for (const nlohmann::json& body : state.at("bodies"))
    if (body.at("name") == "Jupiter") jupiter = &body;
  ASSERT_NE(jupiter, nullptr);
  // North up: the view writes the centre (ra, dec) as (ra + 180, 180 - dec).
  EXPECT_NEAR(std::fmod(state.at("centerRa").get<double>() - 180.0 + 360.0, 360.0), jupiter->at("ra").get<double>(), 0.02);
  EXPECT_NEAR(180.0 - state.at("centerDec").get<double>(), jupiter->at("dec").get<double>(), 0.02);
}

TEST_F(SearchWindowTest, CloseLinkXAndEscapeCloseWithNothingChanged) {
  const nlohmann::json prompt = SearchAfter("");
  const nlohmann::json& window = WindowOfClass(prompt, "CSearchDlg");
  const std::string closeLink = TapLink(HtmlViewOf(window), "CLOSE_WND");
  const nlohmann::json before = MainState(prompt);
  for (const std::string& close : {closeLink, TapControl(window, kCloseId), std::string("key ESCAPE\n")}) {
    // A search first, so that a page with result links was on screen.
    const RunResult result = run.Run(OpenFromMenu('S') + close + "dump after.json\n");
    ASSERT_EQ(result.status, 0) << result.errors;
    const nlohmann::json after = run.Dump("after.json");
    EXPECT_EQ(TopWindowOfClass(after, "CSearchDlg"), nullptr) << close;
    EXPECT_EQ(MainState(after), before) << close;
  }
}

TEST_F(SearchWindowTest, MatchCaseIsSavedWhenClosedByXAndReadAtTheNextOpening) {
  const nlohmann::json prompt = SearchAfter("");
  const std::string tapX = TapControl(WindowOfClass(prompt, "CSearchDlg"), kCloseId);
  const std::string tapBox = TapControl(WindowOfClass(prompt, "CSearchDlg"), kMatchCaseId);
  ASSERT_EQ(run.Run(OpenFromMenu('S') + tapBox + tapX + OpenFromMenu('S') + "dump again.json\n").status, 0);
  bool saved = false;
  for (const auto& [name, value] : run.Settings())
    if (name == "SearchDlg/MatchCase") saved = value == 0;
  EXPECT_TRUE(saved);
  const nlohmann::json againDump = run.Dump("again.json");
  const nlohmann::json& again = WindowOfClass(againDump, "CSearchDlg");
  EXPECT_FALSE(ChildWithId(again, kMatchCaseId)->at("checked").get<bool>());
  EXPECT_EQ(ChildWithId(again, kQueryId)->at("text"), "");

  // Any stored number other than 0 ticks the box, and it is saved back as 1.
  run.WriteFile("settings.ini", "[SearchDlg]\nMatchCase=4000000000\n");
  ASSERT_EQ(run.Run(OpenFromMenu('S') + "dump big.json\nkey ESCAPE\n").status, 0);
  const nlohmann::json big = run.Dump("big.json");
  EXPECT_TRUE(ChildWithId(WindowOfClass(big, "CSearchDlg"), kMatchCaseId)->at("checked").get<bool>());
  for (const auto& [name, value] : run.Settings())
    if (name == "SearchDlg/MatchCase") {
      EXPECT_EQ(value, 1u);
    }
}

TEST_F(SearchWindowTest, BeforeTheCatalogueHasLoadedTheCommandOpensNothing) {
  // The menu is chosen before the first wait, while the loader may still run;
  // either the window opens on loaded data or the command only beeps.
  const RunResult result = run.Run("key RETURN\nkey S\ndump early.json\n");
  ASSERT_EQ(result.status, 0) << result.errors;
  const nlohmann::json dump = run.Dump("early.json");
  if (TopWindowOfClass(dump, "CSearchDlg")) {
    EXPECT_EQ(MainState(dump).at("dataLoaded"), 1);
  }
}

}  // namespace
