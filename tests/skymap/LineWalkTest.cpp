#include "skymap/LineWalk.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <random>
#include <utility>
#include <vector>

#include "skymap/MapPixels.h"

using namespace vespera;

namespace {

using Pixels = std::vector<std::pair<int, int>>;

// The walk exactly as the line is defined, one step per pixel and every pixel
// kept; the reference the clipped walk must match.
Pixels PlainWalk(int x1, int y1, int x2, int y2) {
  const int adx = std::abs(x2 - x1), ady = std::abs(y2 - y1);
  const int sx = (x2 > x1) - (x2 < x1), sy = (y2 > y1) - (y2 < y1);
  const bool steep = ady >= adx;
  const int major = steep ? ady : adx, minor = steep ? adx : ady;
  int e = 2 * minor - major;
  int x = x1, y = y1;
  Pixels out;
  for (int n = 0; n < major + minor; ++n) {
    out.emplace_back(x, y);
    if (e < major) {
      (steep ? y : x) += steep ? sy : sx;
      e += 2 * minor;
    } else {
      (steep ? x : y) += steep ? sx : sy;
      e -= 2 * major;
    }
  }
  out.emplace_back(x2, y2);
  return out;
}

Pixels Inside(const Pixels& all, int width, int height) {
  Pixels out;
  for (const auto& [x, y] : all) {
    if (x >= 0 && x < width && y >= 0 && y < height) out.emplace_back(x, y);
  }
  return out;
}

Pixels Walk(int x1, int y1, int x2, int y2, int width = 1000, int height = 1000) {
  Pixels out;
  WalkLineInside(x1, y1, x2, y2, width, height, [&](int x, int y) { out.emplace_back(x, y); });
  return out;
}

TEST(LineWalk, PutsTheFourConnectedPixelsOfTheDefinition) {
  EXPECT_EQ(Walk(0, 0, 0, 5), (Pixels{{0, 0}, {0, 1}, {0, 2}, {0, 3}, {0, 4}, {0, 5}}));
  EXPECT_EQ(Walk(0, 0, 5, 2),
            (Pixels{{0, 0}, {1, 0}, {2, 0}, {2, 1}, {3, 1}, {4, 1}, {4, 2}, {5, 2}}));
  const Pixels steep = Walk(0, 0, 3, 10);
  EXPECT_EQ(steep.size(), 14u);
  EXPECT_EQ(steep.back(), std::make_pair(3, 10));
  EXPECT_EQ(Walk(4, 4, 4, 4), (Pixels{{4, 4}}));
  EXPECT_EQ(Walk(-3, 2, 4, 2, 5, 5), (Pixels{{0, 2}, {1, 2}, {2, 2}, {3, 2}, {4, 2}}));
}

TEST(LineWalk, ClippedWalkPutsExactlyThePlainWalksPixelsInside) {
  std::mt19937 random(2024);
  std::uniform_int_distribution<int> near(-60, 100), far(-5000, 5000), size(1, 48);
  for (int round = 0; round < 20000; ++round) {
    auto& ends = round % 4 == 0 ? far : near;
    const int x1 = ends(random), y1 = ends(random), x2 = ends(random), y2 = ends(random);
    const int width = size(random), height = size(random);
    ASSERT_EQ(Walk(x1, y1, x2, y2, width, height), Inside(PlainWalk(x1, y1, x2, y2), width, height))
        << "(" << x1 << ", " << y1 << ") to (" << x2 << ", " << y2 << ") on " << width << " x " << height;
  }
}

TEST(LineWalk, FarEndsCostOnlyThePixelsOnTheSurface) {
  // Walking these step by step would take billions of steps.
  EXPECT_EQ(Walk(-1000000000, 5, 1000000000, 7, 10, 10),
            (Pixels{{0, 6}, {1, 6}, {2, 6}, {3, 6}, {4, 6}, {5, 6}, {6, 6}, {7, 6}, {8, 6}, {9, 6}}));
  EXPECT_EQ(Walk(INT_MIN, INT_MIN, INT_MAX, INT_MAX, 3, 3),
            (Pixels{{0, 0}, {1, 0}, {1, 1}, {2, 1}, {2, 2}}));
  EXPECT_EQ(Walk(INT_MAX, 1, INT_MIN, 1, 3, 3), (Pixels{{2, 1}, {1, 1}, {0, 1}}));
  EXPECT_EQ(Walk(INT_MIN, INT_MAX, INT_MAX, INT_MIN, 3, 3), (Pixels{{0, 0}}));
}

TEST(LineWalk, DrawLineFillsTheSameBufferAsPuttingThePlainWalk) {
  std::mt19937 random(99);
  std::uniform_int_distribution<int> ends(-300, 300);
  for (int round = 0; round < 300; ++round) {
    const int x1 = ends(random), y1 = ends(random), x2 = ends(random), y2 = ends(random);
    MapPixels drawn, reference;
    drawn.AllocatePixels(120, 90, 240, 16);
    reference.AllocatePixels(120, 90, 240, 16);
    drawn.DrawLine(x1, y1, x2, y2, 50, 0, 0);
    for (const auto& [x, y] : PlainWalk(x1, y1, x2, y2)) reference.PutPixel(x, y, 50, 0, 0);
    ASSERT_TRUE(std::ranges::equal(drawn.bytes(), reference.bytes())) << round;
  }
}

}  // namespace
