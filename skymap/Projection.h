#pragma once
// The orthographic projection of the celestial sphere onto the map area.
//
// The arithmetic is kept step for step as the sky map has always done it:
// which angles are narrowed to single precision before FastCos, the order of
// the products and truncation towards zero all decide on which pixel a star
// lands, and the hit caches and saved views depend on those pixels. The
// projection is inline because the renderer runs it for every catalogue object
// on each rebuild.

#include <climits>
#include <cmath>
#include <optional>

#include "skymap/FastTrig.h"
#include "skymap/ViewState.h"

namespace vespera {

// Every radian-to-degree conversion of the map uses this factor, which is
// 180/3.1415926535 and deliberately not 180/pi.
inline constexpr double kDegreesPerRadian = 57.29577951471995;

// A view and geometry with the sine and cosine of the centre's declination
// taken once, so a rebuild does not repeat them per object.
class ViewProjection {
 public:
  ViewProjection(const ViewState& view, const MapGeometry& geometry)
      : centerRa_(view.centerRa),
        cosCenterDec_(FastCos(static_cast<float>(view.centerDec))),
        sinCenterDec_(FastSin(view.centerDec)),
        zoom_(view.zoom),
        radius_(geometry.mapRadius),
        halfWidth_(geometry.mapWidth / 2),
        halfHeight_(geometry.mapHeight / 2) {}

  // True with the map coordinates in x and y when (ra, dec) lies on the near
  // hemisphere; x and y are untouched otherwise. The point is not tested
  // against the map area. A non-finite position, and one whose pixel would not
  // fit in a 32-bit coordinate (reachable at extreme zoom), is not visible.
  bool Project(float ra, float dec, int& x, int& y) const {
    if (!std::isfinite(ra) || !std::isfinite(dec)) return false;
    const DeclinationTerms terms = DeclinationTermsOf(dec);
    const Approach approach = ApproachOf(ra, terms);
    // asin keeps the sign of its argument, so a negative k is the far
    // hemisphere without taking the arc sine; half the sky leaves here.
    if (!(approach.cosDistance >= 0.0)) return false;  // also NaN, from a non-finite view
    return PlaceOnMap(approach, terms, x, y);
  }

  // The projection in its three stages, for a caller that keeps the
  // declination terms of each object and rejects on the cosine of the distance
  // from the centre before paying for the arc sine and arc tangent. Project
  // is exactly these stages in this order.
  struct DeclinationTerms {
    double sinDec = 0.0;
    double cosDec = 0.0;
  };
  struct Approach {
    double delta = 0.0;         // centre RA less object RA, degrees
    double p = 0.0;             // cos(delta) x cos(dec)
    double cosDistance = 0.0;   // k: cosine of the angle from the centre
  };

  static DeclinationTerms DeclinationTermsOf(float dec) { return {FastSin(dec), FastCos(dec)}; }

  Approach ApproachOf(float ra, const DeclinationTerms& terms) const {
    Approach approach;
    approach.delta = centerRa_ - static_cast<double>(ra);
    const double cosDelta = FastCos(static_cast<float>(approach.delta));
    approach.p = cosDelta * terms.cosDec;
    approach.cosDistance = approach.p * cosCenterDec_ + terms.sinDec * sinCenterDec_;
    return approach;
  }

  // The remaining steps for an approach with a cosDistance of at least 0:
  // the arguments of the arc sine and arc tangent, the two arc functions, and
  // the placement from their results. PlaceOnMap is these steps in order; a
  // caller placing many objects may take each step for a batch of objects,
  // which lets the processor overlap the arc functions of one object with
  // those of the next. The arithmetic is the same either way.
  struct ArcArguments {
    double k = 0.0;      // the arc sine's argument, no more than 1
    double north = 0.0;  // the arc tangent's arguments
    double east = 0.0;
  };
  struct Arcs {
    double distance = 0.0;  // asin(k), radians
    double angle = 0.0;     // atan2(north, east), radians
  };

