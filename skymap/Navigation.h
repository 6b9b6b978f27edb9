#pragma once
// What each navigation command does to the view. Each function answers
// whether the map must be drawn again; the main window then asks for a
// re-projection and paints at once.
//
// Nothing here wraps or clamps: centerRa runs past 360 and below 0, centerDec
// runs over the pole into the north-up form of the view, and zoom has no
// bound. Saved views depend on the values staying exactly as the steps make
// them.

#include "skymap/ViewState.h"

namespace vespera {

inline constexpr double kZoomInFactor = 1.1;
// 1/1.1 as written, so that one step in and one step out from 1.0 come back to
// exactly 1.0.
inline constexpr double kZoomOutFactor = 0.9090909090909091;

// Degrees per pan step: finer once zoomed in past 3 (a zoom of exactly 3
// still takes the coarse step).
inline constexpr double kCoarsePanStep = 2.5;
inline constexpr double kFinePanStep = 1.5;
inline constexpr double kFinePanAboveZoom = 3.0;

double PanStep(const ViewState& view);

[[nodiscard]] bool ZoomIn(ViewState& view);
[[nodiscard]] bool ZoomOut(ViewState& view);
[[nodiscard]] bool PanLeft(ViewState& view);   // centerRa down
[[nodiscard]] bool PanRight(ViewState& view);  // centerRa up
[[nodiscard]] bool PanUp(ViewState& view);     // centerDec down
[[nodiscard]] bool PanDown(ViewState& view);   // centerDec up

// False, and nothing changes, when the zoom already equals the level exactly.
[[nodiscard]] bool SetZoomLevel(ViewState& view, double level);
// Always true: choosing the same limit again still redraws and re-measures.
[[nodiscard]] bool SetMagnitudeLimit(ViewState& view, double limit);
// Centre on the north pole at zoom 1 and limit 4; the constellation switches
// stay as they are.
[[nodiscard]] bool ResetView(ViewState& view);

// The navigation commands of the main window's buttons, keys and menu; the
// window maps its command ids onto them.
enum class NavigationStep {
  ZoomIn,
  ZoomOut,
  PanLeft,
  PanRight,
  PanUp,
  PanDown,
  ResetView,
  Magnitude3,
  Magnitude4,
  Magnitude5,
  Magnitude6,
  Magnitude7,
  Magnitude8,
  Magnitude9,
  MagnitudeAll,  // ">10": every catalogue object up to 20
  ZoomLevel1,
  ZoomLevel2,
  ZoomLevel4,
  ZoomLevel8,
  ZoomLevel16,
};

// Whether the step changed the view so that the map must be drawn again
// (false only for a zoom level the view already has).
[[nodiscard]] bool ApplyNavigation(ViewState& view, NavigationStep step);

// Showing a star or deep-sky object found by the search: the magnitude limit
// rises to the next whole magnitude above the object (floor(m) + 1, rounded to
// single precision) and the zoom to at least 3, so the object is surely drawn.
// A placeholder is no magnitude: the limit (and so the limit saved with the
// view) then stays as it was, and the object is shown by its marker.
void RevealObject(ViewState& view, float magnitude);
// Showing a constellation: zoomed out to at most 3 so the figure fits.
void RevealConstellation(ViewState& view);

}  // namespace vespera
