#pragma once
// Rise, transit and set of a fixed J2000 direction or of a moving body within
// one day from a given instant, and the Sun's three twilights, by the
// iteration of Meeus's "Rising, Transit, and Setting": from a first estimate
// of each event, the body's place and the sidereal time at that instant give
// a correction, repeated until it is under half a second. A body that moves
// (the Moon, 13 degrees a day) is recomputed at every step.

#include <optional>

#include "ephemeris/Bodies.h"
#include "ephemeris/Place.h"

namespace vespera {

// Altitudes of the centre at the moment of rising and setting, with refraction
// at the horizon (34') and, for the Sun, its semidiameter.
inline constexpr double kSunStandardAltitudeDegrees = -0.8333;
inline constexpr double kStarStandardAltitudeDegrees = -0.5667;
inline constexpr double kCivilTwilightDegrees = -6.0;
inline constexpr double kNauticalTwilightDegrees = -12.0;
inline constexpr double kAstronomicalTwilightDegrees = -18.0;

// The Moon's from its distance: its horizontal parallax less refraction and
// its semidiameter (0.7275 x parallax - 34'); +0.125 degrees on average.
double MoonStandardAltitudeDegrees(double distanceAu);

enum class DayCourse { RisesAndSets, NeverRises, AlwaysUp };

struct DailyEvents {
  DayCourse course = DayCourse::RisesAndSets;
  // Each only when it happens within the day searched; a transit is given
  // even when the body stays below or above the horizon all day.
  std::optional<UtcInstant> rise;
  std::optional<UtcInstant> transit;
  std::optional<UtcInstant> set;
};

// The day searched runs from `start` for 24 hours.
Expected<DailyEvents> EventsOfDirection(const Vector3& j2000, UtcInstant start, const Place& place,
                                        double standardAltitudeDegrees = kStarStandardAltitudeDegrees);
// With the standard altitude of the body (the Moon's from its distance).
Expected<DailyEvents> EventsOfBody(Body body, UtcInstant start, const Place& place);
// The Sun reaching an altitude: rise is the morning, set the evening crossing.
Expected<DailyEvents> EventsOfSunAtAltitude(UtcInstant start, const Place& place, double altitudeDegrees);

struct Twilights {
  DailyEvents civil;
  DailyEvents nautical;
  DailyEvents astronomical;
};
Expected<Twilights> TwilightsOf(UtcInstant start, const Place& place);

}  // namespace vespera
