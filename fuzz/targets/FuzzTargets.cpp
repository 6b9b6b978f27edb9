#include "fuzz/targets/FuzzTargets.h"

#include <array>

namespace {

constexpr std::array kTargets{
    FuzzTarget{"catalog_loader", FuzzCatalogLoader},
    FuzzTarget{"ini_pages", FuzzIniPages},
    FuzzTarget{"search", FuzzSearch},
    FuzzTarget{"profile_store", FuzzProfileStore},
    FuzzTarget{"text_conversions", FuzzTextConversions},
    FuzzTarget{"bmp_loader", FuzzBmpLoader},
    FuzzTarget{"script_parser", FuzzScriptParser},
    FuzzTarget{"html_view", FuzzHtmlView},
    FuzzTarget{"place_time_text", FuzzPlaceTimeText},
};

}  // namespace

std::span<const FuzzTarget> AllFuzzTargets() { return kTargets; }

const FuzzTarget* FindFuzzTarget(std::string_view name) {
  for (const FuzzTarget& target : kTargets)
    if (target.name == name) return &target;
  return nullptr;
}
