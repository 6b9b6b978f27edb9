#pragma once
// The Sun, the Moon and the planets in the search window: while the map shows
// them, the result page opens with a section of the bodies whose name the
// query matches, each with a "Show on map" link like the catalogue's results.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "platform/runtime/WinTypes.h"

namespace vespera {

// The target of a body's link: this prefix followed by the body's number.
inline constexpr std::u16string_view kBodyLinkPrefix = u"BODYLINK_";

struct SearchableBody {
  std::int32_t number = 0;
  WideString name;
  std::optional<double> magnitude;
};

// Whatever the case and the blanks around it: the query begins the name
// ("jup"), or one of the query's words is the name ("the Moon").
bool BodyNameMatches(std::u16string_view name, std::u16string_view query);

// The section's heading, then each matching body with its magnitude and link,
// or "No objects found" when none matches.
WideString WriteBodySection(std::span<const SearchableBody> bodies, std::u16string_view query);

}  // namespace vespera
