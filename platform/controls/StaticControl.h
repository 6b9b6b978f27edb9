#pragma once
// The "Static" window class: a text on the background its parent chooses
// (WM_CTLCOLORSTATIC), so a window can set its labels on red. Left-aligned
// and wrapped by words unless a style says otherwise. Without SS_NOTIFY it
// lets taps through to what lies beneath; with it, a tap sends STN_CLICKED.

#include "platform/windows/WindowProcedure.h"

class StaticControl final : public WindowProcedure {
 public:
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  static void Paint(HWND window);
};
