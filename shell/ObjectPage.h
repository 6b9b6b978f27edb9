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
#include "shell/ObserverBodies.h"
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
  // For a selected body: the body as the map shows it, when it is kept.
  const ShownBody* body = nullptr;
};

// A body is described from its kept place; an object the catalogue does not
// hold (or a body no longer kept) gives a page that says so.
WideString BuildObjectPage(const ObjectPageInputs& inputs);

}  // namespace vespera
