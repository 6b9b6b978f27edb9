#pragma once
// The texts every HTML page of the program is assembled from: the style block
// with its colour markers, the directory marker, and the close links whose
// target "CLOSE_WND" each window answers by closing.

#include <string_view>

#include "platform/runtime/WinTypes.h"

namespace vespera {

inline constexpr std::u16string_view kPageStyleBlock =
    u"<style type=\"text/css\"><!--body { background-color: :BACK_COLOR:; } "
    u"body,td,th {\tcolor: :TXT_COLOR:; } --> </style>";
inline constexpr std::u16string_view kBackColorMarker = u":BACK_COLOR:";
inline constexpr std::u16string_view kTextColorMarker = u":TXT_COLOR:";
inline constexpr std::u16string_view kPathMarker = u":PATH:";
inline constexpr std::u16string_view kDirectoryPrefix = u"file://";
inline constexpr std::u16string_view kNormalBackground = u"#FFFFFF";
inline constexpr std::u16string_view kPageTextColor = u"#000000";

inline constexpr std::u16string_view kCloseWindowTarget = u"CLOSE_WND";
inline constexpr std::u16string_view kInfoPageCloseLink = u"<A HREF=\"CLOSE_WND\">Close window</A>";
inline constexpr std::u16string_view kHelpPageCloseLink = u"<BR><A HREF=\"CLOSE_WND\">Close window</A>";

// %s stands for the section key.
inline constexpr std::u16string_view kMissingSectionText = u"Section %s was not found";
inline constexpr std::u16string_view kMissingHelpText = u"Cannot find Help.ini";

// Replaces each non-overlapping occurrence of marker, scanning left to right
// and resuming after the inserted value, so a value is never rescanned. An
// empty marker replaces nothing.
void ReplaceMarker(WideString& text, std::u16string_view marker, std::u16string_view value);

// The style block with the colours of the current mode: red or white
// background, black text in both.
WideString StyledPageHeader(bool redScreenMode);

}  // namespace vespera
