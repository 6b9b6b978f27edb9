#include "catalog/CatalogLoader.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "CatalogFixture.h"
#include "catalog/SkyRecords.h"

using namespace vespera;

namespace {

TEST(RecordLayout, FieldsLieAtTheirByteOffsetsLittleEndian) {
  const SkyObjectRecord star = MakeObjectRecord(1.0f, -2.0f, 0.5f, "18del Cyg");
  EXPECT_EQ(star.bytes[0], 0x00);
  EXPECT_EQ(star.bytes[3], 0x3F);  // 1.0f = 0x3F800000
  EXPECT_EQ(star.bytes[7], 0xC0);  // -2.0f = 0xC0000000
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&star.bytes[12])), "18del Cyg");
  EXPECT_EQ(star.bytes[21], 0);

  ObjectNameRecord name;
  name.SetDesignation("224");
  name.SetName(std::string(400, 'x'));  // cut to the field, keeping its terminator
  EXPECT_EQ(name.bytes[10], 'x');
  EXPECT_EQ(name.bytes[311], 'x');
  EXPECT_EQ(name.bytes[312], 0);

  ConstellationLabel label;
  label.SetShortName(u"Orion");  // at most three units fit
  label.SetFullName(u"Orion");
  label.SetRa(83.5f);
  EXPECT_EQ(label.shortName(), u"Ori");
  EXPECT_EQ(label.bytes[8], 'O');
  EXPECT_EQ(label.bytes[9], 0);
  EXPECT_EQ(label.ra(), 83.5f);
  EXPECT_EQ(label.bytes[58 + 3], 0x42);  // 83.5f = 0x42A70000
}

TEST(CatalogLoad, ReadsEachRecordSizeInFileOrder) {
  CatalogFolder folder;
  folder.WriteRecords<SkyObjectRecord>("Stars.dat", 3,
                                       {MakeObjectRecord(0, 90, 2.0f, "1alp UMi"), MakeObjectRecord(10, 0, 3.0f, "b"),
                                        MakeObjectRecord(20, -10, 4.5f, "c")});
  ObjectNameRecord polaris;
  polaris.SetDesignation("1alp UMi");
  polaris.SetName("Polaris");
  folder.WriteRecords<ObjectNameRecord>("StarNames.dat", 1, {polaris});
  ConstellationLabel ori;
  ori.SetShortName(u"Ori");
  ori.SetFullName(u"Orion");
  ori.SetDec(5.0f);
  folder.WriteRecords<ConstellationLabel>("CNames.dat", 1, {ori});

  SkyCatalogs catalogs;
  const Expected<void> loaded = LoadCatalogs(catalogs, folder.Directory());
  ASSERT_TRUE(catalogs.IsLoaded());
  // The deep-sky files are missing from this folder.
  ASSERT_FALSE(loaded);
  EXPECT_EQ(loaded.reason(), "DeepSky.dat: the file cannot be opened");
  const auto& stars = catalogs.starCatalog.objects;
  ASSERT_EQ(stars.count(), 3u);
  EXPECT_EQ(stars[0].dec(), 90.0f);
  EXPECT_EQ(stars[2].magnitude(), 4.5f);
  EXPECT_EQ(DesignationText(stars[1]), u"b");
  ASSERT_EQ(catalogs.starCatalog.names.count(), 1u);
  EXPECT_EQ(NameText(catalogs.starCatalog.names[0]), u"Polaris");
  ASSERT_EQ(catalogs.constellationLabelCatalog.labels.count(), 1u);
  EXPECT_EQ(catalogs.constellationLabelCatalog.labels[0].fullName(), u"Orion");
  EXPECT_EQ(catalogs.constellationLabelCatalog.labels[0].dec(), 5.0f);
  // Tables a catalogue does not use stay empty.
  EXPECT_EQ(catalogs.starCatalog.labels.count(), 0u);
  EXPECT_EQ(catalogs.constellationLabelCatalog.objects.count(), 0u);
  EXPECT_EQ(catalogs.deepSkyCatalog.objects.count(), 0u);
}

TEST(CatalogLoad, MissingEmptyAndTinyFilesLeaveEmptyTablesAndStillFinish) {
  CatalogFolder folder;
  folder.WriteBytes("Stars.dat", {});
  folder.WriteBytes("DeepSky.dat", {0, 0, 0, 0});
  folder.WriteBytes("CLines.dat", {5, 0, 0});  // shorter than the count itself
  SkyCatalogs catalogs;
  const Expected<void> loaded = LoadCatalogs(catalogs, folder.Directory());
  EXPECT_TRUE(catalogs.IsLoaded());
  ASSERT_FALSE(loaded);
  EXPECT_EQ(loaded.reason(), "Stars.dat: the file ends inside its record count");
  CatalogStore lines;
  EXPECT_EQ(lines.LoadObjects(folder.File("CLines.dat")).reason(), "the file ends inside its record count");
  // A count of zero is an empty catalogue, and said, as it points at a damaged file.
  EXPECT_EQ(lines.LoadObjects(folder.File("DeepSky.dat")).reason(), "the file declares no records");
  EXPECT_EQ(lines.objects.count(), 0u);
  EXPECT_EQ(catalogs.starCatalog.objects.count(), 0u);
  EXPECT_EQ(catalogs.deepSkyCatalog.objects.count(), 0u);
  EXPECT_EQ(catalogs.constellationLineCatalog.objects.count(), 0u);
  EXPECT_EQ(catalogs.constellationLabelCatalog.labels.count(), 0u);

  // A folder in the file's place opens but cannot be read.
  std::filesystem::create_directory(folder.File("CNames.dat"));
  EXPECT_EQ(lines.LoadLabels(folder.File("CNames.dat")).reason(), "the file cannot be read");

  SkyCatalogs nowhere;
  EXPECT_EQ(LoadCatalogs(nowhere, folder.Directory() + "no-such-folder/").reason(),
            "Stars.dat: the file cannot be opened");
  EXPECT_TRUE(nowhere.IsLoaded());
}

