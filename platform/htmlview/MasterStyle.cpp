#include "platform/htmlview/MasterStyle.h"

#include <cstdio>

// Margins are kept small: the view is often not much wider than 230 pixels.
const char* const kHtmlMasterStyle = R"css(
html { display: block; }
head, style, script, title, meta, link, base, noscript { display: none; }
body { display: block; margin: 0.3em; }
div, p, center, blockquote, address, form, pre, dl, dt, dd, ul, ol, h1, h2, h3, h4, h5, h6, hr, header, footer, section, article, nav { display: block; }
p, dl, pre, blockquote { margin-top: 0.5em; margin-bottom: 0.5em; }
blockquote { margin-left: 1.5em; margin-right: 1.5em; }
dd { margin-left: 1.5em; }
center { text-align: center; }
pre { white-space: pre; font-family: monospace; }
tt, code, kbd, samp { font-family: monospace; }
h1 { font-size: 1.6em; margin-top: 0.4em; margin-bottom: 0.4em; font-weight: bold; }
h2 { font-size: 1.4em; margin-top: 0.4em; margin-bottom: 0.4em; font-weight: bold; }
h3 { font-size: 1.2em; margin-top: 0.5em; margin-bottom: 0.3em; font-weight: bold; }
h4 { font-size: 1em; margin-top: 0.5em; margin-bottom: 0.3em; font-weight: bold; }
h5 { font-size: 0.9em; margin-top: 0.5em; margin-bottom: 0.3em; font-weight: bold; }
h6 { font-size: 0.8em; margin-top: 0.5em; margin-bottom: 0.3em; font-weight: bold; }
b, strong, th { font-weight: bold; }
i, em, cite, var, dfn, address { font-style: italic; }
u, ins { text-decoration: underline; }
s, strike, del { text-decoration: line-through; }
small { font-size: 0.85em; }
big { font-size: 1.15em; }
sub { vertical-align: sub; font-size: 0.8em; }
sup { vertical-align: super; font-size: 0.8em; }
a:link, a[href] { text-decoration: underline; }
ul, ol { margin-top: 0.3em; margin-bottom: 0.3em; padding-left: 1.4em; }
ul { list-style-type: disc; }
ol { list-style-type: decimal; }
ul ul { list-style-type: circle; }
li { display: list-item; }
hr { border: 1px inset; margin-top: 0.3em; margin-bottom: 0.3em; }
img { display: inline-block; }
table { display: table; border-spacing: 2px; border-collapse: separate; }
thead { display: table-header-group; vertical-align: middle; }
tbody { display: table-row-group; vertical-align: middle; }
tfoot { display: table-footer-group; vertical-align: middle; }
tr { display: table-row; vertical-align: inherit; }
td, th { display: table-cell; vertical-align: inherit; padding: 1px; }
th { text-align: center; }
caption { display: table-caption; text-align: center; }
br { display: block; }

)css";

namespace {

std::string CssColour(COLORREF colour) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", GetRValue(colour), GetGValue(colour), GetBValue(colour));
  return text;
}

}  // namespace

std::string MasterStyleWith(const HtmlColours& colours) {
  std::string style = kHtmlMasterStyle;
  style += "body { color: " + CssColour(colours.text) + "; }\n";
  style += "hr { border-color: " + CssColour(colours.rule) + "; }\n";
  if (colours.link) style += "a:link, a[href] { color: " + CssColour(*colours.link) + "; }\n";
  return style;
}
