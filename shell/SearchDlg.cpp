#include "shell/SearchDlg.h"

#include "info/PageTemplate.h"
#include "platform/handheld/HandheldShell.h"
#include "resources/SearchTemplates.h"
#include "resources/SecondaryWindowStyles.h"
#include "search/SearchEngine.h"
#include "shell/HtmlPages.h"
#include "shell/ProgramWide.h"
#include "shell/SearchLinks.h"
#include "shell/WindowTemplates.h"

namespace vespera {

namespace {

constexpr std::u16string_view kPromptText =
    u"Enter text for search here, for example \"M31\", \"18del Cyg\", or \"Vega\".<BR><BR>"
    u"<A HREF=\"CLOSE_WND\">Close window</A>";

// The settings file may hold any number; the box knows only ticked or not.
int StoredMatchCase() {
  CWinApp* app = AfxGetApp();
  if (!app) return 1;
  return app->GetProfileInt(kSearchSettingsSection, kMatchCaseSetting, 1) != 0 ? 1 : 0;
}

}  // namespace

CSearchDlg::CSearchDlg() : CSecondaryWindow(ChooseTemplate(ProgramWindow::Search), u"Search", true, IDCANCEL),
      matchCase(StoredMatchCase()) {}

const MessageMap* CSearchDlg::GetMessageMap() const {
  static const MessageMap map = MessageMapFor<CSearchDlg>(CSecondaryWindow::GetMessageMap())
                                    .OnDestroy(&CSearchDlg::OnDestroy)
                                    .OnCommand(kSearchGoId, &CSearchDlg::RunSearch);
  return &map;
}

void CSearchDlg::DoDataExchange(CDataExchange* exchange) {
  CSecondaryWindow::DoDataExchange(exchange);
  DDX_Control(exchange, kSearchGoId, goButton_);
  DDX_Control(exchange, kSearchMatchCaseId, matchCaseBox_);
  DDX_Control(exchange, kSearchQueryId, queryEdit_);
  DDX_Text(exchange, kSearchQueryId, query);
  DDX_Check(exchange, kSearchMatchCaseId, matchCase);
}

BOOL CSearchDlg::OnInitDialog() {
  CSecondaryWindow::OnInitDialog();
  htmlView_ = CreateHtmlView(*this, kHtmlPlaceholderId, kSearchViewId);
  ShowPromptPage();
  SHSipPreference(m_hWnd, SIP_UP);
  return TRUE;
}

void CSearchDlg::ShowPromptPage() {
  WideString page = StyledPageHeader(IsRedScreenOn());
  page += kPromptText;
  ShowHtmlPage(htmlView_, page);
}

void CSearchDlg::RunSearch() {
  UpdateData(TRUE);
  SHSipPreference(m_hWnd, SIP_FORCEDOWN);
  if (query.empty() || !searchIndex) {
    MessageBeep(MB_OK);
    return;
  }
  CWaitCursor wait;
  WideString page = bodies.empty() ? WideString() : WriteBodySection(bodies, query);
  page += BuildSearchPage(query, matchCase != 0, *searchIndex);
  ShowHtmlPage(htmlView_, page);
  // The result links are then reachable with the keys.
  if (htmlView_) ::SetFocus(htmlView_);
  wait.Restore();
}

BOOL CSearchDlg::PreTranslateMessage(MSG* message) {
  if (message->message == WM_KEYDOWN && message->wParam == VK_RETURN) {
    const HWND focus = ::GetFocus();
    if (focus && (focus == queryEdit_.m_hWnd || focus == goButton_.m_hWnd || focus == matchCaseBox_.m_hWnd)) {
      OnOK();
      return TRUE;
    }
  }
  return CSecondaryWindow::PreTranslateMessage(message);
}

void CSearchDlg::OnOK() {
  const HWND focus = ::GetFocus();
  if (focus && (focus == queryEdit_.m_hWnd || focus == goButton_.m_hWnd)) {
    RunSearch();
    return;
  }
  if (focus && focus == matchCaseBox_.m_hWnd) {
    UpdateData(TRUE);
    matchCase = matchCase ? 0 : 1;
    UpdateData(FALSE);
    return;
  }
  CSecondaryWindow::OnOK();
}

void CSearchDlg::OnCancel() {
  // So that the box's state as the user left it is the one saved.
  UpdateData(TRUE);
  EndDialog(IDCANCEL);
}

BOOL CSearchDlg::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
  const NMHDR* header = PointerFromLParam<const NMHDR>(lParam);
  const std::optional<WideString> target = header ? ActivatedLinkTarget(*header, kSearchViewId) : std::nullopt;
  if (!target) return CSecondaryWindow::OnNotify(wParam, lParam, result);
  if (*target == kCloseWindowTarget) {
    EndDialog(IDOK);
  } else if (const std::optional<SearchChoice> choice = ParseResultLink(*target)) {
    resultCode = int(choice->resultCode);
    resultIndex = choice->resultIndex;
    EndDialog(resultCode);
  }
  *result = 1;
  return TRUE;
}

void CSearchDlg::OnDestroy() {
  SHSipPreference(m_hWnd, SIP_FORCEDOWN);
  if (CWinApp* app = AfxGetApp()) app->WriteProfileInt(kSearchSettingsSection, kMatchCaseSetting, matchCase);
  CSecondaryWindow::OnDestroy();
}

void CSearchDlg::DescribeState(DumpObject& state) const {
  CSecondaryWindow::DescribeState(state);
  state.Set("query", query);
  state.Set("matchCase", matchCase);
  state.Set("resultCode", resultCode);
  state.Set("resultIndex", resultIndex);
}

}  // namespace vespera
