#pragma once
// What the standard controls share: telling the parent (notifications and
// colour requests), the font the dialog lent them, their sizes at the
// screen's resolution, and the few drawing shapes of the small-screen look
// (crisp one-pixel frames, a dotted focus frame, arrow heads).

#include <memory>
#include <string_view>

#include "platform/controls/ControlMessages.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Surface.h"

// Sizes are given at 96 dpi; from 480 pixels wide everything is twice as big,
// as the dialog units are.
LONG ControlScale();

// WM_COMMAND to the parent with the control's id and `code`.
void NotifyParent(HWND control, UINT code);

// A control took or lost the focus: it keeps the fact in `focused`, repaints
// and tells the parent with `code`.
void ShowFocusChange(HWND control, bool& focused, bool hasFocus, UINT code);

// The font the dialog gave the control (WM_SETFONT), if any, goes into `dc`;
// without one the context keeps the desktop's "System" default.
void SelectControlFont(CDC& dc, HWND control);

// Asks the parent for the control's background with `ctlColorMessage`
// (WM_CTLCOLORSTATIC, WM_CTLCOLOREDIT...). The context starts with the
// default colours, so a parent that only answers a brush still gets
// readable text; a parent that answers nothing gets the window colour.
COLORREF ParentBackground(HWND control, UINT ctlColorMessage, CDC& dc);

// The system colour `index` for text or lines on a background the parent
// chose. The night colours are dim reds that read on black; on a bright
// background of the parent's own (a window painted in full red) they would
// vanish, so there they are black, as by day.
COLORREF SysColourOn(COLORREF background, int index);

// A frame `thickness` pixels wide along the inside of `r`.
void DrawFrame(CDC& dc, const RECT& r, COLORREF color, LONG thickness = 1);
// The dotted frame that marks the focused control, in the window text colour
// or in `color`.
void DrawFocusFrame(CDC& dc, const RECT& r);
void DrawFocusFrame(CDC& dc, const RECT& r, COLORREF color);
// A filled arrow head centred in `box`, pointing down or up.
void DrawArrowHead(CDC& dc, const RECT& box, bool down, COLORREF color);

// Widths of text in a control's font, outside any paint.
class ControlTextMeasure {
 public:
  explicit ControlTextMeasure(HWND control);
  LONG Width(std::u16string_view text) const;
  LONG LineHeight() const;

 private:
  std::unique_ptr<Surface> scratch_;
  std::unique_ptr<CDC> dc_;
};

// Static texts and group boxes let the stylus through, as the device's do:
// a stylus message they get goes on to the window beneath them (a sibling
// lower in the z-order, or the parent), in that window's coordinates.
LRESULT PassStylusThrough(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
