#pragma once
// How far from the view centre an object can lie and still land on the map
// area, worked out once per rebuild so that the rebuild drops most of the sky
// with a comparison or two, before any arc sine or arc tangent.
//
// Both bounds only leave out objects that the projection itself would put on
// the far hemisphere or outside the map area, so the picture and the hit
// caches are the same with or without them. They are derived from the values
// the projection really uses (the table sines and cosines), with margins for
// the tables' error, so they hold for any centre, zoom and declination.

#include <limits>

#include "skymap/Projection.h"

namespace vespera {

struct VisibleRegion {
  // An object whose declination key (below) lies outside this band cannot
  // land on the map. The band admits everything when the view gives no bound.
  float lowestKey = 0.0f;
  float highestKey = 0.0f;
  // An object whose cosine of the distance from the centre (the projection's
  // k) is below this cannot land on the map. Never below 0, so the far
  // hemisphere is always left out, exactly as the projection decides it.
  double leastCosDistance = 0.0;

  bool MayHoldKey(float key) const { return !(key < lowestKey || key > highestKey); }
  bool MayHoldKeysIn(float lowest, float highest) const { return !(highest < lowestKey || lowest > highestKey); }
  bool MayHold(const ViewProjection::Approach& approach) const {
    return approach.cosDistance >= leastCosDistance;
  }
};

// The key the band is tested on: the declination itself, which lies within
// 1e-4 degrees of the angle of its table sine and cosine (the angle the
// band's bound is about) from pole to pole; NaN beyond the poles (a damaged
// record), which MayHoldKey always admits.
inline float DeclinationKey(float dec) {
  return dec >= -90.0f && dec <= 90.0f ? dec : std::numeric_limits<float>::quiet_NaN();
}

VisibleRegion VisibleRegionOf(const ViewProjection& projection);

}  // namespace vespera
