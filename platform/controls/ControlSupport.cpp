#include "platform/controls/ControlSupport.h"

#include <algorithm>

#include "platform/windows/Desktop.h"
#include "platform/windows/MessageApi.h"
#include "platform/windows/SystemApi.h"
#include "platform/windows/WindowApi.h"

LONG ControlScale() {
  const Desktop* desktop = Desktop::Current();
  return desktop ? std::max(1, desktop->LogicalDpi() / 96) : 1;
}

void NotifyParent(HWND control, UINT code) {
  SendMessage(GetParent(control), WM_COMMAND, MAKEWPARAM(WORD(GetDlgCtrlID(control)), WORD(code)),
              LParamFromHwnd(control));
}

void ShowFocusChange(HWND control, bool& focused, bool hasFocus, UINT code) {
  focused = hasFocus;
  InvalidateRect(control, nullptr, FALSE);
  NotifyParent(control, code);
}

void SelectControlFont(CDC& dc, HWND control) {
  // The dialog lends its CFont for the life of its controls (WM_SETFONT).
  auto* font = reinterpret_cast<CFont*>(SendMessage(control, WM_GETFONT, 0, 0));
  if (font && font->GetSafeHandle()) dc.SelectObject(font);
}

COLORREF ParentBackground(HWND control, UINT ctlColorMessage, CDC& dc) {
  const COLORREF defaultText = GetSysColor(COLOR_WINDOWTEXT);
  dc.SetTextColor(defaultText);
  dc.SetBkColor(GetSysColor(COLOR_WINDOW));
  dc.SetBkMode(OPAQUE);
  const HWND parent = GetParent(control);
  const HBRUSH brush =
      parent ? BrushFromLResult(SendMessage(parent, ctlColorMessage, WParamFromDC(&dc), LParamFromHwnd(control)))
             : nullptr;
  const COLORREF background = brush && brush->GetSafeHandle() ? brush->GetColor() : GetSysColor(COLOR_WINDOW);
  if (dc.GetTextColor() == defaultText) dc.SetTextColor(SysColourOn(background, COLOR_WINDOWTEXT));
  return background;
}

COLORREF SysColourOn(COLORREF background, int index) {
  const bool bright = std::max({GetRValue(background), GetGValue(background), GetBValue(background)}) >= 0xC0;
  return GetSysColorScheme() == SYSCOLORSCHEME_NIGHT && bright ? RGB(0, 0, 0) : GetSysColor(index);
}

void DrawFrame(CDC& dc, const RECT& r, COLORREF color, LONG thickness) {
  RECT edge = r;
  for (LONG i = 0; i < thickness && !edge.IsEmpty(); ++i) {
    const RECT sides[] = {{edge.left, edge.top, edge.right, edge.top + 1},
                          {edge.left, edge.bottom - 1, edge.right, edge.bottom},
                          {edge.left, edge.top, edge.left + 1, edge.bottom},
                          {edge.right - 1, edge.top, edge.right, edge.bottom}};
    for (const RECT& side : sides) dc.FillSolidRect(&side, color);
    edge = {edge.left + 1, edge.top + 1, edge.right - 1, edge.bottom - 1};
  }
}

void DrawFocusFrame(CDC& dc, const RECT& r) { DrawFocusFrame(dc, r, GetSysColor(COLOR_WINDOWTEXT)); }

void DrawFocusFrame(CDC& dc, const RECT& r, COLORREF color) {
  if (r.IsEmpty()) return;
  // Every other pixel, counted round the frame, so the corners stay regular.
  for (LONG x = r.left; x < r.right; x += 2) {
    dc.SetPixel(x, r.top, color);
    dc.SetPixel(x, r.bottom - 1, color);
  }
  for (LONG y = r.top; y < r.bottom; y += 2) {
    dc.SetPixel(r.left, y, color);
    dc.SetPixel(r.right - 1, y, color);
  }
}

void DrawArrowHead(CDC& dc, const RECT& box, bool down, COLORREF color) {
  // An odd width keeps the tip on one pixel.
  LONG width = std::min(box.Width() - 2, 2 * (box.Height() - 2)) & ~LONG(1);
  width = std::max<LONG>(width - 1, 1);
  const LONG rows = (width + 1) / 2;
  const LONG left = box.left + (box.Width() - width) / 2;
  const LONG top = box.top + (box.Height() - rows) / 2;
  for (LONG row = 0; row < rows; ++row) {
    const LONG inset = down ? row : rows - 1 - row;
    const RECT line{left + inset, top + row, left + width - inset, top + row + 1};
    dc.FillSolidRect(&line, color);
  }
}

ControlTextMeasure::ControlTextMeasure(HWND control) : scratch_(std::make_unique<Surface>(1, 1, 32)) {
  Desktop* desktop = Desktop::Current();
  dc_ = std::make_unique<CDC>(*scratch_, POINT{}, RECT{}, desktop ? &desktop->Fonts() : nullptr);
  SelectControlFont(*dc_, control);
}

LONG ControlTextMeasure::Width(std::u16string_view text) const { return dc_->GetTextExtent(text).cx; }

LONG ControlTextMeasure::LineHeight() const { return dc_->GetTextExtent(std::u16string_view()).cy; }

namespace {

// The deepest shown window at `point` (in `window`'s client coordinates)
// among `window`'s children from `first` on, or `window` itself.
HWND WindowBeneath(const WindowTree& tree, HWND window, POINT point, std::size_t first) {
  const WindowRecord* record = tree.Find(window);
  for (std::size_t i = first; record && i < record->children.size(); ++i) {
    const WindowRecord* child = tree.Find(record->children[i]);
    if (child && child->HasVisibleStyle() && child->rect.Contains(point))
      return WindowBeneath(tree, child->handle, {point.x - child->rect.left, point.y - child->rect.top}, 0);
  }
  return window;
}

}  // namespace

LRESULT PassStylusThrough(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  Desktop* desktop = Desktop::Current();
  const WindowRecord* record = desktop ? desktop->Tree().Find(control) : nullptr;
  const WindowRecord* parent = record ? desktop->Tree().Find(record->parent) : nullptr;
  if (!parent) return 0;
  const auto self = std::find(parent->children.begin(), parent->children.end(), control);
  const POINT inControl = PointFromLParam(lParam);
  const POINT inParent{inControl.x + record->rect.left, inControl.y + record->rect.top};
  const std::size_t below = std::size_t(self - parent->children.begin()) + 1;
  const HWND target = WindowBeneath(desktop->Tree(), parent->handle, inParent, below);
  if (!desktop->Tree().IsEnabledChain(target)) return 0;
  POINT inTarget{inParent.x, inParent.y};
  ClientToScreen(parent->handle, &inTarget);
  ScreenToClient(target, &inTarget);
  return SendMessage(target, message, wParam, LParamFromPoint(inTarget));
}
