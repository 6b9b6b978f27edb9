#include "shell/SkyMapDlg.h"

#include <algorithm>

#include "resources/CommandIds.h"
#include "shell/CommandButtons.h"
#include "shell/FullScreen.h"
#include "shell/NightFilterSettings.h"
#include "shell/ObserverOptions.h"
#include "shell/ObserverSettings.h"
#include "shell/ProgramWide.h"
#include "shell/SkinButton.h"
#include "shell/ViewSettings.h"
#include "shell/WindowTemplates.h"
#include "skymap/ConstellationNames.h"

namespace vespera {

CSkyMapDlg::CSkyMapDlg() : CDialog(ChooseTemplate(ProgramWindow::Main)) {
  if (CWinApp* app = AfxGetApp()) appIcon_ = app->LoadIcon(kApplicationIconId);
}

CSkyMapDlg::~CSkyMapDlg() {
  // Destroyed here, while the handlers of this class still exist, so that
  // WM_DESTROY saves the settings even when the window outlives DoModal.
  if (m_hWnd) DestroyWindow();
  WaitForCatalogLoader();
}

void CSkyMapDlg::DoDataExchange(CDataExchange* exchange) {
  CDialog::DoDataExchange(exchange);
  for (std::size_t i = 0; i < kCommandButtons.size(); ++i)
    DDX_Control(exchange, int(kCommandButtons[i].id), commandButtons_[i]);
}

void CSkyMapDlg::GiveButtonsTheirImages() {
  for (std::size_t i = 0; i < kCommandButtons.size(); ++i) {
    const SkinImage image = kCommandButtons[i].image;
    commandButtons_[i].SetImages(&*theSkin, image, kNoSkinImage, kNoSkinImage);
    PlaceSkinButton(*this, commandButtons_[i], *theSkin, image);
  }
}

BOOL CSkyMapDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  InitFullScreenDialog(*this);
  SetIcon(appIcon_, TRUE);
  SetIcon(appIcon_, FALSE);
  GiveButtonsTheirImages();
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
  StartObserver();
  ApplyNightFilter(nightFilter_.choices());
  return TRUE;
}

void CSkyMapDlg::ReadSettings() {
  CWinApp* app = AfxGetApp();
  if (!app) return;
  ReadViewSettings(*app, view_);
  ReadObserverSettings(*app, observer_.choices());
  ApplyObserverOptions(*app, observer_);
  ReadNightFilterSettings(*app, nightFilter_.choices());
  ApplyNightFilterOption(*app, nightFilter_.choices());
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
  if (CWinApp* app = AfxGetApp()) {
    // One replacement of the settings file: a kill during the exit leaves
    // the old view or the new one, never a mixture.
    const ProfileWriteGroup together(*app);
    WriteViewSettings(*app, view_);
    app->WriteProfileInt(kMainSection, kRedScreenModeEntry, RedScreenModeValue());
    if (observer_.changedByUser()) WriteObserverSettings(*app, observer_.choices());
    if (nightFilter_.changedByUser()) WriteNightFilterSettings(*app, nightFilter_.choices());
  }
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
  // Without a selection the kind and index read as they do before the first
  // pick: a star at index -1.
  const SelectedObject selected = selection_.value_or(SelectedObject{});
  state.Set("hasSelection", selection_.has_value() ? 1 : 0);
  state.Set("selectionKind", static_cast<int>(selected.kind));
  state.Set("selectionIndex", selected.index);
  state.Set("redScreenMode", RedScreenModeValue());
  state.Set("template", Template().id);
  if (observer_.choices().on) {
    observerSky_.Describe(state, observer_);
    state.Set("bodies", DescribeBodies(observerBodies_, ViewProjection(view_, layout_.geometry), layout_.geometry));
  }
  if (nightFilter_.choices().on) state.Set("nightFilterLevel", int(nightFilter_.choices().level));
}

}  // namespace vespera
