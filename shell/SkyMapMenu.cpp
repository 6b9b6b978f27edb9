// The program menu under the "M" button (and the Enter key), the windows its
// items open, and the map's context menu (a right-click or a held press on
// the map). Check marks and greyed items are set afresh each time a menu
// opens; the magnitude and zoom sub-menus never show the current value.

#include "platform/handheld/HandheldShell.h"
#include "platform/menus/MenuApi.h"
#include "resources/CommandIds.h"
#include "shell/AboutDlg.h"
#include "shell/HelpDlg.h"
#include "shell/ObjectDataDlg.h"
#include "shell/ProgramWide.h"
#include "shell/SkyMapDlg.h"

namespace vespera {

namespace {

UINT CheckedIf(bool on) { return MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED); }
UINT EnabledIf(bool on) { return MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED); }

}  // namespace

void CSkyMapDlg::ShowProgramMenu() {
  RECT button{};
  if (CWnd* menuButton = GetDlgItem(kCommandProgramMenu)) {
    menuButton->GetWindowRect(&button);
    ScreenToClient(&button);
  }
  CMenu menu;
  if (!menu.LoadMenu(kProgramMenuId)) return;
  CMenu* popup = menu.GetSubMenu(0);
  if (!popup) return;

  const bool selected = selection_.has_value();
  popup->EnableMenuItem(kCommandCenterObject, EnabledIf(selected));
  popup->EnableMenuItem(kCommandShowInfo, EnabledIf(selected));
  popup->CheckMenuItem(kCommandRedScreen, CheckedIf(IsRedScreenOn()));
  popup->CheckMenuItem(kCommandConstellationLines, CheckedIf(view_.showConstellationLines != 0));
  popup->CheckMenuItem(kCommandNamesShort, CheckedIf(view_.constellationNameStyle == ConstellationNameStyle::Short));
  popup->CheckMenuItem(kCommandNamesFull, CheckedIf(view_.constellationNameStyle == ConstellationNameStyle::Full));

  POINT corner{button.left, button.bottom + 2};
  ClientToScreen(&corner);
  popup->TrackPopupMenuEx(0, corner.x, corner.y, this);
}

void CSkyMapDlg::ShowMapContextMenu(POINT point) {
  CMenu menu;
  if (!menu.LoadMenu(kMapContextMenuId)) return;
  CMenu* popup = menu.GetSubMenu(0);
  if (!popup) return;
  const ObserverChoices& choices = observer_.choices();
  popup->CheckMenuItem(kCommandObserver, CheckedIf(choices.on));
  popup->CheckMenuItem(kCommandLookUp, CheckedIf(choices.on && FollowingZenith()));
  popup->CheckMenuItem(kCommandStarNames, CheckedIf(choices.starNames));
  popup->CheckMenuItem(kCommandAltAzGrid, CheckedIf(choices.altAzGrid));
  popup->CheckMenuItem(kCommandNow, CheckedIf(observer_.FollowsNow()));
  const NightFilterChoices& filter = nightFilter_.choices();
  popup->CheckMenuItem(kCommandNightFilter, CheckedIf(filter.on));
  for (std::size_t i = 0; i < kNightFilterMenuLevels.size(); ++i)
    popup->CheckMenuItem(kCommandNightFilterLevel25 + UINT(i), CheckedIf(filter.level == kNightFilterMenuLevels[i]));
  // The object under the pointer, else the selected one.
  contextObject_ = ObjectUnderPointer(point);
  if (!contextObject_) contextObject_ = selection_;
  popup->EnableMenuItem(kCommandAboutObject, EnabledIf(contextObject_.has_value()));
  ClientToScreen(&point);
  popup->TrackPopupMenuEx(0, point.x, point.y, this);
}

bool CSkyMapDlg::IsHeldOnMap(POINT point) {
  SHRGINFO gesture;
  gesture.hwndClient = m_hWnd;
  gesture.ptDown = point;
  return SHRecognizeGesture(&gesture) == GN_CONTEXTMENU;
}

LRESULT CSkyMapDlg::OnRightClick(WPARAM /*wParam*/, LPARAM lParam) {
  const POINT point = PointFromLParam(lParam);
  if (IsMapTap(layout_, point.x, point.y)) ShowMapContextMenu(point);
  return 0;
}

// Each window lives for its one modal run; the main window does nothing with
// how it ended.
void CSkyMapDlg::OnMessierInfo() { RunObjectDataWindow(kMessierMode); }
void CSkyMapDlg::OnCaldwellInfo() { RunObjectDataWindow(kCaldwellMode); }

void CSkyMapDlg::RunObjectDataWindow(int mode) {
  CObjectDataDlg objectData;
  objectData.mode = mode;
  objectData.DoModal();
}

void CSkyMapDlg::OnAbout() {
  CAboutDlg about;
  about.DoModal();
}

void CSkyMapDlg::OnHelp() {
  CHelpDlg help;
  help.DoModal();
}

}  // namespace vespera
