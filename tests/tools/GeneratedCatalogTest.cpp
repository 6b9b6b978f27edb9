// Checks the catalogue files the build generated from the sky package, as the
// program will load them.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <cstring>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "catalog/CatalogLoader.h"
#include "platform/runtime/CaseFold.h"
#include "platform/runtime/CodePage.h"
#include "search/SearchEngine.h"
#include "tools/datagen/OtherNames.h"
#include "tools/datagen/PackageComparison.h"
#include "tools/datagen/ReferenceDeepSky.h"
#include "tools/datagen/ReferenceStars.h"
#include "tools/datagen/ReferenceStellarium.h"

using namespace vespera;

namespace {

const std::string kProgramDir = VESPERA_PROGRAM_DIR;
// The generator's own tolerance for two stars that are one system.
constexpr double kSameStarDistanceForTest = 1.0 / 60;

struct GeneratedCatalog : ::testing::Test {
  static void SetUpTestSuite() {
    catalogs = std::make_unique<SkyCatalogs>();
    EXPECT_TRUE(LoadCatalogs(*catalogs, kProgramDir));
  }
  static void TearDownTestSuite() { catalogs.reset(); }
  static std::unique_ptr<SkyCatalogs> catalogs;

  const CatalogStore& stars() const { return catalogs->starCatalog; }
  const CatalogStore& deepSky() const { return catalogs->deepSkyCatalog; }
  const CatalogStore& lines() const { return catalogs->constellationLineCatalog; }
  const CatalogStore& labels() const { return catalogs->constellationLabelCatalog; }

