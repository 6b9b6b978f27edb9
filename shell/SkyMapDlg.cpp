#include "shell/SkyMapDlg.h"

#include "app/ScreenClass.h"
#include "resources/CommandIds.h"
#include "resources/MainWindowTemplates.h"
#include "shell/FullScreen.h"
#include "shell/ProgramWide.h"
#include "shell/ViewSettings.h"
#include "skymap/ConstellationNames.h"

const DialogTemplate& MainWindowTemplate() {
  if (IsSmallPhoneScreen()) return kMainSmallPhoneTemplate;
  if (IsQvgaPhone()) return kMainQvgaPhoneTemplate;
  return kMainTemplate;
}

CSkyMapDlg::CSkyMapDlg() : CDialog(MainWindowTemplate()) {
  if (CWinApp* app = AfxGetApp()) appIcon_ = app->LoadIcon(kApplicationIconId);
}

CSkyMapDlg::~CSkyMapDlg() {
  // Destroyed here, while the handlers of this class still exist, so that
  // WM_DESTROY saves the settings even when the window outlives DoModal.
  if (m_hWnd) DestroyWindow();
  WaitForCatalogLoader();
  if (activeMainWindow == this) activeMainWindow = nullptr;
}

void CSkyMapDlg::DoDataExchange(CDataExchange* exchange) { CDialog::DoDataExchange(exchange); }

BOOL CSkyMapDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  InitFullScreenDialog(*this);
  SetIcon(appIcon_, TRUE);
  SetIcon(appIcon_, FALSE);
  EnterFullScreen(*this, false, true);
  // The device's framework gives dialogs an empty command bar that this
  // window hides; there is none here.
  ReadSettings();
  layout_ = ComputeMapLayout(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  picture_.hits.Clear();
  status_.statusPrefix = u"Ready";
  CreateMapResources();
  status_.statusText = u"Loading data...";
  StartCatalogLoader();
  return TRUE;
}

void CSkyMapDlg::ReadSettings() {
  if (CWinApp* app = AfxGetApp()) ReadViewSettings(*app, view_);
}

void CSkyMapDlg::CreateMapResources() {
  const LOGFONT font = MapFontDescription();
  mapFont_.CreateFontIndirect(&font);
  CClientDC dc(this);
  MapSurface& surface = picture_.surface;
  surface.CreateMapSurface(&dc, layout_.geometry.mapWidth, layout_.geometry.mapHeight);
  surface.AllocatePixels();
  surface.ClearPixels();
  surface.CommitPixels();
}

void CSkyMapDlg::OnDestroy() {
  picture_.surface.FreePixels();
  picture_.surface.DeleteMapBitmap();
  mapFont_.DeleteObject();
  if (CWinApp* app = AfxGetApp()) WriteViewSettings(*app, view_);
  CDialog::OnDestroy();
}

void CSkyMapDlg::DescribeState(DumpObject& state) const {
  state.Set("statusText", status_.statusText);
  state.Set("centerRa", view_.centerRa);
  state.Set("centerDec", view_.centerDec);
  state.Set("zoom", view_.zoom);
  state.Set("magnitudeLimit", view_.magnitudeLimit);
  state.Set("showConstellationLines", view_.showConstellationLines);
  state.Set("constellationNameStyle", static_cast<int>(view_.constellationNameStyle));
  state.Set("dataLoaded", catalogs_.IsLoaded() ? 1 : 0);
  state.Set("hasSelection", selection_.hasSelection);
  state.Set("selectionKind", static_cast<int>(selection_.kind));
  state.Set("selectionIndex", selection_.index);
  state.Set("redScreenMode", redScreenMode);
  state.Set("template", Template().id);
}
