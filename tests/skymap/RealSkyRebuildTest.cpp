// The rebuild against the plain loop on the catalogue the program ships, over
// views that stress the shortcuts: both poles, the centre carried over a pole,
// right ascensions either side of 0/360 and far outside it, zoom from 1 to
// 10,000, limits from 3 to 20, both screen classes and both pixel depths.
// The pictures must be the same byte for byte and the caches entry for entry,
// with the large views split between two threads.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "catalog/CatalogLoader.h"
#include "tests/support/ReferenceSkyPicture.h"

using namespace vespera;

namespace {

constexpr MapGeometry kSmallScreen{0, 26, 16, 240, 278, 117};
constexpr MapGeometry kLargeScreen{0, 52, 32, 480, 556, 237};

struct Centre {
  double ra;
  double dec;
};

constexpr Centre kCentres[] = {
    {0, 90},       {180, -90},    {359.99, 12.5}, {0.01, -33},  {360, 45},     {-0.4, 61},
    {200, 140},    {10, 269.97},  {123.4, 0},     {721.3, -20}, {83.8, -5.4},  {266.4, -29},
    {279.2, 38.8}, {0.0, 89.99},  {45, -89.9},    {-721, 95},
};
constexpr double kZooms[] = {1, 1.3, 3, 8, 47.5, 400, 2500, 10000};
constexpr double kLimits[] = {3, 6, 10.5, 20};

std::string ProgramDirectory() { return std::string(VESPERA_PROGRAM_DIR) + "/"; }

const SkyCatalogs& RealSky() {
  static const std::unique_ptr<SkyCatalogs> sky = [] {
    auto catalogs = std::make_unique<SkyCatalogs>();
    EXPECT_TRUE(LoadCatalogs(*catalogs, ProgramDirectory()));
    return catalogs;
  }();
  return *sky;
}

class Pictures {
 public:
  Pictures(const MapGeometry& geometry, int bitsPerPixel) : geometry_(geometry) {
    const int bytesPerRow = geometry.mapWidth * bitsPerPixel / 8;
    for (MapPixels* pixels : {&expectedPixels_, &actualPixels_})
      pixels->AllocatePixels(geometry.mapWidth, geometry.mapHeight, bytesPerRow, bitsPerPixel);
  }

  void Compare(const ViewState& view) {
    DrawReferenceSkyPicture(expectedPixels_, expectedHits_, RealSky(), view, geometry_);
    DrawSkyPicture(actualPixels_, actualHits_, work_, RealSky(), view, geometry_);
    ASSERT_TRUE(std::ranges::equal(expectedPixels_.bytes(), actualPixels_.bytes()));
    ASSERT_TRUE(std::ranges::equal(expectedHits_.stars.entries(), actualHits_.stars.entries()));
    ASSERT_TRUE(std::ranges::equal(expectedHits_.deepSky.entries(), actualHits_.deepSky.entries()));
    ++compared_;
    if (expectedHits_.stars.count() > 0) ++withStars_;
  }

  int compared() const { return compared_; }
  int withStars() const { return withStars_; }

 private:
  MapGeometry geometry_;
  MapPixels expectedPixels_;
  MapPixels actualPixels_;
  MapHitCaches expectedHits_;
  MapHitCaches actualHits_;
  // Two cores whatever the machine, so that large views take the shared road.
  RebuildWork work_{{}, SecondCore(2), {}};
  int compared_ = 0;
  int withStars_ = 0;
};

ViewState View(const Centre& centre, double zoom, double limit) {
  ViewState view;
  view.centerRa = centre.ra;
  view.centerDec = centre.dec;
  view.zoom = zoom;
  view.magnitudeLimit = limit;
  return view;
}

TEST(RealSkyRebuild, CatalogueIsTheFullOne) {
  EXPECT_GT(RealSky().starCatalog.objects.count(), 100000u);
  EXPECT_GT(RealSky().deepSkyCatalog.objects.count(), 100u);
  EXPECT_GT(RealSky().constellationLineCatalog.objects.count(), 100u);
}

TEST(RealSkyRebuild, SameAsThePlainLoopOverEveryView) {
  for (const MapGeometry& geometry : {kSmallScreen, kLargeScreen}) {
    Pictures pictures(geometry, 32);
    for (const Centre& centre : kCentres) {
      for (double zoom : kZooms) {
        for (double limit : kLimits) {
          SCOPED_TRACE(testing::Message() << geometry.mapWidth << " wide, centre (" << centre.ra << ", "
                                          << centre.dec << "), zoom " << zoom << ", limit " << limit);
          ASSERT_NO_FATAL_FAILURE(pictures.Compare(View(centre, zoom, limit)));
        }
      }
    }
    // Most of these views must show something, or the comparison proves little.
    EXPECT_GT(pictures.withStars(), pictures.compared() / 2);
  }
}

TEST(RealSkyRebuild, SameAtSixteenBitsAndWithoutFigures) {
  for (const MapGeometry& geometry : {kSmallScreen, kLargeScreen}) {
    Pictures pictures(geometry, 16);
    for (const Centre& centre : kCentres) {
      for (double zoom : {1.0, 8.0, 1000.0}) {
        SCOPED_TRACE(testing::Message() << geometry.mapWidth << " wide, centre (" << centre.ra << ", "
                                        << centre.dec << "), zoom " << zoom);
        ViewState view = View(centre, zoom, 20);
        ASSERT_NO_FATAL_FAILURE(pictures.Compare(view));
        view.showConstellationLines = 0;
        ASSERT_NO_FATAL_FAILURE(pictures.Compare(view));
      }
    }
  }
}

// Centres on stars themselves, as a tap does (north up, rounded to
// hundredths), at zooms where the map spans a few arc seconds: the star sits
// within a pixel or two of the centre, where the tables' rounding matters most.
TEST(RealSkyRebuild, SameWhenCentredOnStarsAtHighZoom) {
  const CatalogStore& stars = RealSky().starCatalog;
  Pictures pictures(kLargeScreen, 32);
  for (std::size_t i = 0; i < stars.objects.count(); i += 9973) {
    const SkyObjectRecord& star = stars.objects[i];
    const Centre centre{std::round((star.ra() + 180.0) * 100) / 100, std::round((180.0 - star.dec()) * 100) / 100};
    for (double zoom : {100.0, 10000.0, 250000.0}) {
      SCOPED_TRACE(testing::Message() << "star " << i << ", zoom " << zoom);
      ASSERT_NO_FATAL_FAILURE(pictures.Compare(View(centre, zoom, 20)));
    }
  }
}

}  // namespace
