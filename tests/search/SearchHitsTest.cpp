// The first step of a search on its own: which records a query finds, in
// which section and order, and where the item limit stops it.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "search/SearchEngine.h"
#include "tests/search/SearchRecords.h"

using namespace vespera;

namespace {

using Indices = std::vector<std::uint32_t>;

class SearchHitsTest : public ::testing::Test {
 protected:
  SearchHits Find(const WideString& query, bool matchCase) {
    const SearchIndex index(stars, deepSky, labels);
    return FindSearchHits(index, query, matchCase);
  }

  CatalogStore stars;
  CatalogStore deepSky;
  CatalogStore labels;
};

TEST_F(SearchHitsTest, EachSectionListsItsMatchesInTableOrder) {
  AddObject(stars, "HIP1");
  AddObject(stars, "9alp CMa");
  AddObject(stars, "HIP2");
  AddObject(stars, "alp Car");
  AddName(stars, "9alp CMa", "Sirius");
  AddName(stars, "alp Car", "Canopus");
  AddObject(deepSky, "M31");
  AddName(deepSky, "M31", "Andromeda Galaxy");
  AddLabel(labels, u"Canis Major");
  AddLabel(labels, u"Carina");

  const SearchHits hits = Find(u"CA", false);
  EXPECT_EQ(hits[SearchSection::StarDesignations], (Indices{3}));
  EXPECT_EQ(hits[SearchSection::StarNames], (Indices{1}));
  EXPECT_EQ(hits[SearchSection::DeepSkyDesignations], Indices{});
  EXPECT_EQ(hits[SearchSection::DeepSkyNames], Indices{});
  EXPECT_EQ(hits[SearchSection::Constellations], (Indices{0, 1}));
  EXPECT_FALSE(hits.stopped());

  // With the case kept, "CMa" holds "CM" but "Canopus" and "Carina" do not.
  const SearchHits exact = Find(u"CM", true);
  EXPECT_EQ(exact[SearchSection::StarDesignations], (Indices{1}));
  EXPECT_EQ(exact.itemCount(), 1u);
}

TEST_F(SearchHitsTest, AnObjectIsListedOnceHoweverOftenItsTextMatches) {
  AddObject(stars, "aaaa");
  AddObject(stars, "b");
  AddObject(stars, "aa");
  EXPECT_EQ(Find(u"a", true)[SearchSection::StarDesignations], (Indices{0, 2}));
  EXPECT_EQ(Find(u"aa", true)[SearchSection::StarDesignations], (Indices{0, 2}));
}

TEST_F(SearchHitsTest, ItemLimitStopsTheSearchAfterOneItemMore) {
  for (int i = 0; i < 600; ++i) AddObject(stars, Numbered("S", i));
  AddName(stars, "S1", "Star one");
  AddLabel(labels, u"Sagitta");
  const SearchHits hits = Find(u"s", false);
  EXPECT_EQ(hits[SearchSection::StarDesignations].size(), 513u);
  EXPECT_EQ(hits[SearchSection::StarDesignations].back(), 512u);
  EXPECT_TRUE(hits[SearchSection::StarNames].empty());
  EXPECT_TRUE(hits[SearchSection::Constellations].empty());
  EXPECT_TRUE(hits.stopped());
}

TEST_F(SearchHitsTest, ExactlyTheLimitAcrossSectionsIsNotStopped) {
  for (int i = 0; i < 500; ++i) AddObject(stars, Numbered("S", i));
  for (int i = 0; i < 11; ++i) AddName(deepSky, "X", Numbered("Swan ", i));
  AddLabel(labels, u"Sagitta");
  const SearchHits hits = Find(u"s", false);
  EXPECT_EQ(hits.itemCount(), 512u);
  EXPECT_EQ(hits[SearchSection::Constellations], (Indices{0}));
  EXPECT_FALSE(hits.stopped());
}

TEST_F(SearchHitsTest, DamagedFieldsAreMatchedOnlyWithinTheirWidth) {
  SkyObjectRecord full;
  for (std::size_t b = 12; b < SkyObjectRecord::kSize; ++b) full.bytes[b] = 'q';  // no NUL at all
  stars.objects.Append(full);
  AddObject(stars, "HIP7");
  // The match must not run on into the next designation.
  EXPECT_EQ(Find(u"qqqqqqqqqq", true)[SearchSection::StarDesignations], (Indices{0}));
  EXPECT_EQ(Find(u"qqqqqqqqqqq", true).itemCount(), 0u);
  EXPECT_EQ(Find(u"qH", true).itemCount(), 0u);

  // Names match on their first 48 bytes.
  AddName(stars, "HIP7", std::string(47, 'n') + "xy");
  EXPECT_EQ(Find(u"nx", true)[SearchSection::StarNames], (Indices{0}));
  EXPECT_EQ(Find(u"xy", true).itemCount(), 0u);
}

TEST_F(SearchHitsTest, QueryWithANulFindsNoDesignationOrName) {
  AddObject(stars, "HIP1");
  AddName(stars, "HIP1", "Name");
  EXPECT_EQ(Find(WideString(u"H\0I", 3), true).itemCount(), 0u);
  EXPECT_EQ(Find(WideString(u"\0", 1), false).itemCount(), 0u);
}

TEST_F(SearchHitsTest, EmptyQueryListsEveryNonEmptyTextAndEveryConstellation) {
  AddObject(stars, "HIP1");
  AddObject(stars, "");
  AddObject(stars, "HIP3");
  AddName(stars, "HIP1", "");
  AddLabel(labels, u"");
  const SearchHits hits = Find(u"", false);
  EXPECT_EQ(hits[SearchSection::StarDesignations], (Indices{0, 2}));
  EXPECT_TRUE(hits[SearchSection::StarNames].empty());
  EXPECT_EQ(hits[SearchSection::Constellations], (Indices{0}));
}

// The page's byte-exact form for hits with every kind of line: a designation
// with and without a common name, a name whose object is missing, and a
// search stopped at the limit.
TEST_F(SearchHitsTest, PageOfGivenHits) {
  AddObject(stars, "3alp Lyr", 0.03f);
  AddObject(stars, "HIP9", 7.5f);
  AddName(stars, "3alp Lyr", "Vega");
  AddName(stars, "gone", "Lost Star");
  AddName(stars, "3ALP LYR", "Vega Again");
  AddLabel(labels, u"Lyra");
  const SearchIndex index(stars, deepSky, labels);

  SearchHits hits;
  hits.sections[0] = {0, 1};
  hits.sections[1] = {1, 2};
  hits.sections[4] = {0};
  EXPECT_EQ(WriteSearchPage(index, hits, false),
            u"<h3>Stars catalog search</h3>"
            u"3alp lyr<BR>Name: <i>Vega</i><BR>Mag: 0.03<BR>"
            u"<div align=\"left\"><A HREF=\"STARLINK_0\">Show on map</A></div><BR>"
            u"hip9<BR>Mag: 7.50<BR><div align=\"left\"><A HREF=\"STARLINK_1\">Show on map</A></div><BR>"
            u"<h3>Stars common names search</h3>"
            u"lost star<BR><BR>"
            u"vega again<BR>Index in catalog: 3alp lyr<BR>Magnitude: 0.03<BR>"
            u"<div align=\"left\"><A HREF=\"STARLINK_0\">Show on map</A></div><BR>"
            u"<h3>DSO catalog search</h3>No objects found<BR>"
            u"<h3>DSO common names search</h3>No objects found<BR>"
            u"<h3>Constellations search</h3>"
            u"Lyra<BR><div align=\"left\"><A HREF=\"CONSTL_0\">Show on map</A></div>"
            u"<BR><BR><A HREF=\"CLOSE_WND\">Close window</A>");

  hits.sections[0].assign(513, 1);
  const WideString stopped = WriteSearchPage(index, hits, true);
  EXPECT_NE(stopped.find(u"Too many items, search stopped.<BR><BR><BR><A HREF=\"CLOSE_WND\">"), WideString::npos);
}

}  // namespace
