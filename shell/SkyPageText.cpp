#include "shell/SkyPageText.h"

#include <array>
#include <cmath>
#include <cstdio>

#include "ephemeris/TimeText.h"
#include "info/PageTemplate.h"
#include "platform/runtime/CodePage.h"
#include "search/BodySearch.h"
#include "search/SearchEngine.h"

namespace vespera {

std::string ClockText(const std::optional<UtcInstant>& instant) {
  return instant ? FormatLocalClock(*instant) : "--:--";
}

std::string DayCourseText(const DailyEvents& events) {
  switch (events.course) {
    case DayCourse::NeverRises: return "never rises";
    case DayCourse::AlwaysUp: return "always up";
    case DayCourse::RisesAndSets: break;
  }
  // An event outside the night's 24 hours (the Moon's transit, a day in
  // fifty or so) is named as missing rather than shown as a blank clock.
  const auto part = [](std::string_view happens, std::string_view missing, const std::optional<UtcInstant>& instant) {
    return instant ? std::string(happens) + " " + ClockText(instant) : std::string(missing);
  };
  return part("rises", "no rise", events.rise) + ", " + part("transit", "no transit", events.transit) + ", " +
         part("sets", "no set", events.set);
}

std::string_view CompassPoint(double azimuthRadians) {
  static constexpr std::array<std::string_view, 16> kPoints{"N", "NNE", "NE", "ENE", "E", "ESE", "SE", "SSE",
                                                            "S", "SSW", "SW", "WSW", "W", "WNW", "NW", "NNW"};
  const double sixteenths = WrapPositive(azimuthRadians) / (2.0 * kPi) * 16.0;
  return kPoints[static_cast<std::size_t>(std::lround(sixteenths)) % kPoints.size()];
}

std::string AltitudeDirectionText(const Horizontal& horizontal) {
  char text[24];
  std::snprintf(text, sizeof text, "%.0f\xC2\xB0 ", horizontal.altitude / kRadiansPerDegree);
  // "-0°" reads as a fault; a body just under the horizon is at 0.
  std::string result = std::string_view(text).starts_with("-0\xC2\xB0") ? std::string(text + 1) : std::string(text);
  return result + std::string(CompassPoint(horizontal.azimuth));
}

std::string J2000Text(const Vector3& direction) {
  const RaDec place = RaDecOf(direction);
  // Rounded once, in tenths of a minute of time and whole arcminutes, so
  // that 59.96m carries into the next hour instead of printing as "60.0m".
  long tenths = std::lround(place.ra / (2.0 * kPi) * 24.0 * 600.0) % (24 * 600);
  const long arcminutes = std::lround(std::fabs(place.dec) / kRadiansPerDegree * 60.0);
  char text[64];
  std::snprintf(text, sizeof text, "%02ldh %02ld.%ldm, %c%02ld\xC2\xB0 %02ld'", tenths / 600, (tenths % 600) / 10,
                tenths % 10, place.dec < 0 && arcminutes > 0 ? '-' : '+', arcminutes / 60, arcminutes % 60);
  return text;
}

std::string EscapeHtml(std::string_view text) {
  std::string escaped;
  for (const char c : text) {
    switch (c) {
      case '&': escaped += "&amp;"; break;
      case '<': escaped += "&lt;"; break;
      case '>': escaped += "&gt;"; break;
      default: escaped += c;
    }
  }
  return escaped;
}

std::string Line(std::string_view label, std::string_view value) {
  return std::string(label) + ": " + std::string(value) + "<BR>";
}

WideString FinishedSkyPage(bool redScreen, const std::string& body) {
  WideString page = StyledPageHeader(redScreen);
  page += Utf8ToWide(body);
  page += kHelpPageCloseLink;
  return page;
}

namespace {

std::string Link(std::string_view target, long number, std::string_view text) {
  return "<A HREF=\"" + std::string(target) + std::to_string(number) + "\">" + EscapeHtml(text) + "</A>";
}

}  // namespace

std::string BodyLink(Body body) { return Link(WideToUtf8(kBodyLinkPrefix), static_cast<long>(body), NameOf(body)); }

std::string DeepSkyLink(std::int32_t index, std::string_view name) {
  return Link(WideToUtf8(kDeepSkyLinkPrefix), index, name);
}

std::string ListPageLink(const ListedObject& entry, std::string_view text) {
  return Link(entry.list == ObjectList::Messier ? kMessierPageLinkPrefix : kCaldwellPageLinkPrefix, entry.number, text);
}

std::optional<SkyPageLink> ParseSkyPageLink(std::u16string_view target) {
  const std::string text = WideToUtf8(target);
  const std::string deepSkyPrefix = WideToUtf8(kDeepSkyLinkPrefix);
  const std::string bodyPrefix = WideToUtf8(kBodyLinkPrefix);
  const std::pair<std::string_view, SkyPageLink::Kind> prefixes[] = {
      {deepSkyPrefix, SkyPageLink::Kind::DeepSky},
      {bodyPrefix, SkyPageLink::Kind::Body},
      {kMessierPageLinkPrefix, SkyPageLink::Kind::MessierPage},
      {kCaldwellPageLinkPrefix, SkyPageLink::Kind::CaldwellPage},
  };
  for (const auto& [prefix, kind] : prefixes) {
    if (!std::string_view(text).starts_with(prefix)) continue;
    const std::string_view digits = std::string_view(text).substr(prefix.size());
    // Nine digits at most: every number a page writes fits, and no sum overflows.
    if (digits.empty() || digits.size() > 9) return std::nullopt;
    std::int32_t number = 0;
    for (const char c : digits) {
      if (c < '0' || c > '9') return std::nullopt;
      number = number * 10 + (c - '0');
    }
    return SkyPageLink{kind, number};
  }
  return std::nullopt;
}

}  // namespace vespera
