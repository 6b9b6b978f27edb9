#pragma once
// Moving the view with a pointer: a drag that carries the sky along with it
// and a zoom about the point under the pointer. Positions are map coordinates
// as doubles (pixels from the map area's top-left corner).
//
// The view has no roll: its east axis always lies on the celestial equator's
// plane. So the star under a pointer can be put back under it exactly only
// where some centre without roll does that; near the centre of a view on the
// pole no centre does, and the drag then moves the centre by the angle
// dragged instead.

#include <optional>

#include "skymap/ViewState.h"

namespace vespera {

struct MapPoint {
  double x = 0.0;
  double y = 0.0;
};

// A point of the sky as a unit vector (x towards ra 0 on the equator, z
// towards the north pole).
struct SkyVector {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
};

// The sky point drawn at `point`, or none when the point lies outside the
// visible hemisphere's disc.
std::optional<SkyVector> SkyPointAt(const ViewState& view, const MapGeometry& geometry, MapPoint point);

// Moves the centre, at the view's zoom, so that `sky` is drawn at `point`;
// the centre stays as near its old value as that allows, so the view keeps its
// orientation and centerRa does not jump by whole turns. False, and the view
// unchanged, when no centre does it.
bool PlaceSkyPointAt(ViewState& view, const MapGeometry& geometry, const SkyVector& sky, MapPoint point);

// The view while the pointer, pressed at `press` on `pressView`, is at `now`.
ViewState DraggedView(const ViewState& pressView, const MapGeometry& geometry, MapPoint press, MapPoint now);

// One zoom step (in when `in`), keeping the sky point under `pointer` where it
// is when that can be done, else about the centre as the buttons zoom.
void ZoomAbout(ViewState& view, const MapGeometry& geometry, MapPoint pointer, bool in);

}  // namespace vespera
