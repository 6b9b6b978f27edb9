#include "tests/platform/controls/ControlGallery.h"

#include <string>

#include "platform/controls/ControlSupport.h"
#include "platform/runtime/CodePage.h"

namespace gallery {
namespace {

constexpr DWORD kTab = WS_VISIBLE | WS_TABSTOP;

constexpr std::array kControls{
    DialogControlTemplate{u"Static", kListLabel, u"Object data:", 4, 19, 45, 9, WS_VISIBLE},
    DialogControlTemplate{u"ComboBox", kList, u"", 52, 18, 81, 128, kTab | CBS_DROPDOWNLIST | WS_VSCROLL},
    DialogControlTemplate{u"Edit", kEdit, u"", 3, 34, 104, 13, kTab | ES_AUTOHSCROLL | WS_BORDER},
    DialogControlTemplate{u"Button", kGo, u"Go", 112, 34, 23, 12, kTab},
    DialogControlTemplate{u"Button", kMatchCase, u"Match case", 3, 51, 87, 9, kTab | BS_AUTOCHECKBOX},
    // Before the buttons it frames, so a tap on them has to pass through it.
    DialogControlTemplate{u"Button", kGroup, u"Buttons", 3, 63, 132, 38, WS_VISIBLE | BS_GROUPBOX},
    DialogControlTemplate{u"Button", kPush, u"Push", 9, 75, 36, 14, kTab},
    DialogControlTemplate{u"Button", kOwnerDrawn, u"X", 51, 75, 14, 14, kTab | BS_OWNERDRAW},
    DialogControlTemplate{u"Button", kDisabledButton, u"Off", 71, 75, 36, 14, kTab | WS_DISABLED},
    DialogControlTemplate{u"Button", kDisabledCheck, u"Disabled box", 9, 89, 70, 9,
                          kTab | BS_AUTOCHECKBOX | WS_DISABLED},
    DialogControlTemplate{u"Static", kRedLabel, u"Red label", 3, 106, 60, 9, WS_VISIBLE},
    DialogControlTemplate{u"Static", kLongText, u"A longer text wraps onto a second line when it does not fit.", 3,
                          118, 132, 20, WS_VISIBLE},
    DialogControlTemplate{u"Button", IDOK, u"OK", 20, 146, 40, 14, kTab | BS_DEFPUSHBUTTON},
    DialogControlTemplate{u"Button", IDCANCEL, u"Cancel", 78, 146, 40, 14, kTab},
};

constexpr DialogTemplate kGallery{500, WS_POPUP | WS_VISIBLE, 0, 0, 0, 138, 170, u"Controls", u"System", 8,
                                  kControls};

}  // namespace

UnitRect ControlUnits(UINT id) {
  for (const DialogControlTemplate& c : kControls)
    if (c.id == id) return {c.x, c.y, c.cx, c.cy};
  return {};
}

}  // namespace gallery

using namespace gallery;

void CGalleryOwnerButton::DrawItem(LPDRAWITEMSTRUCT item) {
  drawnStates.push_back(item->itemState);
  CDC& dc = *item->hDC;
  const RECT r = item->rcItem;
  COLORREF face = RGB(0, 0, 160);
  if (item->itemState & ODS_SELECTED) face = RGB(200, 0, 0);
  if (item->itemState & ODS_DISABLED) face = RGB(128, 128, 128);
  dc.FillSolidRect(&r, face);
  CPen white(PS_SOLID, 1, RGB(255, 255, 255));
  CPen* old = dc.SelectObject(&white);
  const LONG inset = r.Width() / 4;
  dc.MoveTo(r.left + inset, r.top + inset);
  dc.LineTo(r.right - inset, r.bottom - inset);
  dc.MoveTo(r.right - inset - 1, r.top + inset);
  dc.LineTo(r.left + inset - 1, r.bottom - inset);
  dc.SelectObject(old);
  if (item->itemState & ODS_FOCUS) DrawFrame(dc, r, RGB(255, 200, 0), ControlScale());
}

