#pragma once
// The "Button" window class: push buttons (the default one with a heavier
// frame), owner-drawn buttons that their parent draws on WM_DRAWITEM,
// check boxes (automatic ones tick themselves) and group boxes.
//
// A button is pressed by a tap that starts and ends on it, or by Space while
// it has the focus; either sends BN_CLICKED. A tap also gives it the focus.
// Group boxes take neither focus nor taps.

#include "platform/controls/ControlMessages.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/windows/WindowProcedure.h"

class CDC;

class ButtonControl final : public WindowProcedure {
 public:
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  // Check boxes add "checked".
  void DescribeForDump(HWND window, DumpObject& fields) const override;

 private:
  enum class Kind { Push, DefaultPush, CheckBox, AutoCheckBox, GroupBox, OwnerDraw };
  static Kind KindOf(HWND window);
  static bool IsCheckBox(Kind kind) { return kind == Kind::CheckBox || kind == Kind::AutoCheckBox; }

  LRESULT DialogCode(HWND window) const;
  void SetPushed(HWND window, bool pushed);
  void SetCheck(HWND window, WPARAM state);
  // The press ends in a click: tick an automatic check box, tell the parent.
  void Click(HWND window);

  // Message handlers, one a message (or a pair that means the same).
  LRESULT OnStylusDown(HWND window);
  LRESULT OnStylusMove(HWND window, POINT point);
  LRESULT OnStylusUp(HWND window, POINT point);
  LRESULT OnCaptureChanged(HWND window);
  LRESULT OnKeyDown(HWND window, Kind kind, WPARAM key);
  LRESULT OnKeyUp(HWND window, WPARAM key);
  LRESULT OnSetFocus(HWND window);
  LRESULT OnKillFocus(HWND window);
  LRESULT OnGetCheck(Kind kind) const;
  LRESULT OnSetCheck(HWND window, Kind kind, WPARAM state);
  LRESULT OnGetState() const;
  LRESULT OnSetState(HWND window, bool pushed);
  LRESULT OnSetStyle(HWND window, WPARAM style, bool redraw);
  LRESULT OnClick(HWND window, Kind kind);
  LRESULT OnSetText(HWND window, WPARAM wParam, LPARAM lParam);
  LRESULT OnPaint(HWND window);

  void PaintPushButton(HWND window, CDC& dc, const RECT& client, bool isDefault);
  void PaintCheckBox(HWND window, CDC& dc, const RECT& client);
  void PaintGroupBox(HWND window, CDC& dc, const RECT& client);
  void PaintOwnerDrawn(HWND window, CDC& dc, const RECT& client);

  WPARAM check_ = BST_UNCHECKED;
  bool pushed_ = false;
  bool focused_ = false;
  bool stylusHeld_ = false;  // the stylus went down on the button and is captured
  bool spaceHeld_ = false;
};
