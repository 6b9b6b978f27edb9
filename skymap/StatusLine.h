#pragma once
// The one-line status band under the map: the program's only running report
// ("Loading data...", the drawing time, the description of a picked object).

#include <string_view>

#include "platform/gdi/DeviceContext.h"
#include "platform/runtime/WinTypes.h"
#include "skymap/MapLayout.h"

namespace vespera {

struct StatusLine {
  WideString statusText;
  // The first word of the drawing-time text ("Ready").
  WideString statusPrefix;
};

struct StatusColours {
  COLORREF text = RGB(0, 0, 0);
  COLORREF background = RGB(255, 255, 255);
};

// Black on white; in red-screen mode red text on the skin's caption colour
// (its pixel at (52, 15)), which the caller reads from the skin.
StatusColours StatusLineColours(bool redScreenMode, COLORREF skinBackground);

// The text is drawn left and top aligned in the band with the context's
// background mode and followed by 41 spaces, so a shorter text wipes out the
// end of a longer one drawn before it; the band below the text is filled with
// the background colour. The context's colours are restored afterwards.
void DrawStatusLine(CDC& dc, std::u16string_view statusText, const MapLayout& layout, StatusColours colours);

}  // namespace vespera
