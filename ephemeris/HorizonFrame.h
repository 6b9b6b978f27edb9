#pragma once
// The observer's horizon at one instant, as a rotation of J2000 directions.
//
// The catalogue stays in J2000; what moves with time is the frame. A J2000
// direction turns into the true equator and equinox of date by the IAU 2006/
// 2000A bias-precession-nutation matrix, then about the pole by the local
// apparent sidereal time, then about the east-west line by the colatitude.
// The rows of the whole rotation are the north point, the east point and the
// zenith as J2000 directions, so the zenith of date in J2000 is simply the
// precession-nutation matrix transposed applied to the zenith of date.
// Polar motion, diurnal aberration and refraction are left out (all under an
// arcminute; refraction belongs to the standard altitudes of the events).

#include "ephemeris/Place.h"
#include "ephemeris/TimeScales.h"
#include "ephemeris/Vector3.h"

namespace vespera {

struct Horizontal {
  double altitude = 0.0;  // radians above the horizon
  double azimuth = 0.0;   // radians from north through east, 0..2 pi
};

enum class Cardinal { North, East, South, West };

class HorizonFrame {
 public:
  HorizonFrame(const TimeScales& time, const Place& place);

  Horizontal HorizontalOf(const Vector3& j2000) const;
  Vector3 J2000Of(const Horizontal& horizontal) const;

  Vector3 Zenith() const { return toHorizon_[2]; }
  // The point of the horizon in that direction, as a J2000 unit vector.
  Vector3 CardinalPoint(Cardinal cardinal) const;

  // A J2000 direction in the true equator and equinox of date, and back.
  Vector3 OfDate(const Vector3& j2000) const { return Multiply(precessionNutation_, j2000); }
  Vector3 J2000FromDate(const Vector3& ofDate) const { return MultiplyTransposed(precessionNutation_, ofDate); }
  const Matrix3& PrecessionNutation() const { return precessionNutation_; }

  double GreenwichApparentSiderealTime() const { return greenwichSiderealTime_; }
  double LocalApparentSiderealTime() const { return localSiderealTime_; }

 private:
  Matrix3 precessionNutation_{};
  Matrix3 toHorizon_{};  // rows: north point, east point, zenith
  double greenwichSiderealTime_ = 0.0;
  double localSiderealTime_ = 0.0;
};

}  // namespace vespera
