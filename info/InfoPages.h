#pragma once
// The pages of the object data window and the Help window, built from the
// sections of an information file. Pure functions: the caller passes the
// red-screen flag and the program directory (UTF-8, ending with its separator).

#include <string_view>

#include "info/IniFile.h"
#include "platform/runtime/WinTypes.h"

namespace vespera {

inline constexpr std::u16string_view kHelpSectionName = u"Main";

// The page of list entry number: the styled section whose name is number in
// decimal, or "Section <number> was not found" without style; then the close link.
WideString BuildInfoPage(const IniFile& file, int number, bool redScreenMode,
                         std::string_view programDirectory);

// The styled "Main" section with every underscore shown as a space, or
// "Cannot find Help.ini"; then the close link, whose target keeps its underscore.
WideString BuildHelpPage(const IniFile& file, bool redScreenMode, std::string_view programDirectory);

}  // namespace vespera
