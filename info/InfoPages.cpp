#include "info/InfoPages.h"

#include <algorithm>
#include <string>

#include "info/PageTemplate.h"
#include "platform/runtime/CodePage.h"

namespace vespera {

namespace {

WideString DecimalText(int number) {
  const std::string digits = std::to_string(number);
  return WideString(digits.begin(), digits.end());
}

// The colour markers are replaced before the body joins the page, so a body
// may show them literally; the directory marker is replaced in the body too.
WideString StyledSectionPage(const IniSection& section, bool redScreenMode,
                             std::string_view programDirectory) {
  WideString page = StyledPageHeader(redScreenMode);
  page += section.body;
  WideString directory(kDirectoryPrefix);
  directory += Utf8ToWide(programDirectory);
  ReplaceMarker(page, kPathMarker, directory);
  return page;
}

}  // namespace

WideString BuildInfoPage(const IniFile& file, int number, bool redScreenMode,
                         std::string_view programDirectory) {
  const WideString key = DecimalText(number);
  const int found = FindSection(file, key);
  WideString page;
  if (found < 0) {
    page = kMissingSectionText;
    ReplaceMarker(page, u"%s", key);
  } else {
    page = StyledSectionPage(file[static_cast<std::size_t>(found)], redScreenMode, programDirectory);
  }
  page += kInfoPageCloseLink;
  return page;
}

WideString BuildHelpPage(const IniFile& file, bool redScreenMode, std::string_view programDirectory) {
  const int found = FindSection(file, kHelpSectionName);
  WideString page;
  if (found < 0) {
    page = StyledPageHeader(redScreenMode);
    page += kMissingHelpText;
  } else {
    page = StyledSectionPage(file[static_cast<std::size_t>(found)], redScreenMode, programDirectory);
    // Help.ini authors write an underscore where a joined line needs a space.
    std::replace(page.begin(), page.end(), u'_', u' ');
  }
  page += kHelpPageCloseLink;
  return page;
}

}  // namespace vespera
