#pragma once
// CAboutDlg: the About window, fixed texts from its template. Enter is the
// dialog's OK, and so is the "X" (control 1).

#include "shell/SecondaryWindow.h"

namespace vespera {

class CAboutDlg : public CSecondaryWindow {
 public:
  CAboutDlg();
};

}  // namespace vespera
