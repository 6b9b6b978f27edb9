// Checks the Messier and Caldwell objects of the generated files against our
// hand-written table, and the table against the sky package, listing every
// mismatch by the object's label.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "catalog/CatalogLoader.h"
#include "info/IniFile.h"
#include "platform/runtime/CaseFold.h"
#include "platform/runtime/CodePage.h"
#include "search/SearchEngine.h"
#include "tools/datagen/IauConstellations.h"
#include "tools/datagen/InfoPages.h"
#include "tools/datagen/PackageComparison.h"

using namespace vespera;

namespace {

const std::string kProgramDir = VESPERA_PROGRAM_DIR;
const std::filesystem::path kDataDir = VESPERA_DATA_DIR;
const std::filesystem::path kPackageData = VESPERA_SKY_PACKAGE_DATA;

constexpr double kMagnitudeTolerance = 0.3;
constexpr double kPositionTolerance = 0.05;  // degrees

struct ListFiles {
  const ListKind* list;
  const char* tableFile;
  const char* pagesFile;
};
const ListFiles kLists[] = {{&kMessierList, "messier.json", "Messier.ini"},
                            {&kCaldwellList, "caldwell.json", "Caldwell.ini"}};

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += "\n  " + line;
  return text;
}

// The text of a page's table row ("Magnitude" -> "8.6"), or "" without one.
std::string RowOf(const std::string& body, const std::string& label) {
  const std::string start = "<tr><td><b>" + label + "</b></td><td>";
  const std::size_t at = body.find(start);
  if (at == std::string::npos) return {};
  const std::size_t from = at + start.size();
  return body.substr(from, body.find("</td>", from) - from);
}

std::string OneDecimal(float value) {
  char text[16];
  std::snprintf(text, sizeof text, "%.1f", static_cast<double>(value));
  return text;
}

struct GeneratedLists : ::testing::Test {
  static void SetUpTestSuite() {
    catalogs = std::make_unique<SkyCatalogs>();
    EXPECT_TRUE(LoadCatalogs(*catalogs, kProgramDir));
  }
  static void TearDownTestSuite() { catalogs.reset(); }
  static std::unique_ptr<SkyCatalogs> catalogs;

  static const CatalogStore& deepSky() { return catalogs->deepSkyCatalog; }
  static int IndexOf(const CatalogStore& store, std::u16string designation) {
    FoldWide(designation);
    return store.FindObjectIndex(designation);
  }
  static WideString Search(const WideString& query) {
    return BuildSearchPage(query, false, catalogs->starCatalog, catalogs->deepSkyCatalog,
                           catalogs->constellationLabelCatalog);
  }
};
std::unique_ptr<SkyCatalogs> GeneratedLists::catalogs;

// What the map and the pages say about one object, against our table.
std::vector<std::string> Mismatches(const ObjectNote& note, const std::string& label, const CatalogStore& deepSky,
                                    const IniFile& pages) {
  std::vector<std::string> found;
  const WideString designation = Utf8ToWide(RecordDesignation(note.designation));
  const int index = GeneratedLists::IndexOf(deepSky, designation);
  if (index < 0) return {label + ": no record " + WideToUtf8(designation)};
  const SkyObjectRecord& record = deepSky.objects[static_cast<std::size_t>(index)];
  if (note.magnitude && std::fabs(record.magnitude() - *note.magnitude) > kMagnitudeTolerance)
    found.push_back(label + ": map magnitude " + OneDecimal(record.magnitude()) + ", table " + OneDecimal(*note.magnitude));
  const double offset = AngularDistance({record.ra(), record.dec()}, note.point);
  if (offset > kPositionTolerance) found.push_back(label + ": map position " + std::to_string(offset) + " degrees off");
  WideString name;
  if (!deepSky.FindName(designation, name) || WideToUtf8(name).rfind(label, 0) != 0)
    found.push_back(label + ": a tap shows \"" + WideToUtf8(name) + "\"");

  const int section = FindSection(pages, Utf8ToWide(std::to_string(note.number)));
  if (section < 0) {
    found.push_back(label + ": no page");
    return found;
  }
  const std::string body = WideToUtf8(pages[section].body);
  if (body.find("<b>" + label + "</b> = " + note.designation) == std::string::npos)
    found.push_back(label + ": the page does not give the designation " + note.designation);
  if (RowOf(body, "Magnitude") != (note.magnitude ? OneDecimal(*note.magnitude) : "unknown"))
    found.push_back(label + ": page magnitude " + RowOf(body, "Magnitude"));
  if (RowOf(body, "RA (J2000)") != FormatRightAscension(note.point.ra) ||
      RowOf(body, "Dec (J2000)") != FormatDeclination(note.point.dec))
    found.push_back(label + ": page position " + RowOf(body, "RA (J2000)") + " " + RowOf(body, "Dec (J2000)"));
  const auto constellation = IauConstellationNames().find(note.constellation);
  if (constellation == IauConstellationNames().end() || RowOf(body, "Constellation") != constellation->second)
    found.push_back(label + ": constellation " + note.constellation + " shown as " + RowOf(body, "Constellation"));
  if (RowOf(body, "Size") != FormatAngularSize(note.size))
    found.push_back(label + ": page size " + RowOf(body, "Size"));
  return found;
}

