#pragma once
// The program's own command-line options for the observer: `--place LAT,LON`
// sets and saves the place, `--time YYYY-MM-DDTHH:MM[Z]` sets the shown time.
// A value that does not read is named on standard error and changes nothing.

#include <string_view>

#include "platform/framework/WinApp.h"
#include "shell/Observer.h"

namespace vespera {

inline constexpr std::string_view kPlaceOption = "--place";
inline constexpr std::string_view kTimeOption = "--time";

void ApplyObserverOptions(const CWinApp& app, Observer& observer);

}  // namespace vespera
