#include "catalog/CatalogStore.h"

#include <cstring>

#include "catalog/RecordFile.h"
#include "platform/runtime/CaseFold.h"
#include "platform/runtime/CodePage.h"

namespace vespera {

Expected<void> CatalogStore::LoadObjects(const std::string& path) { return LoadRecordFile(path, objects); }
Expected<void> CatalogStore::LoadNames(const std::string& path) { return LoadRecordFile(path, names); }
Expected<void> CatalogStore::LoadLabels(const std::string& path) { return LoadRecordFile(path, labels); }

namespace {

// Compares without building a wide string: a name scan runs once per listed
// search hit, over every name record.
bool DesignationEquals(const char* field, const WideString& key) {
  std::size_t i = 0;
  for (; i < kDesignationBytes && field[i] != '\0'; ++i)
    if (i >= key.size() || AnsiCharToWide(static_cast<unsigned char>(field[i])) != key[i]) return false;
  return i == key.size();
}

}  // namespace

bool CatalogStore::FindName(const WideString& key, WideString& name) const {
  for (const ObjectNameRecord& record : names) {
    if (DesignationEquals(record.designation(), key)) {
      name = NameText(record);
      return true;
    }
  }
  return false;
}

int CatalogStore::FindObjectIndex(const WideString& key) const {
  for (std::size_t i = 0; i < objects.count(); ++i) {
    char folded[12] = {};
    std::memcpy(folded, objects[i].designation(), kDesignationBytes);
    FoldAnsi(folded);
    if (folded[0] == '\0') continue;
    if (AnsiToWide(folded, sizeof folded) == key) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace vespera
