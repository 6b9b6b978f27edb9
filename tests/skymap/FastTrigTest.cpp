#include "skymap/FastTrig.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

using namespace vespera;

namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;

TEST(TrigTables, HoldSixDecimalValuesOfEveryEighthDegree) {
  for (std::size_t i = 0; i < kTrigTableSize; ++i) {
    const double angle = static_cast<double>(i) / 8.0 * kRadiansPerDegree;
    EXPECT_NEAR(SineTable[i], std::sin(angle), 5.0000001e-7) << i;
    EXPECT_NEAR(CosineTable[i], std::cos(angle), 5.0000001e-7) << i;
    EXPECT_DOUBLE_EQ(SineTable[i] * 1e6, std::round(SineTable[i] * 1e6)) << i;
    EXPECT_EQ(SineTable[i], -SineTable[2880 - i]) << i;
    EXPECT_EQ(CosineTable[i], CosineTable[2880 - i]) << i;
  }
  EXPECT_EQ(SineTable[720], 1.0);
  EXPECT_EQ(SineTable[1440], 0.0);
  EXPECT_EQ(SineTable[2880], 0.0);
  EXPECT_EQ(CosineTable[0], 1.0);
  EXPECT_EQ(CosineTable[720], 0.0);
  EXPECT_EQ(CosineTable[1440], -1.0);
  EXPECT_EQ(CosineTable[2880], 1.0);
}

TEST(FastTrig, ExactTablePointsAndSymmetry) {
  EXPECT_EQ(FastSin(0.0), 0.0);
  EXPECT_EQ(FastCos(0.0f), 1.0);
  EXPECT_EQ(FastSin(90.0), 1.0);
  EXPECT_EQ(FastCos(180.0f), -1.0);
  for (double angle : {0.3, 30.0, 89.9, 181.25, 359.99, 1000.7}) {
    EXPECT_EQ(FastSin(-angle), -FastSin(angle)) << angle;
    EXPECT_EQ(FastCos(static_cast<float>(-angle)), FastCos(static_cast<float>(angle))) << angle;
  }
}

TEST(FastTrig, InterpolatesBetweenNeighbouringEntries) {
  EXPECT_DOUBLE_EQ(FastSin(0.0625), 0.0010910);
  EXPECT_DOUBLE_EQ(FastCos(0.0625f), (CosineTable[0] + CosineTable[1]) / 2);
  const double nearTurn = FastSin(359.99);
  EXPECT_LT(SineTable[2879], nearTurn);
  EXPECT_LT(nearTurn, SineTable[2880]);
  // The largest angles below a full turn still index entry 2879.
  EXPECT_NEAR(FastSin(std::nextafter(360.0, 0.0)), 0.0, 1e-12);
  EXPECT_NEAR(FastCos(std::nextafter(360.0f, 0.0f)), 1.0, 1e-6);
}

TEST(FastTrig, ReducesWholeTurnsUpToTheBound) {
  EXPECT_EQ(FastSin(360.0), 0.0);
  EXPECT_EQ(FastSin(720.5), SineTable[4]);
  EXPECT_EQ(FastSin(131072.0), SineTable[256]);  // 32 degrees
  EXPECT_EQ(FastCos(131072.0f), CosineTable[256]);
  EXPECT_EQ(FastSin(131072.5), 0.0);
  EXPECT_EQ(FastSin(-200000.0), 0.0);
  EXPECT_EQ(FastCos(200000.0f), 1.0);
  EXPECT_EQ(FastCos(-200000.0f), 1.0);
}

TEST(FastTrig, FollowsTheTrueFunctionsOverTheWholeRange) {
  // Any error in the reduction shows up as a wrong value somewhere here, and
  // a read outside the tables under the sanitizers.
  for (double angle = -131072.0; angle <= 131072.0; angle += 0.739) {
    const double reference = std::fmod(angle, 360.0) * kRadiansPerDegree;
    ASSERT_NEAR(FastSin(angle), std::sin(reference), 1.5e-6) << angle;
    const float narrow = static_cast<float>(angle);
    const double narrowReference = std::fmod(static_cast<double>(narrow), 360.0) * kRadiansPerDegree;
    ASSERT_NEAR(FastCos(narrow), std::cos(narrowReference), 1.5e-6) << angle;
  }
}

TEST(FastTrig, NonFiniteAnglesNeverIndexTheTables) {
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_TRUE(std::isnan(FastSin(std::nan(""))));
  EXPECT_TRUE(std::isnan(FastCos(std::nanf(""))));
  EXPECT_EQ(FastSin(inf), 0.0);
  EXPECT_EQ(FastSin(-inf), 0.0);
  EXPECT_EQ(FastCos(static_cast<float>(inf)), 1.0);
  EXPECT_EQ(FastCos(static_cast<float>(-inf)), 1.0);
}

}  // namespace
