#pragma once
// The search engine: one query against the star, deep-sky and constellation
// catalogues, answered as the HTML result page of the search window. A pure
// function of its inputs; it only reads the catalogues, which must be loaded.

#include <cstddef>
#include <string_view>

#include "catalog/CatalogStore.h"
#include "platform/runtime/WinTypes.h"

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

// Designations, then common names, of stars and of deep-sky objects, then
// constellation full names. Without matchCase, query and candidates are
// compared in lower case and matched texts are shown folded.
WideString BuildSearchPage(const WideString& query, bool matchCase, const CatalogStore& starCatalog,
                           const CatalogStore& deepSkyCatalog,
                           const CatalogStore& constellationLabelCatalog);
