#pragma once
// The catalogue texts a search reads, copied and folded once: the designations
// and the first 48 bytes of the common names, each as stored and folded, in
// slots that one substring search scans at once; and the two look-ups a hit
// needs (the common name of a designation, the object of a common name)
// answered in advance. The catalogues never change once loaded, so the index
// is made once and every query after that scans compact text instead of
// records.
//
// The index keeps pointers to the stores it was made from; they must outlive it.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "catalog/CatalogStore.h"
#include "search/SlotText.h"

namespace vespera {

// Bytes of a common name a search matches and shows.
inline constexpr std::size_t kShownNameBytes = 48;

// One star or deep-sky catalogue.
class CatalogSearchIndex {
 public:
  explicit CatalogSearchIndex(const CatalogStore& store);

  const CatalogStore& store() const { return *store_; }
  // Slot i holds object i's designation; slot j of the names, name record j's.
  const SlotText& designations(bool folded) const { return folded ? foldedDesignations_ : designations_; }
  const SlotText& names(bool folded) const { return folded ? foldedNames_ : names_; }

  // What CatalogStore::FindName answers for object i's own designation.
  std::optional<std::size_t> NameRecordOf(std::size_t object) const;
  // What CatalogStore::FindObjectIndex answers for name record j's folded key.
  std::optional<std::size_t> ObjectOfName(std::size_t nameRecord) const;

 private:
  void IndexNameLookups();

  const CatalogStore* store_;
  SlotText designations_;
  SlotText foldedDesignations_;
  SlotText names_;
  SlotText foldedNames_;
  // The first name record of each designation, keyed by the designation's
  // bytes: the code page maps bytes to characters one to one, so equal bytes
  // and equal wide texts are the same thing.
  std::unordered_map<std::string, std::uint32_t> firstNameRecord_;
  std::vector<std::int32_t> objectOfName_;
};

class SearchIndex {
 public:
  SearchIndex(const CatalogStore& starCatalog, const CatalogStore& deepSkyCatalog,
              const CatalogStore& constellationLabelCatalog);

  const CatalogSearchIndex& stars() const { return stars_; }
  const CatalogSearchIndex& deepSky() const { return deepSky_; }
  const CatalogStore& constellations() const { return *constellations_; }
  const std::vector<WideString>& constellationNames(bool folded) const {
    return folded ? foldedConstellationNames_ : constellationNames_;
  }

 private:
  CatalogSearchIndex stars_;
  CatalogSearchIndex deepSky_;
  const CatalogStore* constellations_;
  std::vector<WideString> constellationNames_;
  std::vector<WideString> foldedConstellationNames_;
};

}  // namespace vespera
