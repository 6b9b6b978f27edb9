// Which outline holds a direction: outlines round either pole, an outline
// across right ascension 0, and the file's records read back as outlines.

#include <gtest/gtest.h>

#include "ephemeris/ConstellationBounds.h"

using namespace vespera;

namespace {

Vector3 At(float ra, float dec) { return DirectionOf(SkyPoint{ra, dec}); }

ConstellationOutline Cap(std::string name, float dec) {
  ConstellationOutline cap{std::move(name), {}};
  for (float ra = 0; ra < 360; ra += 90) cap.corners.push_back({ra, dec});
  return cap;
}

TEST(ConstellationBounds, PolarCapsAndAnOutlineAcrossRaZeroHoldWhatTheyEnclose) {
  // The band between the caps, drawn across right ascension 0 (as 350..10 degrees).
  ConstellationOutline band{"Bnd", {{350, -10}, {10, -10}, {10, 10}, {350, 10}}};
  const ConstellationBounds bounds({Cap("Nth", 80), Cap("Sth", -80), band});
  EXPECT_EQ(bounds.Find(At(0, 90)), "Nth");
  EXPECT_EQ(bounds.Find(At(123, 85)), "Nth");
  EXPECT_EQ(bounds.Find(At(200, -89)), "Sth");
  EXPECT_EQ(bounds.Find(At(355, 5)), "Bnd");
  EXPECT_EQ(bounds.Find(At(5, -5)), "Bnd");
  // Between the caps and outside the band no outline holds it.
  EXPECT_EQ(bounds.Find(At(180, 0)), "");
  EXPECT_EQ(bounds.Find(At(0, 50)), "");
}

TEST(ConstellationBounds, RecordsWithTheSameNameButAnotherOrdinalMakeTwoOutlines) {
  RecordTable<SkyObjectRecord> records;
  for (const auto& [ra, dec, ordinal] : {std::tuple{10.f, 0.f, 0.f}, {20.f, 0.f, 0.f}, {20.f, 10.f, 0.f},
                                         {100.f, 0.f, 1.f}, {110.f, 0.f, 1.f}, {110.f, 10.f, 1.f}, {5.f, 5.f, 2.f}})
    records.Append(MakeObjectRecord(ra, dec, ordinal, "Ser"));
  const std::vector<ConstellationOutline> outlines = OutlinesOfRecords(records);
  // The last outline has one corner only and is dropped.
  ASSERT_EQ(outlines.size(), 2u);
  EXPECT_EQ(outlines[1].abbreviation, "Ser");
  EXPECT_EQ(outlines[1].corners.front(), (SkyPoint{100, 0}));
}

}  // namespace
