// UTC instants in ERFA's time scales, the `--time` option and local clock text.

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

#include "ephemeris/TimeText.h"

using namespace vespera;
using namespace std::chrono;

namespace {

constexpr double kSecondsPerDay = 86400.0;

double SecondsBetween(const JulianDate& later, const JulianDate& earlier) {
  return ((later.whole - earlier.whole) + (later.fraction - earlier.fraction)) * kSecondsPerDay;
}

UtcInstant At(int y, unsigned m, unsigned d, int hour, int minute) {
  return UtcInstant(sys_days(year(y) / month(m) / day(d)).time_since_epoch() + hours(hour) + minutes(minute));
}

// Sets TZ for one test and puts the old value back.
class ScopedTimeZone {
 public:
  explicit ScopedTimeZone(const char* zone) {
    if (const char* old = std::getenv("TZ")) old_ = old;
    ::setenv("TZ", zone, 1);
    ::tzset();
  }
  ~ScopedTimeZone() {
    if (old_) ::setenv("TZ", old_->c_str(), 1);
    else ::unsetenv("TZ");
    ::tzset();
  }

 private:
  std::optional<std::string> old_;
};

}  // namespace

TEST(TimeScalesTest, LeapSecondsAndTerrestrialTimeFollowTheDate) {
  const Expected<TimeScales> epoch = TimeScalesAt(At(2000, 1, 1, 12, 0));
  ASSERT_TRUE(epoch);
  EXPECT_DOUBLE_EQ(epoch->utc.Days(), 2451545.0);
  // TAI - UTC was 32 s in 2000, 24 s in 1988 and 37 s since 2017; TT = TAI + 32.184 s.
  EXPECT_NEAR(SecondsBetween(epoch->tt, epoch->utc), 64.184, 1e-6);
  const Expected<TimeScales> y1988 = TimeScalesAt(At(1988, 3, 20, 0, 0));
  ASSERT_TRUE(y1988);
  EXPECT_NEAR(SecondsBetween(y1988->tai, y1988->utc), 24.0, 1e-6);
  const Expected<TimeScales> y2026 = TimeScalesAt(At(2026, 12, 8, 23, 59));
  ASSERT_TRUE(y2026);
  EXPECT_NEAR(SecondsBetween(y2026->tt, y2026->utc), 69.184, 1e-6);
  EXPECT_EQ(y2026->ut1.Days(), y2026->utc.Days());
  EXPECT_EQ(UtcInstantOf(y2026->utc), At(2026, 12, 8, 23, 59));
}

TEST(TimeTextTest, ParsesTheTimeOptionWithOrWithoutZ) {
  EXPECT_EQ(*ParseUtcTime("2024-03-09T21:30Z"), At(2024, 3, 9, 21, 30));
  EXPECT_EQ(*ParseUtcTime("2024-02-29T00:00"), At(2024, 2, 29, 0, 0));
  EXPECT_EQ(*ParseUtcTime("1999-12-31T23:59"), At(1999, 12, 31, 23, 59));
}

TEST(TimeTextTest, RefusesMalformedTimesWithTheReason) {
  struct Case {
    const char* text;
    const char* reasonPart;
  };
  const Case kCases[] = {
      {"", "YYYY-MM-DDTHH:MM"},
      {"2024-03-09 21:30", "YYYY-MM-DDTHH:MM"},
      {"2024-3-09T21:30", "YYYY-MM-DDTHH:MM"},
      {"2024-03-09T21:30ZZ", "YYYY-MM-DDTHH:MM"},
      {"2024-03-09T21:3x", "digits"},
      {"2023-02-29T10:00", "2023-02-29 does not exist"},
      {"2024-13-01T10:00", "does not exist"},
      {"2024-01-01T24:00", "hour"},
      {"2024-01-01T10:60", "minute"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.text);
    const Expected<UtcInstant> parsed = ParseUtcTime(c.text);
    ASSERT_FALSE(parsed);
    EXPECT_NE(parsed.reason().find(c.reasonPart), std::string::npos) << parsed.reason();
  }
}

TEST(TimeTextTest, LocalTimeCarriesTheOffsetOfThatInstant) {
  {
    ScopedTimeZone zone("XST-1");
    EXPECT_EQ(FormatLocalTime(At(2024, 1, 15, 20, 30)), "21:30 UTC+1");
  }
  {
    ScopedTimeZone zone("NST3:30");
    EXPECT_EQ(FormatLocalTime(At(2024, 1, 15, 3, 0)), "23:30 UTC-3:30");
  }
  {
    ScopedTimeZone zone("UTC0");
    EXPECT_EQ(FormatLocalTime(At(2024, 1, 15, 0, 5)), "00:05 UTC");
  }
  {
    // Summer time: the offset is the one in force at the instant shown.
    ScopedTimeZone zone("CET-1CEST,M3.5.0,M10.5.0/3");
    EXPECT_EQ(FormatLocalTime(At(2024, 1, 15, 20, 30)), "21:30 UTC+1");
    EXPECT_EQ(FormatLocalTime(At(2024, 7, 15, 20, 30)), "22:30 UTC+2");
  }
  EXPECT_EQ(UtcOffsetText(5 * 3600 + 45 * 60), "UTC+5:45");
}
