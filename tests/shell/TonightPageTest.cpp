// The brightest-objects part of the Tonight page, on a small catalogue seen
// from the north pole, where an object's altitude is its declination: only
// list objects of known magnitude above 30 degrees, brightest first, a label
// once, ten at most; and the night starts at the place's mean solar noon.

#include <gtest/gtest.h>

#include <string>

#include "platform/runtime/CodePage.h"
#include "shell/TonightPage.h"

using namespace vespera;

namespace {

std::string Page(const CatalogStore& deepSky) {
  const std::vector<ListedObject> listed = ListedDeepSkyObjects(deepSky);
  TonightInputs inputs{{90, 0}, UtcInstant(std::chrono::seconds(1710970200)), false, &deepSky, &listed};
  return WideToUtf8(BuildTonightPage(inputs));
}

TEST(TonightPage, NamesTheTenBrightestListObjectsHighEnoughOncePerLabel) {
  CatalogStore deepSky;
  // Twelve Messier objects at declination 60, magnitudes 12 down to 1.
  for (int i = 1; i <= 12; ++i) {
    const std::string designation = std::to_string(1000 + i);
    deepSky.objects.Append(MakeObjectRecord(float(i * 25), 60, float(13 - i), designation));
    deepSky.names.Append(MakeNameRecord(designation, std::string("M").append(std::to_string(i))));  // appended: GCC 12 -O3 -Wrestrict
  }
  // Brighter than all of them, but too low, of unknown magnitude, or in no list.
  deepSky.objects.Append(MakeObjectRecord(10, 20, 0.5f, "2001"));
  deepSky.names.Append(MakeNameRecord("2001", "M20 Low"));
  deepSky.objects.Append(MakeObjectRecord(10, 70, kPlaceholderMagnitude, "2002"));
  deepSky.names.Append(MakeNameRecord("2002", "C30 Unknown"));
  deepSky.objects.Append(MakeObjectRecord(10, 70, 0.1f, "2003"));
  deepSky.names.Append(MakeNameRecord("2003", "Mel 99"));
  // One label for two objects (as the Double Cluster's): named once.
  deepSky.objects.Append(MakeObjectRecord(30, 57, 0.3f, "869"));
  deepSky.objects.Append(MakeObjectRecord(35, 57, 0.4f, "884"));
  deepSky.names.Append(MakeNameRecord("869", "C14 Pair"));
  deepSky.names.Append(MakeNameRecord("884", "C14 Pair"));

  const std::string page = Page(deepSky);
  const std::size_t start = page.find("Brightest Messier and Caldwell objects");
  ASSERT_NE(start, std::string::npos) << page;
  std::vector<std::string> shown;
  for (std::size_t at = page.find("\">", page.find("DSOLINK_", start)); at != std::string::npos;) {
    shown.push_back(page.substr(at + 2, page.find("</A>", at) - at - 2));
    const std::size_t next = page.find("DSOLINK_", at);
    at = next == std::string::npos ? next : page.find("\">", next);
  }
  const std::vector<std::string> want = {"C14 Pair", "M12", "M11", "M10", "M9", "M8", "M7", "M6", "M5", "M4"};
  EXPECT_EQ(shown, want) << page;
}

TEST(TonightPage, TheNightStartsAtTheMeanSolarNoonAtOrBeforeTheShownTime) {
  using namespace std::chrono;
  const UtcInstant noonAtGreenwich = sys_days(2024y / March / 20) + hours(12);
  // 90 degrees east: noon comes six hours before Greenwich's.
  EXPECT_EQ(TonightStart(noonAtGreenwich - hours(6), {0, 90}), noonAtGreenwich - hours(6));
  EXPECT_EQ(TonightStart(noonAtGreenwich - hours(6) - seconds(1), {0, 90}), noonAtGreenwich - hours(30));
  // After midnight the night is still the one that began the day before.
  EXPECT_EQ(TonightStart(noonAtGreenwich + hours(14), {51.5, 0}), noonAtGreenwich);
  EXPECT_EQ(TonightStart(noonAtGreenwich + hours(8), {0, -120}), noonAtGreenwich + hours(8));
}

}  // namespace
