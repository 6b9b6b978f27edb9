#pragma once
// The "About this object" page: a star's or deep-sky object's names, its
// J2000 place, magnitude, where it stands at the shown time, its course
// through tonight (the night of TonightStart) and, for a Messier or Caldwell
// object, a link to its information page.

#include <vector>

#include "catalog/CatalogLoader.h"
#include "catalog/CatalogueNumbers.h"
#include "ephemeris/ConstellationBounds.h"
#include "ephemeris/Place.h"
#include "ephemeris/TimeScales.h"
#include "skymap/Selection.h"

namespace vespera {

struct ObjectPageInputs {
  Place place;
  UtcInstant shown;
  bool redScreen = false;
  SelectedObject object;
  const SkyCatalogs* catalogs = nullptr;  // loaded
  const std::vector<ListedObject>* listed = nullptr;
  const ConstellationBounds* constellations = nullptr;  // may be null
};

// An object the catalogue does not hold gives a page that says so.
WideString BuildObjectPage(const ObjectPageInputs& inputs);

}  // namespace vespera
