#include "skymap/Navigation.h"

#include <cmath>

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

NavigationResult ApplyNavigationCommand(ViewState& view, UINT commandId) {
  bool redraw = false;
  switch (commandId) {
    case kCommandZoomIn: redraw = ZoomIn(view); break;
    case kCommandZoomOut: redraw = ZoomOut(view); break;
    case kCommandPanLeft: redraw = PanLeft(view); break;
    case kCommandPanRight: redraw = PanRight(view); break;
    case kCommandPanUp: redraw = PanUp(view); break;
    case kCommandPanDown: redraw = PanDown(view); break;
    case kCommandResetView: redraw = ResetView(view); break;
    case kCommandMagnitude3: redraw = SetMagnitudeLimit(view, 3); break;
    case kCommandMagnitude4: redraw = SetMagnitudeLimit(view, 4); break;
    case kCommandMagnitude5: redraw = SetMagnitudeLimit(view, 5); break;
    case kCommandMagnitude6: redraw = SetMagnitudeLimit(view, 6); break;
    case kCommandMagnitude7: redraw = SetMagnitudeLimit(view, 7); break;
    case kCommandMagnitude8: redraw = SetMagnitudeLimit(view, 8); break;
    case kCommandMagnitude9: redraw = SetMagnitudeLimit(view, 9); break;
    case kCommandMagnitudeAll: redraw = SetMagnitudeLimit(view, 20); break;
    case kCommandZoomLevel1: redraw = SetZoomLevel(view, 1); break;
    case kCommandZoomLevel2: redraw = SetZoomLevel(view, 2); break;
    case kCommandZoomLevel4: redraw = SetZoomLevel(view, 4); break;
    case kCommandZoomLevel8: redraw = SetZoomLevel(view, 8); break;
    case kCommandZoomLevel16: redraw = SetZoomLevel(view, 16); break;
    default: return NavigationResult::NotNavigation;
  }
  return redraw ? NavigationResult::Redraw : NavigationResult::NothingChanged;
}

void RevealObject(ViewState& view, float magnitude) {
  const float limit = static_cast<float>(std::floor(static_cast<double>(magnitude)) + 1.0);
  // A damaged record's NaN or infinite magnitude must not become the limit
  // that is saved with the view.
  if (std::isfinite(limit) && limit > view.magnitudeLimit) view.magnitudeLimit = limit;
  if (view.zoom < kRevealZoom) view.zoom = kRevealZoom;
}

void RevealConstellation(ViewState& view) {
  if (view.zoom > kRevealZoom) view.zoom = kRevealZoom;
}
