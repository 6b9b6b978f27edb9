#include "tools/datagen/DeepSkyIndex.h"

#include <cmath>

namespace vespera {

namespace {

constexpr double kNoMagnitude = 999;
constexpr const char* kDarkNebula = "dn";

}  // namespace

DeepSkyIndex::DeepSkyIndex(const Json& dsos, SkippedEntries& skipped) {
  const Json& features = Member(dsos, "features");
  if (!features.is_array()) {
    skipped.push_back("deep-sky objects: no feature list");
    return;
  }
  entries_.reserve(features.size());
  for (const Json& feature : features) {
    const std::string id = TextField(feature, "id");
    const auto point = PointOfFeature(feature);
    if (id.empty() || !point || byId_.count(id)) {
      skipped.push_back("deep-sky object " + (id.empty() ? Member(feature, "id").dump() : id) +
                        ": no id, no valid position, or listed twice");
      continue;
    }
    const Json& properties = Member(feature, "properties");
    DeepSkyEntry entry;
    entry.id = id;
    entry.alias = TextField(properties, "desig");
    if (entry.alias.empty()) entry.alias = id;
    entry.typeCode = TextField(properties, "type");
    entry.dimensions = TextField(properties, "dim");
    entry.point = *point;
    const auto magnitude = NumberField(properties, "mag");
    if (magnitude && *magnitude < kNoMagnitude && std::fabs(*magnitude) < 40 && entry.typeCode != kDarkNebula)
      entry.magnitude = static_cast<float>(*magnitude);
    byId_.emplace(entry.id, entries_.size());
    byAlias_.emplace(entry.alias, entries_.size());
    entries_.push_back(std::move(entry));
  }
}

const DeepSkyEntry* DeepSkyIndex::Find(const std::string& designation) const {
  if (const auto it = byId_.find(designation); it != byId_.end()) return &entries_[it->second];
  if (const auto it = byAlias_.find(designation); it != byAlias_.end()) return &entries_[it->second];
  return nullptr;
}

void DeepSkyIndex::Amend(const DeepSkyEntry& entry, SkyPoint point, std::optional<float> magnitude) {
  DeepSkyEntry& mine = entries_[static_cast<std::size_t>(&entry - entries_.data())];
  mine.point = point;
  mine.magnitude = magnitude;
}

void DeepSkyIndex::Add(DeepSkyEntry entry) {
  if (byId_.count(entry.id)) return;
  byId_.emplace(entry.id, entries_.size());
  byAlias_.emplace(entry.alias, entries_.size());
  entries_.push_back(std::move(entry));
}

std::string DeepSkyTypeText(const std::string& code) {
  static const std::unordered_map<std::string, std::string> kTypes = {
      {"gg", "Galaxy cluster"},       {"g", "Galaxy"},
      {"s", "Spiral galaxy"},         {"s0", "Lenticular galaxy"},
      {"sd", "Dwarf spheroidal galaxy"}, {"i", "Irregular galaxy"},
      {"e", "Elliptical galaxy"},     {"oc", "Open cluster"},
      {"gc", "Globular cluster"},     {"dn", "Dark nebula"},
      {"bn", "Bright nebula"},        {"sfr", "Star-forming region"},
      {"rn", "Reflection nebula"},    {"en", "Emission nebula"},
      {"pn", "Planetary nebula"},     {"snr", "Supernova remnant"},
  };
  const auto it = kTypes.find(code);
  return it == kTypes.end() ? std::string("Deep-sky object") : it->second;
}

}  // namespace vespera
