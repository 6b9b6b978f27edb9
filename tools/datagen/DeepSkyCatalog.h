#pragma once
// DeepSky.dat and DeepSkyNames.dat: the package's NGC objects under their NGC
// number ("224"), plus the Messier and Caldwell objects that have none under
// their own designation ("Mel 22", "IC 342"), brightest first; and a name for
// every Messier and Caldwell object and every object the package names.

#include <vector>

#include "tools/datagen/CatalogTables.h"
#include "tools/datagen/DeepSkyIndex.h"
#include "tools/datagen/JsonFile.h"
#include "tools/datagen/ListedObjects.h"
#include "tools/datagen/OtherNames.h"

namespace vespera {

// Objects for which neither the package, the reference nor our notes know a
// magnitude carry kPlaceholderMagnitude (catalog/SkyRecords.h).
inline constexpr float kUnknownDeepSkyMagnitude = kPlaceholderMagnitude;

// List objects come first in the name table, Messier then Caldwell, each as
// its label and common name ("M31 Andromeda Galaxy", "C14 Double Cluster"), so
// a search for the number or the name finds it; the package's other names
// follow, then our other names. List objects take the position and magnitude
// of our table; other-name entries with a position add the objects the
// package lacks. packageNames is dsonames.json. Throws when an other name
// belongs to an object that is not in the catalogue.
CatalogTables BuildDeepSkyTables(const DeepSkyIndex& index, const Json& packageNames,
                                 const std::vector<const std::vector<ListedObject>*>& lists,
                                 const std::vector<DeepSkyOtherNames>& otherNames);

}  // namespace vespera
