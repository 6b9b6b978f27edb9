#pragma once
// Positions in the sky package are GeoJSON points [longitude, latitude] with
// the right ascension folded into -180..180 degrees; the catalogue records
// hold right ascension 0..360 and declination, in degrees. The type has a
// name of its own because the map's SkyPoint (skymap/MapMarker.h) is another
// global type, and a program linking both may hold only one definition of a
// name.

#include <optional>

#include "tools/datagen/JsonFile.h"

struct EquatorialPoint {
  float ra = 0;
  float dec = 0;
};

// Nothing for a pair that is not two finite numbers inside the sky's range,
// so a damaged entry is left out instead of landing at a made-up place.
std::optional<EquatorialPoint> PointFromLonLat(const Json& pair);

// The point of a GeoJSON feature ("geometry": {"coordinates": [lon, lat]}).
std::optional<EquatorialPoint> PointOfFeature(const Json& feature);
