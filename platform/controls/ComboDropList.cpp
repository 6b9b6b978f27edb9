#include "platform/controls/ComboDropList.h"

#include <algorithm>

#include "platform/controls/ComboBoxControl.h"
#include "platform/controls/ControlSupport.h"
#include "platform/windows/DumpValue.h"
#include "platform/windows/MessageApi.h"
#include "platform/windows/SystemApi.h"
#include "platform/windows/WindowApi.h"
#include "platform/windows/WindowDC.h"

namespace {

constexpr LONG kBarWidth = 12;    // the scroll bar, at 96 dpi
constexpr LONG kTextMargin = 3;

}  // namespace

ComboDropList::ComboDropList(HWND combo, int rows, LONG itemHeight, bool pressed)
    : combo_(combo), rows_(std::max(1, rows)), itemHeight_(std::max<LONG>(1, itemHeight)), openingPress_(pressed) {}

ComboBoxControl* ComboDropList::Combo() const { return ComboBoxControl::Of(combo_); }

int ComboDropList::Count() const {
  const ComboBoxControl* combo = Combo();
  return combo ? int(combo->Items().size()) : 0;
}

ComboDropList::Layout ComboDropList::Measure(HWND window) const {
  Layout layout{};
  RECT client;
  GetClientRect(window, &client);
  const LONG scale = ControlScale();
  const RECT inner{client.left + scale, client.top + scale, client.right - scale, client.bottom - scale};
  layout.items = inner;
  const int count = Count();
  if (count <= rows_) return layout;
  const LONG barWidth = kBarWidth * scale;
  layout.bar = {inner.right - barWidth, inner.top, inner.right, inner.bottom};
  layout.items.right = layout.bar.left;
  layout.up = {layout.bar.left, layout.bar.top, layout.bar.right, layout.bar.top + barWidth};
  layout.down = {layout.bar.left, layout.bar.bottom - barWidth, layout.bar.right, layout.bar.bottom};
  layout.track = {layout.bar.left, layout.up.bottom, layout.bar.right, layout.down.top};
  const LONG trackHeight = std::max<LONG>(0, layout.track.Height());
  const LONG thumbHeight = std::min(trackHeight, std::max(barWidth / 2, trackHeight * rows_ / count));
  const LONG travel = trackHeight - thumbHeight;
  const LONG thumbTop = layout.track.top + travel * top_ / (count - rows_);
  layout.thumb = {layout.bar.left, thumbTop, layout.bar.right, thumbTop + thumbHeight};
  return layout;
}

int ComboDropList::EntryAt(const Layout& layout, POINT point) const {
  if (!layout.items.Contains(point)) return -1;
  const int index = top_ + int((point.y - layout.items.top) / itemHeight_);
  return index < Count() ? index : -1;
}

void ComboDropList::ScrollTo(HWND window, int top) {
  top = std::clamp(top, 0, std::max(0, Count() - rows_));
  if (top == top_) return;
  top_ = top;
  InvalidateRect(window, nullptr, FALSE);
}

void ComboDropList::ShowEntry(HWND window, int index) {
  if (index < top_)
    ScrollTo(window, index);
  else if (index >= top_ + rows_)
    ScrollTo(window, index - rows_ + 1);
}

void ComboDropList::StylusDown(HWND window, POINT point) {
  openingPress_ = false;
  RECT client;
  GetClientRect(window, &client);
  if (!client.Contains(point)) {
    // A tap anywhere else only closes the list; it reaches nothing beneath.
    if (ComboBoxControl* combo = Combo()) combo->CloseList(combo_, false);
    return;
  }
  const Layout layout = Measure(window);
  if (layout.bar.Contains(point)) {
    if (layout.up.Contains(point))
      ScrollTo(window, top_ - 1);
    else if (layout.down.Contains(point))
      ScrollTo(window, top_ + 1);
    else if (layout.thumb.Contains(point)) {
      drag_ = Drag::Thumb;
      thumbGrab_ = point.y - layout.thumb.top;
    } else {
      ScrollTo(window, point.y < layout.thumb.top ? top_ - rows_ : top_ + rows_);
    }
    return;
  }
  drag_ = Drag::Entries;
  hot_ = EntryAt(layout, point);
  InvalidateRect(window, nullptr, FALSE);
}

void ComboDropList::StylusMove(HWND window, POINT point) {
  const Layout layout = Measure(window);
  if (drag_ == Drag::Thumb) {
    const LONG travel = layout.track.Height() - layout.thumb.Height();
    if (travel <= 0) return;
    const LONG offset = point.y - thumbGrab_ - layout.track.top;
    const int steps = Count() - rows_;
    ScrollTo(window, int((offset * steps + travel / 2) / travel));
    return;
  }
  if (drag_ != Drag::Entries && !openingPress_) return;
  const int hot = EntryAt(layout, point);
  if (hot == hot_) return;
  hot_ = hot;
  InvalidateRect(window, nullptr, FALSE);
}

