#pragma once
// Red-screen mode, the night-vision setting: the red skin, a red caption
// title and a red status line; the sky map keeps its colours.

#include "platform/framework/Wnd.h"

// Flips the program-wide redScreenMode, loads the skin for the new mode and
// has the main window and its command buttons repainted. The map picture is
// not rebuilt: the next paint copies it unchanged.
void ToggleRedScreen(CWnd& mainWindow);
