// Reading zone1970.tab into a sorted list of cities with their places.

#include "ephemeris/ZoneCities.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <optional>

namespace vespera {

namespace {

// The table's columns, tab separated: country codes, coordinates, zone name,
// and an optional comment.
constexpr std::size_t kCoordinatesColumn = 1, kZoneColumn = 2, kLeastColumns = 3;

std::vector<std::string_view> SplitColumns(std::string_view line) {
  std::vector<std::string_view> columns;
  std::size_t start = 0;
  for (std::size_t tab = line.find('\t'); tab != std::string_view::npos; tab = line.find('\t', start)) {
    columns.push_back(line.substr(start, tab - start));
    start = tab + 1;
  }
  columns.push_back(line.substr(start));
  return columns;
}

// One ISO 6709 part: a sign, then DDMM or DDMMSS (DDDMM, DDDMMSS for longitude).
std::optional<double> ReadSexagesimal(std::string_view part, std::size_t degreeDigits) {
  if (part.size() < 1 + degreeDigits + 2 || (part[0] != '+' && part[0] != '-')) return std::nullopt;
  const std::string_view digits = part.substr(1);
  if (digits.size() != degreeDigits + 2 && digits.size() != degreeDigits + 4) return std::nullopt;
  if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) return std::nullopt;
  const auto number = [&](std::size_t at, std::size_t count) {
    int value = 0;
    for (std::size_t i = at; i < at + count; ++i) value = value * 10 + (digits[i] - '0');
    return value;
  };
  const int minutes = number(degreeDigits, 2);
  const int seconds = digits.size() == degreeDigits + 4 ? number(degreeDigits + 2, 2) : 0;
  if (minutes >= 60 || seconds >= 60) return std::nullopt;
  const double degrees = number(0, degreeDigits) + minutes / 60.0 + seconds / 3600.0;
  return part[0] == '-' ? -degrees : degrees;
}

std::optional<Place> ReadCoordinates(std::string_view text) {
  const std::size_t split = text.find_first_of("+-", 1);
  if (split == std::string_view::npos) return std::nullopt;
  const std::optional<double> latitude = ReadSexagesimal(text.substr(0, split), 2);
  const std::optional<double> longitude = ReadSexagesimal(text.substr(split), 3);
  if (!latitude || !longitude || *latitude > 90.0 || *longitude > 180.0 || *longitude < -180.0) return std::nullopt;
  return Place{*latitude, *longitude};
}

std::string CityOfZone(std::string_view zone) {
  std::string city(zone.substr(zone.rfind('/') + 1));
  std::replace(city.begin(), city.end(), '_', ' ');
  return city;
}

}  // namespace

Expected<std::vector<ZoneCity>> ParseZoneCities(std::string_view tableText) {
  std::vector<ZoneCity> cities;
  int lineNumber = 0;
  while (!tableText.empty()) {
    const std::size_t end = tableText.find('\n');
    std::string_view line = tableText.substr(0, end);
    tableText.remove_prefix(end == std::string_view::npos ? tableText.size() : end + 1);
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line.front() == '#') continue;
    const std::vector<std::string_view> columns = SplitColumns(line);
    const std::string where = "zone table line " + std::to_string(lineNumber);
    if (columns.size() < kLeastColumns || columns[kZoneColumn].empty())
      return Failure(where + " does not have the country, coordinates and zone columns");
    const std::optional<Place> place = ReadCoordinates(columns[kCoordinatesColumn]);
    if (!place) return Failure(where + " has coordinates that are not ISO 6709 (+DDMM+DDDMM)");
    cities.push_back({CityOfZone(columns[kZoneColumn]), std::string(columns[kZoneColumn]), *place});
  }
  std::sort(cities.begin(), cities.end(), [](const ZoneCity& a, const ZoneCity& b) {
    return a.city != b.city ? a.city < b.city : a.zone < b.zone;
  });
  return cities;
}

Expected<std::vector<ZoneCity>> ReadZoneCities(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return Failure("cannot read the time zone table " + path);
  const std::string text{std::istreambuf_iterator<char>(in), {}};
  return ParseZoneCities(text);
}

}  // namespace vespera
