#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <filesystem>

#include "catalog/CatalogStore.h"
#include "platform/runtime/CodePage.h"
#include "tools/datagen/Constellations.h"
#include "tools/datagen/DeepSkyCatalog.h"
#include "tools/datagen/DeepSkyReferenceCheck.h"
#include "tools/datagen/IauConstellations.h"
#include "tools/datagen/RecordFileWriter.h"
#include "tools/datagen/ReferenceStellarium.h"
#include "tools/datagen/StarCatalog.h"
#include "tools/datagen/StarNameCheck.h"

using namespace vespera;

namespace {

Json Point(const Json& id, double lon, double lat, const Json& properties) {
  return {{"type", "Feature"},
          {"id", id},
          {"properties", properties},
          {"geometry", {{"type", "Point"}, {"coordinates", {lon, lat}}}}};
}

Json Collection(std::initializer_list<Json> features) {
  Json list = Json::array();
  for (const Json& feature : features) list.push_back(feature);
  return {{"features", list}};
}

std::string DesignationOf(const SkyObjectRecord& r) { return WideToUtf8(DesignationText(r)); }
std::string NameOf(const ObjectNameRecord& r) { return WideToUtf8(NameText(r)); }

TEST(StarTables, BrightestFirstWithRaFoldedIntoZeroTo360) {
  const Json stars = Collection({Point(3, 10, 1, {{"mag", 5.5}}), Point(2, -80.7653, 38.7837, {{"mag", 0.03}}),
                                 Point(1, 0, -5, {{"mag", "5.5"}})});
  const Json names = {{"2", {{"name", "Vega"}, {"bayer", "α"}, {"flam", "3"}, {"c", "Lyr"}}},
                      {"3", {{"name", ""}, {"bayer", ""}, {"flam", "7"}, {"c", "Psc"}}}};
  SkippedEntries skipped;
  const CatalogTables t = BuildStarTables(stars, names, {}, skipped);
  ASSERT_EQ(t.objects.size(), 3u);
  EXPECT_EQ(DesignationOf(t.objects[0]), "3alp Lyr");
  EXPECT_NEAR(t.objects[0].ra(), 279.2347, 1e-3);
  // Equal magnitudes keep Hipparcos order.
  EXPECT_EQ(DesignationOf(t.objects[1]), "HIP1");
  EXPECT_EQ(DesignationOf(t.objects[2]), "7 Psc");
  ASSERT_EQ(t.names.size(), 1u);  // only proper names make name records
  EXPECT_EQ(WideToUtf8(DesignationText(t.names[0])), "3alp Lyr");
  EXPECT_EQ(NameOf(t.names[0]), "Vega");
  EXPECT_TRUE(skipped.empty());
}

TEST(StarTables, DamagedEntriesAreLeftOutAndNoted) {
  const Json stars = Collection({
      Point(1, 10, 95, {{"mag", 3}}),           // beyond the pole
      Point(2, 10, 5, {{"mag", "nan"}}),        // not a number
      Point(3, 10, 5, Json::object()),          // no magnitude
      Point("x", 10, 5, {{"mag", 3}}),          // no Hipparcos number
      Point(4.5, 10, 5, {{"mag", 3}}),          // not a whole number
      Point(5, 10, 5, {{"mag", 1e30}}),         // absurd magnitude
      {{"id", 6}, {"properties", {{"mag", 3}}}},  // no geometry
      Json("garbage"),
      Point(7, 400, 5, {{"mag", 3}}),           // longitude out of range
      Point(8, 10, 5, {{"mag", 3}}),
  });
  SkippedEntries skipped;
  const CatalogTables t = BuildStarTables(stars, Json(), {}, skipped);
  ASSERT_EQ(t.objects.size(), 1u);
  EXPECT_EQ(DesignationOf(t.objects[0]), "HIP8");
  EXPECT_EQ(skipped.size(), 9u);
  SkippedEntries noList;
  EXPECT_TRUE(BuildStarTables(Json::object(), Json(), {}, noList).objects.empty());
  EXPECT_EQ(noList.size(), 1u);
}

TEST(StarTables, ASharedDesignationStaysWithTheBrightestAndOtherNamesComeLast) {
  // Three components of one multiple star, all called theta1 Ori by the package.
  const Json stars = Collection({Point(26224, 83.8, -5.4, {{"mag", 6.71}}), Point(26220, 83.8, -5.4, {{"mag", 4.98}}),
                                 Point(26221, 83.8, -5.4, {{"mag", 5.13}}), Point(71683, -140.1, -60.8, {{"mag", -0.01}}),
                                 Point(47965, 146.6, 57.1, {{"mag", 5.09}}), Point(53261, 163.4, 54.6, {{"mag", 5.12}})});
  const Json theta = {{"bayer", "θ1"}, {"flam", "41"}, {"c", "Ori"}};
  const Json flamsteed44 = {{"flam", "44"}, {"c", "UMa"}};
  Json names = {{"26224", theta}, {"26220", theta}, {"26221", theta},
                {"71683", {{"name", "Rigil Kentaurus"}, {"bayer", "α1"}, {"c", "Cen"}}},
                {"47965", flamsteed44}, {"53261", flamsteed44}};
  names["26221"]["name"] = "Becklin's Star";
  OtherNames ours;
  ours.stars = {{71683, {"Alpha Centauri"}}, {26221, {"Theta-1 Orionis B"}}};
  ours.starDesignationOwners = {{"44 UMa", 53261}};  // the fainter one, where Flamsteed's order puts it
  SkippedEntries skipped;
  const CatalogTables t = BuildStarTables(stars, names, ours, skipped);
  std::vector<std::string> order;
  for (const auto& r : t.objects) order.push_back(DesignationOf(r));
  EXPECT_EQ(order,
            (std::vector<std::string>{"alp1 Cen", "the1 Ori", "HIP47965", "44 UMa", "HIP26221", "HIP26224"}));
  std::vector<std::pair<std::string, std::string>> named;
  for (const auto& r : t.names) named.emplace_back(WideToUtf8(DesignationText(r)), NameOf(r));
  EXPECT_EQ(named, (std::vector<std::pair<std::string, std::string>>{{"alp1 Cen", "Rigil Kentaurus"},
                                                                     {"HIP26221", "Becklin's Star"},
                                                                     {"alp1 Cen", "Alpha Centauri"},
                                                                     {"HIP26221", "Theta-1 Orionis B"}}));
  ours.stars = {{12345, {"Nowhere"}}};
  EXPECT_THROW(BuildStarTables(stars, names, ours, skipped), std::runtime_error);
  ours.stars.clear();
  ours.starDesignationOwners = {{"44 UMa", 26220}};  // an owner that is not called so
  EXPECT_THROW(BuildStarTables(stars, names, ours, skipped), std::runtime_error);
}

TEST(StarNameCheck, NamesGoWhereTheReferenceOrOurOwnerPutsThem) {
  const auto star = [](const char* name, const char* hd, const char* bayer = "") {
    return Json{{"name", name}, {"hd", hd}, {"bayer", bayer}, {"c", "Cyg"}};
  };
  const Json names = {{"1", star("Tarazed", "HD\u2009100")}, {"2", star("Tarazed", "HD\u2009200")},
                      {"3", star("Lonely", "HD\u2009300")},  {"4", star("", "HD\u2009400")},
                      {"5", star("Castor", "HD\u2009500")},  {"6", star("Propus", "HD\u2009600")},
                      {"7", star("Propus", "HD\u2009700")},  {"8", star("", "HD\u2009800", "ι")},
                      {"9", star("Gienah", "HD\u2009900")}};
  std::unordered_map<long, SkyPoint> points;
  for (long hip = 1; hip <= 9; ++hip) points[hip] = {static_cast<float>(10 * hip), 0};
  const std::vector<ReferenceStar> reference = {
      {200, {20, 0}, "gam Cyg", "Tarazed"},      // 1 carries another star's name
      {400, {40, 0}, "", "Lonely"},              // ... and 3 the name of a star that has none
      {501, {50.001f, 0}, "", "Castor"},         // a component a few seconds away: the same star
      {800, {80, 0}, "iot2Cyg", ""},             // the number the package lost
      {1000, {100, 0}, "eps Cyg", "Gienah"}};    // our owner wins over the reference
  const std::map<std::string, StarNameOwner> owners = {{"Propus", {7, "IAU"}}, {"Gienah", {9, "IAU"}}};
  const CheckedStarNames checked = CheckStarNames(names, points, reference, owners);
  const auto name = [&](const char* hip) { return TextField(checked.starNames[hip], "name"); };
  EXPECT_EQ(name("1"), "");
  EXPECT_EQ(name("2"), "Tarazed");
  EXPECT_EQ(name("3"), "");
  EXPECT_EQ(name("4"), "Lonely");
  EXPECT_EQ(name("5"), "Castor");
  EXPECT_EQ(name("6"), "");
  EXPECT_EQ(name("7"), "Propus");
  EXPECT_EQ(name("9"), "Gienah");
  EXPECT_EQ(TextField(checked.starNames["8"], "bayer"), "ι2");
  EXPECT_EQ(checked.report.size(), 5u);  // 1, 3, 6, 8, and Gienah kept against the reference
  EXPECT_TRUE(checked.problems.empty());
  // An owner that changes nothing, or is no star of the package, stops the build.
  const std::map<std::string, StarNameOwner> stale = {{"Castor", {5, "needless"}}, {"Propus", {12, "nowhere"}}};
  EXPECT_EQ(CheckStarNames(names, points, reference, stale).problems.size(), 2u);
}

TEST(ReferenceCommonNames, SplitAtCommasWithoutCatalogueNumbers) {
  EXPECT_EQ(ReferenceCommonNames("Flame Nebula, Orion B"), (std::vector<std::string>{"Flame Nebula", "Orion B"}));
  EXPECT_EQ(ReferenceCommonNames("Herschel 36"), (std::vector<std::string>{"Herschel 36"}));
  EXPECT_TRUE(ReferenceCommonNames("PGC 65862").empty());
  EXPECT_TRUE(ReferenceCommonNames("gam Cyg, Mel 25").empty());
  EXPECT_TRUE(ReferenceCommonNames("").empty());
}

// Stellarium's catalogue as a QDataStream: big-endian words, 64-bit reals,
// strings as a byte count and UTF-16BE.
struct StellariumStream {
  std::string bytes;
  StellariumStream& Word(std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) bytes += static_cast<char>(value >> shift & 0xFF);
    return *this;
  }
  StellariumStream& Real(double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    return Word(static_cast<std::uint32_t>(bits >> 32)).Word(static_cast<std::uint32_t>(bits));
  }
  StellariumStream& Text(const std::string& text) {
    Word(static_cast<std::uint32_t>(2 * text.size()));
    for (char c : text) bytes += std::string{'\0', c};
    return *this;
  }
  // ngc, sh2 and ced fill those fields; every other number and string is empty.
  StellariumStream& Record(double raRadians, double blue, double visual, std::uint32_t ngc, std::uint32_t sh2,
                           const std::string& ced) {
    Word(1).Real(raRadians).Real(0).Real(blue).Real(visual).Word(17).Text("3, 2, 3").Real(0.5).Real(0.5).Word(0);
    for (int i = 0; i < 6; ++i) Real(0);
    Word(ngc).Word(0).Word(0).Word(0).Word(0).Word(sh2);
    for (int i = 0; i < 8; ++i) Word(0);  // VdB ... UGC
    Text(ced).Word(0).Word(0);
    for (int i = 0; i < 7; ++i) Text("");
    for (int i = 0; i < 5; ++i) Word(0);
    return *this;
  }
};

