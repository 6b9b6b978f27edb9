#include "platform/htmlview/HtmlSource.h"

#include <algorithm>
#include <array>
#include <vector>

#include "platform/runtime/CodePage.h"

namespace {

char16_t LowerAscii(char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c - u'A' + u'a') : c; }

bool IsNameChar(char16_t c) {
  return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'-' ||
         c == u':' || c == u'_';
}

bool StartsWithNoCase(std::u16string_view text, std::size_t at, std::u16string_view prefix) {
  if (text.size() - at < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i)
    if (LowerAscii(text[at + i]) != prefix[i]) return false;
  return true;
}

std::size_t FindNoCase(std::u16string_view text, std::size_t from, std::u16string_view needle) {
  for (std::size_t at = from; at + needle.size() <= text.size(); ++at)
    if (StartsWithNoCase(text, at, needle)) return at;
  return std::u16string_view::npos;
}

// Elements that hold no others, or that a following sibling closes, so they
// never deepen the tree.
bool NeverNests(std::u16string_view name) {
  static constexpr std::array<std::u16string_view, 22> kNames = {
      u"br", u"img", u"hr", u"meta", u"link", u"input", u"base", u"col", u"area", u"param", u"wbr",
      u"p", u"li", u"dt", u"dd", u"td", u"th", u"tr", u"option", u"source", u"embed", u"!doctype"};
  return std::find(kNames.begin(), kNames.end(), name) != kNames.end();
}

// The text between markup, as the page would show it, for pages too deep to lay out.
WideString TextOnly(std::u16string_view html) {
  WideString text;
  bool inTag = false;
  for (char16_t c : html) {
    if (c == u'<') inTag = true;
    else if (c == u'>' && inTag) inTag = false;
    else if (!inTag) text += c;
  }
  return text;
}

}  // namespace

WideString PlainTextAsHtml(std::u16string_view text) {
  WideString html;
  html.reserve(text.size() + text.size() / 8);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    switch (c) {
      case u'<': html += u"&lt;"; break;
      case u'>': html += u"&gt;"; break;
      case u'&': html += u"&amp;"; break;
      case u'"': html += u"&quot;"; break;
      case u'\r':
        if (i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        html += u"<br>";
        break;
      case u'\n': html += u"<br>"; break;
      default: html += c;
    }
  }
  return html;
}

std::size_t EstimateNesting(std::u16string_view html) {
  std::vector<std::u16string> open;
  std::size_t deepest = 0;
  std::size_t at = 0;
  while ((at = html.find(u'<', at)) != std::u16string_view::npos) {
    ++at;
    if (html.substr(at, 3) == u"!--") {
      const std::size_t end = html.find(u"-->", at + 3);
      if (end == std::u16string_view::npos) break;
      at = end + 3;
      continue;
    }
    const bool closing = at < html.size() && html[at] == u'/';
    if (closing) ++at;
    std::u16string name;
    while (at < html.size() && (IsNameChar(html[at]) || (name.empty() && html[at] == u'!'))) name += LowerAscii(html[at++]);
    if (name.empty()) continue;  // a stray '<' is text
    const std::size_t tagEnd = html.find(u'>', at);
    const bool selfClosing = tagEnd != std::u16string_view::npos && tagEnd > at && html[tagEnd - 1] == u'/';
    if (closing) {
      const auto match = std::find(open.rbegin(), open.rend(), name);
      if (match != open.rend()) open.erase(std::next(match).base(), open.end());
    } else if (!selfClosing && !NeverNests(name)) {
      open.push_back(std::move(name));
      deepest = std::max(deepest, open.size());
      // Style and script hold text, not elements.
      if (open.back() == u"style" || open.back() == u"script") {
        const std::size_t end = FindNoCase(html, at, u"</" + open.back());
        if (end == std::u16string_view::npos) break;
        at = end;
      }
    }
  }
  return deepest;
}

