#pragma once
// The main window's view as it is kept between runs: section "Main" of the
// profile store, numbers in hundredths (angles offset by 65535).

#include "platform/framework/WinApp.h"
#include "skymap/ViewState.h"

namespace vespera {

inline constexpr const WCHAR* kMainSection = u"Main";
inline constexpr const WCHAR* kRedScreenModeEntry = u"RedScreenMode";

// Reads "ConstellationLines", "ConstellationNames", "V_RA1", "V_DEC1",
// "V_ZOOM" and "V_MAG" in that order; a missing value gives the default view's.
// Values are taken as decoded, without a range check.
void ReadViewSettings(CWinApp& app, ViewState& view);

// Writes the same values in the same order. A failed write is not reported.
void WriteViewSettings(CWinApp& app, const ViewState& view);

}  // namespace vespera
