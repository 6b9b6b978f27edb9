// Painting the main window: the caption bar, then the map with its names,
// status line and marker. Commands that change the map paint at once on a
// client-area context instead of invalidating and waiting for WM_PAINT.

#include "appcore/ScreenClass.h"
#include "shell/CaptionBar.h"
#include "shell/FullScreen.h"
#include "shell/ProgramWide.h"
#include "shell/SkyMapDlg.h"

namespace vespera {

namespace {

// The phones' caption bars are too short for a title.
std::u16string_view MainWindowTitle() {
  return IsSmallPhoneScreen() || IsQvgaPhone() ? std::u16string_view() : u"Nocturna";
}

// Enough names for a zoom of 50.
constexpr std::size_t kNamedStarsKept = 1000;

// Red-screen mode colours only the status line; its background is the
// skin's caption colour then, read from the skin on each paint.
StatusColours CurrentStatusColours() {
  if (!IsRedScreenOn()) return StatusLineColours(false, 0);
  return StatusLineColours(true, theSkin->GetSkinPixel(kSkinColourPixel.x, kSkinColourPixel.y));
}

}  // namespace

void CSkyMapDlg::OnPaint() {
  // Every paint puts the window back over the whole screen.
  EnterFullScreen(*this, false, true);
  CPaintDC dc(this);
  DrawCaptionBar(dc, layout_.screenRect, MainWindowTitle());
  RenderMap(dc);
}

SkyMapParts CSkyMapDlg::MapParts() { return {catalogs_, view_, layout_, picture_, status_, mapFont_}; }

MapOverlay CSkyMapDlg::Overlay() {
  MapOverlay overlay{CurrentStatusColours(), SelectionMarkerPoint(selection_), std::nullopt};
  if (!observer_.choices().on) return overlay;
  overlay.horizon = observerSky_.OverlayFor(observer_, IsRedScreenOn());
  // Computed by the commands that change the shown time or place; the paint only draws them.
  if (!observerBodies_.symbols().empty()) overlay.bodies = BodyOverlay{observerBodies_.symbols(), IsRedScreenOn()};
  if (overlay.horizon && observer_.choices().starNames && catalogs_.IsLoaded()) {
    if (namedStars_.empty()) namedStars_ = BrightestNamedStars(catalogs_.starCatalog, kNamedStarsKept);
    overlay.horizon->starNames = namedStars_;
  }
  return overlay;
}

void CSkyMapDlg::RenderMap(CDC& dc) { vespera::RenderMap(dc, MapParts(), Overlay(), [] { return GetTickCount(); }); }

void CSkyMapDlg::DrawStatusLine(CDC& dc) {
  vespera::DrawStatusLine(dc, status_.statusText, layout_, CurrentStatusColours());
}

void CSkyMapDlg::RepaintMap() {
  CClientDC dc(this);
  RenderMap(dc);
}

void CSkyMapDlg::RedrawMap() {
  view_.needsReprojection = true;
  CClientDC dc(this);
  RenderMap(dc);
}

}  // namespace vespera
