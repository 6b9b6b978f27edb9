#pragma once
// The "Show on map" links of the search page: a prefix naming the catalogue
// and the record's table index, read back when a link is activated.

#include <optional>
#include <string_view>

#include "shell/SearchChoice.h"

namespace vespera {

// The code and index a link target stands for, or nothing when it names no
// catalogue. The prefixes are tried star, deep-sky, constellation, each
// wherever it first occurs in the target; the number after it is its leading
// decimal digits with an optional sign (none read as 0, and a number beyond
// the 32-bit range as that range's end, which no table holds).
std::optional<SearchChoice> ParseResultLink(std::u16string_view target);

}  // namespace vespera
