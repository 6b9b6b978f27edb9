#pragma once
// The map picture itself: constellation figures, then stars, then deep-sky
// objects, each projected for the current view and written into the pixel
// buffer, with every drawn star and deep-sky object recorded where it landed
// so that a tap can be answered later without projecting anything.

#include <cstdint>
#include <vector>

#include "catalog/CatalogLoader.h"
#include "skymap/MapPixels.h"
#include "skymap/ScreenHitCache.h"
#include "skymap/SecondCore.h"
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

// An object the second core placed on the map, to be drawn after the ones
// before it in the catalogue.
struct PlacedObject {
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::uint32_t index = 0;
};

// What a rebuild keeps from one rebuild to the next: the catalogues laid out
// for its loop, the second core and the list that core fills, whose room is
// kept so that a rebuild allocates nothing once the list has grown.
struct RebuildWork {
  SkyColumns columns;
  SecondCore secondCore;
  std::vector<PlacedObject> placedBySecondCore;
};

// Colour of the constellation figures.
inline constexpr BYTE kConstellationLineRed = 50;

// Clears the picture and the caches and draws the whole sky for `view`,
// bringing the columns up to date with the catalogues first. The caller makes
// sure the catalogues are complete (dataLoaded) before calling.
void DrawSkyPicture(MapPixels& pixels, MapHitCaches& hits, RebuildWork& work, const SkyCatalogs& catalogs,
                    const ViewState& view, const MapGeometry& geometry);

}  // namespace vespera
