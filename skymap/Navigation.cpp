#include "skymap/Navigation.h"

#include <cmath>

#include "catalog/SkyRecords.h"

namespace vespera {

namespace {

constexpr double kRevealZoom = 3.0;

}  // namespace

double PanStep(const ViewState& view) { return view.zoom > kFinePanAboveZoom ? kFinePanStep : kCoarsePanStep; }

bool ZoomIn(ViewState& view) {
  view.zoom *= kZoomInFactor;
  return true;
}

bool ZoomOut(ViewState& view) {
  view.zoom *= kZoomOutFactor;
  return true;
}

bool PanLeft(ViewState& view) {
  view.centerRa -= PanStep(view);
  return true;
}

bool PanRight(ViewState& view) {
  view.centerRa += PanStep(view);
  return true;
}

bool PanUp(ViewState& view) {
  view.centerDec -= PanStep(view);
  return true;
}

bool PanDown(ViewState& view) {
  view.centerDec += PanStep(view);
  return true;
}

bool SetZoomLevel(ViewState& view, double level) {
  if (view.zoom == level) return false;
  view.zoom = level;
  return true;
}

bool SetMagnitudeLimit(ViewState& view, double limit) {
  view.magnitudeLimit = limit;
  return true;
}

bool ResetView(ViewState& view) {
  const ViewState defaults;
  view.centerRa = defaults.centerRa;
  view.centerDec = defaults.centerDec;
  view.zoom = defaults.zoom;
  view.magnitudeLimit = defaults.magnitudeLimit;
  return true;
}

bool ApplyNavigation(ViewState& view, NavigationStep step) {
  switch (step) {
    case NavigationStep::ZoomIn: return ZoomIn(view);
    case NavigationStep::ZoomOut: return ZoomOut(view);
    case NavigationStep::PanLeft: return PanLeft(view);
    case NavigationStep::PanRight: return PanRight(view);
    case NavigationStep::PanUp: return PanUp(view);
    case NavigationStep::PanDown: return PanDown(view);
    case NavigationStep::ResetView: return ResetView(view);
    case NavigationStep::Magnitude3: return SetMagnitudeLimit(view, 3);
    case NavigationStep::Magnitude4: return SetMagnitudeLimit(view, 4);
    case NavigationStep::Magnitude5: return SetMagnitudeLimit(view, 5);
    case NavigationStep::Magnitude6: return SetMagnitudeLimit(view, 6);
    case NavigationStep::Magnitude7: return SetMagnitudeLimit(view, 7);
    case NavigationStep::Magnitude8: return SetMagnitudeLimit(view, 8);
    case NavigationStep::Magnitude9: return SetMagnitudeLimit(view, 9);
    case NavigationStep::MagnitudeAll: return SetMagnitudeLimit(view, 20);
    case NavigationStep::ZoomLevel1: return SetZoomLevel(view, 1);
    case NavigationStep::ZoomLevel2: return SetZoomLevel(view, 2);
    case NavigationStep::ZoomLevel4: return SetZoomLevel(view, 4);
    case NavigationStep::ZoomLevel8: return SetZoomLevel(view, 8);
    case NavigationStep::ZoomLevel16: return SetZoomLevel(view, 16);
  }
  return false;
}

void RevealObject(ViewState& view, float magnitude) {
  const float limit = static_cast<float>(std::floor(static_cast<double>(magnitude)) + 1.0);
  // Neither a damaged record's NaN or infinite magnitude nor the placeholder
  // must become the limit that is saved with the view.
  if (std::isfinite(limit) && !IsPlaceholderMagnitude(magnitude) && limit > view.magnitudeLimit)
    view.magnitudeLimit = limit;
  if (view.zoom < kRevealZoom) view.zoom = kRevealZoom;
}

void RevealConstellation(ViewState& view) {
  if (view.zoom > kRevealZoom) view.zoom = kRevealZoom;
}

}  // namespace vespera
