#include <gtest/gtest.h>

#include <stdexcept>

#include "tools/datagen/FactText.h"
#include "tools/datagen/OtherNames.h"
#include "tools/datagen/PackageComparison.h"

using namespace vespera;

namespace {

TEST(FactText, PositionsAsReferenceListsWriteThem) {
  EXPECT_NEAR(*ParseRightAscension("12 30.8"), 187.7, 1e-9);
  EXPECT_NEAR(*ParseRightAscension("00 00.0"), 0.0, 1e-9);
  EXPECT_NEAR(*ParseDeclination("+12 24"), 12.4, 1e-9);
  EXPECT_NEAR(*ParseDeclination("-00 49"), -49.0 / 60, 1e-9);  // the sign of a southern object north of -1
  EXPECT_NEAR(*ParseDeclination("-90 00"), -90.0, 1e-9);
  for (const char* bad : {"", "12", "24 00.0", "-1 00.0", "12 60.0", "12.5 10", "12 30.8x", "twelve"}) {
    SCOPED_TRACE(bad);
    EXPECT_FALSE(ParseRightAscension(bad));
  }
  for (const char* bad : {"", "12 24", "+90 01", "+12 60", "+-12 24", "+12", "+12 24 7"}) {
    SCOPED_TRACE(bad);
    EXPECT_FALSE(ParseDeclination(bad));
  }
}

TEST(FactText, SizesReadAndPrintAsAnObserverExpects) {
  struct Case {
    const char* text;
    const char* printed;
  };
  const Case cases[] = {
      {"178x63", "178' x 63'"}, {"8.0x5.7", "8.0' x 5.7'"}, {"36", "36'"},         {"7", "7.0'"},
      {"9.96", "10'"},           {"0.33", "20\""},           {"0.67x0.58", "40\" x 35\""},
      {"1.5x0.74", "1.5' x 0.7'"}, {"20x20", "20'"},         {"20.2x19.8", "20'"},  // alike once printed
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const auto size = ParseAngularSize(c.text);
    ASSERT_TRUE(size);
    EXPECT_EQ(FormatAngularSize(*size), c.printed);
  }
  for (const char* bad : {"", "0", "x", "0x0", "5x8", "-3", "3x", "8x5x2", "nan"}) {
    SCOPED_TRACE(bad);
    EXPECT_FALSE(ParseAngularSize(bad));
  }
}

ListedObject Listed(const std::string& label, SkyPoint point, std::optional<float> magnitude,
                    const DeepSkyEntry* entry = nullptr) {
  ListedObject object;
  object.label = label;
  object.point = point;
  object.magnitude = magnitude;
  object.entry = entry;
  return object;
}

Json MessierFeature(const char* id, double lon, double lat, const Json& magnitude) {
  return {{"id", id}, {"properties", {{"mag", magnitude}}}, {"geometry", {{"coordinates", {lon, lat}}}}};
}

TEST(PackageComparison, ReportsWhatAnObserverWouldNotice) {
  const Json messier = {{"features",
                         {MessierFeature("M87", -172.3, 12.4, 8.6), MessierFeature("M102", -133.377, 55.76, 9.9),
                          MessierFeature("M5", -130.35, 2.083, 5.8), MessierFeature("M40", -174.4, 58.083, 999)}}};
  const std::vector<ListedObject> objects = {
      Listed("M87", {187.7f, 12.4f}, 8.6f),                 // agrees
      Listed("M102", {226.623f, 55.76f + 0.15f}, 9.9f),     // 0.15 degree north
      Listed("M5", {229.65f, 2.083f}, 5.25f),               // 0.55 brighter
      Listed("M40", {185.6f, 58.083f}, 8.4f),               // the package has no magnitude
      Listed("M1", {83.6f, 22.0f}, 8.4f)};                  // not in the package at all
  const auto found = CompareWithPackage(objects, kMessierList, messier);
  ASSERT_EQ(found.size(), 2u);
  EXPECT_EQ(found[0].label, "M102");
  EXPECT_EQ(found[0].what, "position 0.15 degrees from the package's");
  EXPECT_EQ(found[1].label, "M5");
  EXPECT_EQ(found[1].what, "magnitude 5.2, package 5.80");

  // Other lists are compared with the package's general deep-sky entry.
  DeepSkyEntry omega;
  omega.point = {201.697f, -47.479f};
  omega.magnitude = 5.33f;
  const auto caldwell = CompareWithPackage({Listed("C80", {201.7f, -47.48f}, 3.9f, &omega)}, kCaldwellList, messier);
  ASSERT_EQ(caldwell.size(), 1u);
  EXPECT_EQ(caldwell[0].what, "magnitude 3.9, package 5.33");
}

TEST(PackageComparison, EveryDisagreementNeedsAnExplanationAndEveryExplanationADisagreement) {
  const Json file = {{"packageDisagreements", {{"M102", "The package confuses it with M101."},
                                               {"M13", "Stale: M13 agrees."}}}};
  const auto explanations = ParseExplanations(file, kMessierList);
  const auto problems = UnexplainedDisagreements({{"M102", "position 0.8 degrees"}, {"M87", "magnitude 8.6"}}, explanations);
  EXPECT_EQ(problems, (std::vector<std::string>{"M87: magnitude 8.6, not explained",
                                                "M13: explained, but agrees with the package"}));
  EXPECT_TRUE(ParseExplanations(Json::object(), kMessierList).empty());
  EXPECT_THROW(ParseExplanations({{"packageDisagreements", {{"M1", ""}}}}, kMessierList), std::runtime_error);
  EXPECT_THROW(ParseExplanations({{"packageDisagreements", Json::array()}}, kMessierList), std::runtime_error);
}

TEST(PackageComparison, AngularDistanceAcrossZeroHoursAndNearThePole) {
  EXPECT_NEAR(AngularDistance({359.95f, 0}, {0.05f, 0}), 0.1, 1e-4);
  EXPECT_NEAR(AngularDistance({0, 89.9f}, {180, 89.9f}), 0.2, 1e-4);
  EXPECT_NEAR(AngularDistance({10, -30}, {10, -30}), 0.0, 1e-9);
}

TEST(OtherNames, ReadsStarsAndDeepSkyObjectsAndRefusesHalfEntries) {
  const Json file = {{"stars", {{{"hip", 71683}, {"names", {"Alpha Centauri"}}}}},
                     {"designationOwners", {{{"designation", "44 UMa"}, {"hip", 53261}}}},
                     {"deepSky",
                      {{{"designation", "NGC 292"}, {"names", {"SMC"}}},
                       {{"designation", "LMC"}, {"ra", "05 23.6"}, {"dec", "-69 45"}, {"magnitude", 0.9}, {"names", {"LMC"}}}}}};
  const OtherNames names = ParseOtherNames(file);
  ASSERT_EQ(names.stars.size(), 1u);
  EXPECT_EQ(names.stars[0].hip, 71683);
  EXPECT_EQ(names.starDesignationOwners.at("44 UMa"), 53261);
  ASSERT_EQ(names.deepSky.size(), 2u);
  EXPECT_FALSE(names.deepSky[0].point);
  ASSERT_TRUE(names.deepSky[1].point);
  EXPECT_NEAR(names.deepSky[1].point->dec, -69.75, 1e-5);
  EXPECT_FLOAT_EQ(*names.deepSky[1].magnitude, 0.9f);
  const Json owners = {{"starNameOwners", {{{"name", "Propus"}, {"hip", 29655}, {"why", "IAU"}}}},
                       {"deepSkyNameOwners", {{{"name", "Wrong"}, {"dropped", true}, {"why", "nowhere"}}}},
                       {"deepSkyWithoutMagnitude", {{{"designation", "RCW 77"}, {"why", "none known"}}}}};
  const OtherNames owned = ParseOtherNames(owners);
  EXPECT_EQ(owned.starNameOwners.at("Propus").hip, 29655);
  EXPECT_TRUE(owned.deepSkyNameOwners.at("Wrong").designation.empty());
  EXPECT_EQ(owned.deepSkyWithoutMagnitude.at("RCW 77"), "none known");

  const Json broken[] = {
      {{"stars", {{{"hip", 0}, {"names", {"x"}}}}}},
      {{"stars", {{{"hip", 5}, {"names", Json::array()}}}}},
      {{"stars", {{{"hip", 5}, {"names", {"x", 3}}}}}},
      {{"deepSky", {{{"names", {"x"}}}}}},
      {{"designationOwners", {{{"designation", "44 UMa"}}}}},
      {{"deepSky", {{{"designation", "LMC"}, {"ra", "05 23.6"}, {"dec", "-69 45"}, {"names", {"x"}}}}}},
      {{"deepSky", {{{"designation", "LMC"}, {"ra", "05 23.6"}, {"magnitude", 1}, {"names", {"x"}}}}}},
      {{"starNameOwners", {{{"name", "Propus"}, {"hip", 29655}}}}},  // no reason
      {{"starNameOwners", {{{"name", "Propus"}, {"hip", 1}, {"why", "a"}}, {{"name", "Propus"}, {"hip", 2}, {"why", "b"}}}}},
      {{"deepSkyNameOwners", {{{"name", "X"}, {"why", "a"}}}}},  // neither an owner nor dropped
      {{"deepSkyNameOwners", {{{"name", "X"}, {"designation", "NGC 1"}, {"dropped", true}, {"why", "a"}}}}},
      {{"deepSkyWithoutMagnitude", {{{"designation", "RCW 77"}}}}},
  };
  for (const Json& entry : broken) {
    SCOPED_TRACE(entry.dump());
    EXPECT_THROW(ParseOtherNames(entry), std::runtime_error);
  }
}

}  // namespace
