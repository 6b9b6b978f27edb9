#pragma once
// The program menu's display switches. The two name items act as a pair of
// switches over the three name styles: each turns its own style on, or off
// again (to no names) when it is already on.

#include "skymap/ViewState.h"

namespace vespera {

constexpr ConstellationNameStyle AfterShortNamesToggle(ConstellationNameStyle style) {
  return style == ConstellationNameStyle::Short ? ConstellationNameStyle::None : ConstellationNameStyle::Short;
}

constexpr ConstellationNameStyle AfterFullNamesToggle(ConstellationNameStyle style) {
  return style == ConstellationNameStyle::Full ? ConstellationNameStyle::None : ConstellationNameStyle::Full;
}

// Any non-zero stored value counts as on, and turns off.
constexpr int AfterFlagToggle(int flag) { return flag == 0 ? 1 : 0; }

}  // namespace vespera
