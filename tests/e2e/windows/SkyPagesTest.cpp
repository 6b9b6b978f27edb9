// The Tonight and "About this object" pages, run as a user would: with the
// place and time fixed a page is the same run after run, the polar day and
// night are said in words, every link stays inside a small screen's view,
// and following a link shows the object on the map (turning the observer's
// sky on) or opens its Messier page.

#include <gtest/gtest.h>

#include <string>

#include "resources/CommandIds.h"
#include "skymap/MapLayout.h"
#include "skymap/Projection.h"
#include "tests/e2e/windows/WindowScripts.h"

using namespace vespera;

namespace {

constexpr float kM42Ra = 83.82f, kM42Dec = -5.39f;

// Two list objects and one without a list entry; the names table labels the
// list objects as the generated one does.
CatalogueFixture ListSky() {
  CatalogueFixture sky;
  sky.stars = {MakeObjectRecord(88.79f, 7.41f, 0.5f, "alf Ori")};
  sky.deepSky = {MakeObjectRecord(34.75f, 57.13f, 3.7f, "869"), MakeObjectRecord(kM42Ra, kM42Dec, 4.0f, "1976"),
                 MakeObjectRecord(35.0f, 60.0f, 2.0f, "9999")};
  sky.deepSkyNames = {MakeNameRecord("1976", "M42 Orion Nebula"), MakeNameRecord("869", "C14 Double Cluster")};
  return sky;
}

// Paris on an evening in March: the Double Cluster stands 42 degrees high
// in the north-west at the end of astronomical twilight.
const std::string kParisEvening = "--place 48.85,2.35 --time 2024-03-20T21:30Z";

std::string PageOf(const nlohmann::json& dump) {
  return HtmlViewOf(WindowOfClass(dump, "CSkyPageDlg")).at("html").get<std::string>();
}

bool Holds(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(SkyPages, TonightIsTheSameRunAfterRunAndItsLinksShowTheObjectOrBodyWithTheSkyOn) {
  ProgramRun run;
  run.WriteCatalogue(ListSky());
  run.CopyStagedFile("CBounds.dat");
  // The wheel brings the page's end, the deep-sky objects, into the view.
  const std::string openAndScroll = "wait\nkey T\nwheel -30 240 320\n";
  ASSERT_EQ(run.Run("wait\nkey T\ndump top.json\nwheel -30 240 320\ndump first.json\n", kWidePocketPc,
                    kParisEvening).status,
            0);
  const nlohmann::json first = run.Dump("first.json");
  const std::string page = PageOf(first);
  // The object with no list entry never shows, however bright; the list one does.
  EXPECT_TRUE(Holds(page, "<A HREF=\"DSOLINK_0\">C14 Double Cluster</A>")) << page;
  EXPECT_FALSE(Holds(page, "DSOLINK_2")) << page;
  EXPECT_TRUE(Holds(page, "End of astronomical twilight: ")) << page;
  EXPECT_TRUE(Holds(page, "Jupiter</A>: rises")) << page;
  EXPECT_TRUE(Holds(page, "in Ari")) << page;  // Jupiter, from the constellation outlines
  // The page does not turn the observer's sky on.
  EXPECT_EQ(MainState(first).count("observerLatitude"), 0u);

  const std::string tap = TapLink(HtmlViewOf(WindowOfClass(first, "CSkyPageDlg")), "DSOLINK_0");
  ASSERT_EQ(run.Run(openAndScroll + "dump second.json\n" + tap + "dump map.json\n", kWidePocketPc, kParisEvening).status, 0);
  EXPECT_EQ(PageOf(run.Dump("second.json")), page);
  const nlohmann::json map = MainState(run.Dump("map.json"));
  EXPECT_EQ(map.at("selectionKind"), 1);
  EXPECT_EQ(map.at("selectionIndex"), 0);
  EXPECT_NEAR(map.at("centerRa").get<double>(), 34.75 + 180, 0.02);
  EXPECT_NEAR(map.at("centerDec").get<double>(), 180 - 57.13, 0.02);
  EXPECT_EQ(map.count("observerLatitude"), 1u);

  const nlohmann::json top = run.Dump("top.json");
  const std::string moon = TapLink(HtmlViewOf(WindowOfClass(top, "CSkyPageDlg")), "BODYLINK_1");
  ASSERT_EQ(run.Run("wait\nkey T\n" + moon + "dump body.json\n", kWidePocketPc, kParisEvening).status, 0);
  const nlohmann::json body = MainState(run.Dump("body.json"));
  EXPECT_EQ(body.at("selectionKind"), 2);
  EXPECT_EQ(body.at("selectionIndex"), 1);
  EXPECT_EQ(body.count("observerLatitude"), 1u);
}

TEST(SkyPages, AtEightyNorthTheSunStaysUpInJuneAndDownInDecemberAndSmallScreensShowEveryLink) {
  ProgramRun run;
  run.WriteCatalogue(ListSky());
  const struct {
    std::string time;
    std::string says;
    std::string never;
  } kCases[] = {{"2024-06-21T12:00Z", "The Sun does not set today.", "Sunrise"},
                {"2024-12-21T12:00Z", "The Sun does not rise today.", "Sunset"}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.time);
    ASSERT_EQ(run.Run("wait\nkey T\ndump page.json\nshot page.png\n", kSmallPhone, "--place 80,15 --time " + c.time)
                  .status,
              0);
    const nlohmann::json dump = run.Dump("page.json");
    const std::string page = PageOf(dump);
    EXPECT_TRUE(Holds(page, c.says)) << page;
    EXPECT_FALSE(Holds(page, c.never)) << page;
    // No line runs past the view: every link ends inside it.
    const nlohmann::json& view = HtmlViewOf(WindowOfClass(dump, "CSkyPageDlg"));
    const int right = view.at("rect")[2].get<int>();
    for (const auto& link : view.at("links")) EXPECT_LE(link.at("rect")[2].get<int>(), right) << link;
  }
}

TEST(SkyPages, AboutTheObjectUnderThePointerGivesItsPlaceAndCourseAndOpensItsMessierPage) {
  ProgramRun run;
  run.WriteCatalogue(ListSky());
  run.WriteFile("Messier.ini", "[0]\nMessier\n[42]\nThe Great Orion Nebula\n");
  // The view centred on M42, zoomed in so that it alone lies at the centre.
  run.WriteSettings({{"V_RA1", 65535 + 26382},
                     {"V_DEC1", 65535 + 18539},
                     {"V_ZOOM", 800},
                     {"V_MAG", 900}});
  ViewState view;
  view.centerRa = 263.82;
  view.centerDec = 185.39;
  view.zoom = 8;
  view.magnitudeLimit = 9;
  const MapLayout layout = ComputeMapLayout(kPocketPc.width, kPocketPc.height);
  int x = 0, y = 0;
  ASSERT_TRUE(ProjectToScreen(view, layout.geometry, kM42Ra, kM42Dec, x, y));
  const std::string centre = std::to_string(x + layout.geometry.mapLeft) + " " + std::to_string(y + layout.geometry.mapTop);
  ASSERT_EQ(run.Run("wait\nrtap " + centre + "\ndump menu.json\nkey I\ndump about.json\n", kPocketPc, kParisEvening)
                .status,
            0);
  const nlohmann::json menu = run.Dump("menu.json");
  const nlohmann::json* item = MenuItemWithId(TopWindowOfClass(menu, "Menu")->at("items"), kCommandAboutObject);
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->at("grayed"), false);
  const nlohmann::json about = run.Dump("about.json");
  const std::string page = PageOf(about);
  EXPECT_TRUE(Holds(page, "<b>M42 Orion Nebula</b>")) << page;
  EXPECT_TRUE(Holds(page, "Designation: NGC 1976")) << page;
  EXPECT_TRUE(Holds(page, "J2000: 05h 35.3m, -05\xC2\xB0 23'")) << page;
  EXPECT_TRUE(Holds(page, "Tonight: rises ") || Holds(page, "Tonight: always up")) << page;

  const std::string tap = TapLink(HtmlViewOf(WindowOfClass(about, "CSkyPageDlg")), "MESSIER_42");
  ASSERT_EQ(run.Run("wait\nrtap " + centre + "\nkey I\n" + tap + "dump messier.json\n", kPocketPc, kParisEvening)
                .status,
            0);
  const nlohmann::json messier = run.Dump("messier.json");
  EXPECT_TRUE(Holds(HtmlViewOf(WindowOfClass(messier, "CObjectDataDlg")).at("html").get<std::string>(),
                    "The Great Orion Nebula"));
}

}  // namespace
