// Sidereal time and the horizon frame against published worked examples.

#include <gtest/gtest.h>

#include <erfa.h>

#include <cmath>

#include "ephemeris/HorizonFrame.h"
#include "ephemeris/SiderealTime.h"

using namespace vespera;
using namespace std::chrono;

namespace {

constexpr double kSecondsOfTimePerRadian = 86400.0 / (2.0 * kPi);

TimeScales ScalesAt(int y, unsigned m, unsigned d, int hour, int minute, int second = 0) {
  const UtcInstant instant(sys_days(year(y) / month(m) / day(d)).time_since_epoch() + hours(hour) +
                           minutes(minute) + seconds(second));
  return *TimeScalesAt(instant);
}

double HoursMinutesSeconds(int h, int m, double s) { return h * 3600.0 + m * 60.0 + s; }

double Degrees(double radians) { return radians / kRadiansPerDegree; }

}  // namespace

TEST(SiderealTimeTest, MeanSiderealTimeAtGreenwichMatchesTheWorkedExamples) {
  // 1987 April 10: 13h10m46.3668s at 0h UT and 8h34m57.0896s at 19:21:00 UT.
  const double atMidnight = GreenwichMeanSiderealTime(ScalesAt(1987, 4, 10, 0, 0)) * kSecondsOfTimePerRadian;
  EXPECT_NEAR(atMidnight, HoursMinutesSeconds(13, 10, 46.3668), 0.01);
  const double atEvening = GreenwichMeanSiderealTime(ScalesAt(1987, 4, 10, 19, 21)) * kSecondsOfTimePerRadian;
  EXPECT_NEAR(atEvening, HoursMinutesSeconds(8, 34, 57.0896), 0.01);
  // The apparent one adds the equation of the equinoxes, -0.2317 s that day.
  const double apparent = GreenwichApparentSiderealTime(ScalesAt(1987, 4, 10, 0, 0)) * kSecondsOfTimePerRadian;
  EXPECT_NEAR(apparent - atMidnight, -0.2317, 0.005);
  // The local one is the Greenwich one plus the east longitude, wrapped.
  EXPECT_NEAR(LocalSiderealTime(0.5, -1.0), 2.0 * kPi - 0.5, 1e-12);
}

TEST(HorizonFrameTest, ZenithIsThePoleAtTheNorthPoleAndOnTheEquatorAtLatitudeZero) {
  const TimeScales time = ScalesAt(2026, 12, 8, 21, 0);
  const HorizonFrame pole(time, Place{90.0, 10.0});
  double rbpn[3][3];
  eraPnm06a(time.tt.whole, time.tt.fraction, rbpn);
  const Vector3 poleOfDate{rbpn[2][0], rbpn[2][1], rbpn[2][2]};
  EXPECT_LT(AngleBetween(pole.Zenith(), poleOfDate), 1e-9);
  // Precession has moved the pole of date a little away from the J2000 pole.
  const double fromJ2000Pole = Degrees(AngleBetween(pole.Zenith(), Vector3{0.0, 0.0, 1.0}));
  EXPECT_GT(fromJ2000Pole, 0.1);
  EXPECT_LT(fromJ2000Pole, 0.2);
  // The catalogue's form of the same direction, degrees.
  EXPECT_NEAR(SkyPointOf(pole.Zenith()).dec, 90.0 - fromJ2000Pole, 1e-4);

  const HorizonFrame equator(time, Place{0.0, 10.0});
  const RaDec zenithOfDate = RaDecOf(equator.OfDate(equator.Zenith()));
  EXPECT_NEAR(zenithOfDate.dec, 0.0, 1e-12);
  EXPECT_NEAR(WrapSigned(zenithOfDate.ra - equator.LocalApparentSiderealTime()), 0.0, 1e-12);
}

TEST(HorizonFrameTest, AltitudeAndAzimuthMatchTheWorkedExample) {
  // Venus from the U.S. Naval Observatory (38 55'17" N, 77 03'56" W) on 1987
  // April 10 at 19:21:00 UT, apparent place 23h09m16.641s -6 43'11.61": altitude
  // 15.1249 and azimuth 68.0337 west of south, that is 248.0337 from north.
  const HorizonFrame frame(ScalesAt(1987, 4, 10, 19, 21), Place{38.0 + 55.0 / 60 + 17.0 / 3600, -(77.0 + 3.0 / 60 + 56.0 / 3600)});
  const RaDec apparent{HoursMinutesSeconds(23, 9, 16.641) / kSecondsOfTimePerRadian,
                       -(6.0 + 43.0 / 60 + 11.61 / 3600) * kRadiansPerDegree};
  const Vector3 venus = frame.J2000FromDate(DirectionOf(apparent));
  const Horizontal seen = frame.HorizontalOf(venus);
  EXPECT_NEAR(Degrees(seen.altitude), 15.1249, 2e-4);
  EXPECT_NEAR(Degrees(seen.azimuth), 248.0337, 2e-4);
  EXPECT_LT(AngleBetween(frame.J2000Of(seen), venus), 1e-12);
}

TEST(HorizonFrameTest, CardinalPointsLieOnTheHorizonAtTheirAzimuths) {
  const HorizonFrame frame(ScalesAt(2026, 6, 21, 22, 0), Place{48.85, 2.35});
  const Cardinal kCardinals[] = {Cardinal::North, Cardinal::East, Cardinal::South, Cardinal::West};
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    const Horizontal point = frame.HorizontalOf(frame.CardinalPoint(kCardinals[i]));
    EXPECT_NEAR(point.altitude, 0.0, 1e-12);
    EXPECT_NEAR(WrapSigned(point.azimuth - i * kPi / 2), 0.0, 1e-12);
  }
  // The north point lies below the pole of date by the latitude.
  const Vector3 northPoint = frame.OfDate(frame.CardinalPoint(Cardinal::North));
  EXPECT_NEAR(Degrees(RaDecOf(northPoint).dec), 90.0 - 48.85, 1e-9);
}
