#include "search/SearchEngine.h"

#include <gtest/gtest.h>

#include <array>

#include <cstring>
#include <string>

#include "search/BodySearch.h"
#include "tests/search/SearchRecords.h"

using namespace vespera;

namespace {

const WideString kEmptyPage =
    u"<h3>Stars catalog search</h3>No stars found<BR>"
    u"<h3>Stars common names search</h3>No stars found<BR>"
    u"<h3>DSO catalog search</h3>No objects found<BR>"
    u"<h3>DSO common names search</h3>No objects found<BR>"
    u"<h3>Constellations search</h3>No objects found<BR>"
    u"<BR><BR><A HREF=\"CLOSE_WND\">Close window</A>";

std::size_t CountOf(const WideString& page, std::u16string_view text) {
  std::size_t count = 0;
  for (auto at = page.find(text); at != WideString::npos; at = page.find(text, at + 1)) ++count;
  return count;
}

// The text one section contributes: from its heading up to the next heading
// or the end of the results.
WideString Section(const WideString& page, std::u16string_view heading) {
  const auto start = page.find(heading);
  if (start == WideString::npos) return u"(missing section)";
  auto end = page.find(u"<h3>", start + heading.size());
  if (end == WideString::npos) end = page.find(u"<BR><BR><A HREF=\"CLOSE_WND\">");
  return page.substr(start + heading.size(), end - start - heading.size());
}

class SearchEngine : public ::testing::Test {
 protected:
  WideString Search(const WideString& query, bool matchCase) {
    return BuildSearchPage(query, matchCase, stars, deepSky, labels);
  }

