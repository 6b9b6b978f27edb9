// The map under a mouse, a finger and a desktop keyboard: dragging, the
// wheel, and the plus, minus and page keys, beside the device's own taps
// and keys.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "tests/e2e/ProgramRun.h"

using namespace vespera;

namespace {

// Polaris on the pole, which the default view puts at the map's centre
// (120, 165 on the 240 x 320 Pocket PC).
CatalogueFixture PoleStar() {
  CatalogueFixture sky;
  sky.stars = {MakeObjectRecord(0, 90, 1.0f, "alf UMi")};
  sky.starNames = {MakeNameRecord("alf UMi", "Polaris")};
  return sky;
}

TEST(Drag, FromThePoleRightTurnsTheViewAndKeepsTheSelectionOfThePress) {
  ProgramRun run;
  run.WriteCatalogue(PoleStar());
  ASSERT_EQ(run.Run("wait\ndown 120 165\nmove 130 165\nmove 145 165\nmove 160 165\nwait\ndump held.json\n"
                    "up 160 165\nwait\ndump after.json\n")
                .status,
            0);
  const auto& held = MainState(run.Dump("held.json"));
  const auto& after = MainState(run.Dump("after.json"));
  // North at the bottom: dragging right moves the stars right, as "<" does.
  EXPECT_LT(after.at("centerRa").get<double>(), -1.0);
  EXPECT_DOUBLE_EQ(after.at("centerDec").get<double>(), 90.0);
  EXPECT_EQ(after.at("centerRa"), held.at("centerRa"));
  EXPECT_EQ(after.at("hasSelection"), 1);
  EXPECT_EQ(after.at("selectionIndex"), 0);
  // The map was drawn again for the new view.
  EXPECT_EQ(after.at("statusText"), "Ready. Drawing time: 0.00s.");
  EXPECT_EQ(after.at("zoom").get<double>(), 1.0);
}

TEST(Drag, ShorterThanTheThresholdIsATapAndOnAButtonNothingNew) {
  ProgramRun run;
  run.WriteCatalogue(PoleStar());
  ASSERT_EQ(run.Run("wait\ndown 120 165\nmove 123 165\nmove 120 168\nup 120 168\nwait\ndump short.json\n"
                    "sleep 600\ndown 95 12\nmove 140 60\nmove 200 100\nup 200 100\nwait\ndump button.json\n"
                    "sleep 600\ndown 30 3\nmove 60 3\nup 60 3\nwait\ndump caption.json\n")
                .status,
            0);
  for (const char* name : {"short.json", "button.json", "caption.json"}) {
    SCOPED_TRACE(name);
    const auto& state = MainState(run.Dump(name));
    EXPECT_EQ(state.at("centerRa"), 0.0);
    EXPECT_EQ(state.at("centerDec"), 90.0);
    EXPECT_EQ(state.at("zoom"), 1.0);
  }
  const auto& tap = MainState(run.Dump("short.json"));
  EXPECT_EQ(tap.at("hasSelection"), 1);
  EXPECT_EQ(tap.at("statusText"), "Star: Polaris, mag: 1.00");
}

TEST(Touch, FivePixelsOffAStarAFingerSelectsItWhereTheStylusFindsNothing) {
  ProgramRun run;
  run.WriteCatalogue(PoleStar());
  ASSERT_EQ(run.Run("wait\ntap 125 165\ndump tap.json\nsleep 600\ntouch 125 165\ndump touch.json\n"
                    "sleep 600\ntouch 120 185\ndump far.json\n"
                    "sleep 600\ntouchdown 125 165\ntouchmove 128 169\ntouchup 120 165\nwait\ndump wobble.json\n"
                    "sleep 600\ndown 125 165\nmove 120 165\nup 120 165\nwait\ndump stylus.json\n")
                .status,
            0);
  EXPECT_EQ(MainState(run.Dump("tap.json")).at("hasSelection"), 0);
  const auto& touch = MainState(run.Dump("touch.json"));
  EXPECT_EQ(touch.at("hasSelection"), 1);
  EXPECT_EQ(touch.at("statusText"), "Star: Polaris, mag: 1.00");
  // 20 pixels is beyond a finger's reach on the 96 dpi screen.
  EXPECT_EQ(MainState(run.Dump("far.json")).at("hasSelection"), 0);
  // A finger wobbling 5 pixels taps: it selects and the map stays; the same
  // wobble of the stylus is beyond its threshold and drags.
  const auto& wobble = MainState(run.Dump("wobble.json"));
  EXPECT_EQ(wobble.at("statusText"), "Star: Polaris, mag: 1.00");
  EXPECT_EQ(wobble.at("centerRa"), 0.0);
  EXPECT_EQ(wobble.at("centerDec"), 90.0);
  EXPECT_NE(MainState(run.Dump("stylus.json")).at("centerRa"), 0.0);
}

TEST(Touch, AFingerPicksTheNearerOfTwoStarsAndItsDragPans) {
  // On the 240 x 320 screen the pole is drawn at (120, 165) and the map's
  // radius is 117 pixels: these two lie on the row of the pole, 20 and 34
  // pixels to one side; the nearer one to each touch is picked, even where
  // it is the fainter.
  CatalogueFixture sky;
  const auto decAt = [](double pixels) { return float(std::acos(pixels / 117.0) * 180.0 / std::numbers::pi); };
  sky.stars = {MakeObjectRecord(90, decAt(20), 4.0f, "alf Aaa"), MakeObjectRecord(90, decAt(34), 1.0f, "bet Aaa")};
  sky.starNames = {MakeNameRecord("alf Aaa", "Near"), MakeNameRecord("bet Aaa", "Far")};
  ProgramRun run;
  run.WriteCatalogue(sky);
  ASSERT_EQ(run.Run("wait\ntouch 145 165\ndump first.json\nsleep 600\ntouch 149 165\ndump second.json\n"
                    "sleep 600\ntouchdown 60 200\ntouchmove 60 215\ntouchmove 60 230\ntouchup 60 230\nwait\n"
                    "dump drag.json\n")
                .status,
            0);
  EXPECT_EQ(MainState(run.Dump("first.json")).at("statusText"), "Star: Near, mag: 4.00");
  EXPECT_EQ(MainState(run.Dump("second.json")).at("statusText"), "Star: Far, mag: 1.00");
  // 30 pixels down: the stars go down with the finger, as "U" moves them.
  EXPECT_LT(MainState(run.Dump("drag.json")).at("centerDec").get<double>(), 90.0);
}

TEST(Drag, TheDraggedViewIsSavedLikeAnyOther) {
  ProgramRun run;
  run.WriteCatalogue(PoleStar());
  ASSERT_EQ(run.Run("wait\ndown 120 200\nmove 120 230\nup 120 230\nwait\ndump after.json\n").status, 0);
  const double dec = MainState(run.Dump("after.json")).at("centerDec").get<double>();
  // Dragging down moves the stars down, as "U" does.
  EXPECT_LT(dec, 90.0);
  ProgramRun untouched;
  untouched.WriteCatalogue(PoleStar());
  ASSERT_EQ(untouched.Run("wait\n").status, 0);
  auto savedDec = [](const ProgramRun& r) {
    for (const auto& [name, value] : r.Settings())
      if (name == "Main/V_DEC1") return std::optional<std::uint32_t>(value);
    return std::optional<std::uint32_t>();
  };
  ASSERT_TRUE(savedDec(run).has_value());
  EXPECT_NE(savedDec(run), savedDec(untouched));
}

TEST(Wheel, NotchesZoomInStepsOfTheButtonsAndComeBackExactly) {
  ProgramRun run;
  run.WriteCatalogue(PoleStar());
  ASSERT_EQ(run.Run("wait\nwheel 1 120 165\ndump in.json\nwheel -1 120 165\ndump back.json\n"
                    "wheel 2 60 12\ndump caption.json\nmove 200 250\nwheel -2\ndump hover.json\n")
                .status,
            0);
  EXPECT_DOUBLE_EQ(MainState(run.Dump("in.json")).at("zoom").get<double>(), 1.1);
  EXPECT_EQ(MainState(run.Dump("back.json")).at("zoom").get<double>(), 1.0);
  // Over the caption strip the zoom is about the centre.
  const auto& caption = MainState(run.Dump("caption.json"));
  EXPECT_DOUBLE_EQ(caption.at("zoom").get<double>(), 1.2100000000000002);
  EXPECT_EQ(caption.at("centerRa"), 0.0);
  EXPECT_EQ(caption.at("centerDec"), 90.0);
  // Without a position, the wheel turns where the pointer last was.
  const auto& hover = MainState(run.Dump("hover.json"));
  EXPECT_EQ(hover.at("zoom").get<double>(), 1.0);
  EXPECT_NE(hover.at("centerDec").get<double>(), 90.0);
}

TEST(DesktopKeys, PlusMinusAndPageKeysZoomLikeThreeAndOne) {
  ProgramRun run;
  run.WriteCatalogue(PoleStar());
  ASSERT_EQ(run.Run("wait\nkey PLUS\ndump plus.json\nkey PAGEDOWN\ndump pagedown.json\n"
                    "key ADD\nkey PAGEUP\ndump in2.json\nkey SUBTRACT\nkey MINUS\ndump out2.json\n"
                    "keydown PAGEUP\nkeyup PAGEUP\nwait\ndump released.json\n")
                .status,
            0);
  EXPECT_DOUBLE_EQ(MainState(run.Dump("plus.json")).at("zoom").get<double>(), 1.1);
  EXPECT_EQ(MainState(run.Dump("pagedown.json")).at("zoom").get<double>(), 1.0);
  EXPECT_DOUBLE_EQ(MainState(run.Dump("in2.json")).at("zoom").get<double>(), 1.2100000000000002);
  EXPECT_EQ(MainState(run.Dump("out2.json")).at("zoom").get<double>(), 1.0);
  // Let go before the message is handled: nothing, like the digit keys.
  EXPECT_EQ(MainState(run.Dump("released.json")).at("zoom").get<double>(), 1.0);
}

TEST(DesktopKeys, DoNothingToTheMapWhileAnotherWindowIsOpen) {
  ProgramRun run;
  run.WriteCatalogue(PoleStar());
  // Help (access key P), then the search window (S), each with zoom keys.
  ASSERT_EQ(run.Run("wait\nkey RETURN\nkey P\nkey PAGEUP\nkey PLUS\nkey ESCAPE\ndump help.json\n"
                    "key RETURN\nkey S\nkey PAGEDOWN\nkey ADD\nkey ESCAPE\ndump search.json\n"
                    "key RETURN\nkey PAGEUP\nkey ESCAPE\ndump menu.json\n")
                .status,
            0);
  for (const char* name : {"help.json", "search.json", "menu.json"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(MainState(run.Dump(name)).at("zoom").get<double>(), 1.0);
  }
}

}  // namespace
