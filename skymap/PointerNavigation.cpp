#include "skymap/PointerNavigation.h"

#include <cmath>
#include <numbers>

#include "skymap/Navigation.h"

namespace vespera {

namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;
constexpr double kDegrees = 180.0 / std::numbers::pi;

// The view's frame: its centre and the sky directions that point right (east
// on the screen) and down the screen. The projection draws a star at
// (east · star, down · star) × zoom × radius from the map centre.
struct ViewFrame {
  SkyVector centre;
  SkyVector east;
  SkyVector down;
};

ViewFrame FrameOf(const ViewState& view) {
  const double ra = view.centerRa * kRadiansPerDegree;
  const double dec = view.centerDec * kRadiansPerDegree;
  const double sinRa = std::sin(ra), cosRa = std::cos(ra);
  const double sinDec = std::sin(dec), cosDec = std::cos(dec);
  return {{cosDec * cosRa, cosDec * sinRa, sinDec}, {-sinRa, cosRa, 0.0}, {-sinDec * cosRa, -sinDec * sinRa, cosDec}};
}

// Offsets from the map centre in units of the visible disc's radius.
MapPoint DiscOffset(const ViewState& view, const MapGeometry& geometry, MapPoint point) {
  const double scale = view.zoom * geometry.mapRadius;
  return {(point.x - geometry.mapWidth / 2) / scale, (point.y - geometry.mapHeight / 2) / scale};
}

// The representative of `angle` (mod 360) nearest to `near`.
double Nearest(double angle, double near) { return angle + 360.0 * std::round((near - angle) / 360.0); }

}  // namespace

std::optional<SkyVector> SkyPointAt(const ViewState& view, const MapGeometry& geometry, MapPoint point) {
  if (!(view.zoom > 0.0) || geometry.mapRadius <= 0) return std::nullopt;
  const MapPoint o = DiscOffset(view, geometry, point);
  const double depthSquared = 1.0 - o.x * o.x - o.y * o.y;
  if (!(depthSquared >= 0.0)) return std::nullopt;
  const ViewFrame f = FrameOf(view);
  const double d = std::sqrt(depthSquared);
  return SkyVector{o.x * f.east.x + o.y * f.down.x + d * f.centre.x, o.x * f.east.y + o.y * f.down.y + d * f.centre.y,
                   o.x * f.east.z + o.y * f.down.z + d * f.centre.z};
}

bool PlaceSkyPointAt(ViewState& view, const MapGeometry& geometry, const SkyVector& sky, MapPoint point) {
  if (!(view.zoom > 0.0) || geometry.mapRadius <= 0) return false;
  const MapPoint o = DiscOffset(view, geometry, point);
  // east · sky = h sin(skyRa - centerRa), with h the distance of the sky point
  // from the pole axis: the horizontal offset fixes centerRa (two ways).
  const double h = std::hypot(sky.x, sky.y);
  if (!(std::abs(o.x) < h)) return false;
  const double skyRa = std::atan2(sky.y, sky.x) * kDegrees;
  const double turn = std::asin(o.x / h) * kDegrees;
  const double first = Nearest(skyRa - turn, view.centerRa);
  const double second = Nearest(skyRa - (180.0 - turn), view.centerRa);
  const double centerRa = std::abs(first - view.centerRa) <= std::abs(second - view.centerRa) ? first : second;

  // With centerRa fixed, down · sky = rho cos(centerDec + phi) and the depth
  // centre · sky = rho sin(centerDec + phi), which must not be negative.
  const double along = h * std::cos((skyRa - centerRa) * kRadiansPerDegree);
  const double rho = std::hypot(sky.z, along);
  if (!(rho > 0.0) || !(std::abs(o.y) <= rho)) return false;
  const double phi = std::atan2(along, sky.z) * kDegrees;
  const double centerDec = std::acos(o.y / rho) * kDegrees - phi;
  view.centerRa = centerRa;
  view.centerDec = Nearest(centerDec, view.centerDec);
  return true;
}

ViewState DraggedView(const ViewState& pressView, const MapGeometry& geometry, MapPoint press, MapPoint now) {
  ViewState view = pressView;
  if (const std::optional<SkyVector> grabbed = SkyPointAt(pressView, geometry, press))
    if (PlaceSkyPointAt(view, geometry, *grabbed, now)) return view;
  // No centre keeps the grabbed point under the pointer: the centre moves by
  // the angle dragged, in the directions the pan buttons move the stars.
  if (!(pressView.zoom > 0.0) || geometry.mapRadius <= 0) return view;
  const double degreesPerPixel = kDegrees / (pressView.zoom * geometry.mapRadius);
  const bool northUp = std::cos(pressView.centerDec * kRadiansPerDegree) < 0.0;
  const double right = (now.x - press.x) * degreesPerPixel;
  view.centerRa = pressView.centerRa + (northUp ? right : -right);
  view.centerDec = pressView.centerDec - (now.y - press.y) * degreesPerPixel;
  return view;
}

void ZoomAbout(ViewState& view, const MapGeometry& geometry, MapPoint pointer, bool in) {
  const std::optional<SkyVector> under = SkyPointAt(view, geometry, pointer);
  (void)(in ? ZoomIn(view) : ZoomOut(view));
  if (under) PlaceSkyPointAt(view, geometry, *under, pointer);
}

}  // namespace vespera
