#pragma once
// CSkyMapDlg: the main window. A full-screen dialog whose client area is the
// sky map: the caption strip with the seven command buttons on top, the map,
// and the status line at the bottom. It owns the catalogues (filled by the
// loader thread it starts), the view, the picture with its hit caches, the
// selection and the status texts, and runs modally until the program ends.
//
// Its code is split by concern: construction, initialisation and end
// (SkyMapDlg.cpp), the loader thread (SkyMapLoader.cpp), commands and keys
// (SkyMapCommands.cpp), the program menu (SkyMapMenu.cpp), the night filter
// (SkyMapNightFilter.cpp), painting
// (SkyMapPaint.cpp), taps and the selection (SkyMapTap.cpp), drags and the
// wheel (SkyMapPointer.cpp) and the search result (SkyMapSearch.cpp).

#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "catalog/CatalogLoader.h"
#include "catalog/CatalogueNumbers.h"
#include "ephemeris/ConstellationBounds.h"
#include "search/SearchIndex.h"
#include "platform/framework/Framework.h"
#include "shell/CommandButtons.h"
#include "shell/LoaderCompletion.h"
#include "shell/NightFilter.h"
#include "shell/Observer.h"
#include "shell/ObserverBodies.h"
#include "shell/ObserverSky.h"
#include "shell/SearchChoice.h"
#include "shell/SkinButton.h"
#include "shell/SkyPageText.h"
#include "skymap/MapLayout.h"
#include "skymap/MapRenderer.h"
#include "skymap/Selection.h"
#include "skymap/StatusLine.h"
#include "skymap/ViewState.h"

namespace vespera {

class CSkyMapDlg : public CDialog {
 public:
  CSkyMapDlg();
  ~CSkyMapDlg() override;

  const MessageMap* GetMessageMap() const override;
  void DoDataExchange(CDataExchange* exchange) override;
  BOOL PreTranslateMessage(MSG* message) override;
  BOOL OnInitDialog() override;
  void DescribeState(DumpObject& state) const override;

  // The loader thread's routine; its start parameter is the window.
  static DWORD CatalogLoaderThread(void* window);

  // What the window shows; for the automation and tests.
  const ViewState& view() const { return view_; }
  const Selection& selection() const { return selection_; }
  const StatusLine& status() const { return status_; }
  const MapLayout& layout() const { return layout_; }
  bool dataLoaded() const { return catalogs_.IsLoaded(); }
  // The Sun, Moon and planets of the shown minute; empty while the observer's sky is off.
  const ObserverBodies& observerBodies() const { return observerBodies_; }

  // Turns the observer's sky on if it is off, centres the map on the body as
  // it is at the shown minute, selects it and describes it in the status line.
  void ShowBodyOnMap(Body body);

 private:
  // Start-up and end.
  void ReadSettings();
  void CreateMapResources();
  void StartCatalogLoader();
  void RunCatalogLoader();
  void WaitForCatalogLoader();
  void OnDestroy();

  // Painting.
  void OnPaint();
  // Paints the map now (no invalidation); rebuilds the picture first when
  // the view has changed.
  void RenderMap(CDC& dc);
  void DrawStatusLine(CDC& dc);
  // Asks for a new projection and paints at once on a client-area context:
  // the end of every command that changes what the map shows.
  void RedrawMap();
  SkyMapParts MapParts();
  MapOverlay Overlay();

  // Commands and keys.
  void OnExit();
  void OnNavigationCommand(UINT id);
  void OnAfterLoad();
  void OnToggleConstellationLines();
  void OnToggleShortNames();
  void OnToggleFullNames();
  void OnToggleRedScreen();
  void ShowProgramMenu();
  // The map's context menu at a point of the client area.
  void ShowMapContextMenu(POINT point);
  // Watches a press on the map: true when it is held without moving (the device's tap and hold).
  bool IsHeldOnMap(POINT point);
  LRESULT OnRightClick(WPARAM wParam, LPARAM lParam);
  // The About, Help and Messier and Caldwell information windows.
  void OnMessierInfo();
  void OnCaldwellInfo();
  void RunObjectDataWindow(int mode);
  void OnAbout();
  void OnHelp();

