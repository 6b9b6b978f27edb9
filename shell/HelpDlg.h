#pragma once
// CHelpDlg: the help page, the "Main" section of Help.ini, read afresh at
// every opening and dropped once the page is built. Enter, the "X" and the
// page's close link end the window.

#include "shell/SecondaryWindow.h"

// 136 on screens 240 pixels high, 139 on the small phones, 147 on 240-wide
// Smartphones, 134 everywhere else.
const DialogTemplate& HelpWindowTemplate();

inline constexpr int kHelpViewId = 104;

class CHelpDlg : public CSecondaryWindow {
 public:
  CHelpDlg();

  void DoDataExchange(CDataExchange* exchange) override;
  BOOL OnInitDialog() override;
  BOOL PreTranslateMessage(MSG* message) override;
  BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};
