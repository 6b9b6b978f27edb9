#pragma once
// The HTML display control: a child window of class "DISPLAYCLASS" that shows
// a page its owner hands over as wide HTML text.
//
// Driving it:
//   SendMessage(view, WM_SETTEXT, 0, LParamFromPointer(u""));   // empty page
//   SendMessage(view, DTM_ADDTEXTW, 0, LParamFromPointer(text)); // more source
//   SendMessage(view, DTM_ENDOFSOURCE, 0, 0);                    // lay out, paint
// DTM_ADDTEXTW may come several times; the pieces are joined. A non-zero
// wParam marks the piece as plain text, which the view shows as written.
//
// A tapped (or, with the keys, activated) link sends the parent WM_NOTIFY
// with an NM_HTMLVIEW whose code is NM_HOTSPOT and whose szTarget is the
// link's HREF as written in the page. The view never follows a link: the
// parent decides what the link means.

#include <string_view>

#include "platform/runtime/WinTypes.h"
#include "platform/windows/Messages.h"
#include "platform/windows/WindowHandles.h"

class WindowClasses;

inline constexpr std::u16string_view DISPLAYCLASS = u"DISPLAYCLASS";

inline constexpr UINT DTM_ADDTEXTW = WM_USER + 102;     // 1126
inline constexpr UINT DTM_ENDOFSOURCE = WM_USER + 104;  // 1128
inline constexpr UINT NM_HOTSPOT = WM_USER + 101;       // 1125

static_assert(DTM_ADDTEXTW == 1126 && DTM_ENDOFSOURCE == 1128 && NM_HOTSPOT == 1125);

// WM_NOTIFY from the view. szTarget is valid only while the notification is
// being handled; copy it to keep it.
struct NM_HTMLVIEW {
  NMHDR hdr;
  const WCHAR* szTarget = nullptr;
};

// Registers "DISPLAYCLASS" with the running desktop. TRUE when the class is
// there afterwards (registering twice is harmless), FALSE without a desktop.
// The instance is accepted for the device's signature and not needed here.
BOOL InitHTMLControl(HINSTANCE instance);

// The same for a given set of classes (tests, the standard classes).
bool RegisterHtmlViewClass(WindowClasses& classes);
