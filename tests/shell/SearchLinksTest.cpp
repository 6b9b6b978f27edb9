// Reading the search page's links back: which catalogue, which record.

#include <gtest/gtest.h>

#include <limits>

#include "platform/htmlview/HtmlView.h"
#include "shell/HtmlPages.h"
#include "shell/SearchLinks.h"

using namespace vespera;

namespace {

void ExpectChoice(std::u16string_view target, std::intptr_t code, std::int32_t index) {
  const std::optional<SearchChoice> choice = ParseResultLink(target);
  ASSERT_TRUE(choice.has_value());
  EXPECT_EQ(choice->resultCode, code);
  EXPECT_EQ(choice->resultIndex, index);
}

TEST(SearchLinksTest, EachPrefixNamesItsCatalogueAndTheNumberItsRecord) {
  ExpectChoice(u"STARLINK_0", kSearchShowStar, 0);
  ExpectChoice(u"STARLINK_118215", kSearchShowStar, 118215);
  ExpectChoice(u"DSOLINK_42", kSearchShowDeepSky, 42);
  ExpectChoice(u"CONSTL_87", kSearchShowConstellation, 87);
  ExpectChoice(u"BODYLINK_5", kSearchShowBody, 5);
  // Wherever the prefix stands, and whatever follows the digits.
  ExpectChoice(u"about:STARLINK_12#top", kSearchShowStar, 12);
  ExpectChoice(u"DSOLINK_7x9", kSearchShowDeepSky, 7);
}

TEST(SearchLinksTest, StarsAreTriedFirstThenDeepSkyThenConstellations) {
  ExpectChoice(u"CONSTL_3STARLINK_5", kSearchShowStar, 5);
  ExpectChoice(u"CONSTL_3DSOLINK_4", kSearchShowDeepSky, 4);
  // Only the first occurrence counts.
  ExpectChoice(u"STARLINK_STARLINK_9", kSearchShowStar, 0);
}

TEST(SearchLinksTest, OddNumbersReadAsTheDeviceReadsThem) {
  ExpectChoice(u"STARLINK_", kSearchShowStar, 0);
  ExpectChoice(u"STARLINK_abc", kSearchShowStar, 0);
  ExpectChoice(u"STARLINK_+15", kSearchShowStar, 15);
  ExpectChoice(u"STARLINK_-1", kSearchShowStar, -1);
  // Beyond the 32-bit range the number stops at its end rather than wrapping
  // round to an index some table holds.
  ExpectChoice(u"STARLINK_4294967297", kSearchShowStar, std::numeric_limits<std::int32_t>::max());
  ExpectChoice(u"DSOLINK_99999999999999999999999", kSearchShowDeepSky, std::numeric_limits<std::int32_t>::max());
  ExpectChoice(u"CONSTL_-99999999999999", kSearchShowConstellation, std::numeric_limits<std::int32_t>::min());
}

TEST(SearchLinksTest, OtherTargetsNameNothing) {
  EXPECT_FALSE(ParseResultLink(u"CLOSE_WND").has_value());
  EXPECT_FALSE(ParseResultLink(u"").has_value());
  EXPECT_FALSE(ParseResultLink(u"starlink_5").has_value());
  EXPECT_FALSE(ParseResultLink(u"STARLINK5").has_value());
}

TEST(HtmlLinkNotificationTest, OnlyTheViewsOwnLinkNotificationCarriesATarget) {
  NM_HTMLVIEW link;
  link.hdr.idFrom = 102;
  link.hdr.code = NM_HOTSPOT;
  link.szTarget = u"CLOSE_WND";
  EXPECT_EQ(ActivatedLinkTarget(link.hdr, 102), std::optional<WideString>(u"CLOSE_WND"));
  EXPECT_FALSE(ActivatedLinkTarget(link.hdr, 104).has_value());
  link.szTarget = nullptr;
  EXPECT_EQ(ActivatedLinkTarget(link.hdr, 102), std::optional<WideString>(u""));
  link.hdr.code = NM_HOTSPOT + 1;
  EXPECT_FALSE(ActivatedLinkTarget(link.hdr, 102).has_value());
}

}  // namespace
