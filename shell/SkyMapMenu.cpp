// The program menu under the "M" button (and the Enter key), and the windows
// its items open. Its check marks and greyed items are set afresh each time
// it opens; the magnitude and zoom sub-menus never show the current value.

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
