#pragma once
// Where the map and its status line lie in the main window. Fixed once the
// window has measured the screen: layouts are never scaled, so the same
// screen size always gives the same pixels.

#include "platform/gdi/GdiTypes.h"
#include "skymap/ViewState.h"

namespace vespera {

struct MapLayout {
  RECT screenRect;  // {0, 0, screen width, screen height}
  MapGeometry geometry;
};

// The caption strip above the map and the status line below it are twice as
// high on screens 480 pixels wide or more.
inline constexpr int kHighResScreenWidth = 480;

// The map spans the full width between the caption strip and the status
// line; its radius leaves a small margin inside the shorter side.
MapLayout ComputeMapLayout(int screenWidth, int screenHeight);

// The part of the window a tap must fall in to pick an object (left and top
// inclusive, right and bottom exclusive).
RECT MapAreaRect(const MapLayout& layout);

// The band below the map that holds the status line.
RECT StatusBandRect(const MapLayout& layout);

}  // namespace vespera
