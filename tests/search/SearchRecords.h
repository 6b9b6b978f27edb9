#pragma once
// Small catalogue records for the search tests.

#include <string>
#include <string_view>

#include "catalog/CatalogStore.h"

namespace vespera {

inline void AddObject(CatalogStore& store, std::string_view designation, float magnitude = 1.0f) {
  SkyObjectRecord record;
  record.SetDesignation(designation);
  record.SetMagnitude(magnitude);
  store.objects.Append(record);
}

inline void AddName(CatalogStore& store, std::string_view designation, std::string_view name) {
  ObjectNameRecord record;
  record.SetDesignation(designation);
  record.SetName(name);
  store.names.Append(record);
}

inline void AddLabel(CatalogStore& store, std::u16string_view fullName) {
  ConstellationLabel label;
  label.SetFullName(fullName);
  store.labels.Append(label);
}

// "S12", or "S12 x" with a suffix. Appended piece by piece: prepending to a
// temporary string makes GCC 12 at -O3 report a false overlap inside
// std::string (-Wrestrict).
inline std::string Numbered(std::string_view prefix, int i, std::string_view suffix = {}) {
  std::string name(prefix);
  name += std::to_string(i);
  name += suffix;
  return name;
}

}  // namespace vespera
