#pragma once
// Which constellation a direction lies in, from the IAU boundaries as the
// sky package gives them: one closed outline of J2000 right ascension and
// declination per constellation (Serpens has two). The boundaries were drawn
// along parallels and meridians of 1875; the package's J2000 outline keeps
// each side as a straight line between its corners in right ascension and
// declination, so the test is done in that plane, not along great circles.
//
// The data file (CBounds.dat) is the catalogue's record format: one record
// per corner, the designation holding the abbreviation and the magnitude
// field the outline's ordinal, so two outlines of one name stay apart.

#include <string>
#include <string_view>
#include <vector>

#include "catalog/RecordTable.h"
#include "catalog/SkyRecords.h"
#include "ephemeris/Vector3.h"

namespace vespera {

inline constexpr const char* kConstellationBoundsFile = "CBounds.dat";

struct ConstellationOutline {
  std::string abbreviation;  // "Ori"
  std::vector<SkyPoint> corners;
};

class ConstellationBounds {
 public:
  explicit ConstellationBounds(std::vector<ConstellationOutline> outlines);

  // The abbreviation of the outline that holds the J2000 direction; empty
  // when none does (an incomplete file).
  std::string_view Find(const Vector3& j2000) const;

 private:
  struct Outline {
    ConstellationOutline outline;
    bool holdsNorthPole;
  };
  std::vector<Outline> outlines_;
};

// The outlines of the records, consecutive records with the same ordinal
// making one; outlines of fewer than three corners are dropped.
std::vector<ConstellationOutline> OutlinesOfRecords(const RecordTable<SkyObjectRecord>& records);

}  // namespace vespera