  CatalogStore stars;
  CatalogStore deepSky;
  CatalogStore labels;
};

TEST_F(SearchEngine, EmptyTablesGiveEveryHeadingWithItsEmptyLine) {
  EXPECT_EQ(Search(u"M31", true), kEmptyPage);
  EXPECT_EQ(Search(u"M31", false), kEmptyPage);
}

TEST_F(SearchEngine, FullPageForAnObjectListedInTwoSections) {
  AddObject(stars, "3alp Lyr", 0.03f);
  AddObject(stars, "18del Cyg", 2.87f);
  AddName(stars, "3alp Lyr", "Vega");
  AddName(stars, "18del Cyg", "Delta Cygni");
  AddLabel(labels, u"Cygnus");

  EXPECT_EQ(Search(u"DEL", false),
            u"<h3>Stars catalog search</h3>"
            u"18del cyg<BR>Name: <i>Delta Cygni</i><BR>Mag: 2.87<BR>"
            u"<div align=\"left\"><A HREF=\"STARLINK_1\">Show on map</A></div><BR>"
            u"<h3>Stars common names search</h3>"
            u"delta cygni<BR>Index in catalog: 18del cyg<BR>Magnitude: 2.87<BR>"
            u"<div align=\"left\"><A HREF=\"STARLINK_1\">Show on map</A></div><BR>"
            u"<h3>DSO catalog search</h3>No objects found<BR>"
            u"<h3>DSO common names search</h3>No objects found<BR>"
            u"<h3>Constellations search</h3>No objects found<BR>"
            u"<BR><BR><A HREF=\"CLOSE_WND\">Close window</A>");

  // Matching case: texts as stored, except the lookup key, which is folded.
  EXPECT_EQ(Section(Search(u"Vega", true), u"<h3>Stars common names search</h3>"),
            u"Vega<BR>Index in catalog: 3alp lyr<BR>Magnitude: 0.03<BR>"
            u"<div align=\"left\"><A HREF=\"STARLINK_0\">Show on map</A></div><BR>");
  EXPECT_EQ(Section(Search(u"alp", true), u"<h3>Stars catalog search</h3>"),
            u"3alp Lyr<BR>Name: <i>Vega</i><BR>Mag: 0.03<BR>"
            u"<div align=\"left\"><A HREF=\"STARLINK_0\">Show on map</A></div><BR>");
}

TEST_F(SearchEngine, MatchCaseDecidesWhetherLowerCaseFindsAName) {
  AddObject(stars, "3alp Lyr", 0.03f);
  AddName(stars, "3alp Lyr", "Vega");
  EXPECT_EQ(Search(u"vega", true), kEmptyPage);
  EXPECT_EQ(Section(Search(u"vega", false), u"<h3>Stars common names search</h3>").substr(0, 8),
            u"vega<BR>");
  // The fold covers the code page's accented letters on both sides.
  AddName(stars, "", "\xC9toile \xE0 l'est");
  EXPECT_EQ(Section(Search(u"\u00C9TOILE \u00C0", false), u"<h3>Stars common names search</h3>"),
            u"\u00E9toile \u00E0 l'est<BR><BR>");
}

TEST_F(SearchEngine, QueryIsUsedAsTypedWithoutTrimming) {
  AddObject(stars, "18del Cyg", 2.87f);
  EXPECT_EQ(Search(u"Cyg ", true), kEmptyPage);
  EXPECT_NE(Search(u"del C", true), kEmptyPage);
  EXPECT_EQ(Search(u"del c", true), kEmptyPage);
}

TEST_F(SearchEngine, NameMatchesAndShowsOnlyItsFirst48Bytes) {
  const std::string name = "The quite remarkably long name of this one star X tail";
  ASSERT_GT(name.size(), 48u);
  AddName(stars, "1 Tst", name);
  EXPECT_EQ(Search(u"tail", false), kEmptyPage);
  EXPECT_EQ(Section(Search(u"star", false), u"<h3>Stars common names search</h3>"),
            u"the quite remarkably long name of this one star <BR><BR>");
}

TEST_F(SearchEngine, NameWhoseObjectIsMissingIsListedWithoutLink) {
  AddObject(stars, "1 Tst", 5.0f);
  AddName(stars, "99zzz", "Lonely name");
  AddName(stars, "", "Lonely without key");
  EXPECT_EQ(Section(Search(u"Lonely", true), u"<h3>Stars common names search</h3>"),
            u"Lonely name<BR><BR>Lonely without key<BR><BR>");
}

TEST_F(SearchEngine, NameLinksToTheFirstObjectWhoseFoldedDesignationEqualsItsKey) {
  AddObject(deepSky, "7000", 4.0f);
  AddObject(deepSky, "IC 434", 6.8f);
  AddObject(deepSky, "ic 434", 7.2f);
  AddObject(deepSky, "B 33", kPlaceholderMagnitude);
  AddName(deepSky, "Ic 434", "Horsehead");
  AddName(deepSky, "B 33", "Horsehead Nebula");
  // A placeholder is no magnitude and is not shown as one.
  EXPECT_EQ(Section(Search(u"Horse", true), u"<h3>DSO common names search</h3>"),
            u"Horsehead<BR>Index in catalog: ic 434<BR>Magnitude: 6.80<BR>"
            u"<div align=\"left\"><A HREF=\"DSOLINK_1\">Show on map</A></div><BR>"
            u"Horsehead Nebula<BR>Index in catalog: b 33<BR>Magnitude: unknown<BR>"
            u"<div align=\"left\"><A HREF=\"DSOLINK_3\">Show on map</A></div><BR>");
}

TEST_F(SearchEngine, DesignationShowsANameOnlyForAnExactKey) {
  AddObject(deepSky, "224", 3.44f);
  AddObject(deepSky, "IC 1396", 3.5f);
  AddName(deepSky, "224", "Andromeda Galaxy");
  AddName(deepSky, "ic 1396", "Elephant's Trunk");
  EXPECT_EQ(Section(Search(u"2", true), u"<h3>DSO catalog search</h3>"),
            u"224<BR>Name: <i>Andromeda Galaxy</i><BR>Mag: 3.44<BR>"
            u"<div align=\"left\"><A HREF=\"DSOLINK_0\">Show on map</A></div><BR>");
  EXPECT_EQ(Section(Search(u"ic", false), u"<h3>DSO catalog search</h3>"),
            u"ic 1396<BR>Mag: 3.50<BR>"
            u"<div align=\"left\"><A HREF=\"DSOLINK_1\">Show on map</A></div><BR>");
}

TEST_F(SearchEngine, ConstellationsMatchTheWideQueryAndShowTheStoredName) {
  AddLabel(labels, u"Andromeda");
  AddLabel(labels, u"Bo\u00F6tes");
  AddLabel(labels, u"Canes Venatici");
  const WideString page = Search(u"BO\u00D6", false);
  EXPECT_EQ(Section(page, u"<h3>Constellations search</h3>"),
            u"Bo\u00F6tes<BR><div align=\"left\"><A HREF=\"CONSTL_1\">Show on map</A></div>");
  EXPECT_EQ(CountOf(page, u"No stars found<BR>"), 2u);
  EXPECT_EQ(CountOf(page, u"No objects found<BR>"), 2u);
  // Outside the code page: the wide query still matches constellation names.
  AddLabel(labels, u"\u03A9mega");
  EXPECT_EQ(CountOf(Search(u"\u03C9", false), u"CONSTL_3"), 1u);
}

TEST_F(SearchEngine, DamagedDesignationFillingItsFieldIsCutAtTenBytes) {
  SkyObjectRecord record;
  std::memcpy(record.bytes.data() + 12, "ABCDEFGHIJ", 10);
  record.SetMagnitude(-1.46f);
  stars.objects.Append(record);
  EXPECT_EQ(Section(Search(u"J", true), u"<h3>Stars catalog search</h3>"),
            u"ABCDEFGHIJ<BR>Mag: -1.46<BR>"
            u"<div align=\"left\"><A HREF=\"STARLINK_0\">Show on map</A></div><BR>");
}

TEST_F(SearchEngine, QueryLongerThanTheNarrowBufferFindsNothing) {
  AddObject(stars, "1 Tst", 5.0f);
  AddName(stars, "1 Tst", std::string(300, 'a'));
  EXPECT_EQ(Search(WideString(300, u'a'), true), kEmptyPage);
}

TEST_F(SearchEngine, ItemLimitStopsAfter513Items) {
  for (int i = 0; i < 600; ++i) AddObject(stars, "HIP " + std::to_string(i), 6.0f);
  AddName(stars, "HIP 1", "Hip hop");
  AddLabel(labels, u"Hipparcos");
  const WideString page = Search(u"hip", false);
  EXPECT_EQ(CountOf(page, u"Show on map"), 513u);
  EXPECT_NE(page.find(u"STARLINK_512\""), WideString::npos);
  EXPECT_EQ(page.find(u"STARLINK_513\""), WideString::npos);
  const auto tail = page.find(u"<h3>Stars common names search</h3>");
  ASSERT_NE(tail, WideString::npos);
  EXPECT_EQ(page.substr(tail),
            u"<h3>Stars common names search</h3>No stars found<BR>"
            u"<h3>DSO catalog search</h3>No objects found<BR>"
            u"<h3>DSO common names search</h3>No objects found<BR>"
            u"<h3>Constellations search</h3>No objects found<BR>"
            u"Too many items, search stopped.<BR>"
            u"<BR><BR><A HREF=\"CLOSE_WND\">Close window</A>");
}

TEST_F(SearchEngine, LimitCountsAcrossSections) {
  for (int i = 0; i < 300; ++i) AddObject(stars, Numbered("S", i, " x"), 6.0f);
  for (int i = 0; i < 212; ++i) AddObject(deepSky, Numbered("D", i, " x"), 9.0f);
  const auto tooMany = u"Too many items, search stopped.<BR>";

  WideString page = Search(u"x", true);  // exactly 512 in all
  EXPECT_EQ(CountOf(page, u"Show on map"), 512u);
  EXPECT_EQ(page.find(tooMany), WideString::npos);

  // The 513th item is still listed, by whichever section reaches it.
  AddLabel(labels, u"Lynx");
  AddLabel(labels, u"Pyxis");
  page = Search(u"x", true);
  EXPECT_EQ(CountOf(page, u"Show on map"), 513u);
  EXPECT_NE(page.find(u"CONSTL_0\""), WideString::npos);
  EXPECT_EQ(page.find(u"CONSTL_1\""), WideString::npos);
  EXPECT_NE(page.find(tooMany), WideString::npos);
}

// The bodies' section: a name is found by its beginning or as a word of the
// query, whatever the case; a body without a magnitude shows none.
TEST(BodySearch, FindsANameByItsBeginningOrAsAWordOfTheQuery) {
  for (const char16_t* query : {u"Jupiter", u"jup", u"JUP", u"  jupiter ", u"planet jupiter"})
    EXPECT_TRUE(BodyNameMatches(u"Jupiter", query));
  for (const char16_t* query : {u"", u"  ", u"piter", u"jupiters", u"jup saturn"})
    EXPECT_FALSE(BodyNameMatches(u"Jupiter", query));

  const std::array<SearchableBody, 3> bodies{{{0, u"Sun", std::nullopt}, {1, u"Moon", -12.1}, {5, u"Jupiter", -2.14}}};
  EXPECT_EQ(WriteBodySection(bodies, u"moon"),
            u"<h3>Solar system search</h3>Moon<BR>Magnitude: -12.1<BR>"
            u"<div align=\"left\"><A HREF=\"BODYLINK_1\">Show on map</A></div><BR>");
  EXPECT_EQ(WriteBodySection(bodies, u"sun"),
            u"<h3>Solar system search</h3>Sun<BR><div align=\"left\"><A HREF=\"BODYLINK_0\">Show on map</A></div><BR>");
  EXPECT_EQ(WriteBodySection(bodies, u"M31"), u"<h3>Solar system search</h3>No objects found<BR>");
}

}  // namespace
