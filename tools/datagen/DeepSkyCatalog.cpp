#include "tools/datagen/DeepSkyCatalog.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>
#include <unordered_map>
#include <unordered_set>

#include "tools/datagen/AnsiText.h"
#include "tools/datagen/DeepSkyReferenceCheck.h"

namespace vespera {

namespace {

struct Candidate {
  std::string designation;
  SkyPoint point;
  std::optional<float> magnitude;
};

class DeepSkyObjects {
 public:
  void Add(const std::string& designation, SkyPoint point, std::optional<float> magnitude) {
    if (byDesignation_.count(designation)) return;
    byDesignation_.emplace(designation, candidates_.size());
    candidates_.push_back({designation, point, magnitude});
  }
  Candidate* Find(const std::string& designation) {
    const auto it = byDesignation_.find(designation);
    return it == byDesignation_.end() ? nullptr : &candidates_[it->second];
  }
  std::vector<SkyObjectRecord> BrightestFirst() const {
    std::vector<const Candidate*> order;
    for (const Candidate& c : candidates_) order.push_back(&c);
    const auto magnitudeOf = [](const Candidate* c) { return c->magnitude.value_or(kUnknownDeepSkyMagnitude); };
    std::stable_sort(order.begin(), order.end(),
                     [&](const Candidate* a, const Candidate* b) { return magnitudeOf(a) < magnitudeOf(b); });
    std::vector<SkyObjectRecord> records;
    records.reserve(order.size());
    for (const Candidate* c : order)
      records.push_back(MakeObjectRecord(c->point.ra, c->point.dec, magnitudeOf(c), c->designation));
    return records;
  }

 private:
  std::vector<Candidate> candidates_;
  std::unordered_map<std::string, std::size_t> byDesignation_;
};

bool Named(const DeepSkyEntry& entry, const Json& packageNames, const std::vector<DeepSkyOtherNames>& otherNames) {
  for (const std::string& key : {entry.id, entry.alias})
    if (!TextField(Member(packageNames, key), "name").empty()) return true;
  return std::any_of(otherNames.begin(), otherNames.end(), [&](const DeepSkyOtherNames& extra) {
    return extra.designation == entry.id || extra.designation == entry.alias;
  });
}

std::string ListedName(const ListedObject& object) {
  const std::string name = Utf8ToAnsiSpelled(object.note.name);
  return name.empty() ? object.label : object.label + " " + name;
}

}  // namespace

CatalogTables BuildDeepSkyTables(const DeepSkyIndex& index, const Json& packageNames,
                                 const std::vector<const std::vector<ListedObject>*>& lists,
                                 const std::vector<DeepSkyOtherNames>& otherNames) {
  DeepSkyObjects objects;
  // Every spelling under which the package or our notes refer to a record.
  std::unordered_map<std::string, std::string> recordOf;
  for (const DeepSkyEntry& entry : index.entries()) {
    const bool ngc = entry.id.rfind("NGC ", 0) == 0;
    if (!ngc && !(IsKeptCatalogue(entry.id) && Named(entry, packageNames, otherNames))) continue;
    const std::string designation = RecordDesignation(entry.id);
    objects.Add(designation, entry.point, entry.magnitude);
    recordOf.emplace(entry.id, designation);
    recordOf.emplace(entry.alias, designation);
  }
  for (const auto* list : lists) {
    for (const ListedObject& object : *list) {
      // Our table's position and visual magnitude replace the package's.
      if (Candidate* known = objects.Find(object.recordDesignation)) {
        known->point = object.point;
        known->magnitude = object.magnitude;
      } else {
        objects.Add(object.recordDesignation, object.point, object.magnitude);
      }
      recordOf.emplace(object.note.designation, object.recordDesignation);
      if (!object.note.catalogId.empty()) recordOf.emplace(object.note.catalogId, object.recordDesignation);
      if (object.entry) recordOf.emplace(object.entry->alias, object.recordDesignation);
    }
  }

  for (const DeepSkyOtherNames& extra : otherNames) {
    const std::string designation = RecordDesignation(extra.designation);
    if (extra.point && !objects.Find(designation)) objects.Add(designation, *extra.point, extra.magnitude);
    recordOf.emplace(extra.designation, designation);
  }

  CatalogTables tables;
  tables.objects = objects.BrightestFirst();

  // The common names each record carries already, folded, so the package
  // adds only names our lists do not give.
  std::unordered_map<std::string, std::unordered_set<std::string>> namesOf;
  for (const auto* list : lists) {
    for (const ListedObject& object : *list) {
      const std::string text = ListedName(object);
      const std::string common = NameKey(object.note.name);
      tables.names.push_back(MakeNameRecord(object.recordDesignation, text));
      namesOf[object.recordDesignation].insert(common);
      for (const std::string& part : object.note.alsoAs) {
        const std::string designation = RecordDesignation(part);
        if (!objects.Find(designation)) continue;
        tables.names.push_back(MakeNameRecord(designation, text));
        namesOf[designation].insert(common);
      }
    }
  }
  if (packageNames.is_object()) {
    for (const auto& [key, value] : packageNames.items()) {
      const auto record = recordOf.find(key);
      if (record == recordOf.end()) continue;
      const std::string name = Utf8ToAnsiSpelled(TextField(value, "name"));
      if (name.empty() || !namesOf[record->second].insert(NameKey(TextField(value, "name"))).second) continue;
      tables.names.push_back(MakeNameRecord(record->second, name));
    }
  }
  for (const DeepSkyOtherNames& extra : otherNames) {
    const std::string designation = RecordDesignation(extra.designation);
    if (!objects.Find(designation))
      throw std::runtime_error("names file: deep-sky object " + extra.designation + " is not in the catalogue");
    for (const std::string& name : extra.names) tables.names.push_back(MakeNameRecord(designation, Utf8ToAnsiSpelled(name)));
  }
  return tables;
}

}  // namespace vespera
