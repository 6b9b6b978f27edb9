#pragma once
// One paint of the sky map on the main window. The picture is rebuilt only
// when the view has changed (needsReprojection); every paint copies it to the
// window and draws the constellation names, the status line and the marker
// over it, in that order.
//
// The main window owns every part named here and passes them by reference:
// the catalogues, the view, the layout, the picture with its hit caches, the
// status texts and the name font.

#include <functional>
#include <optional>

#include "catalog/CatalogLoader.h"
#include "platform/gdi/DeviceContext.h"
#include "skymap/BodySymbols.h"
#include "skymap/HorizonOverlay.h"
#include "skymap/MapLayout.h"
#include "skymap/MapMarker.h"
#include "skymap/MapSurface.h"
#include "skymap/SkyPicture.h"
#include "skymap/StatusLine.h"
#include "skymap/ViewState.h"

namespace vespera {

// The picture on screen and where its objects landed; the caches always
// describe the picture the surface holds. The rebuild keeps its work between
// rebuilds: the catalogues as its loop reads them and its second core.
struct MapPicture {
  MapSurface surface;
  MapHitCaches hits;
  RebuildWork work;
};

// The platform's millisecond tick count (GetTickCount); tests pass a fake.
using TickSource = std::function<DWORD()>;

struct SkyMapParts {
  const SkyCatalogs& catalogs;
  ViewState& view;
  const MapLayout& layout;
  MapPicture& picture;
  StatusLine& status;
  CFont& mapFont;
};

// What this paint draws besides the map itself, decided by the window.
struct MapOverlay {
  StatusColours statusColours;
  // The selected object's position, when there is a selection.
  std::optional<SkyPoint> marker;
  // The observer's horizon, while that feature is on.
  std::optional<HorizonOverlay> horizon{};
  // The Sun, the Moon and the planets, while that feature is on.
  std::optional<BodyOverlay> bodies{};
};

// Paints the map on `dc`. Until the catalogues are loaded only the status line
// is drawn. A rebuild clears needsReprojection, redraws the picture, refills
// the caches and sets the status text to the drawing time measured with
// `ticks`.
void RenderMap(CDC& dc, const SkyMapParts& parts, const MapOverlay& overlay, const TickSource& ticks);

}  // namespace vespera
