#pragma once
// The search engine: one query against the star, deep-sky and constellation
// catalogues, answered as the HTML result page of the search window. Finding
// the hits and writing the page are two steps: FindSearchHits scans the
// index's folded texts, WriteSearchPage turns the hits into the page. Both
// only read; the catalogues must be loaded.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "catalog/CatalogStore.h"
#include "platform/runtime/WinTypes.h"
#include "search/SearchIndex.h"

namespace vespera {

// Targets of the "Show on map" links: a prefix followed by the table index.
inline constexpr std::u16string_view kStarLinkPrefix = u"STARLINK_";
inline constexpr std::u16string_view kDeepSkyLinkPrefix = u"DSOLINK_";
inline constexpr std::u16string_view kConstellationLinkPrefix = u"CONSTL_";

// A search examines a record only while the page lists no more than this many
// items, so a page holds at most one item more.
inline constexpr int kSearchItemLimit = 512;

// The query's ANSI form is matched as its first 254 bytes, the room of the
// device's 255-byte buffer. No designation or shown name is that long, so a
// longer query finds nothing there either way.
inline constexpr std::size_t kNarrowQueryBytes = 254;

// The five searches, in the order they run and appear on the page.
enum class SearchSection : std::size_t {
  StarDesignations,
  StarNames,
  DeepSkyDesignations,
  DeepSkyNames,
  Constellations,
};
inline constexpr std::size_t kSearchSectionCount = 5;

struct SearchHits {
  // Per section, in table order: object indices for designations, name record
  // indices for common names, label indices for constellations.
  std::array<std::vector<std::uint32_t>, kSearchSectionCount> sections;

  const std::vector<std::uint32_t>& operator[](SearchSection section) const {
    return sections[static_cast<std::size_t>(section)];
  }
  std::size_t itemCount() const;
  // More than kSearchItemLimit items: the search stopped before the end.
  bool stopped() const { return itemCount() > static_cast<std::size_t>(kSearchItemLimit); }
};

// Designations, then common names, of stars and of deep-sky objects, then
// constellation full names. Without matchCase, query and candidates are
// compared in lower case.
SearchHits FindSearchHits(const SearchIndex& index, const WideString& query, bool matchCase);

// The result page of those hits; without matchCase matched texts are shown
// folded, as they were compared.
WideString WriteSearchPage(const SearchIndex& index, const SearchHits& hits, bool matchCase);

WideString BuildSearchPage(const WideString& query, bool matchCase, const SearchIndex& index);

// The same over catalogues without an index of their own: one is made for
// this query.
WideString BuildSearchPage(const WideString& query, bool matchCase, const CatalogStore& starCatalog,
                           const CatalogStore& deepSkyCatalog,
                           const CatalogStore& constellationLabelCatalog);

}  // namespace vespera
