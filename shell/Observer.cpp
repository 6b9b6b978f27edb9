#include "shell/Observer.h"

#include <cstdio>

#include "ephemeris/SystemZone.h"
#include "ephemeris/ZoneCities.h"
#include "platform/windows/SystemApi.h"

namespace vespera {

UtcInstant Observer::ClockNow() {
  return std::chrono::floor<std::chrono::seconds>(
      std::chrono::sys_time<std::chrono::milliseconds>(std::chrono::milliseconds(GetUtcMilliseconds())));
}

UtcInstant Observer::ShownTime() const { return ClockNow() + offset_; }

const std::vector<ZoneCity>& Observer::ZoneCities() const {
  if (!zoneCities_) {
    Expected<std::vector<ZoneCity>> cities = ReadZoneCities();
    zoneCities_ = cities ? std::move(*cities) : std::vector<ZoneCity>{};
  }
  return *zoneCities_;
}

const Place& Observer::CurrentPlace() const {
  if (choices_.place) return *choices_.place;
  if (!defaultPlace_) {
    // A missing or damaged table leaves no city to find: the place is 0, 0.
    const DefaultPlace found = DefaultPlaceOf(ZoneNameOf(ReadZoneSources()), ZoneCities());
    defaultPlace_ = found.place;
    defaultFoundCity_ = found.foundCity;
  }
  return *defaultPlace_;
}

std::string IsoUtcText(UtcInstant instant) {
  const auto day = std::chrono::floor<std::chrono::days>(instant);
  const std::chrono::year_month_day date(day);
  const std::chrono::hh_mm_ss clock(instant - day);
  char text[40];
  std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02dZ", static_cast<int>(date.year()),
                static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                static_cast<int>(clock.hours().count()), static_cast<int>(clock.minutes().count()),
                static_cast<int>(clock.seconds().count()));
  return text;
}

UtcInstant MinuteOf(UtcInstant instant) { return std::chrono::floor<std::chrono::minutes>(instant); }

ShownMinute ShownMinuteOf(const Observer& observer) {
  return {MinuteOf(observer.ShownTime()), observer.CurrentPlace()};
}

}  // namespace vespera
