// The six catalogue files, each present, absent or replaced by a folder, with
// any content. The loader must finish, publish dataLoaded, and hold exactly
// the whole records each file has room for; the lookups must agree with their
// plain definitions on whatever the records hold.

#include <algorithm>
#include <array>
#include <cstring>

#include "catalog/CatalogLoader.h"
#include "fuzz/targets/FuzzCheck.h"
#include "fuzz/targets/FuzzInput.h"
#include "fuzz/targets/FuzzTargets.h"
#include "tests/support/ScratchFolder.h"
#include "platform/runtime/CaseFold.h"
#include "platform/runtime/CodePage.h"
#include "platform/runtime/LittleEndian.h"

using namespace vespera;

namespace {

constexpr std::array<const char*, 6> kFileNames = {kStarsFile,        kStarNamesFile,
                                                   kDeepSkyFile,      kDeepSkyNamesFile,
                                                   kConstellationLinesFile, kConstellationNamesFile};

// Lookups are linear scans; checking every record against every other would
// make large inputs quadratic and slow the fuzzer without finding more.
constexpr std::size_t kCheckedLookups = 48;

struct FileContent {
  bool written = false;
  std::string_view bytes;
};

// The records a file yields: none when it is missing or has no usable count,
// else the whole records that fit after the count, at most the count.
std::size_t ExpectedCount(const FileContent& file, std::size_t recordSize) {
  if (!file.written || file.bytes.size() < 4) return 0;
  const std::uint32_t count = ReadLittleU32(reinterpret_cast<const unsigned char*>(file.bytes.data()));
  return std::min<std::size_t>(count, (file.bytes.size() - 4) / recordSize);
}

template <class Record>
void CheckTableHoldsFile(const RecordTable<Record>& table, const FileContent& file) {
  const std::size_t expected = ExpectedCount(file, Record::kSize);
  FUZZ_CHECK(table.count() == expected);
  for (std::size_t i = 0; i < expected; ++i)
    FUZZ_CHECK(std::memcmp(table[i].bytes.data(), file.bytes.data() + 4 + i * Record::kSize,
                           Record::kSize) == 0);
}

// FindName by its definition: the first record whose designation, converted
// to wide text, equals the key.
bool ReferenceFindName(const CatalogStore& store, const WideString& key, WideString& name) {
  for (const ObjectNameRecord& record : store.names)
    if (DesignationText(record) == key) {
      name = NameText(record);
      return true;
    }
  return false;
}

int ReferenceFindObjectIndex(const CatalogStore& store, const WideString& foldedKey) {
  for (std::size_t i = 0; i < store.objects.count(); ++i) {
    WideString folded = DesignationText(store.objects[i]);
    FoldWide(folded);
    if (!folded.empty() && folded == foldedKey) return static_cast<int>(i);
  }
  return -1;
}

void CheckLookups(const CatalogStore& store) {
  const std::size_t objects = std::min(store.objects.count(), kCheckedLookups);
  for (std::size_t i = 0; i < objects; ++i) {
    const WideString key = DesignationText(store.objects[i]);
    WideString found;
    WideString expected;
    const bool hit = store.FindName(key, found);
    FUZZ_CHECK(hit == ReferenceFindName(store, key, expected));
    FUZZ_CHECK(found == expected);

    // Key and result may be one string: the comparison must finish first.
    WideString shared = key;
    FUZZ_CHECK(store.FindName(shared, shared) == hit);
    FUZZ_CHECK(shared == (hit ? expected : key));

    WideString folded = key;
    FoldWide(folded);
    const int index = store.FindObjectIndex(folded);
    FUZZ_CHECK(index == ReferenceFindObjectIndex(store, folded));
    FUZZ_CHECK(index <= static_cast<int>(i));
  }
  const std::size_t names = std::min(store.names.count(), kCheckedLookups);
  for (std::size_t j = 0; j < names; ++j) {
    WideString key = DesignationText(store.names[j]);
    FoldWide(key);
    FUZZ_CHECK(store.FindObjectIndex(key) == ReferenceFindObjectIndex(store, key));
    WideString name;
    FUZZ_CHECK(store.FindName(DesignationText(store.names[j]), name));
  }
}

void CheckLabels(const CatalogStore& store) {
  for (const ConstellationLabel& label : store.labels) {
    FUZZ_CHECK(label.shortName().size() <= kShortNameUnits);
    FUZZ_CHECK(label.fullName().size() <= kFullNameUnits);
    FUZZ_CHECK(label.fullName().find(u'\0') == WideString::npos);
    static_cast<void>(label.ra());
    static_cast<void>(label.dec());
  }
}

}  // namespace

