#include "platform/controls/ButtonControl.h"

#include <algorithm>

#include "platform/controls/ControlSupport.h"
#include "platform/windows/DumpValue.h"
#include "platform/windows/MessageApi.h"
#include "platform/windows/SystemApi.h"
#include "platform/windows/VirtualKeys.h"
#include "platform/windows/WindowApi.h"
#include "platform/windows/WindowDC.h"

namespace {

constexpr LONG kCheckBoxSize = 12;  // at 96 dpi
constexpr LONG kLabelGap = 4;
constexpr LONG kFocusInset = 3;
constexpr LONG kGroupLabelIndent = 6;

bool Inside(HWND window, POINT point) {
  RECT client;
  GetClientRect(window, &client);
  return client.Contains(point);
}

COLORREF TextColourFor(HWND window, COLORREF enabled) {
  return IsWindowEnabled(window) ? enabled : GetSysColor(COLOR_GRAYTEXT);
}

// The tick: two strokes, two pixels thick, inside the box.
void DrawTick(CDC& dc, const RECT& box, COLORREF color) {
  CPen pen(PS_SOLID, 1, color);
  CPen* old = dc.SelectObject(&pen);
  const LONG w = box.Width();
  const POINT start{box.left + w * 2 / 10, box.top + w * 5 / 10};
  const POINT bend{box.left + w * 4 / 10, box.top + w * 7 / 10};
  const POINT end{box.left + w * 8 / 10, box.top + w * 2 / 10};
  for (LONG shift = 0; shift < 2 * ControlScale(); ++shift) {
    dc.MoveTo(start.x, start.y + shift);
    dc.LineTo(bend.x, bend.y + shift);
    dc.LineTo(end.x + 1, end.y + shift - 1);
  }
  dc.SelectObject(old);
}

}  // namespace

ButtonControl::Kind ButtonControl::KindOf(HWND window) {
  switch (DWORD(GetWindowLong(window, GWL_STYLE)) & BS_TYPEMASK) {
    case BS_DEFPUSHBUTTON: return Kind::DefaultPush;
    case BS_CHECKBOX: return Kind::CheckBox;
    case BS_AUTOCHECKBOX: return Kind::AutoCheckBox;
    case BS_GROUPBOX: return Kind::GroupBox;
    case BS_OWNERDRAW: return Kind::OwnerDraw;
    default: return Kind::Push;
  }
}

LRESULT ButtonControl::DialogCode(HWND window) const {
  switch (KindOf(window)) {
    case Kind::DefaultPush: return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    case Kind::CheckBox:
    case Kind::AutoCheckBox: return DLGC_BUTTON;
    case Kind::GroupBox: return DLGC_STATIC;
    // An owner-drawn button is a push button that its parent draws.
    case Kind::OwnerDraw:
    case Kind::Push: break;
  }
  return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
}

void ButtonControl::SetPushed(HWND window, bool pushed) {
  if (pushed_ == pushed) return;
  pushed_ = pushed;
  InvalidateRect(window, nullptr, FALSE);
}

void ButtonControl::SetCheck(HWND window, WPARAM state) {
  const WPARAM check = state == BST_CHECKED ? BST_CHECKED : BST_UNCHECKED;
  if (check_ == check) return;
  check_ = check;
  InvalidateRect(window, nullptr, FALSE);
}

void ButtonControl::Click(HWND window) {
  if (KindOf(window) == Kind::AutoCheckBox) SetCheck(window, check_ == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
  // The parent may destroy the button while handling this; nothing follows it.
  NotifyParent(window, BN_CLICKED);
}

LRESULT ButtonControl::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const Kind kind = KindOf(window);
  if (kind == Kind::GroupBox && IsMouseMessage(message)) return PassStylusThrough(window, message, wParam, lParam);
  switch (message) {
    case WM_GETDLGCODE: return DialogCode(window);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: return OnStylusDown(window);
    case WM_MOUSEMOVE: return OnStylusMove(window, PointFromLParam(lParam));
    case WM_LBUTTONUP: return OnStylusUp(window, PointFromLParam(lParam));
    case WM_CAPTURECHANGED: return OnCaptureChanged(window);
    case WM_KEYDOWN: return OnKeyDown(window, kind, wParam);
    case WM_KEYUP: return OnKeyUp(window, wParam);
    case WM_SETFOCUS: return OnSetFocus(window);
    case WM_KILLFOCUS: return OnKillFocus(window);
    case BM_GETCHECK: return OnGetCheck(kind);
    case BM_SETCHECK: return OnSetCheck(window, kind, wParam);
    case BM_GETSTATE: return OnGetState();
    case BM_SETSTATE: return OnSetState(window, wParam != 0);
    case BM_SETSTYLE: return OnSetStyle(window, wParam, lParam != 0);
    case BM_CLICK: return OnClick(window, kind);
    case WM_SETTEXT: return OnSetText(window, wParam, lParam);
    case WM_ERASEBKGND: return 1;  // the paint covers what it needs; an owner-drawn button is all its parent's
    case WM_PAINT: return OnPaint(window);
    default: return DefWindowProc(window, message, wParam, lParam);
  }
}

