#pragma once
// The sky picture drawn the plain way: every object of every record projected
// in full, in catalogue order. The rebuild skips work this loop does; the
// equality tests and the benchmarks hold the two side by side.

#include <cstdint>

#include "skymap/SkyPicture.h"
#include "skymap/Projection.h"
#include "skymap/SkySymbols.h"

namespace vespera {

inline void DrawReferenceFigures(MapPixels& pixels, const CatalogStore& lines, const ViewProjection& projection) {
  for (std::size_t k = 0; k < lines.lineCount(); ++k) {
    const SkyObjectRecord& from = lines.objects[2 * k];
    const SkyObjectRecord& to = lines.objects[2 * k + 1];
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    if (ProjectToScreen(projection, from.ra(), from.dec(), x1, y1) &&
        ProjectToScreen(projection, to.ra(), to.dec(), x2, y2)) {
      pixels.DrawLine(x1, y1, x2, y2, kConstellationLineRed, 0, 0);
    }
  }
}

template <class Cache>
void DrawReferenceObjects(MapPixels& pixels, Cache& hits, const CatalogStore& catalog, SkySymbolKind kind,
                 const ViewProjection& projection, const ViewState& view, const MapGeometry& geometry) {
  const std::size_t count = catalog.objects.count();
  for (std::size_t i = 0; i < count; ++i) {
    const SkyObjectRecord& object = catalog.objects[i];
    const float magnitude = object.magnitude();
    if (!(static_cast<double>(magnitude) <= view.magnitudeLimit)) continue;
    int x = 0, y = 0;
    if (!ProjectToScreen(projection, object.ra(), object.dec(), x, y)) continue;
    if (x < 0 || x >= geometry.mapWidth || y < 0 || y >= geometry.mapHeight) continue;
    DrawSkySymbol(pixels, x, y, magnitude, kind);
    hits.Append({x + geometry.mapLeft, y + geometry.mapTop, static_cast<std::int32_t>(i)});
  }
}

inline void DrawReferenceSkyPicture(MapPixels& pixels, MapHitCaches& hits, const SkyCatalogs& catalogs,
                                    const ViewState& view, const MapGeometry& geometry) {
  pixels.ClearPixels();
  hits.Clear();
  const ViewProjection projection(view, geometry);
  if (view.showConstellationLines) {
    DrawReferenceFigures(pixels, catalogs.constellationLineCatalog, projection);
  }
  DrawReferenceObjects(pixels, hits.stars, catalogs.starCatalog, SkySymbolKind::Star, projection, view, geometry);
  DrawReferenceObjects(pixels, hits.deepSky, catalogs.deepSkyCatalog, SkySymbolKind::DeepSky, projection, view,
                       geometry);
}

}  // namespace vespera