TEST(StellariumCatalog, RecordsGiveDesignationsAndMagnitudesAndADamagedStreamThrows) {
  StellariumStream stream;
  stream.Text("3.16").Text("standard").Record(0.2287, 99, 99, 281, 184, "3").Record(3.0, 8.5, 7.9, 1999, 0, "");
  const auto objects = ParseStellariumCatalog(stream.bytes);
  ASSERT_EQ(objects.size(), 2u);
  EXPECT_EQ(objects[0].designations, (std::vector<std::string>{"NGC 281", "Sh2 184", "Ced 3"}));
  EXPECT_NEAR(objects[0].point.ra, 13.104, 0.001);
  EXPECT_FALSE(objects[0].visualMagnitude || objects[0].blueMagnitude);  // 99 is none
  EXPECT_EQ(objects[1].designations, (std::vector<std::string>{"NGC 1999"}));
  EXPECT_FLOAT_EQ(*objects[1].visualMagnitude, 7.9f);
  EXPECT_FLOAT_EQ(*objects[1].blueMagnitude, 8.5f);

  EXPECT_THROW(ParseStellariumCatalog(std::string_view(stream.bytes).substr(0, stream.bytes.size() - 1)),
               std::runtime_error);
  StellariumStream huge;
  huge.Text("3.16").Text("standard").Word(1).Real(0).Real(0).Real(99).Real(99).Word(0).Word(0x7FFFFFFE);
  EXPECT_THROW(ParseStellariumCatalog(huge.bytes), std::runtime_error);
}

