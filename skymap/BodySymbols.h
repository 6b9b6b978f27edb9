#pragma once
// The Sun, the Moon and the planets over the map: a disc for each, sized by
// its brightness (the Sun and the Moon larger), the Moon lit on the side that
// faces the Sun, and a short name beside each. Drawn over the copied picture
// like the horizon, so a change of the shown time repaints without a rebuild.
// Everything stays inside the map area; the colours are red only in
// red-screen mode. A body on the far side of the sphere is not drawn, as a
// star there is not; one below the horizon is drawn as the stars there are.

#include <optional>
#include <span>

#include "catalog/SkyPoint.h"
#include "platform/gdi/DeviceContext.h"
#include "skymap/Projection.h"

namespace vespera {

enum class BodySymbolKind { Sun, Moon, Planet };

struct BodySymbol {
  BodySymbolKind kind = BodySymbolKind::Planet;
  SkyPoint place;  // J2000, as the catalogue's stars
  WideString label;
  double magnitude = 0.0;  // sizes a planet's disc
  // The Moon's phase: the lit fraction of its disc (0 new .. 1 full) and the
  // position angle of the lit limb, from celestial north through east, radians.
  double illuminatedFraction = 1.0;
  double brightLimbAngle = 0.0;
};

struct BodyOverlay {
  std::span<const BodySymbol> symbols;
  bool redScreen = false;
};

// The disc's radius in pixels; twice as large on the large screens.
int BodySymbolRadius(const BodySymbol& symbol, const MapGeometry& geometry);

// Where the symbol's centre lands in window pixels, when that is on the map area.
std::optional<POINT> BodySymbolCentre(const ViewProjection& projection, const MapGeometry& geometry,
                                      const BodySymbol& symbol);

// The symbol whose disc, widened by `reach` pixels, holds window pixel (x, y),
// the nearest where several do; its index in `symbols`.
std::optional<std::size_t> FindBodySymbolAt(const ViewProjection& projection, const MapGeometry& geometry,
                                            std::span<const BodySymbol> symbols, int x, int y, int reach);

void DrawBodySymbols(CDC& dc, const ViewProjection& projection, const MapGeometry& geometry,
                     const BodyOverlay& overlay, CFont& font);

}  // namespace vespera
