#include "shell/NightFilterSettings.h"

#include "platform/windows/DisplayFilter.h"

namespace vespera {

namespace {

constexpr const WCHAR* kOnEntry = u"On";
constexpr const WCHAR* kLevelEntry = u"Level";

}  // namespace

void ReadNightFilterSettings(CWinApp& app, NightFilterChoices& choices) {
  choices.on = app.GetProfileInt(kNightFilterSection, kOnEntry, 0) != 0;
  const UINT level = app.GetProfileInt(kNightFilterSection, kLevelEntry, int(kNightFilterDefaultLevel));
  choices.level = level >= 1 && level <= kDisplayFilterMaxLevel ? level : kNightFilterDefaultLevel;
}

void WriteNightFilterSettings(CWinApp& app, const NightFilterChoices& choices) {
  app.WriteProfileInt(kNightFilterSection, kOnEntry, choices.on ? 1 : 0);
  app.WriteProfileInt(kNightFilterSection, kLevelEntry, int(choices.level));
}

}  // namespace vespera
