#pragma once
// The map's place on a 240 x 320 screen, for tests that project or draw
// without a window.

#include "skymap/ViewState.h"

namespace vespera {

// Map 240 x 278 below a 26-pixel strip, radius 117.
inline constexpr MapGeometry kQvgaGeometry{0, 26, 16, 240, 278, 117};

}  // namespace vespera
