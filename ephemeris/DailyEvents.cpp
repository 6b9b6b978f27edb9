// Rise, transit and set by iterating on the body's place of date.

#include "ephemeris/DailyEvents.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>
#include <functional>
#include <utility>

#include "ephemeris/SiderealTime.h"

namespace vespera {

namespace {

// Sidereal time gains on solar time by this ratio, so an hour angle of 2 pi
// passes in 1 / ratio days.
constexpr double kSiderealPerSolar = 1.00273790935;
constexpr double kConvergedDays = 0.5 / 86400.0;
constexpr int kMostSteps = 12;
constexpr double kEarthEquatorialRadiusKm = 6378.14;

// Where the body stands at an instant: its apparent place of date and the
// altitude that counts as rising for it then.
struct Sighting {
  RaDec apparent;
  double standardAltitude = 0.0;  // radians
};
using SightingAt = std::function<Expected<Sighting>(const TimeScales&)>;

enum class Event { Rise, Transit, Set };

class EventSearch {
 public:
  EventSearch(const SightingAt& sightingAt, JulianDate start, const Place& place)
      : sightingAt_(sightingAt), start_(start), longitude_(place.longitudeDegrees * kRadiansPerDegree),
        latitude_(place.latitudeDegrees * kRadiansPerDegree) {}

  // The hour angle and the sighting at `days` after the start.
  struct State {
    double hourAngle = 0.0;
    Sighting sighting;
  };
  Expected<State> StateAt(double days) const {
    const Expected<TimeScales> time = TimeScalesAtUtc({start_.whole, start_.fraction + days});
    if (!time) return Failure(time.reason());
    const Expected<Sighting> sighting = sightingAt_(*time);
    if (!sighting) return Failure(sighting.reason());
    const double local = LocalSiderealTime(GreenwichApparentSiderealTime(*time), longitude_);
    return State{WrapSigned(local - sighting->apparent.ra), *sighting};
  }

  // cos H0: the cosine of the hour angle at which the body stands at its
  // standard altitude; beyond -1 or 1 it never reaches it.
  double CosineOfSettingHourAngle(const Sighting& sighting) const {
    const double dec = sighting.apparent.dec;
    const double denominator = std::cos(latitude_) * std::cos(dec);
    if (denominator == 0.0) return std::sin(sighting.standardAltitude) > std::sin(latitude_) * std::sin(dec) ? 2.0 : -2.0;
    return (std::sin(sighting.standardAltitude) - std::sin(latitude_) * std::sin(dec)) / denominator;
  }

  // Refines an estimate (days from the start); nothing when the body does
  // not reach its altitude near there or the steps do not settle.
  Expected<std::optional<double>> Refine(Event event, double days) const {
    for (int step = 0; step < kMostSteps; ++step) {
      const Expected<State> state = StateAt(days);
      if (!state) return Failure(state.reason());
      // The event is where the hour angle reaches its target: the meridian
      // for the transit, minus or plus the setting hour angle for the rise
      // and the set (east of the meridian the hour angle is negative). The
      // target moves with the body, so each step takes it anew.
      double target = 0.0;
      if (event != Event::Transit) {
        const double cosH0 = CosineOfSettingHourAngle(state->sighting);
        if (cosH0 < -1.0 || cosH0 > 1.0) return std::optional<double>();
        target = event == Event::Rise ? -std::acos(cosH0) : std::acos(cosH0);
      }
      const double correction = WrapSigned(target - state->hourAngle) / (2.0 * kPi * kSiderealPerSolar);
      days += correction;
      if (std::fabs(correction) < kConvergedDays) return std::optional<double>(days);
    }
    return std::optional<double>();
  }

  // The event within the day: refined from the estimate, and once more from a
  // day earlier or later when the first refinement left the day (a body that
  // comes back a little later each day can have its event at both ends).
  Expected<std::optional<UtcInstant>> Find(Event event, double estimate) const {
    for (double shift : {0.0, -1.0, 1.0}) {
      const Expected<std::optional<double>> days = Refine(event, estimate + shift);
      if (!days) return Failure(days.reason());
      if (*days && **days >= 0.0 && **days < 1.0)
        return std::optional<UtcInstant>(UtcInstantOf({start_.whole, start_.fraction + **days}));
    }
    return std::optional<UtcInstant>();
  }

