#pragma once
// What answers a window's messages. Every window has the procedure of its
// window class (the system's behaviour for a button, an edit box, a dialog);
// a program object may subclass the window and see its messages first, handing
// what it does not handle down to the class procedure (CWnd::DefWindowProc).

#include "platform/runtime/WinTypes.h"
#include "platform/windows/WindowHandles.h"

class DumpObject;

class WindowProcedure {
 public:
  virtual ~WindowProcedure() = default;
  virtual LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) = 0;
  // Adds what the automation dump shows of this window beyond the fields
  // every window has (for example "checked", "items" or "state").
  virtual void DescribeForDump(HWND /*window*/, DumpObject& /*fields*/) const {}
};
