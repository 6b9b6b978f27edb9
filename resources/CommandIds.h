#pragma once
// The command ids of the main window: its buttons, the program menu's items
// and the command the catalogue loader posts. The templates, the menu and the
// window's command map all name them from here; the navigation commands keep
// the ids the sky map gives them.

#include "platform/runtime/WinTypes.h"
#include "skymap/Navigation.h"

enum ProgramCommandId : UINT {
  kCommandExit = 1000,
  kCommandProgramMenu = 1002,
  kCommandAfterLoad = 1015,
  kCommandRedScreen = 32772,
  kCommandMessierInfo = 32773,
  kCommandCaldwellInfo = 32774,
  kCommandAbout = 32780,
  kCommandConstellationLines = 32788,
  kCommandShowInfo = 32789,
  kCommandCenterObject = 32790,
  kCommandNamesShort = 32791,
  kCommandNamesFull = 32792,
  kCommandSearch = 32793,
  kCommandHelp = 32799,
};

// Resource ids of the program's icon and menu.
inline constexpr UINT kApplicationIconId = 128;
inline constexpr UINT kProgramMenuId = 246;