struct DeepSkyFixture : ::testing::Test {
  SkippedEntries skipped;
  DeepSkyIndex index{Collection({
                         Point("NGC 224", 10.68, 41.27, {{"desig", "M 31"}, {"mag", "3.44"}, {"dim", "189.1x61.7"}, {"type", "s"}}),
                         Point("NGC 6523", -89.2, -24.38, {{"desig", "M 8"}, {"mag", "999"}, {"type", "oc"}}),
                         Point("NGC 7000", -45.3, 44.33, {{"mag", "4"}}),
                         Point("NGC 9999", 1, 1, {{"mag", "999"}}),
                         Point("M 45", 56.75, 24.117, {{"mag", "1.2"}}),
                         Point("IC 434", 85.2, -2.4, {{"mag", "7.3"}}),
                     }),
                     skipped};

  std::vector<ListedObject> Listed(const ListKind& list, std::vector<ObjectNote> notes) {
    return ResolveListedObjects(notes, list, index);
  }
};

ObjectNote Note(int number, const char* designation, const char* name, std::optional<float> magnitude = 5.0f,
                SkyPoint point = {1, 1}) {
  ObjectNote note;
  note.number = number;
  note.designation = designation;
  note.name = name;
  note.constellation = "And";
  note.magnitude = magnitude;
  note.point = point;
  note.size = {8, 8};
  return note;
}

