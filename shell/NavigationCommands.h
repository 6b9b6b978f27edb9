#pragma once
// The main window's navigation command ids as the sky map's navigation steps:
// the ids belong to the resources, the steps to the map arithmetic, and this
// table is the one place that joins them.

#include <optional>

#include "platform/runtime/WinTypes.h"
#include "skymap/Navigation.h"

namespace vespera {

// The step of a navigation command id; empty for any other id.
std::optional<NavigationStep> NavigationStepForCommand(UINT commandId);

}  // namespace vespera
