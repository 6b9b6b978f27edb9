#include "shell/NightFilter.h"

#include <charconv>
#include <string>

#include "appcore/ProblemReport.h"
#include "platform/windows/SystemApi.h"
#include "shell/ProgramWide.h"

namespace vespera {

UINT DisplayFilterLevelFor(const NightFilterChoices& choices, bool redScreenOn) {
  return choices.on && redScreenOn ? choices.level : kDisplayFilterOff;
}

void ApplyNightFilter(const NightFilterChoices& choices) {
  SetDisplayFilter(DisplayFilterLevelFor(choices, IsRedScreenOn()));
}

std::optional<UINT> ParseNightFilterLevel(std::string_view text) {
  if (!text.empty() && text.back() == '%') text.remove_suffix(1);
  UINT level = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), level);
  if (error != std::errc() || end != text.data() + text.size() || level < 1 || level > kDisplayFilterMaxLevel)
    return std::nullopt;
  return level;
}

void ApplyNightFilterOption(const CWinApp& app, NightFilterChoices& choices) {
  const std::optional<std::string> text = app.CommandOption(kNightFilterOption);
  if (!text) return;
  if (text->empty()) {
    choices.on = true;
    return;
  }
  if (const std::optional<UINT> level = ParseNightFilterLevel(*text)) {
    choices.on = true;
    choices.level = *level;
  } else {
    ReportProblem(std::string(kNightFilterOption) + "=" + *text + ": expected a level from 1 to 100 (percent)");
  }
}

}  // namespace vespera