TEST_F(DeepSkyFixture, NgcObjectsByNumberListObjectsByTheirOwnDesignationBrightestFirst) {
  const auto messier = Listed(kMessierList, {Note(8, "NGC 6523", "Lagoon Nebula", 5.8f), Note(31, "NGC 224", "Andromeda Galaxy", 3.4f),
                                             Note(45, "Mel 22", "Pleiades", 1.6f, {56.75f, 24.117f})});
  const auto caldwell = Listed(kCaldwellList, {Note(20, "NGC 7000", "North America Nebula", 4.0f)});
  const CatalogTables t = BuildDeepSkyTables(index, Json::object(), {&messier, &caldwell}, {});
  std::vector<std::string> order;
  for (const auto& r : t.objects) order.push_back(DesignationOf(r));
  // IC 434 is neither NGC nor listed: it stays out.
  EXPECT_EQ(order, (std::vector<std::string>{"Mel 22", "224", "7000", "6523", "9999"}));
  EXPECT_FLOAT_EQ(t.objects[4].magnitude(), kUnknownDeepSkyMagnitude);
  EXPECT_NEAR(t.objects[0].ra(), 56.75, 1e-4);
}

TEST_F(DeepSkyFixture, OurTableOutranksThePackagesMagnitudeAndPosition) {
  // The package holds NGC 224 at 3.44 and (10.68, 41.27); our table says otherwise.
  ObjectNote andromeda = Note(31, "NGC 224", "Andromeda Galaxy", 3.1f, {10.7f, 41.3f});
  ObjectNote coalsack = Note(99, "NGC 7000", "", std::nullopt);  // a dark nebula has no magnitude
  const auto messier = Listed(kMessierList, {andromeda});
  const auto caldwell = Listed(kCaldwellList, {coalsack});
  const CatalogTables t = BuildDeepSkyTables(index, Json::object(), {&messier, &caldwell}, {});
  const auto record = [&](const char* designation) {
    for (const auto& r : t.objects)
      if (DesignationOf(r) == designation) return r;
    ADD_FAILURE() << designation;
    return t.objects.front();
  };
  EXPECT_FLOAT_EQ(record("224").magnitude(), 3.1f);
  EXPECT_FLOAT_EQ(record("224").ra(), 10.7f);
  EXPECT_FLOAT_EQ(record("224").dec(), 41.3f);
  EXPECT_FLOAT_EQ(record("7000").magnitude(), kUnknownDeepSkyMagnitude);
  EXPECT_EQ(messier[0].size, "8.0'");
  EXPECT_EQ(messier[0].type, "Spiral galaxy");  // the package's type where the notes give none
}

