#pragma once

#include <optional>

#include "platform/runtime/WinTypes.h"

// The colours a page has where it sets none of its own: the day defaults
// unless the view is given others.
struct HtmlColours {
  COLORREF canvas = RGB(255, 255, 255);
  COLORREF text = RGB(0, 0, 0);
  COLORREF rule = RGB(128, 128, 128);  // horizontal rules
  // None: a link keeps the text colour of where it stands, and its underline.
  std::optional<COLORREF> link = RGB(0, 0, 0xEE);
};
