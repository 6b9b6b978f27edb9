// The indexed search against the plain scans on the catalogue the program
// ships: every one- and two-letter query, with and without matching case,
// must give the same page to the byte.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "catalog/CatalogLoader.h"
#include "tests/search/ReferenceSearchEngine.h"

using namespace vespera;

namespace {

const SkyCatalogs& RealSky() {
  static const std::unique_ptr<SkyCatalogs> sky = [] {
    auto catalogs = std::make_unique<SkyCatalogs>();
    EXPECT_TRUE(LoadCatalogs(*catalogs, std::string(VESPERA_PROGRAM_DIR) + "/"));
    return catalogs;
  }();
  return *sky;
}

const SearchIndex& RealIndex() {
  static const SearchIndex index(RealSky().starCatalog, RealSky().deepSkyCatalog,
                                 RealSky().constellationLabelCatalog);
  return index;
}

void ExpectSamePage(const WideString& query, bool matchCase) {
  const SkyCatalogs& sky = RealSky();
  const WideString expected = BuildReferenceSearchPage(query, matchCase, sky.starCatalog, sky.deepSkyCatalog,
                                                       sky.constellationLabelCatalog);
  const WideString actual = BuildSearchPage(query, matchCase, RealIndex());
  ASSERT_TRUE(expected == actual) << "query \"" << std::string(query.begin(), query.end()) << "\", "
                                  << (matchCase ? "matching case" : "ignoring case");
}

constexpr std::u16string_view kLetters = u"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";

TEST(RealSkySearch, CatalogueHasNamesToFind) {
  EXPECT_GT(RealSky().starCatalog.names.count(), 100u);
  EXPECT_GT(RealSky().deepSkyCatalog.names.count(), 100u);
  EXPECT_GT(RealSky().constellationLabelCatalog.labels.count(), 80u);
}

TEST(RealSkySearch, EveryOneLetterQueryGivesTheSamePage) {
  for (const bool matchCase : {false, true}) {
    for (const char16_t letter : kLetters) ASSERT_NO_FATAL_FAILURE(ExpectSamePage(WideString(1, letter), matchCase));
    for (const char16_t other : std::u16string_view(u"0123456789 -'éÉ"))
      ASSERT_NO_FATAL_FAILURE(ExpectSamePage(WideString(1, other), matchCase));
  }
}

TEST(RealSkySearch, EveryTwoLetterQueryMatchingCaseGivesTheSamePage) {
  for (const char16_t first : kLetters) {
    for (const char16_t second : kLetters) ASSERT_NO_FATAL_FAILURE(ExpectSamePage(WideString{first, second}, true));
  }
}

// Ignoring case, "Ab", "aB" and "AB" are the same search as "ab": the plain
// scans answer each lower-case pair once, and every spelling of it must give
// that page.
TEST(RealSkySearch, EveryTwoLetterQueryIgnoringCaseGivesTheSamePage) {
  const SkyCatalogs& sky = RealSky();
  const std::u16string_view lower = kLetters.substr(0, 26);
  for (std::size_t a = 0; a < 26; ++a) {
    for (std::size_t b = 0; b < 26; ++b) {
      const WideString expected = BuildReferenceSearchPage(WideString{lower[a], lower[b]}, false, sky.starCatalog,
                                                           sky.deepSkyCatalog, sky.constellationLabelCatalog);
      for (const char16_t first : {kLetters[a], kLetters[a + 26]}) {
        for (const char16_t second : {kLetters[b], kLetters[b + 26]}) {
          ASSERT_TRUE(BuildSearchPage(WideString{first, second}, false, RealIndex()) == expected)
              << "query \"" << char(first) << char(second) << "\", ignoring case";
        }
      }
    }
  }
}

}  // namespace
