#include "resources/SearchTemplates.h"

#include <array>

#include "resources/SecondaryWindowStyles.h"

namespace vespera {

namespace {

// Where the layouts differ: the query box's width, the column of "Go", the
// rows of the first two lines, the page and the "X".
struct SearchLayout {
  short queryRow, queryWidth, queryHeight, goColumn, matchCaseRow;
  short pageTop, pageWidth, pageHeight;
  short closeColumn, closeRow;
};

constexpr DWORD kQueryStyle = ES_LEFT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | WS_VISIBLE;
constexpr DWORD kGoStyle = BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE;
constexpr DWORD kMatchCaseStyle = BS_AUTOCHECKBOX | WS_TABSTOP | WS_VISIBLE;

constexpr std::array<DialogControlTemplate, 5> SearchControls(SearchLayout l) {
  return {{
      {u"Edit", kSearchQueryId, u"", 3, l.queryRow, l.queryWidth, l.queryHeight, kQueryStyle},
      {u"Button", kSearchGoId, u"Go", l.goColumn, l.queryRow, 23, 12, kGoStyle},
      {u"Button", kSearchMatchCaseId, u"Match case", 3, l.matchCaseRow, 87, 9, kMatchCaseStyle},
      {u"Button", kHtmlPlaceholderId, u"", 3, l.pageTop, l.pageWidth, l.pageHeight, kHtmlPlaceholderStyle},
      {u"Button", IDCANCEL, u"X", l.closeColumn, l.closeRow, 12, 10, kCloseButtonStyle},
  }};
}

constexpr auto kPocketPcControls = SearchControls({20, 104, 13, 112, 37, 48, 132, 114, 125, 3});
constexpr auto kHeight240Controls = SearchControls({20, 104, 13, 112, 37, 48, 132, 74, 125, 3});
constexpr auto kSmallPhoneControls = SearchControls({16, 70, 12, 75, 32, 42, 97, 48, 89, 2});
constexpr auto kQvgaPhoneControls = SearchControls({18, 87, 13, 93, 35, 46, 113, 62, 106, 3});

}  // namespace

const DialogTemplate kSearchTemplate{kSearchTemplateId, kSecondaryWindowStyle, 0, 0, 0, 138, 165,
                                     u"", u"System", 8, kPocketPcControls};
const DialogTemplate kSearchHeight240Template{kSearchHeight240TemplateId, kSecondaryWindowStyle, 0, 0, 0, 138, 125,
                                              u"", u"System", 8, kHeight240Controls};
const DialogTemplate kSearchSmallPhoneTemplate{kSearchSmallPhoneTemplateId, kSecondaryWindowStyle, 0, 0, 0, 103, 122,
                                               u"", u"System", 8, kSmallPhoneControls};
const DialogTemplate kSearchQvgaPhoneTemplate{kSearchQvgaPhoneTemplateId, kSecondaryWindowStyle, 0, 0, 0, 121, 127,
                                              u"", u"System", 8, kQvgaPhoneControls};

}  // namespace vespera
