#pragma once
// Small catalogue records for the search tests.

#include <string_view>

#include "catalog/CatalogStore.h"

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
