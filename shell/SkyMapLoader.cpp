// The catalogue loader thread: reads the six files into the window's stores,
// publishes dataLoaded and posts "After load" to the window. The stores are
// written by this thread only, and only before dataLoaded is published with
// release ordering; the window reads them only after seeing it with acquire
// ordering, so no lock is taken.

#include "appcore/ProblemReport.h"
#include "appcore/ProgramDirectory.h"
#include "resources/CommandIds.h"
#include "shell/SkyMapDlg.h"

namespace vespera {

void CSkyMapDlg::StartCatalogLoader() {
  loaderTarget_ = m_hWnd;
  loaderCompletion_ = std::make_shared<LoaderCompletion>();
  if (CreateThread(nullptr, 0, &CSkyMapDlg::CatalogLoaderThread, this, 0, nullptr)) return;
  // Without the thread the window would wait for "After load" for ever: the
  // window's own thread loads instead (the loader only posts to it), as the
  // rebuild does its second half itself without a second core.
  ReportProblem("the catalogue loader thread cannot be started; the data is loaded before the map is shown");
  RunCatalogLoader();
}

DWORD CSkyMapDlg::CatalogLoaderThread(void* window) {
  // The window outlives the thread: it waits for the loader before it goes.
  static_cast<CSkyMapDlg*>(window)->RunCatalogLoader();
  return 0;
}

void CSkyMapDlg::RunCatalogLoader() {
  // The thread's own share: the window may go as soon as Finish has run.
  const std::shared_ptr<LoaderCompletion> completion = loaderCompletion_;
  const std::string directory = GetProgramDirectory();
  // One line for each file that is missing or damaged; the map goes on
  // without what it lacks. The answer (the first of them) is said already.
  static_cast<void>(LoadCatalogs(catalogs_, directory, [&directory](const std::string& problem) {
    ReportProblem(directory + problem);
  }));
  // Posted, never sent, so this thread never waits for the window's. A
  // window already gone simply refuses it.
  ::PostMessage(loaderTarget_, WM_COMMAND, kCommandAfterLoad, 0);
  completion->Finish();
}

void CSkyMapDlg::WaitForCatalogLoader() {
  if (loaderCompletion_) loaderCompletion_->Wait();
}

}  // namespace vespera
