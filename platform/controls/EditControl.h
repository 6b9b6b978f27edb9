#pragma once
// The "Edit" window class: a single-line edit box. Characters typed while it
// has the focus go in at the caret (WM_CHAR; Backspace arrives as one too),
// Delete, Home, End, Left and Right (Up and Down act as Left and Right) move
// or delete, Shift with a move selects, a tap places the caret and a drag
// selects. With ES_AUTOHSCROLL the text scrolls sideways to keep the caret in
// view; without it, typing stops at the box's width. The caret does not
// blink: the program has no timers. The background comes from the parent
// (WM_CTLCOLOREDIT, or WM_CTLCOLORSTATIC when read-only or disabled).

#include <vector>

#include "platform/controls/ControlMessages.h"
#include "platform/controls/EditText.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/windows/WindowProcedure.h"

// The new horizontal scroll (the text's pixel shown at the left edge of the
// view) after the caret moved to `caretX` (pixels from the text's start):
// the caret stays in view, moving right scrolls just enough, moving back
// left of the view scrolls a quarter view further so some text before it
// shows, and no more blank follows the text than the caret needs.
LONG ScrollForCaret(LONG scroll, LONG caretX, LONG textWidth, LONG viewWidth);

class EditControl final : public WindowProcedure {
 public:
  EditControl();
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  struct Layout {
    RECT view;        // where text shows, in client coordinates
    LONG textTop;
    LONG lineHeight;
    std::vector<LONG> offsets;  // x of every position from the text's start
  };
  Layout Measure(HWND window) const;
  // What is drawn: the text, or one '*' a character for ES_PASSWORD.
  std::u16string Shown(HWND window) const;

  // Message handlers, one a message (or a pair that means the same).
  LRESULT OnCreate(const CREATESTRUCT* create);
  LRESULT OnSetText(HWND window, const WCHAR* text);
  LRESULT OnChar(HWND window, char16_t character);
  LRESULT OnKeyDown(HWND window, UINT key);
  LRESULT OnStylusDown(HWND window, POINT point);
  LRESULT OnStylusMove(HWND window, POINT point);
  LRESULT OnStylusUp(HWND window);
  LRESULT OnCaptureChanged();
  LRESULT OnSetFocus(HWND window);
  LRESULT OnKillFocus(HWND window);
  LRESULT OnGetSel(DWORD* start, DWORD* end) const;
  LRESULT OnSetSel(HWND window, WPARAM start, LPARAM end);
  LRESULT OnReplaceSel(HWND window, const WCHAR* text);
  LRESULT OnLimitText(WPARAM limit);
  LRESULT OnSetModify(bool modified);
  LRESULT OnSetReadOnly(HWND window, bool readOnly);
  LRESULT OnPaint(HWND window);

  void StylusAt(HWND window, POINT point, bool extend);
  // Stores the text in the window (for WM_GETTEXT and the dump), keeps the
  // caret in view, repaints, and tells the parent when the user changed it.
  void Changed(HWND window, bool byUser);
  void CaretMoved(HWND window);

  EditText text_;
  LONG scroll_ = 0;
  bool focused_ = false;
  bool modified_ = false;
  bool dragging_ = false;
};
