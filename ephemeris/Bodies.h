#pragma once
// The Sun, the Moon and the planets Mercury to Neptune at one instant, seen
// from the centre of the Earth: ERFA's Earth (eraEpv00), planets (eraPlan94)
// and Moon (eraMoon98) with our own light time and aberration.
//
// Two places per body. The J2000 (astrometric) direction is corrected for
// light time only, like the catalogue's stars, so the horizon frame turns both
// the same way and a planet sits among the right stars on the map. The
// apparent place of date adds the aberration of the Earth's motion and
// precession-nutation: the place the almanacs and worked examples give. The
// Moon is geocentric in ERFA's theory; for its apparent place only its light
// time counts (the Earth's motion cancels between light time and aberration
// for a body that travels with the Earth), and TopocentricMoon moves it to the
// observer, which shifts it by up to a degree.

#include <array>
#include <optional>
#include <string_view>

#include "ephemeris/HorizonFrame.h"
#include "ephemeris/TimeScales.h"
#include "ephemeris/Vector3.h"

namespace vespera {

enum class Body { Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn, Uranus, Neptune };
inline constexpr int kBodyCount = 9;
inline constexpr std::array<Body, kBodyCount> kAllBodies = {Body::Sun,     Body::Moon,   Body::Mercury,
                                                            Body::Venus,   Body::Mars,   Body::Jupiter,
                                                            Body::Saturn,  Body::Uranus, Body::Neptune};

// The body at that place in kAllBodies; nothing for a number outside it.
inline std::optional<Body> BodyOfNumber(int number) {
  if (number < 0 || number >= kBodyCount) return std::nullopt;
  return kAllBodies[static_cast<std::size_t>(number)];
}

std::string_view NameOf(Body body);
bool IsPlanet(Body body);

struct BodyPosition {
  Body body = Body::Sun;
  Vector3 astrometric{};  // J2000 unit vector: light time, no aberration
  RaDec apparent;         // true equator and equinox of date: light time, aberration, nutation
  Vector3 fromEarth{};    // au, J2000 axes, the body at the time its light left it
  Vector3 fromSun{};      // au, J2000 axes, the same instant; zero for the Sun
  double DistanceAu() const { return Length(fromEarth); }
};

using SolarSystem = std::array<BodyPosition, kBodyCount>;  // in the order of kAllBodies

inline const BodyPosition& Of(const SolarSystem& bodies, Body body) { return bodies[static_cast<int>(body)]; }

// Refused only if ERFA's planetary theory fails to converge for the date.
Expected<SolarSystem> ComputeBodies(const TimeScales& time);
Expected<BodyPosition> ComputeBody(Body body, const TimeScales& time);

// The Moon seen from the observer (on the WGS84 ellipsoid at sea level): the
// geocentric Moon less the observer's place, in the same two frames.
BodyPosition TopocentricMoon(const BodyPosition& geocentricMoon, const HorizonFrame& frame, const Place& place);

}  // namespace vespera
