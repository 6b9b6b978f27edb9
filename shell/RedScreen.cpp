#include "shell/RedScreen.h"

#include <array>

#include "platform/windows/SystemApi.h"
#include "resources/CommandIds.h"
#include "shell/ProgramWide.h"

namespace vespera {

namespace {

constexpr std::array<int, 7> kCommandButtonsInRepaintOrder{
    kCommandProgramMenu, kCommandZoomIn, kCommandZoomOut, kCommandPanLeft,
    kCommandPanRight,    kCommandPanUp,  kCommandPanDown,
};

}  // namespace

void ApplyRedScreenColours() { SetSysColorScheme(redScreenMode ? SYSCOLORSCHEME_NIGHT : SYSCOLORSCHEME_DAY); }

void ToggleRedScreen(CWnd& mainWindow) {
  redScreenMode = redScreenMode == 0 ? 1 : 0;
  // Before the skin, so that a message box about a missing skin is red too.
  ApplyRedScreenColours();
  theSkin->LoadSkin(redScreenMode != 0);
  mainWindow.Invalidate(TRUE);
  for (const int id : kCommandButtonsInRepaintOrder)
    if (CWnd* button = mainWindow.GetDlgItem(id)) button->Invalidate(TRUE);
}

}  // namespace vespera
