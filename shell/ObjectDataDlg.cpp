#include "shell/ObjectDataDlg.h"

#include <string>

#include "appcore/ProblemReport.h"
#include "appcore/ProgramDirectory.h"
#include "info/InfoPages.h"
#include "platform/runtime/CodePage.h"
#include "resources/ObjectDataTemplates.h"
#include "resources/SecondaryWindowStyles.h"
#include "shell/FullScreen.h"
#include "shell/HtmlPages.h"
#include "shell/ProgramWide.h"
#include "shell/WindowTemplates.h"

namespace vespera {

namespace {

struct CatalogueBook {
  int entryCount;
  const char* fileName;
  std::u16string_view title;
  char entryPrefix;
};

constexpr CatalogueBook kMessierBook{110, "Messier.ini", u"Messier objects info", 'M'};
constexpr CatalogueBook kCaldwellBook{109, "Caldwell.ini", u"Caldwell objects info", 'C'};

const CatalogueBook& BookFor(int mode) { return mode == kCaldwellMode ? kCaldwellBook : kMessierBook; }

WideString EntryText(char prefix, int number) { return Utf8ToWide(prefix + std::to_string(number)); }

}  // namespace

CObjectDataDlg::CObjectDataDlg() : CSecondaryWindow(ChooseTemplate(ProgramWindow::ObjectData), u"", false, IDOK) {}

const MessageMap* CObjectDataDlg::GetMessageMap() const {
  static const MessageMap map = MessageMapFor<CObjectDataDlg>(CSecondaryWindow::GetMessageMap())
                                    .OnControl(CBN_SELCHANGE, kObjectDataListId, &CObjectDataDlg::ShowSelectedPage);
  return &map;
}

void CObjectDataDlg::DoDataExchange(CDataExchange* exchange) {
  CSecondaryWindow::DoDataExchange(exchange);
  DDX_Control(exchange, kObjectDataListId, list_);
}

BOOL CObjectDataDlg::OnInitDialog() {
  CSecondaryWindow::OnInitDialog();
  htmlView_ = CreateHtmlView(*this, kHtmlPlaceholderId, kObjectDataViewId);

  const CatalogueBook& book = BookFor(mode);
  entryCount_ = book.entryCount;
  SetTitle(book.title);
  FillList();
  LoadPageFile(GetProgramDirectory() + book.fileName, sections_);
  list_.SetCurSel(firstEntry >= 0 && firstEntry <= entryCount_ ? firstEntry : 0);
  ShowSelectedPage();
  // The framework gives the focus to the first tab stop, the list.
  return TRUE;
}

void CObjectDataDlg::FillList() {
  const CatalogueBook& book = BookFor(mode);
  // The entry's number, not its place in the list, names its section.
  list_.SetItemData(list_.AddString(u"Main info"), 0);
  for (int number = 1; number <= entryCount_; ++number)
    list_.SetItemData(list_.AddString(EntryText(book.entryPrefix, number)), DWORD_PTR(number));
}

void CObjectDataDlg::ShowSelectedPage() {
  const int selected = list_.GetCurSel();
  if (selected < 0) return;
  const int number = int(list_.GetItemData(selected));
  ShowHtmlPage(htmlView_, BuildInfoPage(sections_, number, IsRedScreenOn(), GetProgramDirectory()));
}

BOOL CObjectDataDlg::PreTranslateMessage(MSG* message) {
  // Before the dialog's own keys, which would press OK without asking.
  if (message->message == WM_KEYDOWN && message->wParam == VK_RETURN) {
    OnOK();
    return TRUE;
  }
  return CSecondaryWindow::PreTranslateMessage(message);
}

void CObjectDataDlg::OnOK() {
  if (list_.m_hWnd && ::GetFocus() == list_.m_hWnd) {
    list_.ShowDropDown(!list_.GetDroppedState());
    return;
  }
  CSecondaryWindow::OnOK();
}

BOOL CObjectDataDlg::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (HandleHtmlLinkNotify(*this, kObjectDataViewId, lParam, result)) return TRUE;
  return CSecondaryWindow::OnNotify(wParam, lParam, result);
}

void CObjectDataDlg::DescribeState(DumpObject& state) const {
  CSecondaryWindow::DescribeState(state);
  state.Set("mode", mode);
}

}  // namespace vespera
