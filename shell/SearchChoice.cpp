#include "shell/SearchChoice.h"

#include "skymap/Navigation.h"

namespace vespera {

namespace {

template <class Table>
bool HoldsIndex(const Table& table, std::int32_t index) {
  return index >= 0 && static_cast<std::size_t>(index) < table.count();
}

bool ShowObject(const CatalogStore& catalog, std::int32_t index, ViewState& view, Selection& selection,
                const SkyCatalogs& catalogs, bool deepSky) {
  if (!HoldsIndex(catalog.objects, index)) return false;
  RevealObject(view, catalog.objects[static_cast<std::size_t>(index)].magnitude());
  if (deepSky)
    SelectDeepSky(selection, catalogs, index);
  else
    SelectStar(selection, catalogs, index);
  return CenterOnSelection(view, selection);
}

}  // namespace

bool ApplySearchChoice(const SearchChoice& choice, ViewState& view, Selection& selection,
                       const SkyCatalogs& catalogs) {
  switch (choice.resultCode) {
    case kSearchShowStar:
      return ShowObject(catalogs.starCatalog, choice.resultIndex, view, selection, catalogs, false);
    case kSearchShowDeepSky:
      return ShowObject(catalogs.deepSkyCatalog, choice.resultIndex, view, selection, catalogs, true);
    case kSearchShowConstellation: {
      const auto& labels = catalogs.constellationLabelCatalog.labels;
      if (!HoldsIndex(labels, choice.resultIndex)) return false;
      const ConstellationLabel& label = labels[static_cast<std::size_t>(choice.resultIndex)];
      RevealConstellation(view);
      CenterOn(view, label.ra(), label.dec());
      return true;
    }
    default:
      return false;
  }
}

}  // namespace vespera
