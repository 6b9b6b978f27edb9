#include "appcore/SettingsCodec.h"

#include <cmath>
#include <limits>

namespace vespera {

namespace SettingsCodec {

namespace {
constexpr double kHundredth = 0.01;
constexpr std::int32_t kAngleOffset = 65535;
}  // namespace

std::int32_t TruncToInt32(double value) {
  if (std::isnan(value)) return 0;
  if (value >= 2147483647.0) return std::numeric_limits<std::int32_t>::max();
  if (value <= -2147483648.0) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(value);
}

double DecodeAngle(std::uint32_t stored) {
  return (static_cast<double>(stored) - 65535.0) * kHundredth;
}

std::uint32_t EncodeAngle(double value) {
  // 65535 - t in 32-bit two's complement; unsigned arithmetic wraps where the
  // signed subtraction would overflow, giving the same bits.
  const auto t = static_cast<std::uint32_t>(TruncToInt32(value * -100.0));
  return static_cast<std::uint32_t>(kAngleOffset) - t;
}

double DecodeScaled(std::uint32_t stored) { return static_cast<double>(stored) * kHundredth; }

std::uint32_t EncodeScaled(double value) {
  return static_cast<std::uint32_t>(TruncToInt32(value * 100.0));
}

int DecodeNameStyle(std::uint32_t stored) { return stored <= 2 ? static_cast<int>(stored) : 0; }

}  // namespace SettingsCodec

}  // namespace vespera
