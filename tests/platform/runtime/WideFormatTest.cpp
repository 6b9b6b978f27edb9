#include "platform/runtime/WideFormat.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(WideFormat, FillsTextAndNumbersInOrder) {
  EXPECT_EQ(FormatWide(u"DSO: NGC-%s, %s, mag: %.2f", {u"1976", u"Orion Nebula", 4.0}),
            u"DSO: NGC-1976, Orion Nebula, mag: 4.00");
  EXPECT_EQ(FormatWide(u"%s. Drawing time: %.2fs.", {u"Ready", 0.5}), u"Ready. Drawing time: 0.50s.");
  EXPECT_EQ(FormatWide(u"%f|%.0f|%.1f", {1.5, 2.5, -0.04}), u"1.500000|2|-0.0");
  EXPECT_EQ(FormatWide(u"100%% \u00e9 %s", {u"\u03b1 UMi"}), u"100% \u00e9 \u03b1 UMi");
}

TEST(WideFormat, ValuesOutsideTheOrdinaryRangeAreWrittenNotTrusted) {
  EXPECT_EQ(FormatWide(u"mag: %.2f", {std::numeric_limits<double>::quiet_NaN()}), u"mag: nan");
  EXPECT_EQ(FormatWide(u"%.2f", {-std::numeric_limits<double>::infinity()}), u"-inf");
  const WideString huge = FormatWide(u"%.2f", {std::numeric_limits<double>::max()});
  EXPECT_EQ(huge.size(), 309u + 3u);
  EXPECT_EQ(FormatWide(u"%.999f", {1.0}).size(), 2u + kMaxWideFormatPrecision);
}

TEST(WideFormat, MissingOrMismatchedArgumentsWriteNothing) {
  EXPECT_EQ(FormatWide(u"[%s][%.2f]", {}), u"[][]");
  EXPECT_EQ(FormatWide(u"[%s][%.2f]", {1.0, u"x"}), u"[][]");
  EXPECT_EQ(FormatWide(u"%d %x %.s 50%", {u"a"}), u"%d %x %.s 50%");
}

}  // namespace
