#pragma once
// CBounds.dat: the constellation outlines of the package's
// constellations.bounds.json in the catalogue's record format, one record a
// corner, the designation the abbreviation and the magnitude field the
// outline's ordinal (ephemeris/ConstellationBounds.h reads it back). Only the
// outer ring of each polygon is kept; the package's have no holes.

#include <vector>

#include "catalog/SkyRecords.h"
#include "tools/datagen/JsonFile.h"

namespace vespera {

// Throws when the collection holds no outline or a corner is not a point of
// the sky: a partial boundary table would name wrong constellations.
std::vector<SkyObjectRecord> ConstellationBoundsRecords(const Json& bounds);

}  // namespace vespera
