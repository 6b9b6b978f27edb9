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

#include "skymap/Projection.h"

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

// The declination, in degrees, that the table sine and cosine of an object
// stand for; NaN for a pair with a negative cosine (a damaged record beyond
// the pole), which MayHoldKey then always admits.
float DeclinationKey(const ViewProjection::DeclinationTerms& terms);

VisibleRegion VisibleRegionOf(const ViewProjection& projection);
