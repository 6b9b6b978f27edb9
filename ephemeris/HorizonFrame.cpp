// The rotation from J2000 directions to the observer's altitude and azimuth.

#include "ephemeris/HorizonFrame.h"

#include <erfa.h>

#include <cmath>

#include "ephemeris/SiderealTime.h"

namespace vespera {

HorizonFrame::HorizonFrame(const TimeScales& time, const Place& place) {
  double rbpn[3][3];
  eraPnm06a(time.tt.whole, time.tt.fraction, rbpn);
  precessionNutation_ = ToMatrix3(rbpn);
  greenwichSiderealTime_ = eraGst06(time.ut1.whole, time.ut1.fraction, time.tt.whole, time.tt.fraction, rbpn);
  localSiderealTime_ = LocalSiderealTime(greenwichSiderealTime_, place.longitudeDegrees * kRadiansPerDegree);

  // After turning by the local sidereal time, x points to where the equator
  // crosses the meridian, y to the east point and z to the pole of date.
  const double c = std::cos(localSiderealTime_), s = std::sin(localSiderealTime_);
  const Matrix3 byHourAngle{{{c, s, 0.0}, {-s, c, 0.0}, {0.0, 0.0, 1.0}}};
  const double phi = place.latitudeDegrees * kRadiansPerDegree;
  const double sinPhi = std::sin(phi), cosPhi = std::cos(phi);
  const Matrix3 byLatitude{{{-sinPhi, 0.0, cosPhi}, {0.0, 1.0, 0.0}, {cosPhi, 0.0, sinPhi}}};
  toHorizon_ = Multiply(byLatitude, Multiply(byHourAngle, precessionNutation_));
}

Horizontal HorizonFrame::HorizontalOf(const Vector3& j2000) const {
  const Vector3 local = Multiply(toHorizon_, j2000);
  const double horizontalLength = std::hypot(local[0], local[1]);
  Horizontal horizontal;
  horizontal.altitude = std::atan2(local[2], horizontalLength);
  horizontal.azimuth = horizontalLength == 0.0 ? 0.0 : WrapPositive(std::atan2(local[1], local[0]));
  return horizontal;
}

Vector3 HorizonFrame::J2000Of(const Horizontal& horizontal) const {
  const double cosAltitude = std::cos(horizontal.altitude);
  const Vector3 local{cosAltitude * std::cos(horizontal.azimuth), cosAltitude * std::sin(horizontal.azimuth),
                      std::sin(horizontal.altitude)};
  return MultiplyTransposed(toHorizon_, local);
}

Vector3 HorizonFrame::CardinalPoint(Cardinal cardinal) const {
  switch (cardinal) {
    case Cardinal::North: return toHorizon_[0];
    case Cardinal::East: return toHorizon_[1];
    case Cardinal::South: return Negated(toHorizon_[0]);
    case Cardinal::West: return Negated(toHorizon_[1]);
  }
  return toHorizon_[0];
}

}  // namespace vespera
