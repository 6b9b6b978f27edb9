#include "skymap/SelectionMarker.h"

#include "skymap/MapMarker.h"
#include "skymap/Projection.h"

namespace vespera {

void DrawSelectionMarker(CDC& dc, const Selection& selection, const ViewState& view, const MapGeometry& geometry) {
  const std::optional<SkyPoint> point = SelectionMarkerPoint(selection);
  if (!point) return;
  DrawMapMarker(dc, ViewProjection(view, geometry), geometry, *point);
}

}  // namespace vespera