TEST_F(DeepSkyFixture, NamesJoinListNumbersAndCommonNamesAndFollowThePackageAliases) {
  ObjectNote pair = Note(14, "NGC 7000", "Double Cluster");
  pair.alsoAs = {"NGC 9999", "NGC 12345"};  // the second is not in the catalogue
  const auto messier = Listed(kMessierList, {Note(31, "NGC 224", "Andromeda Galaxy"), Note(2, "NGC 6523", "")});
  const auto caldwell = Listed(kCaldwellList, {pair});
  const Json packageNames = {{"NGC 224", {{"name", "Andromeda"}}},  // beside the list's name
                             {"M 8", {{"name", "Lagoon Nebula"}}},  // alias of NGC 6523
                             {"IC 434", {{"name", "Horsehead Nebula"}}},
                             {"NGC 9999", {{"name", "Other"}}}};
  const std::vector<DeepSkyOtherNames> others = {
      {"NGC 224", {"Andromeda Nebula"}, std::nullopt, std::nullopt},
      {"LMC", {"Large Magellanic Cloud", "LMC"}, SkyPoint{80.9f, -69.75f}, 0.9f}};
  const CatalogTables t = BuildDeepSkyTables(index, packageNames, {&messier, &caldwell}, others);
  std::vector<std::pair<std::string, std::string>> names;
  for (const auto& r : t.names) names.emplace_back(WideToUtf8(DesignationText(r)), NameOf(r));
  // The package's names follow where they differ from the list's; its named
  // IC object joins the catalogue.
  EXPECT_EQ(names, (std::vector<std::pair<std::string, std::string>>{{"224", "M31 Andromeda Galaxy"},
                                                                     {"6523", "M2"},
                                                                     {"7000", "C14 Double Cluster"},
                                                                     {"9999", "C14 Double Cluster"},
                                                                     {"IC 434", "Horsehead Nebula"},
                                                                     {"6523", "Lagoon Nebula"},
                                                                     {"224", "Andromeda"},
                                                                     {"9999", "Other"},
                                                                     {"224", "Andromeda Nebula"},
                                                                     {"LMC", "Large Magellanic Cloud"},
                                                                     {"LMC", "LMC"}}));
  EXPECT_EQ(DesignationOf(t.objects.front()), "LMC");  // an object the package lacks joins the catalogue
  const std::vector<DeepSkyOtherNames> stray = {{"NGC 1", {"Nowhere"}, std::nullopt, std::nullopt}};
  EXPECT_THROW(BuildDeepSkyTables(index, packageNames, {&messier}, stray), std::runtime_error);
}

TEST_F(DeepSkyFixture, NamesPositionsAndMagnitudesFollowTheReference) {
  const Json packageNames = {{"NGC 9999", {{"name", "North America Nebula"}}},  // the reference's NGC 7000
                             {"M 8", {{"name", "Lagoon Nebula"}}},              // 10' off and without a magnitude
                             {"IC 434", {{"name", "Wrong Name"}}},              // wrong wherever it is
                             {"NGC 224", {{"name", "Andromeda"}}}};             // a list object keeps its facts
  std::vector<ReferenceObject> reference(3);
  reference[0].designation = "NGC 7000";
  reference[0].point = {314.7f, 44.33f};
  reference[0].names = {"North America Nebula"};
  reference[1].designation = "NGC 6523";
  reference[1].point = {270.8f, -24.38f + 10.0f / 60};
  reference[1].size = 10;
  reference[1].magnitude = 6.0f;
  reference[2].designation = "NGC 224";
  reference[2].point = {12, 42};
  OtherNames ours;
  ours.deepSkyNameOwners = {{"Wrong Name", {"", "no such object"}}};
  ours.deepSky = {{"NGC 9999", {"Other"}, std::nullopt, std::nullopt}};  // named, and no magnitude anywhere
  CheckedDeepSky checked = CheckDeepSky(index, packageNames, {"NGC 224"}, reference, ours);
  EXPECT_EQ(TextField(checked.names["NGC 9999"], "name"), "");
  EXPECT_EQ(TextField(checked.names["NGC 7000"], "name"), "North America Nebula");
  EXPECT_EQ(TextField(checked.names["IC 434"], "name"), "");
  const DeepSkyEntry* lagoon = index.Find("M 8");
  EXPECT_FLOAT_EQ(lagoon->point.dec, reference[1].point.dec);
  EXPECT_EQ(lagoon->magnitude, 6.0f);
  EXPECT_FLOAT_EQ(index.Find("NGC 224")->point.ra, 10.68f);
  ASSERT_EQ(checked.problems.size(), 1u);  // NGC 9999
  EXPECT_NE(checked.problems[0].find("NGC 9999"), std::string::npos);
  // Explained, it passes; an explanation for an object that has a magnitude is stale.
  ours.deepSkyWithoutMagnitude = {{"NGC 9999", "why"}, {"NGC 7000", "stale"}};
  checked = CheckDeepSky(index, packageNames, {"NGC 224"}, reference, ours);
  ASSERT_EQ(checked.problems.size(), 1u);
  EXPECT_NE(checked.problems[0].find("NGC 7000"), std::string::npos);
}

