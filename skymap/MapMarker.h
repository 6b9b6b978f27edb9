#pragma once
// The small white square around a marked object, drawn on the window after
// the picture has been copied there and never into the picture, so the next
// paint takes it away from its old place by itself.

#include "catalog/SkyPoint.h"
#include "platform/gdi/DeviceContext.h"
#include "skymap/Projection.h"
#include "skymap/ViewState.h"

namespace vespera {

inline constexpr COLORREF kMarkerColour = RGB(255, 255, 255);

// A one-pixel 7 x 7 outline centred on the point's pixel, white in every mode.
// Nothing is drawn for a point on the far hemisphere. A visible point outside
// the map area still gets its outline (the context clips it).
void DrawMapMarker(CDC& dc, const ViewProjection& projection, const MapGeometry& geometry, SkyPoint point);

}  // namespace vespera
