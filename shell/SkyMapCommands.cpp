// The main window's message map, its commands and its keys.

#include "resources/CommandIds.h"
#include "shell/DisplayToggles.h"
#include "shell/KeyCommands.h"
#include "shell/NavigationCommands.h"
#include "shell/RedScreen.h"
#include "shell/SkyMapDlg.h"

namespace vespera {

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
          .OnMessage(WM_TIMER, &CSkyMapDlg::OnTimer)
          .OnMessage(WM_RBUTTONUP, &CSkyMapDlg::OnRightClick)
          .OnCommand(kCommandExit, &CSkyMapDlg::OnExit)
          .OnCommand(kCommandProgramMenu, &CSkyMapDlg::ShowProgramMenu)
          .OnCommand(kCommandZoomIn, &CSkyMapDlg::OnNavigationCommand)
          .OnCommandRange(kCommandZoomOut, kCommandPanDown, &CSkyMapDlg::OnNavigationCommand)
          .OnCommand(kCommandResetView, &CSkyMapDlg::OnNavigationCommand)
          .OnCommand(kCommandMagnitude3, &CSkyMapDlg::OnNavigationCommand)
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
          .OnCommand(kCommandMessierInfo, &CSkyMapDlg::OnMessierInfo)
          .OnCommand(kCommandCaldwellInfo, &CSkyMapDlg::OnCaldwellInfo)
          .OnCommand(kCommandAbout, &CSkyMapDlg::OnAbout)
          .OnCommand(kCommandHelp, &CSkyMapDlg::OnHelp)
          .OnCommand(kCommandObserver, &CSkyMapDlg::OnToggleObserver)
          .OnCommand(kCommandAltAzGrid, &CSkyMapDlg::OnToggleAltAzGrid)
          .OnCommand(kCommandStarNames, &CSkyMapDlg::OnToggleStarNames)
          .OnCommand(kCommandLookUp, &CSkyMapDlg::OnLookUp)
          .OnCommand(kCommandPlace, &CSkyMapDlg::OnPlace)
          .OnCommand(kCommandNow, &CSkyMapDlg::OnNow)
          .OnCommandRange(kCommandHourBack, kCommandDayOn, &CSkyMapDlg::OnStepTime)
          .OnCommand(kCommandNightFilter, &CSkyMapDlg::OnToggleNightFilter)
          .OnCommandRange(kCommandNightFilterLevel25, kCommandNightFilterLevel75, &CSkyMapDlg::OnNightFilterLevel)
          .OnCommand(kCommandTonight, &CSkyMapDlg::OnTonight)
          .OnCommand(kCommandAboutObject, &CSkyMapDlg::OnAboutObject);
  return &map;
}

BOOL CSkyMapDlg::PreTranslateMessage(MSG* message) {
  if (TranslateKeyCommand(*this, *message, kMainWindowKeys)) return TRUE;
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

void CSkyMapDlg::OnToggleRedScreen() {
  ToggleRedScreen(*this);
  ApplyNightFilter(nightFilter_.choices());
}

}  // namespace vespera
