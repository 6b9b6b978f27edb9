#pragma once
// The device's system colours in its two schemes. The day scheme is the
// familiar black on white; the night scheme keeps a dark-adapted eye dark:
// dim reds on black, with no green or blue in any colour, so that nothing the
// platform draws itself can leak white or blue light.

#include "platform/runtime/WinTypes.h"

inline constexpr UINT SYSCOLORSCHEME_DAY = 0;
inline constexpr UINT SYSCOLORSCHEME_NIGHT = 1;

// The colour of a system colour index in a scheme; black for an index the
// device does not know. Any scheme other than night reads as day.
COLORREF SystemColour(int index, UINT scheme);
