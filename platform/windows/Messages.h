#pragma once
// Window messages, the MSG record and the structures some messages point to.
// A pointer travels in a WPARAM or LPARAM only with SendMessage, which returns
// before the pointed-to object goes away; posted messages carry values only.

#include <cstdint>

#include "platform/gdi/GdiTypes.h"
#include "platform/runtime/WinTypes.h"
#include "platform/windows/WindowHandles.h"

class CDC;

inline constexpr UINT WM_NULL = 0x0000;
inline constexpr UINT WM_CREATE = 0x0001;
inline constexpr UINT WM_DESTROY = 0x0002;
inline constexpr UINT WM_MOVE = 0x0003;
inline constexpr UINT WM_SIZE = 0x0005;
inline constexpr UINT WM_ACTIVATE = 0x0006;
inline constexpr UINT WM_SETFOCUS = 0x0007;
inline constexpr UINT WM_KILLFOCUS = 0x0008;
inline constexpr UINT WM_ENABLE = 0x000A;
inline constexpr UINT WM_SETTEXT = 0x000C;
inline constexpr UINT WM_GETTEXT = 0x000D;
inline constexpr UINT WM_GETTEXTLENGTH = 0x000E;
inline constexpr UINT WM_PAINT = 0x000F;
inline constexpr UINT WM_CLOSE = 0x0010;
inline constexpr UINT WM_QUIT = 0x0012;
inline constexpr UINT WM_ERASEBKGND = 0x0014;
inline constexpr UINT WM_SHOWWINDOW = 0x0018;
inline constexpr UINT WM_SETTINGCHANGE = 0x001A;
inline constexpr UINT WM_SYSCOLORCHANGE = 0x0015;
inline constexpr UINT WM_DRAWITEM = 0x002B;
inline constexpr UINT WM_SETFONT = 0x0030;
inline constexpr UINT WM_GETFONT = 0x0031;
inline constexpr UINT WM_NOTIFY = 0x004E;
inline constexpr UINT WM_SETICON = 0x0080;
inline constexpr UINT WM_NCDESTROY = 0x0082;
inline constexpr UINT WM_GETDLGCODE = 0x0087;
inline constexpr UINT WM_KEYDOWN = 0x0100;
inline constexpr UINT WM_KEYUP = 0x0101;
inline constexpr UINT WM_CHAR = 0x0102;
inline constexpr UINT WM_INITDIALOG = 0x0110;
inline constexpr UINT WM_COMMAND = 0x0111;
inline constexpr UINT WM_TIMER = 0x0113;
inline constexpr UINT WM_CTLCOLORMSGBOX = 0x0132;
inline constexpr UINT WM_CTLCOLOREDIT = 0x0133;
inline constexpr UINT WM_CTLCOLORLISTBOX = 0x0134;
inline constexpr UINT WM_CTLCOLORBTN = 0x0135;
inline constexpr UINT WM_CTLCOLORDLG = 0x0136;
inline constexpr UINT WM_CTLCOLORSCROLLBAR = 0x0137;
inline constexpr UINT WM_CTLCOLORSTATIC = 0x0138;
inline constexpr UINT WM_MOUSEMOVE = 0x0200;
inline constexpr UINT WM_LBUTTONDOWN = 0x0201;
inline constexpr UINT WM_LBUTTONUP = 0x0202;
inline constexpr UINT WM_LBUTTONDBLCLK = 0x0203;
inline constexpr UINT WM_RBUTTONDOWN = 0x0204;
inline constexpr UINT WM_RBUTTONUP = 0x0205;
// wParam's high word: the turn as a signed multiple of WHEEL_DELTA per notch
// (positive away from the user); lParam: the pointer in screen pixels.
inline constexpr UINT WM_MOUSEWHEEL = 0x020A;
inline constexpr int WHEEL_DELTA = 120;
inline constexpr UINT WM_CAPTURECHANGED = 0x0215;
inline constexpr UINT WM_USER = 0x0400;

inline constexpr UINT WM_KEYFIRST = WM_KEYDOWN;
inline constexpr UINT WM_KEYLAST = 0x0108;
inline constexpr UINT WM_MOUSEFIRST = WM_MOUSEMOVE;
inline constexpr UINT WM_MOUSELAST = 0x0209;

