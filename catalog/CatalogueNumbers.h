#pragma once
// The Messier and Caldwell numbers of the deep-sky objects. The names table
// starts each list object's name with its label ("M42 Orion Nebula", "C14
// Double Cluster") under the object's designation, so the numbers are read
// from there; the records themselves carry only the NGC or other designation.

#include <cstdint>
#include <optional>
#include <vector>

#include "catalog/CatalogStore.h"

namespace vespera {

enum class ObjectList { Messier, Caldwell };

struct ListedObject {
  ObjectList list = ObjectList::Messier;
  int number = 0;           // 1..110 (Messier) or 1..109 (Caldwell)
  std::int32_t index = -1;  // into the deep-sky objects
};

// Every list entry whose designation the objects table holds, in names-table
// order (Messier, then Caldwell). An entry of two objects (C14, the Double
// Cluster) appears once per object.
std::vector<ListedObject> ListedDeepSkyObjects(const CatalogStore& deepSky);

// The first entry of `listed` for object `index`, Messier before Caldwell.
std::optional<ListedObject> ListEntryOf(const std::vector<ListedObject>& listed, std::int32_t index);

// "M42", "C14".
WideString ListLabel(const ListedObject& entry);

}  // namespace vespera
