#include "platform/controls/EditControl.h"

#include <algorithm>

#include "platform/controls/ControlSupport.h"
#include "platform/runtime/CodePage.h"
#include "platform/windows/Desktop.h"
#include "platform/windows/MessageApi.h"
#include "platform/windows/SystemApi.h"
#include "platform/windows/VirtualKeys.h"
#include "platform/windows/WindowApi.h"
#include "platform/windows/WindowDC.h"

namespace {

constexpr LONG kTextMargin = 2;  // between the frame and the text, at 96 dpi

DWORD StyleOf(HWND window) { return DWORD(GetWindowLong(window, GWL_STYLE)); }

bool ShiftIsDown() { return (GetAsyncKeyState(int(VK_SHIFT)) & 0x8000) != 0; }

bool IsPairEnd(const std::u16string& text, std::size_t i) {
  return i > 0 && IsLowSurrogate(text[i]) && IsHighSurrogate(text[i - 1]);
}

bool Refused(DWORD style, char16_t c) { return (style & ES_NUMBER) && (c < u'0' || c > u'9'); }

}  // namespace

LONG ScrollForCaret(LONG scroll, LONG caretX, LONG textWidth, LONG viewWidth) {
  if (viewWidth <= 0) return 0;
  if (caretX < scroll)
    scroll = caretX - viewWidth / 4;
  else if (caretX >= scroll + viewWidth)
    scroll = caretX - viewWidth + 1;
  const LONG mostScroll = std::max<LONG>(0, textWidth + 1 - viewWidth);
  return std::clamp<LONG>(scroll, 0, mostScroll);
}

EditControl::EditControl() : text_(kDefaultEditLimit) {}

std::u16string EditControl::Shown(HWND window) const {
  const std::u16string& text = text_.Text();
  if (!(StyleOf(window) & ES_PASSWORD)) return text;
  std::u16string stars;
  for (std::size_t i = 0; i < text.size(); ++i)
    if (!IsPairEnd(text, i)) stars.push_back(u'*');
  return stars;
}

EditControl::Layout EditControl::Measure(HWND window) const {
  Layout layout;
  RECT client;
  GetClientRect(window, &client);
  const LONG scale = ControlScale();
  const LONG inset = ((StyleOf(window) & WS_BORDER) ? 1 : 0) * scale + kTextMargin * scale;
  layout.view = {client.left + inset, client.top, client.right - inset, client.bottom};
  const ControlTextMeasure measure(window);
  layout.lineHeight = measure.LineHeight();
  layout.textTop = client.top + (client.Height() - layout.lineHeight) / 2;

  // Advances add up (no kerning), so each character is measured on its own.
  const std::u16string& text = text_.Text();
  const bool password = (StyleOf(window) & ES_PASSWORD) != 0;
  const LONG starWidth = password ? measure.Width(u"*") : 0;
  layout.offsets.assign(text.size() + 1, 0);
  LONG x = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    layout.offsets[i] = x;
    if (IsPairEnd(text, i)) continue;
    const bool pair = i + 1 < text.size() && IsPairEnd(text, i + 1);
    x += password ? starWidth : measure.Width(std::u16string_view(text).substr(i, pair ? 2 : 1));
  }
  layout.offsets[text.size()] = x;
  return layout;
}

void EditControl::CaretMoved(HWND window) {
  const Layout layout = Measure(window);
  scroll_ = ScrollForCaret(scroll_, layout.offsets[text_.Caret()], layout.offsets.back(), layout.view.Width());
  InvalidateRect(window, nullptr, FALSE);
}

void EditControl::Changed(HWND window, bool byUser) {
  DefWindowProc(window, WM_SETTEXT, 0, LParamFromPointer(text_.Text().c_str()));
  if (byUser) modified_ = true;
  CaretMoved(window);
  NotifyParent(window, EN_CHANGE);
}

LRESULT EditControl::OnChar(HWND window, char16_t character) {
  const DWORD style = StyleOf(window);
  if (character == u'\b') {
    if (style & ES_READONLY) return 0;
    if (text_.DeleteBackward()) Changed(window, true);
    return 0;
  }
  // Other control characters (Tab, Enter, Escape) are the dialog's.
  if (character < 0x20 || character == 0x7F) return 0;
  if (style & ES_READONLY) {
    MessageBeep(MB_OK);
    return 0;
  }
  if (Refused(style, character)) {
    MessageBeep(MB_OK);
    return 0;
  }
  const EditText before = text_;
  const EditText::Typed typed = text_.Replace(std::u16string_view(&character, 1));
  bool full = typed.truncated;
  if (typed.changed && !(style & ES_AUTOHSCROLL)) {
    // Without scrolling the box holds only what fits in it.
    const Layout layout = Measure(window);
    if (layout.offsets.back() + 1 > layout.view.Width()) {
      text_ = before;
      full = true;
    }
  }
  if (text_.Text() != before.Text()) Changed(window, true);
  if (full) NotifyParent(window, EN_MAXTEXT);
  return 0;
}

