#pragma once
// The way our hand-written object table writes positions and sizes, and the
// way the pages print sizes. Positions are written as atlases and reference
// lists give them ("12 30.8" hours and minutes, "+12 24" degrees and
// arcminutes), so each entry can be checked against its source by eye.

#include <optional>
#include <string>

namespace vespera {

// "12 30.8" -> 187.7 degrees; nothing for text that is not hours 0..23 and
// minutes 0..<60.
std::optional<double> ParseRightAscension(const std::string& text);
// "-05 27" -> -5.45 degrees; the sign is required, so "-00 49" keeps its.
std::optional<double> ParseDeclination(const std::string& text);

// Apparent size in arcminutes; a round object has minor == major.
struct AngularSize {
  double major = 0;
  double minor = 0;
};
// "8.0x5.7" or "20"; nothing for zero, negative or unreadable sizes, or a
// minor axis larger than the major one.
std::optional<AngularSize> ParseAngularSize(const std::string& text);

// "36'", "8.0' x 5.7'", "178' x 63'", "20\"" or "40\" x 35\"": arcseconds
// below one arcminute, one decimal below ten, whole arcminutes above, and a
// single value when both axes print alike.
std::string FormatAngularSize(const AngularSize& size);

}  // namespace vespera
