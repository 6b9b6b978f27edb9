#include "platform/windows/DefaultProcedures.h"

#include <algorithm>

#include "platform/windows/Desktop.h"
#include "platform/windows/MessageApi.h"
#include "platform/windows/SystemApi.h"
#include "platform/windows/WindowApi.h"
#include "platform/windows/WindowDC.h"

void RegisterSystemClasses(WindowClasses& classes) {
  WindowClass dialog;
  dialog.name = WideString(WC_DIALOG);
  dialog.createProcedure = [] { return std::make_shared<DialogProcedure>(); };
  dialog.doubleClicks = true;
  classes.Register(std::move(dialog));
}

namespace {

void FillClient(HWND window, CDC& dc, HBRUSH brush) {
  RECT client;
  GetClientRect(window, &client);
  dc.FillSolidRect(&client, brush->GetColor());
}

LRESULT CopyText(const WideString& text, WPARAM capacity, LPARAM buffer) {
  auto* out = PointerFromLParam<WCHAR>(buffer);
  if (!out || capacity == 0) return 0;
  const std::size_t count = std::min<std::size_t>(text.size(), capacity - 1);
  std::copy_n(text.begin(), count, out);
  out[count] = 0;
  return LRESULT(count);
}

}  // namespace

LRESULT DefWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Desktop* desktop = Desktop::Current();
  WindowRecord* record = desktop ? desktop->Tree().Find(window) : nullptr;
  if (!record) return 0;
  switch (message) {
    case WM_SETTEXT: {
      const auto* text = PointerFromLParam<const WCHAR>(lParam);
      record->text = text ? WideString(text) : WideString();
      return TRUE;
    }
    case WM_GETTEXT:
      return CopyText(record->text, wParam, lParam);
    case WM_GETTEXTLENGTH:
      return LRESULT(record->text.size());
    case WM_PAINT: {
      PaintDC dc(window);
      return 0;
    }
    case WM_ERASEBKGND: {
      if (!record->background) return 0;
      CDC* dc = DCFromWParam(wParam);
      if (dc) {
        RECT client;
        GetClientRect(window, &client);
        dc->FillSolidRect(&client, *record->background);
      }
      return 1;
    }
    case WM_CLOSE:
      DestroyWindow(window);
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE && !desktop->Tree().IsSelfOrDescendant(window, desktop->Focus()))
        desktop->SetFocus(window);
      return 0;
    case WM_SETICON: {
      const std::size_t slot = wParam == ICON_BIG ? 1 : 0;
      const HICON previous = record->icons[slot];
      record->icons[slot] = HandleFromNumber<HICON>(static_cast<std::uint32_t>(lParam));
      return LRESULT(NumberOfHandle(previous));
    }
    case WM_SETFONT:
      record->font = reinterpret_cast<const void*>(wParam);
      if (lParam) InvalidateRect(window, nullptr, TRUE);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(record->font);
    default:
      if (IsCtlColorMessage(message)) {
        if (CDC* dc = DCFromWParam(wParam)) {
          dc->SetTextColor(GetSysColor(COLOR_WINDOWTEXT));
          dc->SetBkColor(GetSysColor(COLOR_WINDOW));
        }
        return LResultFromBrush(GetSysColorBrush(COLOR_WINDOW));
      }
      return 0;
  }
}

HWND FirstTabStop(HWND dialog) {
  Desktop* desktop = Desktop::Current();
  const WindowRecord* record = desktop ? desktop->Tree().Find(dialog) : nullptr;
  if (!record) return nullptr;
  for (HWND child : record->children) {
    const WindowRecord* c = desktop->Tree().Find(child);
    if (c && (c->style & WS_TABSTOP) && c->HasVisibleStyle() && c->HasEnabledStyle()) return child;
  }
  return nullptr;
}

void DialogProcedure::RestoreFocus(HWND dialog) {
  Desktop* desktop = Desktop::Current();
  WindowRecord* record = desktop->Tree().Find(dialog);
  HWND target = record->savedFocus;
  if (!target || !desktop->Tree().IsSelfOrDescendant(dialog, target) || !desktop->Tree().IsEnabledChain(target))
    target = FirstTabStop(dialog);
  desktop->SetFocus(target ? target : dialog);
}

LRESULT DialogProcedure::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Desktop* desktop = Desktop::Current();
  switch (message) {
    case WM_ERASEBKGND: {
      CDC* dc = DCFromWParam(wParam);
      if (!dc) return 0;
      HBRUSH brush = BrushFromLResult(SendMessage(window, WM_CTLCOLORDLG, wParam, LParamFromHwnd(window)));
      FillClient(window, *dc, brush ? brush : GetSysColorBrush(COLOR_WINDOW));
      return 1;
    }
    case WM_CLOSE:
      PostMessage(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focus = desktop->Focus();
        if (focus && focus != window && desktop->Tree().IsSelfOrDescendant(window, focus))
          desktop->Tree().Find(window)->savedFocus = focus;
      } else {
        RestoreFocus(window);
      }
      return 0;
    case WM_SETFOCUS:
      RestoreFocus(window);
      return 0;
    case DM_SETDEFID:
      defaultId_ = UINT(wParam);
      return TRUE;
    case DM_GETDEFID: {
      if (defaultId_) return LRESULT(MAKELONG(WORD(defaultId_), DC_HASDEFID));
      for (HWND child : desktop->Tree().Find(window)->children) {
        const WindowRecord* c = desktop->Tree().Find(child);
        if (c && (c->style & BS_TYPEMASK) == BS_DEFPUSHBUTTON && c->className == u"Button")
          return LRESULT(MAKELONG(WORD(c->controlId), DC_HASDEFID));
      }
      return LRESULT(MAKELONG(WORD(IDOK), DC_HASDEFID));
    }
    default:
      return DefWindowProc(window, message, wParam, lParam);
  }
}
