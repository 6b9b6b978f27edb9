#pragma once
// The device's window functions over handles. Window-thread only; a handle
// that names no window makes them fail (FALSE, null or 0) without harm.

#include <string_view>

#include "platform/gdi/GdiTypes.h"
#include "platform/runtime/WinTypes.h"
#include "platform/windows/Messages.h"
#include "platform/windows/WindowProcedure.h"

// Creates a window of a registered class. For a WS_CHILD window `parent` is
// its parent and `menuOrId` its control id; for a top-level window `parent`
// is its owner.
HWND CreateWindowEx(DWORD exStyle, std::u16string_view className, std::u16string_view windowName, DWORD style,
                    int x, int y, int width, int height, HWND parent, UINT menuOrId, HINSTANCE instance,
                    void* createParams);
BOOL DestroyWindow(HWND window);
BOOL IsWindow(HWND window);

// WM_TIMER `id` to `window` every `elapse` milliseconds until KillTimer or the
// window's end; setting an id again restarts it. Answers the id, 0 on failure.
UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT elapse);
BOOL KillTimer(HWND window, UINT_PTR id);

// Subclassing: `procedure` (not owned) sees the window's messages first and
// passes the rest to CallClassProcedure. False if the window is subclassed already.
bool SubclassWindow(HWND window, WindowProcedure* procedure);
void UnsubclassWindow(HWND window);
WindowProcedure* GetWindowSubclass(HWND window);
LRESULT CallClassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The system's default handling of a message.
LRESULT DefWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

BOOL ShowWindow(HWND window, int command);
BOOL IsWindowVisible(HWND window);
BOOL EnableWindow(HWND window, BOOL enable);
BOOL IsWindowEnabled(HWND window);
BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint);
BOOL GetClientRect(HWND window, RECT* rect);
// In screen pixels.
BOOL GetWindowRect(HWND window, RECT* rect);
BOOL ScreenToClient(HWND window, POINT* point);
BOOL ClientToScreen(HWND window, POINT* point);
BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase);
// Paints the window now if it has an update, instead of waiting for the queue.
BOOL UpdateWindow(HWND window);

HWND GetParent(HWND window);
HWND GetDlgItem(HWND dialog, int id);
int GetDlgCtrlID(HWND window);
LONG GetWindowLong(HWND window, int index);
LONG SetWindowLong(HWND window, int index, LONG value);
HWND FindWindow(std::u16string_view className, const WCHAR* windowName);

BOOL SetWindowText(HWND window, std::u16string_view text);
WideString GetWindowTextString(HWND window);
int GetWindowText(HWND window, WCHAR* buffer, int size);
int GetWindowTextLength(HWND window);

HWND SetFocus(HWND window);
HWND GetFocus();
HWND GetActiveWindow();
HWND SetCapture(HWND window);
BOOL ReleaseCapture();
HWND GetCapture();
