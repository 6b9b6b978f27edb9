#include "platform/framework/Controls.h"

#include "platform/windows/MessageApi.h"

namespace {

// The device's messages take text by pointer to a terminated string.
LPARAM TextParam(const WideString& text) { return LParamFromPointer(text.c_str()); }

}  // namespace

BOOL CStatic::Create(std::u16string_view text, DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  return CWnd::Create(u"Static", text, style | WS_CHILD, rect, parent, id);
}

BOOL CButton::Create(std::u16string_view text, DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  return CWnd::Create(u"Button", text, style | WS_CHILD, rect, parent, id);
}

int CButton::GetCheck() const { return int(::SendMessage(m_hWnd, BM_GETCHECK, 0, 0)); }
void CButton::SetCheck(int check) { SendMessage(BM_SETCHECK, WPARAM(check)); }
UINT CButton::GetState() const { return UINT(::SendMessage(m_hWnd, BM_GETSTATE, 0, 0)); }
void CButton::SetState(BOOL highlight) { SendMessage(BM_SETSTATE, highlight ? TRUE : FALSE); }
UINT CButton::GetButtonStyle() const { return UINT(GetStyle() & 0xFFFF); }
void CButton::SetButtonStyle(UINT style, BOOL redraw) { SendMessage(BM_SETSTYLE, style, redraw); }

void CButton::DrawItem(LPDRAWITEMSTRUCT /*item*/) {}

BOOL CButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (message != WM_DRAWITEM) return CWnd::OnChildNotify(message, wParam, lParam, result);
  DrawItem(PointerFromLParam<DRAWITEMSTRUCT>(lParam));
  if (result) *result = TRUE;
  return TRUE;
}

BOOL CEdit::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  return CWnd::Create(u"Edit", u"", style | WS_CHILD, rect, parent, id);
}

void CEdit::GetSel(int& start, int& end) const {
  DWORD first = 0;
  DWORD last = 0;
  ::SendMessage(m_hWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&first), LParamFromPointer(&last));
  start = int(first);
  end = int(last);
}

void CEdit::SetSel(int start, int end, BOOL /*noScroll*/) {
  SendMessage(EM_SETSEL, WPARAM(std::intptr_t(start)), LPARAM(end));
}

void CEdit::ReplaceSel(std::u16string_view text, BOOL canUndo) {
  const WideString copy(text);
  SendMessage(EM_REPLACESEL, canUndo, TextParam(copy));
}

void CEdit::SetLimitText(UINT maximum) { SendMessage(EM_LIMITTEXT, maximum); }
UINT CEdit::GetLimitText() const { return UINT(::SendMessage(m_hWnd, EM_GETLIMITTEXT, 0, 0)); }
BOOL CEdit::SetReadOnly(BOOL readOnly) { return BOOL(SendMessage(EM_SETREADONLY, readOnly)); }
BOOL CEdit::GetModify() const { return BOOL(::SendMessage(m_hWnd, EM_GETMODIFY, 0, 0)); }
void CEdit::SetModify(BOOL modified) { SendMessage(EM_SETMODIFY, modified); }

BOOL CComboBox::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  return CWnd::Create(u"ComboBox", u"", style | WS_CHILD, rect, parent, id);
}

int CComboBox::GetCount() const { return int(::SendMessage(m_hWnd, CB_GETCOUNT, 0, 0)); }
int CComboBox::GetCurSel() const { return int(::SendMessage(m_hWnd, CB_GETCURSEL, 0, 0)); }
int CComboBox::SetCurSel(int index) { return int(SendMessage(CB_SETCURSEL, WPARAM(std::intptr_t(index)))); }

int CComboBox::AddString(std::u16string_view text) {
  const WideString copy(text);
  return int(SendMessage(CB_ADDSTRING, 0, TextParam(copy)));
}

int CComboBox::InsertString(int index, std::u16string_view text) {
  const WideString copy(text);
  return int(SendMessage(CB_INSERTSTRING, WPARAM(std::intptr_t(index)), TextParam(copy)));
}

int CComboBox::DeleteString(UINT index) { return int(SendMessage(CB_DELETESTRING, index)); }
void CComboBox::ResetContent() { SendMessage(CB_RESETCONTENT); }

int CComboBox::GetLBText(int index, WideString& text) const {
  const int length = GetLBTextLen(index);
  if (length < 0) {
    text.clear();
    return length;
  }
  text.assign(std::size_t(length) + 1, u'\0');
  const int copied = GetLBText(index, text.data());
  text.resize(std::size_t(copied < 0 ? 0 : copied));
  return copied;
}

int CComboBox::GetLBText(int index, WCHAR* buffer) const {
  return int(::SendMessage(m_hWnd, CB_GETLBTEXT, WPARAM(std::intptr_t(index)), LParamFromPointer(buffer)));
}

int CComboBox::GetLBTextLen(int index) const {
  return int(::SendMessage(m_hWnd, CB_GETLBTEXTLEN, WPARAM(std::intptr_t(index)), 0));
}

DWORD_PTR CComboBox::GetItemData(int index) const {
  return DWORD_PTR(::SendMessage(m_hWnd, CB_GETITEMDATA, WPARAM(std::intptr_t(index)), 0));
}

int CComboBox::SetItemData(int index, DWORD_PTR data) {
  return int(SendMessage(CB_SETITEMDATA, WPARAM(std::intptr_t(index)), LPARAM(data)));
}

int CComboBox::FindStringExact(int startAfter, std::u16string_view text) const {
  const WideString copy(text);
  return int(::SendMessage(m_hWnd, CB_FINDSTRINGEXACT, WPARAM(std::intptr_t(startAfter)), TextParam(copy)));
}

void CComboBox::ShowDropDown(BOOL show) { SendMessage(CB_SHOWDROPDOWN, show ? TRUE : FALSE); }
BOOL CComboBox::GetDroppedState() const { return BOOL(::SendMessage(m_hWnd, CB_GETDROPPEDSTATE, 0, 0)); }
