#include "app/SkyMapApp.h"

#include <memory>

#include "appcore/ProblemReport.h"
#include "appcore/ProgramDirectory.h"
#include "appcore/ScreenClass.h"
#include "platform/handheld/HandheldShell.h"
#include "resources/ProgramResources.h"
#include "shell/NightFilter.h"
#include "shell/ObserverOptions.h"
#include "shell/ProgramWide.h"
#include "shell/RedScreen.h"
#include "shell/SkyMapDlg.h"
#include "shell/ViewSettings.h"

namespace vespera {

ProgramDescription CSkyMapApp::Describe() const {
  ProgramDescription program;
  program.commandName = "vespera";
  program.displayName = VESPERA_PRODUCT_NAME;
  program.version = VESPERA_VERSION;
  program.summary = "Vespera, a night-sky map for small screens, on an emulated handheld device.";
  program.settingsFileDefault = "$XDG_CONFIG_HOME/NocturnaMobile/Vespera.ini";
  program.options = {
      {std::string(kPlaceOption), "LAT,LON", "the observer's place in degrees (48.85,2.35 or \"48 51 N,2 21 E\"), saved"},
      {std::string(kTimeOption), "YYYY-MM-DDTHH:MM[Z]", "the shown time in UTC; it runs on from there\n(headless default 2000-01-01T12:00Z)"},
      {std::string(kNightFilterOption), "PERCENT",
       "the night filter on for this run: in red-screen mode everything\nshown in red, at most PERCENT of full brightness (default 50)",
       true},
  };
  return program;
}

BOOL CSkyMapApp::InitInstance() {
  startFailed_ = false;
  theSkin.emplace(IsHighResScreen());
  RegisterProgramResources();

  SetRegistryKey(kRegistryKey);
  SHInitExtraControls();
  SetRedScreenModeValue(static_cast<int>(GetProfileInt(kMainSection, kRedScreenModeEntry, 0)));
  // Said before the skin's message box, which a missing folder brings on too.
  const std::string directory = GetProgramDirectory();
  if (const Expected<void> folder = CheckProgramDirectory(directory); !folder)
    ReportProblem((directory.empty() ? std::string("the program folder") : directory) + ": " + folder.reason());
  ApplyRedScreenColours();
  theSkin->LoadSkin(IsRedScreenOn());
  if (!theSkin->hasBitmap()) {
    // The skin's message box has told the user; nothing is written.
    startFailed_ = true;
    return FALSE;
  }

  auto mainWindow = std::make_unique<CSkyMapDlg>();
  m_pMainWnd = mainWindow.get();
  // The window writes the view and the red screen as it is destroyed.
  mainWindow->DoModal();
  mainWindow.reset();
  m_pMainWnd = nullptr;
  return FALSE;
}

int CSkyMapApp::ExitInstance() {
  const int code = CWinApp::ExitInstance();
  return startFailed_ ? 1 : code;
}

}  // namespace vespera
