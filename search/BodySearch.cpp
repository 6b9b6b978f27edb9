#include "search/BodySearch.h"

#include <algorithm>
#include <string>

#include "platform/runtime/CaseFold.h"
#include "platform/runtime/CodePage.h"
#include "platform/runtime/WideFormat.h"
#include "search/SearchPageTexts.h"

namespace vespera {

namespace {

constexpr std::u16string_view kBlanks = u" \t";

WideString Folded(std::u16string_view text) {
  WideString folded(text);
  FoldWide(folded);
  return folded;
}

}  // namespace

bool BodyNameMatches(std::u16string_view name, std::u16string_view query) {
  const WideString folded = Folded(query);
  const std::u16string_view text = folded;
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::u16string_view::npos) return false;
  const std::u16string_view trimmed = text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
  const WideString foldedName = Folded(name);
  if (foldedName.starts_with(trimmed)) return true;
  for (std::size_t at = 0; at < trimmed.size();) {
    const std::size_t end = std::min(trimmed.find_first_of(kBlanks, at), trimmed.size());
    if (trimmed.substr(at, end - at) == foldedName) return true;
    at = trimmed.find_first_not_of(kBlanks, end);
  }
  return false;
}

WideString WriteBodySection(std::span<const SearchableBody> bodies, std::u16string_view query) {
  WideString section = u"<h3>Solar system search</h3>";
  bool found = false;
  for (const SearchableBody& body : bodies) {
    if (!BodyNameMatches(body.name, query)) continue;
    found = true;
    section += body.name;
    section += u"<BR>";
    if (body.magnitude) section += FormatWide(u"Magnitude: %.1f<BR>", {*body.magnitude});
    section += kResultLinkStart;
    section += kBodyLinkPrefix;
    section += Utf8ToWide(std::to_string(body.number));
    section += kResultLinkEnd;
    section += u"<BR>";
  }
  if (!found) section += kNoObjectsLine;
  return section;
}

}  // namespace vespera
