#include "info/PageTemplate.h"

#include "appcore/RedScreenColours.h"

namespace vespera {

void ReplaceMarker(WideString& text, std::u16string_view marker, std::u16string_view value) {
  if (marker.empty()) return;
  std::size_t at = text.find(marker);
  while (at != WideString::npos) {
    text.replace(at, marker.size(), value);
    at = text.find(marker, at + value.size());
  }
}

WideString StyledPageHeader(bool redScreenMode) {
  WideString page(kPageStyleBlock);
  ReplaceMarker(page, kBackColorMarker, redScreenMode ? kRedScreenRedHtml : kNormalBackground);
  ReplaceMarker(page, kTextColorMarker, kPageTextColor);
  return page;
}

}  // namespace vespera
