#pragma once
// The observer's horizon over the map: the great circle 90 degrees from the
// zenith, the letters N, E, S and W on it, an optional altitude-azimuth grid
// and a one-line caption (time and place) in the map's lower left corner.
//
// The frame comes in as three J2000 unit vectors (the north and east points
// of the horizon and the zenith), so the star picture never depends on the
// time: only this overlay moves, and it is drawn over the copied picture.
// Everything it draws stays inside the map area; its colours are red only
// in red-screen mode.

#include <span>
#include <string>

#include "ephemeris/Vector3.h"
#include "platform/gdi/DeviceContext.h"
#include "skymap/Projection.h"
#include "skymap/StarNameLabels.h"

namespace vespera {

struct HorizonOverlay {
  Vector3 north{};
  Vector3 east{};
  Vector3 zenith{};
  bool altAzGrid = false;
  bool redScreen = false;
  std::u16string caption;
  // Brightest first; empty while star names are off.
  std::span<const NamedStar> starNames;
};

struct HorizonColours {
  COLORREF horizon;
  COLORREF grid;
  COLORREF text;
};
HorizonColours HorizonColoursFor(bool redScreen);

void DrawHorizonOverlay(CDC& dc, const ViewProjection& projection, const MapGeometry& geometry,
                        const HorizonOverlay& overlay, CFont& font);

}  // namespace vespera