LRESULT EditControl::OnKeyDown(HWND window, UINT key) {
  const bool extend = ShiftIsDown();
  switch (key) {
    case VK_LEFT:
    case VK_UP: text_.MoveLeft(extend); break;
    case VK_RIGHT:
    case VK_DOWN: text_.MoveRight(extend); break;
    case VK_HOME: text_.MoveHome(extend); break;
    case VK_END: text_.MoveEnd(extend); break;
    case VK_DELETE:
      if (!(StyleOf(window) & ES_READONLY) && text_.DeleteForward()) Changed(window, true);
      return 0;
    default: return 0;
  }
  CaretMoved(window);
  return 0;
}

void EditControl::StylusAt(HWND window, POINT point, bool extend) {
  const Layout layout = Measure(window);
  const LONG x = point.x - layout.view.left + scroll_;
  // The nearest position: past a character's middle counts as after it.
  std::size_t best = 0;
  for (std::size_t i = 1; i < layout.offsets.size(); ++i) {
    if (IsPairEnd(text_.Text(), i)) continue;
    if (std::abs(layout.offsets[i] - x) < std::abs(layout.offsets[best] - x)) best = i;
  }
  text_.MoveTo(best, extend);
  CaretMoved(window);
}

LRESULT EditControl::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: return OnCreate(PointerFromLParam<CREATESTRUCT>(lParam));
    case WM_GETDLGCODE: return DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
    case WM_SETTEXT: return OnSetText(window, PointerFromLParam<const WCHAR>(lParam));
    case WM_CHAR: return OnChar(window, char16_t(wParam));
    case WM_KEYDOWN: return OnKeyDown(window, UINT(wParam));
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: return OnStylusDown(window, PointFromLParam(lParam));
    case WM_MOUSEMOVE: return OnStylusMove(window, PointFromLParam(lParam));
    case WM_LBUTTONUP: return OnStylusUp(window);
    case WM_CAPTURECHANGED: return OnCaptureChanged();
    case WM_SETFOCUS: return OnSetFocus(window);
    case WM_KILLFOCUS: return OnKillFocus(window);
    case EM_GETSEL: return OnGetSel(reinterpret_cast<DWORD*>(wParam), PointerFromLParam<DWORD>(lParam));
    case EM_SETSEL: return OnSetSel(window, wParam, lParam);
    case EM_REPLACESEL: return OnReplaceSel(window, PointerFromLParam<const WCHAR>(lParam));
    case EM_LIMITTEXT: return OnLimitText(wParam);
    case EM_GETLIMITTEXT: return LRESULT(text_.Limit());
    case EM_GETMODIFY: return modified_ ? TRUE : FALSE;
    case EM_SETMODIFY: return OnSetModify(wParam != 0);
    case EM_SETREADONLY: return OnSetReadOnly(window, wParam != 0);
    case WM_ERASEBKGND: return 1;  // the paint fills the box
    case WM_PAINT: return OnPaint(window);
    default: return DefWindowProc(window, message, wParam, lParam);
  }
}

LRESULT EditControl::OnCreate(const CREATESTRUCT* create) {
  if (create && create->lpszName) text_.SetText(create->lpszName);
  return 0;
}

LRESULT EditControl::OnSetText(HWND window, const WCHAR* text) {
  text_.SetText(text ? std::u16string_view(text) : std::u16string_view());
  scroll_ = 0;
  Changed(window, false);
  return TRUE;
}

LRESULT EditControl::OnStylusDown(HWND window, POINT point) {
  if (GetFocus() != window) SetFocus(window);
  if (!IsWindow(window) || GetFocus() != window) return 0;
  StylusAt(window, point, ShiftIsDown());
  SetCapture(window);
  dragging_ = true;
  return 0;
}

LRESULT EditControl::OnStylusMove(HWND window, POINT point) {
  if (dragging_) StylusAt(window, point, true);
  return 0;
}

LRESULT EditControl::OnStylusUp(HWND window) {
  if (dragging_) {
    dragging_ = false;
    if (GetCapture() == window) ReleaseCapture();
  }
  return 0;
}

LRESULT EditControl::OnCaptureChanged() {
  dragging_ = false;
  return 0;
}

LRESULT EditControl::OnSetFocus(HWND window) {
  ShowFocusChange(window, focused_, true, EN_SETFOCUS);
  return 0;
}

