#include <gtest/gtest.h>

#include "tools/datagen/AnsiText.h"
#include "tools/datagen/StarCatalog.h"

using namespace vespera;

namespace {

std::string Designation(long hip, const char* flamsteed, const char* bayer, const char* constellation) {
  return StarDesignation({hip, flamsteed, bayer, constellation});
}

TEST(StarDesignation, FlamsteedGreekLetterAndConstellation) {
  EXPECT_EQ(Designation(97165, "18", "δ", "Cyg"), "18del Cyg");
  EXPECT_EQ(Designation(91262, "3", "α", "Lyr"), "3alp Lyr");
  EXPECT_EQ(Designation(1, "", "ω", "Cap"), "ome Cap");
  EXPECT_EQ(Designation(1, "", "ο", "Cet"), "omi Cet");
  EXPECT_EQ(Designation(1, "", "μ", "Cep"), "mu Cep");
}

TEST(StarDesignation, KeepsTheSuperscriptDigitAndDropsTheNumberWhenTooLong) {
  EXPECT_EQ(Designation(1, "", "κ1", "Cet"), "kap1 Cet");
  EXPECT_EQ(Designation(1, "", "κ\u00B2", "Cet"), "kap2 Cet");
  EXPECT_EQ(Designation(1, "9", "ι1", "Cnc"), "9iot1 Cnc");
  // 10 characters with the number: the Flamsteed number goes.
  EXPECT_EQ(Designation(1, "12", "κ1", "Ori"), "kap1 Ori");
  EXPECT_EQ(Designation(1, "114", "ups", "Tau"), "114 Tau");  // not a Bayer letter
}

TEST(StarDesignation, LatinLettersOnlyWithoutAFlamsteedNumber) {
  EXPECT_EQ(Designation(194, "32", "c", "Psc"), "32 Psc");
  EXPECT_EQ(Designation(194, "", "c", "Psc"), "c Psc");
  EXPECT_EQ(Designation(194, "", "A2", "Cen"), "A2 Cen");
}

TEST(StarDesignation, FallsBackToTheHipparcosNumber) {
  EXPECT_EQ(Designation(118322, "", "", "And"), "HIP118322");
  EXPECT_EQ(Designation(7, "61", "", ""), "HIP7");      // no constellation
  EXPECT_EQ(Designation(7, "61", "", "Cygnus"), "HIP7");  // not an abbreviation
  EXPECT_EQ(Designation(7, "", "?", "Cyg"), "HIP7");
  EXPECT_EQ(Designation(7, "x1", "", "Cyg"), "HIP7");   // not a number
}

TEST(AnsiText, SpellsOutWhatTheCodePageLacks) {
  EXPECT_EQ(Utf8ToAnsiSpelled("α Per Cluster"), "alpha Per Cluster");
  EXPECT_EQ(Utf8ToAnsiSpelled("Ω Σ ς"), "omega sigma sigma");
  EXPECT_EQ(Utf8ToAnsiSpelled("Bibhā"), "Bibha");
  EXPECT_EQ(Utf8ToAnsiSpelled("HD\u20098890"), "HD 8890");
  EXPECT_EQ(Utf8ToAnsiSpelled("\u200e\u200eX"), "X");
}

TEST(AnsiText, KeepsWhatTheCodePageHolds) {
  EXPECT_EQ(Utf8ToAnsiSpelled("Ptolemy\u00B4s"), "Ptolemy\xB4s");
  EXPECT_EQ(Utf8ToAnsiSpelled("M\u00F6nch"), "M\xF6nch");
  EXPECT_EQ(Utf8ToAnsiSpelled("Cat\u2019s Eye"), "Cat\x92s Eye");
  EXPECT_EQ(Utf8ToAnsiSpelled("\u0160"), "\x8A");  // in the code page, not reduced to S
}

TEST(AnsiText, BrokenUtf8NeverReadsPastTheText) {
  EXPECT_EQ(Utf8ToAnsiSpelled("ab\xCE"), "ab?");       // sequence cut at the end
  EXPECT_EQ(Utf8ToAnsiSpelled("\xE2\x80"), "??");
  EXPECT_EQ(Utf8ToAnsiSpelled("\xFF" "a"), "?a");
  EXPECT_EQ(Utf8ToAnsiSpelled("\xCE" "a"), "?a");      // lead byte without continuation
  EXPECT_EQ(Utf8ToAnsiSpelled("\xF0\x9F\x8C\x9F"), "?");  // outside the code page
}

}  // namespace
