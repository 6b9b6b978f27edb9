#include "platform/framework/DataExchange.h"

#include "platform/windows/MessageApi.h"
#include "platform/windows/WindowApi.h"

void DDX_Control(CDataExchange* exchange, int id, CWnd& control) {
  if (!control.m_hWnd) control.SubclassDlgItem(UINT(id), exchange->m_pDlgWnd);
}

void DDX_Text(CDataExchange* exchange, int id, WideString& value) {
  const HWND item = ::GetDlgItem(exchange->m_pDlgWnd->m_hWnd, id);
  if (exchange->m_bSaveAndValidate)
    value = GetWindowTextString(item);
  else
    ::SetWindowText(item, value);
}

void DDX_Check(CDataExchange* exchange, int id, int& value) {
  const HWND item = ::GetDlgItem(exchange->m_pDlgWnd->m_hWnd, id);
  if (exchange->m_bSaveAndValidate)
    value = int(SendMessage(item, BM_GETCHECK, 0, 0));
  else
    SendMessage(item, BM_SETCHECK, WPARAM(value), 0);
}
