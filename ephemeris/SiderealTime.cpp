// Greenwich and local sidereal time from ERFA.

#include "ephemeris/SiderealTime.h"

#include <erfa.h>

namespace vespera {

double GreenwichMeanSiderealTime(const TimeScales& time) {
  return eraGmst06(time.ut1.whole, time.ut1.fraction, time.tt.whole, time.tt.fraction);
}

double GreenwichApparentSiderealTime(const TimeScales& time) {
  return eraGst06a(time.ut1.whole, time.ut1.fraction, time.tt.whole, time.tt.fraction);
}

double LocalSiderealTime(double greenwichSiderealTime, double longitudeEast) {
  return eraAnp(greenwichSiderealTime + longitudeEast);
}

}  // namespace vespera
