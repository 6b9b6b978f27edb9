#pragma once
// Sending, posting and the message loop.

#include "platform/runtime/WinTypes.h"
#include "platform/windows/Messages.h"

// Calls the window's procedure at once (window thread only).
LRESULT SendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Queues the message; safe from any thread.
BOOL PostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT SendDlgItemMessage(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam);

// Waits for the next message of the window thread; FALSE once the program quits.
BOOL GetMessage(MSG* message, HWND filter, UINT first, UINT last);
// Keys that make characters on the device (Backspace, Tab, Enter, Escape)
// add their WM_CHAR; other characters arrive as input of their own.
BOOL TranslateMessage(const MSG* message);
LRESULT DispatchMessage(const MSG* message);
// The extra information of the message GetMessage took last (IsTouchInput).
LPARAM GetMessageExtraInfo();
void PostQuitMessage(int exitCode);

// The dialog keys, for a key aimed at the dialog or one of its controls:
// Tab and Shift+Tab move the focus over the tab stops, the arrows through the
// focused control's group, Enter presses the focused push button or else the
// default one (DM_GETDEFID, IDOK), Escape sends IDCANCEL; a key the focused
// control asks for with WM_GETDLGCODE stays the control's (DialogKeys.h).
// TRUE when the dialog used the message.
BOOL IsDialogMessage(HWND dialog, MSG* message);
