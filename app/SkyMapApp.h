#pragma once
// CSkyMapApp: the application object. Start-up points the profile store at
// NocturnaMobile, loads the skin and runs the main window modally; the
// program ends when that window closes, without a message loop of its own.

#include "platform/framework/WinApp.h"

namespace vespera {

inline constexpr const WCHAR* kRegistryKey = u"NocturnaMobile";

class CSkyMapApp : public CWinApp {
 public:
  CSkyMapApp() = default;

  // The name, texts and options the platform shows for the program.
  ProgramDescription Describe() const override;
  BOOL InitInstance() override;
  // 1 when start-up failed (no skin), so the program ends with status 1.
  int ExitInstance() override;

 private:
  bool startFailed_ = false;
};

}  // namespace vespera
