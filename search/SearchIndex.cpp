#include "search/SearchIndex.h"

#include <cstring>

#include "platform/runtime/CaseFold.h"

namespace vespera {

namespace {

// A field copied into a cleared buffer one byte longer than the copy, so it
// is terminated even when a damaged record fills the field.
template <std::size_t Bytes>
struct FieldCopy {
  char text[Bytes + 1] = {};
  explicit FieldCopy(const char* field) { std::memcpy(text, field, Bytes); }
  std::string_view view() const { return text; }
};

// Transparent, so a slot's text is looked up without making a string of it.
struct TextHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
};

}  // namespace

CatalogSearchIndex::CatalogSearchIndex(const CatalogStore& store)
    : store_(&store),
      designations_(kDesignationBytes),
      foldedDesignations_(kDesignationBytes),
      names_(kShownNameBytes),
      foldedNames_(kShownNameBytes) {
  designations_.Reserve(store.objects.count());
  foldedDesignations_.Reserve(store.objects.count());
  for (const SkyObjectRecord& object : store.objects) {
    FieldCopy<kDesignationBytes> copy(object.designation());
    designations_.Append(copy.text);
    FoldAnsi(copy.text);
    foldedDesignations_.Append(copy.text);
  }
  for (const ObjectNameRecord& record : store.names) {
    FieldCopy<kShownNameBytes> copy(record.name());
    names_.Append(copy.text);
    FoldAnsi(copy.text);
    foldedNames_.Append(copy.text);
  }
  IndexNameLookups();
}

void CatalogSearchIndex::IndexNameLookups() {
  const auto& names = store_->names;
  for (std::uint32_t j = 0; j < names.count(); ++j)
    firstNameRecord_.try_emplace(std::string(FieldCopy<kDesignationBytes>(names[j].designation()).view()), j);

  // The folded keys of the name records, each waiting for the first object
  // whose folded designation equals it; one pass over the objects fills them.
  std::unordered_map<std::string, std::int32_t, TextHash, std::equal_to<>> objectOfKey;
  std::vector<std::string> keys(names.count());
  for (std::size_t j = 0; j < names.count(); ++j) {
    FieldCopy<kDesignationBytes> key(names[j].designation());
    FoldAnsi(key.text);
    keys[j] = key.view();
    objectOfKey.try_emplace(keys[j], -1);
  }
  if (!objectOfKey.empty()) {
    for (std::size_t i = 0; i < foldedDesignations_.count(); ++i) {
      const std::string_view designation = foldedDesignations_.at(i);
      if (designation.empty()) continue;
      const auto found = objectOfKey.find(designation);
      if (found != objectOfKey.end() && found->second < 0) found->second = static_cast<std::int32_t>(i);
    }
  }
  objectOfName_.resize(names.count());
  for (std::size_t j = 0; j < names.count(); ++j) objectOfName_[j] = objectOfKey.find(keys[j])->second;
}

std::optional<std::size_t> CatalogSearchIndex::NameRecordOf(std::size_t object) const {
  if (firstNameRecord_.empty()) return std::nullopt;
  const std::string_view designation = designations_.at(object);
  const auto found = firstNameRecord_.find(std::string(designation));
  if (found == firstNameRecord_.end()) return std::nullopt;
  return found->second;
}

std::optional<std::size_t> CatalogSearchIndex::ObjectOfName(std::size_t nameRecord) const {
  const std::int32_t object = objectOfName_[nameRecord];
  if (object < 0) return std::nullopt;
  return static_cast<std::size_t>(object);
}

SearchIndex::SearchIndex(const CatalogStore& starCatalog, const CatalogStore& deepSkyCatalog,
                         const CatalogStore& constellationLabelCatalog)
    : stars_(starCatalog), deepSky_(deepSkyCatalog), constellations_(&constellationLabelCatalog) {
  for (const ConstellationLabel& label : constellationLabelCatalog.labels) {
    constellationNames_.push_back(label.fullName());
    foldedConstellationNames_.push_back(constellationNames_.back());
    FoldWide(foldedConstellationNames_.back());
  }
}

}  // namespace vespera
