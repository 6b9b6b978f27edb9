#pragma once
// The search engine answered by plain scans of the records, with no index:
// the page every indexed search must reproduce byte for byte.

#include "catalog/CatalogStore.h"
#include "search/SearchEngine.h"

namespace vespera {

WideString BuildReferenceSearchPage(const WideString& query, bool matchCase, const CatalogStore& starCatalog,
                                    const CatalogStore& deepSkyCatalog,
                                    const CatalogStore& constellationLabelCatalog);

}  // namespace vespera
