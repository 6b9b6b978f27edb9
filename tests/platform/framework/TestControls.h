#pragma once
// Stand-in controls for framework tests: a push button / check box that
// reports clicks to its parent (and asks the parent to draw it when
// owner-drawn), and a static text that asks its parent for its colours.

#include <memory>

#include "platform/gdi/DeviceContext.h"
#include "platform/windows/Desktop.h"
#include "platform/windows/MessageApi.h"
#include "platform/windows/SystemApi.h"
#include "platform/windows/WindowApi.h"
#include "platform/windows/WindowDC.h"

inline constexpr DWORD kTestOwnerDraw = 0xB;

class TestButton : public WindowProcedure {
 public:
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_GETDLGCODE:
        return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
      case BM_GETCHECK:
        return checked_;
      case BM_SETCHECK:
        checked_ = wParam == BST_CHECKED;
        return 0;
      case WM_LBUTTONDOWN:
        SetCapture(window);
        return 0;
      case WM_LBUTTONUP:
        ReleaseCapture();
        SendMessage(GetParent(window), WM_COMMAND, MAKEWPARAM(WORD(GetDlgCtrlID(window)), BN_CLICKED),
                    LParamFromHwnd(window));
        return 0;
      case WM_PAINT: {
        PaintDC dc(window);
        RECT client;
        GetClientRect(window, &client);
        if ((GetWindowLong(window, GWL_STYLE) & 0xF) == kTestOwnerDraw) {
          DRAWITEMSTRUCT item;
          item.CtlID = UINT(GetDlgCtrlID(window));
          item.hwndItem = window;
          item.hDC = &dc;
          item.rcItem = client;
          SendMessage(GetParent(window), WM_DRAWITEM, item.CtlID, LParamFromPointer(&item));
          return 0;
        }
        dc.FillSolidRect(&client, GetSysColor(COLOR_BTNFACE));
        CBrush frame(RGB(0, 0, 0));
        dc.FrameRect(&client, &frame);
        dc.SetBkMode(TRANSPARENT);
        dc.DrawText(GetWindowTextString(window), &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        return 0;
      }
      default:
        return DefWindowProc(window, message, wParam, lParam);
    }
  }

 private:
  LRESULT checked_ = BST_UNCHECKED;
};

class TestStatic : public WindowProcedure {
 public:
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message != WM_PAINT) return DefWindowProc(window, message, wParam, lParam);
    PaintDC dc(window);
    RECT client;
    GetClientRect(window, &client);
    HBRUSH brush = BrushFromLResult(
        SendMessage(GetParent(window), WM_CTLCOLORSTATIC, WParamFromDC(&dc), LParamFromHwnd(window)));
    if (brush) dc.FillSolidRect(&client, brush->GetColor());
    dc.DrawText(GetWindowTextString(window), &client, DT_WORDBREAK);
    return 0;
  }
};

inline void RegisterTestControls(Desktop& desktop) {
  WindowClass button;
  button.name = u"Button";
  button.doubleClicks = true;
  button.createProcedure = [] { return std::make_shared<TestButton>(); };
  desktop.Classes().Register(std::move(button));
  WindowClass text;
  text.name = u"Static";
  text.createProcedure = [] { return std::make_shared<TestStatic>(); };
  desktop.Classes().Register(std::move(text));
}