void FuzzCatalogLoader(FuzzBytes data) {
  FuzzInput input(data);
  const std::uint8_t present = input.TakeByte();
  const std::uint8_t folders = input.TakeByte();
  ScratchFolder folder;
  std::array<FileContent, kFileNames.size()> files;
  for (std::size_t k = 0; k < kFileNames.size(); ++k) {
    const std::string_view bytes = input.TakePart();
    if (present & (1u << k)) {
      folder.Write(kFileNames[k], bytes);
      files[k] = {true, bytes};
    } else if (folders & (1u << k)) {
      folder.MakeFolder(kFileNames[k]);
    }
  }

  SkyCatalogs catalogs;
  const Expected<void> loaded = LoadCatalogs(catalogs, folder.Directory());
  FUZZ_CHECK(catalogs.IsLoaded());
  // The answer names the first file that was missing or damaged.
  if (!files[0].written) FUZZ_CHECK(!loaded && loaded.reason().starts_with(std::string(kStarsFile) + ": "));
  if (!loaded) FUZZ_CHECK(loaded.reason().find(".dat: ") != std::string::npos);
  CheckTableHoldsFile(catalogs.starCatalog.objects, files[0]);
  CheckTableHoldsFile(catalogs.starCatalog.names, files[1]);
  CheckTableHoldsFile(catalogs.deepSkyCatalog.objects, files[2]);
  CheckTableHoldsFile(catalogs.deepSkyCatalog.names, files[3]);
  CheckTableHoldsFile(catalogs.constellationLineCatalog.objects, files[4]);
  CheckTableHoldsFile(catalogs.constellationLabelCatalog.labels, files[5]);
  FUZZ_CHECK(catalogs.starCatalog.labels.empty() && catalogs.deepSkyCatalog.labels.empty());
  FUZZ_CHECK(catalogs.constellationLineCatalog.names.empty());
  FUZZ_CHECK(catalogs.constellationLineCatalog.lineCount() ==
             catalogs.constellationLineCatalog.objects.count() / 2);

  CheckLookups(catalogs.starCatalog);
  CheckLookups(catalogs.deepSkyCatalog);
  CheckLabels(catalogs.constellationLabelCatalog);

  // Loading a second file into a filled table: a file without records to
  // offer (missing, shorter than its count, or counting 0) keeps the table.
  const std::vector<SkyObjectRecord> before(catalogs.starCatalog.objects.begin(),
                                            catalogs.starCatalog.objects.end());
  // Any answer will do: what counts is the table it leaves.
  static_cast<void>(catalogs.starCatalog.LoadObjects(folder.File(kDeepSkyFile)));
  const bool keeps = !files[2].written || files[2].bytes.size() < 4 ||
                     ReadLittleU32(reinterpret_cast<const unsigned char*>(files[2].bytes.data())) == 0;
  if (keeps) {
    FUZZ_CHECK(catalogs.starCatalog.objects.count() == before.size());
    FUZZ_CHECK(std::equal(before.begin(), before.end(), catalogs.starCatalog.objects.begin(),
                          [](const auto& a, const auto& b) { return a.bytes == b.bytes; }));
  } else {
    CheckTableHoldsFile(catalogs.starCatalog.objects, files[2]);
  }
}
