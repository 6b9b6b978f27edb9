#include "platform/gdi/TextLayout.h"

namespace {

bool IsBreakSpace(char16_t c) { return c == u' ' || c == u'\t'; }

// Appends the lines of one paragraph (no CR or LF inside), wrapped to maxWidth.
void WrapParagraph(std::u16string_view paragraph, LONG maxWidth, const MeasureText& measure,
                   std::vector<TextLine>& lines) {
  std::size_t start = 0;
  for (;;) {
    std::u16string_view rest = paragraph.substr(start);
    LONG restWidth = measure(rest);
    if (restWidth <= maxWidth || rest.empty()) {
      lines.push_back({rest, restWidth});
      return;
    }
    // Take words while they fit; the first word always goes on the line.
    std::size_t fitEnd = 0;
    while (fitEnd < rest.size()) {
      std::size_t wordEnd = fitEnd;
      while (wordEnd < rest.size() && IsBreakSpace(rest[wordEnd])) ++wordEnd;
      while (wordEnd < rest.size() && !IsBreakSpace(rest[wordEnd])) ++wordEnd;
      if (fitEnd > 0 && measure(rest.substr(0, wordEnd)) > maxWidth) break;
      fitEnd = wordEnd;
    }
    std::u16string_view line = rest.substr(0, fitEnd);
    lines.push_back({line, measure(line)});
    start += fitEnd;
    while (start < paragraph.size() && IsBreakSpace(paragraph[start])) ++start;
    if (start >= paragraph.size()) return;
  }
}

}  // namespace

std::u16string StripPrefixes(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != u'&') {
      out.push_back(text[i]);
    } else if (i + 1 < text.size() && text[i + 1] == u'&') {
      out.push_back(u'&');
      ++i;
    }
  }
  return out;
}

std::u16string ExpandTabs(std::u16string_view text) {
  std::u16string out;
  std::size_t column = 0;
  for (char16_t c : text) {
    if (c == u'\t') {
      do out.push_back(u' ');
      while (++column % 8 != 0);
    } else {
      out.push_back(c);
      column = (c == u'\n' || c == u'\r') ? 0 : column + 1;
    }
  }
  return out;
}

std::vector<TextLine> BreakLines(std::u16string_view text, UINT format, LONG maxWidth,
                                 const MeasureText& measure) {
  std::vector<TextLine> lines;
  if (format & DT_SINGLELINE) {
    lines.push_back({text, measure(text)});
    return lines;
  }
  std::size_t start = 0;
  for (;;) {
    std::size_t end = text.find_first_of(u"\r\n", start);
    std::u16string_view paragraph = text.substr(start, end == std::u16string_view::npos ? end : end - start);
    if (format & DT_WORDBREAK)
      WrapParagraph(paragraph, maxWidth, measure, lines);
    else
      lines.push_back({paragraph, measure(paragraph)});
    if (end == std::u16string_view::npos) break;
    start = end + 1;
    if (text[end] == u'\r' && start < text.size() && text[start] == u'\n') ++start;
    // A trailing line break ends the last line; it does not open another.
    if (start >= text.size()) break;
  }
  return lines;
}
