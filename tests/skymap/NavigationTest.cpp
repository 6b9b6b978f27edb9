#include "skymap/Navigation.h"

#include <gtest/gtest.h>

#include <limits>

#include "catalog/SkyRecords.h"

using namespace vespera;

namespace {

ViewState ZoomedTo(double zoom) {
  ViewState view;
  view.zoom = zoom;
  return view;
}

TEST(Navigation, PanStepIsCoarseUpToZoomThreeAndFineAbove) {
  ViewState view = ZoomedTo(3.0);
  EXPECT_TRUE(PanRight(view));
  EXPECT_EQ(view.centerRa, 2.5);

  view = ZoomedTo(1.0);
  for (int i = 0; i < 12; ++i) EXPECT_TRUE(ZoomIn(view));
  EXPECT_EQ(view.zoom, 3.1384283767210035);
  EXPECT_TRUE(PanDown(view));
  EXPECT_EQ(view.centerDec, 91.5);
}

TEST(Navigation, VerticalPanRunsOverThePoleWithoutWrapping) {
  ViewState view;
  EXPECT_TRUE(PanUp(view));
  EXPECT_EQ(view.centerDec, 87.5);
  view = ViewState{};
  EXPECT_TRUE(PanDown(view));
  EXPECT_EQ(view.centerDec, 92.5);
}

TEST(Navigation, HorizontalPanKeepsGoingPastZero) {
  ViewState view;
  for (int i = 0; i < 150; ++i) EXPECT_TRUE(PanLeft(view));
  EXPECT_EQ(view.centerRa, -375.0);
}

TEST(Navigation, ZoomStepsAreExactAndZoomLevelsCompareExactly) {
  ViewState view;
  EXPECT_TRUE(ZoomIn(view));
  EXPECT_TRUE(ZoomOut(view));
  EXPECT_EQ(view.zoom, 1.0);
  EXPECT_FALSE(SetZoomLevel(view, 1));

  EXPECT_TRUE(ZoomIn(view));
  EXPECT_TRUE(ZoomIn(view));
  EXPECT_EQ(view.zoom, 1.2100000000000002);
  EXPECT_TRUE(SetZoomLevel(view, 4));
  EXPECT_FALSE(SetZoomLevel(view, 4));
  EXPECT_EQ(view.zoom, 4.0);
}

TEST(Navigation, ResetRestoresTheDefaultViewAndKeepsTheSwitches) {
  ViewState view;
  view.centerRa = -375;
  view.centerDec = 200;
  view.zoom = 16;
  view.magnitudeLimit = 20;
  view.showConstellationLines = 0;
  view.constellationNameStyle = ConstellationNameStyle::Full;
  EXPECT_TRUE(ResetView(view));
  EXPECT_EQ(view.centerRa, 0.0);
  EXPECT_EQ(view.centerDec, 90.0);
  EXPECT_EQ(view.zoom, 1.0);
  EXPECT_EQ(view.magnitudeLimit, 4.0);
  EXPECT_EQ(view.showConstellationLines, 0);
  EXPECT_EQ(view.constellationNameStyle, ConstellationNameStyle::Full);
}

TEST(Navigation, StepsReachTheirEffects) {
  ViewState view;
  EXPECT_TRUE(ApplyNavigation(view, NavigationStep::MagnitudeAll));
  EXPECT_EQ(view.magnitudeLimit, 20.0);
  EXPECT_TRUE(ApplyNavigation(view, NavigationStep::Magnitude3));
  EXPECT_EQ(view.magnitudeLimit, 3.0);
  EXPECT_TRUE(ApplyNavigation(view, NavigationStep::ZoomLevel16));
  EXPECT_FALSE(ApplyNavigation(view, NavigationStep::ZoomLevel16));
  EXPECT_EQ(view.zoom, 16.0);
  EXPECT_TRUE(ApplyNavigation(view, NavigationStep::PanLeft));
  EXPECT_EQ(view.centerRa, -1.5);
  EXPECT_TRUE(ApplyNavigation(view, NavigationStep::ResetView));
  EXPECT_EQ(view.zoom, 1.0);
}

TEST(Navigation, RevealingAnObjectRaisesTheLimitToTheNextWholeMagnitudeAndZoomsToThree) {
  ViewState view;
  RevealObject(view, 5.3f);
  EXPECT_EQ(view.magnitudeLimit, 6.0);
  EXPECT_EQ(view.zoom, 3.0);

  view.magnitudeLimit = 9.0;
  view.zoom = 8.0;
  RevealObject(view, 5.3f);
  EXPECT_EQ(view.magnitudeLimit, 9.0);
  EXPECT_EQ(view.zoom, 8.0);

  // floor(-1.4) + 1 is -1; a limit already above it stays.
  view.magnitudeLimit = -3.0;
  RevealObject(view, -1.4f);
  EXPECT_EQ(view.magnitudeLimit, -1.0);
  // A whole magnitude still gets the next one, so the object passes the test.
  RevealObject(view, 6.0f);
  EXPECT_EQ(view.magnitudeLimit, 7.0);
}

TEST(Navigation, RevealingADamagedObjectKeepsAUsableLimit) {
  ViewState view;
  RevealObject(view, std::numeric_limits<float>::quiet_NaN());
  RevealObject(view, std::numeric_limits<float>::infinity());
  // Nor does the placeholder of an object no reference gives a magnitude.
  RevealObject(view, kPlaceholderMagnitude);
  EXPECT_EQ(view.magnitudeLimit, 4.0);
  EXPECT_EQ(view.zoom, 3.0);
}

TEST(Navigation, RevealingAConstellationZoomsOutToThreeAtMost) {
  ViewState view = ZoomedTo(8.0);
  RevealConstellation(view);
  EXPECT_EQ(view.zoom, 3.0);
  view.zoom = 1.0;
  RevealConstellation(view);
  EXPECT_EQ(view.zoom, 1.0);
}

}  // namespace
