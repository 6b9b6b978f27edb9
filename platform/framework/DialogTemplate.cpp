#include "platform/framework/DialogTemplate.h"

#include <cstdint>

int MulDiv(int value, int numerator, int denominator) {
  if (denominator == 0) return -1;
  const std::int64_t product = std::int64_t(value) * numerator;
  const std::int64_t half = std::int64_t(denominator < 0 ? -denominator : denominator) / 2;
  const bool negative = (product < 0) != (denominator < 0);
  const std::int64_t magnitude = ((product < 0 ? -product : product) + half) /
                                 std::int64_t(denominator < 0 ? -denominator : denominator);
  return static_cast<int>(negative ? -magnitude : magnitude);
}

RECT DialogUnitsToPixels(short x, short y, short cx, short cy, LONG screenWidth) {
  const int scale = screenWidth >= 480 ? 2 : 1;
  auto horizontal = [scale](int units) { return MulDiv(units, 7 * scale, 4); };
  auto vertical = [scale](int units) { return MulDiv(units, 13 * scale, 8); };
  return {horizontal(x), vertical(y), horizontal(x + cx), vertical(y + cy)};
}
