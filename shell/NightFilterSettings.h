#pragma once
// The night filter's choice as kept between runs: section "NightFilter" of
// the profile store, "On" (0 or 1) and "Level" (percent, 1 to 100). It is
// written only once the user has changed the filter, so a settings file of a
// run that never used it stays as it was.

#include "platform/framework/WinApp.h"
#include "shell/NightFilter.h"

namespace vespera {

inline constexpr const WCHAR* kNightFilterSection = u"NightFilter";

// A stored level out of range (0, or over 100) gives the default level.
void ReadNightFilterSettings(CWinApp& app, NightFilterChoices& choices);
void WriteNightFilterSettings(CWinApp& app, const NightFilterChoices& choices);

}  // namespace vespera
