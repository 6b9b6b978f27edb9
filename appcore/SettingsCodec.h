#pragma once
// The view settings are kept as 32-bit values with two decimals. Angles are
// stored offset by 65535 so that negative declinations stay positive.

#include <cstdint>

namespace vespera {

namespace SettingsCodec {

double DecodeAngle(std::uint32_t stored);
std::uint32_t EncodeAngle(double value);
double DecodeScaled(std::uint32_t stored);
std::uint32_t EncodeScaled(double value);
// 0, 1 and 2 are the name styles; anything else is the first (short names).
int DecodeNameStyle(std::uint32_t stored);

// Truncation toward zero into a signed 32-bit integer. Values beyond the range
// saturate and NaN gives 0, instead of the undefined conversion.
std::int32_t TruncToInt32(double value);

}  // namespace SettingsCodec

}  // namespace vespera
