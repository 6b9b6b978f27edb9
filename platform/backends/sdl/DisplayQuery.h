#pragma once
// What the display the window opens on is: its size in pixels and its
// density, for the phone rule (PhoneDisplay.h). SDL's video must be running.

#include "platform/backends/sdl/PhoneDisplay.h"

DisplayFacts QueryDisplay();
