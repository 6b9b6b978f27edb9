// The rebuild's shortcuts against the plain loop where they are tightest:
// objects strewn just inside and just outside the farthest distance from the
// centre at which the map area still reaches, and records a damaged file may
// hold. Any object the shortcuts wrongly leave out, or let through to the
// wrong pixel, changes the picture or the caches.

#include "skymap/VisibleRegion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "tests/skymap/SkyFixtures.h"
#include "tests/support/ReferenceSkyPicture.h"

using namespace vespera;

namespace {

constexpr double kRadians = std::numbers::pi / 180;

struct Centre {
  double ra;
  double dec;
};

// The point `distance` degrees from (ra, dec) along `bearing`, on the true sphere.
SkyObjectRecord PointFrom(const Centre& centre, double distance, double bearing, float magnitude) {
  const double d = distance * kRadians, b = bearing * kRadians;
  const double dec0 = centre.dec * kRadians;
  const double sinDec = std::sin(dec0) * std::cos(d) + std::cos(dec0) * std::sin(d) * std::cos(b);
  const double dec = std::asin(std::clamp(sinDec, -1.0, 1.0));
  const double ra = centre.ra * kRadians + std::atan2(std::sin(b) * std::sin(d) * std::cos(dec0),
                                                      std::cos(d) - std::sin(dec0) * sinDec);
  return MakeObjectRecord(static_cast<float>(ra / kRadians), static_cast<float>(dec / kRadians), magnitude);
}

// The view's farthest visible distance in degrees: where the rim of the disc
// of zoom x radius pixels meets the corner of the map area.
double ReachDegrees(const ViewState& view, const MapGeometry& geometry) {
  const double corner = std::hypot(geometry.mapWidth / 2.0, geometry.mapHeight / 2.0);
  const double sine = corner / (view.zoom * geometry.mapRadius);
  return sine >= 1 ? 90 : std::asin(sine) / kRadians;
}

class VisibleRegionTest : public ::testing::Test {
 protected:
  VisibleRegionTest() {
    for (MapPixels* p : {&expectedPixels, &actualPixels})
      p->AllocatePixels(geometry.mapWidth, geometry.mapHeight, geometry.mapWidth * 4, 32);
  }

  void ExpectSameAsPlainLoop() {
    DrawReferenceSkyPicture(expectedPixels, expectedHits, catalogs, view, geometry);
    DrawSkyPicture(actualPixels, actualHits, work, catalogs, view, geometry);
    EXPECT_TRUE(std::ranges::equal(expectedPixels.bytes(), actualPixels.bytes()));
    EXPECT_TRUE(std::ranges::equal(expectedHits.stars.entries(), actualHits.stars.entries()));
    EXPECT_TRUE(std::ranges::equal(expectedHits.deepSky.entries(), actualHits.deepSky.entries()));
  }

