#include "shell/ObserverBodies.h"

#include <cmath>

#include "ephemeris/PlanetMagnitude.h"
#include "platform/runtime/CodePage.h"
#include "platform/runtime/WideFormat.h"

namespace vespera {

namespace {

// The Sun's apparent visual magnitude; its distance changes it by under 0.04.
constexpr double kSunMagnitude = -26.7;


std::optional<double> MagnitudeOf(const BodyPosition& position) {
  switch (position.body) {
    case Body::Sun: return kSunMagnitude;
    case Body::Moon: return MoonMagnitude(PhaseAngle(position));
    default: return VisualMagnitude(position);
  }
}

ShownBody ShownBodyOf(const BodyPosition& position, const BodyPosition& sun) {
  ShownBody shown;
  shown.body = position.body;
  shown.direction = position.astrometric;
  shown.place = SkyPointOf(position.astrometric);
  shown.magnitude = MagnitudeOf(position);
  shown.illuminatedFraction = IlluminatedFraction(position);
  shown.brightLimbAngle = position.body == Body::Sun ? 0.0 : BrightLimbPositionAngle(position, sun);
  return shown;
}

BodySymbol SymbolOf(const ShownBody& body) {
  BodySymbol symbol;
  symbol.kind = body.body == Body::Sun    ? BodySymbolKind::Sun
                : body.body == Body::Moon ? BodySymbolKind::Moon
                                          : BodySymbolKind::Planet;
  symbol.place = body.place;
  symbol.label = Utf8ToWide(NameOf(body.body));
  symbol.magnitude = body.magnitude.value_or(0.0);
  symbol.illuminatedFraction = body.illuminatedFraction;
  symbol.brightLimbAngle = body.brightLimbAngle;
  return symbol;
}

}  // namespace

double MoonMagnitude(double phaseAngle) {
  const double degrees = std::fabs(phaseAngle) / kRadiansPerDegree;
  return -12.73 + 0.026 * degrees + 4e-9 * std::pow(degrees, 4);
}

void ObserverBodies::Update(const Observer& observer, ObserverSky& sky) {
  const ShownMinute key = ShownMinuteOf(observer);
  if (key_ == key) return;
  key_ = key;
  bodies_.clear();
  symbols_.clear();
  const HorizonFrame* frame = sky.FrameFor(observer);
  const Expected<TimeScales> time = TimeScalesAt(key.minute);
  if (!frame || !time) return;
  Expected<SolarSystem> system = ComputeBodies(*time);
  if (!system) return;
  BodyPosition& moon = (*system)[static_cast<int>(Body::Moon)];
  moon = TopocentricMoon(moon, *frame, key.place);
  const BodyPosition& sun = Of(*system, Body::Sun);
  bodies_.reserve(kBodyCount);
  for (const BodyPosition& position : *system) bodies_.push_back(ShownBodyOf(position, sun));
  symbols_.reserve(kBodyCount);
  for (const ShownBody& body : bodies_) symbols_.push_back(SymbolOf(body));
}

void ObserverBodies::Clear() {
  key_.reset();
  bodies_.clear();
  symbols_.clear();
}

const ShownBody* ObserverBodies::Find(Body body) const {
  for (const ShownBody& shown : bodies_)
    if (shown.body == body) return &shown;
  return nullptr;
}

SelectedObject SelectionOf(const ShownBody& body) {
  return SelectedObject{SelectionKind::Body, static_cast<std::int32_t>(body.body), body.place.ra, body.place.dec};
}

DumpArray DescribeBodies(const ObserverBodies& bodies, const ViewProjection& projection, const MapGeometry& geometry) {
  DumpArray described;
  for (std::size_t i = 0; i < bodies.bodies().size(); ++i) {
    const ShownBody& body = bodies.bodies()[i];
    DumpObject entry;
    entry.Set("name", std::string(NameOf(body.body)));
    entry.Set("ra", static_cast<double>(body.place.ra));
    entry.Set("dec", static_cast<double>(body.place.dec));
    if (const std::optional<POINT> centre = BodySymbolCentre(projection, geometry, bodies.symbols()[i])) {
      entry.Set("x", static_cast<int>(centre->x));
      entry.Set("y", static_cast<int>(centre->y));
    }
    described.emplace_back(std::move(entry));
  }
  return described;
}

WideString DescribeBody(const ShownBody& body) {
  const WideString name = Utf8ToWide(NameOf(body.body));
  switch (body.body) {
    case Body::Sun: return name;
    case Body::Moon:
      return FormatWide(u"%s: %.0f%% lit", {name, std::round(body.illuminatedFraction * 100.0)});
    default:
      if (!body.magnitude) return FormatWide(u"Planet: %s", {name});
      return FormatWide(u"Planet: %s, mag: %.1f", {name, *body.magnitude});
  }
}

}  // namespace vespera
