#include "shell/RedScreen.h"

#include "platform/windows/SystemApi.h"
#include "shell/CommandButtons.h"
#include "shell/ProgramWide.h"

namespace vespera {

void ApplyRedScreenColours() { SetSysColorScheme(IsRedScreenOn() ? SYSCOLORSCHEME_NIGHT : SYSCOLORSCHEME_DAY); }

void ToggleRedScreen(CWnd& mainWindow) {
  SetRedScreenModeValue(IsRedScreenOn() ? 0 : 1);
  // Before the skin, so that a message box about a missing skin is red too.
  ApplyRedScreenColours();
  theSkin->LoadSkin(IsRedScreenOn());
  mainWindow.Invalidate(TRUE);
  for (const CommandButton& entry : kCommandButtons)
    if (CWnd* button = mainWindow.GetDlgItem(int(entry.id))) button->Invalidate(TRUE);
}

}  // namespace vespera