TEST(DeepSkyReferenceCheck, ObjectsOnOnePointTakeTheReferencesPlacesUnlessTheyAreOne) {
  SkippedEntries skipped;
  DeepSkyIndex index(Collection({Point("NGC 1", 10, 20, {{"mag", "12"}}), Point("NGC 2", 10.0005, 20, {{"mag", "13"}}),
                                 Point("NGC 3", 50, 20, {{"mag", "12"}}), Point("NGC 4", 50, 20, {{"mag", "12"}})}),
                     skipped);
  std::vector<ReferenceObject> reference(4);
  const char* ids[] = {"NGC 1", "NGC 2", "NGC 3", "NGC 4"};
  const SkyPoint places[] = {{10, 20}, {10, 20.1f}, {50, 20}, {50, 20}};
  for (std::size_t i = 0; i < reference.size(); ++i) reference[i].designation = ids[i], reference[i].point = places[i];
  reference[3].duplicate = true;  // NGC 4 is NGC 3 again
  const CheckedDeepSky checked = CheckDeepSky(index, Json::object(), {}, reference, {});
  EXPECT_FLOAT_EQ(index.Find("NGC 2")->point.dec, 20.1f);
  EXPECT_FLOAT_EQ(index.Find("NGC 1")->point.ra, 10.0f);
  EXPECT_FLOAT_EQ(index.Find("NGC 4")->point.ra, 50.0f);
  EXPECT_EQ(checked.report.size(), 2u);  // NGC 2 moved, NGC 4 the same object as NGC 3
  EXPECT_TRUE(checked.problems.empty());
}

TEST(ObjectNotes, EveryEntryNeedsReadableFacts) {
  const auto entry = [](int n) {
    return Json{{"number", n},       {"designation", "NGC 1"}, {"constellation", "And"}, {"notes", "x"},
                {"ra", "12 30.8"},   {"dec", "-00 49"},        {"magnitude", 8.6},        {"size", "8.0x5.7"}};
  };
  const ListKind three{"Test", "T", 3};
  const auto notes = ParseObjectNotes({{"objects", {entry(3), entry(1), entry(2)}}}, three);
  EXPECT_EQ(notes.front().number, 1);
  EXPECT_NEAR(notes.front().point.ra, 187.7, 1e-4);
  EXPECT_NEAR(notes.front().point.dec, -49.0 / 60, 1e-6);
  EXPECT_EQ(notes.front().size.minor, 5.7);
  EXPECT_THROW(ParseObjectNotes({{"objects", {entry(1), entry(2)}}}, three), std::runtime_error);  // T3 missing
  EXPECT_THROW(ParseObjectNotes({{"objects", {entry(1), entry(2), entry(2)}}}, three), std::runtime_error);
  EXPECT_THROW(ParseObjectNotes({{"objects", {entry(1), entry(2), entry(4)}}}, three), std::runtime_error);
  EXPECT_THROW(ParseObjectNotes(Json::array(), three), std::runtime_error);
  const std::vector<std::pair<const char*, Json>> broken = {
      {"designation", nullptr}, {"ra", nullptr},        {"ra", "24 00.0"},    {"ra", 187.7},
      {"dec", "12 24"},         {"dec", "+91 00"},      {"magnitude", nullptr}, {"magnitude", "bright"},
      {"size", "0"},            {"size", "5x8"},        {"size", nullptr}};
  for (const auto& [key, value] : broken) {
    SCOPED_TRACE(std::string(key) + " = " + value.dump());
    Json bad = entry(3);
    if (value.is_null() && key != std::string("magnitude")) bad.erase(key);
    else if (value.is_null()) bad.erase("magnitude");
    else bad[key] = value;
    EXPECT_THROW(ParseObjectNotes({{"objects", {entry(1), entry(2), bad}}}, three), std::runtime_error);
  }
  Json dark = entry(3);
  dark["magnitude"] = nullptr;  // written out as null: a dark nebula has none
  EXPECT_FALSE(ParseObjectNotes({{"objects", {entry(1), entry(2), dark}}}, three).back().magnitude);
}

