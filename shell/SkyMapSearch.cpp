// The Search command: runs the search window over the loaded catalogues and
// shows the object (or, while the map shows them, the body) the user chose.

#include "platform/runtime/CodePage.h"
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
  const SearchChoice choice = RunSearchWindow();
  if (choice.resultCode == kSearchShowBody) {
    if (const std::optional<Body> body = BodyOfNumber(choice.resultIndex)) ShowBodyOnMap(*body);
    return;
  }
  if (ApplySearchChoice(choice, view_, selection_, catalogs_)) RedrawMap();
}

SearchChoice CSkyMapDlg::RunSearchWindow() {
  if (!searchIndex_)
    searchIndex_.emplace(catalogs_.starCatalog, catalogs_.deepSkyCatalog, catalogs_.constellationLabelCatalog);
  CSearchDlg search;
  search.searchIndex = &*searchIndex_;
  // Nothing is kept while the observer's sky is off, and the page is then as it always was.
  for (const ShownBody& body : observerBodies_.bodies())
    search.bodies.push_back({static_cast<std::int32_t>(body.body), Utf8ToWide(NameOf(body.body)), body.magnitude});
  const INT_PTR code = search.DoModal();
  return {code, search.resultIndex};
}

}  // namespace vespera
