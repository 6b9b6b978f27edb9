// The Search command: runs the search window over the loaded catalogues and
// shows the object the user chose.

#include "shell/SearchDlg.h"
#include "shell/SkyMapDlg.h"

namespace vespera {

void CSkyMapDlg::OnSearchCommand() {
  // The search reads every store; before "After load" they may still be
  // half-written, so the command only beeps.
  if (!catalogs_.IsLoaded()) {
    MessageBeep(MB_OK);
    return;
  }
  if (ApplySearchChoice(RunSearchWindow(), view_, selection_, catalogs_)) RedrawMap();
}

SearchChoice CSkyMapDlg::RunSearchWindow() {
  if (!searchIndex_)
    searchIndex_.emplace(catalogs_.starCatalog, catalogs_.deepSkyCatalog, catalogs_.constellationLabelCatalog);
  CSearchDlg search;
  search.searchIndex = &*searchIndex_;
  const INT_PTR code = search.DoModal();
  return {code, search.resultIndex};
}

}  // namespace vespera