LRESULT EditControl::OnKillFocus(HWND window) {
  ShowFocusChange(window, focused_, false, EN_KILLFOCUS);
  return 0;
}

LRESULT EditControl::OnGetSel(DWORD* startOut, DWORD* endOut) const {
  const DWORD start = DWORD(text_.SelectionStart());
  const DWORD end = DWORD(text_.SelectionEnd());
  if (startOut) *startOut = start;
  if (endOut) *endOut = end;
  return LRESULT(MAKELONG(WORD(std::min<DWORD>(start, 0xFFFF)), WORD(std::min<DWORD>(end, 0xFFFF))));
}

LRESULT EditControl::OnSetSel(HWND window, WPARAM start, LPARAM end) {
  text_.Select(long(std::intptr_t(start)), long(end));
  CaretMoved(window);
  return 0;
}

LRESULT EditControl::OnReplaceSel(HWND window, const WCHAR* text) {
  const EditText::Typed typed = text_.Replace(text ? std::u16string_view(text) : std::u16string_view());
  if (typed.changed) Changed(window, false);
  if (typed.truncated) NotifyParent(window, EN_MAXTEXT);
  return 0;
}

LRESULT EditControl::OnLimitText(WPARAM limit) {
  // 0 lifts the limit as far as the device's box allows.
  text_.SetLimit(limit == 0 ? std::size_t(0x7FFFFFFE) : std::size_t(limit));
  return 0;
}

LRESULT EditControl::OnSetModify(bool modified) {
  modified_ = modified;
  return 0;
}

LRESULT EditControl::OnSetReadOnly(HWND window, bool readOnly) {
  const DWORD style = StyleOf(window);
  SetWindowLong(window, GWL_STYLE, LONG(readOnly ? (style | ES_READONLY) : (style & ~ES_READONLY)));
  InvalidateRect(window, nullptr, FALSE);
  return TRUE;
}


LRESULT EditControl::OnPaint(HWND window) {
  PaintDC dc(window);
  RECT client;
  GetClientRect(window, &client);
  const DWORD style = StyleOf(window);
  const bool enabled = IsWindowEnabled(window) != FALSE;
  const UINT request = (style & ES_READONLY) || !enabled ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT;
  const COLORREF background = ParentBackground(window, request, dc);
  dc.FillSolidRect(&client, background);
  const LONG scale = ControlScale();
  if (style & WS_BORDER) DrawFrame(dc, client, SysColourOn(background, COLOR_WINDOWFRAME), scale);
  const COLORREF ink = enabled ? dc.GetTextColor() : GetSysColor(COLOR_GRAYTEXT);

  // The text is drawn through a context clipped to the view, so a character
  // scrolled half out of it never spills onto the frame.
  const Layout layout = Measure(window);
  const RECT paintArea = dc.PaintRect().IsEmpty() ? client : dc.PaintRect();
  const RECT clip = layout.view.Intersect(paintArea);
  if (clip.IsEmpty()) return 0;
  WindowDC text(window, &clip);
  SelectControlFont(text, window);
  text.SetBkMode(TRANSPARENT);
  text.SetTextColor(ink);
  const LONG origin = layout.view.left - scroll_;
  const std::u16string shown = Shown(window);
  text.TextOut(origin, layout.textTop, shown);

  const bool showSelection = text_.HasSelection() && (focused_ || (style & ES_NOHIDESEL));
  if (showSelection) {
    const bool password = (style & ES_PASSWORD) != 0;
    // Offsets index the text; the stars count characters, so the shown range
    // of a password is found by counting the pairs before it.
    auto shownIndex = [&](std::size_t i) {
      if (!password) return i;
      std::size_t n = 0;
      for (std::size_t k = 0; k < i; ++k)
        if (!IsPairEnd(text_.Text(), k)) ++n;
      return n;
    };
    const std::size_t start = text_.SelectionStart();
    const std::size_t end = text_.SelectionEnd();
    const RECT band{origin + layout.offsets[start], layout.textTop, origin + layout.offsets[end],
                    layout.textTop + layout.lineHeight};
    text.FillSolidRect(&band, GetSysColor(COLOR_HIGHLIGHT));
    text.SetTextColor(GetSysColor(COLOR_HIGHLIGHTTEXT));
    const std::size_t from = shownIndex(start);
    text.TextOut(band.left, layout.textTop, std::u16string_view(shown).substr(from, shownIndex(end) - from));
  }
  if (focused_) {
    const LONG x = origin + layout.offsets[text_.Caret()];
    const RECT caret{x, layout.textTop, x + scale, layout.textTop + layout.lineHeight};
    text.FillSolidRect(&caret, ink);
  }
  return 0;
}
