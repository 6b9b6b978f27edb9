#pragma once
// What the main window does with the object the user chose to show on the
// map in the search window: a star or deep-sky object is selected, made
// visible (limit and zoom raised as needed) and centred; a constellation is
// centred on its label at a zoom of at most 3, the selection untouched.

#include <cstdint>

#include "catalog/CatalogLoader.h"
#include "skymap/Selection.h"
#include "skymap/ViewState.h"

namespace vespera {

// The codes the search window closes with after a "Show on map" link.
enum SearchResultCode : std::intptr_t {
  kSearchShowStar = 1001,
  kSearchShowDeepSky = 1002,
  kSearchShowConstellation = 1003,
  // The main window shows the body itself (CSkyMapDlg::ShowBodyOnMap); the index is the body's number.
  kSearchShowBody = 1004,
};

struct SearchChoice {
  std::intptr_t resultCode = 0;
  std::int32_t resultIndex = -1;
};

// True when the view moved and the map must be projected again. Any other
// code, an index of -1, or an index the catalogue does not hold changes
// nothing. The caller makes sure the catalogues are loaded.
bool ApplySearchChoice(const SearchChoice& choice, ViewState& view, Selection& selection,
                       const SkyCatalogs& catalogs);

}  // namespace vespera
