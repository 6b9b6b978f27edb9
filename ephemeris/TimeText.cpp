// Parsing the `--time` option and showing an instant in local time.

#include "ephemeris/TimeText.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace vespera {

namespace {

// Field positions of "YYYY-MM-DDTHH:MM".
struct TimeLayout {
  static constexpr std::size_t kYear = 0, kMonth = 5, kDay = 8, kHour = 11, kMinute = 14, kLength = 16;
};

bool ReadDigits(std::string_view text, std::size_t at, std::size_t count, int& value) {
  value = 0;
  for (std::size_t i = at; i < at + count; ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    value = value * 10 + (text[i] - '0');
  }
  return true;
}

// localtime_r reads TZ only once per process; tzset makes a changed TZ count.
bool LocalTimeOf(UtcInstant instant, std::tm& local) {
  const std::time_t seconds = static_cast<std::time_t>(instant.time_since_epoch().count());
  tzset();
  return localtime_r(&seconds, &local) != nullptr;
}

// The two halves from one reading of the local time; null for an instant the
// C library cannot place.
std::string ClockText(const std::tm* local) {
  if (!local) return "--:--";
  char clock[8];
  std::snprintf(clock, sizeof clock, "%02d:%02d", local->tm_hour, local->tm_min);
  return clock;
}

std::string OffsetText(const std::tm* local) { return local ? UtcOffsetText(local->tm_gmtoff) : "UTC"; }

}  // namespace

Expected<UtcInstant> ParseUtcTime(std::string_view text) {
  if (!text.empty() && text.back() == 'Z') text.remove_suffix(1);
  if (text.size() != TimeLayout::kLength || text[4] != '-' || text[7] != '-' || text[10] != 'T' || text[13] != ':')
    return Failure("a time is written YYYY-MM-DDTHH:MM, optionally followed by Z");
  int year = 0, month = 0, day = 0, hour = 0, minute = 0;
  if (!ReadDigits(text, TimeLayout::kYear, 4, year) || !ReadDigits(text, TimeLayout::kMonth, 2, month) ||
      !ReadDigits(text, TimeLayout::kDay, 2, day) || !ReadDigits(text, TimeLayout::kHour, 2, hour) ||
      !ReadDigits(text, TimeLayout::kMinute, 2, minute))
    return Failure("a time is written with digits only: YYYY-MM-DDTHH:MM");
  using namespace std::chrono;
  const year_month_day date{std::chrono::year(year), std::chrono::month(static_cast<unsigned>(month)),
                            std::chrono::day(static_cast<unsigned>(day))};
  if (!date.ok()) return Failure("the date " + std::string(text.substr(0, 10)) + " does not exist");
  if (hour > 23) return Failure("the hour must lie between 00 and 23");
  if (minute > 59) return Failure("the minute must lie between 00 and 59");
  return UtcInstant(sys_days(date).time_since_epoch() + hours(hour) + minutes(minute));
}

std::string UtcOffsetText(long secondsEast) {
  if (secondsEast == 0) return "UTC";
  const char sign = secondsEast < 0 ? '-' : '+';
  const long minutes = std::labs(secondsEast) / 60;
  char text[24];
  if (minutes % 60 == 0)
    std::snprintf(text, sizeof text, "UTC%c%ld", sign, minutes / 60);
  else
    std::snprintf(text, sizeof text, "UTC%c%ld:%02ld", sign, minutes / 60, minutes % 60);
  return text;
}

std::string FormatLocalClock(UtcInstant instant) {
  std::tm local{};
  return ClockText(LocalTimeOf(instant, local) ? &local : nullptr);
}

std::string LocalOffsetText(UtcInstant instant) {
  std::tm local{};
  return OffsetText(LocalTimeOf(instant, local) ? &local : nullptr);
}

std::string FormatLocalTime(UtcInstant instant) {
  std::tm local{};
  const std::tm* known = LocalTimeOf(instant, local) ? &local : nullptr;
  return ClockText(known) + " " + OffsetText(known);
}

}  // namespace vespera