LRESULT ButtonControl::OnStylusDown(HWND window) {
  if (GetFocus() != window) SetFocus(window);
  // Taking the focus can run program code that hides or disables the button.
  if (!IsWindow(window) || !IsWindowEnabled(window)) return 0;
  SetCapture(window);
  stylusHeld_ = true;
  SetPushed(window, true);
  return 0;
}

LRESULT ButtonControl::OnStylusMove(HWND window, POINT point) {
  if (stylusHeld_) SetPushed(window, Inside(window, point));
  return 0;
}

LRESULT ButtonControl::OnStylusUp(HWND window, POINT point) {
  if (!stylusHeld_) return 0;
  stylusHeld_ = false;
  const bool click = pushed_ && Inside(window, point);
  SetPushed(window, false);
  if (GetCapture() == window) ReleaseCapture();
  if (click) Click(window);
  return 0;
}

LRESULT ButtonControl::OnCaptureChanged(HWND window) {
  if (stylusHeld_) {
    stylusHeld_ = false;
    SetPushed(window, false);
  }
  return 0;
}

LRESULT ButtonControl::OnKeyDown(HWND window, Kind kind, WPARAM key) {
  if (key == VK_SPACE && kind != Kind::GroupBox && !stylusHeld_ && !spaceHeld_) {
    spaceHeld_ = true;
    SetPushed(window, true);
  }
  return 0;
}

LRESULT ButtonControl::OnKeyUp(HWND window, WPARAM key) {
  if (key == VK_SPACE && spaceHeld_) {
    spaceHeld_ = false;
    SetPushed(window, false);
    Click(window);
  }
  return 0;
}

LRESULT ButtonControl::OnSetFocus(HWND window) {
  focused_ = true;
  InvalidateRect(window, nullptr, FALSE);
  if (GetWindowLong(window, GWL_STYLE) & BS_NOTIFY) NotifyParent(window, BN_SETFOCUS);
  return 0;
}

LRESULT ButtonControl::OnKillFocus(HWND window) {
  focused_ = false;
  if (spaceHeld_) {
    spaceHeld_ = false;
    SetPushed(window, false);
  }
  InvalidateRect(window, nullptr, FALSE);
  if (GetWindowLong(window, GWL_STYLE) & BS_NOTIFY) NotifyParent(window, BN_KILLFOCUS);
  return 0;
}

LRESULT ButtonControl::OnGetCheck(Kind kind) const {
  return IsCheckBox(kind) ? LRESULT(check_) : LRESULT(BST_UNCHECKED);
}

LRESULT ButtonControl::OnSetCheck(HWND window, Kind kind, WPARAM state) {
  if (IsCheckBox(kind)) SetCheck(window, state);
  return 0;
}

LRESULT ButtonControl::OnGetState() const {
  return LRESULT(check_) | (pushed_ ? BST_PUSHED : 0) | (focused_ ? BST_FOCUS : 0);
}

LRESULT ButtonControl::OnSetState(HWND window, bool pushed) {
  SetPushed(window, pushed);
  return 0;
}

LRESULT ButtonControl::OnSetStyle(HWND window, WPARAM style, bool redraw) {
  const DWORD current = DWORD(GetWindowLong(window, GWL_STYLE));
  SetWindowLong(window, GWL_STYLE, LONG((current & ~BS_TYPEMASK) | (DWORD(style) & BS_TYPEMASK)));
  if (redraw) InvalidateRect(window, nullptr, TRUE);
  return 0;
}

LRESULT ButtonControl::OnClick(HWND window, Kind kind) {
  if (IsWindowEnabled(window) && kind != Kind::GroupBox) Click(window);
  return 0;
}

LRESULT ButtonControl::OnSetText(HWND window, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = DefWindowProc(window, WM_SETTEXT, wParam, lParam);
  InvalidateRect(window, nullptr, TRUE);
  return result;
}

void ButtonControl::DescribeForDump(HWND window, DumpObject& fields) const {
  if (IsCheckBox(KindOf(window))) fields.Set("checked", check_ == BST_CHECKED);
}

LRESULT ButtonControl::OnPaint(HWND window) {
  PaintDC dc(window);
  RECT client;
  GetClientRect(window, &client);
  SelectControlFont(dc, window);
  switch (KindOf(window)) {
    case Kind::Push: PaintPushButton(window, dc, client, false); break;
    case Kind::DefaultPush: PaintPushButton(window, dc, client, true); break;
    case Kind::CheckBox:
    case Kind::AutoCheckBox: PaintCheckBox(window, dc, client); break;
    case Kind::GroupBox: PaintGroupBox(window, dc, client); break;
    case Kind::OwnerDraw: PaintOwnerDrawn(window, dc, client); break;
  }
  return 0;
}

