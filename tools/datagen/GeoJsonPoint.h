#pragma once
// Positions in the sky package are GeoJSON points [longitude, latitude] with
// the right ascension folded into -180..180 degrees; the catalogue records
// hold right ascension 0..360 and declination, in degrees (SkyPoint).

#include <optional>

#include "catalog/SkyPoint.h"
#include "tools/datagen/JsonFile.h"

namespace vespera {

// Nothing for a pair that is not two finite numbers inside the sky's range,
// so a damaged entry is left out instead of landing at a made-up place.
std::optional<SkyPoint> PointFromLonLat(const Json& pair);

// The point of a GeoJSON feature ("geometry": {"coordinates": [lon, lat]}).
std::optional<SkyPoint> PointOfFeature(const Json& feature);

}  // namespace vespera
