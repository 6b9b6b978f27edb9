#include "shell/AboutDlg.h"

#include "appcore/ScreenClass.h"
#include "resources/AboutTemplates.h"
#include "shell/FullScreen.h"

const DialogTemplate& AboutWindowTemplate() {
  if (IsSmallPhoneScreen()) return kAboutSmallPhoneTemplate;
  if (IsQvgaPhone()) return kAboutQvgaPhoneTemplate;
  return kAboutTemplate;
}

CAboutDlg::CAboutDlg() : CSecondaryWindow(AboutWindowTemplate(), u"About", false) {}

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
