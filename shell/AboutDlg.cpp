#include "shell/AboutDlg.h"

#include "shell/WindowTemplates.h"

namespace vespera {

CAboutDlg::CAboutDlg() : CSecondaryWindow(ChooseTemplate(ProgramWindow::About), u"About", false, IDOK) {}

}  // namespace vespera
