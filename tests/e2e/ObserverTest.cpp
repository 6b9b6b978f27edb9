// The sky for the observer's place and time, run as a user would: "look up"
// puts the horizon on the map's rim, the overlay stays red and on the map in
// red-screen mode, the map's context menu opens only on a right-click or a
// held press, the minute timer repaints without a rebuild, the Moon is lit on
// its Sun side, a tap on a body describes it, and a run that never touches
// the feature writes nothing of it.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <stdexcept>
#include <string>

#include "resources/CommandIds.h"
#include "tests/e2e/ProgramRun.h"

using namespace vespera;

namespace {

// The overlay's day colours (skymap/HorizonOverlay.cpp, skymap/BodySymbols.cpp).
constexpr COLORREF kHorizonColour = RGB(40, 170, 90);
constexpr COLORREF kSunColour = RGB(255, 215, 60);
constexpr COLORREF kMoonLitColour = RGB(235, 235, 215);
constexpr COLORREF kMoonDarkColour = RGB(70, 70, 80);
// The Sun's and the Moon's lit side in red-screen mode: nothing else is this bright.
constexpr COLORREF kRedSunAndMoonColour = RGB(160, 0, 0);

CatalogueFixture Sky() {
  CatalogueFixture sky;
  sky.stars = {MakeObjectRecord(101.3f, -16.7f, -1.4f, "alp CMa"), MakeObjectRecord(279.2f, 38.8f, 0.0f, "alp Lyr"),
               MakeObjectRecord(37.9f, 89.3f, 2.0f, "alp UMi"), MakeObjectRecord(40, 60, 3.2f)};
  sky.starNames = {MakeNameRecord("alp CMa", "Sirius"), MakeNameRecord("alp Lyr", "Vega"),
                   MakeNameRecord("alp UMi", "Polaris")};
  sky.labels = {MakeLabelRecord(20, 75, u"UMi", u"Ursa Minor")};
  return sky;
}

struct MapArea {
  int top;
  int width;
  int height;
  int radius;
};

MapArea MapAreaOf(const Device& device) {
  const bool highRes = device.width >= 480;
  const int top = highRes ? 52 : 26;
  const int height = device.height - top - (highRes ? 32 : 16);
  return {top, device.width, height, (std::min(device.width, height) - 5) / 2};
}

// Observer settings the run starts with, after the view's.
void WriteObserverSettings(ProgramRun& run, const std::string& main, const std::string& observer) {
  run.WriteFile("settings.ini", "[Main]\n" + main + "[Observer]\n" + observer);
}

const std::string kParis = "--place 48.85,2.35 --time 2024-03-20T21:30Z";

class ObserverScreens : public ::testing::TestWithParam<Device> {};

TEST_P(ObserverScreens, LookUpPutsTheHorizonOnTheRimOfTheMap) {
  const Device& device = GetParam();
  ProgramRun run;
  run.WriteCatalogue(Sky());
  ASSERT_EQ(run.Run("wait\nkey Z\nshot up.png\ndump up.json\n", device, kParis).status, 0);
  const nlohmann::json state = MainState(run.Dump("up.json"));
  EXPECT_EQ(state.at("zoom"), 1.0);
  EXPECT_EQ(state.at("followsNow"), 0);
  EXPECT_EQ(state.at("observerTimeUtc"), "2024-03-20T21:30:00Z");

  const Surface up = run.Shot("up.png");
  const MapArea map = MapAreaOf(device);
  const double cx = map.width / 2, cy = map.height / 2;
  int onRim = 0;
  for (int y = 0; y < map.height; ++y) {
    for (int x = 0; x < map.width; ++x) {
      if (up.GetPixel(x, map.top + y) != kHorizonColour) continue;
      // Within one pixel: the rim's point in the pixel's direction is at most
      // one pixel away across and down (the projection truncates towards the centre).
      const double r = std::hypot(x - cx, y - cy);
      const double rimX = cx + (x - cx) * map.radius / r, rimY = cy + (y - cy) * map.radius / r;
      ASSERT_LE(std::max(std::abs(rimX - x), std::abs(rimY - y)), 1.0) << x << "," << y;
      ++onRim;
    }
  }
  // Nearly the whole circle: the letters and the caption cover little of it.
  EXPECT_GT(onRim, 5 * map.radius);
}

// Everything the feature draws, found as the difference between the map
// with it and the same map (no rebuild in between) without it.
TEST_P(ObserverScreens, InRedScreenModeEverythingDrawnIsDimRedAndOnTheMap) {
  const Device& device = GetParam();
  ProgramRun run;
  run.WriteCatalogue(Sky());
  WriteObserverSettings(run, "RedScreenMode=1\n", "AltAzGrid=1\nStarNames=1\n");
  ASSERT_EQ(run.Run("wait\nkey Z\nshot on.png\nkey H\nshot off.png\ndump off.json\n", device, kParis).status, 0);
  EXPECT_EQ(MainState(run.Dump("off.json")).count("observerLatitude"), 0u);
  const Surface on = run.Shot("on.png");
  const Surface off = run.Shot("off.png");
  const MapArea map = MapAreaOf(device);
  int drawn = 0, moon = 0;
  for (int y = 0; y < device.height; ++y) {
    for (int x = 0; x < device.width; ++x) {
      const COLORREF pixel = on.GetPixel(x, y);
      if (pixel == off.GetPixel(x, y)) continue;
      ++drawn;
      moon += pixel == kRedSunAndMoonColour;
      ASSERT_TRUE(y >= map.top && y < map.top + map.height) << x << "," << y;
      ASSERT_EQ(GetGValue(pixel), 0) << x << "," << y;
      ASSERT_EQ(GetBValue(pixel), 0) << x << "," << y;
      ASSERT_LE(GetRValue(pixel), 160) << x << "," << y;
    }
  }
  EXPECT_GT(drawn, 4 * map.radius);
  // The waxing Moon stands high over Paris that evening: the bodies were among what was checked.
  EXPECT_GT(moon, 20);
}

INSTANTIATE_TEST_SUITE_P(Screens, ObserverScreens, ::testing::Values(kSmallPhone, kPocketPc, kWidePocketPc),
                         [](const auto& info) {
                           return std::to_string(info.param.width) + "x" + std::to_string(info.param.height);
                         });

struct Centroid {
  double x = 0.0, y = 0.0;
  int count = 0;
  void Add(int px, int py) {
    x += px, y += py;
    ++count;
  }
  double X() const { return x / count; }
  double Y() const { return y / count; }
};

// Looking up at a first quarter in the afternoon and a waning crescent in the
// morning, Sun and Moon both up: the lit part of the Moon's disc lies on its
// Sun side, seen as the direction from the disc's middle to the lit pixels'.
TEST(Observer, TheMoonsLitSideFacesTheSun) {
  for (const char* time : {"2024-03-17T16:30Z", "2024-04-05T07:00Z"}) {
    SCOPED_TRACE(time);
    ProgramRun run;
    run.WriteCatalogue(Sky());
    ASSERT_EQ(run.Run("wait\nkey Z\nshot up.png\n", kWidePocketPc, std::string("--place 48.85,2.35 --time ") + time)
                  .status,
              0);
    const Surface up = run.Shot("up.png");
    Centroid sun, disc, lit;
    for (int y = 0; y < kWidePocketPc.height; ++y) {
      for (int x = 0; x < kWidePocketPc.width; ++x) {
        const COLORREF pixel = up.GetPixel(x, y);
        if (pixel == kSunColour) sun.Add(x, y);
        if (pixel == kMoonLitColour || pixel == kMoonDarkColour) disc.Add(x, y);
        if (pixel == kMoonLitColour) lit.Add(x, y);
      }
    }
    ASSERT_GT(sun.count, 100);
    ASSERT_GT(disc.count, 300);
    ASSERT_GT(lit.count, 20);
    // Both are shown whole: no part of either disc lies in the other's colours.
    ASSERT_LT(disc.count, 500);
    const double litX = lit.X() - disc.X(), litY = lit.Y() - disc.Y();
    const double sunX = sun.X() - disc.X(), sunY = sun.Y() - disc.Y();
    const double cosine = (litX * sunX + litY * sunY) / (std::hypot(litX, litY) * std::hypot(sunX, sunY));
    EXPECT_GT(cosine, 0.9);
  }
}

const nlohmann::json& BodyNamed(const nlohmann::json& state, const std::string& name) {
  for (const nlohmann::json& body : state.at("bodies"))
    if (body.at("name") == name) return body;
  throw std::runtime_error("no " + name + " in the dump");
}

// A second apart, so that no two taps make a double tap.
std::string TapAt(const nlohmann::json& body, int dx = 0) {
  return "sleep 1000\ntap " + std::to_string(body.at("x").get<int>() + dx) + " " + std::to_string(body.at("y").get<int>()) + "\n";
}

// A tap on a body's symbol describes the body, but a star under the tap wins,
// and with the feature off the symbol is gone and so is its selection.
TEST(Observer, ATapOnABodysSymbolDescribesTheBodyUnlessAStarIsUnderIt) {
  ProgramRun run;
  run.WriteCatalogue(Sky());
  ASSERT_EQ(run.Run("wait\nkey Z\ndump up.json\n", kPocketPc, kParis).status, 0);
  const nlohmann::json up = MainState(run.Dump("up.json"));
  const nlohmann::json& moon = BodyNamed(up, "Moon");
  const nlohmann::json& jupiter = BodyNamed(up, "Jupiter");
  // A star exactly where the Moon is drawn.
  CatalogueFixture sky = Sky();
  sky.stars.push_back(MakeObjectRecord(moon.at("ra").get<float>(), moon.at("dec").get<float>(), 3.5f, "alp Tst"));
  sky.starNames.push_back(MakeNameRecord("alp Tst", "Behind"));
  run.WriteCatalogue(sky);
  ASSERT_EQ(run.Run("wait\nkey Z\n" + TapAt(moon) + "dump star.json\n" + TapAt(moon, 4) + "dump moon.json\n" +
                    TapAt(jupiter) + "dump jupiter.json\nkey H\n" + TapAt(moon, 4) + "dump off.json\n",
                    kPocketPc, kParis)
                .status,
            0);
  EXPECT_EQ(MainState(run.Dump("star.json")).at("statusText"), "Star: Behind, mag: 3.50");
  EXPECT_EQ(MainState(run.Dump("moon.json")).at("statusText"), "Moon: 84% lit");
  EXPECT_EQ(MainState(run.Dump("jupiter.json")).at("statusText"), "Planet: Jupiter, mag: -2.1");
  const nlohmann::json off = MainState(run.Dump("off.json"));
  EXPECT_EQ(off.at("hasSelection"), 0);
  EXPECT_EQ(off.at("statusText"), "No objects found at this position");
}

bool MenuIsOpen(const nlohmann::json& dump) {
  const nlohmann::json* menu = TopWindowOfClass(dump, "Menu");
  return menu && MenuItemWithId(menu->at("items"), kCommandObserver) != nullptr;
}

TEST(Observer, TheContextMenuOpensOnARightClickOrAHeldPressOnly) {
  ProgramRun run;
  run.WriteCatalogue(Sky());
  ASSERT_EQ(run.Run("wait\n"
                    "rtap 120 150\ndump right.json\nkey ESCAPE\n"
                    "down 120 150\nsleep 600\nup 120 150\ndump held.json\nkey ESCAPE\n"
                    "down 120 150\nsleep 300\nup 120 150\nwait\ndump short.json\n"
                    "tap 120 150\ndump tap.json\n"
                    "down 120 150\nmove 150 170\nup 150 170\nwait\ndump drag.json\n"
                    "rtap 120 10\ndump caption.json\n")
                .status,
            0);
  EXPECT_TRUE(MenuIsOpen(run.Dump("right.json")));
  EXPECT_TRUE(MenuIsOpen(run.Dump("held.json")));
  for (const char* name : {"short.json", "tap.json", "drag.json", "caption.json"}) {
    SCOPED_TRACE(name);
    EXPECT_FALSE(MenuIsOpen(run.Dump(name)));
  }
  // The drag moved the map; the held press did not.
  EXPECT_NE(MainState(run.Dump("drag.json")).at("centerDec"), MainState(run.Dump("held.json")).at("centerDec"));
}

// The context menu's items in turn, each tapped where the first menu showed it.
TEST(Observer, EveryContextMenuItemWorksByStylus) {
  ProgramRun run;
  run.WriteCatalogue(Sky());
  ASSERT_EQ(run.Run("wait\nrtap 120 150\ndump menu.json\nkey ESCAPE\n").status, 0);
  const nlohmann::json menu = run.Dump("menu.json");
  const nlohmann::json& items = TopWindowOfClass(menu, "Menu")->at("items");
  const UINT order[] = {kCommandObserver, kCommandAltAzGrid, kCommandStarNames, kCommandHourOn, kCommandDayOn,
                        kCommandHourBack, kCommandNow, kCommandLookUp, kCommandPlace};
  std::string script = "wait\n";
  for (const UINT id : order) {
    const nlohmann::json& rect = MenuItemWithId(items, int(id))->at("rect");
    script += "rtap 120 150\ntap " + std::to_string((rect[0].get<int>() + rect[2].get<int>()) / 2) + " " +
              std::to_string((rect[1].get<int>() + rect[3].get<int>()) / 2) + "\ndump " + std::to_string(id) +
              ".json\n";
  }
  ASSERT_EQ(run.Run(script).status, 0);
  const auto after = [&](UINT id) { return MainState(run.Dump(std::to_string(id) + ".json")); };
  EXPECT_EQ(after(kCommandObserver).at("followsNow"), 1);
  EXPECT_EQ(after(kCommandAltAzGrid).at("altAzGrid"), 1);
  EXPECT_EQ(after(kCommandStarNames).at("starNames"), 1);
  EXPECT_EQ(after(kCommandHourOn).at("observerTimeUtc"), "2000-01-01T13:00:00Z");
  EXPECT_EQ(after(kCommandDayOn).at("observerTimeUtc"), "2000-01-02T13:00:00Z");
  EXPECT_EQ(after(kCommandHourBack).at("observerTimeUtc"), "2000-01-02T12:00:00Z");
  EXPECT_EQ(after(kCommandHourBack).at("followsNow"), 0);
  EXPECT_EQ(after(kCommandNow).at("observerTimeUtc"), "2000-01-01T12:00:00Z");
  EXPECT_EQ(after(kCommandNow).at("followsNow"), 1);
  EXPECT_NE(after(kCommandLookUp).at("centerDec"), after(kCommandNow).at("centerDec"));
  EXPECT_NE(TopWindowOfClass(run.Dump(std::to_string(kCommandPlace) + ".json"), "CPlaceDlg"), nullptr);
}

TEST(Observer, ItemsWorkByKeyAndTheDumpReportsTheFeatureOnlyWhileOn) {
  ProgramRun run;
  run.WriteCatalogue(Sky());
  ASSERT_EQ(run.Run("wait\ndump off.json\nkey H\ndump on.json\nkey 0xDD\ndump hour.json\n"
                    "key N\ndump now.json\nsleep 120000\ndump later.json\n"
                    "rtap 120 150\ndump menu.json\nkey ESCAPE\nkey Z\ndump up.json\nkey H\n",
                    kPocketPc, "--place 90,0")
                .status,
            0);
  EXPECT_EQ(MainState(run.Dump("off.json")).count("observerLatitude"), 0u);
  EXPECT_EQ(MainState(run.Dump("off.json")).count("bodies"), 0u);
  const nlohmann::json on = MainState(run.Dump("on.json"));
  EXPECT_EQ(on.at("observerLatitude"), 90.0);
  // A headless run's clock starts at noon on 2000-01-01 and follows the script.
  EXPECT_EQ(on.at("observerTimeUtc"), "2000-01-01T12:00:00Z");
  EXPECT_EQ(on.at("followsNow"), 1);
  EXPECT_EQ(MainState(run.Dump("hour.json")).at("observerTimeUtc"), "2000-01-01T13:00:00Z");
  EXPECT_EQ(MainState(run.Dump("hour.json")).at("followsNow"), 0);
  EXPECT_EQ(MainState(run.Dump("now.json")).at("followsNow"), 1);
  EXPECT_EQ(MainState(run.Dump("later.json")).at("observerTimeUtc"), "2000-01-01T12:02:00Z");
  const nlohmann::json menu = run.Dump("menu.json");
  const nlohmann::json* feature = MenuItemWithId(TopWindowOfClass(menu, "Menu")->at("items"), kCommandObserver);
  ASSERT_NE(feature, nullptr);
  EXPECT_EQ(feature->at("checked"), true);
  // At latitude +90 the zenith is the celestial pole: looking up centres on it.
  EXPECT_NEAR(MainState(run.Dump("up.json")).at("centerDec").get<double>(), 90.0, 0.05);

  const auto settings = run.Settings();
  const auto saved = [&](const std::string& key) -> std::optional<std::uint32_t> {
    for (const auto& [name, value] : settings)
      if (name == key) return value;
    return std::nullopt;
  };
  EXPECT_EQ(saved("Observer/On"), 0u);
  EXPECT_EQ(saved("Observer/Latitude"), 65535u + 9000u);
}

TEST(Observer, TheMinuteTimerRepaintsTheOverlayWithoutARebuild) {
  ProgramRun run;
  run.WriteCatalogue(Sky());
  WriteObserverSettings(run, "", "On=1\n");
  ASSERT_EQ(run.Run("wait\nshot before.png\ndump before.json\nsleep 60000\nshot after.png\ndump after.json\n",
                    kPocketPc, kParis)
                .status,
            0);
  const nlohmann::json before = MainState(run.Dump("before.json"));
  const nlohmann::json after = MainState(run.Dump("after.json"));
  EXPECT_EQ(before.at("observerTimeUtc"), "2024-03-20T21:30:00Z");
  EXPECT_EQ(after.at("observerTimeUtc"), "2024-03-20T21:31:00Z");
  // A rebuild writes its drawing time into the status line; none came.
  EXPECT_EQ(after.at("statusText"), before.at("statusText"));
  const Surface beforeShot = run.Shot("before.png");
  const Surface afterShot = run.Shot("after.png");
  EXPECT_FALSE(std::ranges::equal(beforeShot.Bytes(), afterShot.Bytes()));
}

TEST(Observer, ARunThatNeverTouchesTheFeatureWritesNothingOfIt) {
  ProgramRun run;
  run.WriteCatalogue(Sky());
  ASSERT_EQ(run.Run("wait\nkey 3\nrtap 120 150\nkey ESCAPE\nsleep 60000\n").status, 0);
  // Nor of the night filter, which shares the map's context menu.
  for (const auto& [name, value] : run.Settings())
    EXPECT_FALSE(name.starts_with("Observer/") || name.starts_with("NightFilter/")) << name;
}

// Holds TZ for one test: the default place comes from the system's zone.
class ZoneForTest {
 public:
  explicit ZoneForTest(const char* zone) {
    if (const char* old = std::getenv("TZ")) old_ = old;
    setenv("TZ", zone, 1);
  }
  ~ZoneForTest() {
    if (old_)
      setenv("TZ", old_->c_str(), 1);
    else
      unsetenv("TZ");
  }
  ZoneForTest(const ZoneForTest&) = delete;
  ZoneForTest& operator=(const ZoneForTest&) = delete;

