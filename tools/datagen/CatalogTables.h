#pragma once
// What a generator step produces for one catalogue: its object records in
// table order and the name records keyed by their designations, plus notes on
// input entries it had to leave out.

#include <string>
#include <vector>

#include "catalog/SkyRecords.h"

namespace vespera {

struct CatalogTables {
  std::vector<SkyObjectRecord> objects;
  std::vector<ObjectNameRecord> names;
};

// Entries of the input that were left out, with the reason, for the build log.
using SkippedEntries = std::vector<std::string>;


}  // namespace vespera