void ComboDropList::StylusUp(HWND window, POINT point) {
  const bool choosing = drag_ == Drag::Entries || openingPress_;
  drag_ = Drag::None;
  openingPress_ = false;
  const int chosen = choosing ? EntryAt(Measure(window), point) : -1;
  if (hot_ >= 0) InvalidateRect(window, nullptr, FALSE);
  hot_ = -1;
  // Lifting the stylus that opened the list anywhere but on an entry leaves it open.
  if (chosen < 0) return;
  if (ComboBoxControl* combo = Combo()) combo->ChooseFromList(combo_, chosen);
}

LRESULT ComboDropList::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ACTIVATE:
      return 0;  // the keyboard focus stays on the combo box
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      StylusDown(window, PointFromLParam(lParam));
      return 0;
    case WM_MOUSEMOVE:
      StylusMove(window, PointFromLParam(lParam));
      return 0;
    case WM_LBUTTONUP:
      StylusUp(window, PointFromLParam(lParam));
      return 0;
    case WM_CAPTURECHANGED:
      // Something else took the stylus (a message box, say): the list gives way.
      if (HwndFromParam(std::uintptr_t(lParam)) != window)
        if (ComboBoxControl* combo = Combo(); combo && combo->ListWindow() == window) combo->CloseList(combo_, false);
      return 0;
    case WM_DESTROY:
      if (ComboBoxControl* combo = Combo(); combo && combo->ListWindow() == window) combo->ListDestroyed();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      Paint(window);
      return 0;
    default:
      return DefWindowProc(window, message, wParam, lParam);
  }
}

void ComboDropList::DescribeForDump(HWND, DumpObject& fields) const {
  fields.Set("firstShown", top_);
  fields.Set("rows", rows_);
}

void ComboDropList::Paint(HWND window) {
  PaintDC dc(window);
  RECT client;
  GetClientRect(window, &client);
  SelectControlFont(dc, combo_);
  const LONG scale = ControlScale();
  const COLORREF background = ParentBackground(combo_, WM_CTLCOLORLISTBOX, dc);
  dc.FillSolidRect(&client, background);
  DrawFrame(dc, client, SysColourOn(background, COLOR_WINDOWFRAME), scale);
  const COLORREF ink = dc.GetTextColor();
  dc.SetBkMode(TRANSPARENT);

  const ComboBoxControl* combo = Combo();
  if (!combo) return;
  const Layout layout = Measure(window);
  const bool choosing = drag_ == Drag::Entries || openingPress_;
  const int marked = choosing ? hot_ : combo->Selection();
  const auto& items = combo->Items();
  for (int row = 0; row < rows_; ++row) {
    const int index = top_ + row;
    if (index >= int(items.size())) break;
    const LONG top = layout.items.top + row * itemHeight_;
    const RECT line{layout.items.left, top, layout.items.right, std::min(top + itemHeight_, layout.items.bottom)};
    if (index == marked) dc.FillSolidRect(&line, GetSysColor(COLOR_HIGHLIGHT));
    dc.SetTextColor(index == marked ? GetSysColor(COLOR_HIGHLIGHTTEXT) : ink);
    RECT text{line.left + kTextMargin * scale, line.top, line.right - scale, line.bottom};
    dc.DrawText(items[std::size_t(index)].text, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  }
  if (!layout.bar.IsEmpty()) PaintScrollBar(dc, layout);
}

void ComboDropList::PaintScrollBar(CDC& dc, const Layout& layout) {
  const LONG scale = ControlScale();
  const COLORREF frame = GetSysColor(COLOR_WINDOWFRAME);
  dc.FillSolidRect(&layout.bar, GetSysColor(COLOR_WINDOW));
  const RECT divider{layout.bar.left, layout.bar.top, layout.bar.left + scale, layout.bar.bottom};
  dc.FillSolidRect(&divider, frame);
  for (const RECT* box : {&layout.up, &layout.down, &layout.thumb}) {
    dc.FillSolidRect(box, GetSysColor(COLOR_BTNFACE));
    DrawFrame(dc, *box, frame, scale);
  }
  // Only the frame's width in from the box's edges: at 240 pixels wide a
  // wider margin leaves an arrow too small to read.
  const auto arrowBox = [scale](const RECT& r) {
    return RECT{r.left + scale, r.top + scale, r.right - scale, r.bottom - scale};
  };
  DrawArrowHead(dc, arrowBox(layout.up), false, GetSysColor(COLOR_BTNTEXT));
  DrawArrowHead(dc, arrowBox(layout.down), true, GetSysColor(COLOR_BTNTEXT));
}
