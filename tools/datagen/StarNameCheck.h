#pragma once
// Every proper star name of the package against the reference (ReferenceStars.h),
// joined by Henry Draper number. A name the reference gives to another star is
// moved to that star when it has no name of its own, added to it as a further
// name when it has one, and dropped where it was; a name the reference does not
// know stays. Our names file may say who owns a name ("starNameOwners"); that
// owner wins over both the package and the reference, and the name leaves
// every other star. Each change is reported with its reason. A Bayer letter
// that lost its component number in the package ("iota" for iota-2 Cygni)
// takes the reference's back, and the reference's other spelling of a
// star's name becomes a further name of it.

#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "tools/datagen/JsonFile.h"
#include "tools/datagen/OtherNames.h"
#include "tools/datagen/ReferenceStars.h"

namespace vespera {

// Two stars closer than this are one system (the components of a double carry
// one name and often one of two neighbouring HD numbers).
inline constexpr double kSameStarDistance = 1.0 / 60;  // degrees

struct CheckedStarNames {
  Json starNames;                      // the package's starnames.json with names and Bayer letters corrected
  std::vector<StarOtherNames> added;   // names that joined a star which has one already
  std::vector<std::string> report;     // one line per change: "Tarazed: ... (why)"
  std::vector<std::string> problems;   // what must stop the build
};

CheckedStarNames CheckStarNames(const Json& starNames, const std::unordered_map<long, SkyPoint>& starPoints,
                                const std::vector<ReferenceStar>& reference,
                                const std::map<std::string, StarNameOwner>& owners);

// Hipparcos number -> position of every star in the package's star file.
std::unordered_map<long, SkyPoint> StarPoints(const Json& stars);

}  // namespace vespera
