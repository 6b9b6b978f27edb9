#pragma once
// One catalogue in memory: its objects, the common names of its objects, and
// (for the constellations) its labels. Tables are filled once by the loader
// and read-only afterwards.

#include <string>

#include "catalog/RecordTable.h"
#include "catalog/SkyRecords.h"
#include "platform/runtime/Expected.h"
#include "platform/runtime/WinTypes.h"

namespace vespera {

class CatalogStore {
 public:
  CatalogStore() = default;
  CatalogStore(const CatalogStore&) = delete;
  CatalogStore& operator=(const CatalogStore&) = delete;
  virtual ~CatalogStore() = default;

  RecordTable<SkyObjectRecord> objects;
  RecordTable<ObjectNameRecord> names;
  RecordTable<ConstellationLabel> labels;

  // Fill one table from one data file (UTF-8 path). Missing, short or empty
  // files leave the table as it was; the answer says why a file was not whole.
  Expected<void> LoadObjects(const std::string& path);
  Expected<void> LoadNames(const std::string& path);
  Expected<void> LoadLabels(const std::string& path);

  // The common name of the first name record whose designation equals key
  // exactly (case-sensitive). key and name may be the same string.
  bool FindName(const WideString& key, WideString& name) const;

  // The index of the first object whose lower-case-folded designation equals
  // key, or -1; the caller folds key with FoldWide.
  int FindObjectIndex(const WideString& key) const;

  // Lines of a constellation-line catalogue: records 2k and 2k+1.
  std::size_t lineCount() const { return objects.count() / 2; }
};

}  // namespace vespera
