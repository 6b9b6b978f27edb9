#include "skymap/BodySymbols.h"

#include <algorithm>
#include <cmath>

#include "ephemeris/Vector3.h"

namespace vespera {

namespace {

constexpr int kSunMoonRadius = 6;
constexpr int kLargestPlanetRadius = 4;
// A name starts this far right of its disc.
constexpr int kLabelGap = 3;
// How far north of the Moon the point lies whose projection tells which way
// north points on the screen: far enough to be many table steps away at zoom
// 1, near enough to stay on the map at any zoom where the Moon is.
constexpr double kNorthProbeDegrees = 0.5;

struct BodyColours {
  COLORREF sun;
  COLORREF moonLit;
  COLORREF moonDark;
  COLORREF planet;
  COLORREF label;
};

BodyColours BodyColoursFor(bool redScreen) {
  if (redScreen) return {RGB(160, 0, 0), RGB(160, 0, 0), RGB(50, 0, 0), RGB(140, 0, 0), RGB(120, 0, 0)};
  return {RGB(255, 215, 60), RGB(235, 235, 215), RGB(70, 70, 80), RGB(250, 200, 130), RGB(230, 200, 150)};
}

bool OnMap(const MapGeometry& geometry, int x, int y) {
  return x >= geometry.mapLeft && x < geometry.mapLeft + geometry.mapWidth && y >= geometry.mapTop &&
         y < geometry.mapTop + geometry.mapHeight;
}

using MapOffsets = ViewProjection::Offsets;

std::optional<MapOffsets> MapPositionOf(const ViewProjection& projection, const SkyPoint& point) {
  return projection.MapPositionOf(point.ra, point.dec);
}

// The window pixel of a map position, when it lies on the map.
std::optional<POINT> CentreOnMap(const MapGeometry& geometry, MapOffsets at) {
  const POINT centre{geometry.mapLeft + static_cast<LONG>(std::lround(at.x)),
                     geometry.mapTop + static_cast<LONG>(std::lround(at.y))};
  if (!OnMap(geometry, centre.x, centre.y)) return std::nullopt;
  return centre;
}

// The screen direction (x right, y down, unit length) of the lit limb: the
// position angle turned into a point a little off the Moon on the sky and
// projected, so a mirrored or turned map turns the phase with it.
std::optional<MapOffsets> LitDirection(const ViewProjection& projection, const BodySymbol& moon, MapOffsets centre) {
  const double ra = moon.place.ra * kRadiansPerDegree, dec = moon.place.dec * kRadiansPerDegree;
  const Vector3 at = DirectionOf(RaDec{ra, dec});
  const Vector3 north{-std::sin(dec) * std::cos(ra), -std::sin(dec) * std::sin(ra), std::cos(dec)};
  const Vector3 east{-std::sin(ra), std::cos(ra), 0.0};
  const double step = kNorthProbeDegrees * kRadiansPerDegree;
  const double c = std::cos(moon.brightLimbAngle), s = std::sin(moon.brightLimbAngle);
  Vector3 probe{};
  for (int i = 0; i < 3; ++i) probe[i] = std::cos(step) * at[i] + std::sin(step) * (c * north[i] + s * east[i]);
  const std::optional<MapOffsets> towards = MapPositionOf(projection, SkyPointOf(probe));
  if (!towards) return std::nullopt;
  const double dx = towards->x - centre.x, dy = towards->y - centre.y;
  const double length = std::hypot(dx, dy);
  if (!(length > 0.0)) return std::nullopt;
  return MapOffsets{dx / length, dy / length};
}

// Pixel (dx, dy) from the disc's centre, in a disc of `radius`.
bool InDisc(int dx, int dy, int radius) { return dx * dx + dy * dy <= radius * radius + radius / 2; }

// Whether pixel (dx, dy) of the Moon's disc is lit: across the line towards
// the Sun the terminator is half an ellipse whose half-width is 2k - 1 of
// the radius (k the lit fraction): the limb itself at full and at new Moon,
// the straight diameter at quarter.
bool IsLit(int dx, int dy, int radius, double fraction, MapOffsets lit) {
  const double u = (dx * lit.x + dy * lit.y) / radius;
  const double v = (dy * lit.x - dx * lit.y) / radius;
  return u >= -(2.0 * fraction - 1.0) * std::sqrt(std::max(0.0, 1.0 - v * v));
}

void DrawDisc(CDC& dc, const MapGeometry& geometry, POINT centre, int radius, COLORREF colour) {
  for (int dy = -radius; dy <= radius; ++dy)
    for (int dx = -radius; dx <= radius; ++dx)
      if (InDisc(dx, dy, radius) && OnMap(geometry, centre.x + dx, centre.y + dy))
        dc.SetPixel(centre.x + dx, centre.y + dy, colour);
}

void DrawMoon(CDC& dc, const MapGeometry& geometry, POINT centre, int radius, const BodySymbol& moon,
              std::optional<MapOffsets> lit, const BodyColours& colours) {
  for (int dy = -radius; dy <= radius; ++dy) {
    for (int dx = -radius; dx <= radius; ++dx) {
      if (!InDisc(dx, dy, radius) || !OnMap(geometry, centre.x + dx, centre.y + dy)) continue;
      // Without a direction (the probe beyond the sphere's rim) the disc is shown lit.
      const bool isLit = !lit || IsLit(dx, dy, radius, moon.illuminatedFraction, *lit);
      dc.SetPixel(centre.x + dx, centre.y + dy, isLit ? colours.moonLit : colours.moonDark);
    }
  }
}

void DrawLabel(CDC& dc, const MapGeometry& geometry, POINT centre, int radius, const WideString& label) {
  if (label.empty()) return;
  const SIZE extent = dc.GetTextExtent(label);
  const RECT box{centre.x + radius + kLabelGap, centre.y - extent.cy / 2, centre.x + radius + kLabelGap + extent.cx,
                 centre.y - extent.cy / 2 + extent.cy};
  if (box.left < geometry.mapLeft || box.top < geometry.mapTop || box.right > geometry.mapLeft + geometry.mapWidth ||
      box.bottom > geometry.mapTop + geometry.mapHeight)
    return;
  dc.TextOut(box.left, box.top, label);
}

}  // namespace

int BodySymbolRadius(const BodySymbol& symbol, const MapGeometry& geometry) {
  const int scale = geometry.mapRadius >= 160 ? 2 : 1;
  if (symbol.kind != BodySymbolKind::Planet) return kSunMoonRadius * scale;
  // Venus at -4.4 gets the largest disc, Jupiter 3 pixels, Mars to Saturn
  // about 2, Uranus and Neptune one.
  const double radius = std::round(2.0 - 0.5 * symbol.magnitude);
  return static_cast<int>(std::clamp(radius, 1.0, static_cast<double>(kLargestPlanetRadius))) * scale;
}

std::optional<POINT> BodySymbolCentre(const ViewProjection& projection, const MapGeometry& geometry,
                                      const BodySymbol& symbol) {
  const std::optional<MapOffsets> at = MapPositionOf(projection, symbol.place);
  if (!at) return std::nullopt;
  return CentreOnMap(geometry, *at);
}

std::optional<std::size_t> FindBodySymbolAt(const ViewProjection& projection, const MapGeometry& geometry,
                                            std::span<const BodySymbol> symbols, int x, int y, int reach) {
  std::optional<std::size_t> found;
  double nearest = 0.0;
  for (std::size_t i = 0; i < symbols.size(); ++i) {
    const std::optional<POINT> centre = BodySymbolCentre(projection, geometry, symbols[i]);
    if (!centre) continue;
    const double distance = std::hypot(x - centre->x, y - centre->y);
    if (distance > BodySymbolRadius(symbols[i], geometry) + reach) continue;
    if (!found || distance < nearest) {
      found = i;
      nearest = distance;
    }
  }
  return found;
}

void DrawBodySymbols(CDC& dc, const ViewProjection& projection, const MapGeometry& geometry,
                     const BodyOverlay& overlay, CFont& font) {
  const BodyColours colours = BodyColoursFor(overlay.redScreen);
  CFont* previousFont = dc.SelectObject(&font);
  const COLORREF previousColour = dc.SetTextColor(colours.label);
  const int previousMode = dc.SetBkMode(TRANSPARENT);
  for (const BodySymbol& symbol : overlay.symbols) {
    const std::optional<MapOffsets> at = MapPositionOf(projection, symbol.place);
    if (!at) continue;
    const std::optional<POINT> centre = CentreOnMap(geometry, *at);
    if (!centre) continue;
    const int radius = BodySymbolRadius(symbol, geometry);
    switch (symbol.kind) {
      case BodySymbolKind::Sun: DrawDisc(dc, geometry, *centre, radius, colours.sun); break;
      case BodySymbolKind::Moon:
        DrawMoon(dc, geometry, *centre, radius, symbol, LitDirection(projection, symbol, *at), colours);
        break;
      case BodySymbolKind::Planet: DrawDisc(dc, geometry, *centre, radius, colours.planet); break;
    }
    DrawLabel(dc, geometry, *centre, radius, symbol.label);
  }
  dc.SetBkMode(previousMode);
  dc.SetTextColor(previousColour);
  dc.SelectObject(previousFont);
}

}  // namespace vespera
