// Stylus taps on the main window and the commands on the selected object.
// Picking projects nothing: a tap is looked up in the hit caches the last
// rebuild filled (empty until the catalogue is loaded, so a tap then finds
// nothing and reads no store).

#include "appcore/ScreenClass.h"
#include "shell/FullScreen.h"
#include "shell/SkyMapDlg.h"

namespace vespera {

void CSkyMapDlg::OnMapTap(UINT /*flags*/, CPoint point) {
  Default();
  if (IsStartMenuCorner(point, layout_.geometry.mapTop)) {
    OpenStartMenu(*this);
    return;
  }
  if (!IsMapTap(layout_, point.x, point.y)) return;
  // A finger covers far more than the stylus's box: when the box holds
  // nothing, a touch takes the nearest object within a finger's reach.
  if (!SelectAt(selection_, catalogs_, picture_.hits, point.x, point.y) && IsTouchInput(GetMessageExtraInfo()))
    SelectNearest(selection_, catalogs_, picture_.hits, point.x, point.y,
                  FingerReachPixels(ScreenDpi()));
  CClientDC dc(this);
  // No re-projection: the paint moves the marker to the new selection.
  RenderMap(dc);
  status_.statusText = SelectionText();
  DrawStatusLine(dc);
  // A held press keeps the selection it made and opens the map's context menu instead of a drag.
  if (IsHeldOnMap(point)) {
    ShowMapContextMenu(point);
    return;
  }
  BeginPointerPress(point);
}

// A double tap has only the effect of its first tap.
void CSkyMapDlg::OnDoubleTap(UINT /*flags*/, CPoint /*point*/) { Default(); }

void CSkyMapDlg::ShowSelectionInfo() {
  MessageBox(m_hWnd, SelectionText(), u"Selected object(s)", MB_OK);
}

WideString CSkyMapDlg::SelectionText() const {
  if (selection_ && selection_->kind == SelectionKind::Body) {
    if (const ShownBody* body = observerBodies_.Find(static_cast<Body>(selection_->index))) return DescribeBody(*body);
  }
  return DescribeSelection(selection_, catalogs_);
}

void CSkyMapDlg::OnCenterObject() {
  if (CenterOnSelection(view_, selection_)) RedrawMap();
}

}  // namespace vespera
