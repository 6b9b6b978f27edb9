#include "shell/HelpDlg.h"

#include "appcore/ProblemReport.h"
#include "appcore/ProgramDirectory.h"
#include "info/InfoPages.h"
#include "resources/SecondaryWindowStyles.h"
#include "shell/FullScreen.h"
#include "shell/HtmlPages.h"
#include "shell/ProgramWide.h"
#include "shell/WindowTemplates.h"

namespace vespera {

CHelpDlg::CHelpDlg() : CSecondaryWindow(ChooseTemplate(ProgramWindow::Help), u"Help", false, IDCANCEL) {}

BOOL CHelpDlg::OnInitDialog() {
  CSecondaryWindow::OnInitDialog();
  htmlView_ = CreateHtmlView(*this, kHtmlPlaceholderId, kHelpViewId);
  {
    const std::string directory = GetProgramDirectory();
    IniFile help;
    LoadPageFile(directory + "Help.ini", help);
    ShowHtmlPage(htmlView_, BuildHelpPage(help, IsRedScreenOn(), directory));
  }
  // The page's links are then reachable with the keys.
  if (htmlView_) ::SetFocus(htmlView_);
  return TRUE;
}

BOOL CHelpDlg::PreTranslateMessage(MSG* message) {
  if (PostOkOnEnter(*this, *message)) return TRUE;
  return CSecondaryWindow::PreTranslateMessage(message);
}

BOOL CHelpDlg::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (HandleHtmlLinkNotify(*this, kHelpViewId, lParam, result)) return TRUE;
  return CSecondaryWindow::OnNotify(wParam, lParam, result);
}

}  // namespace vespera
