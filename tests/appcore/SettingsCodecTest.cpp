#include "appcore/SettingsCodec.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace vespera;

using namespace SettingsCodec;

TEST(SettingsCodec, DefaultsDecodeToTheResetView) {
  EXPECT_DOUBLE_EQ(DecodeAngle(65535), 0.0);
  EXPECT_DOUBLE_EQ(DecodeAngle(74535), 90.0);
  EXPECT_DOUBLE_EQ(DecodeScaled(100), 1.0);
  EXPECT_DOUBLE_EQ(DecodeScaled(400), 4.0);
  EXPECT_EQ(EncodeAngle(0.0), 65535u);
  EXPECT_EQ(EncodeAngle(90.0), 74535u);
  EXPECT_EQ(EncodeScaled(1.0), 100u);
  EXPECT_EQ(EncodeScaled(4.0), 400u);
}

TEST(SettingsCodec, RoundTripsKeepTwoDecimalsTruncatedTowardZero) {
  EXPECT_EQ(EncodeAngle(-30.507), 62485u);
  EXPECT_NEAR(DecodeAngle(62485), -30.5, 1e-9);
  EXPECT_EQ(EncodeAngle(12.345), 66769u);
  EXPECT_NEAR(DecodeAngle(66769), 12.34, 1e-9);
  EXPECT_EQ(EncodeScaled(1.4641), 146u);
  EXPECT_NEAR(DecodeScaled(146), 1.46, 1e-9);
  EXPECT_EQ(EncodeScaled(0.90909), 90u);
  EXPECT_NEAR(DecodeScaled(90), 0.9, 1e-9);
  // No range check: a stored 0 is a far-away right ascension.
  EXPECT_NEAR(DecodeAngle(0), -655.35, 1e-9);
}

TEST(SettingsCodec, NegativeScaledValuesKeepTheirBits) {
  EXPECT_EQ(EncodeScaled(-1.5), static_cast<std::uint32_t>(-150));
}

TEST(SettingsCodec, ValuesBeyondThirtyTwoBitsSaturate) {
  EXPECT_EQ(EncodeScaled(1e12), 2147483647u);
  EXPECT_EQ(EncodeScaled(-1e12), 0x80000000u);
  EXPECT_EQ(EncodeScaled(std::numeric_limits<double>::infinity()), 2147483647u);
  EXPECT_EQ(EncodeScaled(std::nan("")), 0u);
  // 65535 - INT_MIN wraps in 32 bits instead of overflowing.
  EXPECT_EQ(EncodeAngle(1e300), 65535u + 0x80000000u);
  EXPECT_EQ(EncodeAngle(-1e300), 65535u - 2147483647u);
  EXPECT_EQ(TruncToInt32(-2.9), -2);
}

TEST(SettingsCodec, NameStyleOutsideTheThreeStylesIsShortNames) {
  EXPECT_EQ(DecodeNameStyle(0), 0);
  EXPECT_EQ(DecodeNameStyle(1), 1);
  EXPECT_EQ(DecodeNameStyle(2), 2);
  EXPECT_EQ(DecodeNameStyle(7), 0);
  EXPECT_EQ(DecodeNameStyle(0xFFFFFFFFu), 0);
}
