// The main window's sky for the observer's place and time: turning it on and
// off, the drawing choices, the shown time and the minute timer that moves
// the horizon on with the clock. While the feature is off nothing here runs.

#include "resources/CommandIds.h"
#include "shell/SkyMapDlg.h"

namespace vespera {

namespace {

// The shown time moves by the minute, so the overlay is repainted once a
// minute; the picture itself does not depend on the time.
constexpr UINT_PTR kObserverClockTimer = 1;
constexpr UINT kObserverClockInterval = 60 * 1000;

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
  if (observer_.choices().on) FollowObserverClock();
}

void CSkyMapDlg::FollowObserverClock() {
  if (observer_.choices().on)
    SetTimer(m_hWnd, kObserverClockTimer, kObserverClockInterval);
  else
    KillTimer(m_hWnd, kObserverClockTimer);
}

void CSkyMapDlg::OnToggleObserver() {
  observer_.choices().on = !observer_.choices().on;
  observer_.NoteUserChange();
  FollowObserverClock();
  RepaintMap();
}

void CSkyMapDlg::OnToggleAltAzGrid() {
  observer_.choices().altAzGrid = !observer_.choices().altAzGrid;
  observer_.NoteUserChange();
  if (observer_.choices().on) RepaintMap();
}

void CSkyMapDlg::OnNow() {
  observer_.ReturnToNow();
  if (observer_.choices().on) RepaintMap();
}

void CSkyMapDlg::OnStepTime(UINT id) {
  observer_.StepTime(TimeStepOf(id));
  if (observer_.choices().on) RepaintMap();
}

LRESULT CSkyMapDlg::OnTimer(WPARAM id, LPARAM) {
  if (id == kObserverClockTimer && observer_.choices().on && dataLoaded()) RepaintMap();
  return 0;
}

}  // namespace vespera
