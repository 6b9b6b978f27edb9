#pragma once
// Drawing contexts on a window's client area: the window's part of its
// top-level window's pixels, with (0, 0) at the client's top-left corner and
// clipped to the client area (and to its parents'). Releasing one tells the
// screen that it may have changed.

#include "platform/gdi/DeviceContext.h"
#include "platform/windows/WindowHandles.h"

class WindowDC : public CDC {
 public:
  // `clip` in client coordinates narrows the area further; null for all of it.
  explicit WindowDC(HWND window, const RECT* clip = nullptr);
  ~WindowDC();
  HWND Window() const { return window_; }

 private:
  struct Target {
    Surface* surface;
    POINT origin;
    RECT clip;
    FontEngine* fonts;
  };
  static Target TargetFor(HWND window, const RECT* clip);
  WindowDC(HWND window, const Target& target);

  HWND window_;
};

// The context of a paint handler (BeginPaint/EndPaint): takes the window's
// update, so the window is valid again, erases the background first when the
// update asks for it (WM_ERASEBKGND), and is clipped to the update.
class PaintDC : public WindowDC {
 public:
  explicit PaintDC(HWND window);
  const RECT& PaintRect() const { return paintRect_; }
  bool Erased() const { return erased_; }

 private:
  struct Update {
    RECT area;
    bool erase;
  };
  static Update TakeUpdate(HWND window);
  PaintDC(HWND window, const Update& update);

  RECT paintRect_;
  bool erased_ = false;
};
