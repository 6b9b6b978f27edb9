#pragma once
// The device's message box: a modal window with a caption, an icon, the text
// wrapped to the screen's width and a row of buttons. It is a top-level
// window of class "MessageBox" whose text is the message.
//
// Keys: Enter presses the focused button (at first the default one), Tab
// moves between the buttons, Escape is Cancel where the box has one (and OK
// in a box with OK alone), a button's access key (Y, N, R, A, I) presses it.

#include <string_view>

#include "platform/windows/SystemApi.h"
#include "platform/windows/WindowHandles.h"

// The button sets; the low four bits of the type.
inline constexpr UINT MB_OKCANCEL = 0x01;
inline constexpr UINT MB_ABORTRETRYIGNORE = 0x02;
inline constexpr UINT MB_YESNOCANCEL = 0x03;
inline constexpr UINT MB_YESNO = 0x04;
inline constexpr UINT MB_RETRYCANCEL = 0x05;
inline constexpr UINT MB_TYPEMASK = 0x0F;

inline constexpr UINT MB_ICONHAND = 0x10;
inline constexpr UINT MB_ICONQUESTION = 0x20;
inline constexpr UINT MB_ICONEXCLAMATION = 0x30;
inline constexpr UINT MB_ICONASTERISK = 0x40;
inline constexpr UINT MB_ICONERROR = MB_ICONHAND;
inline constexpr UINT MB_ICONWARNING = MB_ICONEXCLAMATION;
inline constexpr UINT MB_ICONINFORMATION = MB_ICONASTERISK;
inline constexpr UINT MB_ICONMASK = 0xF0;

// Which button is the default: the first unless one of these says otherwise.
inline constexpr UINT MB_DEFBUTTON2 = 0x100;
inline constexpr UINT MB_DEFBUTTON3 = 0x200;
inline constexpr UINT MB_DEFMASK = 0xF00;

// What the box answers (IDOK and IDCANCEL are the dialog ids).
inline constexpr int IDABORT = 3;
inline constexpr int IDRETRY = 4;
inline constexpr int IDIGNORE = 5;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

inline constexpr std::u16string_view kMessageBoxClass = u"MessageBox";

// Shows the box over `owner` (which is disabled meanwhile; null for none) and
// returns the id of the button that closed it, 0 when it could not be shown
// or the program is quitting. An unknown button set shows OK alone.
int MessageBox(HWND owner, std::u16string_view text, std::u16string_view caption, UINT type);