CControlGalleryDlg::CControlGalleryDlg() : CDialog(kGallery) {}

const MessageMap* CControlGalleryDlg::GetMessageMap() const {
  static const MessageMap map = MessageMapFor<CControlGalleryDlg>(CDialog::GetMessageMap())
                                    .OnCommand(kGo, &CControlGalleryDlg::OnGo)
                                    .OnCommand(kPush, &CControlGalleryDlg::OnPush)
                                    .OnCommand(kMatchCase, &CControlGalleryDlg::OnMatchCaseClicked)
                                    .OnControl(CBN_SELCHANGE, kList, &CControlGalleryDlg::OnListChanged)
                                    .OnCtlColorStatic(&CControlGalleryDlg::OnCtlColorStatic)
                                    .OnCtlColor(&CControlGalleryDlg::OnCtlColor);
  return &map;
}

void CControlGalleryDlg::DoDataExchange(CDataExchange* exchange) {
  DDX_Control(exchange, kList, list);
  DDX_Control(exchange, kEdit, edit);
  DDX_Control(exchange, kMatchCase, matchCaseBox);
  DDX_Control(exchange, kOwnerDrawn, ownerDrawn);
  DDX_Control(exchange, kRedLabel, redLabel);
  DDX_Text(exchange, kEdit, query);
  DDX_Check(exchange, kMatchCase, matchCase);
}

BOOL CControlGalleryDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  MoveWindow(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  list.AddString(u"Main info");
  list.SetItemData(0, 0);
  for (int n = 1; n < kListEntries; ++n) {
    const int index = list.AddString(u"M" + Utf8ToWide(std::to_string(n)));
    list.SetItemData(index, DWORD_PTR(n));
  }
  list.SetCurSel(0);
  return TRUE;
}

BOOL CControlGalleryDlg::PreTranslateMessage(MSG* message) {
  // As the object data window does: Enter on the list opens or closes it.
  if (message->message == WM_KEYDOWN && message->wParam == VK_RETURN && ::GetFocus() == list.m_hWnd) {
    list.ShowDropDown(!list.GetDroppedState());
    return TRUE;
  }
  return CDialog::PreTranslateMessage(message);
}

void CControlGalleryDlg::OnOK() {
  UpdateData(TRUE);
  ++okCount;
}

void CControlGalleryDlg::OnPush() {
  redMode = !redMode;
  Invalidate();
}

void CControlGalleryDlg::OnListChanged() {
  ++listChanges;
  const int selected = list.GetCurSel();
  listData = selected < 0 ? -1 : static_cast<long long>(list.GetItemData(selected));
}

HBRUSH CControlGalleryDlg::OnCtlColorStatic(CDC* dc, CWnd* window, UINT kind) {
  if (!redMode && window != &redLabel) return CDialog::OnCtlColor(dc, window, kind);
  dc->SetBkMode(TRANSPARENT);
  return &redBrush_;
}

HBRUSH CControlGalleryDlg::OnCtlColor(CDC* dc, CWnd* window, UINT kind) {
  return redMode ? &redBrush_ : CDialog::OnCtlColor(dc, window, kind);
}

void CControlGalleryDlg::DescribeState(DumpObject& state) const {
  state.Set("okCount", okCount);
  state.Set("goCount", goCount);
  state.Set("matchCaseClicks", matchCaseClicks);
  state.Set("listChanges", listChanges);
  state.Set("listData", listData);
  state.Set("query", query);
  state.Set("matchCase", matchCase);
  state.Set("redMode", redMode);
  DumpArray drawn(ownerDrawn.drawnStates.size());
  for (std::size_t i = 0; i < drawn.size(); ++i) drawn[i] = DumpValue(int(ownerDrawn.drawnStates[i]));
  state.Set("ownerDrawnStates", std::move(drawn));
}

BOOL CControlGalleryApp::InitInstance() {
  CControlGalleryDlg dialog;
  m_pMainWnd = &dialog;
  result = dialog.DoModal();
  return FALSE;
}
