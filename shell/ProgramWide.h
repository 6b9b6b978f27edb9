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

// Non-zero while red-screen mode is on. Read at start-up, flipped by the
// red-screen command, saved when the main window has closed; read by
// everything that draws chrome, the status line or a page.
extern int redScreenMode;

}  // namespace vespera