constexpr bool IsKeyboardMessage(UINT m) { return m >= WM_KEYFIRST && m <= WM_KEYLAST; }
constexpr bool IsMouseMessage(UINT m) { return m >= WM_MOUSEFIRST && m <= WM_MOUSELAST; }
constexpr bool IsCtlColorMessage(UINT m) { return m >= WM_CTLCOLORMSGBOX && m <= WM_CTLCOLORSTATIC; }

// The kind of control-colour request, as MFC's OnCtlColor receives it.
inline constexpr UINT CTLCOLOR_MSGBOX = 0;
inline constexpr UINT CTLCOLOR_EDIT = 1;
inline constexpr UINT CTLCOLOR_LISTBOX = 2;
inline constexpr UINT CTLCOLOR_BTN = 3;
inline constexpr UINT CTLCOLOR_DLG = 4;
inline constexpr UINT CTLCOLOR_SCROLLBAR = 5;
inline constexpr UINT CTLCOLOR_STATIC = 6;

// WM_ACTIVATE states.
inline constexpr UINT WA_INACTIVE = 0;
inline constexpr UINT WA_ACTIVE = 1;
inline constexpr UINT WA_CLICKACTIVE = 2;

// Mouse message flags.
inline constexpr WPARAM MK_LBUTTON = 0x0001;
inline constexpr WPARAM MK_RBUTTON = 0x0002;

inline constexpr WPARAM ICON_SMALL = 0;
inline constexpr WPARAM ICON_BIG = 1;

// Dialog command ids.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;

// Button messages, notifications and check states (data exchange uses them).
inline constexpr UINT BM_GETCHECK = 0x00F0;
inline constexpr UINT BM_SETCHECK = 0x00F1;
inline constexpr UINT BM_GETSTATE = 0x00F2;
inline constexpr UINT BM_SETSTATE = 0x00F3;
inline constexpr UINT BM_SETSTYLE = 0x00F4;
inline constexpr UINT BM_CLICK = 0x00F5;
inline constexpr UINT BN_CLICKED = 0;
inline constexpr UINT BN_DOUBLECLICKED = 5;
inline constexpr WPARAM BST_UNCHECKED = 0;
inline constexpr WPARAM BST_CHECKED = 1;

// Dialog manager messages and WM_GETDLGCODE answers.
inline constexpr UINT DM_GETDEFID = WM_USER + 0;
inline constexpr UINT DM_SETDEFID = WM_USER + 1;
inline constexpr WORD DC_HASDEFID = 0x534B;
inline constexpr LRESULT DLGC_WANTARROWS = 0x0001;
inline constexpr LRESULT DLGC_WANTTAB = 0x0002;
inline constexpr LRESULT DLGC_WANTALLKEYS = 0x0004;
inline constexpr LRESULT DLGC_WANTMESSAGE = 0x0004;
inline constexpr LRESULT DLGC_HASSETSEL = 0x0008;
inline constexpr LRESULT DLGC_DEFPUSHBUTTON = 0x0010;
inline constexpr LRESULT DLGC_UNDEFPUSHBUTTON = 0x0020;
inline constexpr LRESULT DLGC_WANTCHARS = 0x0080;
// The answer of static texts and group boxes, which the dialog keys pass over.
inline constexpr LRESULT DLGC_STATIC = 0x0100;
inline constexpr LRESULT DLGC_BUTTON = 0x2000;
// What the dialog keys send a control that answers DLGC_HASSETSEL, to select
// all its text when the keys give it the focus.
inline constexpr UINT EM_SETSEL = 0x00B1;

struct MSG {
  HWND hwnd = nullptr;
  UINT message = WM_NULL;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  DWORD time = 0;
  POINT pt{};  // the stylus position on the screen when the message was queued
  // The platform's own: what GetMessageExtraInfo answers once the message
  // has been taken (the pen and touch signature of stylus input).
  LPARAM extraInfo = 0;
};

