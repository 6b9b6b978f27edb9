#pragma once
// The cities of tzdata's zone1970.tab: for each time zone its name
// ("Europe/Paris"), the city it is named after ("Paris", underscores as
// spaces) and the city's place from the table's ISO 6709 coordinates. The
// list offers places to pick and gives the default place of the system's zone.

#include <string>
#include <string_view>
#include <vector>

#include "ephemeris/Place.h"
#include "platform/runtime/Expected.h"

namespace vespera {

inline constexpr const char* kZone1970TablePath = "/usr/share/zoneinfo/zone1970.tab";

struct ZoneCity {
  std::string city;
  std::string zone;
  Place place;
};

// Sorted by city name (then zone). A line whose coordinates do not read is
// refused with its line number: a damaged table gives no list rather than
// wrong places.
Expected<std::vector<ZoneCity>> ParseZoneCities(std::string_view tableText);
Expected<std::vector<ZoneCity>> ReadZoneCities(const std::string& path = kZone1970TablePath);

}  // namespace vespera
