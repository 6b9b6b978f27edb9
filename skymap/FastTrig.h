#pragma once
// Table sine and cosine in degrees for the sky map. Every sine and cosine the
// map needs comes from here, so that pixel positions do not depend on the
// platform's maths library and cost one lookup and one multiply-add.
//
// The two functions differ in argument width on purpose: FastCos takes a
// single-precision angle, and callers holding a double narrow it first. The
// narrowing is part of where a star lands, so it is kept in the signature.

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>

// One entry per 1/8 degree over a full turn, both ends included.
inline constexpr std::size_t kTrigTableSize = 2881;
inline constexpr int kTrigStepsPerDegree = 8;

// Above this magnitude angles are not reduced; sine answers 0 and cosine 1.
inline constexpr double kFastTrigLimit = 131072.0;

// sin(i/8 degree) and cos(i/8 degree), six decimals; constant program data.
extern const std::array<double, kTrigTableSize> SineTable;
extern const std::array<double, kTrigTableSize> CosineTable;

// NaN answers NaN: it would otherwise slip past every comparison below and
// reach the index conversion, and a NaN result lets the projection treat the
// point as not visible.
inline double FastSin(double x) {
  if (std::isnan(x)) return std::numeric_limits<double>::quiet_NaN();
  bool negative = false;
  if (x < 0) {
    x = -x;
    negative = true;
  }
  if (x == 0 || x > kFastTrigLimit) return 0.0;
  if (x >= 360) {
    const std::int32_t k = static_cast<std::int32_t>(x);
    x -= static_cast<double>(k - k % 360);
  }
  const std::int32_t i = static_cast<std::int32_t>(kTrigStepsPerDegree * x);
  const double d = SineTable[i + 1] - SineTable[i];
  const double r = SineTable[i] + d * (kTrigStepsPerDegree * x - i);
  return negative ? -r : r;
}

inline double FastCos(float x) {
  if (std::isnan(x)) return std::numeric_limits<double>::quiet_NaN();
  if (x < 0) x = -x;
  if (x == 0 || static_cast<double>(x) > kFastTrigLimit) return 1.0;
  if (x >= 360) {
    const std::int32_t k = static_cast<std::int32_t>(x);
    x -= static_cast<float>(k - k % 360);
  }
  const std::int32_t i = static_cast<std::int32_t>(x * static_cast<float>(kTrigStepsPerDegree));
  const double d = CosineTable[i + 1] - CosineTable[i];
  return CosineTable[i] + d * (kTrigStepsPerDegree * static_cast<double>(x) - i);
}
