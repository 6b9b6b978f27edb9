#include "shell/AboutDlg.h"

#include "shell/FullScreen.h"
#include "shell/WindowTemplates.h"

namespace vespera {

CAboutDlg::CAboutDlg() : CSecondaryWindow(ChooseTemplate(ProgramWindow::About), u"About", false) {}

void CAboutDlg::DoDataExchange(CDataExchange* exchange) {
  CSecondaryWindow::DoDataExchange(exchange);
  DDX_Control(exchange, IDOK, closeButton_);
}

BOOL CAboutDlg::OnInitDialog() {
  CSecondaryWindow::OnInitDialog();
  InitFullScreenDialog(*this);
  DressCloseButton();
  EnterFullScreen();
  CreateBrushes();
  return TRUE;
}

}  // namespace vespera
