#include "shell/SkyPageDlg.h"

#include "info/PageTemplate.h"
#include "resources/SecondaryWindowStyles.h"
#include "shell/HtmlPages.h"
#include "shell/WindowTemplates.h"

namespace vespera {

CSkyPageDlg::CSkyPageDlg(std::u16string_view title, WideString page)
    : CSecondaryWindow(ChooseTemplate(ProgramWindow::SkyPage), title, false, IDCANCEL), page_(std::move(page)) {}

BOOL CSkyPageDlg::OnInitDialog() {
  CSecondaryWindow::OnInitDialog();
  htmlView_ = CreateHtmlView(*this, kHtmlPlaceholderId, kSkyPageViewId);
  ShowHtmlPage(htmlView_, page_);
  // The page's links are then reachable with the keys.
  if (htmlView_) ::SetFocus(htmlView_);
  return TRUE;
}

BOOL CSkyPageDlg::PreTranslateMessage(MSG* message) {
  if (PostOkOnEnter(*this, *message)) return TRUE;
  return CSecondaryWindow::PreTranslateMessage(message);
}

BOOL CSkyPageDlg::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
  const NMHDR* header = PointerFromLParam<const NMHDR>(lParam);
  const std::optional<WideString> target = header ? ActivatedLinkTarget(*header, kSkyPageViewId) : std::nullopt;
  if (!target) return CSecondaryWindow::OnNotify(wParam, lParam, result);
  if (*target == kCloseWindowTarget) {
    EndDialog(IDOK);
  } else if (const std::optional<SkyPageLink> link = ParseSkyPageLink(*target)) {
    chosen_ = link;
    EndDialog(IDOK);
  }
  *result = 1;
  return TRUE;
}

}  // namespace vespera
