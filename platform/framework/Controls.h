#pragma once
// The framework's control classes: program objects for the standard
// controls, made with Create or bound to a dialog's control with
// DDX_Control. Each member function is the control message it names
// (AddString is CB_ADDSTRING, GetCurSel is CB_GETCURSEL...), with the same
// answers, CB_ERR included. Only the messages the program sends through an
// object have a member; the rest stay SendMessage calls.

#include <string_view>

#include "platform/controls/ControlMessages.h"
#include "platform/framework/Wnd.h"

class CStatic : public CWnd {
 public:
  BOOL Create(std::u16string_view text, DWORD style, const RECT& rect, CWnd* parent, UINT id = 0xFFFF);
};

class CButton : public CWnd {
 public:
  BOOL Create(std::u16string_view text, DWORD style, const RECT& rect, CWnd* parent, UINT id);

  // An owner-drawn button draws itself here when its parent's WM_DRAWITEM
  // about it reaches the object (the parent's own handler goes first).
  virtual void DrawItem(LPDRAWITEMSTRUCT item);
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};

class CEdit : public CWnd {
 public:
  BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
};

class CComboBox : public CWnd {
 public:
  BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

  int GetCurSel() const;
  int SetCurSel(int index);
  int AddString(std::u16string_view text);
  DWORD_PTR GetItemData(int index) const;
  int SetItemData(int index, DWORD_PTR data);
  void ShowDropDown(BOOL show = TRUE);
  BOOL GetDroppedState() const;
};
