#pragma once
// The Tonight page: for the observer's place, the night that the shown time
// falls in. The night runs from the mean solar noon at the place's longitude
// at or before the shown time, for 24 hours, so a shown time after midnight
// still belongs to the night it is part of, and the page of one night is
// the same whatever its hour.

#include <optional>
#include <vector>

#include "catalog/CatalogStore.h"
#include "catalog/CatalogueNumbers.h"
#include "ephemeris/Place.h"
#include "ephemeris/TimeScales.h"
#include "platform/runtime/WinTypes.h"
#include "ephemeris/ConstellationBounds.h"

namespace vespera {

// The mean solar noon at `place` at or before `shown`.
UtcInstant TonightStart(UtcInstant shown, const Place& place);

// How many of the brightest list objects the page names, and how high they
// must stand at the end of astronomical twilight.
inline constexpr std::size_t kBrightestObjectCount = 10;
inline constexpr double kBrightestObjectMinAltitudeDegrees = 30.0;

struct TonightInputs {
  Place place;
  UtcInstant shown;
  bool redScreen = false;
  // Without the catalogue (still loading) the page leaves the deep-sky part out.
  const CatalogStore* deepSky = nullptr;
  const std::vector<ListedObject>* listed = nullptr;
  // Without boundaries the planets' constellations are left out.
  const ConstellationBounds* constellations = nullptr;
};

WideString BuildTonightPage(const TonightInputs& inputs);

}  // namespace vespera
