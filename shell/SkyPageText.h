#pragma once
// The pieces of text the Tonight and "About this object" pages share: local
// clock times, a rise-transit-set line, compass points, altitudes, J2000
// places, the links that take the map to an object and the page around them.
// UTF-8 in, turned wide once when the page is finished.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "catalog/CatalogueNumbers.h"
#include "ephemeris/Bodies.h"
#include "ephemeris/DailyEvents.h"
#include "ephemeris/HorizonFrame.h"
#include "platform/runtime/WinTypes.h"

namespace vespera {

// Link targets of the pages: a deep-sky object by its table index and a
// body by its place in kAllBodies (the search page's own "DSOLINK_" and
// "BODYLINK_" forms), and a Messier or Caldwell information page by its number.
inline constexpr std::string_view kMessierPageLinkPrefix = "MESSIER_";
inline constexpr std::string_view kCaldwellPageLinkPrefix = "CALDWELL_";

// "21:30" in local time, or "--:--" when the event does not happen.
std::string ClockText(const std::optional<UtcInstant>& instant);

// "rises 18:02, transit 23:40, sets 05:10" ("no transit" for one outside
// the span searched), "never rises", "always up".
std::string DayCourseText(const DailyEvents& events);

// The nearest of the sixteen compass points: "N", "NNE" ... "NNW".
std::string_view CompassPoint(double azimuthRadians);

// "35° SE", "-12° NNW".
std::string AltitudeDirectionText(const Horizontal& horizontal);

// "05h 35.3m, -05° 23'" for a J2000 direction.
std::string J2000Text(const Vector3& direction);

// "<A HREF=\"BODYLINK_2\">Mercury</A>" and the like; names are escaped.
std::string BodyLink(Body body);
std::string DeepSkyLink(std::int32_t index, std::string_view name);
std::string ListPageLink(const ListedObject& entry, std::string_view text);

// What a page's link asks for: the object or page and its number. Nothing
// for any other target (the close link included) or a number that is not
// plain decimal digits.
struct SkyPageLink {
  enum class Kind { DeepSky, Body, MessierPage, CaldwellPage };
  Kind kind = Kind::DeepSky;
  std::int32_t number = 0;
};
std::optional<SkyPageLink> ParseSkyPageLink(std::u16string_view target);

// The text with &, < and > written as entities.
std::string EscapeHtml(std::string_view text);

// "Label: value<BR>", one line of a page.
std::string Line(std::string_view label, std::string_view value);

// The page around a body of UTF-8 text: the styled header and the close link.
WideString FinishedSkyPage(bool redScreen, const std::string& body);

}  // namespace vespera
