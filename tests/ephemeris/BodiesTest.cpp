// The Sun, Moon and planets against published worked examples and against
// ERFA's own astrometric places.

#include <gtest/gtest.h>

#include <erfa.h>
#include <erfam.h>

#include <cmath>

#include "ephemeris/Bodies.h"
#include "ephemeris/PlanetMagnitude.h"

using namespace vespera;

namespace {

RaDec HmsDms(int h, int m, double s, int sign, int d, int am, double as) {
  return {(h * 3600.0 + m * 60.0 + s) / 86400.0 * 2.0 * kPi,
          sign * (d + am / 60.0 + as / 3600.0) * kRadiansPerDegree};
}

double ArcsecondsBetween(const RaDec& a, const RaDec& b) {
  return AngleBetween(DirectionOf(a), DirectionOf(b)) / kRadiansPerArcsecond;
}

BodyPosition BodyAtTerrestrialTime(Body body, double julianDate) {
  const Expected<BodyPosition> position = ComputeBody(body, TimeScalesAtTerrestrialTime({julianDate, 0.0}));
  EXPECT_TRUE(position);
  return position ? *position : BodyPosition{};
}

TimeScales ScalesAt(int y, unsigned m, unsigned d, int hour, int minute) {
  using namespace std::chrono;
  return *TimeScalesAt(UtcInstant(sys_days(year(y) / month(m) / day(d)).time_since_epoch() + hours(hour) + minutes(minute)));
}

}  // namespace

TEST(BodiesTest, ApparentPlacesMatchTheWorkedExamples) {
  // The Sun on 1992 October 13.0 TD (JDE 2448908.5): 13h13m30.749s -7 47'01.74".
  const BodyPosition sun = BodyAtTerrestrialTime(Body::Sun, 2448908.5);
  EXPECT_LT(ArcsecondsBetween(sun.apparent, HmsDms(13, 13, 30.749, -1, 7, 47, 1.74)), 1.0);
  // Venus on 1992 December 20.0 TD: 21h04m41.454s -18 53'16.84".
  const BodyPosition venus = BodyAtTerrestrialTime(Body::Venus, 2448976.5);
  EXPECT_LT(ArcsecondsBetween(venus.apparent, HmsDms(21, 4, 41.454, -1, 18, 53, 16.84)), 1.0);
  // The Moon on 1992 April 12.0 TD: right ascension 134.688470, declination
  // +13.768368 degrees, 368409.7 km from the centre of the Earth.
  const BodyPosition moon = BodyAtTerrestrialTime(Body::Moon, 2448724.5);
  EXPECT_LT(ArcsecondsBetween(moon.apparent, {134.688470 * kRadiansPerDegree, 13.768368 * kRadiansPerDegree}), 2.0);
  EXPECT_NEAR(moon.DistanceAu() * ERFA_DAU / 1000.0, 368409.7, 1.0);
}

TEST(BodiesTest, J2000DirectionsAgreeWithErfasAstrometricPlaces) {
  // ERFA turns our apparent place back into an astrometric ICRS one (light
  // deflection, aberration and precession-nutation undone); it must be our
  // J2000 direction. The Moon is left out: ERFA's star transformation would
  // take off the annual aberration, which a body moving with the Earth does
  // not show.
  const TimeScales time = ScalesAt(2026, 12, 8, 21, 0);
  const Expected<SolarSystem> bodies = ComputeBodies(time);
  ASSERT_TRUE(bodies);
  for (const BodyPosition& body : *bodies) {
    if (body.body == Body::Moon) continue;
    SCOPED_TRACE(NameOf(body.body));
    double astrometricRa = 0.0, astrometricDec = 0.0, equationOfOrigins = 0.0;
    eraAtci13(0.0, 0.0, 0.0, 0.0, 0.0, 0.0, time.tt.whole, time.tt.fraction, &astrometricRa, &astrometricDec,
              &equationOfOrigins);
    // The apparent right ascension counts from the equinox; ERFA's intermediate one from the origin.
    eraAtic13(body.apparent.ra + equationOfOrigins, body.apparent.dec, time.tt.whole, time.tt.fraction,
              &astrometricRa, &astrometricDec, &equationOfOrigins);
    EXPECT_LT(ArcsecondsBetween(RaDecOf(body.astrometric), {astrometricRa, astrometricDec}), 0.1);
    EXPECT_NEAR(Length(body.astrometric), 1.0, 1e-12);
  }
}

