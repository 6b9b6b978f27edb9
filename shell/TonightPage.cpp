#include "shell/TonightPage.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "ephemeris/DailyEvents.h"
#include "ephemeris/HorizonFrame.h"
#include "ephemeris/PlanetMagnitude.h"
#include "ephemeris/TimeText.h"
#include "platform/runtime/CodePage.h"
#include "shell/ObserverSky.h"
#include "shell/SkyPageText.h"

namespace vespera {

namespace {

using std::chrono::seconds;

// Mean solar time runs ahead of UTC by four minutes a degree east.
seconds MeanSolarOffset(const Place& place) {
  return seconds(std::lround(place.longitudeDegrees * 240.0));
}

std::string NightDateText(UtcInstant start, const Place& place) {
  const std::chrono::year_month_day date{std::chrono::floor<std::chrono::days>(start + MeanSolarOffset(place))};
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02u-%02u", int(date.year()), unsigned(date.month()), unsigned(date.day()));
  return text;
}

std::string Heading(std::string_view text) { return "<BR><b>" + std::string(text) + "</b><BR>"; }

std::string SunLines(const Expected<DailyEvents>& sun, const Expected<Twilights>& twilights) {
  if (!sun || !twilights) return "The Sun's course cannot be computed for this date.<BR>";
  if (sun->course == DayCourse::AlwaysUp) return "The Sun does not set today.<BR>";
  std::string lines;
  if (sun->course == DayCourse::NeverRises)
    lines += "The Sun does not rise today.<BR>";
  else
    lines += Line("Sunset", ClockText(sun->set));
  struct Stage {
    const DailyEvents& events;
    std::string_view name;
  };
  const Stage stages[] = {{twilights->civil, "civil"}, {twilights->nautical, "nautical"},
                          {twilights->astronomical, "astronomical"}};
  // Evening ends of twilight, then the morning beginnings in reverse.
  for (const Stage& stage : stages) {
    if (stage.events.course == DayCourse::AlwaysUp)
      lines += "No " + std::string(stage.name) + " darkness tonight.<BR>";
    else if (stage.events.course == DayCourse::NeverRises)
      lines += "Darker than " + std::string(stage.name) + " twilight all day.<BR>";
    else
      lines += Line("End of " + std::string(stage.name) + " twilight", ClockText(stage.events.set));
  }
  for (auto stage = std::rbegin(stages); stage != std::rend(stages); ++stage)
    if (stage->events.course == DayCourse::RisesAndSets)
      lines += Line("Start of " + std::string(stage->name) + " twilight", ClockText(stage->events.rise));
  if (sun->course == DayCourse::RisesAndSets) lines += Line("Sunrise", ClockText(sun->rise));
  return lines;
}

// Waxing while the Moon stands east of the Sun, less than half a turn on.
std::string_view PhaseName(double fraction, bool waxing) {
  if (fraction < 0.03) return "new";
  if (fraction > 0.97) return "full";
  if (std::fabs(fraction - 0.5) < 0.03) return waxing ? "first quarter" : "last quarter";
  if (fraction < 0.5) return waxing ? "waxing crescent" : "waning crescent";
  return waxing ? "waxing gibbous" : "waning gibbous";
}

std::string MoonLines(const BodyPosition& moon, const BodyPosition& sun, const Expected<DailyEvents>& events) {
  const double fraction = IlluminatedFraction(moon);
  const bool waxing = WrapSigned(moon.apparent.ra - sun.apparent.ra) > 0.0;
  char lit[48];
  std::snprintf(lit, sizeof lit, ", %.0f%% lit", fraction * 100.0);
  return BodyLink(Body::Moon) + ": " + (events ? DayCourseText(*events) : "no events") + "<BR>Phase: " +
         std::string(PhaseName(fraction, waxing)) + lit + "<BR>";
}

std::string ConstellationText(const ConstellationBounds* bounds, const Vector3& direction) {
  if (!bounds) return "";
  const std::string_view name = bounds->Find(direction);
  return name.empty() ? "" : ", in " + std::string(name);
}

std::string PlanetLine(const BodyPosition& planet, const HorizonFrame& frame, UtcInstant start, const Place& place,
                       const ConstellationBounds* bounds) {
  const Expected<DailyEvents> events = EventsOfBody(planet.body, start, place);
  std::string line = BodyLink(planet.body) + ": " + (events ? DayCourseText(*events) : "no events") + "<BR>&nbsp; now " +
                     AltitudeDirectionText(frame.HorizontalOf(planet.astrometric));
  if (const std::optional<double> magnitude = VisualMagnitude(planet)) {
    char text[24];
    std::snprintf(text, sizeof text, ", mag %.1f", *magnitude);
    line += text;
  }
  return line + ConstellationText(bounds, planet.astrometric) + "<BR>";
}

// The brightest list objects of known magnitude standing higher than the
// limit at `when`, one per label, brightest first (list order breaks ties).
std::string BrightestObjectLines(const TonightInputs& inputs, UtcInstant when) {
  const Expected<TimeScales> time = TimeScalesAt(when);
  if (!time) return "";
  const HorizonFrame frame(*time, inputs.place);
  struct Candidate {
    const ListedObject* entry;
    float magnitude;
    Horizontal horizontal;
  };
  std::vector<Candidate> candidates;
  const double minAltitude = kBrightestObjectMinAltitudeDegrees * kRadiansPerDegree;
  for (const ListedObject& entry : *inputs.listed) {
    const SkyObjectRecord& record = inputs.deepSky->objects[static_cast<std::size_t>(entry.index)];
    if (IsPlaceholderMagnitude(record.magnitude())) continue;
    const Horizontal horizontal = frame.HorizontalOf(DirectionOf(SkyPoint{record.ra(), record.dec()}));
    if (horizontal.altitude <= minAltitude) continue;
    const bool sameLabel = std::any_of(candidates.begin(), candidates.end(), [&](const Candidate& c) {
      return c.entry->list == entry.list && c.entry->number == entry.number;
    });
    if (!sameLabel) candidates.push_back({&entry, record.magnitude(), horizontal});
  }
  std::stable_sort(candidates.begin(), candidates.end(),
                   [](const Candidate& a, const Candidate& b) { return a.magnitude < b.magnitude; });
  if (candidates.size() > kBrightestObjectCount) candidates.resize(kBrightestObjectCount);
  if (candidates.empty()) return "None stands that high then.<BR>";
  std::string lines;
  for (const Candidate& c : candidates) {
    char text[48];
    std::snprintf(text, sizeof text, " mag %.1f, ", c.magnitude);
    const SkyObjectRecord& record = inputs.deepSky->objects[static_cast<std::size_t>(c.entry->index)];
    WideString name;
    if (!inputs.deepSky->FindName(DesignationText(record), name)) name = ListLabel(*c.entry);
    lines += DeepSkyLink(c.entry->index, WideToUtf8(name)) + text +
             AltitudeDirectionText(c.horizontal) + "<BR>";
  }
  return lines;
}

}  // namespace

UtcInstant TonightStart(UtcInstant shown, const Place& place) {
  // Noon of mean solar time is UTC noon less the offset.
  const seconds noonUtc = std::chrono::hours(12) - MeanSolarOffset(place);
  return std::chrono::floor<std::chrono::days>(shown - noonUtc) + noonUtc;
}

WideString BuildTonightPage(const TonightInputs& inputs) {
  const UtcInstant start = TonightStart(inputs.shown, inputs.place);
  std::string body = "<b>Tonight</b><BR>" + PlaceText(inputs.place) + ", night of " + NightDateText(start, inputs.place) +
                     "<BR>Times in " + LocalOffsetText(inputs.shown) + "; now is " +
                     FormatLocalClock(inputs.shown) + "<BR>";

  const Expected<TimeScales> time = TimeScalesAt(inputs.shown);
  const Expected<SolarSystem> bodies = time ? ComputeBodies(*time) : Expected<SolarSystem>(Failure("no time"));
  const Expected<Twilights> twilights = TwilightsOf(start, inputs.place);
  body += Heading(BodyLink(Body::Sun)) + SunLines(EventsOfBody(Body::Sun, start, inputs.place), twilights);
  if (time && bodies) {
    const HorizonFrame frame(*time, inputs.place);
    body += Heading("Moon") + MoonLines(Of(*bodies, Body::Moon), Of(*bodies, Body::Sun),
                                        EventsOfBody(Body::Moon, start, inputs.place));
    body += Heading("Planets");
    for (const Body planet : kAllBodies)
      if (IsPlanet(planet)) body += PlanetLine(Of(*bodies, planet), frame, start, inputs.place, inputs.constellations);
  }
  if (inputs.deepSky && inputs.listed) {
    // At the end of astronomical twilight, or at mean midnight where the
    // night never gets that dark (or the Sun never sets).
    const bool dark = twilights && twilights->astronomical.set;
    const UtcInstant when = dark ? *twilights->astronomical.set : start + std::chrono::hours(12);
    body += Heading("Brightest Messier and Caldwell objects") + "Higher than 30\xC2\xB0 at " +
            FormatLocalClock(when) + (dark ? " (end of twilight)" : " (midnight)") + ":<BR>" +
            BrightestObjectLines(inputs, when);
  }
  return FinishedSkyPage(inputs.redScreen, body);
}

}  // namespace vespera
