#include "resources/SkyPageTemplates.h"

#include <array>

#include "resources/SecondaryWindowStyles.h"

namespace vespera {

namespace {

struct Box {
  short x, y, cx, cy;
};

constexpr std::array<DialogControlTemplate, 2> SkyPageControls(Box page, Box close) {
  return {{
      {u"Button", kHtmlPlaceholderId, u"", page.x, page.y, page.cx, page.cy, kHtmlPlaceholderStyle},
      {u"Button", IDCANCEL, u"X", close.x, close.y, close.cx, close.cy, kCloseButtonNoTabStyle},
  }};
}

constexpr auto kPocketPcControls = SkyPageControls({3, 19, 132, 157}, {125, 3, 12, 10});
constexpr auto kHeight240Controls = SkyPageControls({3, 18, 132, 118}, {125, 3, 12, 10});
constexpr auto kSmallPhoneControls = SkyPageControls({3, 15, 97, 88}, {89, 2, 12, 10});
constexpr auto kQvgaPhoneControls = SkyPageControls({3, 15, 114, 106}, {106, 3, 12, 10});

}  // namespace

const DialogTemplate kSkyPageTemplate{kSkyPageTemplateId, kSecondaryWindowStyle, 0, 0, 0, 138, 179,
                                      u"", u"System", 8, kPocketPcControls};
const DialogTemplate kSkyPageHeight240Template{kSkyPageHeight240TemplateId, kSecondaryWindowStyle, 0, 0, 0, 138, 140,
                                               u"", u"System", 8, kHeight240Controls};
const DialogTemplate kSkyPageSmallPhoneTemplate{kSkyPageSmallPhoneTemplateId, kSecondaryWindowStyle, 0, 0, 0, 103, 115,
                                                u"", u"System", 8, kSmallPhoneControls};
const DialogTemplate kSkyPageQvgaPhoneTemplate{kSkyPageQvgaPhoneTemplateId, kSecondaryWindowStyle, 0, 0, 0, 120, 138,
                                               u"", u"System", 8, kQvgaPhoneControls};

}  // namespace vespera
