// The pointer beyond the tap: dragging the map and zooming with the wheel (or
// a pinch, which the backend turns into wheel notches). The press itself
// stays a tap that selects (SkyMapTap.cpp); only a press on the map can
// become a drag, so a press on a button or the caption strip does nothing new.
//
// A drag asks for a repaint of the map area rather than painting at once:
// the paint comes when no other message is queued, so however many moves
// arrive, the map is projected at most once per displayed frame.

#include <cstdlib>

#include "appcore/ScreenClass.h"
#include "platform/windows/SystemApi.h"
#include "shell/SkyMapDlg.h"
#include "skymap/Navigation.h"
#include "skymap/PointerNavigation.h"

namespace vespera {

namespace {

// How far the pointer must move while held before the map follows it: the
// stylus wobbles a little on a tap, twice as much in pixels on the dense
// screens; a finger wobbles more (the platform's touch threshold, about 2 mm),
// and never less than the stylus.
constexpr int kDragThreshold = 4;
constexpr int kHighResDragThreshold = 8;

int DragThreshold(bool touch) {
  const int stylus = IsHighResScreen() ? kHighResDragThreshold : kDragThreshold;
  return GetDragThreshold(stylus, touch);
}

bool BeyondThreshold(POINT press, POINT now, bool touch) {
  const long long threshold = DragThreshold(touch);
  const long long dx = now.x - press.x;
  const long long dy = now.y - press.y;
  return dx * dx + dy * dy > threshold * threshold;
}

MapPoint ToMap(const MapLayout& layout, POINT window) {
  return {double(window.x - layout.geometry.mapLeft), double(window.y - layout.geometry.mapTop)};
}

}  // namespace

void CSkyMapDlg::BeginPointerPress(POINT point) {
  // Called while the press's own message is handled, so its extra
  // information tells a finger from the stylus.
  press_ = PointerPress{point, view_, IsTouchInput(GetMessageExtraInfo()), false};
  ::SetCapture(m_hWnd);
}

void CSkyMapDlg::OnPointerMove(UINT flags, CPoint point) {
  if (!press_ || !(flags & MK_LBUTTON)) return;
  if (!press_->dragging && !BeyondThreshold(press_->point, point, press_->touch)) return;
  press_->dragging = true;
  ViewState pressView = press_->view;
  pressView.zoom = view_.zoom;
  const ViewState dragged = DraggedView(pressView, layout_.geometry, ToMap(layout_, press_->point), ToMap(layout_, point));
  if (dragged.centerRa == view_.centerRa && dragged.centerDec == view_.centerDec) return;
  view_.centerRa = dragged.centerRa;
  view_.centerDec = dragged.centerDec;
  view_.needsReprojection = true;
  // The rebuild writes its drawing time into the status line below the map.
  const RECT map = MapAreaRect(layout_);
  const RECT status = StatusBandRect(layout_);
  InvalidateRect(&map, FALSE);
  InvalidateRect(&status, FALSE);
}

void CSkyMapDlg::OnPointerUp(UINT /*flags*/, CPoint /*point*/) {
  if (!press_) return;
  press_.reset();
  if (::GetCapture() == m_hWnd) ::ReleaseCapture();
}

LRESULT CSkyMapDlg::OnCaptureChanged(WPARAM /*wParam*/, LPARAM /*lParam*/) {
  // Whatever took the pointer (a menu, a message box) ends the drag where it is.
  press_.reset();
  return 0;
}

LRESULT CSkyMapDlg::OnMouseWheel(WPARAM wParam, LPARAM lParam) {
  const int notches = GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA;
  if (notches == 0) return 0;
  POINT point = PointFromLParam(lParam);
  ScreenToClient(&point);
  const bool overMap = IsMapTap(layout_, point.x, point.y);
  for (int step = 0; step < std::abs(notches); ++step) {
    if (overMap)
      ZoomAbout(view_, layout_.geometry, ToMap(layout_, point), notches > 0);
    else
      (void)(notches > 0 ? ZoomIn(view_) : ZoomOut(view_));
  }
  RedrawMap();
  return 0;
}

}  // namespace vespera
