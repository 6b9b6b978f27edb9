#include "platform/controls/StaticControl.h"

#include "platform/controls/ControlSupport.h"
#include "platform/windows/MessageApi.h"
#include "platform/windows/SystemApi.h"
#include "platform/windows/WindowApi.h"
#include "platform/windows/WindowDC.h"

namespace {

UINT TextFormat(DWORD style) {
  UINT format = 0;
  switch (style & SS_TYPEMASK) {
    case SS_CENTER: format = DT_CENTER | DT_WORDBREAK; break;
    case SS_RIGHT: format = DT_RIGHT | DT_WORDBREAK; break;
    case SS_LEFTNOWORDWRAP: format = DT_LEFT | DT_SINGLELINE; break;
    default: format = DT_LEFT | DT_WORDBREAK; break;
  }
  if (style & SS_NOPREFIX) format |= DT_NOPREFIX;
  // Vertical centring needs a single line, as the device's DrawText has it.
  if (style & SS_CENTERIMAGE) format = (format & ~DT_WORDBREAK) | DT_SINGLELINE | DT_VCENTER;
  return format;
}

}  // namespace

LRESULT StaticControl::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const DWORD style = DWORD(GetWindowLong(window, GWL_STYLE));
  if (IsMouseMessage(message) && !(style & SS_NOTIFY)) return PassStylusThrough(window, message, wParam, lParam);
  switch (message) {
    case WM_GETDLGCODE:
      return DLGC_STATIC;
    case WM_LBUTTONUP:
      NotifyParent(window, STN_CLICKED);
      return 0;
    case WM_SETTEXT: {
      const LRESULT result = DefWindowProc(window, message, wParam, lParam);
      InvalidateRect(window, nullptr, TRUE);
      return result;
    }
    case WM_ERASEBKGND:
      return 1;  // the paint fills the whole control with the parent's brush
    case WM_PAINT:
      Paint(window);
      return 0;
    default:
      return DefWindowProc(window, message, wParam, lParam);
  }
}

void StaticControl::Paint(HWND window) {
  PaintDC dc(window);
  RECT client;
  GetClientRect(window, &client);
  SelectControlFont(dc, window);
  dc.FillSolidRect(&client, ParentBackground(window, WM_CTLCOLORSTATIC, dc));
  if (!IsWindowEnabled(window)) dc.SetTextColor(GetSysColor(COLOR_GRAYTEXT));
  dc.DrawText(GetWindowTextString(window), &client, TextFormat(DWORD(GetWindowLong(window, GWL_STYLE))));
}
