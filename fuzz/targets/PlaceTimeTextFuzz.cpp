// The text a user or the system gives the sky for a place and time: a time, a
// latitude, a longitude, the place option made of the two, and a zone table.
// Whatever the text, a parsed value lies in its range, a parsed time written
// back in its own form reads as the same instant, the place option agrees
// with its two halves, and a table that reads is sorted with every place on
// the globe.

#include <cmath>
#include <cstdio>
#include <string>

#include "ephemeris/PlaceText.h"
#include "ephemeris/TimeText.h"
#include "ephemeris/ZoneCities.h"
#include "fuzz/targets/FuzzCheck.h"
#include "fuzz/targets/FuzzInput.h"
#include "fuzz/targets/FuzzTargets.h"

using namespace vespera;

namespace {

std::string TimeOptionOf(UtcInstant instant) {
  using namespace std::chrono;
  const sys_days day = floor<days>(instant);
  const year_month_day date(day);
  const hh_mm_ss<seconds> time(instant - day);
  char text[96];
  std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02ld:%02ldZ", static_cast<int>(date.year()),
                static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                static_cast<long>(time.hours().count()), static_cast<long>(time.minutes().count()));
  return text;
}

void CheckTime(std::string_view text) {
  const Expected<UtcInstant> instant = ParseUtcTime(text);
  if (!instant) {
    FUZZ_CHECK(!instant.reason().empty());
    return;
  }
  const Expected<UtcInstant> again = ParseUtcTime(TimeOptionOf(*instant));
  FUZZ_CHECK(again && *again == *instant);
}

template <class Parse>
bool CheckAngle(std::string_view text, Parse parse, double limit) {
  const Expected<double> angle = parse(text);
  if (!angle) {
    FUZZ_CHECK(!angle.reason().empty());
    return false;
  }
  FUZZ_CHECK(std::isfinite(*angle) && std::fabs(*angle) <= limit);
  return true;
}

void CheckZoneTable(std::string_view text) {
  const Expected<std::vector<ZoneCity>> cities = ParseZoneCities(text);
  if (!cities) {
    FUZZ_CHECK(!cities.reason().empty());
    return;
  }
  for (std::size_t i = 0; i < cities->size(); ++i) {
    const ZoneCity& city = (*cities)[i];
    FUZZ_CHECK(std::fabs(city.place.latitudeDegrees) <= 90.0 && std::fabs(city.place.longitudeDegrees) <= 180.0);
    FUZZ_CHECK(i == 0 || (*cities)[i - 1].city <= city.city);
  }
}

}  // namespace

void FuzzPlaceTimeText(FuzzBytes data) {
  FuzzInput input(data);
  const std::string_view time = input.TakePart();
  const std::string_view latitude = input.TakePart();
  const std::string_view longitude = input.TakePart();
  const std::string_view table = input.TakeRest();

  CheckTime(time);
  const bool latitudeReads = CheckAngle(latitude, ParseLatitude, 90.0);
  const bool longitudeReads = CheckAngle(longitude, ParseLongitude, 180.0);
  if (latitude.find(',') == std::string_view::npos && longitude.find(',') == std::string_view::npos) {
    const Expected<Place> place = ParsePlaceOption(std::string(latitude) + "," + std::string(longitude));
    FUZZ_CHECK(place.has_value() == (latitudeReads && longitudeReads));
  }
  CheckZoneTable(table);
}
