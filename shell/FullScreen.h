#pragma once
// Every window of the program covers the whole screen, with the device's task
// bar, input-panel button and Start icon hidden; the top-left corner of each
// window stands in for the hidden Start button.

#include "platform/framework/Wnd.h"

namespace vespera {

// The shell's dialog initialisation: a Done button and sized to the screen.
void InitFullScreenDialog(CWnd& window);

// Hides the task bar, shows or hides the input-panel button, hides the Start
// icon, then (when asked) moves the window over the whole screen. Called by
// every window from its initialisation and at the start of every paint.
void EnterFullScreen(CWnd& window, bool showInputPanelButton, bool coverScreen);

// Opens the device's Start menu over the full-screen window by tapping the
// task bar's Start button. Without a task bar (as here) it does nothing.
void OpenStartMenu(CWnd& window);

// Where a tap means the Start menu: x < 50 and y above the caption strip
// (`stripHeight`, 52 or 26 pixels), in client coordinates.
bool IsStartMenuCorner(POINT tap, int stripHeight);

}  // namespace vespera
