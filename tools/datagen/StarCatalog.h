#pragma once
// Stars.dat and StarNames.dat from the package's stars.14.json (every
// Hipparcos star to magnitude 14) and starnames.json (designations and proper
// names keyed by Hipparcos number).

#include <string>

#include "tools/datagen/CatalogTables.h"
#include "tools/datagen/JsonFile.h"
#include "tools/datagen/OtherNames.h"

namespace vespera {

struct StarIdentity {
  long hip = 0;
  std::string flamsteed;      // "18", or empty
  std::string bayer;          // UTF-8 as in the package: "δ", "κ1", "c", or empty
  std::string constellation;  // three-letter abbreviation, or empty
};

// The star's designation within the record's nine characters: Flamsteed
// number, Greek Bayer letter as its three-letter abbreviation with any
// superscript digit, and constellation ("18del Cyg"); the Flamsteed number
// goes when the whole would not fit ("kap1 Ori"). A Latin Bayer letter is used
// only without a Flamsteed number ("c Psc"). A star with neither is "HIP" and
// its number.
std::string StarDesignation(const StarIdentity& star);

// Every valid star, brightest first (so a bright star wins a tap where two
// overlap and fills the hit cache first), ties in Hipparcos order; a name
// record for every star with a proper name, in the same order, then our other
// names. A designation the package gives to several stars stays with the
// owner our file names, or else with the brightest; the others go by their
// Hipparcos numbers. Throws when an other name belongs to a star that is not
// in the catalogue, or an owner named does not carry its designation.
CatalogTables BuildStarTables(const Json& stars, const Json& starNames, const OtherNames& ours, SkippedEntries& skipped);

}  // namespace vespera
