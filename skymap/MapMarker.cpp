#include "skymap/MapMarker.h"

#include <cstdint>

#include "platform/gdi/GdiObjects.h"

namespace vespera {

namespace {

// Farther than any screen reaches: a square out there is dropped before its
// corners, moved by the context's origin, could overflow.
constexpr std::int64_t kBeyondAnyScreen = std::int64_t{1} << 24;

}  // namespace

void DrawMapMarker(CDC& dc, const ViewProjection& projection, const MapGeometry& geometry, SkyPoint point) {
  int x = 0, y = 0;
  if (!ProjectToScreen(projection, point.ra, point.dec, x, y)) return;
  // At a high zoom a visible point may project near the int limit.
  const std::int64_t px = std::int64_t{x} + geometry.mapLeft;
  const std::int64_t py = std::int64_t{y} + geometry.mapTop;
  if (px < -kBeyondAnyScreen || px > kBeyondAnyScreen || py < -kBeyondAnyScreen || py > kBeyondAnyScreen) return;
  const RECT square{static_cast<LONG>(px - 3), static_cast<LONG>(py - 3), static_cast<LONG>(px + 4),
                    static_cast<LONG>(py + 4)};
  const CBrush white(kMarkerColour);
  dc.FrameRect(&square, &white);
}

}  // namespace vespera
