#pragma once
// The observer's choices as kept between runs: section "Observer" of the
// profile store. It is written only once the user has changed something of
// the feature, so a settings file of a run that never used it stays as it was.

#include "platform/framework/WinApp.h"
#include "shell/Observer.h"

namespace vespera {

inline constexpr const WCHAR* kObserverSection = u"Observer";

// "On", "AltAzGrid", "StarNames", and "PlaceSet" with "Latitude" and
// "Longitude" (hundredths of a degree, offset by 65535 like the view's angles).
void ReadObserverSettings(CWinApp& app, ObserverChoices& choices);
void WriteObserverSettings(CWinApp& app, const ObserverChoices& choices);

}  // namespace vespera
