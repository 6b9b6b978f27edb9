#include "platform/htmlview/HtmlViewControl.h"

#include <algorithm>
#include <cstdlib>

#include "platform/controls/ControlSupport.h"
#include "platform/htmlview/HtmlSource.h"
#include "platform/htmlview/HtmlView.h"
#include "platform/windows/Desktop.h"
#include "platform/windows/DumpValue.h"
#include "platform/windows/MessageApi.h"
#include "platform/windows/SystemApi.h"
#include "platform/windows/VirtualKeys.h"
#include "platform/windows/WindowApi.h"
#include "platform/windows/WindowDC.h"

namespace {

// At 96 dpi; doubled from 480 pixels wide like every other control size.
constexpr LONG kScrollBarWidth = 3;
constexpr LONG kDragThreshold = 4;
constexpr LONG kLinesPerWheelNotch = 3;

HtmlMetrics ViewMetrics() {
  const Desktop* desktop = Desktop::Current();
  return HtmlMetrics::ForDpi(desktop ? desktop->LogicalDpi() : 96);
}

HtmlColours ViewColours() {
  HtmlColours colours{GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_GRAYTEXT),
                      GetSysColor(COLOR_HOTLIGHT)};
  // A page may lay its own bright red behind its links, where no night red
  // would read; at night a link keeps the text colour and its underline.
  if (GetSysColorScheme() == SYSCOLORSCHEME_NIGHT) colours.link.reset();
  return colours;
}

}  // namespace

LRESULT HtmlViewControl::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETTEXT: {
      Clear(window);
      const auto* text = PointerFromLParam<const WCHAR>(lParam);
      if (text && *text) {
        AddText(text, false);
        EndOfSource(window);
      }
      return TRUE;
    }
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
      return DefWindowProc(window, message, wParam, lParam);
    case DTM_ADDTEXTW:
      AddText(PointerFromLParam<const WCHAR>(lParam), wParam != 0);
      return TRUE;
    case DTM_ENDOFSOURCE:
      EndOfSource(window);
      return TRUE;
    case WM_SIZE:
      if (page_) Layout(window);
      return 0;
    case WM_SYSCOLORCHANGE:
      if (page_) Rebuild(window);
      return 0;
    case WM_GETDLGCODE:
      return DialogCode(PointerFromLParam<const MSG>(lParam));
    case WM_KEYDOWN:
      OnKey(window, UINT(wParam));
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      if (message == WM_KILLFOCUS) focusedLink_.reset();
      InvalidateRect(window, nullptr, FALSE);
      return 0;
    case WM_LBUTTONDOWN:
      OnStylusDown(window, PointFromLParam(lParam));
      return 0;
    case WM_MOUSEMOVE:
      OnStylusMove(window, PointFromLParam(lParam));
      return 0;
    case WM_LBUTTONUP:
      OnStylusUp(window, PointFromLParam(lParam));
      return 0;
    case WM_MOUSEWHEEL:
      OnWheel(window, GET_WHEEL_DELTA_WPARAM(wParam));
      return 0;
    case WM_CAPTURECHANGED:
      pressed_ = dragging_ = draggingThumb_ = false;
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the paint covers every pixel
    case WM_PAINT:
      Paint(window);
      return 0;
    default:
      return DefWindowProc(window, message, wParam, lParam);
  }
}

void HtmlViewControl::Clear(HWND window) {
  source_.clear();
  page_.reset();
  scrollTop_ = 0;
  focusedLink_.reset();
  pressed_ = dragging_ = draggingThumb_ = false;
  InvalidateRect(window, nullptr, FALSE);
}

void HtmlViewControl::AddText(const WCHAR* text, bool plainText) {
  if (!text) return;
  if (plainText) source_ += PlainTextAsHtml(text);
  else source_ += text;
}

void HtmlViewControl::EndOfSource(HWND window) {
  Desktop* desktop = Desktop::Current();
  if (!desktop) return;
  page_ = std::make_unique<HtmlPage>(desktop->Fonts(), ViewMetrics(), source_, ViewColours());
  scrollTop_ = 0;
  focusedLink_.reset();
  Layout(window);
}

void HtmlViewControl::Rebuild(HWND window) {
  Desktop* desktop = Desktop::Current();
  if (!desktop) return;
  // The reader keeps the place and the focused link.
  const LONG top = scrollTop_;
  page_ = std::make_unique<HtmlPage>(desktop->Fonts(), ViewMetrics(), source_, ViewColours());
  Layout(window);
  scrollTop_ = std::clamp<LONG>(top, 0, MaxScroll());
}

void HtmlViewControl::Layout(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  viewSize_ = {client.Width(), client.Height()};
  if (!page_) return;
  const LONG bar = kScrollBarWidth * ControlScale();
  // The bar takes its strip only when the page needs it.
  if (page_->Layout(int(viewSize_.cx), int(viewSize_.cy)) > viewSize_.cy && viewSize_.cx > bar)
    page_->Layout(int(viewSize_.cx - bar), int(viewSize_.cy));
  if (focusedLink_ && *focusedLink_ >= page_->Links().size()) focusedLink_.reset();
  scrollTop_ = std::clamp<LONG>(scrollTop_, 0, MaxScroll());
  InvalidateRect(window, nullptr, FALSE);
}