  ArcArguments ArcArgumentsOf(const Approach& approach, const DeclinationTerms& terms) const {
    ArcArguments arguments;
    // The six-decimal tables let k exceed 1 by about 1.4e-6 at the centre;
    // asin would answer NaN there and the centred object would vanish.
    arguments.k = approach.cosDistance > 1.0 ? 1.0 : approach.cosDistance;
    arguments.north = terms.sinDec * cosCenterDec_ - approach.p * sinCenterDec_;
    arguments.east = -(FastSin(approach.delta) * terms.cosDec);
    return arguments;
  }

  static Arcs ArcsOf(const ArcArguments& arguments) {
    return {std::asin(arguments.k), std::atan2(arguments.north, arguments.east)};
  }

  // Pixels from the map's centre, before the placement truncates them.
  struct Offsets {
    double x = 0.0;
    double y = 0.0;
  };

  Offsets OffsetsOf(const Arcs& arcs) const {
    const double c = arcs.distance * kDegreesPerRadian;
    const double theta = arcs.angle * kDegreesPerRadian;

    const double fx =
        0.5 * (FastCos(static_cast<float>(theta + c)) + FastCos(static_cast<float>(c - theta)));
    const double fy = 0.5 * (FastSin(theta + c) + FastSin(theta - c));
    return {fx * zoom_ * radius_, fy * zoom_ * radius_};
  }

  bool PlaceByArcs(const Arcs& arcs, int& x, int& y) const {
    const Offsets offsets = OffsetsOf(arcs);
    int screenX = 0;
    int screenY = 0;
    if (!OffsetFromCentre(offsets.x, halfWidth_, screenX) || !OffsetFromCentre(offsets.y, halfHeight_, screenY)) {
      return false;
    }
    x = screenX;
    y = screenY;
    return true;
  }

  bool PlaceOnMap(const Approach& approach, const DeclinationTerms& terms, int& x, int& y) const {
    return PlaceByArcs(ArcsOf(ArcArgumentsOf(approach, terms)), x, y);
  }

  // The map position of a point on the near hemisphere without the truncation
  // to a pixel, for what is drawn over the picture (the horizon, the bodies),
  // rounded to the nearest pixel by its caller; nothing otherwise, nor for a
  // point so far off the map (a high zoom) that it is of no use and could
  // overflow once rounded.
  std::optional<Offsets> MapPositionOf(float ra, float dec) const {
    if (!std::isfinite(ra) || !std::isfinite(dec)) return std::nullopt;
    const DeclinationTerms terms = DeclinationTermsOf(dec);
    const Approach approach = ApproachOf(ra, terms);
    if (!(approach.cosDistance >= 0.0)) return std::nullopt;
    const Offsets offsets = OffsetsOf(ArcsOf(ArcArgumentsOf(approach, terms)));
    constexpr double kBeyondAnyScreen = 1 << 24;
    if (!(std::abs(offsets.x) < kBeyondAnyScreen && std::abs(offsets.y) < kBeyondAnyScreen)) return std::nullopt;
    return Offsets{offsets.x + halfWidth_, offsets.y + halfHeight_};
  }

  double cosCenterDec() const { return cosCenterDec_; }
  double sinCenterDec() const { return sinCenterDec_; }
  double zoom() const { return zoom_; }
  int radius() const { return radius_; }
  int halfWidth() const { return halfWidth_; }
  int halfHeight() const { return halfHeight_; }

 private:
  // trunc(offset) + half, refused when it would not fit in an int: converting
  // an out-of-range double to an integer is undefined, and zoom has no bound.
  static bool OffsetFromCentre(double offset, int half, int& out) {
    const double lowest = static_cast<double>(INT_MIN) - half - 1.0;
    const double highest = static_cast<double>(INT_MAX) - half + 1.0;
    if (!(offset > lowest && offset < highest)) return false;
    out = static_cast<int>(static_cast<long long>(offset) + half);
    return true;
  }

  double centerRa_;
  double cosCenterDec_;
  double sinCenterDec_;
  double zoom_;
  int radius_;
  int halfWidth_;
  int halfHeight_;
};

inline bool ProjectToScreen(const ViewProjection& projection, float ra, float dec, int& x, int& y) {
  return projection.Project(ra, dec, x, y);
}

inline bool ProjectToScreen(const ViewState& view, const MapGeometry& geometry, float ra, float dec,
                            int& x, int& y) {
  return ViewProjection(view, geometry).Project(ra, dec, x, y);
}

}  // namespace vespera
