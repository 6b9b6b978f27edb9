#pragma once
// How a body looks: its phase angle, the lit fraction of its disc, the
// position angle of its bright limb, and the planets' visual magnitudes by
// the Astronomical Almanac's formulas as Meeus gives them ("Illuminated
// Fraction of the Disk and Magnitude of a Planet"), Saturn's with its rings
// ("The Ring of Saturn").

#include <optional>

#include "ephemeris/Bodies.h"

namespace vespera {

// The angle Sun - body - Earth, radians; 0 for the Sun.
double PhaseAngle(const BodyPosition& body);
// 0 (new) .. 1 (full).
double IlluminatedFraction(const BodyPosition& body);
// Where the lit limb faces, from celestial north through east, radians, from
// the apparent places of the body and the Sun: the Sun's direction as seen on
// the body's disc. Drawing the Moon with its lit side this way faces the Sun.
double BrightLimbPositionAngle(const BodyPosition& body, const BodyPosition& sun);
// Mercury .. Neptune; nothing for the Sun and the Moon.
std::optional<double> VisualMagnitude(const BodyPosition& planet);

}  // namespace vespera