  // Taps and the selection.
  void OnMapTap(UINT flags, CPoint point);
  void OnDoubleTap(UINT flags, CPoint point);
  void ShowSelectionInfo();
  // Selects into `into` the body whose symbol, widened by `reach` pixels, is
  // under the point; false while none is (or the feature is off).
  bool SelectBodyAt(Selection& into, POINT point, int reach);
  // As far beyond a body's disc as the stylus's box reaches beyond a star.
  static constexpr int kStylusReach = 2;
  // The status line's words for the selection, a body's included.
  WideString SelectionText() const;
  void OnCenterObject();

  // Dragging the map and the wheel.
  void BeginPointerPress(POINT point);
  void OnPointerMove(UINT flags, CPoint point);
  void OnPointerUp(UINT flags, CPoint point);
  LRESULT OnCaptureChanged(WPARAM wParam, LPARAM lParam);
  LRESULT OnMouseWheel(WPARAM wParam, LPARAM lParam);

  // The sky for the observer's place and time (SkyMapObserver.cpp).
  void StartObserver();
  void OnToggleObserver();
  void OnToggleAltAzGrid();
  void OnToggleStarNames();
  void OnLookUp();
  void OnPlace();
  // Centres on the zenith of the shown time, north up, zoom 1.
  void CentreOnZenith();
  // True while the view is still the one "look up" set.
  bool FollowingZenith() const;
  void OnNow();
  void OnStepTime(UINT id);
  LRESULT OnTimer(WPARAM id, LPARAM);
  void FollowObserverClock();
  // Paints the map again without a new projection.
  void RepaintMap();
  void TurnObserverOn();
  // Brings the kept bodies to the shown minute and place (or drops them while
  // the feature is off) and moves a selected body with them.
  void UpdateBodies();

  // The observer's pages: Tonight and "About this object" (SkyMapPages.cpp).
  void OnTonight();
  void OnAboutObject();
  // Shows the page; a link the user followed is followed here.
  void RunSkyPage(std::u16string_view title, WideString page);
  void FollowSkyPageLink(const SkyPageLink& link);
  // What a tap at the point would select; the selection stays as it is.
  Selection ObjectUnderPointer(POINT point);
  const std::vector<ListedObject>& ListedObjects();
  const ConstellationBounds* Constellations();

  // The display's night filter (SkyMapNightFilter.cpp).
  void OnToggleNightFilter();
  void OnNightFilterLevel(UINT id);

  // Search.
  void OnSearchCommand();
  SearchChoice RunSearchWindow();

  void GiveButtonsTheirImages();

  // The command buttons, in the order of kCommandButtons.
  std::array<CSkinButton, kCommandButtons.size()> commandButtons_;
  HICON appIcon_ = nullptr;
  SkyCatalogs catalogs_;
  // Made at the first search, once the catalogues are loaded; they never
  // change after that, and start-up does not pay for it.
  std::optional<SearchIndex> searchIndex_;
  ViewState view_;
  MapLayout layout_{};
  MapPicture picture_;
  StatusLine status_;
  Selection selection_;
  CFont mapFont_;
  Observer observer_;
  NightFilter nightFilter_;
  // The brightest named stars, made the first time star names are drawn.
  std::vector<NamedStar> namedStars_;
  // "Look up" keeps the view on the zenith while the time is "now", until the
  // user moves the map: the view it set, which any pan or zoom changes.
  std::optional<ViewState> zenithView_;
  // The Messier and Caldwell entries of the deep-sky objects and the
  // constellation outlines, read the first time a page needs them.
  std::optional<std::vector<ListedObject>> listedObjects_;
  std::optional<ConstellationBounds> constellationBounds_;
  bool constellationBoundsRead_ = false;
  // The object under the pointer where the context menu last opened, else
  // the selection then: the object "About this object" describes.
  Selection contextObject_;
  // A cache of the horizon frame, refreshed by the dump too.
  mutable ObserverSky observerSky_;
  ObserverBodies observerBodies_;

  // A press on the map while the stylus is held: where, on which view, and
  // whether it has moved far enough to drag the map.
  struct PointerPress {
    POINT point;
    ViewState view;
    bool touch;  // a finger's: it drags only beyond the touch threshold
    bool dragging;
  };
  std::optional<PointerPress> press_;

  std::shared_ptr<LoaderCompletion> loaderCompletion_;
  // The window the loader posts "After load" to, fixed before the thread starts.
  HWND loaderTarget_ = nullptr;
};

}  // namespace vespera
