// UTC instants as ERFA two-part Julian dates in UTC, TAI, TT and UT1.

#include "ephemeris/TimeScales.h"

#include <erfa.h>

#include <cmath>

namespace vespera {

namespace {

constexpr double kUnixEpochJulianDate = 2440587.5;
constexpr double kSecondsPerDay = 86400.0;
// TT - TAI, fixed by definition.
constexpr double kTerrestrialMinusAtomicSeconds = 32.184;

}  // namespace

Expected<JulianDate> UtcJulianDateOf(UtcInstant instant) {
  using namespace std::chrono;
  const sys_days day = floor<days>(instant);
  const year_month_day date(day);
  const hh_mm_ss<seconds> time(instant - day);
  JulianDate jd;
  // ERFA's quasi Julian date for UTC stretches a day with a leap second to
  // 86,401 s; the system clock has none, so its second 23:59:59 maps to
  // ERFA's same second.
  const int status = eraDtf2d("UTC", static_cast<int>(date.year()), static_cast<int>(unsigned(date.month())),
                              static_cast<int>(unsigned(date.day())), static_cast<int>(time.hours().count()),
                              static_cast<int>(time.minutes().count()), static_cast<double>(time.seconds().count()),
                              &jd.whole, &jd.fraction);
  if (status < 0) return Failure("the date lies outside the calendar the time scales cover");
  return jd;
}

Expected<TimeScales> TimeScalesAt(UtcInstant instant) {
  Expected<JulianDate> utc = UtcJulianDateOf(instant);
  if (!utc) return Failure(utc.reason());
  return TimeScalesAtUtc(*utc);
}

Expected<TimeScales> TimeScalesAtUtc(JulianDate utc) {
  TimeScales scales;
  scales.utc = utc;
  // A status of +1 only says that the leap seconds before 1960 or past the
  // table's end are guesses; the instant is still the best there is.
  if (eraUtctai(utc.whole, utc.fraction, &scales.tai.whole, &scales.tai.fraction) < 0)
    return Failure("the date lies outside the calendar the time scales cover");
  eraTaitt(scales.tai.whole, scales.tai.fraction, &scales.tt.whole, &scales.tt.fraction);
  scales.ut1 = utc;
  return scales;
}

UtcInstant UtcInstantOf(JulianDate utc) {
  const double days = (utc.whole - kUnixEpochJulianDate) + utc.fraction;
  return UtcInstant(std::chrono::seconds(std::llround(days * kSecondsPerDay)));
}

TimeScales TimeScalesAtTerrestrialTime(JulianDate tt) {
  // For worked examples given in TT: UTC is TT less 32.184 s and the leap
  // seconds of that date, found by one step from TT as if it were UTC.
  TimeScales scales;
  scales.tt = tt;
  double tai1 = 0.0, tai2 = 0.0;
  eraUtctai(tt.whole, tt.fraction, &tai1, &tai2);
  const double leapDays = (tai1 - tt.whole) + (tai2 - tt.fraction);
  const double offsetDays = leapDays + kTerrestrialMinusAtomicSeconds / kSecondsPerDay;
  scales.tai = {tt.whole, tt.fraction - kTerrestrialMinusAtomicSeconds / kSecondsPerDay};
  scales.utc = {tt.whole, tt.fraction - offsetDays};
  scales.ut1 = scales.utc;
  return scales;
}

}  // namespace vespera
