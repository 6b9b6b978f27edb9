#pragma once
// The night filter: while it and red-screen mode are both on, the device's
// display shows everything, the map included, as its brightness in red only,
// no brighter than the chosen level. Red-screen mode alone leaves the map in
// its colours; the filter is for skies dark enough that those are too bright.
// Off by default; while off the display shows exactly what is drawn.

#include <array>
#include <optional>
#include <string_view>

#include "platform/framework/WinApp.h"

namespace vespera {

inline constexpr UINT kNightFilterDefaultLevel = 50;
// The levels the map's context menu offers, in percent of full red.
inline constexpr std::array<UINT, 3> kNightFilterMenuLevels{25, 50, 75};

struct NightFilterChoices {
  bool on = false;
  UINT level = kNightFilterDefaultLevel;  // 1..100
};

class NightFilter {
 public:
  NightFilterChoices& choices() { return choices_; }
  const NightFilterChoices& choices() const { return choices_; }
  // Set by every change the user makes; only then is the settings section written.
  bool changedByUser() const { return changedByUser_; }
  void NoteUserChange() { changedByUser_ = true; }

 private:
  NightFilterChoices choices_;
  bool changedByUser_ = false;
};

// The level the display filter gets now: the chosen one while the filter and
// red-screen mode are both on, else none.
UINT DisplayFilterLevelFor(const NightFilterChoices& choices, bool redScreenOn);
// Hands the display its filter for the choices and the current red-screen
// mode; called whenever either changes.
void ApplyNightFilter(const NightFilterChoices& choices);

// `--night-filter` turns the filter on for this run, `--night-filter=PERCENT`
// with that level (1 to 100). It is not saved: the settings keep what the
// user chose in the menu. A level that does not read is named on standard
// error and changes nothing.
inline constexpr std::string_view kNightFilterOption = "--night-filter";
void ApplyNightFilterOption(const CWinApp& app, NightFilterChoices& choices);
std::optional<UINT> ParseNightFilterLevel(std::string_view text);

}  // namespace vespera
