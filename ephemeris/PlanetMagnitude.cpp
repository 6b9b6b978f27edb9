// Phase, lit fraction, bright limb and planetary magnitudes.

#include "ephemeris/PlanetMagnitude.h"

#include <cmath>

namespace vespera {

namespace {

// Saturn's north pole (IAU), J2000: the rings lie in its equator.
constexpr double kSaturnPoleRaDegrees = 40.589, kSaturnPoleDecDegrees = 83.537;

// The ring plane's tilt towards the Earth (B) and the difference of the
// Saturnicentric longitudes of the Sun and the Earth in that plane (delta U).
struct RingAspect {
  double tiltRadians = 0.0;
  double longitudeDifferenceDegrees = 0.0;
};

RingAspect SaturnRingAspect(const BodyPosition& saturn) {
  const Vector3 pole = DirectionOf(RaDec{kSaturnPoleRaDegrees * kRadiansPerDegree, kSaturnPoleDecDegrees * kRadiansPerDegree});
  const auto towards = [](const Vector3& fromBody) { return Normalized(Negated(fromBody)); };
  const Vector3 toEarth = towards(saturn.fromEarth), toSun = towards(saturn.fromSun);
  const auto inRingPlane = [&](const Vector3& v) {
    const double along = Dot(v, pole);
    return Vector3{v[0] - along * pole[0], v[1] - along * pole[1], v[2] - along * pole[2]};
  };
  RingAspect aspect;
  aspect.tiltRadians = std::asin(Dot(toEarth, pole));
  aspect.longitudeDifferenceDegrees = AngleBetween(inRingPlane(toEarth), inRingPlane(toSun)) / kRadiansPerDegree;
  return aspect;
}

}  // namespace

double PhaseAngle(const BodyPosition& body) {
  if (body.body == Body::Sun) return 0.0;
  return AngleBetween(body.fromSun, body.fromEarth);
}

double IlluminatedFraction(const BodyPosition& body) { return (1.0 + std::cos(PhaseAngle(body))) / 2.0; }

double BrightLimbPositionAngle(const BodyPosition& body, const BodyPosition& sun) {
  const RaDec& b = body.apparent;
  const RaDec& s = sun.apparent;
  return WrapPositive(std::atan2(std::cos(s.dec) * std::sin(s.ra - b.ra),
                                 std::sin(s.dec) * std::cos(b.dec) - std::cos(s.dec) * std::sin(b.dec) * std::cos(s.ra - b.ra)));
}

std::optional<double> VisualMagnitude(const BodyPosition& planet) {
  if (!IsPlanet(planet.body)) return std::nullopt;
  const double distances = 5.0 * std::log10(Length(planet.fromSun) * planet.DistanceAu());
  const double i = PhaseAngle(planet) / kRadiansPerDegree;
  switch (planet.body) {
    case Body::Mercury: return -0.42 + distances + 0.0380 * i - 0.000273 * i * i + 0.000002 * i * i * i;
    case Body::Venus: return -4.40 + distances + 0.0009 * i + 0.000239 * i * i - 0.00000065 * i * i * i;
    case Body::Mars: return -1.52 + distances + 0.016 * i;
    case Body::Jupiter: return -9.40 + distances + 0.005 * i;
    case Body::Saturn: {
      const RingAspect rings = SaturnRingAspect(planet);
      const double sinTilt = std::sin(std::fabs(rings.tiltRadians));
      return -8.88 + distances + 0.044 * rings.longitudeDifferenceDegrees - 2.60 * sinTilt + 1.25 * sinTilt * sinTilt;
    }
    case Body::Uranus: return -7.19 + distances;
    case Body::Neptune: return -6.87 + distances;
    default: return std::nullopt;
  }
}

}  // namespace vespera
