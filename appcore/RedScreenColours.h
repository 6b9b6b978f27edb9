#pragma once
// The program's own night-vision red: the full red of the secondary windows'
// and pages' backgrounds, the caption title, the status text and the red
// skin's glyphs and stars. The device's own night scheme (menus, message
// boxes, controls) lives with the device's system colours.

#include <string_view>

#include "platform/runtime/WinTypes.h"

namespace vespera {

inline constexpr COLORREF kRedScreenRed = RGB(255, 0, 0);
// The same red as a page's style block writes it.
inline constexpr std::u16string_view kRedScreenRedHtml = u"#FF0000";

}  // namespace vespera
