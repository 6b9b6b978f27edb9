#pragma once
// The one object the user has picked on the map (or chosen in the search):
// what it is, how it is described in the status line, and moving the view to
// it. Picking never projects anything: a tap is looked up in the hit caches
// the last rebuild of the picture filled.

#include <cstdint>
#include <optional>

#include "catalog/CatalogLoader.h"
#include "platform/runtime/WinTypes.h"
#include "skymap/MapLayout.h"
#include "skymap/MapMarker.h"
#include "skymap/SkyPicture.h"
#include "skymap/ViewState.h"

namespace vespera {

enum class SelectionKind : std::int32_t {
  Star = 0,     // index into starCatalog.objects
  DeepSky = 1,  // index into deepSkyCatalog.objects
  Body = 2,     // the Sun, the Moon or a planet: its place in kAllBodies; the window describes it
};

// The picked object. The position is copied when the object is selected:
// the marker and the centring work from it, the description reads the record
// again.
struct SelectedObject {
  SelectionKind kind = SelectionKind::Star;
  std::int32_t index = -1;
  float ra = 0.0f;
  float dec = 0.0f;
};

// Empty while nothing is selected.
using Selection = std::optional<SelectedObject>;

// Both select record `index` of their catalogue and answer true; an index
// outside the table selects nothing, leaves the selection as it was and
// answers false.
bool SelectStar(Selection& selection, const SkyCatalogs& catalogs, std::int32_t index);
bool SelectDeepSky(Selection& selection, const SkyCatalogs& catalogs, std::int32_t index);
void ClearSelection(Selection& selection);

// The status line's text for the selection: the common name when the names
// table has one, magnitudes with two decimals; "No objects found at this
// position" when nothing is selected (or a body, which no catalogue holds).
WideString DescribeSelection(const Selection& selection, const SkyCatalogs& catalogs);

// The selected object's position for the marker, when there is a selection.
std::optional<SkyPoint> SelectionMarkerPoint(const Selection& selection);

// Whether a tap at window pixel (x, y) lies on the map area; taps on the
// caption strip and the status line pick nothing.
bool IsMapTap(const MapLayout& layout, int x, int y);

// A tap on the map: the old selection goes, then the star and the deep-sky
// object under the tap are looked up in that order, a deep-sky object winning
// over a star. Answers whether anything is selected now.
bool SelectAt(Selection& selection, const SkyCatalogs& catalogs, const MapHitCaches& hits, int x, int y);

// How far a finger's tap reaches on a screen of `dpi` logical dots per inch:
// about 3 mm, and never less than 6 pixels.
int FingerReachPixels(int dpi);

// A finger's tap that SelectAt found nothing for: the drawn star or deep-sky
// object nearest to (x, y) within `reach` pixels, the brighter one where two
// are as near (an unknown magnitude counts as the faintest). The old
// selection goes either way. Answers whether anything is selected now.
bool SelectNearest(Selection& selection, const SkyCatalogs& catalogs, const MapHitCaches& hits, int x, int y,
                   int reach);

// Moves the view centre onto (ra, dec) north up: the centre becomes
// (ra + 180, 180 - dec), each taken in single precision and cut down to
// hundredths of a degree. Zoom, limit and selection stay; the caller asks for
// the re-projection.
void CenterOn(ViewState& view, float ra, float dec);

// CenterOn with the selected object's position; false, and nothing changes,
// without a selection.
bool CenterOnSelection(ViewState& view, const Selection& selection);

}  // namespace vespera
