#pragma once
// Small in-memory catalogues and pixel readers shared by the sky map tests.

#include <array>
#include <optional>
#include <string_view>

#include "catalog/CatalogLoader.h"
#include "skymap/MapPixels.h"
#include "skymap/Projection.h"
#include "catalog/SkyRecords.h"
#include "tests/support/QvgaGeometry.h"

namespace vespera {

inline void MarkLoaded(SkyCatalogs& catalogs) { catalogs.dataLoaded.store(1, std::memory_order_release); }

// The map pixel of a position, or nothing on the far hemisphere.
struct Landing {
  int x = 0;
  int y = 0;
};

inline std::optional<Landing> LandingOf(const ViewState& view, const MapGeometry& geometry, float ra, float dec) {
  Landing at;
  if (!ProjectToScreen(view, geometry, ra, dec, at.x, at.y)) return std::nullopt;
  return at;
}

// A right ascension on the circle of declination `dec` that projects exactly
// to column `x` (searched in 1/1000 degree steps), so tests can put an object
// on a chosen edge pixel whatever the projection's rounding.
inline std::optional<float> RaLandingOnColumn(const ViewState& view, const MapGeometry& geometry, float dec, int x,
                                              float fromRa, float toRa) {
  for (int step = 0; fromRa + step * 0.001f <= toRa; ++step) {
    const float ra = fromRa + static_cast<float>(step) * 0.001f;
    if (auto at = LandingOf(view, geometry, ra, dec); at && at->x == x) return ra;
  }
  return std::nullopt;
}

// The same along a meridian, for a chosen row.
inline std::optional<float> DecLandingOnRow(const ViewState& view, const MapGeometry& geometry, float ra, int y,
                                            float fromDec, float toDec) {
  for (int step = 0; fromDec + step * 0.001f <= toDec; ++step) {
    const float dec = fromDec + static_cast<float>(step) * 0.001f;
    if (auto at = LandingOf(view, geometry, ra, dec); at && at->y == y) return dec;
  }
  return std::nullopt;
}

// R, G, B of a pixel of a 32-bit buffer.
inline std::array<BYTE, 3> Rgb(const MapPixels& pixels, int x, int y) {
  const BYTE* p = pixels.bytes().data() + static_cast<std::size_t>(y) * pixels.bytesPerRow() +
                  static_cast<std::size_t>(x) * pixels.bytesPerPixel();
  return {p[0], p[1], p[2]};
}

inline int CountLitPixels(const MapPixels& pixels) {
  int lit = 0;
  for (int y = 0; y < pixels.height(); ++y)
    for (int x = 0; x < pixels.width(); ++x)
      if (Rgb(pixels, x, y) != std::array<BYTE, 3>{0, 0, 0}) ++lit;
  return lit;
}

}  // namespace vespera
