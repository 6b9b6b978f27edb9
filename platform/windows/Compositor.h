#pragma once
// The screen and what needs repainting. Each top-level window keeps its own
// pixels, drawn by it and its children; the screen is those pictures stacked
// bottom to top. A window drawing outside its paint handler therefore never
// scribbles over a window above it, and closing a window needs no repaint of
// the ones below.

#include <memory>

#include "platform/gdi/Surface.h"
#include "platform/windows/WindowTree.h"

class Compositor {
 public:
  Compositor(WindowTree& tree, LONG width, LONG height, int bitsPerPixel);

  // Adds `area` (client coordinates; null for all of it) to the part of the
  // window that needs painting. The children under it need painting too, as
  // the parent's paint draws over them.
  void Invalidate(HWND window, const RECT* area, bool erase);
  void Validate(HWND window);
  // Takes the window's pending update for a paint: the area, and whether its
  // background must be erased first. The window is valid afterwards.
  RECT TakeUpdate(HWND window, bool& erase);
  bool NeedsPaint(HWND window) const;
  // The next shown window with an update, parents before children, lower
  // top-level windows first.
  HWND NextWindowToPaint() const;

  // The pixels a window draws into (those of its top-level window), sized to
  // it; null for a window without area.
  Surface* PixelsFor(HWND window);
  // A top-level window changed size: its old pixels are dropped and it paints anew.
  void Resized(HWND topLevelWindow);
  // The part of the client area that lies inside all its parents, in client coordinates.
  RECT VisibleClientArea(HWND window) const;

  void MarkChanged() { changed_ = true; }
  bool Changed() const { return changed_; }
  // Stacks the top-level pictures into the screen.
  const Surface& Compose();
  const Surface& Screen() const { return screen_; }

 private:
  WindowTree& tree_;
  Surface screen_;
  bool changed_ = true;
};
