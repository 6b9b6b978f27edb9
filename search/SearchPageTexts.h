#pragma once
// The texts of the search result page: each section's heading, link prefix
// and "nothing found" line, the cut-off notice, the result link and the
// page's end. The engine and the tests' reference engine both write them.

#include <array>
#include <string_view>

#include "search/SearchEngine.h"

namespace vespera {

struct SectionTexts {
  std::u16string_view heading;
  std::u16string_view linkPrefix;
  std::u16string_view emptyLine;
};

inline constexpr std::u16string_view kNoStarsLine = u"No stars found<BR>";
inline constexpr std::u16string_view kNoObjectsLine = u"No objects found<BR>";
// In the order of SearchSection.
inline constexpr std::array<SectionTexts, kSearchSectionCount> kSectionTexts{{
    {u"<h3>Stars catalog search</h3>", kStarLinkPrefix, kNoStarsLine},
    {u"<h3>Stars common names search</h3>", kStarLinkPrefix, kNoStarsLine},
    {u"<h3>DSO catalog search</h3>", kDeepSkyLinkPrefix, kNoObjectsLine},
    {u"<h3>DSO common names search</h3>", kDeepSkyLinkPrefix, kNoObjectsLine},
    {u"<h3>Constellations search</h3>", kConstellationLinkPrefix, kNoObjectsLine},
}};

constexpr const SectionTexts& TextsOf(SearchSection section) {
  return kSectionTexts[static_cast<std::size_t>(section)];
}

inline constexpr std::u16string_view kTooManyItems = u"Too many items, search stopped.<BR>";
inline constexpr std::u16string_view kPageEnd = u"<BR><BR><A HREF=\"CLOSE_WND\">Close window</A>";
// A result's link: the start, the section's prefix and the object's index,
// then the end.
inline constexpr std::u16string_view kResultLinkStart = u"<div align=\"left\"><A HREF=\"";
inline constexpr std::u16string_view kResultLinkEnd = u"\">Show on map</A></div>";

}  // namespace vespera
