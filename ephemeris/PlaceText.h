#pragma once
// Latitude and longitude as people type them: decimal degrees with a sign
// ("48.85", "-2.35") or degrees and minutes (and seconds) with a hemisphere
// letter ("48 51 N", "2 21 E", "48°51'N", "48°51'30\"N"). Refusals carry a
// one-sentence reason fit for the Place window or standard error.

#include <string_view>

#include "ephemeris/Place.h"
#include "platform/runtime/Expected.h"

namespace vespera {

// Degrees, north positive; refused beyond 90.
Expected<double> ParseLatitude(std::string_view text);
// Degrees, east positive; refused beyond 180.
Expected<double> ParseLongitude(std::string_view text);
// The `--place LAT,LON` option: the two, split at the one comma.
Expected<Place> ParsePlaceOption(std::string_view text);

}  // namespace vespera
