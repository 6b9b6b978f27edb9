#include "resources/HelpTemplates.h"

#include <array>

#include "resources/SecondaryWindowStyles.h"

namespace vespera {

namespace {

struct Box {
  short x, y, cx, cy;
};

constexpr std::array<DialogControlTemplate, 2> HelpControls(Box page, Box close) {
  return {{
      {u"Button", kHtmlPlaceholderId, u"", page.x, page.y, page.cx, page.cy, kHtmlPlaceholderStyle},
      {u"Button", IDCANCEL, u"X", close.x, close.y, close.cx, close.cy, kCloseButtonNoTabStyle},
  }};
}

constexpr auto kPocketPcControls = HelpControls({3, 19, 132, 157}, {125, 3, 12, 10});
constexpr auto kHeight240Controls = HelpControls({3, 18, 132, 118}, {125, 3, 12, 10});
constexpr auto kSmallPhoneControls = HelpControls({3, 15, 97, 88}, {89, 2, 12, 10});
constexpr auto kQvgaPhoneControls = HelpControls({3, 15, 114, 106}, {106, 3, 12, 10});

}  // namespace

const DialogTemplate kHelpTemplate{kHelpTemplateId, kSecondaryWindowStyle, 0, 0, 0, 138, 179,
                                   u"", u"System", 8, kPocketPcControls};
const DialogTemplate kHelpHeight240Template{kHelpHeight240TemplateId, kSecondaryWindowStyle, 0, 0, 0, 138, 140,
                                            u"", u"System", 8, kHeight240Controls};
const DialogTemplate kHelpSmallPhoneTemplate{kHelpSmallPhoneTemplateId, kSecondaryWindowStyle, 0, 0, 0, 103, 115,
                                             u"", u"System", 8, kSmallPhoneControls};
const DialogTemplate kHelpQvgaPhoneTemplate{kHelpQvgaPhoneTemplateId, kSecondaryWindowStyle, 0, 0, 0, 120, 138,
                                            u"", u"System", 8, kQvgaPhoneControls};

}  // namespace vespera
