#include "skymap/MapRenderer.h"

#include "skymap/ConstellationNames.h"
#include "skymap/DrawingTime.h"
#include "skymap/Projection.h"

namespace vespera {

namespace {

void RebuildPicture(const SkyMapParts& parts, DWORD startTick, const TickSource& ticks) {
  ViewState& view = parts.view;
  MapPicture& picture = parts.picture;
  view.needsReprojection = false;
  DrawSkyPicture(picture.surface.pixels(), picture.hits, picture.work, parts.catalogs, view,
                 parts.layout.geometry);
  picture.surface.CommitPixels();
  parts.status.statusText = DrawingTimeText(parts.status.statusPrefix, startTick, ticks());
}

}  // namespace

void RenderMap(CDC& dc, const SkyMapParts& parts, const MapOverlay& overlay, const TickSource& ticks) {
  const MapLayout& layout = parts.layout;
  const MapGeometry& geometry = layout.geometry;
  // Acquire: a true answer means the loader's writes to every store are visible.
  if (!parts.catalogs.IsLoaded()) {
    DrawStatusLine(dc, parts.status.statusText, layout, overlay.statusColours);
    return;
  }

  const DWORD startTick = ticks();
  if (parts.view.needsReprojection) RebuildPicture(parts, startTick, ticks);

  parts.picture.surface.BlitMapSurface(&dc, geometry.mapLeft, geometry.mapTop);
  const ViewProjection projection(parts.view, geometry);
  if (parts.view.constellationNameStyle != ConstellationNameStyle::None) {
    DrawConstellationNames(dc, parts.catalogs.constellationLabelCatalog, projection, geometry,
                           parts.view.constellationNameStyle, parts.mapFont);
  }
  if (overlay.horizon) DrawHorizonOverlay(dc, projection, geometry, *overlay.horizon, parts.mapFont);
  if (overlay.bodies) DrawBodySymbols(dc, projection, geometry, *overlay.bodies, parts.mapFont);
  DrawStatusLine(dc, parts.status.statusText, layout, overlay.statusColours);
  if (overlay.marker) DrawMapMarker(dc, projection, geometry, *overlay.marker);
}

}  // namespace vespera
