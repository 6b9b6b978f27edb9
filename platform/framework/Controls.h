#pragma once
// The framework's control classes: program objects for the standard
// controls, made with Create or bound to a dialog's control with
// DDX_Control. Each member function is the control message it names
// (GetCheck is BM_GETCHECK, AddString is CB_ADDSTRING...), with the same
// answers, CB_ERR included.

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

  int GetCheck() const;
  void SetCheck(int check);
  // BST_CHECKED, BST_PUSHED and BST_FOCUS as they are now.
  UINT GetState() const;
  // Shows the button pushed in (TRUE) or out, as the stylus does.
  void SetState(BOOL highlight);
  UINT GetButtonStyle() const;
  void SetButtonStyle(UINT style, BOOL redraw = TRUE);

  // An owner-drawn button draws itself here when its parent's WM_DRAWITEM
  // about it reaches the object (the parent's own handler goes first).
  virtual void DrawItem(LPDRAWITEMSTRUCT item);
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};

class CEdit : public CWnd {
 public:
  BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

  // The selection's start and end (the caret where they are equal).
  void GetSel(int& start, int& end) const;
  // -1 as `end` selects to the end; (0, -1) selects everything; -1 as
  // `start` removes the selection.
  void SetSel(int start, int end, BOOL noScroll = FALSE);
  void ReplaceSel(std::u16string_view text, BOOL canUndo = FALSE);
  // 0 lifts the limit.
  void SetLimitText(UINT maximum);
  void LimitText(int maximum = 0) { SetLimitText(UINT(maximum)); }
  UINT GetLimitText() const;
  BOOL SetReadOnly(BOOL readOnly = TRUE);
  BOOL GetModify() const;
  void SetModify(BOOL modified = TRUE);
};

class CComboBox : public CWnd {
 public:
  BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

  int GetCount() const;
  int GetCurSel() const;
  int SetCurSel(int index);
  int AddString(std::u16string_view text);
  int InsertString(int index, std::u16string_view text);
  int DeleteString(UINT index);
  void ResetContent();
  int GetLBText(int index, WideString& text) const;
  // `buffer` must hold GetLBTextLen(index) + 1 characters.
  int GetLBText(int index, WCHAR* buffer) const;
  int GetLBTextLen(int index) const;
  DWORD_PTR GetItemData(int index) const;
  int SetItemData(int index, DWORD_PTR data);
  int FindStringExact(int startAfter, std::u16string_view text) const;
  void ShowDropDown(BOOL show = TRUE);
  BOOL GetDroppedState() const;
};
