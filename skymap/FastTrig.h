#pragma once
// Table sine and cosine in degrees for the sky map. Every sine and cosine the
// map needs comes from here, so that pixel positions do not depend on the
// platform's maths library and cost one lookup and one multiply-add.
//
// The two functions differ in argument width on purpose: FastCos takes a
// single-precision angle, and callers holding a double narrow it first. The
// narrowing is part of where a star lands, so it is kept in the signature.

#include <array>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>

namespace vespera {

// One entry per 1/8 degree over a full turn, both ends included.
inline constexpr std::size_t kTrigTableSize = 2881;
inline constexpr int kTrigStepsPerDegree = 8;

// Above this magnitude angles are not reduced; sine answers 0 and cosine 1.
inline constexpr double kFastTrigLimit = 131072.0;

// sin(i/8 degree) and cos(i/8 degree), six decimals; constant program data.
extern const std::array<double, kTrigTableSize> SineTable;
extern const std::array<double, kTrigTableSize> CosineTable;

// Both functions follow the same steps: fold the sign, refuse magnitudes
// above the bound, take whole turns off, interpolate between the two
// neighbouring entries. The sign is folded without a branch, as the signs of
// the projection's angles follow no pattern; the reduction keeps its branch,
// as the projection's angles almost never reach a full turn.
//
// Zero needs no case of its own: entry 0 is returned exactly. NaN answers
// NaN: it would otherwise slip past every comparison and reach the index
// conversion, and a NaN result lets the projection treat the point as not
// visible.
inline double FastSin(double x) {
  const double magnitude = std::fabs(x);
  if (!(magnitude <= kFastTrigLimit)) return std::isnan(x) ? x : 0.0;
  double reduced = magnitude;
  if (reduced >= 360) {
    const std::int32_t k = static_cast<std::int32_t>(reduced);
    reduced -= static_cast<double>(k - k % 360);
  }
  const std::int32_t i = static_cast<std::int32_t>(kTrigStepsPerDegree * reduced);
  const double d = SineTable[i + 1] - SineTable[i];
  const double r = SineTable[i] + d * (kTrigStepsPerDegree * reduced - i);
  // Negation is a flip of the sign bit; flipping it by a mask avoids the
  // branch the compiler would otherwise emit.
  const std::uint64_t negate = static_cast<std::uint64_t>(x < 0) << 63;
  return std::bit_cast<double>(std::bit_cast<std::uint64_t>(r) ^ negate);
}

// The reduction and the index product stay in single precision; only the
// fraction is taken in double.
inline double FastCos(float x) {
  const float magnitude = std::fabs(x);
  if (!(static_cast<double>(magnitude) <= kFastTrigLimit)) {
    return std::isnan(x) ? static_cast<double>(x) : 1.0;
  }
  float reduced = magnitude;
  if (reduced >= 360) {
    const std::int32_t k = static_cast<std::int32_t>(reduced);
    reduced -= static_cast<float>(k - k % 360);
  }
  const std::int32_t i = static_cast<std::int32_t>(reduced * static_cast<float>(kTrigStepsPerDegree));
  const double d = CosineTable[i + 1] - CosineTable[i];
  return CosineTable[i] + d * (kTrigStepsPerDegree * static_cast<double>(reduced) - i);
}

}  // namespace vespera