 private:
  std::optional<std::string> old_;
};

std::string ClearField() {
  std::string keys;
  for (int i = 0; i < 12; ++i) keys += "key BACK\n";
  return keys;
}

TEST(Observer, ThePlaceWindowRefusesBadInputAndSaysWhenThePlaceIsZeroZero) {
  const ZoneForTest utc("");
  ProgramRun run;
  run.WriteCatalogue(Sky());
  ASSERT_EQ(run.Run("wait\nkey L\ndump window.json\n" + ClearField() +
                    "type 95 N\nkey RETURN\ndump north.json\nkey RETURN\n" + ClearField() +
                    "type abc\nkey RETURN\ndump abc.json\nkey RETURN\n" + ClearField() +
                    "type 48 51 N\nkey RETURN\ndump done.json\nkey H\ndump on.json\n")
                .status,
            0);
  const nlohmann::json window = run.Dump("window.json");
  const nlohmann::json* place = TopWindowOfClass(window, "CPlaceDlg");
  ASSERT_NE(place, nullptr);
  EXPECT_EQ(place->at("state").at("placeIsFallback"), 1);
  for (const char* name : {"north.json", "abc.json"}) {
    SCOPED_TRACE(name);
    const nlohmann::json refused = run.Dump(name);
    EXPECT_NE(TopWindowOfClass(refused, "MessageBox"), nullptr);
    EXPECT_NE(TopWindowOfClass(refused, "CPlaceDlg"), nullptr);
  }
  EXPECT_EQ(TopWindowOfClass(run.Dump("done.json"), "CPlaceDlg"), nullptr);
  EXPECT_NEAR(MainState(run.Dump("on.json")).at("observerLatitude").get<double>(), 48.85, 1e-9);
}

}  // namespace
