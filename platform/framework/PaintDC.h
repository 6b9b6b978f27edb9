#pragma once
// The framework's drawing contexts on a window: CPaintDC inside a WM_PAINT
// handler (takes the update and erases the background), CClientDC anywhere
// else (the whole client area, now).

#include "platform/framework/Wnd.h"
#include "platform/windows/WindowDC.h"

class CPaintDC : public PaintDC {
 public:
  explicit CPaintDC(CWnd* window) : PaintDC(window ? window->m_hWnd : nullptr) {}
};

class CClientDC : public WindowDC {
 public:
  explicit CClientDC(CWnd* window) : WindowDC(window ? window->m_hWnd : nullptr) {}
};