TEST_F(GeneratedLists, EveryObjectOnTheMapAndItsPageMatchesOurTable) {
  for (const ListFiles& files : kLists) {
    const auto notes = ParseObjectNotes(ReadJsonFile(kDataDir / files.tableFile), *files.list);
    ASSERT_EQ(notes.size(), static_cast<std::size_t>(files.list->count));
    IniFile pages;
    EXPECT_TRUE(LoadIniFile(kProgramDir + files.pagesFile, pages));
    std::vector<std::string> mismatches;
    for (const ObjectNote& note : notes) {
      const auto found = Mismatches(note, files.list->prefix + std::to_string(note.number), deepSky(), pages);
      mismatches.insert(mismatches.end(), found.begin(), found.end());
    }
    EXPECT_TRUE(mismatches.empty()) << files.list->title << ":" << Joined(mismatches);
  }
}

TEST_F(GeneratedLists, OurTableAgreesWithThePackageOrSaysWhyNot) {
  if (!std::filesystem::exists(kPackageData / "dsos.20.json")) GTEST_SKIP() << "the data came prebuilt, without the package";
  SkippedEntries skipped;
  const DeepSkyIndex index(ReadJsonFile(kPackageData / "dsos.20.json"), skipped);
  const Json packageMessier = ReadJsonFile(kPackageData / "messier.json");
  for (const ListFiles& files : kLists) {
    const Json table = ReadJsonFile(kDataDir / files.tableFile);
    const auto objects = ResolveListedObjects(ParseObjectNotes(table, *files.list), *files.list, index);
    const auto problems = UnexplainedDisagreements(CompareWithPackage(objects, *files.list, packageMessier),
                                                   ParseExplanations(table, *files.list));
    EXPECT_TRUE(problems.empty()) << files.list->title << ":" << Joined(problems);
  }
}

TEST_F(GeneratedLists, EveryMessierObjectCarriesItsVisualMagnitude) {
  // The faintest Messier object, M91, is of visual magnitude 10.2; anything
  // fainter on the map is a photographic or blue magnitude slipping back in.
  const auto notes = ParseObjectNotes(ReadJsonFile(kDataDir / "messier.json"), kMessierList);
  std::vector<std::string> faint;
  for (const ObjectNote& note : notes) {
    const int index = IndexOf(deepSky(), Utf8ToWide(RecordDesignation(note.designation)));
    if (index >= 0 && deepSky().objects[static_cast<std::size_t>(index)].magnitude() > 10.2f)
      faint.push_back(std::string("M").append(std::to_string(note.number)));  // appended: GCC 12 -O3 -Wrestrict
  }
  EXPECT_TRUE(faint.empty()) << Joined(faint);
}

TEST_F(GeneratedLists, SearchFindsTheNamesUsersType) {
  const auto link = [](const char* kind, int index) {
    return Utf8ToWide(std::string(kind) + std::to_string(index) + "\"");
  };
  const int lmc = IndexOf(deepSky(), u"LMC");
  ASSERT_GE(lmc, 0);
  EXPECT_NEAR(deepSky().objects[static_cast<std::size_t>(lmc)].dec(), -69.75f, 0.1f);
  EXPECT_NE(Search(u"Large Magellanic Cloud").find(link("DSOLINK_", lmc)), WideString::npos);
  EXPECT_NE(Search(u"LMC").find(link("DSOLINK_", lmc)), WideString::npos);
  EXPECT_NE(Search(u"SMC").find(link("DSOLINK_", IndexOf(deepSky(), u"292"))), WideString::npos);
  const int alphaCentauri = IndexOf(catalogs->starCatalog, u"alp1 Cen");
  ASSERT_GE(alphaCentauri, 0);
  EXPECT_NE(Search(u"Alpha Centauri").find(link("STARLINK_", alphaCentauri)), WideString::npos);
  // A tap on the star still shows the package's proper name, the first record.
  WideString name;
  ASSERT_TRUE(catalogs->starCatalog.FindName(u"alp1 Cen", name));
  EXPECT_EQ(name, u"Rigil Kentaurus");

  int coronaAustralis = -1;
  const auto& labels = catalogs->constellationLabelCatalog.labels;
  for (std::size_t i = 0; i < labels.count(); ++i)
    if (labels[i].shortName() == u"CrA") coronaAustralis = static_cast<int>(i);
  ASSERT_GE(coronaAustralis, 0);
  EXPECT_EQ(labels[static_cast<std::size_t>(coronaAustralis)].fullName(), u"Corona Australis");
  EXPECT_NE(Search(u"Corona Australis").find(link("CONSTL_", coronaAustralis)), WideString::npos);
}

TEST_F(GeneratedLists, EveryLabelCarriesItsIauName) {
  const auto& labels = catalogs->constellationLabelCatalog.labels;
  std::vector<std::string> wrong;
  for (std::size_t i = 0; i < labels.count(); ++i) {
    const auto official = IauConstellationNames().find(WideToUtf8(labels[i].shortName()));
    if (official == IauConstellationNames().end() || WideToUtf8(labels[i].fullName()) != official->second)
      wrong.push_back(WideToUtf8(labels[i].shortName()) + " " + WideToUtf8(labels[i].fullName()));
  }
  EXPECT_EQ(labels.count(), 88u);
  EXPECT_TRUE(wrong.empty()) << Joined(wrong);
}

}  // namespace
