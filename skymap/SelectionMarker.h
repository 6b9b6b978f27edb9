#pragma once
// The square that shows the selected object on the map.

#include "platform/gdi/DeviceContext.h"
#include "skymap/Selection.h"
#include "skymap/ViewState.h"

namespace vespera {

// Draws the white 7 x 7 outline around the selected object when there is a
// selection and the object lies on the near hemisphere; the last step of every
// paint of the map (RenderMap draws it from SelectionMarkerPoint).
void DrawSelectionMarker(CDC& dc, const Selection& selection, const ViewState& view, const MapGeometry& geometry);

}  // namespace vespera
