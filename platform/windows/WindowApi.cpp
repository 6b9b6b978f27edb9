#include "platform/windows/WindowApi.h"

#include <algorithm>

#include "platform/windows/Desktop.h"
#include "platform/windows/MessageApi.h"

namespace {

Desktop* WindowThreadDesktop() {
  Desktop* desktop = Desktop::Current();
  return desktop && desktop->OnWindowThread() ? desktop : nullptr;
}

WindowRecord* FindRecord(HWND window) {
  Desktop* desktop = WindowThreadDesktop();
  return desktop ? desktop->Tree().Find(window) : nullptr;
}

}  // namespace

HWND CreateWindowEx(DWORD exStyle, std::u16string_view className, std::u16string_view windowName, DWORD style,
                    int x, int y, int width, int height, HWND parent, UINT menuOrId, HINSTANCE /*instance*/,
                    void* createParams) {
  Desktop* desktop = WindowThreadDesktop();
  if (!desktop) return nullptr;
  WindowCreation creation;
  creation.className = WideString(className);
  creation.text = WideString(windowName);
  creation.style = style;
  creation.exStyle = exStyle;
  creation.rect = {x, y, x + std::max(width, 0), y + std::max(height, 0)};
  creation.parent = parent;
  creation.controlId = menuOrId;
  creation.createParams = createParams;
  return desktop->CreateWindow(creation);
}

BOOL DestroyWindow(HWND window) {
  Desktop* desktop = WindowThreadDesktop();
  return desktop && desktop->DestroyWindow(window) ? TRUE : FALSE;
}

BOOL IsWindow(HWND window) { return FindRecord(window) ? TRUE : FALSE; }

UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT elapse) {
  Desktop* desktop = WindowThreadDesktop();
  if (!desktop || !FindRecord(window) || id == 0) return 0;
  desktop->Timers().Set(window, id, elapse, desktop->Now());
  return id;
}

BOOL KillTimer(HWND window, UINT_PTR id) {
  Desktop* desktop = WindowThreadDesktop();
  return desktop && desktop->Timers().Kill(window, id) ? TRUE : FALSE;
}

bool SubclassWindow(HWND window, WindowProcedure* procedure) {
  WindowRecord* record = FindRecord(window);
  if (!record || record->subclass || !procedure) return false;
  record->subclass = procedure;
  return true;
}

void UnsubclassWindow(HWND window) {
  if (WindowRecord* record = FindRecord(window)) record->subclass = nullptr;
}

WindowProcedure* GetWindowSubclass(HWND window) {
  const WindowRecord* record = FindRecord(window);
  return record ? record->subclass : nullptr;
}

LRESULT CallClassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const WindowRecord* record = FindRecord(window);
  if (!record) return 0;
  const std::shared_ptr<WindowProcedure> procedure = record->classProcedure;
  if (procedure) return procedure->HandleMessage(window, message, wParam, lParam);
  return DefWindowProc(window, message, wParam, lParam);
}

BOOL ShowWindow(HWND window, int command) {
  Desktop* desktop = WindowThreadDesktop();
  return desktop && desktop->ShowWindow(window, command != SW_HIDE) ? TRUE : FALSE;
}

BOOL IsWindowVisible(HWND window) {
  Desktop* desktop = WindowThreadDesktop();
  return desktop && desktop->Tree().IsShown(window) ? TRUE : FALSE;
}

BOOL EnableWindow(HWND window, BOOL enable) {
  Desktop* desktop = WindowThreadDesktop();
  return desktop && desktop->EnableWindow(window, enable != FALSE) ? TRUE : FALSE;
}

BOOL IsWindowEnabled(HWND window) {
  const WindowRecord* record = FindRecord(window);
  return record && record->HasEnabledStyle() ? TRUE : FALSE;
}

BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint) {
  Desktop* desktop = WindowThreadDesktop();
  if (!desktop) return FALSE;
  const RECT rect{x, y, x + std::max(width, 0), y + std::max(height, 0)};
  return desktop->MoveWindow(window, rect, repaint != FALSE) ? TRUE : FALSE;
}

BOOL GetClientRect(HWND window, RECT* rect) {
  const WindowRecord* record = FindRecord(window);
  if (!record || !rect) return FALSE;
  *rect = {0, 0, record->rect.Width(), record->rect.Height()};
  return TRUE;
}

BOOL GetWindowRect(HWND window, RECT* rect) {
  Desktop* desktop = WindowThreadDesktop();
  if (!desktop || !rect || !desktop->Tree().Exists(window)) return FALSE;
  *rect = desktop->Tree().ScreenRect(window);
  return TRUE;
}

BOOL ScreenToClient(HWND window, POINT* point) {
  Desktop* desktop = WindowThreadDesktop();
  if (!desktop || !point || !desktop->Tree().Exists(window)) return FALSE;
  const POINT origin = desktop->Tree().ClientOrigin(window);
  point->x -= origin.x;
  point->y -= origin.y;
  return TRUE;
}

BOOL ClientToScreen(HWND window, POINT* point) {
  Desktop* desktop = WindowThreadDesktop();
  if (!desktop || !point || !desktop->Tree().Exists(window)) return FALSE;
  const POINT origin = desktop->Tree().ClientOrigin(window);
  point->x += origin.x;
  point->y += origin.y;
  return TRUE;
}

BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase) {
  Desktop* desktop = WindowThreadDesktop();
  if (!desktop || !desktop->Tree().Exists(window)) return FALSE;
  desktop->Screen().Invalidate(window, rect, erase != FALSE);
  return TRUE;
}

BOOL UpdateWindow(HWND window) {
  Desktop* desktop = WindowThreadDesktop();
  if (!desktop || !desktop->Tree().Exists(window)) return FALSE;
  std::vector<HWND> order;
  desktop->Tree().CollectBottomUp(window, order);
  for (HWND w : order) {
    if (!desktop->Screen().NeedsPaint(w)) continue;
    MSG paint;
    paint.hwnd = w;
    paint.message = WM_PAINT;
    desktop->Dispatch(paint);
  }
  return TRUE;
}

HWND GetParent(HWND window) {
  const WindowRecord* record = FindRecord(window);
  if (!record) return nullptr;
  return record->parent ? record->parent : record->owner;
}

HWND GetDlgItem(HWND dialog, int id) {
  Desktop* desktop = WindowThreadDesktop();
  const WindowRecord* record = desktop ? desktop->Tree().Find(dialog) : nullptr;
  if (!record) return nullptr;
  for (HWND child : record->children) {
    const WindowRecord* c = desktop->Tree().Find(child);
    if (c && c->controlId == UINT(id)) return child;
  }
  return nullptr;
}

int GetDlgCtrlID(HWND window) {
  const WindowRecord* record = FindRecord(window);
  return record ? int(record->controlId) : 0;
}

LONG GetWindowLong(HWND window, int index) {
  const WindowRecord* record = FindRecord(window);
  if (!record) return 0;
  switch (index) {
    case GWL_STYLE: return LONG(record->style);
    case GWL_EXSTYLE: return LONG(record->exStyle);
    case GWL_ID: return LONG(record->controlId);
    default: return 0;
  }
}

LONG SetWindowLong(HWND window, int index, LONG value) {
  WindowRecord* record = FindRecord(window);
  if (!record) return 0;
  LONG previous = 0;
  switch (index) {
    case GWL_STYLE:
      previous = LONG(record->style);
      // Visibility and enabling change through ShowWindow and EnableWindow only.
      record->style = (DWORD(value) & ~(WS_VISIBLE | WS_DISABLED)) | (record->style & (WS_VISIBLE | WS_DISABLED));
      break;
    case GWL_EXSTYLE:
      previous = LONG(record->exStyle);
      record->exStyle = DWORD(value);
      break;
    case GWL_ID:
      previous = LONG(record->controlId);
      record->controlId = UINT(value);
      break;
    default:
      break;
  }
  return previous;
}

HWND FindWindow(std::u16string_view className, const WCHAR* windowName) {
  Desktop* desktop = WindowThreadDesktop();
  if (!desktop) return nullptr;
  const std::u16string_view name = windowName ? std::u16string_view(windowName) : std::u16string_view();
  return desktop->Tree().FindTopLevel(className, windowName ? &name : nullptr);
}

BOOL SetWindowText(HWND window, std::u16string_view text) {
  const WideString copy(text);
  return SendMessage(window, WM_SETTEXT, 0, LParamFromPointer(copy.c_str())) ? TRUE : FALSE;
}

WideString GetWindowTextString(HWND window) {
  const int length = int(SendMessage(window, WM_GETTEXTLENGTH, 0, 0));
  if (length <= 0) return {};
  WideString text(std::size_t(length) + 1, u'\0');
  const LRESULT copied = SendMessage(window, WM_GETTEXT, WPARAM(text.size()), LParamFromPointer(text.data()));
  text.resize(std::size_t(std::max<LRESULT>(copied, 0)));
  return text;
}

int GetWindowText(HWND window, WCHAR* buffer, int size) {
  if (!buffer || size <= 0) return 0;
  return int(SendMessage(window, WM_GETTEXT, WPARAM(size), LParamFromPointer(buffer)));
}

int GetWindowTextLength(HWND window) { return int(SendMessage(window, WM_GETTEXTLENGTH, 0, 0)); }

HWND SetFocus(HWND window) {
  Desktop* desktop = WindowThreadDesktop();
  return desktop ? desktop->SetFocus(window) : nullptr;
}

HWND GetFocus() {
  Desktop* desktop = WindowThreadDesktop();
  return desktop ? desktop->Focus() : nullptr;
}

HWND GetActiveWindow() {
  Desktop* desktop = WindowThreadDesktop();
  return desktop ? desktop->ActiveWindow() : nullptr;
}

HWND SetCapture(HWND window) {
  Desktop* desktop = WindowThreadDesktop();
  return desktop ? desktop->SetCapture(window) : nullptr;
}

BOOL ReleaseCapture() {
  Desktop* desktop = WindowThreadDesktop();
  if (!desktop) return FALSE;
  desktop->ReleaseCapture();
  return TRUE;
}

HWND GetCapture() {
  Desktop* desktop = WindowThreadDesktop();
  return desktop ? desktop->Capture() : nullptr;
}
