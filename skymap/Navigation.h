#pragma once
// What each navigation command does to the view. Each function answers
// whether the map must be drawn again; the main window then asks for a
// re-projection and paints at once.
//
// Nothing here wraps or clamps: centerRa runs past 360 and below 0, centerDec
// runs over the pole into the north-up form of the view, and zoom has no
// bound. Saved views depend on the values staying exactly as the steps make
// them.

#include "platform/runtime/WinTypes.h"
#include "skymap/ViewState.h"

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

// The main window's command ids for these commands.
enum NavigationCommandId : UINT {
  kCommandZoomIn = 1001,
  kCommandZoomOut = 1003,
  kCommandPanLeft = 1004,
  kCommandPanRight = 1005,
  kCommandPanUp = 1006,
  kCommandPanDown = 1007,
  kCommandResetView = 1010,
  kCommandMagnitude3 = 32779,
  kCommandMagnitude4 = 32781,
  kCommandMagnitude5 = 32782,
  kCommandMagnitude6 = 32783,
  kCommandMagnitude7 = 32784,
  kCommandMagnitude8 = 32785,
  kCommandMagnitude9 = 32786,
  kCommandMagnitudeAll = 32787,  // ">10": every catalogue object up to 20
  kCommandZoomLevel1 = 32794,
  kCommandZoomLevel2 = 32795,
  kCommandZoomLevel4 = 32796,
  kCommandZoomLevel8 = 32797,
  kCommandZoomLevel16 = 32798,
};

enum class NavigationResult {
  NotNavigation,   // the id is no navigation command; the view is untouched
  NothingChanged,  // a zoom level the view already has
  Redraw,
};

NavigationResult ApplyNavigationCommand(ViewState& view, UINT commandId);

// Showing a star or deep-sky object found by the search: the magnitude limit
// rises to the next whole magnitude above the object (floor(m) + 1, rounded to
// single precision) and the zoom to at least 3, so the object is surely drawn.
void RevealObject(ViewState& view, float magnitude);
// Showing a constellation: zoomed out to at most 3 so the figure fits.
void RevealConstellation(ViewState& view);