  Expected<DailyEvents> Search() const {
    const Expected<State> atStart = StateAt(0.0);
    if (!atStart) return Failure(atStart.reason());
    // The first estimates take the body as fixed at its place at the start.
    const double transit = WrapPositive(-atStart->hourAngle) / (2.0 * kPi * kSiderealPerSolar);
    const Expected<State> atTransit = StateAt(transit);
    if (!atTransit) return Failure(atTransit.reason());
    const double cosH0 = CosineOfSettingHourAngle(atTransit->sighting);

    DailyEvents events;
    Expected<std::optional<UtcInstant>> transitTime = Find(Event::Transit, transit);
    if (!transitTime) return Failure(transitTime.reason());
    events.transit = *transitTime;
    if (cosH0 > 1.0) {
      events.course = DayCourse::NeverRises;
      return events;
    }
    if (cosH0 < -1.0) {
      events.course = DayCourse::AlwaysUp;
      return events;
    }
    const double halfArc = std::acos(cosH0) / (2.0 * kPi * kSiderealPerSolar);
    Expected<std::optional<UtcInstant>> rise = Find(Event::Rise, transit - halfArc);
    if (!rise) return Failure(rise.reason());
    Expected<std::optional<UtcInstant>> set = Find(Event::Set, transit + halfArc);
    if (!set) return Failure(set.reason());
    events.rise = *rise;
    events.set = *set;
    return events;
  }

 private:
  const SightingAt& sightingAt_;
  JulianDate start_;
  double longitude_;
  double latitude_;
};

Expected<DailyEvents> Search(const SightingAt& sightingAt, UtcInstant start, const Place& place) {
  const Expected<JulianDate> startDate = UtcJulianDateOf(start);
  if (!startDate) return Failure(startDate.reason());
  return EventSearch(sightingAt, *startDate, place).Search();
}

SightingAt BodySighting(Body body, std::optional<double> altitudeDegrees) {
  return [body, altitudeDegrees](const TimeScales& time) -> Expected<Sighting> {
    const Expected<BodyPosition> position = ComputeBody(body, time);
    if (!position) return Failure(position.reason());
    double altitude = altitudeDegrees.value_or(kStarStandardAltitudeDegrees);
    if (!altitudeDegrees && body == Body::Sun) altitude = kSunStandardAltitudeDegrees;
    if (!altitudeDegrees && body == Body::Moon) altitude = MoonStandardAltitudeDegrees(position->DistanceAu());
    return Sighting{position->apparent, altitude * kRadiansPerDegree};
  };
}

}  // namespace

double MoonStandardAltitudeDegrees(double distanceAu) {
  const double horizontalParallax = std::asin(kEarthEquatorialRadiusKm / (distanceAu * ERFA_DAU / 1000.0));
  return 0.7275 * horizontalParallax / kRadiansPerDegree + kStarStandardAltitudeDegrees;
}

Expected<DailyEvents> EventsOfDirection(const Vector3& j2000, UtcInstant start, const Place& place,
                                        double standardAltitudeDegrees) {
  const SightingAt fixed = [&](const TimeScales& time) -> Expected<Sighting> {
    double rbpn[3][3];
    eraPnm06a(time.tt.whole, time.tt.fraction, rbpn);
    Vector3 direction = j2000, ofDate{};
    eraRxp(rbpn, direction.data(), ofDate.data());
    return Sighting{RaDecOf(ofDate), standardAltitudeDegrees * kRadiansPerDegree};
  };
  return Search(fixed, start, place);
}

Expected<DailyEvents> EventsOfBody(Body body, UtcInstant start, const Place& place) {
  return Search(BodySighting(body, std::nullopt), start, place);
}

Expected<DailyEvents> EventsOfSunAtAltitude(UtcInstant start, const Place& place, double altitudeDegrees) {
  return Search(BodySighting(Body::Sun, altitudeDegrees), start, place);
}

Expected<Twilights> TwilightsOf(UtcInstant start, const Place& place) {
  Twilights twilights;
  const std::pair<DailyEvents*, double> kinds[] = {{&twilights.civil, kCivilTwilightDegrees},
                                                   {&twilights.nautical, kNauticalTwilightDegrees},
                                                   {&twilights.astronomical, kAstronomicalTwilightDegrees}};
  for (const auto& [events, altitude] : kinds) {
    Expected<DailyEvents> found = EventsOfSunAtAltitude(start, place, altitude);
    if (!found) return Failure(found.reason());
    *events = *found;
  }
  return twilights;
}

}  // namespace vespera
