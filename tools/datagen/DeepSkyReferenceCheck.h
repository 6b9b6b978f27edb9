#pragma once
// The package's deep-sky names, positions and magnitudes against the
// reference (ReferenceDeepSky.h), for every object the catalogue keeps with a
// name. A name the reference gives to another object, farther away than that
// object's size allows, moves there or is dropped; a named object farther from
// the reference's position than its size allows takes the reference's; a
// named object without a magnitude takes the reference's. Our names file may
// name a name's owner ("deepSkyNameOwners", winning over both) and say why a
// named object keeps no magnitude ("deepSkyWithoutMagnitude"); a dark nebula
// has none by nature. NGC objects the package puts on one point take the
// reference's positions. Each change is reported with its reason; a named object
// left without a magnitude unexplained, or an explanation no longer needed,
// stops the build.

#include <set>
#include <string>
#include <vector>

#include "tools/datagen/DeepSkyIndex.h"
#include "tools/datagen/JsonFile.h"
#include "tools/datagen/OtherNames.h"
#include "tools/datagen/ReferenceDeepSky.h"

namespace vespera {

// A name and the reference's object agree when they are closer than half the
// object's size, and never less than this.
inline constexpr double kLeastNameDistance = 3.0 / 60;  // degrees
// Two NGC objects closer than this are one point on the map; unless the
// reference says they are one object, each takes the reference's position.
inline constexpr double kSamePlaceDistance = 0.15 / 60;  // degrees

struct CheckedDeepSky {
  Json names;                             // dsonames.json, corrected
  std::vector<DeepSkyOtherNames> added;   // names that joined an object which has one already
  std::vector<std::string> report;        // "Witch's Broom Galaxy: ... (why)"
  std::vector<std::string> problems;
};

// The catalogues whose named objects the catalogue keeps besides the NGC:
// the well-known ones observers look for (IC, Collinder, Melotte, Barnard,
// Sharpless, Lynds, Cederblad, van den Bergh, RCW, Abell).
bool IsKeptCatalogue(const std::string& id);

// listed holds the package designations of the Messier and Caldwell objects,
// whose facts come from our tables and are compared there. The index is
// amended (positions, magnitudes) and gains the named IC objects the package
// lacks, from the reference.
CheckedDeepSky CheckDeepSky(DeepSkyIndex& index, const Json& packageNames, const std::set<std::string>& listed,
                            const std::vector<ReferenceObject>& reference, const OtherNames& ours);

}  // namespace vespera
