#pragma once
// The dialog manager's keyboard navigation over a dialog's controls (its
// direct children, in creation order). IsDialogMessage (MessageApi.h) uses
// it for Tab, Shift+Tab and the arrow keys; programs may call it too.
//
// A control keeps a key for itself by answering WM_GETDLGCODE, which gets the
// key as wParam and the MSG as lParam: DLGC_WANTTAB for Tab, DLGC_WANTARROWS
// for the arrows, DLGC_WANTALLKEYS (the same bit as DLGC_WANTMESSAGE) for
// every key, Enter and Escape included.

#include "platform/runtime/WinTypes.h"
#include "platform/windows/WindowHandles.h"

// The next (or, with `previous`, the preceding) shown and enabled control
// with WS_TABSTOP after `control`, wrapping round; from the start (or the
// end) when `control` is null or not the dialog's. Null when there is none.
HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous);

// The same within `control`'s group: the controls from one with WS_GROUP up
// to the next one with WS_GROUP, tab stops or not.
HWND GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous);

// Gives `control` the focus as the keys do: an edit box gets all its text
// selected (DLGC_HASSETSEL), so typing replaces it.
void FocusDialogControl(HWND control);
