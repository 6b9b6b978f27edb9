#pragma once
// Dialog data exchange: DoDataExchange binds controls to program objects and
// copies values between controls and members, in the direction UpdateData asks.

#include "platform/framework/Wnd.h"

class CDataExchange {
 public:
  CDataExchange(CWnd* dialog, BOOL saveAndValidate) : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}
  BOOL m_bSaveAndValidate;  // TRUE: controls to members
  CWnd* m_pDlgWnd;
};

// Makes `control` the program object of dialog item `id` (once).
void DDX_Control(CDataExchange* exchange, int id, CWnd& control);
// The item's text.
void DDX_Text(CDataExchange* exchange, int id, WideString& value);
// A check box's state: 0 unchecked, 1 checked (BM_GETCHECK/BM_SETCHECK).
void DDX_Check(CDataExchange* exchange, int id, int& value);
