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

BOOL CComboBox::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  return CWnd::Create(u"ComboBox", u"", style | WS_CHILD, rect, parent, id);
}

int CComboBox::GetCurSel() const { return int(::SendMessage(m_hWnd, CB_GETCURSEL, 0, 0)); }
int CComboBox::SetCurSel(int index) { return int(SendMessage(CB_SETCURSEL, WPARAM(std::intptr_t(index)))); }

int CComboBox::AddString(std::u16string_view text) {
  const WideString copy(text);
  return int(SendMessage(CB_ADDSTRING, 0, TextParam(copy)));
}

DWORD_PTR CComboBox::GetItemData(int index) const {
  return DWORD_PTR(::SendMessage(m_hWnd, CB_GETITEMDATA, WPARAM(std::intptr_t(index)), 0));
}

int CComboBox::SetItemData(int index, DWORD_PTR data) {
  return int(SendMessage(CB_SETITEMDATA, WPARAM(std::intptr_t(index)), LPARAM(data)));
}

void CComboBox::ShowDropDown(BOOL show) { SendMessage(CB_SHOWDROPDOWN, show ? TRUE : FALSE); }
BOOL CComboBox::GetDroppedState() const { return BOOL(::SendMessage(m_hWnd, CB_GETDROPPEDSTATE, 0, 0)); }
