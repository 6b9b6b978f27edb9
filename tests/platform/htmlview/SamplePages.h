#pragma once
// Pages shaped like the program's own: a search result page, an information
// page with the page style block, and a help-like page. Shared by the tests
// and the screenshot program.

#include <string>

#include "platform/runtime/WinTypes.h"

// The style block with the colours already filled in.
WideString StyleBlock(std::u16string_view background, std::u16string_view text = u"#000000");

// A result page like the search engine's, with `items` star items (each with
// a "Show on map" link) and a constellation item.
WideString SearchResultPage(int items);

// An object page: style block, headings, bold and italic, a table, a list,
// aligned divisions and the close link.
WideString InformationPage(std::u16string_view background = u"#FFFFFF");
