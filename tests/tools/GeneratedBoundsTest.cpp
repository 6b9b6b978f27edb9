// The constellation outlines file the build wrote: the sky is cut into the 89
// outlines (88 constellations, Serpens in two) without a gap or an overlap,
// and well-known stars land where every atlas puts them.

#include <gtest/gtest.h>

#include <string>

#include "catalog/CatalogStore.h"
#include "ephemeris/ConstellationBounds.h"

using namespace vespera;

namespace {

std::vector<ConstellationOutline> GeneratedOutlines() {
  CatalogStore store;
  EXPECT_TRUE(store.LoadObjects(std::string(VESPERA_PROGRAM_DIR) + kConstellationBoundsFile));
  return OutlinesOfRecords(store.objects);
}

TEST(GeneratedBounds, EveryDirectionLiesInExactlyOneOutline) {
  const std::vector<ConstellationOutline> outlines = GeneratedOutlines();
  ASSERT_EQ(outlines.size(), 89u);
  std::vector<ConstellationBounds> each;
  for (const ConstellationOutline& outline : outlines) each.emplace_back(std::vector{outline});
  // A grid off the round numbers the boundaries run along.
  for (double dec = -89.7; dec < 90; dec += 3.1)
    for (double ra = 0.3; ra < 360; ra += 3.7) {
      const Vector3 direction = DirectionOf(SkyPoint{float(ra), float(dec)});
      int holders = 0;
      for (const ConstellationBounds& bounds : each) holders += !bounds.Find(direction).empty();
      ASSERT_EQ(holders, 1) << ra << " " << dec;
    }
  const ConstellationBounds bounds(outlines);
  const auto in = [&](float ra, float dec) { return std::string(bounds.Find(DirectionOf(SkyPoint{ra, dec}))); };
  EXPECT_EQ(in(88.79f, 7.41f), "Ori");     // Betelgeuse
  EXPECT_EQ(in(37.95f, 89.26f), "UMi");    // Polaris
  EXPECT_EQ(in(0, 90), "UMi");             // the north pole
  EXPECT_EQ(in(0, -90), "Oct");            // the south pole
  EXPECT_EQ(in(279.23f, 38.78f), "Lyr");   // Vega
  EXPECT_EQ(in(2.10f, 29.09f), "And");     // Alpheratz, just east of right ascension 0
  EXPECT_EQ(in(101.29f, -16.72f), "CMa");  // Sirius
}

}  // namespace