TEST(Constellations, LinesArePairsAndABrokenVertexBreaksTheRun) {
  const Json lines = Collection(
      {{{"id", "Ori"}, {"geometry", {{"coordinates", {{{0, 0}, {10, 0}, {20, 5}}, {{-10, 1}, {"bad", 1}, {-20, 2}}}}}}}});
  SkippedEntries skipped;
  const auto records = BuildConstellationLines(lines, skipped);
  ASSERT_EQ(records.size(), 4u);  // two segments; the broken run draws nothing
  EXPECT_FLOAT_EQ(records[1].ra(), 10.0f);
  EXPECT_FLOAT_EQ(records[2].ra(), 10.0f);
  EXPECT_EQ(DesignationOf(records[3]), "Ori");
  EXPECT_EQ(skipped.size(), 1u);
}

TEST(Constellations, LabelsCarryTheIauNamesOncePerConstellation) {
  const Json constellations = Collection({Point("Ser", -127.5, 5, {{"name", "Serpens Caput"}}),
                                          Point("CrA", -76, -41, {{"name", "Corona Austrina"}}),
                                          Point("Ser", -79.5, 3, {{"name", "Serpens Cauda"}}),
                                          Point("Xyz", 1, 1, {{"name", "Not a constellation"}})});
  SkippedEntries skipped;
  const auto labels = BuildConstellationLabels(constellations, skipped);
  ASSERT_EQ(labels.size(), 2u);
  EXPECT_EQ(labels[0].fullName(), u"Serpens");
  EXPECT_FLOAT_EQ(labels[0].ra(), 232.5f);
  EXPECT_EQ(ConstellationFullNames(labels).at("CrA"), "Corona Australis");
  EXPECT_EQ(skipped.size(), 1u);
  EXPECT_EQ(IauConstellationNames().size(), 88u);
  for (const auto& [abbreviation, name] : IauConstellationNames()) {
    SCOPED_TRACE(abbreviation);
    EXPECT_LT(Utf8ToWide(name).size(), kFullNameUnits);  // every name fits its label
  }
}

TEST(RecordFileWriter, WritesWhatTheLoaderReads) {
  const auto path = std::filesystem::temp_directory_path() / "vespera_tools_records.dat";
  std::vector<SkyObjectRecord> records = {MakeObjectRecord(1.5f, -2.5f, 3.5f, "18del Cyg"),
                                          MakeObjectRecord(4, 5, 6, "224")};
  WriteRecordFile(path, records);
  EXPECT_EQ(std::filesystem::file_size(path), 4u + 2 * SkyObjectRecord::kSize);
  EXPECT_FALSE(std::filesystem::exists(path.string() + ".part"));
  CatalogStore store;
  EXPECT_TRUE(store.LoadObjects(path.string()));
  ASSERT_EQ(store.objects.count(), 2u);
  EXPECT_EQ(DesignationOf(store.objects[0]), "18del Cyg");
  EXPECT_FLOAT_EQ(store.objects[1].magnitude(), 6.0f);
  WriteRecordFile(path, std::vector<SkyObjectRecord>{});
  EXPECT_EQ(std::filesystem::file_size(path), 4u);
  std::filesystem::remove(path);
}

}  // namespace
