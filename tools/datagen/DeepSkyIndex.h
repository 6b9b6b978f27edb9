#pragma once
// The package's deep-sky list (dsos.20.json) by designation. Each object is
// listed once, under its id ("NGC 224"), and often carries a better-known
// designation as well ("M 31"); both find it.

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "tools/datagen/CatalogTables.h"
#include "tools/datagen/JsonFile.h"
#include "tools/datagen/GeoJsonPoint.h"

namespace vespera {

struct DeepSkyEntry {
  std::string id;          // "NGC 224"
  std::string alias;       // "M 31", or the id again
  std::string typeCode;    // "s", "oc", "gc", ... as the package writes them
  std::string dimensions;  // arcminutes, "189.1x61.7" or "30"
  SkyPoint point;
  // The package writes 999 when it has none, and a dark nebula's opacity
  // class (1 to 6) where other objects have a magnitude: that is left out.
  std::optional<float> magnitude;
};

class DeepSkyIndex {
 public:
  // Entries without a usable id or position are left out and noted.
  DeepSkyIndex(const Json& dsos, SkippedEntries& skipped);

  // In file order.
  const std::vector<DeepSkyEntry>& entries() const { return entries_; }
  // By id first, then by alias; nothing when neither matches.
  const DeepSkyEntry* Find(const std::string& designation) const;
  // The checked facts of an entry found by Find (DeepSkyReferenceCheck.h).
  void Amend(const DeepSkyEntry& entry, SkyPoint point, std::optional<float> magnitude);
  // An entry the package lacks, taken from the reference; nothing when the id is taken.
  void Add(DeepSkyEntry entry);

 private:
  std::vector<DeepSkyEntry> entries_;
  std::unordered_map<std::string, std::size_t> byId_;
  std::unordered_map<std::string, std::size_t> byAlias_;
};

// The package's type codes in words ("oc" -> "Open cluster").
std::string DeepSkyTypeText(const std::string& typeCode);

}  // namespace vespera