LONG HtmlViewControl::MaxScroll() const {
  return page_ ? std::max<LONG>(0, page_->Height() - ViewHeight()) : 0;
}

LONG HtmlViewControl::LineStep() const { return ViewMetrics().defaultFontSize * 3 / 2; }

void HtmlViewControl::ScrollTo(HWND window, LONG top) {
  top = std::clamp<LONG>(top, 0, MaxScroll());
  if (top == scrollTop_) return;
  scrollTop_ = top;
  InvalidateRect(window, nullptr, FALSE);
}

void HtmlViewControl::Paint(HWND window) {
  PaintDC dc(window);
  RECT client;
  GetClientRect(window, &client);
  if (!page_) {
    dc.FillSolidRect(&client, GetSysColor(COLOR_WINDOW));
    return;
  }
  page_->Paint(dc, client, int(scrollTop_));
  // In the page's own text colour, which reads on the page's own background.
  if (focusedLink_ && GetFocus() == window)
    for (const RECT& box : page_->Links()[*focusedLink_].boxes)
      DrawFocusFrame(dc, box.Offset(0, -scrollTop_), page_->TextColour());
  PaintScrollBar(dc, client);
}

bool HtmlViewControl::HasScrollBar() const {
  return page_ && page_->Height() > viewSize_.cy && viewSize_.cy > 0;
}

LONG HtmlViewControl::ThumbHeight() const {
  const LONG span = viewSize_.cy;
  return std::max<LONG>(span * span / page_->Height(), 4 * ControlScale());
}

void HtmlViewControl::PaintScrollBar(CDC& dc, const RECT& client) const {
  if (!HasScrollBar()) return;
  const RECT track{client.right - kScrollBarWidth * ControlScale(), client.top, client.right, client.bottom};
  dc.FillSolidRect(&track, GetSysColor(COLOR_SCROLLBAR));
  const LONG thumbHeight = ThumbHeight();
  const LONG thumbTop = track.top + (track.Height() - thumbHeight) * scrollTop_ / std::max<LONG>(MaxScroll(), 1);
  const RECT thumb{track.left, thumbTop, track.right, thumbTop + thumbHeight};
  dc.FillSolidRect(&thumb, GetSysColor(COLOR_3DDKSHADOW));
}

LRESULT HtmlViewControl::DialogCode(const MSG* message) const {
  LRESULT code = DLGC_WANTARROWS;
  if (!message || message->message != WM_KEYDOWN) return code;
  const UINT key = UINT(message->wParam);
  const bool shift = (GetAsyncKeyState(int(VK_SHIFT)) & 0x8000) != 0;
  // Tab walks the links and leaves the view after the last one, so the
  // window's other controls stay reachable.
  if (key == VK_TAB && NeighbourLink(shift)) code |= DLGC_WANTTAB;
  if (key == VK_RETURN && focusedLink_) code |= DLGC_WANTALLKEYS;
  return code;
}

std::optional<std::size_t> HtmlViewControl::NeighbourLink(bool previous) const {
  if (!page_ || page_->Links().empty()) return std::nullopt;
  const std::size_t count = page_->Links().size();
  if (focusedLink_) {
    if (previous) return *focusedLink_ > 0 ? std::optional<std::size_t>(*focusedLink_ - 1) : std::nullopt;
    return *focusedLink_ + 1 < count ? std::optional<std::size_t>(*focusedLink_ + 1) : std::nullopt;
  }
  // Without a focused link the walk starts at what the reader sees.
  const auto top = [&](std::size_t i) { return page_->Links()[i].boxes.front().top; };
  if (previous) {
    for (std::size_t i = count; i-- > 0;)
      if (top(i) < scrollTop_ + ViewHeight()) return i;
    return count - 1;
  }
  for (std::size_t i = 0; i < count; ++i)
    if (top(i) >= scrollTop_) return i;
  return 0;
}

void HtmlViewControl::FocusLink(HWND window, std::size_t link) {
  focusedLink_ = link;
  const std::vector<RECT>& boxes = page_->Links()[link].boxes;
  const LONG top = boxes.front().top;
  const LONG bottom = boxes.back().bottom;
  if (top < scrollTop_) ScrollTo(window, top);
  else if (bottom > scrollTop_ + ViewHeight()) ScrollTo(window, std::min(top, bottom - ViewHeight()));
  InvalidateRect(window, nullptr, FALSE);
}

