#pragma once
// The constellation names, drawn on the window over the copied picture (never
// into it), so switching the name style needs no re-projection.

#include "catalog/CatalogStore.h"
#include "platform/gdi/DeviceContext.h"
#include "skymap/Projection.h"
#include "skymap/ViewState.h"

namespace vespera {

inline constexpr COLORREF kConstellationNameColour = RGB(150, 0, 0);

// The name font: "Times New Roman", 10 pixels, normal weight, the same on
// every screen size. The main window creates it once.
LOGFONT MapFontDescription();

// True when a label projected to map pixel (x, y) leaves room for its name
// inside the map area: more than 9 pixels from the left and right edges, 8
// from the top and 9 from the bottom.
bool LabelFitsMap(int x, int y, const MapGeometry& geometry);

// Draws each label of `labels` that is visible and fits, centred in a box 100
// pixels wide and 18 high around its point and cut at the box's sides. The
// names are asked to be centred both ways (DT_CENTER | DT_VCENTER) without
// DT_SINGLELINE, which the platform honours horizontally only, so they sit at
// the top of their box as they always have on the device. The style None
// draws nothing. The context's background mode, text colour and font are restored.
void DrawConstellationNames(CDC& dc, const CatalogStore& labels, const ViewProjection& projection,
                            const MapGeometry& geometry, ConstellationNameStyle style, CFont& mapFont);

}  // namespace vespera
