#pragma once
// Red-screen mode, the night-vision setting: the red skin, a red caption
// title and a red status line, and the device's night colours for everything
// the device draws itself (menus, message boxes, controls, page defaults);
// the sky map keeps its colours.

#include "platform/framework/Wnd.h"

namespace vespera {

// Sets the device's system colours to follow red-screen mode: its night scheme
// while the mode is on. Open windows repaint.
void ApplyRedScreenColours();

// Flips red-screen mode, switches the device's colours, loads
// the skin for the new mode and has the main window and its command buttons
// repainted. The map picture is
// not rebuilt: the next paint copies it unchanged.
void ToggleRedScreen(CWnd& mainWindow);

}  // namespace vespera
