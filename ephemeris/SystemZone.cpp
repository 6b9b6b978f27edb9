// Finding the system's time zone and the place of its city.

#include "ephemeris/SystemZone.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <system_error>

namespace vespera {

namespace {

constexpr std::string_view kZoneFolderMark = "zoneinfo/";
// Variants of the zone folder that hold the same zones under a prefix.
constexpr std::string_view kZoneVariantPrefixes[] = {"posix/", "right/"};

std::string Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(" \t\r\n");
  return std::string(text.substr(first, last - first + 1));
}

// "Europe/Paris" from "/usr/share/zoneinfo/Europe/Paris", "posix/Europe/Paris"
// or "Europe/Paris" itself; nothing from an empty text.
std::optional<std::string> ZoneFromPath(std::string_view path) {
  const std::size_t mark = path.rfind(kZoneFolderMark);
  if (mark != std::string_view::npos) path.remove_prefix(mark + kZoneFolderMark.size());
  for (std::string_view prefix : kZoneVariantPrefixes)
    if (path.substr(0, prefix.size()) == prefix) path.remove_prefix(prefix.size());
  std::string zone = Trimmed(path);
  if (zone.empty()) return std::nullopt;
  return zone;
}

}  // namespace

ZoneSources ReadZoneSources() {
  ZoneSources sources;
  if (const char* tz = std::getenv("TZ")) sources.tzVariable = tz;
  std::error_code error;
  const std::filesystem::path link = std::filesystem::read_symlink("/etc/localtime", error);
  if (!error) sources.localtimeLink = link.string();
  if (std::ifstream file("/etc/timezone"); file) {
    std::string line;
    std::getline(file, line);
    sources.timezoneFile = line;
  }
  return sources;
}

std::optional<std::string> ZoneNameOf(const ZoneSources& sources) {
  // A TZ that is set decides, as it does for the C library's local time: an
  // empty one means UTC, which has no city.
  if (sources.tzVariable) {
    std::string_view tz = *sources.tzVariable;
    if (!tz.empty() && tz.front() == ':') tz.remove_prefix(1);
    return ZoneFromPath(tz);
  }
  if (sources.localtimeLink && sources.localtimeLink->find(kZoneFolderMark) != std::string::npos)
    if (std::optional<std::string> zone = ZoneFromPath(*sources.localtimeLink)) return zone;
  if (sources.timezoneFile) return ZoneFromPath(*sources.timezoneFile);
  return std::nullopt;
}

DefaultPlace DefaultPlaceOf(const std::optional<std::string>& zone, const std::vector<ZoneCity>& cities) {
  if (zone)
    for (const ZoneCity& city : cities)
      if (city.zone == *zone) return {city.place, city.city, true};
  return {};
}

}  // namespace vespera
