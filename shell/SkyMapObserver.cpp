// The main window's sky for the observer's place and time: turning it on and
// off, the drawing choices, the shown time and the minute timer that moves
// the horizon and the bodies on with the clock, and showing a body. While the
// feature is off nothing here runs.

#include <cstdint>

#include "platform/windows/SystemApi.h"
#include "resources/CommandIds.h"
#include "shell/PlaceDlg.h"
#include "shell/SkyMapDlg.h"

namespace vespera {

namespace {

// The caption shows minutes, so the overlay is repainted as each minute of
// the clock begins; the picture itself does not depend on the time.
constexpr UINT_PTR kObserverClockTimer = 1;
constexpr std::int64_t kMinute = 60 * 1000;

UINT MillisecondsToNextMinute() {
  const std::int64_t intoMinute = ((GetUtcMilliseconds() % kMinute) + kMinute) % kMinute;
  return static_cast<UINT>(kMinute - intoMinute);
}

std::chrono::seconds TimeStepOf(UINT id) {
  using namespace std::chrono;
  switch (id) {
    case kCommandHourBack: return -hours(1);
    case kCommandHourOn: return hours(1);
    case kCommandDayBack: return -days(1);
    case kCommandDayOn: return days(1);
    default: return seconds(0);
  }
}

}  // namespace

void CSkyMapDlg::StartObserver() {
  if (!observer_.choices().on) return;
  FollowObserverClock();
  UpdateBodies();
}

void CSkyMapDlg::TurnObserverOn() {
  if (observer_.choices().on) return;
  observer_.choices().on = true;
  observer_.NoteUserChange();
  FollowObserverClock();
}

void CSkyMapDlg::UpdateBodies() {
  const bool bodySelected = selection_ && selection_->kind == SelectionKind::Body;
  if (!observer_.choices().on) {
    observerBodies_.Clear();
    // Its symbol is gone with the feature; a marker on empty sky would mislead.
    if (bodySelected) ClearSelection(selection_);
    return;
  }
  observerBodies_.Update(observer_, observerSky_);
  if (!bodySelected) return;
  if (const ShownBody* body = observerBodies_.Find(static_cast<Body>(selection_->index))) {
    selection_->ra = body->place.ra;
    selection_->dec = body->place.dec;
  } else {
    ClearSelection(selection_);
  }
}

void CSkyMapDlg::ShowBodyOnMap(Body body) {
  TurnObserverOn();
  UpdateBodies();
  const ShownBody* shown = observerBodies_.Find(body);
  if (!shown) {
    RepaintMap();
    return;
  }
  selection_ = SelectionOf(*shown);
  CenterOn(view_, shown->place.ra, shown->place.dec);
  CClientDC dc(this);
  view_.needsReprojection = true;
  RenderMap(dc);
  // After the rebuild, which writes its drawing time there.
  status_.statusText = SelectionText();
  DrawStatusLine(dc);
}

void CSkyMapDlg::FollowObserverClock() {
  if (observer_.choices().on)
    SetTimer(m_hWnd, kObserverClockTimer, MillisecondsToNextMinute());
  else
    KillTimer(m_hWnd, kObserverClockTimer);
}

void CSkyMapDlg::OnToggleObserver() {
  observer_.choices().on = !observer_.choices().on;
  observer_.NoteUserChange();
  FollowObserverClock();
  UpdateBodies();
  RepaintMap();
}

void CSkyMapDlg::OnToggleAltAzGrid() {
  observer_.choices().altAzGrid = !observer_.choices().altAzGrid;
  observer_.NoteUserChange();
  if (observer_.choices().on) RepaintMap();
}

void CSkyMapDlg::OnToggleStarNames() {
  observer_.choices().starNames = !observer_.choices().starNames;
  observer_.NoteUserChange();
  if (observer_.choices().on) RepaintMap();
}

bool CSkyMapDlg::FollowingZenith() const {
  return zenithView_ && zenithView_->centerRa == view_.centerRa && zenithView_->centerDec == view_.centerDec &&
         zenithView_->zoom == view_.zoom;
}

void CSkyMapDlg::CentreOnZenith() {
  const std::optional<SkyPoint> zenith = observerSky_.Zenith(observer_);
  if (!zenith) return;
  // (ra + 180, 180 - dec) is the north-up form of (ra, dec).
  view_.centerRa = zenith->ra + 180.0;
  view_.centerDec = 180.0 - zenith->dec;
  view_.zoom = 1.0;
  zenithView_ = view_;
  RedrawMap();
}

// Looking up turns the feature on: the horizon is what tells the rim.
void CSkyMapDlg::OnLookUp() {
  TurnObserverOn();
  UpdateBodies();
  CentreOnZenith();
}

void CSkyMapDlg::OnPlace() {
  // The place first: looking it up is what tells whether it is the fallback.
  const Place current = observer_.CurrentPlace();
  // An empty list (a missing or damaged table) still leaves the fields working.
  CPlaceDlg window(current, observer_.PlaceIsFallback(), observer_.ZoneCities());
  window.DoModal();
  if (!window.chosen()) return;
  observer_.choices().place = *window.chosen();
  observer_.NoteUserChange();
  UpdateBodies();
  if (observer_.choices().on) RepaintMap();
}

void CSkyMapDlg::OnNow() {
  observer_.ReturnToNow();
  UpdateBodies();
  if (observer_.choices().on) RepaintMap();
}

void CSkyMapDlg::OnStepTime(UINT id) {
  observer_.StepTime(TimeStepOf(id));
  UpdateBodies();
  if (observer_.choices().on) RepaintMap();
}

LRESULT CSkyMapDlg::OnTimer(WPARAM id, LPARAM) {
  if (id != kObserverClockTimer || !observer_.choices().on) return 0;
  FollowObserverClock();
  UpdateBodies();
  if (!dataLoaded()) return 0;
  // Only "now" moves the zenith on its own; a shown time set by hand stays put in the view.
  if (FollowingZenith() && observer_.FollowsNow())
    CentreOnZenith();
  else
    RepaintMap();
  return 0;
}

}  // namespace vespera
