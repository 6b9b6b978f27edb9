#pragma once
// CHelpDlg: the help page, the "Main" section of Help.ini, read afresh at
// every opening and dropped once the page is built. Enter, the "X" and the
// page's close link end the window.

#include "shell/SecondaryWindow.h"

namespace vespera {

inline constexpr int kHelpViewId = 104;

class CHelpDlg : public CSecondaryWindow {
 public:
  CHelpDlg();

  BOOL OnInitDialog() override;
  BOOL PreTranslateMessage(MSG* message) override;
  BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};

}  // namespace vespera