void HtmlViewControl::OnKey(HWND window, UINT key) {
  const bool shift = (GetAsyncKeyState(int(VK_SHIFT)) & 0x8000) != 0;
  switch (key) {
    case VK_TAB:
    case VK_LEFT:
    case VK_RIGHT: {
      const bool previous = key == VK_LEFT || (key == VK_TAB && shift);
      if (const auto next = NeighbourLink(previous)) FocusLink(window, *next);
      break;
    }
    case VK_RETURN:
      if (page_ && focusedLink_) NotifyHotspot(window, page_->Links()[*focusedLink_].href);
      break;
    case VK_UP: ScrollTo(window, scrollTop_ - LineStep()); break;
    case VK_DOWN: ScrollTo(window, scrollTop_ + LineStep()); break;
    case VK_PRIOR: ScrollTo(window, scrollTop_ - std::max<LONG>(ViewHeight() - LineStep(), LineStep())); break;
    case VK_NEXT: ScrollTo(window, scrollTop_ + std::max<LONG>(ViewHeight() - LineStep(), LineStep())); break;
    case VK_HOME: ScrollTo(window, 0); break;
    case VK_END: ScrollTo(window, MaxScroll()); break;
    default: break;
  }
}

void HtmlViewControl::OnWheel(HWND window, int delta) {
  // A notch of WHEEL_DELTA turned away from the reader shows three lines
  // further up; a finer wheel's partial notches scroll in proportion.
  ScrollTo(window, scrollTop_ - LONG(delta) * kLinesPerWheelNotch * LineStep() / WHEEL_DELTA);
}

void HtmlViewControl::OnStylusDown(HWND window, POINT point) {
  if (GetFocus() != window) SetFocus(window);
  SetCapture(window);
  pressed_ = true;
  // A press on the scroll bar's strip takes the thumb, which then follows
  // the stylus: the page moves the other way from a drag on the page.
  draggingThumb_ = HasScrollBar() && point.x >= viewSize_.cx - kScrollBarWidth * ControlScale();
  dragging_ = draggingThumb_;
  // A finger wobbles further than the stylus before it means to drag.
  dragThreshold_ = GetDragThreshold(int(kDragThreshold * ControlScale()), IsTouchInput(GetMessageExtraInfo()));
  pressPoint_ = point;
  pressScroll_ = scrollTop_;
}

void HtmlViewControl::OnStylusMove(HWND window, POINT point) {
  if (!pressed_) return;
  const LONG dy = point.y - pressPoint_.y;
  if (draggingThumb_) {
    const LONG travel = std::max<LONG>(viewSize_.cy - ThumbHeight(), 1);
    ScrollTo(window, pressScroll_ + dy * MaxScroll() / travel);
    return;
  }
  if (!dragging_ && std::abs(dy) < dragThreshold_) return;
  dragging_ = true;
  ScrollTo(window, pressScroll_ - dy);
}

void HtmlViewControl::OnStylusUp(HWND window, POINT point) {
  if (!pressed_) return;
  const bool tap = !dragging_;
  pressed_ = dragging_ = draggingThumb_ = false;
  ReleaseCapture();
  if (!tap || !page_) return;
  // A tap counts where it went down and came up on the same link.
  const auto down = page_->LinkAt({pressPoint_.x, pressPoint_.y + scrollTop_});
  const auto up = page_->LinkAt({point.x, point.y + scrollTop_});
  if (!down || down != up) return;
  focusedLink_ = *down;
  InvalidateRect(window, nullptr, FALSE);
  NotifyHotspot(window, page_->Links()[*down].href);
}

void HtmlViewControl::NotifyHotspot(HWND window, const WideString& target) {
  const WideString text = target;  // the page may go away while the parent decides
  NM_HTMLVIEW notice;
  notice.hdr.hwndFrom = window;
  notice.hdr.idFrom = UINT_PTR(GetDlgCtrlID(window));
  notice.hdr.code = NM_HOTSPOT;
  notice.szTarget = text.c_str();
  SendMessage(GetParent(window), WM_NOTIFY, WPARAM(notice.hdr.idFrom), LParamFromPointer(&notice));
}

void HtmlViewControl::DescribeForDump(HWND window, DumpObject& fields) const {
  fields.Set("html", source_);
  DumpArray links;
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  if (page_) {
    const RECT visible{0, scrollTop_, viewSize_.cx, scrollTop_ + viewSize_.cy};
    for (const HtmlLink& link : page_->Links()) {
      for (const RECT& box : link.boxes) {
        const RECT shown = box.Intersect(visible);
        if (shown.IsEmpty()) continue;
        const RECT screen = shown.Offset(origin.x, origin.y - scrollTop_);
        DumpObject entry;
        entry.Set("href", link.href);
        entry.Set("rect", DumpArray{screen.left, screen.top, screen.right, screen.bottom});
        links.push_back(std::move(entry));
        break;
      }
    }
  }
  fields.Set("links", std::move(links));
  DumpObject state;
  state.Set("scrollTop", scrollTop_);
  state.Set("pageHeight", page_ ? page_->Height() : 0);
  state.Set("focusedLink", focusedLink_ ? long(*focusedLink_) : -1L);
  fields.Set("state", std::move(state));
}
