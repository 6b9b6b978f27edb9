#pragma once
// The four-connected line of the map surface, visited only where it lies on
// the surface.
//
// The line is defined by a step-by-step walk: with major the longer and minor
// the shorter axis extent, e = 2 minor - major, and major + minor times: put
// the pixel, then step along the major axis (e += 2 minor) while e < major,
// else along the minor axis (e -= 2 major); finally put (x2, y2).
//
// Walking that literally costs as many steps as the line is long, and at high
// zoom a constellation segment can span billions of pixels. Solving the walk
// instead: after a major and b minor steps the next step is minor exactly when
// (a + 1) minor >= (b + 1) major, so row b of the minor axis covers the major
// steps from lastMajor(b - 1) to lastMajor(b), where
// lastMajor(b) = ceil((b + 1) major / minor) - 1 for b < minor, and major for
// b = minor. That gives the pixels inside the surface directly, in walk order,
// at a cost in proportion to how many there are.

#include <algorithm>
#include <cstdint>

namespace vespera {

namespace line_walk_detail {

// The steps t in [0, steps] for which start + sign × t lies in [0, limit).
struct StepRange {
  std::int64_t first = 0;
  std::int64_t last = -1;
  bool empty() const { return first > last; }
};

inline StepRange StepsInside(std::int64_t start, int sign, std::int64_t steps, std::int64_t limit) {
  if (sign > 0) return {std::max<std::int64_t>(0, -start), std::min(steps, limit - 1 - start)};
  if (sign < 0) return {std::max<std::int64_t>(0, start - limit + 1), std::min(steps, start)};
  return (start >= 0 && start < limit) ? StepRange{0, 0} : StepRange{};
}

inline int SignOf(std::int64_t v) { return (v > 0) - (v < 0); }

}  // namespace line_walk_detail

// Calls visit(x, y) for each pixel of the line from (x1, y1) to (x2, y2) that
// lies in [0, width) × [0, height), in the order the walk puts them.
template <class Visit>
void WalkLineInside(int x1, int y1, int x2, int y2, int width, int height, Visit&& visit) {
  using line_walk_detail::SignOf;
  using line_walk_detail::StepRange;
  using line_walk_detail::StepsInside;
  if (width <= 0 || height <= 0) return;

  // Extents need 33 bits for int endpoints; their product needs 64 unsigned.
  const std::int64_t dx = std::int64_t{x2} - x1;
  const std::int64_t dy = std::int64_t{y2} - y1;
  const bool steep = (dy < 0 ? -dy : dy) >= (dx < 0 ? -dx : dx);

  const std::int64_t majorStart = steep ? y1 : x1;
  const std::int64_t minorStart = steep ? x1 : y1;
  const std::int64_t majorDelta = steep ? dy : dx;
  const std::int64_t minorDelta = steep ? dx : dy;
  const int majorSign = SignOf(majorDelta);
  const int minorSign = SignOf(minorDelta);
  const std::int64_t major = majorDelta < 0 ? -majorDelta : majorDelta;
  const std::int64_t minor = minorDelta < 0 ? -minorDelta : minorDelta;

  const StepRange majorInside = StepsInside(majorStart, majorSign, major, steep ? height : width);
  const StepRange minorInside = StepsInside(minorStart, minorSign, minor, steep ? width : height);
  if (majorInside.empty() || minorInside.empty()) return;

  const std::uint64_t majorU = static_cast<std::uint64_t>(major);
  const std::uint64_t minorU = static_cast<std::uint64_t>(minor);
  auto lastMajorOfRow = [&](std::int64_t b) -> std::int64_t {
    if (b >= minor) return major;
    const std::uint64_t reach = static_cast<std::uint64_t>(b + 1) * majorU;
    return static_cast<std::int64_t>((reach + minorU - 1) / minorU) - 1;
  };

  // The first row that reaches the surface's first major step.
  std::int64_t b = minorInside.first;
  if (minor > 0) {
    const std::uint64_t firstRow =
        static_cast<std::uint64_t>(majorInside.first) * minorU / majorU;
    b = std::max(b, static_cast<std::int64_t>(firstRow));
  }
  for (; b <= minorInside.last; ++b) {
    const std::int64_t rowFirst = b == 0 ? 0 : lastMajorOfRow(b - 1);
    if (rowFirst > majorInside.last) break;
    const std::int64_t from = std::max(rowFirst, majorInside.first);
    const std::int64_t to = std::min(lastMajorOfRow(b), majorInside.last);
    const std::int64_t minorCoord = minorStart + minorSign * b;
    for (std::int64_t a = from; a <= to; ++a) {
      const std::int64_t majorCoord = majorStart + majorSign * a;
      if (steep) {
        visit(static_cast<int>(minorCoord), static_cast<int>(majorCoord));
      } else {
        visit(static_cast<int>(majorCoord), static_cast<int>(minorCoord));
      }
    }
  }
}

}  // namespace vespera
