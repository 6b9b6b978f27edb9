#include "platform/gdi/TextLayout.h"

#include <gtest/gtest.h>

namespace {

// One pixel per character keeps widths readable.
LONG CountUnits(std::u16string_view text) { return LONG(text.size()); }

std::vector<std::u16string> Texts(const std::vector<TextLine>& lines) {
  std::vector<std::u16string> out;
  for (const TextLine& line : lines) out.emplace_back(line.text);
  return out;
}

using Lines = std::vector<std::u16string>;

TEST(BreakLines, SingleLineKeepsEverything) {
  auto lines = BreakLines(u"a\nb c", DT_SINGLELINE | DT_WORDBREAK, 1, CountUnits);
  EXPECT_EQ(Texts(lines), (Lines{u"a\nb c"}));
  EXPECT_EQ(lines[0].width, 5);
}

TEST(BreakLines, EndsLinesAtCrLfCrAndLf) {
  EXPECT_EQ(Texts(BreakLines(u"one\r\ntwo\rthree\nfour", 0, 100, CountUnits)),
            (Lines{u"one", u"two", u"three", u"four"}));
  EXPECT_EQ(Texts(BreakLines(u"one\n\ntwo", 0, 100, CountUnits)), (Lines{u"one", u"", u"two"}));
  // A final break closes the last line rather than opening an empty one.
  EXPECT_EQ(Texts(BreakLines(u"one\n", 0, 100, CountUnits)), (Lines{u"one"}));
}

TEST(BreakLines, WrapsBetweenWordsAndDropsTheBreakingSpaces) {
  EXPECT_EQ(Texts(BreakLines(u"the quick brown fox", DT_WORDBREAK, 10, CountUnits)),
            (Lines{u"the quick", u"brown fox"}));
  EXPECT_EQ(Texts(BreakLines(u"aa bb   cc", DT_WORDBREAK, 5, CountUnits)), (Lines{u"aa bb", u"cc"}));
}

TEST(BreakLines, AWordWiderThanTheLineKeepsALineOfItsOwn) {
  EXPECT_EQ(Texts(BreakLines(u"a Andromedae b", DT_WORDBREAK, 4, CountUnits)),
            (Lines{u"a", u"Andromedae", u"b"}));
}

TEST(BreakLines, WithoutWordBreakLongLinesStayWhole) {
  EXPECT_EQ(Texts(BreakLines(u"the quick brown fox", 0, 3, CountUnits)), (Lines{u"the quick brown fox"}));
}

TEST(Prefixes, SingleAmpersandsVanishAndDoubleOnesShowOne) {
  EXPECT_EQ(StripPrefixes(u"Reset &view"), u"Reset view");
  EXPECT_EQ(StripPrefixes(u"Stars && planets"), u"Stars & planets");
  EXPECT_EQ(StripPrefixes(u"trailing&"), u"trailing");
  EXPECT_EQ(StripPrefixes(u"&&&x"), u"&x");
}

TEST(Tabs, ExpandToEightColumnStops) {
  EXPECT_EQ(ExpandTabs(u"a\tb"), u"a       b");
  EXPECT_EQ(ExpandTabs(u"12345678\tx"), u"12345678        x");
  EXPECT_EQ(ExpandTabs(u"ab\ncd\te"), u"ab\ncd      e");
}

TEST(CodePoints, DecodesPairsAndReplacesLoneSurrogates) {
  std::u32string seen;
  const char16_t text[] = {u'a', 0xD83D, 0xDE00, 0xDC00, 0xD800, 0};
  ForEachCodePoint(text, [&](char32_t c) { seen.push_back(c); });
  EXPECT_EQ(seen, (std::u32string{U'a', 0x1F600, 0xFFFD, 0xFFFD}));
}

}  // namespace
