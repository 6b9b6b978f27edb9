#include "skymap/HorizonOverlay.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <optional>

#include "skymap/ConstellationNames.h"

namespace vespera {

namespace {

// Chords of 3 degrees stray from the circle by under a pixel up to zoom 6 on
// the largest screen; the grid's finer lines are cheaper and only guides.
constexpr int kHorizonSegments = 120;
constexpr int kGridCircleSegments = 72;
constexpr int kGridMeridianSegments = 18;
constexpr double kGridAltitudeStep = 15.0;
constexpr double kGridAzimuthStep = 15.0;
// The horizon is drawn a hair above altitude 0 (under a thousandth of a pixel
// on any screen): on the rim of a "look up" view, points at exactly 90
// degrees from the centre fall to either side of the projection's hemisphere
// test by the sine tables' rounding, which would break the circle into pieces.
constexpr double kHorizonAltitude = 0.05;

constexpr double kLetterInset = 10.0;
constexpr int kLetterHalfWidth = 8;
constexpr int kLetterHalfHeight = 9;
constexpr int kCaptionMargin = 2;

struct MapPoint {
  double x;
  double y;
};

// A point of the horizon frame, altitude and azimuth in degrees, as a J2000 direction.
Vector3 DirectionAt(const HorizonOverlay& overlay, double altitude, double azimuth) {
  const double a = altitude * kRadiansPerDegree;
  const double z = azimuth * kRadiansPerDegree;
  const double c = std::cos(a);
  Vector3 v{};
  for (int i = 0; i < 3; ++i)
    v[i] = c * std::cos(z) * overlay.north[i] + c * std::sin(z) * overlay.east[i] + std::sin(a) * overlay.zenith[i];
  return v;
}

std::optional<MapPoint> ProjectDirection(const ViewProjection& projection, const Vector3& direction) {
  const SkyPoint point = SkyPointOf(direction);
  const std::optional<ViewProjection::Offsets> at = projection.MapPositionOf(point.ra, point.dec);
  if (!at) return std::nullopt;
  return MapPoint{at->x, at->y};
}

// Liang-Barsky: cuts the segment to the map area, in map coordinates; false
// when nothing of it lies inside.
bool ClipToMap(MapPoint& from, MapPoint& to, const MapGeometry& geometry) {
  const double dx = to.x - from.x, dy = to.y - from.y;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {from.x, geometry.mapWidth - 1 - from.x, from.y, geometry.mapHeight - 1 - from.y};
  double enter = 0.0, leave = 1.0;
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0.0) {
      if (q[i] < 0.0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0.0) enter = std::max(enter, t);
    else leave = std::min(leave, t);
    if (enter > leave) return false;
  }
  const MapPoint start{from.x + enter * dx, from.y + enter * dy};
  to = {from.x + leave * dx, from.y + leave * dy};
  from = start;
  return true;
}

void DrawSegment(CDC& dc, const MapGeometry& geometry, MapPoint from, MapPoint to) {
  if (!ClipToMap(from, to, geometry)) return;
  // Both ends lie inside the map now, so the rounding stays inside too.
  dc.MoveTo(geometry.mapLeft + static_cast<int>(std::lround(from.x)), geometry.mapTop + static_cast<int>(std::lround(from.y)));
  dc.LineTo(geometry.mapLeft + static_cast<int>(std::lround(to.x)), geometry.mapTop + static_cast<int>(std::lround(to.y)));
}

// A curve of the frame at `samples` + 1 points, drawn where consecutive
// points are both on the near hemisphere.
template <typename PointAt>
void DrawCurve(CDC& dc, const ViewProjection& projection, const MapGeometry& geometry, int samples, PointAt pointAt) {
  std::optional<MapPoint> previous = ProjectDirection(projection, pointAt(0.0));
  for (int i = 1; i <= samples; ++i) {
    const std::optional<MapPoint> next = ProjectDirection(projection, pointAt(static_cast<double>(i) / samples));
    if (previous && next) DrawSegment(dc, geometry, *previous, *next);
    previous = next;
  }
}

void DrawGrid(CDC& dc, const ViewProjection& projection, const MapGeometry& geometry, const HorizonOverlay& overlay) {
  for (double altitude = kGridAltitudeStep; altitude < 90.0; altitude += kGridAltitudeStep)
    DrawCurve(dc, projection, geometry, kGridCircleSegments,
              [&](double t) { return DirectionAt(overlay, altitude, 360.0 * t); });
  for (double azimuth = 0.0; azimuth < 360.0; azimuth += kGridAzimuthStep)
    DrawCurve(dc, projection, geometry, kGridMeridianSegments,
              [&](double t) { return DirectionAt(overlay, kHorizonAltitude + (90.0 - kHorizonAltitude) * t, azimuth); });
}

void DrawCardinalLetters(CDC& dc, const ViewProjection& projection, const MapGeometry& geometry,
                         const HorizonOverlay& overlay) {
  constexpr std::array<std::u16string_view, 4> kLetters{u"N", u"E", u"S", u"W"};
  for (std::size_t i = 0; i < kLetters.size(); ++i) {
    const std::optional<MapPoint> at = ProjectDirection(projection, DirectionAt(overlay, 0.0, 90.0 * i));
    if (!at) continue;
    // Set a little towards the map's centre: on the rim, where "look up" puts
    // the horizon, a letter centred on it would be cut off.
    const double towardsX = projection.halfWidth() - at->x, towardsY = projection.halfHeight() - at->y;
    const double distance = std::hypot(towardsX, towardsY);
    const double shift = distance > kLetterInset ? kLetterInset / distance : 0.0;
    const int x = static_cast<int>(at->x + shift * towardsX), y = static_cast<int>(at->y + shift * towardsY);
    if (!LabelFitsMap(x, y, geometry)) continue;
    RECT box{geometry.mapLeft + x - kLetterHalfWidth, geometry.mapTop + y - kLetterHalfHeight,
             geometry.mapLeft + x + kLetterHalfWidth, geometry.mapTop + y + kLetterHalfHeight};
    dc.DrawText(kLetters[i], &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
}

void DrawCaption(CDC& dc, const MapGeometry& geometry, const std::u16string& caption) {
  const SIZE extent = dc.GetTextExtent(caption);
  if (extent.cx + 2 * kCaptionMargin > geometry.mapWidth || extent.cy + 2 * kCaptionMargin > geometry.mapHeight) return;
  dc.TextOut(geometry.mapLeft + kCaptionMargin, geometry.mapTop + geometry.mapHeight - kCaptionMargin - extent.cy, caption);
}

}  // namespace

HorizonColours HorizonColoursFor(bool redScreen) {
  if (redScreen) return {RGB(140, 0, 0), RGB(80, 0, 0), RGB(140, 0, 0)};
  return {RGB(40, 170, 90), RGB(30, 90, 60), RGB(110, 200, 140)};
}

void DrawHorizonOverlay(CDC& dc, const ViewProjection& projection, const MapGeometry& geometry,
                        const HorizonOverlay& overlay, CFont& font) {
  const HorizonColours colours = HorizonColoursFor(overlay.redScreen);
  CPen gridPen(PS_SOLID, 1, colours.grid);
  CPen horizonPen(PS_SOLID, 1, colours.horizon);
  CPen* previousPen = dc.SelectObject(&gridPen);
  const int previousMode = dc.SetBkMode(TRANSPARENT);
  const COLORREF previousColour = dc.SetTextColor(colours.text);
  CFont* previousFont = dc.SelectObject(&font);

  if (overlay.altAzGrid) DrawGrid(dc, projection, geometry, overlay);
  dc.SelectObject(&horizonPen);
  DrawCurve(dc, projection, geometry, kHorizonSegments,
            [&](double t) { return DirectionAt(overlay, kHorizonAltitude, 360.0 * t); });
  if (!overlay.starNames.empty())
    DrawStarNames(dc, projection, geometry, overlay.starNames, StarNameCountFor(projection.zoom()), colours.text, font);
  DrawCardinalLetters(dc, projection, geometry, overlay);
  DrawCaption(dc, geometry, overlay.caption);

  dc.SelectObject(previousFont);
  dc.SetTextColor(previousColour);
  dc.SetBkMode(previousMode);
  dc.SelectObject(previousPen);
}

}  // namespace vespera
