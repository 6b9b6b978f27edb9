#pragma once
// The controls of a window that is only a page, laid out for each screen
// class: the HTML view's placeholder and the "X", which closes with IDCANCEL
// and takes no tab stop (the page is the only thing to reach there). The Help
// window and the observer's pages share them.

#include <array>

#include "platform/framework/DialogTemplate.h"
#include "resources/SecondaryWindowStyles.h"

namespace vespera {

struct PageWindowBox {
  short x, y, cx, cy;
};

constexpr std::array<DialogControlTemplate, 2> PageWindowControls(PageWindowBox page, PageWindowBox close) {
  return {{
      {u"Button", kHtmlPlaceholderId, u"", page.x, page.y, page.cx, page.cy, kHtmlPlaceholderStyle},
      {u"Button", IDCANCEL, u"X", close.x, close.y, close.cx, close.cy, kCloseButtonNoTabStyle},
  }};
}

inline constexpr auto kPageWindowPocketPcControls = PageWindowControls({3, 19, 132, 157}, {125, 3, 12, 10});
inline constexpr auto kPageWindowHeight240Controls = PageWindowControls({3, 18, 132, 118}, {125, 3, 12, 10});
inline constexpr auto kPageWindowSmallPhoneControls = PageWindowControls({3, 15, 97, 88}, {89, 2, 12, 10});
inline constexpr auto kPageWindowQvgaPhoneControls = PageWindowControls({3, 15, 114, 106}, {106, 3, 12, 10});

}  // namespace vespera
