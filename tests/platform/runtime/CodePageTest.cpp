#include "platform/runtime/CodePage.h"

#include <gtest/gtest.h>

TEST(CodePage, EveryAnsiByteSurvivesTheRoundTripThroughWideText) {
  for (int b = 1; b < 256; ++b) {
    const std::string ansi(1, static_cast<char>(b));
    EXPECT_EQ(WideToAnsi(AnsiToWide(ansi)), ansi) << "byte " << b;
  }
  EXPECT_EQ(AnsiToWide("\x80\x8A\x9F\xE9"), u"\u20AC\u0160\u0178\u00E9");
}

TEST(CodePage, AnsiFieldStopsAtNulOrAtItsWidth) {
  const char field[10] = {'1', '8', 'd', 'e', 'l', ' ', 'C', 'y', 'g', 'X'};
  EXPECT_EQ(AnsiToWide(field, 9), u"18del Cyg");
  EXPECT_EQ(AnsiToWide("ab\0cd", 5), u"ab");
}

TEST(CodePage, WideTextOutsideTheCodePageBecomesOneReplacementPerCharacter) {
  EXPECT_EQ(WideToAnsi(u"a\u03B1b"), "a?b");
  EXPECT_EQ(WideToAnsi(u"\U0001F31F!"), "?!");  // a surrogate pair is one character
  EXPECT_EQ(WideToAnsi(u"\xD800x"), "?x");      // so is a lone surrogate
}

TEST(CodePage, Utf8DecodesValidTextAndReplacesEveryBadSequence) {
  EXPECT_EQ(Utf8ToWide("Vega \xC2\xB5 \xE2\x82\xAC \xF0\x9F\x8C\x9F"), u"Vega \u00B5 \u20AC \U0001F31F");
  EXPECT_EQ(Utf8ToWide("a\xFF" "b"), u"a\uFFFDb");
  EXPECT_EQ(Utf8ToWide("\xC0\xAF"), u"\uFFFD\uFFFD");       // overlong lead byte
  EXPECT_EQ(Utf8ToWide("\xED\xA0\x80z"), u"\uFFFDz");       // encoded surrogate
  EXPECT_EQ(Utf8ToWide("ok\xE2\x82"), u"ok\uFFFD");         // cut off at the end
  EXPECT_EQ(Utf8ToWide("\xE2\x82" "A"), u"\uFFFDA");        // cut off before ASCII
}

TEST(CodePage, Utf8RoundTripsWideTextAndRepairsLoneSurrogates) {
  const std::u16string text = u"Caf\u00E9 \u03A9 \U0001F31F";
  EXPECT_EQ(Utf8ToWide(WideToUtf8(text)), text);
  EXPECT_EQ(WideToUtf8(u"\xDC00"), "\xEF\xBF\xBD");
}
