#pragma once
// The HTML view inside a program window: put in place of a placeholder
// control, handed a whole page, and its link notifications read back. Every
// page of the program ends with a link to "CLOSE_WND", which closes the
// window that shows it.

#include <optional>
#include <string>
#include <string_view>

#include "info/IniFile.h"

#include "platform/framework/Dialog.h"
#include "platform/runtime/WinTypes.h"

namespace vespera {

// Hides the placeholder and creates the view over its rectangle as child
// `childId`. Null when the view's class cannot be registered or the view
// cannot be created; the window then simply has no page.
HWND CreateHtmlView(CWnd& window, int placeholderId, int childId);

// Reads the information file a page is built from. A file that cannot be
// used is named on the debug output with the reason; the page then says
// what is missing, as it always has.
void LoadPageFile(const std::string& path, IniFile& file);

// Clears the view, adds the page as HTML in one piece and ends the source.
// A null view is ignored.
void ShowHtmlPage(HWND view, std::u16string_view page);

// The target of an activated link when `header` is the view's link
// notification (NM_HOTSPOT) from control `viewId`; nothing otherwise.
std::optional<WideString> ActivatedLinkTarget(const NMHDR& header, int viewId);

// What a page's link does in a window that knows no other targets: "CLOSE_WND"
// (exactly, case and all) ends the window as OK would; anything else nothing.
void OnHtmlLink(CDialog& window, std::u16string_view target);

// The WM_NOTIFY handling shared by those windows: a link notification from
// the window's view is answered as handled (so the view never follows a link
// itself) after OnHtmlLink; anything else is left to the framework.
BOOL HandleHtmlLinkNotify(CDialog& window, int viewId, LPARAM notification, LRESULT* result);

// Enter in a window that shows a page ends it as its close link does, by a
// posted OK; true when the message was that key, which is then used up.
bool PostOkOnEnter(CWnd& window, const MSG& message);

}  // namespace vespera