  MapGeometry geometry = kQvgaGeometry;
  ViewState view;
  SkyCatalogs catalogs;
  MapPixels expectedPixels, actualPixels;
  MapHitCaches expectedHits, actualHits;
  RebuildWork work;
};

TEST_F(VisibleRegionTest, ObjectsAroundTheFarthestReachLandAsWithThePlainLoop) {
  int views = 0, viewsWithStars = 0;
  for (const Centre centre : {Centre{0, 90}, Centre{10, 45}, Centre{200, 140}, Centre{359.9, -89.5},
                              Centre{77, 0}, Centre{-400, 260}}) {
    for (double zoom : {1.0, 1.2, 1.7, 4.0, 90.0, 6000.0, 400000.0}) {
      SCOPED_TRACE(testing::Message() << "centre (" << centre.ra << ", " << centre.dec << "), zoom " << zoom);
      view.centerRa = centre.ra;
      view.centerDec = centre.dec;
      view.zoom = zoom;
      // The true centre: (ra + 180, 180 - dec) stands for (ra, dec) when dec is over the pole.
      const bool overPole = std::cos(centre.dec * kRadians) < 0;
      const Centre sky{overPole ? centre.ra + 180 : centre.ra,
                       std::asin(std::sin(centre.dec * kRadians)) / kRadians};
      const double reach = ReachDegrees(view, geometry);
      catalogs.starCatalog.objects.Resize(0);
      for (int step = -40; step <= 40; ++step) {
        for (double bearing = 0; bearing < 360; bearing += 0.5) {
          const double distance = std::min(reach * (1 + step * 2e-4), reach + step * 2e-4);
          catalogs.starCatalog.objects.Append(PointFrom(sky, distance, bearing + step * 0.01, 1.0f));
        }
      }
      ExpectSameAsPlainLoop();
      ++views;
      if (actualHits.stars.count() > 0) ++viewsWithStars;
    }
  }
  // The rings cross the map's corners, so most views must draw some of them.
  EXPECT_GT(viewsWithStars, views / 2);
}

// The band is worked out for the angle of each object's table sine and
// cosine but tested on its declination; its margin allows for 1e-4 degrees
// between the two.
TEST(DeclinationKey, LiesWithinATenThousandthOfADegreeOfItsTablePair) {
  double farthest = 0;
  for (int step = -900000; step <= 900000; step += 7) {
    const float dec = static_cast<float>(step) / 10000.0f;
    const ViewProjection::DeclinationTerms terms = ViewProjection::DeclinationTermsOf(dec);
    const double angle = std::atan2(terms.sinDec, std::fabs(terms.cosDec)) / kRadians;
    farthest = std::max(farthest, std::fabs(angle - DeclinationKey(dec)));
  }
  EXPECT_LT(farthest, 1e-4);
  EXPECT_TRUE(std::isnan(DeclinationKey(90.01f)));
  EXPECT_TRUE(std::isnan(DeclinationKey(-200.0f)));
}

TEST_F(VisibleRegionTest, DamagedRecordsLandAsWithThePlainLoop) {
  constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
  constexpr float kInfinity = std::numeric_limits<float>::infinity();
  const SkyObjectRecord records[] = {
      MakeObjectRecord(kNaN, 80, 1), MakeObjectRecord(30, kNaN, 1),      MakeObjectRecord(kInfinity, 80, 1),
      MakeObjectRecord(30, -kInfinity, 1), MakeObjectRecord(30, 80, kNaN), MakeObjectRecord(30, 100, 1),
      MakeObjectRecord(200, 170, 1),  MakeObjectRecord(10, -95, 1),       MakeObjectRecord(40, 200000, 1),
      MakeObjectRecord(40, 450, 1),   MakeObjectRecord(1e6f, 70, 1),      MakeObjectRecord(-7e5f, 60, 1),
      MakeObjectRecord(120, 1e-30f, 1),
  };
  for (const SkyObjectRecord& record : records) {
    catalogs.starCatalog.objects.Append(record);
    catalogs.deepSkyCatalog.objects.Append(record);
  }
  for (const Centre centre : {Centre{0, 90}, Centre{30, 0}, Centre{200, 170}, Centre{40, 450}}) {
    for (double zoom : {1.0, 3.0, 50.0}) {
      SCOPED_TRACE(testing::Message() << "centre (" << centre.ra << ", " << centre.dec << "), zoom " << zoom);
      view.centerRa = centre.ra;
      view.centerDec = centre.dec;
      view.zoom = zoom;
      ExpectSameAsPlainLoop();
    }
  }
}

TEST_F(VisibleRegionTest, ViewsWithoutABoundLetTheProjectionDecide) {
  catalogs.starCatalog.objects.Append(MakeObjectRecord(0, 90, 1));
  catalogs.starCatalog.objects.Append(MakeObjectRecord(90, 0, 1));
  for (double zoom : {0.0, -2.0, std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()}) {
    SCOPED_TRACE(testing::Message() << "zoom " << zoom);
    view.zoom = zoom;
    ExpectSameAsPlainLoop();
  }
  view.zoom = 1;
  view.centerDec = std::numeric_limits<double>::quiet_NaN();
  ExpectSameAsPlainLoop();
  geometry.mapRadius = 0;
  view.centerDec = 90;
  ExpectSameAsPlainLoop();
}

}  // namespace
