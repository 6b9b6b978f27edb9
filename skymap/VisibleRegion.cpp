#include "skymap/VisibleRegion.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace vespera {

namespace {

// Each table entry is within 5e-7 of the true value and linear interpolation
// between entries 1/8 degree apart adds at most 6e-7; narrowing the angles to
// single precision adds less than 3e-7. So a table pair (sin, cos) has a
// length within 3e-6 of 1, and the map offset the projection computes from
// its angle C lies within 3e-6 (in units of zoom x radius) of cos C. The
// margins below are several times those bounds.
constexpr double kTermLengthMargin = 1e-5;
constexpr double kPlacementMargin = 1e-5;
// Rounding of the few double operations that form k; and for the band, the
// key's distance from the angle of its table pair (under 1e-4 degrees) and
// the band's conversion to single precision (an ulp near 90 degrees is 8e-6).
constexpr double kCosDistanceRounding = 1e-12;
constexpr double kKeyMarginDegrees = 2e-3;

constexpr double kDegreesPerTrueRadian = 180.0 / std::numbers::pi;

// The least k of an object that may land inside the map area. A pixel lands
// inside only when |offset| x zoom x radius is less than half the map's
// width plus one across and half its height plus one down, so the offset's
// length, cos C = sqrt(1 - k^2) up to the placement margin, is bounded.
double LeastCosDistance(const ViewProjection& projection) {
  const double reach = std::hypot(projection.halfWidth() + 1.0, projection.halfHeight() + 1.0);
  const double scale = std::fabs(projection.zoom()) * projection.radius();
  const double sinBound = reach / scale + kPlacementMargin;
  // No bound (the whole hemisphere fits) also when the view is not finite;
  // the projection then refuses every point itself.
  if (!(sinBound < 1.0)) return 0.0;
  return std::max(0.0, std::sqrt(1.0 - sinBound * sinBound) - kCosDistanceRounding);
}

}  // namespace

// With (S, C) the table sine and cosine of an object's declination and
// cos(delta) at most 1 in size,
//   k <= |C| |cos(dec0)| + S sin(dec0)
//     = |(|C|, S)| |centre terms| cos(angle of (|C|, S) - centre key),
// and both angles lie within -90..90, so k >= least bounds the distance
// between them; the object's key lies within 1e-4 degrees of its angle.
VisibleRegion VisibleRegionOf(const ViewProjection& projection) {
  VisibleRegion region;
  region.leastCosDistance = LeastCosDistance(projection);
  const double centreCos = std::fabs(projection.cosCenterDec());
  const double centreSin = projection.sinCenterDec();
  const double centreLength = std::hypot(centreCos, centreSin);
  const double centreKey = std::atan2(centreSin, centreCos) * kDegreesPerTrueRadian;
  // The object's terms may be a little longer than 1 or a little shorter;
  // whichever makes the bound on the angle the wider one is taken.
  const double least = region.leastCosDistance - kCosDistanceRounding;
  const double objectLength = least >= 0.0 ? 1.0 + kTermLengthMargin : 1.0 - kTermLengthMargin;
  const double leastCosAngle = least / (objectLength * centreLength);
  if (!std::isfinite(centreKey) || !(leastCosAngle > -1.0)) {
    region.lowestKey = -std::numeric_limits<float>::infinity();
    region.highestKey = std::numeric_limits<float>::infinity();
    return region;
  }
  const double halfWidth = std::acos(std::min(leastCosAngle, 1.0)) * kDegreesPerTrueRadian + kKeyMarginDegrees;
  region.lowestKey = static_cast<float>(centreKey - halfWidth);
  region.highestKey = static_cast<float>(centreKey + halfWidth);
  return region;
}

}  // namespace vespera
