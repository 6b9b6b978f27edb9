#pragma once
// The strip at the top of every window: the skin's logo in the corner, the
// skin's background colour to the right edge and the window's title on it.

#include <string_view>

#include "platform/gdi/DeviceContext.h"
#include "shell/Skin.h"

namespace vespera {

// Height of the top strip that holds the caption bar and the buttons.
int CaptionStripHeight(bool highResolution);

// The title is white, or red in red-screen mode, drawn with the context's
// current font on one line from the top of its box and cut 5 pixels before
// the window's right edge. An empty title draws only the bar.
void DrawCaptionBar(CDC& dc, CSkin& skin, bool redScreen, bool highResolution, const RECT& windowRect,
                    std::u16string_view title);

// The same with the program-wide skin, red-screen mode and screen class.
void DrawCaptionBar(CDC& dc, const RECT& windowRect, std::u16string_view title);

}  // namespace vespera
