#include "tools/datagen/FactText.h"

#include <cmath>
#include <cstdio>
#include <sstream>

namespace vespera {

namespace {

// Two numbers separated by a space, nothing else.
std::optional<std::pair<double, double>> TwoNumbers(const std::string& text) {
  std::istringstream in(text);
  double first = 0, second = 0;
  if (!(in >> first >> second)) return std::nullopt;
  in >> std::ws;
  if (!in.eof()) return std::nullopt;
  return std::pair{first, second};
}

std::string Axis(double arcMinutes, bool inArcSeconds) {
  char text[24];
  if (inArcSeconds)
    std::snprintf(text, sizeof text, "%ld\"", std::lround(arcMinutes * 60));
  else if (arcMinutes < 9.95)
    std::snprintf(text, sizeof text, "%.1f'", arcMinutes);
  else
    std::snprintf(text, sizeof text, "%ld'", std::lround(arcMinutes));
  return text;
}

}  // namespace

std::optional<double> ParseRightAscension(const std::string& text) {
  const auto parts = TwoNumbers(text);
  if (!parts) return std::nullopt;
  const auto [hours, minutes] = *parts;
  if (hours < 0 || hours > 23 || hours != std::floor(hours) || minutes < 0 || minutes >= 60) return std::nullopt;
  return (hours + minutes / 60) * 15;
}

std::optional<double> ParseDeclination(const std::string& text) {
  if (text.empty() || (text[0] != '+' && text[0] != '-')) return std::nullopt;
  const auto parts = TwoNumbers(text.substr(1));
  if (!parts) return std::nullopt;
  const auto [degrees, minutes] = *parts;
  if (degrees < 0 || degrees != std::floor(degrees) || minutes < 0 || minutes >= 60) return std::nullopt;
  const double value = degrees + minutes / 60;
  if (value > 90) return std::nullopt;
  return text[0] == '-' ? -value : value;
}

std::optional<AngularSize> ParseAngularSize(const std::string& text) {
  const std::size_t cross = text.find('x');
  const auto number = [](const std::string& part) -> std::optional<double> {
    std::istringstream in(part);
    double value = 0;
    if (!(in >> value)) return std::nullopt;
    in >> std::ws;
    if (!in.eof() || !std::isfinite(value) || value <= 0) return std::nullopt;
    return value;
  };
  const auto major = number(text.substr(0, cross));
  if (!major) return std::nullopt;
  if (cross == std::string::npos) return AngularSize{*major, *major};
  const auto minor = number(text.substr(cross + 1));
  if (!minor || *minor > *major) return std::nullopt;
  return AngularSize{*major, *minor};
}

std::string FormatAngularSize(const AngularSize& size) {
  // Both axes in the major axis's unit, so "1.5' x 0.7'" reads as one measure.
  const bool inArcSeconds = size.major < 1;
  const std::string major = Axis(size.major, inArcSeconds);
  const std::string minor = Axis(size.minor, inArcSeconds);
  return major == minor ? major : major + " x " + minor;
}

}  // namespace vespera
