#pragma once
// The device's message box: a modal window with a caption, the text and an OK
// button, closed by Enter, Escape or a tap on OK. It is a top-level window of
// class "MessageBox" whose text is the message.

#include <string_view>

#include "platform/windows/SystemApi.h"
#include "platform/windows/WindowHandles.h"

inline constexpr UINT MB_ICONHAND = 0x10;
inline constexpr UINT MB_ICONQUESTION = 0x20;
inline constexpr UINT MB_ICONEXCLAMATION = 0x30;
inline constexpr UINT MB_ICONASTERISK = 0x40;
inline constexpr UINT MB_ICONERROR = MB_ICONHAND;
inline constexpr UINT MB_ICONWARNING = MB_ICONEXCLAMATION;
inline constexpr UINT MB_ICONINFORMATION = MB_ICONASTERISK;

inline constexpr std::u16string_view kMessageBoxClass = u"MessageBox";

// Shows the box over `owner` (which is disabled meanwhile; null for none) and
// returns IDOK when it closes, 0 when it could not be shown or the program
// is quitting. Only the OK button exists, whatever `type` asks for.
int MessageBox(HWND owner, std::u16string_view text, std::u16string_view caption, UINT type);
