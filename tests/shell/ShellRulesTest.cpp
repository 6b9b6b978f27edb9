// The main window's small rules that need no window: the name switches, the
// Start-menu corner, the navigation command ids, what a search result does
// to the view and the bodies kept for the observer's shown minute.

#include <gtest/gtest.h>

#include "shell/DisplayToggles.h"
#include "shell/FullScreen.h"
#include "ephemeris/TimeText.h"
#include "shell/NavigationCommands.h"
#include "shell/ObserverBodies.h"
#include "shell/SearchChoice.h"
#include "tests/skymap/SkyFixtures.h"

using namespace vespera;

namespace {

TEST(NameSwitches, ActAsAPairOverTheThreeStyles) {
  EXPECT_EQ(AfterShortNamesToggle(ConstellationNameStyle::Short), ConstellationNameStyle::None);
  EXPECT_EQ(AfterShortNamesToggle(ConstellationNameStyle::Full), ConstellationNameStyle::Short);
  EXPECT_EQ(AfterShortNamesToggle(ConstellationNameStyle::None), ConstellationNameStyle::Short);
  EXPECT_EQ(AfterFullNamesToggle(ConstellationNameStyle::Short), ConstellationNameStyle::Full);
  EXPECT_EQ(AfterFullNamesToggle(ConstellationNameStyle::Full), ConstellationNameStyle::None);
  EXPECT_EQ(AfterFullNamesToggle(ConstellationNameStyle::None), ConstellationNameStyle::Full);
  // Short, then full twice, then short: full names, none, short again.
  ConstellationNameStyle style = ConstellationNameStyle::Short;
  style = AfterFullNamesToggle(style);
  EXPECT_EQ(style, ConstellationNameStyle::Full);
  style = AfterFullNamesToggle(style);
  EXPECT_EQ(style, ConstellationNameStyle::None);
  EXPECT_EQ(AfterShortNamesToggle(style), ConstellationNameStyle::Short);
  // A stored 5 counts as on and turns off.
  EXPECT_EQ(AfterFlagToggle(5), 0);
  EXPECT_EQ(AfterFlagToggle(AfterFlagToggle(1)), 1);
}

TEST(StartMenuCorner, IsFiftyPixelsWideAndAsHighAsTheStrip) {
  EXPECT_TRUE(IsStartMenuCorner({49, 25}, 26));
  EXPECT_FALSE(IsStartMenuCorner({50, 25}, 26));
  EXPECT_FALSE(IsStartMenuCorner({49, 26}, 26));
  EXPECT_TRUE(IsStartMenuCorner({0, 51}, 52));
  EXPECT_FALSE(IsStartMenuCorner({0, 52}, 52));
}

TEST(NavigationCommands, CommandIdsReachTheirSteps) {
  EXPECT_EQ(NavigationStepForCommand(1001), NavigationStep::ZoomIn);
  EXPECT_EQ(NavigationStepForCommand(1004), NavigationStep::PanLeft);
  EXPECT_EQ(NavigationStepForCommand(1010), NavigationStep::ResetView);
  EXPECT_EQ(NavigationStepForCommand(32779), NavigationStep::Magnitude3);
  EXPECT_EQ(NavigationStepForCommand(32787), NavigationStep::MagnitudeAll);
  EXPECT_EQ(NavigationStepForCommand(32798), NavigationStep::ZoomLevel16);
  EXPECT_EQ(NavigationStepForCommand(1002), std::nullopt);  // the menu button
  EXPECT_EQ(NavigationStepForCommand(32780), std::nullopt);  // About
}

struct SearchChoiceTest : ::testing::Test {
  void SetUp() override {
    catalogs.starCatalog.objects.Append(MakeObjectRecord(10.0f, 20.0f, 5.3f, "Star A"));
    catalogs.starCatalog.objects.Append(MakeObjectRecord(250.5f, -40.25f, -1.4f, "Star B"));
    catalogs.deepSkyCatalog.objects.Append(MakeObjectRecord(83.8f, -5.4f, 4.0f, "1976"));
    catalogs.deepSkyCatalog.objects.Append(MakeObjectRecord(85.25f, -2.46f, kPlaceholderMagnitude, "B 33"));
    catalogs.constellationLabelCatalog.labels.Append(MakeLabelRecord(279.0f, 38.5f, u"Lyr", u"Lyra"));
    MarkLoaded(catalogs);
  }
  bool Apply(std::intptr_t code, std::int32_t index) {
    return ApplySearchChoice({code, index}, view, selection, catalogs);
  }
  SkyCatalogs catalogs;
  ViewState view;
  Selection selection;
};

TEST_F(SearchChoiceTest, AStarIsMadeVisibleSelectedAndCentredNorthUp) {
  ASSERT_TRUE(Apply(kSearchShowStar, 0));
  EXPECT_EQ(view.magnitudeLimit, 6.0);
  EXPECT_EQ(view.zoom, 3.0);
  EXPECT_TRUE(selection.has_value());
  EXPECT_EQ(selection->kind, SelectionKind::Star);
  EXPECT_EQ(selection->index, 0);
  EXPECT_DOUBLE_EQ(view.centerRa, 190.0);
  EXPECT_DOUBLE_EQ(view.centerDec, 160.0);
}

TEST_F(SearchChoiceTest, AHigherLimitAndCloserZoomStay) {
  view.magnitudeLimit = 9.0;
  view.zoom = 8.0;
  ASSERT_TRUE(Apply(kSearchShowStar, 0));
  EXPECT_EQ(view.magnitudeLimit, 9.0);
  EXPECT_EQ(view.zoom, 8.0);
  // A bright star's whole magnitude above it is -1: the limit never drops.
  ASSERT_TRUE(Apply(kSearchShowStar, 1));
  EXPECT_EQ(view.magnitudeLimit, 9.0);
  EXPECT_EQ(selection->index, 1);
}

TEST_F(SearchChoiceTest, ADeepSkyObjectReplacesTheSelection) {
  ASSERT_TRUE(Apply(kSearchShowStar, 0));
  ASSERT_TRUE(Apply(kSearchShowDeepSky, 0));
  EXPECT_EQ(selection->kind, SelectionKind::DeepSky);
  EXPECT_EQ(view.magnitudeLimit, 6.0);
}

TEST_F(SearchChoiceTest, AnObjectWithoutAMagnitudeIsSelectedAndCentredButLeavesTheLimit) {
  view.magnitudeLimit = 4.0;
  ASSERT_TRUE(Apply(kSearchShowDeepSky, 1));
  EXPECT_EQ(view.magnitudeLimit, 4.0);
  EXPECT_EQ(view.zoom, 3.0);
  EXPECT_EQ(selection->kind, SelectionKind::DeepSky);
  EXPECT_EQ(selection->index, 1);
  EXPECT_DOUBLE_EQ(view.centerRa, 265.25);
  // A real magnitude beside it still raises the limit as before.
  ASSERT_TRUE(Apply(kSearchShowDeepSky, 0));
  EXPECT_EQ(view.magnitudeLimit, 5.0);
}

TEST_F(SearchChoiceTest, AConstellationIsCentredAtAZoomOfAtMostThreeAndKeepsTheSelection) {
  ASSERT_TRUE(Apply(kSearchShowStar, 0));
  view.zoom = 8.0;
  ASSERT_TRUE(Apply(kSearchShowConstellation, 0));
  EXPECT_EQ(view.zoom, 3.0);
  EXPECT_DOUBLE_EQ(view.centerRa, 459.0);
  EXPECT_DOUBLE_EQ(view.centerDec, 141.5);
  EXPECT_EQ(selection->kind, SelectionKind::Star);

  view.zoom = 1.0;
  ASSERT_TRUE(Apply(kSearchShowConstellation, 0));
  EXPECT_EQ(view.zoom, 1.0);
}

TEST_F(SearchChoiceTest, NoChoiceOrAnIndexTheCatalogueLacksChangesNothing) {
  const ViewState before = view;
  EXPECT_FALSE(Apply(1, -1));  // "Close window"
  EXPECT_FALSE(Apply(2, -1));  // the close button
  EXPECT_FALSE(Apply(kSearchShowStar, -1));
  EXPECT_FALSE(Apply(kSearchShowStar, 2));
  EXPECT_FALSE(Apply(kSearchShowDeepSky, 99999));
  EXPECT_FALSE(Apply(kSearchShowConstellation, 1));
  EXPECT_EQ(view.zoom, before.zoom);
  EXPECT_EQ(view.magnitudeLimit, before.magnitudeLimit);
  EXPECT_EQ(view.centerRa, before.centerRa);
  EXPECT_FALSE(selection.has_value());
}

// The kept bodies are those of the shown minute and place: computed again
// when either changes, the Moon moved to the observer.
TEST(ObserverBodies, FollowTheShownMinuteAndPlace) {
  Observer observer;
  observer.choices().place = Place{48.85, 2.35};
  // Half a minute in, so the clock running on during the test keeps the minute.
  const UtcInstant shown = *ParseUtcTime("2024-03-20T21:30Z") + std::chrono::seconds(30);
  observer.ShowTime(shown);
  ObserverSky sky;
  ObserverBodies bodies;
  bodies.Update(observer, sky);
  ASSERT_EQ(bodies.bodies().size(), std::size_t{kBodyCount});
  const TimeScales minute = *TimeScalesAt(std::chrono::floor<std::chrono::minutes>(shown));
  const ShownBody& jupiter = *bodies.Find(Body::Jupiter);
  EXPECT_EQ(jupiter.place, SkyPointOf(ComputeBody(Body::Jupiter, minute)->astrometric));
  EXPECT_EQ(DescribeBody(jupiter).substr(0, 22), u"Planet: Jupiter, mag: ");
  EXPECT_NEAR(*jupiter.magnitude, -2.1, 0.2);
  EXPECT_EQ(DescribeBody(*bodies.Find(Body::Sun)), u"Sun");
  // A waxing gibbous Moon: the lit limb faces the Sun, west of the Moon.
  const ShownBody moon = *bodies.Find(Body::Moon);
  EXPECT_EQ(DescribeBody(moon), u"Moon: 84% lit");
  EXPECT_GT(moon.brightLimbAngle, kPi);
  EXPECT_GT(*moon.magnitude, MoonMagnitude(0.0));
  // From Paris the Moon stands most of a degree off its geocentric place.
  const Vector3 geocentric = ComputeBody(Body::Moon, minute)->astrometric;
  EXPECT_GT(AngleBetween(moon.direction, geocentric), 0.3 * kRadiansPerDegree);

  const SkyPoint moonInParis = moon.place;
  observer.choices().place = Place{-33.9, 151.2};
  bodies.Update(observer, sky);
  EXPECT_NE(bodies.Find(Body::Moon)->place, moonInParis);
  observer.StepTime(std::chrono::days(1));
  bodies.Update(observer, sky);
  EXPECT_GT(AngleBetween(bodies.Find(Body::Moon)->direction, moon.direction), 10 * kRadiansPerDegree);
  bodies.Clear();
  EXPECT_TRUE(bodies.bodies().empty());
  EXPECT_EQ(bodies.Find(Body::Moon), nullptr);
}

}  // namespace
