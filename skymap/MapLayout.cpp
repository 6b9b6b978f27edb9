#include "skymap/MapLayout.h"

#include <algorithm>

namespace vespera {

MapLayout ComputeMapLayout(int screenWidth, int screenHeight) {
  MapLayout layout;
  layout.screenRect = {0, 0, screenWidth, screenHeight};
  MapGeometry& g = layout.geometry;
  const bool highRes = screenWidth >= kHighResScreenWidth;
  g.mapLeft = 0;
  g.mapTop = highRes ? 52 : 26;
  g.mapBottomMargin = highRes ? 32 : 16;
  g.mapWidth = screenWidth;
  g.mapHeight = layout.screenRect.Height() - g.mapTop - g.mapBottomMargin;
  g.mapRadius = (std::min(g.mapWidth, g.mapHeight) - 5) / 2;
  return layout;
}

RECT MapAreaRect(const MapLayout& layout) {
  const MapGeometry& g = layout.geometry;
  return {g.mapLeft, g.mapTop, layout.screenRect.Width() - g.mapLeft,
          layout.screenRect.Height() - g.mapBottomMargin};
}

RECT StatusBandRect(const MapLayout& layout) {
  const MapGeometry& g = layout.geometry;
  const LONG height = layout.screenRect.Height();
  return {g.mapLeft, height - g.mapBottomMargin, layout.screenRect.Width() - g.mapLeft, height};
}

}  // namespace vespera
