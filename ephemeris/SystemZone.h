#pragma once
// The system's time zone name and the default place it gives: the city of
// that zone in zone1970.tab, or latitude 0, longitude 0 with a flag saying no
// city was found. The sources are read once by the caller and passed in, so
// the choice is testable without touching the system's files.

#include <optional>
#include <string>
#include <vector>

#include "ephemeris/ZoneCities.h"

namespace vespera {

struct ZoneSources {
  std::optional<std::string> tzVariable;     // the TZ environment variable
  std::optional<std::string> localtimeLink;  // where /etc/localtime links to
  std::optional<std::string> timezoneFile;   // the text of /etc/timezone
};

ZoneSources ReadZoneSources();

// "Europe/Paris": TZ when it is set (without a leading ':' or a zoneinfo
// folder; an empty TZ is UTC and names no zone), else the part of the
// /etc/localtime link after "zoneinfo/", else /etc/timezone.
std::optional<std::string> ZoneNameOf(const ZoneSources& sources);

struct DefaultPlace {
  Place place;
  std::string city;           // empty when not found
  bool foundCity = false;     // false: the place is latitude 0, longitude 0
};

DefaultPlace DefaultPlaceOf(const std::optional<std::string>& zone, const std::vector<ZoneCity>& cities);

}  // namespace vespera
