#include "shell/SearchLinks.h"

#include <array>
#include <limits>

#include "search/BodySearch.h"
#include "search/SearchEngine.h"

namespace vespera {

namespace {

std::int32_t LeadingNumber(std::u16string_view text) {
  std::size_t at = 0;
  bool negative = false;
  if (at < text.size() && (text[at] == u'+' || text[at] == u'-')) negative = text[at++] == u'-';
  constexpr std::int64_t kLimit = std::int64_t(std::numeric_limits<std::int32_t>::max()) + 1;
  std::int64_t value = 0;
  for (; at < text.size() && text[at] >= u'0' && text[at] <= u'9'; ++at) {
    value = value * 10 + (text[at] - u'0');
    if (value > kLimit) value = kLimit;
  }
  if (negative) return std::int32_t(-value);
  return value >= kLimit ? std::numeric_limits<std::int32_t>::max() : std::int32_t(value);
}

struct LinkKind {
  std::u16string_view prefix;
  SearchResultCode code;
};

constexpr std::array<LinkKind, 4> kLinkKinds{{
    {kStarLinkPrefix, kSearchShowStar},
    {kDeepSkyLinkPrefix, kSearchShowDeepSky},
    {kConstellationLinkPrefix, kSearchShowConstellation},
    {kBodyLinkPrefix, kSearchShowBody},
}};

}  // namespace

std::optional<SearchChoice> ParseResultLink(std::u16string_view target) {
  for (const LinkKind& kind : kLinkKinds) {
    const std::size_t at = target.find(kind.prefix);
    if (at == std::u16string_view::npos) continue;
    return SearchChoice{kind.code, LeadingNumber(target.substr(at + kind.prefix.size()))};
  }
  return std::nullopt;
}

}  // namespace vespera
