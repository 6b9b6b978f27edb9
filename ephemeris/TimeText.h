#pragma once
// The time as text: the `--time` option's UTC form in, the local clock time
// with its offset from UTC out.

#include <string>
#include <string_view>

#include "ephemeris/TimeScales.h"

namespace vespera {

// "YYYY-MM-DDTHH:MM" with an optional trailing "Z"; always UTC. Anything else
// (a missing field, a 13th month, February 30, 24:00) is refused with the reason.
Expected<UtcInstant> ParseUtcTime(std::string_view text);

// "21:30 UTC+1", "04:05 UTC-3:30", "12:00 UTC": the system's local time of the
// instant, with the offset the C library gives for that instant (so a summer
// time shows its own offset). Follows the TZ environment variable.
std::string FormatLocalTime(UtcInstant instant);
// The two halves of it: "21:30" and "UTC+1".
std::string FormatLocalClock(UtcInstant instant);
std::string LocalOffsetText(UtcInstant instant);

// "UTC", "UTC+1", "UTC-3:30", "UTC+5:45" for an offset east of Greenwich in seconds.
std::string UtcOffsetText(long secondsEast);

}  // namespace vespera
