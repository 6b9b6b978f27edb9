#pragma once
// CLines.dat and CNames.dat from the package's constellations.lines.json
// (figures as polylines) and constellations.json (label positions), with the
// IAU's names on the labels.

#include <map>
#include <string>
#include <vector>

#include "catalog/SkyRecords.h"
#include "tools/datagen/CatalogTables.h"
#include "tools/datagen/JsonFile.h"

namespace vespera {

// Each polyline becomes its segments, each segment a pair of records (start,
// end) so that records 2k and 2k+1 form line k. The records carry the
// constellation's abbreviation as designation and magnitude 0; the map reads
// only their positions.
std::vector<SkyObjectRecord> BuildConstellationLines(const Json& lines, SkippedEntries& skipped);

// One label per constellation, named as the IAU names it. The package lists
// Serpens twice (Caput and Cauda, either side of Ophiuchus); a constellation
// listed twice keeps its first position, so there are 88. An abbreviation the
// IAU does not know is left out and noted.
std::vector<ConstellationLabel> BuildConstellationLabels(const Json& constellations, SkippedEntries& skipped);

// Abbreviation -> full name, as on the labels ("UMa" -> "Ursa Major").
std::map<std::string, std::string> ConstellationFullNames(const std::vector<ConstellationLabel>& labels);

}  // namespace vespera
