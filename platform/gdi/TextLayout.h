#pragma once
// Splitting DrawText's text into the lines it shows, independent of pixels
// except through the measuring function it is given.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gdi/GdiTypes.h"

// Mnemonic markers as the device's DrawText treats them: "&&" shows one '&',
// a single '&' disappears (the mnemonic underline is not drawn).
std::u16string StripPrefixes(std::u16string_view text);

// Tabs become spaces up to the next multiple of eight characters.
std::u16string ExpandTabs(std::u16string_view text);

struct TextLine {
  std::u16string_view text;
  LONG width = 0;
};

using MeasureText = std::function<LONG(std::u16string_view)>;

// DT_SINGLELINE gives one line whatever the text holds. Otherwise lines end at
// CR, LF or CR LF and, with DT_WORDBREAK, also between words so that a line
// fits maxWidth; a word wider than maxWidth keeps a line of its own, and the
// spaces where a line was broken are dropped. Views point into `text`.
std::vector<TextLine> BreakLines(std::u16string_view text, UINT format, LONG maxWidth,
                                 const MeasureText& measure);

// UTF-16 to code points; an unpaired surrogate reads as U+FFFD.
template <typename Visit>
void ForEachCodePoint(std::u16string_view text, Visit&& visit) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = 0xFFFD;
    }
    visit(c);
  }
}
