#pragma once
// The status text that reports how long the last rebuild of the picture took.

#include "platform/runtime/WinTypes.h"

namespace vespera {

// "<prefix>. Drawing time: <s>s." with the seconds to two decimals. The
// ticks are the platform's millisecond counter; the difference is taken
// modulo 2^32, so a rebuild across the counter's wrap still reads right.
// Milliseconds are turned into seconds by 1/1024, as the device always did.
WideString DrawingTimeText(const WideString& prefix, DWORD startTick, DWORD endTick);

}  // namespace vespera