TEST(BodiesTest, TopocentricMoonIsLoweredByItsParallax) {
  const TimeScales time = ScalesAt(2026, 12, 8, 21, 0);
  const BodyPosition geocentric = *ComputeBody(Body::Moon, time);
  const Place places[] = {{48.85, 2.35}, {-33.9, 151.2}, {0.0, -75.0}, {70.0, 20.0}};
  for (const Place& place : places) {
    SCOPED_TRACE(place.latitudeDegrees);
    const HorizonFrame frame(time, place);
    const BodyPosition topocentric = TopocentricMoon(geocentric, frame, place);
    const double geocentricAltitude = frame.HorizontalOf(geocentric.astrometric).altitude;
    const double topocentricAltitude = frame.HorizontalOf(topocentric.astrometric).altitude;
    // The parallax in altitude is the equatorial horizontal parallax times the
    // cosine of the altitude, within the Earth's flattening (0.3 %) and the
    // angle between the geocentric and the geodetic vertical.
    const double horizontalParallax = std::asin(6378.137 / (geocentric.DistanceAu() * ERFA_DAU / 1000.0));
    EXPECT_NEAR(geocentricAltitude - topocentricAltitude, horizontalParallax * std::cos(topocentricAltitude),
                horizontalParallax * 0.01);
    EXPECT_NEAR(Length(topocentric.fromEarth) / geocentric.DistanceAu(), 1.0, 0.02);
  }
}

TEST(BodiesTest, PhaseBrightLimbAndMagnitudesMatchPublishedFigures) {
  // Venus on 1992 December 20.0 TD: phase angle 72.96 degrees, 0.647 lit.
  const BodyPosition venus = BodyAtTerrestrialTime(Body::Venus, 2448976.5);
  EXPECT_NEAR(PhaseAngle(venus) / kRadiansPerDegree, 72.96, 0.01);
  EXPECT_NEAR(IlluminatedFraction(venus), 0.647, 0.001);
  // The Moon on 1992 April 12.0 TD: 0.6786 lit, bright limb at 285.0 degrees.
  const Expected<SolarSystem> april = ComputeBodies(TimeScalesAtTerrestrialTime({2448724.5, 0.0}));
  ASSERT_TRUE(april);
  EXPECT_NEAR(IlluminatedFraction(Of(*april, Body::Moon)), 0.6786, 0.0005);
  EXPECT_NEAR(BrightLimbPositionAngle(Of(*april, Body::Moon), Of(*april, Body::Sun)) / kRadiansPerDegree, 285.0, 0.1);
  EXPECT_FALSE(VisualMagnitude(Of(*april, Body::Moon)));

  // Oppositions as the almanacs give them: Mars 2003 August 28 at -2.9,
  // Saturn 2002 December 17 at -0.5 with its rings open, Jupiter 2022
  // September 26 at -2.9.
  struct Case {
    Body planet;
    double julianDate;
    double magnitude;
  };
  const Case kOppositions[] = {{Body::Mars, 2452879.5, -2.9}, {Body::Saturn, 2452625.5, -0.5},
                               {Body::Jupiter, 2459848.5, -2.9}};
  for (const Case& c : kOppositions) {
    SCOPED_TRACE(NameOf(c.planet));
    const std::optional<double> magnitude = VisualMagnitude(BodyAtTerrestrialTime(c.planet, c.julianDate));
    ASSERT_TRUE(magnitude);
    EXPECT_NEAR(*magnitude, c.magnitude, 0.1);
  }
}
