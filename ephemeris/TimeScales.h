#pragma once
// An instant of UTC as ERFA's two-part Julian dates in the time scales the
// ephemeris needs: UTC, TAI (UTC plus the leap seconds), TT (TAI plus 32.184 s)
// and UT1. UT1 is taken equal to UTC: they never differ by more than 0.9 s,
// which moves the sky by under 14 arcseconds.

#include <chrono>

#include "platform/runtime/Expected.h"

namespace vespera {

// A Julian date in two parts, as ERFA takes it: `whole` holds the day at 0h
// (or any large part) and `fraction` the rest, so that neither loses the
// precision a single double would.
struct JulianDate {
  double whole = 0.0;
  double fraction = 0.0;
  double Days() const { return whole + fraction; }
};

struct TimeScales {
  JulianDate utc;
  JulianDate tai;
  JulianDate tt;
  JulianDate ut1;
};

using UtcInstant = std::chrono::sys_seconds;

// Refused only for dates ERFA's calendar cannot hold (before 4800 BC).
Expected<JulianDate> UtcJulianDateOf(UtcInstant instant);
Expected<TimeScales> TimeScalesAt(UtcInstant instant);
// For instants between whole seconds (the daily events search for them).
Expected<TimeScales> TimeScalesAtUtc(JulianDate utc);
// The nearest whole second, counting days of 86,400 s as the system clock does.
UtcInstant UtcInstantOf(JulianDate utc);

// The time scales at an instant given in TT, as almanacs and worked examples
// give their dates ("JDE 2448908.5"); UTC follows from that date's leap seconds.
TimeScales TimeScalesAtTerrestrialTime(JulianDate tt);

}  // namespace vespera
