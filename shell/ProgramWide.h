#pragma once
// The program-wide objects: the few that live for the whole run and that
// every window reads. All are used on the user-interface thread only.

#include <optional>

#include "shell/Skin.h"

namespace vespera {

// The skin every window draws its chrome from. Start-up makes it as its very
// first step, because only then can the device's screen be measured to pick
// the image table, and it stays until the program exits.
extern std::optional<CSkin> theSkin;

// Red-screen mode: on while its stored value is non-zero. Read at start-up,
// flipped by the red-screen command, saved when the main window has closed;
// asked by everything that draws chrome, the status line or a page. The
// value is kept as the settings gave it, so an untouched file is written
// back unchanged.
bool IsRedScreenOn();
int RedScreenModeValue();
void SetRedScreenModeValue(int value);

}  // namespace vespera
