// Geocentric places of the Sun, Moon and planets from ERFA's theories.

#include "ephemeris/Bodies.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

namespace vespera {

namespace {

constexpr int kLightTimeRounds = 3;  // each round cuts the error by v/c; two already reach 1e-8

// eraPlan94's planet numbers: Mercury 1, Venus 2, (3 is the Earth-Moon
// barycentre), Mars 4 .. Neptune 8.
int PlanetNumberOf(Body body) {
  const int fromMercury = static_cast<int>(body) - static_cast<int>(Body::Mercury);
  return body <= Body::Venus ? fromMercury + 1 : fromMercury + 2;
}

double LightTimeDays(const Vector3& path) { return Length(path) * ERFA_AULT / ERFA_DAYSEC; }

// What every body's place needs from the Earth at the instant.
struct EarthState {
  Vector3 heliocentric{};       // au
  Vector3 velocityOverC{};      // barycentric velocity in units of the speed of light
  double sunDistance = 0.0;     // au
  double inverseLorentz = 1.0;  // sqrt(1 - v^2/c^2)
  Matrix3 precessionNutation{};
};

EarthState EarthAt(const TimeScales& time) {
  EarthState earth;
  double heliocentric[2][3], barycentric[2][3];
  // Its status only warns of dates outside 1900-2100, where the theory is still usable.
  eraEpv00(time.tt.whole, time.tt.fraction, heliocentric, barycentric);
  earth.heliocentric = {heliocentric[0][0], heliocentric[0][1], heliocentric[0][2]};
  const double auPerDayOverC = ERFA_AULT / ERFA_DAYSEC;
  earth.velocityOverC = {barycentric[1][0] * auPerDayOverC, barycentric[1][1] * auPerDayOverC,
                         barycentric[1][2] * auPerDayOverC};
  earth.sunDistance = Length(earth.heliocentric);
  earth.inverseLorentz = std::sqrt(1.0 - Dot(earth.velocityOverC, earth.velocityOverC));
  double rbpn[3][3];
  eraPnm06a(time.tt.whole, time.tt.fraction, rbpn);
  earth.precessionNutation = ToMatrix3(rbpn);
  return earth;
}

RaDec ApparentOfDate(const EarthState& earth, const Vector3& direction) {
  return RaDecOf(Multiply(earth.precessionNutation, direction));
}

RaDec ApparentWithAberration(const EarthState& earth, const Vector3& astrometric) {
  Vector3 natural = astrometric, velocity = earth.velocityOverC, proper{};
  eraAb(natural.data(), velocity.data(), earth.sunDistance, earth.inverseLorentz, proper.data());
  return ApparentOfDate(earth, proper);
}

BodyPosition SunAt(const EarthState& earth) {
  // The Sun moves about the barycentre by about 13 m/s; over the 8 minutes of
  // its light time that is under 0.01 arcsecond, so its place is the Earth's
  // heliocentric place reversed.
  BodyPosition sun;
  sun.body = Body::Sun;
  sun.fromEarth = Negated(earth.heliocentric);
  sun.astrometric = Normalized(sun.fromEarth);
  sun.apparent = ApparentWithAberration(earth, sun.astrometric);
  return sun;
}

BodyPosition MoonAt(const EarthState& earth, const TimeScales& time) {
  double pv[2][3];
  eraMoon98(time.tt.whole, time.tt.fraction, pv);
  const Vector3 position{pv[0][0], pv[0][1], pv[0][2]};
  const Vector3 velocity{pv[1][0], pv[1][1], pv[1][2]};
  BodyPosition moon;
  moon.body = Body::Moon;
  moon.fromEarth = Minus(position, Scaled(velocity, LightTimeDays(position)));
  moon.fromSun = Plus(earth.heliocentric, moon.fromEarth);
  moon.astrometric = Normalized(moon.fromEarth);
  moon.apparent = ApparentOfDate(earth, moon.astrometric);
  return moon;
}

Expected<BodyPosition> PlanetAt(Body body, const EarthState& earth, const TimeScales& time) {
  BodyPosition planet;
  planet.body = body;
  double lightTime = 0.0;
  for (int round = 0; round < kLightTimeRounds; ++round) {
    double pv[2][3];
    // +1 only warns of a date outside 1000-3000; +2 means no solution.
    const int status = eraPlan94(time.tt.whole, time.tt.fraction - lightTime, PlanetNumberOf(body), pv);
    if (status < 0 || status > 1) return Failure("the planetary theory found no position for that date");
    planet.fromSun = {pv[0][0], pv[0][1], pv[0][2]};
    planet.fromEarth = Minus(planet.fromSun, earth.heliocentric);
    lightTime = LightTimeDays(planet.fromEarth);
  }
  planet.astrometric = Normalized(planet.fromEarth);
  planet.apparent = ApparentWithAberration(earth, planet.astrometric);
  return planet;
}

Expected<BodyPosition> BodyAt(Body body, const EarthState& earth, const TimeScales& time) {
  switch (body) {
    case Body::Sun: return SunAt(earth);
    case Body::Moon: return MoonAt(earth, time);
    default: return PlanetAt(body, earth, time);
  }
}

}  // namespace

std::string_view NameOf(Body body) {
  constexpr std::string_view kNames[kBodyCount] = {"Sun",     "Moon",   "Mercury", "Venus",  "Mars",
                                                   "Jupiter", "Saturn", "Uranus",  "Neptune"};
  return kNames[static_cast<int>(body)];
}

bool IsPlanet(Body body) { return body != Body::Sun && body != Body::Moon; }

Expected<SolarSystem> ComputeBodies(const TimeScales& time) {
  const EarthState earth = EarthAt(time);
  SolarSystem bodies;
  for (Body body : kAllBodies) {
    Expected<BodyPosition> position = BodyAt(body, earth, time);
    if (!position) return Failure(position.reason());
    bodies[static_cast<int>(body)] = *position;
  }
  return bodies;
}

Expected<BodyPosition> ComputeBody(Body body, const TimeScales& time) { return BodyAt(body, EarthAt(time), time); }

BodyPosition TopocentricMoon(const BodyPosition& geocentricMoon, const HorizonFrame& frame, const Place& place) {
  double terrestrial[3];
  eraGd2gc(ERFA_WGS84, place.longitudeDegrees * kRadiansPerDegree, place.latitudeDegrees * kRadiansPerDegree, 0.0,
           terrestrial);
  // Terrestrial axes to the true equator of date by the Greenwich sidereal
  // time (polar motion left out), then to J2000 axes.
  const double g = frame.GreenwichApparentSiderealTime();
  const double c = std::cos(g), s = std::sin(g);
  const Vector3 ofDate{c * terrestrial[0] - s * terrestrial[1], s * terrestrial[0] + c * terrestrial[1],
                       terrestrial[2]};
  const Vector3 observer = Scaled(frame.J2000FromDate(ofDate), 1.0 / ERFA_DAU);

  BodyPosition moon = geocentricMoon;
  moon.fromEarth = Minus(geocentricMoon.fromEarth, observer);
  moon.astrometric = Normalized(moon.fromEarth);
  moon.apparent = RaDecOf(frame.OfDate(moon.astrometric));
  return moon;
}

}  // namespace vespera
