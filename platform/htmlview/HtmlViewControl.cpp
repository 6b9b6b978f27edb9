#include "platform/htmlview/HtmlViewControl.h"

#include "platform/htmlview/HtmlView.h"
#include "platform/windows/DumpValue.h"
#include "platform/windows/WindowApi.h"
#include "platform/windows/WindowDC.h"

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
    case DTM_ADDTEXTW:
      AddText(PointerFromLParam<const WCHAR>(lParam), wParam != 0);
      return TRUE;
    case DTM_ENDOFSOURCE:
      EndOfSource(window);
      return TRUE;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      Paint(window);
      return 0;
    default:
      return DefWindowProc(window, message, wParam, lParam);
  }
}

void HtmlViewControl::Clear(HWND window) {
  source_.clear();
  InvalidateRect(window, nullptr, FALSE);
}

void HtmlViewControl::AddText(const WCHAR* text, bool /*plainText*/) {
  if (text) source_ += text;
}

void HtmlViewControl::EndOfSource(HWND window) { InvalidateRect(window, nullptr, FALSE); }

void HtmlViewControl::Paint(HWND window) {
  PaintDC dc(window);
  RECT client;
  GetClientRect(window, &client);
  dc.FillSolidRect(&client, RGB(255, 255, 255));
}

void HtmlViewControl::DescribeForDump(HWND /*window*/, DumpObject& fields) const {
  fields.Set("html", source_);
  fields.Set("links", DumpArray{});
}
