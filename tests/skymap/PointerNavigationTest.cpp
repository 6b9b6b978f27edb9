#include "skymap/PointerNavigation.h"

#include <gtest/gtest.h>

#include <cmath>

#include "skymap/Navigation.h"
#include "skymap/Projection.h"

using namespace vespera;

namespace {

// The 240 x 320 Pocket PC's map.
constexpr MapGeometry kGeometry{0, 19, 20, 240, 281, 117};

MapPoint Landing(const ViewState& view, float ra, float dec) {
  int x = 0, y = 0;
  EXPECT_TRUE(ProjectToScreen(view, kGeometry, ra, dec, x, y)) << ra << " " << dec;
  return {double(x), double(y)};
}

ViewState View(double ra, double dec, double zoom) {
  ViewState view;
  view.centerRa = ra;
  view.centerDec = dec;
  view.zoom = zoom;
  return view;
}

struct Star {
  float ra, dec;
};

TEST(PointerNavigation, ADraggedStarStaysUnderThePointerInBothOrientations) {
  struct Case {
    ViewState view;
    Star star;
    MapPoint to;
  };
  const Case cases[] = {
      {View(0, 60, 1.0), {20, 55}, {60, 200}},      // north at the bottom
      {View(200, 110, 2.0), {15, 65}, {180, 40}},   // north up, as after centring
      {View(-375, 30, 4.0), {-8, 31}, {100, 150}},  // centerRa far outside 0..360
      {View(0, 90, 1.0), {45, 70}, {150, 150}},     // the default view
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.view.centerRa << "," << c.view.centerDec << " zoom " << c.view.zoom);
    const MapPoint from = Landing(c.view, c.star.ra, c.star.dec);
    const ViewState dragged = DraggedView(c.view, kGeometry, from, c.to);
    const MapPoint now = Landing(dragged, c.star.ra, c.star.dec);
    // One pixel for truncation, one for the six-decimal tables.
    EXPECT_NEAR(now.x, c.to.x, 2.0);
    EXPECT_NEAR(now.y, c.to.y, 2.0);
    // The view keeps its orientation and does not jump by whole turns.
    EXPECT_EQ(std::cos(dragged.centerDec * M_PI / 180) < 0, std::cos(c.view.centerDec * M_PI / 180) < 0);
    EXPECT_LT(std::abs(dragged.centerRa - c.view.centerRa), 180.0);
    EXPECT_EQ(dragged.zoom, c.view.zoom);
  }
}

TEST(PointerNavigation, GrabbingThePoleMovesTheCentreByTheAngleDragged) {
  const ViewState pole = View(0, 90, 1.0);
  const MapPoint centre{120, 140};
  const ViewState right = DraggedView(pole, kGeometry, centre, {160, 140});
  EXPECT_NEAR(right.centerRa, -40.0 / 117 * 180 / M_PI, 1e-9);
  EXPECT_EQ(right.centerDec, 90.0);
  // Straight down the pole itself can follow: the orthographic offset is the
  // sine of the angle.
  const ViewState down = DraggedView(pole, kGeometry, centre, {120, 150});
  EXPECT_NEAR(down.centerDec, 90.0 - std::asin(10.0 / 117) * 180 / M_PI, 1e-9);
  // No motion, no change.
  const ViewState still = DraggedView(pole, kGeometry, centre, centre);
  EXPECT_EQ(still.centerRa, 0.0);
  EXPECT_EQ(still.centerDec, 90.0);
}

TEST(PointerNavigation, ZoomingAboutThePointerKeepsItsStarAndOutsideTheSkyAboutTheCentre) {
  ViewState view = View(30, 45, 1.5);
  const MapPoint at = Landing(view, 50, 40);
  ZoomAbout(view, kGeometry, at, true);
  EXPECT_DOUBLE_EQ(view.zoom, 1.5 * 1.1);
  const MapPoint now = Landing(view, 50, 40);
  EXPECT_NEAR(now.x, at.x, 2.0);
  EXPECT_NEAR(now.y, at.y, 2.0);

  // A corner beyond the visible disc has no sky under it.
  ViewState wide = View(30, 45, 0.5);
  ZoomAbout(wide, kGeometry, {1, 20}, false);
  EXPECT_EQ(wide.centerRa, 30.0);
  EXPECT_EQ(wide.centerDec, 45.0);
  EXPECT_DOUBLE_EQ(wide.zoom, 0.5 * kZoomOutFactor);
  EXPECT_FALSE(SkyPointAt(View(0, 0, 0.5), kGeometry, {1, 1}).has_value());
}

}  // namespace