TEST(CatalogLoad, ShortFileKeepsOnlyTheWholeRecordsItHolds) {
  CatalogFolder folder;
  // Three records announced, two and a half present.
  folder.WriteRecords<SkyObjectRecord>("Stars.dat", 3, {MakeObjectRecord(1, 1, 1, "a"), MakeObjectRecord(2, 2, 2, "b"),
                                                         MakeObjectRecord(3, 3, 3, "c")},
                                       11);
  CatalogStore store;
  EXPECT_EQ(store.LoadObjects(folder.File("Stars.dat")).reason(), "the record count runs past the end of the file");
  ASSERT_EQ(store.objects.count(), 2u);
  EXPECT_EQ(DesignationText(store.objects[1]), u"b");
}

TEST(CatalogLoad, HugeCountIsBoundedByTheFileLength) {
  CatalogFolder folder;
  ObjectNameRecord vega;
  vega.SetDesignation("3alp Lyr");
  vega.SetName("Vega");
  folder.WriteRecords<ObjectNameRecord>("StarNames.dat", 0xFFFFFFFFu, {vega});
  CatalogStore store;
  EXPECT_EQ(store.LoadNames(folder.File("StarNames.dat")).reason(), "the record count runs past the end of the file");
  ASSERT_EQ(store.names.count(), 1u);
  EXPECT_EQ(NameText(store.names[0]), u"Vega");
}

TEST(CatalogLoad, ExtraBytesBeyondTheCountAreNotRead) {
  CatalogFolder folder;
  folder.WriteRecords<SkyObjectRecord>("CLines.dat", 1, {MakeObjectRecord(1, 1, 0, ""), MakeObjectRecord(2, 2, 0, "")});
  CatalogStore store;
  EXPECT_EQ(store.LoadObjects(folder.File("CLines.dat")).reason(), "22 bytes follow the last record");
  EXPECT_EQ(store.objects.count(), 1u);
}

TEST(CatalogLoad, EveryDamagedFileIsHandedOnAndAFifoReadsAsUnreadable) {
  CatalogFolder folder;
  folder.WriteRecords<SkyObjectRecord>("DeepSky.dat", 0, {});
  // A FIFO would block the loader for ever if it were opened for reading.
  ASSERT_EQ(::mkfifo(folder.File("Stars.dat").c_str(), 0600), 0);
  SkyCatalogs catalogs;
  std::vector<std::string> problems;
  const Expected<void> loaded =
      LoadCatalogs(catalogs, folder.Directory(), [&](const std::string& problem) { problems.push_back(problem); });
  EXPECT_EQ(loaded.reason(), "Stars.dat: the file cannot be read");
  EXPECT_EQ(problems, (std::vector<std::string>{"Stars.dat: the file cannot be read",
                                                "StarNames.dat: the file cannot be opened",
                                                "DeepSky.dat: the file declares no records",
                                                "DeepSkyNames.dat: the file cannot be opened",
                                                "CLines.dat: the file cannot be opened",
                                                "CNames.dat: the file cannot be opened"}));
  EXPECT_TRUE(catalogs.IsLoaded());
}

TEST(CatalogLoad, OddLineTableDropsItsLastEndPoint) {
  CatalogFolder folder;
  std::vector<SkyObjectRecord> points(5, MakeObjectRecord(0, 0, 0, ""));
  folder.WriteRecords<SkyObjectRecord>("CLines.dat", 5, points);
  CatalogStore store;
  ASSERT_TRUE(store.LoadObjects(folder.File("CLines.dat")));
  EXPECT_EQ(store.objects.count(), 5u);
  EXPECT_EQ(store.lineCount(), 2u);
}

TEST(CatalogLoad, NonFiniteValuesAreLoadedAsStoredForTheDrawingCodeToReject) {
  CatalogFolder folder;
  folder.WriteRecords<SkyObjectRecord>("Stars.dat", 1, {MakeObjectRecord(NAN, INFINITY, -INFINITY, "x")});
  CatalogStore store;
  ASSERT_TRUE(store.LoadObjects(folder.File("Stars.dat")));
  ASSERT_EQ(store.objects.count(), 1u);
  EXPECT_TRUE(std::isnan(store.objects[0].ra()));
  EXPECT_TRUE(std::isinf(store.objects[0].dec()));
}

}  // namespace
