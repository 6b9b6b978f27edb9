// Stylus taps on the main window and the commands on the selected object.
// Picking projects nothing: a tap is looked up in the hit caches the last
// rebuild filled (empty until the catalogue is loaded, so a tap then finds
// nothing and reads no store).

#include "appcore/ScreenClass.h"
#include "shell/FullScreen.h"
#include "shell/SkyMapDlg.h"

namespace vespera {

bool CSkyMapDlg::SelectBodyAt(Selection& into, POINT point, int reach) {
  // Nothing is kept while the feature is off.
  const std::span<const BodySymbol> symbols = observerBodies_.symbols();
  if (symbols.empty()) return false;
  const ViewProjection projection(view_, layout_.geometry);
  const std::optional<std::size_t> found =
      FindBodySymbolAt(projection, layout_.geometry, symbols, point.x, point.y, reach);
  if (!found) return false;
  into = SelectionOf(observerBodies_.bodies()[*found]);
  return true;
}

void CSkyMapDlg::OnMapTap(UINT /*flags*/, CPoint point) {
  Default();
  if (IsStartMenuCorner(point, layout_.geometry.mapTop)) {
    OpenStartMenu(*this);
    return;
  }
  if (!IsMapTap(layout_, point.x, point.y)) return;
  // A finger covers far more than the stylus's box: when the box holds
  // nothing, a touch takes the nearest object within a finger's reach. A
  // star or deep-sky object under the tap wins over a body's symbol; the
  // symbol under the tap wins over a star a finger's reach away.
  if (!SelectAt(selection_, catalogs_, picture_.hits, point.x, point.y) && !SelectBodyAt(selection_, point, kStylusReach) &&
      IsTouchInput(GetMessageExtraInfo())) {
    const int reach = FingerReachPixels(ScreenDpi());
    if (!SelectNearest(selection_, catalogs_, picture_.hits, point.x, point.y, reach)) SelectBodyAt(selection_, point, reach);
  }
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
