#pragma once
// The command ids of the main window: its buttons, the program menu's items
// and the command the catalogue loader posts. The templates, the menu and the
// window's command map all name them from here.

#include "platform/runtime/WinTypes.h"

namespace vespera {

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

// The map's navigation commands (the window maps them onto the sky map's
// NavigationStep).
enum NavigationCommandId : UINT {
  kCommandZoomIn = 1001,
  kCommandZoomOut = 1003,
  kCommandPanLeft = 1004,
  kCommandPanRight = 1005,
  kCommandPanUp = 1006,
  kCommandPanDown = 1007,
  kCommandResetView = 1010,
  kCommandMagnitude3 = 32779,
  kCommandMagnitude4 = 32781,
  kCommandMagnitude5 = 32782,
  kCommandMagnitude6 = 32783,
  kCommandMagnitude7 = 32784,
  kCommandMagnitude8 = 32785,
  kCommandMagnitude9 = 32786,
  kCommandMagnitudeAll = 32787,  // ">10": every catalogue object up to 20
  kCommandZoomLevel1 = 32794,
  kCommandZoomLevel2 = 32795,
  kCommandZoomLevel4 = 32796,
  kCommandZoomLevel8 = 32797,
  kCommandZoomLevel16 = 32798,
};

// The observer's commands: the map's context menu and their keys.
enum ObserverCommandId : UINT {
  kCommandObserver = 32800,  // the sky for the place and time on or off
  kCommandLookUp = 32801,
  kCommandStarNames = 32802,
  kCommandAltAzGrid = 32803,
  kCommandNow = 32804,
  kCommandHourBack = 32805,
  kCommandHourOn = 32806,
  kCommandDayBack = 32807,
  kCommandDayOn = 32808,
  kCommandPlace = 32809,
  kCommandTonight = 32810,
  kCommandAboutObject = 32811,
};

// The display's night filter: the map's context menu.
enum DisplayCommandId : UINT {
  kCommandNightFilter = 32820,  // on or off
  kCommandNightFilterLevel25 = 32821,
  kCommandNightFilterLevel50 = 32822,
  kCommandNightFilterLevel75 = 32823,
};

// Resource ids of the program's icon and menu.
inline constexpr UINT kApplicationIconId = 128;
inline constexpr UINT kProgramMenuId = 246;
inline constexpr UINT kMapContextMenuId = 247;

}  // namespace vespera