  static int IndexOf(const CatalogStore& store, std::u16string designation) {
    FoldWide(designation);
    return store.FindObjectIndex(designation);
  }
};
std::unique_ptr<SkyCatalogs> GeneratedCatalog::catalogs;

std::uintmax_t FileSize(const char* name) { return std::filesystem::file_size(kProgramDir + name); }

TEST_F(GeneratedCatalog, RecordCountsAndWholeFiles) {
  EXPECT_GT(stars().objects.count(), 110000u);  // every Hipparcos star of the package
  EXPECT_LT(stars().objects.count(), 120000u);
  EXPECT_GT(stars().names.count(), 400u);
  EXPECT_GT(deepSky().objects.count(), 6500u);
  EXPECT_LT(deepSky().objects.count(), 8000u);
  EXPECT_GE(deepSky().names.count(), 110u + 109u);
  EXPECT_EQ(lines().objects.count() % 2, 0u);
  EXPECT_GT(lines().lineCount(), 600u);
  EXPECT_EQ(labels().labels.count(), 88u);
  EXPECT_EQ(FileSize(kStarsFile), 4 + stars().objects.count() * SkyObjectRecord::kSize);
  EXPECT_EQ(FileSize(kStarNamesFile), 4 + stars().names.count() * ObjectNameRecord::kSize);
  EXPECT_EQ(FileSize(kDeepSkyFile), 4 + deepSky().objects.count() * SkyObjectRecord::kSize);
  EXPECT_EQ(FileSize(kDeepSkyNamesFile), 4 + deepSky().names.count() * ObjectNameRecord::kSize);
  EXPECT_EQ(FileSize(kConstellationLinesFile), 4 + lines().objects.count() * SkyObjectRecord::kSize);
  EXPECT_EQ(FileSize(kConstellationNamesFile), 4 + 88 * ConstellationLabel::kSize);
}

void ExpectSaneObjects(const CatalogStore& store, bool brightestFirst) {
  float previous = -100;
  for (std::size_t i = 0; i < store.objects.count(); ++i) {
    const SkyObjectRecord& r = store.objects[i];
    const std::size_t length = strnlen(r.designation(), kDesignationBytes);
    ASSERT_GT(length, 0u) << "record " << i;
    ASSERT_LE(length, 9u) << "record " << i;
    ASSERT_TRUE(r.ra() >= 0 && r.ra() < 360 && std::fabs(r.dec()) <= 90) << "record " << i;
    ASSERT_TRUE(std::isfinite(r.magnitude())) << "record " << i;
    if (brightestFirst) {
      ASSERT_GE(r.magnitude(), previous) << "record " << i;
    }
    previous = r.magnitude();
  }
}

TEST_F(GeneratedCatalog, DesignationsFitAndObjectsComeBrightestFirst) {
  ExpectSaneObjects(stars(), true);
  ExpectSaneObjects(deepSky(), true);
  ExpectSaneObjects(lines(), false);
}

TEST_F(GeneratedCatalog, EveryNameBelongsToAnObject) {
  for (const CatalogStore* store : {&stars(), &deepSky()}) {
    for (const ObjectNameRecord& name : store->names) {
      ASSERT_LE(strnlen(name.designation(), kDesignationBytes), 9u);
      ASSERT_GE(IndexOf(*store, DesignationText(name)), 0) << WideToUtf8(DesignationText(name));
      ASSERT_FALSE(NameText(name).empty());
    }
  }
}

TEST_F(GeneratedCatalog, NoTwoStarsShareADesignation) {
  std::set<std::string> seen;
  std::vector<std::string> shared;
  for (const SkyObjectRecord& star : stars().objects) {
    const std::string designation(star.designation(), strnlen(star.designation(), kDesignationBytes));
    if (!seen.insert(designation).second) shared.push_back(designation);
  }
  EXPECT_TRUE(shared.empty()) << shared.size() << " shared, the first " << (shared.empty() ? "" : shared.front());
}

TEST_F(GeneratedCatalog, PolarisSitsAtThePoleUnderItsName) {
  int polaris = -1;
  for (const ObjectNameRecord& name : stars().names)
    if (NameText(name) == u"Polaris") polaris = IndexOf(stars(), DesignationText(name));
  ASSERT_GE(polaris, 0);
  EXPECT_GT(stars().objects[polaris].dec(), 89.0f);
  EXPECT_NEAR(stars().objects[polaris].magnitude(), 2.0f, 0.1f);
  WideString name;
  EXPECT_TRUE(stars().FindName(DesignationText(stars().objects[polaris]), name));
  EXPECT_EQ(name, u"Polaris");
}

TEST_F(GeneratedCatalog, StarsCarryBayerAndFlamsteedDesignations) {
  const int deltaCygni = IndexOf(stars(), u"18del Cyg");
  ASSERT_GE(deltaCygni, 0);
  EXPECT_NEAR(stars().objects[deltaCygni].ra(), 296.24f, 0.05f);
  EXPECT_NEAR(stars().objects[deltaCygni].dec(), 45.13f, 0.05f);
  WideString vega;
  EXPECT_TRUE(stars().FindName(u"3alp Lyr", vega));
  EXPECT_EQ(vega, u"Vega");
  // The brightest star leads the table, so it wins a tap and the hit cache.
  EXPECT_EQ(DesignationText(stars().objects[0]), u"9alp CMa");
  EXPECT_GE(IndexOf(stars(), u"HIP1"), 0);      // no Bayer letter or Flamsteed number
  EXPECT_GE(IndexOf(stars(), u"eps Tuc"), 0);   // HIP 118322
}

TEST_F(GeneratedCatalog, DeepSkyObjectsGoByNgcNumberWithListNamesAttached) {
  const int andromeda = IndexOf(deepSky(), u"224");
  ASSERT_GE(andromeda, 0);
  WideString name;
  ASSERT_TRUE(deepSky().FindName(u"224", name));
  EXPECT_EQ(name, u"M31 Andromeda Galaxy");
  EXPECT_NEAR(deepSky().objects[andromeda].magnitude(), 3.4f, 0.01f);
  ASSERT_TRUE(deepSky().FindName(u"869", name));
  EXPECT_EQ(name, u"C14 Double Cluster");
  ASSERT_TRUE(deepSky().FindName(u"884", name));
  EXPECT_EQ(name, u"C14 Double Cluster");
  ASSERT_TRUE(deepSky().FindName(u"Mel 22", name));
  EXPECT_EQ(name, u"M45 Pleiades");
  EXPECT_GE(IndexOf(deepSky(), u"IC 342"), 0);  // a Caldwell object without an NGC number
}

TEST_F(GeneratedCatalog, LabelsNameThe88Constellations) {
  std::set<WideString> abbreviations;
  for (const ConstellationLabel& label : labels().labels) {
    EXPECT_EQ(label.shortName().size(), 3u);
    EXPECT_FALSE(label.fullName().empty());
    EXPECT_LE(label.fullName().size(), 24u);
    EXPECT_TRUE(label.ra() >= 0 && label.ra() < 360 && std::fabs(label.dec()) <= 90);
    abbreviations.insert(label.shortName());
  }
  EXPECT_EQ(abbreviations.size(), 88u);
  EXPECT_TRUE(abbreviations.count(u"Ser"));
}

// Every list number is found by the program's own search, as a user types it,
// with a link to the object's record.
TEST_F(GeneratedCatalog, EveryMessierAndCaldwellNumberIsFoundByTheSearch) {
  for (const auto& [prefix, count] : {std::pair{u"M", 110}, std::pair{u"C", 109}}) {
    for (int n = 1; n <= count; ++n) {
      const WideString label = prefix + Utf8ToWide(std::to_string(n));
      int index = -1;
      for (const ObjectNameRecord& name : deepSky().names) {
        const WideString text = NameText(name);
        if (text == label || text.rfind(label + u" ", 0) == 0) {
          index = IndexOf(deepSky(), DesignationText(name));
          break;
        }
      }
      ASSERT_GE(index, 0) << WideToUtf8(label) << " has no name record with an object";
      const WideString page = BuildSearchPage(label, false, stars(), deepSky(), labels());
      const WideString link = u"DSOLINK_" + Utf8ToWide(std::to_string(index)) + u"\"";
      EXPECT_NE(page.find(link), WideString::npos) << WideToUtf8(label);
    }
  }
}

std::string Folded(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::string Ansi(const WideString& text) { return WideToAnsi(text); }

SkyPoint PointOf(const SkyObjectRecord& record) { return {record.ra(), record.dec()}; }

// The independent references the generator checked against, read again.
struct AgainstTheReference : GeneratedCatalog {
  static void SetUpTestSuite() {
    GeneratedCatalog::SetUpTestSuite();
    ours = std::make_unique<OtherNames>(ParseOtherNames(ReadJsonFile(std::string(VESPERA_DATA_DIR) + "names.json")));
    referenceStars = std::make_unique<std::vector<ReferenceStar>>(ReadReferenceStars(VESPERA_REFERENCE_DIR));
    referenceObjects = std::make_unique<std::vector<ReferenceObject>>(
        ReadReferenceDeepSky(std::string(VESPERA_REFERENCE_DIR) + "OpenNGC.kscat"));
  }
  static std::unique_ptr<OtherNames> ours;
  static std::unique_ptr<std::vector<ReferenceStar>> referenceStars;
  static std::unique_ptr<std::vector<ReferenceObject>> referenceObjects;

  // The reference's designation of a record: "2419" is "NGC 2419".
  static std::string ReferenceDesignation(const std::string& record) {
    return !record.empty() && std::isdigit(static_cast<unsigned char>(record[0])) ? "NGC " + record : record;
  }
  const SkyObjectRecord& ObjectOf(const CatalogStore& store, const ObjectNameRecord& name) const {
    return store.objects[static_cast<std::size_t>(IndexOf(store, DesignationText(name)))];
  }
};
std::unique_ptr<OtherNames> AgainstTheReference::ours;
std::unique_ptr<std::vector<ReferenceStar>> AgainstTheReference::referenceStars;
std::unique_ptr<std::vector<ReferenceObject>> AgainstTheReference::referenceObjects;

// A proper name the reference knows sits on the reference's star (or a
// component of it), unless our names file owns it with a reason.
TEST_F(AgainstTheReference, NoProperNameSitsOnAnotherStarThanTheReferences) {
  std::map<std::string, std::vector<SkyPoint>> referencePlaces;
  for (const ReferenceStar& star : *referenceStars)
    if (!star.name.empty()) referencePlaces[Folded(star.name)].push_back(star.point);
  int checked = 0;
  for (const ObjectNameRecord& record : stars().names) {
    const std::string name = Ansi(NameText(record));
    const auto places = referencePlaces.find(Folded(name));
    if (places == referencePlaces.end() || ours->starNameOwners.count(name)) continue;
    ++checked;
    const SkyPoint star = PointOf(ObjectOf(stars(), record));
    EXPECT_TRUE(std::any_of(places->second.begin(), places->second.end(),
                            [&](const SkyPoint& p) { return AngularDistance(p, star) < kSameStarDistanceForTest; }))
        << name << " on " << Ansi(DesignationText(record));
  }
  EXPECT_GT(checked, 150);  // the reference was read and matched
  EXPECT_LE(ours->starNameOwners.size(), 20u);  // the exceptions stay few, each with its reason
}

// Every common name the reference knows lies within that object's size of
// the reference's object; every named object the reference has lies within
// its size of the reference's position, and has a real magnitude where the
// reference knows one.
TEST_F(AgainstTheReference, DeepSkyNamesPositionsAndMagnitudesAgreeWithTheReference) {
  std::map<std::string, std::vector<const ReferenceObject*>> byName;
  std::map<std::string, const ReferenceObject*> byDesignation;
  for (const ReferenceObject& object : *referenceObjects) {
    byDesignation.emplace(object.designation, &object);
    for (const std::string& name : object.names) byName[Folded(name)].push_back(&object);
  }
  const auto within = [](const ReferenceObject& object, const SkyPoint& point, double share) {
    const double size = object.size ? *object.size / 60.0 : 0.0;
    return AngularDistance(object.point, point) <= std::max(3.0 / 60, size * share) + 1e-4;
  };
  std::set<std::string> listObjects;
  for (const ObjectNameRecord& record : deepSky().names) {
    const std::string name = Ansi(NameText(record));
    if (name.size() > 1 && (name[0] == 'M' || name[0] == 'C') && std::isdigit(static_cast<unsigned char>(name[1])))
      listObjects.insert(Ansi(DesignationText(record)));
  }
  int names = 0, places = 0;
  std::set<std::string> brightWithoutMagnitude;
  for (const ObjectNameRecord& record : deepSky().names) {
    const std::string name = Ansi(NameText(record));
    const std::string designation = Ansi(DesignationText(record));
    const SkyObjectRecord& object = ObjectOf(deepSky(), record);
    const bool dark = designation.rfind("B ", 0) == 0 || designation.rfind("LDN ", 0) == 0 || designation == "C 99";
    if (IsPlaceholderMagnitude(object.magnitude()) && !dark) brightWithoutMagnitude.insert(designation);
    const auto owners = byName.find(Folded(name));
    if (owners != byName.end() && !ours->deepSkyNameOwners.count(name)) {
      ++names;
      EXPECT_TRUE(std::any_of(owners->second.begin(), owners->second.end(),
                              [&](const ReferenceObject* o) { return within(*o, PointOf(object), 1.0); }))
          << name << " on " << designation;
    }
    const auto reference = byDesignation.find(ReferenceDesignation(designation));
    if (reference == byDesignation.end() || reference->second->duplicate || listObjects.count(designation)) continue;
    ++places;
    EXPECT_TRUE(within(*reference->second, PointOf(object), 0.5)) << designation << " " << name;
    if (reference->second->magnitude) {
      EXPECT_FALSE(IsPlaceholderMagnitude(object.magnitude())) << designation << " " << name;
    }
  }
  EXPECT_GT(names, 30);
  EXPECT_GT(places, 250);
  // A dark nebula has no magnitude by nature. The bright nebulae left without
  // one are those neither the package, OpenNGC nor Stellarium's catalogue gives
  // an integrated magnitude; one more means a magnitude was lost on the way.
  EXPECT_LE(brightWithoutMagnitude.size(), 45u);
}

// Stellarium's catalogue, where it is installed, is the second reference for
// the magnitudes OpenNGC lacks. It gives none of the nebulae left without a
// magnitude one of their own (a dark nebula's value there is its opacity
// class), and M40's combined light is built on its V for the brighter star.
TEST_F(AgainstTheReference, StellariumGivesNoMagnitudeTheCatalogueLacks) {
  if (!std::filesystem::exists(VESPERA_STELLARIUM_CATALOG))
    GTEST_SKIP() << VESPERA_STELLARIUM_CATALOG << " is missing: install stellarium-data to compare with it";
  const std::vector<StellariumObject> stellarium = ReadStellariumCatalog(VESPERA_STELLARIUM_CATALOG);
  std::map<std::string, const StellariumObject*> byDesignation;
  for (const StellariumObject& object : stellarium)
    for (const std::string& designation : object.designations) byDesignation.emplace(designation, &object);
  // Stellarium's magnitude of the star inside a reflection nebula, not the nebula's.
  const std::set<std::string> starsMagnitude = {"IC 349"};  // Merope, V 4.18
  int compared = 0;
  for (const ObjectNameRecord& record : deepSky().names) {
    std::string designation = ReferenceDesignation(Ansi(DesignationText(record)));
    if (designation.rfind("Sh2-", 0) == 0) designation[3] = ' ';  // "Sh2-155" is Stellarium's "Sh2 155"
    const auto found = byDesignation.find(designation);
    if (!IsPlaceholderMagnitude(ObjectOf(deepSky(), record).magnitude()) || found == byDesignation.end()) continue;
    ++compared;
    const StellariumObject& object = *found->second;
    if (object.type == kStellariumDarkNebula || starsMagnitude.count(designation)) continue;
    EXPECT_FALSE(object.visualMagnitude || object.blueMagnitude) << designation << ": Stellarium gives a magnitude";
  }
  EXPECT_GT(compared, 60);

  const StellariumObject* m40 = byDesignation.at("M 40");
  ASSERT_TRUE(m40->visualMagnitude);
  EXPECT_NEAR(*m40->visualMagnitude, 9.65, 0.05);
  constexpr double kCompanion = 10.1;
  const double combined = *m40->visualMagnitude - 2.5 * std::log10(1 + std::pow(10, -0.4 * (kCompanion - *m40->visualMagnitude)));
  EXPECT_NEAR(deepSky().objects[static_cast<std::size_t>(IndexOf(deepSky(), u"WNC 4"))].magnitude(), combined, 0.05);
}

// The famous objects outside the NGC, and the IAU spelling of a star, are
// found by the search and lie where observers look for them.
TEST_F(GeneratedCatalog, FamousObjectsAreFoundByTheSearchAtTheirPlaces) {
  struct Famous {
    const char16_t* query;
    const char16_t* designation;
    SkyPoint place;
    bool star;
  };
  const Famous famous[] = {{u"Coathanger", u"Cr 399", {291.35f, 20.18f}, false},
                           {u"Mel 20", u"Cr 39", {51.68f, 48.8f}, false},
                           {u"Mel 111", u"Cr 256", {185.63f, 25.85f}, false},
                           {u"Witch Head", u"1909", {75.5f, -7.9f}, false},
                           {u"IC 2118", u"1909", {75.5f, -7.9f}, false},
                           {u"Horsehead", u"B 33", {85.25f, -2.46f}, false},
                           {u"Heart Nebula", u"IC 1805", {38.17f, 61.45f}, false},
                           {u"Cone Nebula", u"2264", {100.24f, 9.9f}, false},
                           {u"Schedar", u"alp Cas", {10.13f, 56.54f}, true}};
  for (const Famous& f : famous) {
    SCOPED_TRACE(WideToUtf8(f.query));
    const CatalogStore& store = f.star ? stars() : deepSky();
    int index = -1;
    for (const SkyObjectRecord& record : store.objects)
      if (DesignationText(record).find(f.designation) != WideString::npos) {
        index = IndexOf(store, DesignationText(record));
        break;
      }
    ASSERT_GE(index, 0);
    EXPECT_LT(AngularDistance(PointOf(store.objects[static_cast<std::size_t>(index)]), f.place), 0.1);
    const WideString link = (f.star ? u"STARLINK_" : u"DSOLINK_") + Utf8ToWide(std::to_string(index)) + u"\"";
    const WideString page = BuildSearchPage(f.query, false, stars(), deepSky(), labels());
    EXPECT_NE(page.find(link), WideString::npos);
    EXPECT_EQ(page.find(u"NGC-"), WideString::npos);
  }
}

TEST_F(GeneratedCatalog, CommonNamesAndStarDesignationsAreFoundByTheSearch) {
  const auto found = [&](const WideString& query, const WideString& link) {
    return BuildSearchPage(query, false, stars(), deepSky(), labels()).find(link) != WideString::npos;
  };
  EXPECT_TRUE(found(u"Andromeda Galaxy", u"DSOLINK_" + Utf8ToWide(std::to_string(IndexOf(deepSky(), u"224")))));
  EXPECT_TRUE(found(u"18del Cyg", u"STARLINK_" + Utf8ToWide(std::to_string(IndexOf(stars(), u"18del Cyg")))));
  EXPECT_TRUE(found(u"Vega", u"STARLINK_" + Utf8ToWide(std::to_string(IndexOf(stars(), u"3alp Lyr")))));
  EXPECT_TRUE(found(u"Orion", u"CONSTL_"));
}

}  // namespace
