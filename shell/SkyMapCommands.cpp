// The main window's message map, its commands and its keys.

#include "resources/CommandIds.h"
#include "shell/DisplayToggles.h"
#include "shell/NavigationCommands.h"
#include "shell/RedScreen.h"
#include "shell/SkyMapDlg.h"

namespace vespera {

namespace {

// The keypad: arrows and the digits around 5 pan, 1 and 3 zoom. A desktop
// keyboard's plus, minus and page keys zoom as 3 and 1 do.
UINT NavigationCommandForKey(WPARAM key) {
  switch (key) {
    case VK_RIGHT:
    case '6': return kCommandPanRight;
    case VK_LEFT:
    case '4': return kCommandPanLeft;
    case VK_UP:
    case '2': return kCommandPanUp;
    case VK_DOWN:
    case '8': return kCommandPanDown;
    case '1':
    case VK_OEM_MINUS:
    case VK_SUBTRACT:
    case VK_NEXT: return kCommandZoomOut;
    case '3':
    case VK_OEM_PLUS:
    case VK_ADD:
    case VK_PRIOR: return kCommandZoomIn;
    default: return 0;
  }
}

bool KeyIsHeldNow(WPARAM key) { return (GetAsyncKeyState(static_cast<int>(key)) & 0x8000) != 0; }

}  // namespace

const MessageMap* CSkyMapDlg::GetMessageMap() const {
  static const MessageMap map =
      MessageMapFor<CSkyMapDlg>(CDialog::GetMessageMap())
          .OnPaint(&CSkyMapDlg::OnPaint)
          .OnDestroy(&CSkyMapDlg::OnDestroy)
          .OnLButtonDown(&CSkyMapDlg::OnMapTap)
          .OnLButtonDblClk(&CSkyMapDlg::OnDoubleTap)
          .OnMouseMove(&CSkyMapDlg::OnPointerMove)
          .OnLButtonUp(&CSkyMapDlg::OnPointerUp)
          .OnMessage(WM_CAPTURECHANGED, &CSkyMapDlg::OnCaptureChanged)
          .OnMessage(WM_MOUSEWHEEL, &CSkyMapDlg::OnMouseWheel)
          .OnCommand(kCommandExit, &CSkyMapDlg::OnExit)
          .OnCommand(kCommandProgramMenu, &CSkyMapDlg::ShowProgramMenu)
          .OnCommandRange(kCommandZoomIn, kCommandZoomIn, &CSkyMapDlg::OnNavigationCommand)
          .OnCommandRange(kCommandZoomOut, kCommandPanDown, &CSkyMapDlg::OnNavigationCommand)
          .OnCommandRange(kCommandResetView, kCommandResetView, &CSkyMapDlg::OnNavigationCommand)
          .OnCommandRange(kCommandMagnitude3, kCommandMagnitude3, &CSkyMapDlg::OnNavigationCommand)
          .OnCommandRange(kCommandMagnitude4, kCommandMagnitudeAll, &CSkyMapDlg::OnNavigationCommand)
          .OnCommandRange(kCommandZoomLevel1, kCommandZoomLevel16, &CSkyMapDlg::OnNavigationCommand)
          .OnCommand(kCommandAfterLoad, &CSkyMapDlg::OnAfterLoad)
          .OnCommand(kCommandRedScreen, &CSkyMapDlg::OnToggleRedScreen)
          .OnCommand(kCommandConstellationLines, &CSkyMapDlg::OnToggleConstellationLines)
          .OnCommand(kCommandShowInfo, &CSkyMapDlg::ShowSelectionInfo)
          .OnCommand(kCommandCenterObject, &CSkyMapDlg::OnCenterObject)
          .OnCommand(kCommandNamesShort, &CSkyMapDlg::OnToggleShortNames)
          .OnCommand(kCommandNamesFull, &CSkyMapDlg::OnToggleFullNames)
          .OnCommand(kCommandSearch, &CSkyMapDlg::OnSearchCommand)
          .OnCommandRange(kCommandMessierInfo, kCommandCaldwellInfo, &CSkyMapDlg::RunSecondaryWindow)
          .OnCommandRange(kCommandAbout, kCommandAbout, &CSkyMapDlg::RunSecondaryWindow)
          .OnCommandRange(kCommandHelp, kCommandHelp, &CSkyMapDlg::RunSecondaryWindow);
  return &map;
}

BOOL CSkyMapDlg::PreTranslateMessage(MSG* message) {
  if (message->message == WM_KEYDOWN) {
    if (message->wParam == VK_RETURN) {
      // Posted, and the key consumed, so Enter never presses a default button.
      PostMessage(WM_COMMAND, kCommandProgramMenu, 0);
      return TRUE;
    }
    if (const UINT command = NavigationCommandForKey(message->wParam)) {
      // A key released before its message is handled does nothing; the
      // message is consumed either way so the dialog never sees it.
      if (KeyIsHeldNow(message->wParam)) OnNavigationCommand(command);
      return TRUE;
    }
  }
  return CDialog::PreTranslateMessage(message);
}

void CSkyMapDlg::OnExit() { EndDialog(1); }

void CSkyMapDlg::OnNavigationCommand(UINT id) {
  const std::optional<NavigationStep> step = NavigationStepForCommand(id);
  if (step && ApplyNavigation(view_, *step)) RedrawMap();
}

void CSkyMapDlg::OnAfterLoad() {
  view_.needsReprojection = true;
  CClientDC dc(this);
  // Shown while the first projection runs; RenderMap then writes the
  // drawing time over it, and the hint replaces that.
  status_.statusText = u"Wait for refresh...";
  DrawStatusLine(dc);
  RenderMap(dc);
  status_.statusText = u"Press 'Enter' to access program menu";
  DrawStatusLine(dc);
}

void CSkyMapDlg::OnToggleConstellationLines() {
  view_.showConstellationLines = AfterFlagToggle(view_.showConstellationLines);
  RedrawMap();
}

void CSkyMapDlg::OnToggleShortNames() {
  view_.constellationNameStyle = AfterShortNamesToggle(view_.constellationNameStyle);
  RedrawMap();
}

void CSkyMapDlg::OnToggleFullNames() {
  view_.constellationNameStyle = AfterFullNamesToggle(view_.constellationNameStyle);
  RedrawMap();
}

void CSkyMapDlg::OnToggleRedScreen() { ToggleRedScreen(*this); }

}  // namespace vespera