// The signature the platform puts in the extra information of the stylus
// messages it makes: pen input has the high 24 bits kPenInputSignature, and
// touch input also the bit kTouchInputBit.
inline constexpr LPARAM kPenInputSignatureMask = LPARAM(0xFFFFFF00);
inline constexpr LPARAM kPenInputSignature = LPARAM(0xFF515700);
inline constexpr LPARAM kTouchInputBit = LPARAM(0x80);
constexpr bool IsTouchInput(LPARAM extraInfo) {
  return (extraInfo & kPenInputSignatureMask) == kPenInputSignature && (extraInfo & kTouchInputBit) != 0;
}

constexpr WPARAM MAKEWPARAM(WORD low, WORD high) { return WPARAM(MAKELONG(low, high)); }
constexpr LPARAM MAKELPARAM(WORD low, WORD high) { return LPARAM(MAKELONG(low, high)); }

// Client coordinates of mouse messages are signed 16-bit halves.
constexpr int GET_X_LPARAM(LPARAM l) { return static_cast<std::int16_t>(LOWORD(std::uintptr_t(l))); }
constexpr int GET_Y_LPARAM(LPARAM l) { return static_cast<std::int16_t>(HIWORD(std::uintptr_t(l))); }
constexpr LPARAM LParamFromPoint(POINT p) {
  return MAKELPARAM(static_cast<WORD>(p.x & 0xFFFF), static_cast<WORD>(p.y & 0xFFFF));
}
constexpr POINT PointFromLParam(LPARAM l) { return {GET_X_LPARAM(l), GET_Y_LPARAM(l)}; }
constexpr int GET_WHEEL_DELTA_WPARAM(WPARAM w) { return static_cast<std::int16_t>(HIWORD(std::uintptr_t(w))); }

// A drawing context lent for the duration of a sent message (WM_ERASEBKGND,
// WM_CTLCOLOR*).
inline WPARAM WParamFromDC(CDC* dc) { return reinterpret_cast<WPARAM>(dc); }
inline CDC* DCFromWParam(WPARAM w) { return reinterpret_cast<CDC*>(w); }
inline LRESULT LResultFromBrush(HBRUSH brush) { return reinterpret_cast<LRESULT>(brush); }
inline HBRUSH BrushFromLResult(LRESULT r) { return reinterpret_cast<HBRUSH>(r); }

using UINT_PTR = std::uintptr_t;

// WM_NOTIFY: lParam points to the sender's NMHDR (or a structure starting with one).
struct NMHDR {
  HWND hwndFrom = nullptr;
  UINT_PTR idFrom = 0;
  UINT code = 0;
};

// WM_DRAWITEM: an owner-drawn control asks its parent to draw it.
inline constexpr UINT ODT_BUTTON = 4;
inline constexpr UINT ODA_DRAWENTIRE = 0x1;
inline constexpr UINT ODA_SELECT = 0x2;
inline constexpr UINT ODA_FOCUS = 0x4;
inline constexpr UINT ODS_SELECTED = 0x1;
inline constexpr UINT ODS_GRAYED = 0x2;
inline constexpr UINT ODS_DISABLED = 0x4;
inline constexpr UINT ODS_CHECKED = 0x8;
inline constexpr UINT ODS_FOCUS = 0x10;

struct DRAWITEMSTRUCT {
  UINT CtlType = 0;
  UINT CtlID = 0;
  UINT itemID = 0;
  UINT itemAction = 0;
  UINT itemState = 0;
  HWND hwndItem = nullptr;
  CDC* hDC = nullptr;  // the control's client-area context, valid during the message
  RECT rcItem{};
  UINT_PTR itemData = 0;
};
using LPDRAWITEMSTRUCT = DRAWITEMSTRUCT*;

// WM_CREATE: lParam points to the creation parameters.
struct CREATESTRUCT {
  void* lpCreateParams = nullptr;
  HINSTANCE hInstance = nullptr;
  HMENU hMenu = nullptr;
  HWND hwndParent = nullptr;
  int cy = 0;
  int cx = 0;
  int y = 0;
  int x = 0;
  LONG style = 0;
  const WCHAR* lpszName = nullptr;
  const WCHAR* lpszClass = nullptr;
  DWORD dwExStyle = 0;
};

template <class T>
LPARAM LParamFromPointer(T* p) { return reinterpret_cast<LPARAM>(p); }
template <class T>
T* PointerFromLParam(LPARAM l) { return reinterpret_cast<T*>(l); }
