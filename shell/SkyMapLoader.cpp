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
  // A thread that cannot start leaves the window loading for good: the status
  // keeps "Loading data..." and the map is never drawn.
  if (!CreateThread(nullptr, 0, &CSkyMapDlg::CatalogLoaderThread, this, 0, nullptr)) loaderCompletion_.reset();
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
  // The reason names the first file that failed; the map goes on without it.
  if (const Expected<void> loaded = LoadCatalogs(catalogs_, directory); !loaded)
    ReportProblem(directory + loaded.reason());
  // Posted, never sent, so this thread never waits for the window's. A
  // window already gone simply refuses it.
  ::PostMessage(loaderTarget_, WM_COMMAND, kCommandAfterLoad, 0);
  completion->Finish();
}

void CSkyMapDlg::WaitForCatalogLoader() {
  if (loaderCompletion_) loaderCompletion_->Wait();
}

}  // namespace vespera