void ButtonControl::PaintPushButton(HWND window, CDC& dc, const RECT& client, bool isDefault) {
  const LONG scale = ControlScale();
  dc.FillSolidRect(&client, GetSysColor(pushed_ ? COLOR_BTNSHADOW : COLOR_BTNFACE));
  DrawFrame(dc, client, GetSysColor(COLOR_WINDOWFRAME), (isDefault ? 2 : 1) * scale);
  dc.SetBkMode(TRANSPARENT);
  dc.SetTextColor(TextColourFor(window, GetSysColor(pushed_ ? COLOR_HIGHLIGHTTEXT : COLOR_BTNTEXT)));
  RECT text = client;
  if (pushed_) text = text.Offset(scale, scale);  // the label sinks with the button
  dc.DrawText(GetWindowTextString(window), &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  if (focused_) {
    const LONG inset = kFocusInset * scale;
    DrawFocusFrame(dc, {client.left + inset, client.top + inset, client.right - inset, client.bottom - inset});
  }
}

void ButtonControl::PaintCheckBox(HWND window, CDC& dc, const RECT& client) {
  const LONG scale = ControlScale();
  const COLORREF background = ParentBackground(window, WM_CTLCOLORSTATIC, dc);
  dc.FillSolidRect(&client, background);

  const LONG size = std::min(kCheckBoxSize * scale, client.Height());
  const LONG top = client.top + (client.Height() - size) / 2;
  const RECT box{client.left, top, client.left + size, top + size};
  const bool enabled = IsWindowEnabled(window) != FALSE;
  dc.FillSolidRect(&box, GetSysColor(pushed_ ? COLOR_BTNFACE : COLOR_WINDOW));
  const COLORREF ink = GetSysColor(enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT);
  DrawFrame(dc, box, ink, scale);
  if (check_ == BST_CHECKED) DrawTick(dc, box, ink);

  // The label keeps the colours the parent chose, greyed when disabled.
  if (!enabled) dc.SetTextColor(GetSysColor(COLOR_GRAYTEXT));
  const WideString label = GetWindowTextString(window);
  RECT text{box.right + kLabelGap * scale, client.top, client.right, client.bottom};
  dc.DrawText(label, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
  if (focused_ && !label.empty()) {
    RECT extent = text;
    dc.DrawText(label, &extent, DT_LEFT | DT_SINGLELINE | DT_CALCRECT);
    const LONG height = extent.Height();
    const LONG textTop = text.top + (text.Height() - height) / 2;
    const RECT frame{text.left - scale, std::max(client.top, textTop - scale),
                     std::min(client.right, extent.right + scale), std::min(client.bottom, textTop + height + scale)};
    DrawFocusFrame(dc, frame, SysColourOn(background, COLOR_WINDOWTEXT));
  }
}

void ButtonControl::PaintGroupBox(HWND window, CDC& dc, const RECT& client) {
  const LONG scale = ControlScale();
  const COLORREF background = ParentBackground(window, WM_CTLCOLORSTATIC, dc);
  const WideString label = GetWindowTextString(window);
  RECT extent{0, 0, 0, 0};
  dc.DrawText(label.empty() ? u" " : label, &extent, DT_SINGLELINE | DT_CALCRECT);
  const LONG lineY = client.top + extent.Height() / 2;
  DrawFrame(dc, {client.left, lineY, client.right, client.bottom}, SysColourOn(background, COLOR_BTNSHADOW), 1);
  if (label.empty()) return;
  // The label interrupts the top line on a patch of the background.
  dc.DrawText(label, &extent, DT_SINGLELINE | DT_CALCRECT);
  const LONG indent = kGroupLabelIndent * scale;
  const RECT patch{client.left + indent, client.top,
                   std::min(client.right - scale, client.left + indent + extent.Width() + 2 * scale),
                   client.top + extent.Height()};
  dc.FillSolidRect(&patch, background);
  if (!IsWindowEnabled(window)) dc.SetTextColor(GetSysColor(COLOR_GRAYTEXT));
  RECT text{patch.left + scale, patch.top, patch.right, patch.bottom};
  dc.DrawText(label, &text, DT_LEFT | DT_SINGLELINE);
}

void ButtonControl::PaintOwnerDrawn(HWND window, CDC& dc, const RECT& client) {
  DRAWITEMSTRUCT item;
  item.CtlType = ODT_BUTTON;
  item.CtlID = UINT(GetDlgCtrlID(window));
  item.itemAction = ODA_DRAWENTIRE;
  item.itemState = (pushed_ ? ODS_SELECTED : 0) | (IsWindowEnabled(window) ? 0 : ODS_DISABLED) |
                   (focused_ ? ODS_FOCUS : 0);
  item.hwndItem = window;
  item.hDC = &dc;
  item.rcItem = client;
  SendMessage(GetParent(window), WM_DRAWITEM, WPARAM(item.CtlID), LParamFromPointer(&item));
}
