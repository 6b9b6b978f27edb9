#pragma once
// The proper names of the brightest stars beside them on the map: about 20
// at zoom 1 and more as the zoom grows, never over each other and never
// outside the map area. Drawn over the copied picture with the horizon.

#include <span>
#include <vector>

#include "catalog/CatalogStore.h"
#include "catalog/SkyPoint.h"
#include "platform/gdi/DeviceContext.h"
#include "skymap/Projection.h"

namespace vespera {

struct NamedStar {
  SkyPoint point;
  WideString name;
};

// The first `count` stars of the catalogue (brightest first) that have a
// non-empty name in its names table.
std::vector<NamedStar> BrightestNamedStars(const CatalogStore& stars, std::size_t count);

// How many names a view shows: 20 at zoom 1, growing with the zoom.
std::size_t StarNameCountFor(double zoom);

// Names the stars in the order given (brightest first), skipping those off
// the map, off the near hemisphere or in the way of a name already placed,
// until `maxNames` are drawn.
void DrawStarNames(CDC& dc, const ViewProjection& projection, const MapGeometry& geometry,
                   std::span<const NamedStar> stars, std::size_t maxNames, COLORREF colour, CFont& font);

}  // namespace vespera
