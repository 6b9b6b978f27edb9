#pragma once
// The system's own window behaviour: the default handling every window falls
// back to (DefWindowProc, in WindowApi.h), and the dialog class's procedure.

#include "platform/windows/WindowClasses.h"
#include "platform/windows/WindowProcedure.h"

// Registers the classes the window layer itself provides (the dialog class).
void RegisterSystemClasses(WindowClasses& classes);

// The dialog class (WC_DIALOG): its background comes from WM_CTLCOLORDLG,
// WM_CLOSE means IDCANCEL, and it keeps the focused control while inactive.
class DialogProcedure : public WindowProcedure {
 public:
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void RestoreFocus(HWND dialog);
  UINT defaultId_ = 0;  // 0: the first BS_DEFPUSHBUTTON child, else IDOK
};

// The first visible and enabled child with WS_TABSTOP, or null.
HWND FirstTabStop(HWND dialog);
