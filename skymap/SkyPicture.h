#pragma once
// The map picture itself: constellation figures, then stars, then deep-sky
// objects, each projected for the current view and written into the pixel
// buffer, with every drawn star and deep-sky object recorded where it landed
// so that a tap can be answered later without projecting anything.

#include "catalog/CatalogLoader.h"
#include "skymap/MapPixels.h"
#include "skymap/ScreenHitCache.h"
#include "skymap/SkyColumns.h"
#include "skymap/ViewState.h"

namespace vespera {

// Where the drawn objects of the picture now shown landed, in window
// coordinates; refilled on each rebuild and only then.
struct MapHitCaches {
  StarHitCache stars;
  DeepSkyHitCache deepSky;

  void Clear() {
    stars.Clear();
    deepSky.Clear();
  }
};

// Colour of the constellation figures.
inline constexpr BYTE kConstellationLineRed = 50;

// Clears the picture and the caches and draws the whole sky for `view`,
// bringing `columns` up to date with the catalogues first. The caller makes
// sure the catalogues are complete (dataLoaded) before calling.
void DrawSkyPicture(MapPixels& pixels, MapHitCaches& hits, SkyColumns& columns, const SkyCatalogs& catalogs,
                    const ViewState& view, const MapGeometry& geometry);

}  // namespace vespera
