#pragma once
// Information files: INI-style text whose sections hold fragments of HTML.
// The files are UTF-8 on disk; a byte-order mark is skipped and an invalid
// sequence reads as U+FFFD.

#include <string>
#include <string_view>
#include <vector>

#include "platform/runtime/Expected.h"
#include "platform/runtime/WinTypes.h"

namespace vespera {

struct IniSection {
  WideString name;  // never empty
  WideString body;  // never empty: the section's trimmed lines joined without separator
};

// Sections in the order they complete in the file; duplicates are kept and
// lookups take the first.
using IniFile = std::vector<IniSection>;

// A section's body is kept to its first kMaxSectionUnits UTF-16 units: the
// longest page that ships is under 10,000 characters, and the HTML control's
// layout costs over a hundred bytes of memory per character. Two of the
// device's 131071-character reading pieces fit.
inline constexpr std::size_t kMaxSectionUnits = 262144;

// Empties file, then fills it from the UTF-8 file at path (only a regular
// file, and only its first WideLineReader::kMaxFileBytes). A file that cannot
// be opened leaves file empty; a read error keeps what was read before it; a
// file or a section cut at its limit keeps what came before the cut. Each
// answers with the reason.
Expected<void> LoadIniFile(const std::string& path, IniFile& file);

// Position of the first section whose name equals key exactly, or -1.
int FindSection(const IniFile& file, std::u16string_view key);

}  // namespace vespera
