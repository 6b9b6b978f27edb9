#pragma once
// Catalogue texts are stored in the device's ANSI code page (Windows-1252),
// while the sky package is UTF-8 with Greek letters and a few accents that
// code page cannot hold. These helpers spell such characters out instead of
// letting them become '?'.

#include <optional>
#include <string>
#include <string_view>

namespace vespera {

// The Bayer abbreviation of a lower-case Greek letter ("alp" for U+03B1), or
// nothing for any other character.
std::optional<std::string_view> GreekAbbreviation(char32_t letter);

// UTF-8 text as Windows-1252: Greek letters become their names ("alpha"),
// letters with a macron or other marks outside the code page lose the mark,
// typographic quotes and spaces become their plain forms; anything else that
// still does not fit becomes the code page's replacement character.
std::string Utf8ToAnsiSpelled(std::string_view utf8);

// A name's form for comparing names: UTF-8 text spelled in the code page, in
// lower case ("Witch's Broom" and "WITCH'S BROOM" compare equal).
std::string NameKey(std::string_view utf8);

// Decodes one UTF-8 sequence at text[pos], advancing pos; invalid bytes give
// U+FFFD and advance by one.
char32_t NextCodePoint(std::string_view text, std::size_t& pos);

}  // namespace vespera
