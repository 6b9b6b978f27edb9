#pragma once
// What the secondary windows' templates (About, Help, search, object data)
// have in common: a bordered pop-up without caption text, the skinned "X"
// in the top strip and the group box that only marks where the HTML view goes.

#include "platform/controls/ControlMessages.h"
#include "resources/TemplateStyles.h"

namespace vespera {

inline constexpr DWORD kSecondaryWindowStyle = WS_POPUP | WS_VISIBLE | WS_BORDER | DS_SETFONT;

// The placeholder of the HTML view, replaced by it when the window opens.
inline constexpr UINT kHtmlPlaceholderId = 1007;
inline constexpr DWORD kHtmlPlaceholderStyle = BS_GROUPBOX | WS_VISIBLE;

// Static texts without an id of their own.
inline constexpr UINT kUnnamedStaticId = 0xFFFF;

// The close button is a skin button like the main window's, but the Help
// window's takes no tab stop: the page is the only thing to reach there.
inline constexpr DWORD kCloseButtonStyle = kSkinButtonStyle;
inline constexpr DWORD kCloseButtonNoTabStyle = kOwnerDrawButton | WS_VISIBLE;

}  // namespace vespera