namespace {

// Tags that begin or end a block, so whatever follows starts a new line.
bool BreaksLine(std::u16string_view name) {
  static constexpr std::array<std::u16string_view, 30> kNames = {
      u"div", u"p", u"h1", u"h2", u"h3", u"h4", u"h5", u"h6", u"table", u"tr", u"td", u"th", u"ul", u"ol", u"li",
      u"dl", u"dt", u"dd", u"center", u"blockquote", u"pre", u"hr", u"body", u"html", u"caption", u"thead",
      u"tbody", u"tfoot", u"address", u"form"};
  return std::find(kNames.begin(), kNames.end(), name) != kNames.end();
}

bool HasVisibleText(std::u16string_view text) {
  return std::any_of(text.begin(), text.end(), [](char16_t c) {
    return c != u' ' && c != u'\t' && c != u'\r' && c != u'\n' && c != u'\f';
  });
}

// Copies the rules of a style element without the comment markers.
void AppendStyleRules(std::u16string_view rules, WideString& out) {
  for (std::size_t i = 0; i < rules.size();) {
    if (rules.substr(i, 4) == u"<!--") i += 4;
    else if (rules.substr(i, 3) == u"-->") i += 3;
    else out += rules[i++];
  }
}

// The page with the two repairs the engine needs: style rules without
// comment markers, and a no-break space in front of a line break that starts
// a line ("<BR><BR>", "</div><BR>"), because the engine gives a line holding
// only a break no height, where a browser shows an empty line.
WideString RepairForEngine(std::u16string_view html) {
  WideString out;
  out.reserve(html.size() + html.size() / 16);
  bool lineStart = true;
  std::size_t at = 0;
  while (at < html.size()) {
    const std::size_t open = html.find(u'<', at);
    const std::u16string_view text = html.substr(at, open == std::u16string_view::npos ? open : open - at);
    out += text;
    if (HasVisibleText(text)) lineStart = false;
    if (open == std::u16string_view::npos) break;
    if (html.substr(open, 4) == u"<!--") {
      const std::size_t end = html.find(u"-->", open + 4);
      const std::size_t stop = end == std::u16string_view::npos ? html.size() : end + 3;
      out += html.substr(open, stop - open);
      at = stop;
      continue;
    }
    std::size_t cursor = open + 1;
    const bool closing = cursor < html.size() && html[cursor] == u'/';
    if (closing) ++cursor;
    std::u16string name;
    while (cursor < html.size() && IsNameChar(html[cursor])) name += LowerAscii(html[cursor++]);
    const std::size_t tagEnd = name.empty() ? std::u16string_view::npos : html.find(u'>', cursor);
    if (tagEnd == std::u16string_view::npos) {
      // A stray '<' (or an unfinished tag) is left for the parser to treat as text.
      out += u'<';
      lineStart = false;
      at = open + 1;
      continue;
    }
    if (name == u"br" && !closing) {
      if (lineStart) out += u'\u00A0';
      lineStart = true;
    } else if (BreaksLine(name)) {
      lineStart = true;
    } else if (name == u"img") {
      lineStart = false;
    }
    out += html.substr(open, tagEnd + 1 - open);
    at = tagEnd + 1;
    if (!closing && (name == u"style" || name == u"script")) {
      std::size_t end = FindNoCase(html, at, u"</" + name);
      if (end == std::u16string_view::npos) end = html.size();
      if (name == u"style") AppendStyleRules(html.substr(at, end - at), out);
      else out += html.substr(at, end - at);
      at = end;
    }
  }
  return out;
}

}  // namespace

std::string PrepareHtmlForLayout(std::u16string_view html) {
  WideString prepared =
      EstimateNesting(html) > kMaxHtmlNesting ? PlainTextAsHtml(TextOnly(html)) : RepairForEngine(html);
  std::erase(prepared, u'\0');
  return WideToUtf8(prepared);
}
