#pragma once
// What a backend does for the window layer: deliver the user's input (or the
// script's), wait when there is nothing to do, and show the screen. The SDL
// window and the headless script player are the two backends.

#include <optional>

#include "platform/gdi/Surface.h"
#include "platform/runtime/WinTypes.h"

class Desktop;

class Backend {
 public:
  virtual ~Backend() = default;

  // Called on the window thread when no message is queued and no window needs
  // painting. Deliver input through desktop.Input(), move the clock, or block
  // until Wake() or the tick `deadline`; returning early is always allowed,
  // the caller looks again and calls back. To end the program, call
  // desktop.Quit().
  virtual void WaitForInput(Desktop& desktop, std::optional<DWORD> deadline) = 0;

  // Any thread: a message was posted or background work ended.
  virtual void Wake() = 0;

  // The window thread: the screen's pixels changed since the last call.
  virtual void Present(const Surface& screen) = 0;
};
