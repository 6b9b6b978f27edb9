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

// The magnitude given to objects for which neither the package nor our notes
// know one: about the median of the NGC objects that have one, so they appear
// with the deep magnitude limits and not with the naked-eye ones.
inline constexpr float kUnknownDeepSkyMagnitude = 14.0f;

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
