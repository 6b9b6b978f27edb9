#pragma once
// Preparing the page source an owner hands over for the layout engine.

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/runtime/WinTypes.h"

// Element nesting beyond this is not laid out as HTML: the engine walks the
// tree recursively, so a hostile page could otherwise exhaust the stack.
inline constexpr std::size_t kMaxHtmlNesting = 200;

// Plain text as HTML that shows it as written: markup characters escaped,
// line ends as line breaks.
WideString PlainTextAsHtml(std::u16string_view text);

// How deeply elements nest in the page, as far as a tolerant scan can tell:
// end tags close the nearest open element of their name, stray ones are
// ignored, and elements that never hold others (br, img...) or that the next
// sibling ends (p, li, td...) do not count.
std::size_t EstimateNesting(std::u16string_view html);

// The UTF-8 text the engine parses. Inside <style> elements the "<!--" and
// "-->" markers are dropped, because the engine's style parser would lose the
// rule that follows them; a line break that starts a line gets a no-break
// space before it, so it makes the empty line a browser shows. A page nested deeper than kMaxHtmlNesting comes
// back as its text only, shown as plain text. NUL characters are dropped.
std::string PrepareHtmlForLayout(std::u16string_view html);
