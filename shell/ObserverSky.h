#pragma once
// The observer's sky for the main window: the horizon frame of the shown
// time and place, kept from one paint to the next while the shown minute and
// the place stay the same (the precession-nutation matrix is the costly part),
// the overlay drawn from it and the observer's lines in the dump. The
// overlay's caption is made with the frame, not on every paint: reading the
// local time runs tzset.

#include <optional>

#include "ephemeris/HorizonFrame.h"
#include "platform/runtime/CodePage.h"
#include "platform/windows/DumpValue.h"
#include "shell/Observer.h"
#include "skymap/HorizonOverlay.h"

namespace vespera {

class ObserverSky {
 public:
  // The frame of the shown minute; null for an instant ERFA cannot hold.
  const HorizonFrame* FrameFor(const Observer& observer);
  // Nothing for an instant ERFA cannot hold: no horizon is better than a wrong one.
  std::optional<HorizonOverlay> OverlayFor(const Observer& observer, bool redScreen);
  // The zenith of the shown minute as the map's centre, or nothing.
  std::optional<SkyPoint> Zenith(const Observer& observer);
  void Describe(DumpObject& state, const Observer& observer);

 private:
  std::optional<ShownMinute> key_;
  std::optional<HorizonFrame> frame_;
  WideString caption_;
};

// "48.85N 2.35E".
std::string PlaceText(const Place& place);

}  // namespace vespera
