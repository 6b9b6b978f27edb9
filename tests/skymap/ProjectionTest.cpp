#include "skymap/Projection.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <random>

#include "tests/support/QvgaGeometry.h"

using namespace vespera;

namespace {


struct Landing {
  bool visible = false;
  int x = -12345;
  int y = -12345;
  friend bool operator==(const Landing&, const Landing&) = default;
};

Landing Project(const ViewState& view, float ra, float dec, const MapGeometry& geometry = kQvgaGeometry) {
  Landing landing;
  landing.visible = ProjectToScreen(view, geometry, ra, dec, landing.x, landing.y);
  return landing;
}

ViewState Centred(double ra, double dec, double zoom = 1.0) {
  ViewState view;
  view.centerRa = ra;
  view.centerDec = dec;
  view.zoom = zoom;
  return view;
}

TEST(Projection, DefaultViewPutsThePoleAtTheCentreAndTheEquatorOnTheRim) {
  const ViewState view;
  EXPECT_EQ(Project(view, 0, 90), (Landing{true, 120, 139}));
  EXPECT_EQ(Project(view, 0, 0), (Landing{true, 120, 23}));
  EXPECT_EQ(Project(view, 90, 0), (Landing{true, 237, 139}));
  EXPECT_EQ(Project(view, 180, 0), (Landing{true, 120, 255}));
  EXPECT_EQ(Project(view, 270, 0), (Landing{true, 3, 139}));
}

TEST(Projection, OverThePoleViewShowsTheSameSkyTurnedHalfRound) {
  EXPECT_EQ(Project(Centred(30, 40), 35, 45), (Landing{true, 127, 149}));
  EXPECT_EQ(Project(Centred(210, 140), 35, 45), (Landing{true, 113, 129}));
}

TEST(Projection, FarHemisphereIsHiddenAndLeavesTheOutputAlone) {
  const ViewState view;
  EXPECT_EQ(Project(view, 45, -0.01f), Landing{});
  EXPECT_EQ(Project(view, 200, -60), Landing{});
  EXPECT_EQ(Project(Centred(100, 10), 280, -10), Landing{});
}

TEST(Projection, ObjectAtTheCentreLandsThereEvenWhenTheTablesOvershootOne) {
  // Centring on (0, -89) gives the view (180, 269); the six-decimal tables
  // make the cosine of the distance 1 + 6e-7 there.
  EXPECT_EQ(Project(Centred(180, 269), 0, -89), (Landing{true, 120, 139}));
  EXPECT_EQ(Project(Centred(12.5, -40), 12.5f, -40), (Landing{true, 120, 139}));
  EXPECT_EQ(Project(Centred(30, 40), 30, 40, MapGeometry{0, 52, 32, 480, 556, 237}),
            (Landing{true, 240, 278}));
}

TEST(Projection, ZoomMovesTheRimAndPointsOutsideTheMapStayVisible) {
  const Landing rim = Project(Centred(0, 90, 2.0), 0, 0);
  EXPECT_TRUE(rim.visible);
  EXPECT_EQ(rim.x, 120);
  EXPECT_NEAR(rim.y, 139 - 2 * 117, 1);
  EXPECT_LT(rim.y, 0);
}

TEST(Projection, AgreesWithTheExactOrthographicProjection) {
  std::mt19937 random(7);
  std::uniform_real_distribution<double> anyRa(-400, 400), anyDec(-100, 280);
  std::uniform_real_distribution<float> starRa(0, 360), starDec(-90, 90);
  constexpr double rad = std::numbers::pi / 180;
  int compared = 0;
  while (compared < 3000) {
    const ViewState view = Centred(anyRa(random), anyDec(random), 1.7);
    const float ra = starRa(random), dec = starDec(random);
    const Landing landing = Project(view, ra, dec);
    const double k = std::cos(dec * rad) * std::cos((view.centerRa - ra) * rad) * std::cos(view.centerDec * rad) +
                     std::sin(dec * rad) * std::sin(view.centerDec * rad);
    if (std::abs(k) < 1e-3) continue;  // too close to the rim to call
    ASSERT_EQ(landing.visible, k > 0) << ra << " " << dec;
    if (!landing.visible) continue;
    const double scale = view.zoom * kQvgaGeometry.mapRadius;
    const double x = scale * std::cos(dec * rad) * std::sin((ra - view.centerRa) * rad);
    const double y = scale * (std::sin(dec * rad) * std::cos(view.centerDec * rad) -
                              std::cos(dec * rad) * std::sin(view.centerDec * rad) *
                                  std::cos((view.centerRa - ra) * rad));
    EXPECT_NEAR(landing.x, 120 + x, 1.01);
    EXPECT_NEAR(landing.y, 139 + y, 1.01);
    ++compared;
  }
}

TEST(Projection, NonFinitePositionsAndViewsAreNotVisible) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  const ViewState view;
  EXPECT_EQ(Project(view, nan, 45), Landing{});
  EXPECT_EQ(Project(view, 10, nan), Landing{});
  EXPECT_EQ(Project(view, inf, 45), Landing{});
  EXPECT_EQ(Project(view, 10, -inf), Landing{});
  EXPECT_EQ(Project(Centred(std::nan(""), 90), 10, 80), Landing{});
  EXPECT_EQ(Project(Centred(0, std::nan("")), 10, 80), Landing{});
}

TEST(Projection, CoordinatesBeyondThirtyTwoBitsAreNotVisible) {
  // At this zoom the equator point at RA 90 lands a few pixels short of the
  // largest int; one step further it would not fit.
  const Landing edge = Project(Centred(0, 90, 18354560), 90, 0);
  EXPECT_TRUE(edge.visible);
  EXPECT_GT(edge.x, 2147483000);
  EXPECT_EQ(Project(Centred(0, 90, 18354561), 90, 0), Landing{});
  // The negative side has one value more, and the west point still fits.
  const Landing west = Project(Centred(0, 90, 18354561), 270, 0);
  EXPECT_TRUE(west.visible);
  EXPECT_LT(west.x, -2147483000);
  EXPECT_EQ(Project(Centred(0, 90, 18354600), 270, 0), Landing{});
  EXPECT_EQ(Project(Centred(0, 90, 1e300), 90, 45), Landing{});
  EXPECT_EQ(Project(Centred(0, 90, std::numeric_limits<double>::infinity()), 0, 90), Landing{});
}

}  // namespace
