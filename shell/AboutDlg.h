#pragma once
// CAboutDlg: the About window, fixed texts from its template. Enter is the
// dialog's OK, and so is the "X" (control 1).

#include "shell/SecondaryWindow.h"

// The About window's template for the screen class: 138 on the small phones,
// 146 on 240-wide Smartphones, 132 everywhere else.
const DialogTemplate& AboutWindowTemplate();

class CAboutDlg : public CSecondaryWindow {
 public:
  CAboutDlg();

  void DoDataExchange(CDataExchange* exchange) override;
  BOOL OnInitDialog() override;
};
