#include "fuzz/targets/FuzzInput.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::span<const std::uint8_t> Bytes(std::string_view text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

TEST(FuzzInput, SplitsFlagsAndPartsTheWaySeedsAreWritten) {
  const std::string bytes = std::string("\x03\x80\x01\x00\x00\x02", 6) + "abc@@@@@@@@de@@@@";
  FuzzInput input(Bytes(bytes));
  EXPECT_EQ(input.TakeByte(), 3);
  EXPECT_EQ(input.TakeU32(), 0x00000180u);
  EXPECT_EQ(input.TakeByte(), 2);
  EXPECT_EQ(input.TakePart(), "abc");
  EXPECT_EQ(input.TakePart(), "");
  EXPECT_EQ(input.TakePart(), "de");
  EXPECT_TRUE(input.empty());
  EXPECT_EQ(input.TakePart(), "");
}

TEST(FuzzInput, AnExhaustedInputReadsAsZerosAndEmptyParts) {
  FuzzInput input(Bytes("\x07"));
  EXPECT_EQ(input.TakeU32(), 7u);
  EXPECT_EQ(input.TakeByte(), 0);
  EXPECT_EQ(input.TakeRest(), "");
}

TEST(FuzzInput, APartWithoutSeparatorTakesTheRest) {
  FuzzInput input(Bytes("x@@@y@@@"));
  EXPECT_EQ(input.TakePart(), "x@@@y@@@");
  EXPECT_TRUE(input.empty());
}

}  // namespace
