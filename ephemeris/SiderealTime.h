#pragma once
// Sidereal time at Greenwich and at the observer's meridian, radians 0..2 pi,
// by the IAU 2006 expressions ERFA implements (Earth rotation angle plus the
// precession in right ascension; the apparent one adds the equation of the
// equinoxes of IAU 2000A nutation).

#include "ephemeris/TimeScales.h"

namespace vespera {

double GreenwichMeanSiderealTime(const TimeScales& time);
double GreenwichApparentSiderealTime(const TimeScales& time);
// Longitude east positive, radians.
double LocalSiderealTime(double greenwichSiderealTime, double longitudeEast);

}  // namespace vespera
