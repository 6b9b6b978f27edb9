#pragma once
// The Sun, the Moon and the planets of the observer's shown minute and place,
// kept for the main window. The window computes them when the shown time or
// the place changes (its commands and the minute timer), never while painting:
// a paint, a tap and the dump only read what was kept. While the feature is
// off nothing is kept.

#include <optional>
#include <span>
#include <vector>

#include "ephemeris/Bodies.h"
#include "platform/runtime/WinTypes.h"
#include "platform/windows/DumpValue.h"
#include "shell/Observer.h"
#include "shell/ObserverSky.h"
#include "skymap/BodySymbols.h"
#include "skymap/Selection.h"

namespace vespera {

// One body as the map shows it.
struct ShownBody {
  Body body = Body::Sun;
  // J2000 direction, as the catalogue's stars; the Moon's as seen from the place.
  Vector3 direction{};
  SkyPoint place;
  // Nothing where no formula is kept (none is missing today: the Sun is a
  // fixed -26.7, the Moon's follows its phase angle).
  std::optional<double> magnitude;
  double illuminatedFraction = 1.0;  // 0 new .. 1 full
  // Where the lit limb faces, from celestial north through east, radians.
  double brightLimbAngle = 0.0;
};

class ObserverBodies {
 public:
  // Computes the bodies for the observer's shown minute and place unless they
  // are the ones kept; keeps nothing for an instant ERFA cannot hold.
  void Update(const Observer& observer, ObserverSky& sky);
  void Clear();

  // In the order of kAllBodies; empty while nothing is kept.
  std::span<const ShownBody> bodies() const { return bodies_; }
  const ShownBody* Find(Body body) const;
  // The same bodies as the map draws them, in the same order.
  std::span<const BodySymbol> symbols() const { return symbols_; }

 private:
  std::optional<ShownMinute> key_;
  std::vector<ShownBody> bodies_;
  std::vector<BodySymbol> symbols_;
};

// The body as the map's selection: its place is moved on as the kept bodies change.
SelectedObject SelectionOf(const ShownBody& body);

// The visual magnitude of the full Moon is about -12.7; this follows its phase
// angle (radians) by the usual approximation for the Moon's phase curve.
double MoonMagnitude(double phaseAngle);

// The bodies for the automation dump: name, J2000 place in degrees, and the
// window pixel of the symbol's centre ("x", "y") when it lies on the map area.
DumpArray DescribeBodies(const ObserverBodies& bodies, const ViewProjection& projection, const MapGeometry& geometry);

// The status line's words for a body: "Planet: Jupiter, mag: -2.5",
// "Moon: 63% lit", "Sun".
WideString DescribeBody(const ShownBody& body);

}  // namespace vespera
