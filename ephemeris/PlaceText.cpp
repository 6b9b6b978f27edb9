// Reading latitude and longitude text in the forms a user writes them.

#include "ephemeris/PlaceText.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>

namespace vespera {

namespace {

struct Axis {
  const char* name;          // "latitude"
  double limit;              // 90 or 180
  char positive, negative;   // 'N', 'S' or 'E', 'W'
  const char* example;       // shown in the reason for text that does not read
};

constexpr Axis kLatitude{"latitude", 90.0, 'N', 'S', "48.85 or 48 51 N"};
constexpr Axis kLongitude{"longitude", 180.0, 'E', 'W', "-2.35 or 2 21 W"};

// The degree sign as UTF-8 and as the Windows-1252 byte of the device.
constexpr std::string_view kDegreeSignUtf8 = "\xC2\xB0";
constexpr char kDegreeSignByte = '\xB0';
constexpr int kMaxParts = 3;  // degrees, minutes, seconds

class Scanner {
 public:
  explicit Scanner(std::string_view text) : rest_(text) {}

  void SkipSpaces() {
    while (!rest_.empty() && std::isspace(static_cast<unsigned char>(rest_.front()))) rest_.remove_prefix(1);
  }
  bool Take(char c) {
    if (rest_.empty() || rest_.front() != c) return false;
    rest_.remove_prefix(1);
    return true;
  }
  bool Take(std::string_view s) {
    if (rest_.substr(0, s.size()) != s) return false;
    rest_.remove_prefix(s.size());
    return true;
  }
  // Digits with at most one decimal point; no exponent, no "inf".
  std::optional<double> Number(bool& hadFraction) {
    std::size_t length = 0, digits = 0, points = 0;
    while (length < rest_.size() && (std::isdigit(static_cast<unsigned char>(rest_[length])) || rest_[length] == '.')) {
      if (rest_[length] == '.') ++points;
      else ++digits;
      ++length;
    }
    if (digits == 0 || points > 1) return std::nullopt;
    double value = 0.0;
    const auto [end, error] = std::from_chars(rest_.data(), rest_.data() + length, value);
    if (error != std::errc() || end != rest_.data() + length) return std::nullopt;
    hadFraction = points == 1;
    rest_.remove_prefix(length);
    return value;
  }
  std::optional<char> Letter() {
    if (rest_.empty() || !std::isalpha(static_cast<unsigned char>(rest_.front()))) return std::nullopt;
    const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(rest_.front())));
    rest_.remove_prefix(1);
    return c;
  }
  bool AtEnd() const { return rest_.empty(); }

 private:
  std::string_view rest_;
};

Expected<double> ParseAngle(std::string_view text, const Axis& axis) {
  const std::string unreadable =
      std::string("write the ") + axis.name + " as decimal degrees or degrees and minutes, for example " + axis.example;
  Scanner scan(text);
  scan.SkipSpaces();
  const bool negative = scan.Take('-');
  const bool hasSign = negative || scan.Take('+');
  double sign = negative ? -1.0 : 1.0;

  double parts[kMaxParts] = {};
  bool fractional[kMaxParts] = {};
  int count = 0;
  for (; count < kMaxParts; ++count) {
    scan.SkipSpaces();
    const std::optional<double> value = scan.Number(fractional[count]);
    if (!value) break;
    parts[count] = *value;
    scan.SkipSpaces();
    // Each part may carry its mark: ° (or d) after degrees, ' after minutes, " after seconds.
    if (count == 0) {
      if (!scan.Take(kDegreeSignUtf8) && !scan.Take(kDegreeSignByte)) scan.Take('d');
    } else {
      scan.Take(count == 1 ? '\'' : '"');
    }
  }
  if (count == 0) return Failure(unreadable);
  scan.SkipSpaces();
  const std::optional<char> letter = scan.Letter();
  scan.SkipSpaces();
  if (!scan.AtEnd()) return Failure(unreadable);

  if (letter) {
    if (*letter != axis.positive && *letter != axis.negative)
      return Failure(std::string("a ") + axis.name + " takes " + axis.positive + " or " + axis.negative);
    if (hasSign) return Failure(std::string("a ") + axis.name + " takes either a sign or " + axis.positive + "/" +
                                axis.negative + ", not both");
    if (*letter == axis.negative) sign = -1.0;
  }
  for (int i = 0; i + 1 < count; ++i)
    if (fractional[i]) return Failure("only the last of degrees, minutes and seconds may have a decimal point");
  if (count > 1 && parts[1] >= 60.0) return Failure("minutes must be less than 60");
  if (count > 2 && parts[2] >= 60.0) return Failure("seconds must be less than 60");

  const double degrees = parts[0] + parts[1] / 60.0 + parts[2] / 3600.0;
  if (degrees > axis.limit)
    return Failure(std::string("a ") + axis.name + " lies between " + std::to_string(static_cast<int>(axis.limit)) +
                   " " + axis.negative + " and " + std::to_string(static_cast<int>(axis.limit)) + " " +
                   axis.positive);
  return sign * degrees;
}

}  // namespace

Expected<double> ParseLatitude(std::string_view text) { return ParseAngle(text, kLatitude); }

Expected<double> ParseLongitude(std::string_view text) { return ParseAngle(text, kLongitude); }

Expected<Place> ParsePlaceOption(std::string_view text) {
  const std::size_t comma = text.find(',');
  if (comma == std::string_view::npos || text.find(',', comma + 1) != std::string_view::npos)
    return Failure("a place is written LAT,LON, for example 48.85,2.35 or \"48 51 N,2 21 E\"");
  const Expected<double> latitude = ParseLatitude(text.substr(0, comma));
  if (!latitude) return Failure(latitude.reason());
  const Expected<double> longitude = ParseLongitude(text.substr(comma + 1));
  if (!longitude) return Failure(longitude.reason());
  return Place{*latitude, *longitude};
}

}  // namespace vespera
