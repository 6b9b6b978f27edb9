#include "tests/platform/htmlview/SamplePages.h"

#include <string>

namespace {

WideString Wide(const std::string& ascii) { return WideString(ascii.begin(), ascii.end()); }

}  // namespace

WideString StyleBlock(std::u16string_view background, std::u16string_view text) {
  return u"<style type=\"text/css\"><!--body { background-color: " + WideString(background) +
         u"; } body,td,th {\tcolor: " + WideString(text) + u"; } --> </style>";
}

WideString SearchResultPage(int items) {
  WideString page = u"<h3>Stars catalog search</h3>";
  for (int i = 0; i < items; ++i) {
    page += Wide("HIP " + std::to_string(10000 + i) + " alf Test<BR>");
    if (i % 3 == 0) page += u"Name: <i>Teststar " + Wide(std::to_string(i)) + u"</i><BR>";
    page += Wide("Mag: " + std::to_string(i % 7) + ".25<BR>");
    page += Wide("<div align=\"left\"><A HREF=\"STARLINK_" + std::to_string(i) + "\">Show on map</A></div><BR>");
  }
  if (items == 0) page += u"No stars found<BR>";
  page += u"<h3>Stars common names search</h3>No stars found<BR>";
  page += u"<h3>DSO catalog search</h3>No objects found<BR>";
  page += u"<h3>DSO common names search</h3>No objects found<BR>";
  page += u"<h3>Constellations search</h3>Andromeda<BR>"
          u"<div align=\"left\"><A HREF=\"CONSTL_0\">Show on map</A></div>";
  page += u"<BR><BR><A HREF=\"CLOSE_WND\">Close window</A>";
  return page;
}

WideString InformationPage(std::u16string_view background) {
  return StyleBlock(background) +
         u"<h3>M31 &ndash; Andromeda Galaxy</h3>"
         u"<div align=\"center\"><b>Spiral galaxy</b> in <i>Andromeda</i></div>"
         u"<table><tr><td><b>RA</b></td><td>00h 42.7m</td></tr>"
         u"<tr><td><b>Dec</b></td><td>+41&deg; 16'</td></tr>"
         u"<tr><td><b>Magnitude</b></td><td>3.4</td></tr>"
         u"<tr><td><b>Distance</b></td><td>2,500,000 ly</td></tr></table>"
         u"<p>The nearest large galaxy, visible to the naked eye as an elongated "
         u"smudge of light. Its companions M32 and M110 show in small telescopes.</p>"
         u"<ul><li>Best seen in autumn</li><li>Binoculars show the core</li></ul>"
         u"<ol><li>Find Mirach</li><li>Step to mu And</li><li>Go on as far again</li></ol>"
         u"<div align=\"right\">Source: notes<BR></div>"
         u"<A HREF=\"CLOSE_WND\">Close window</A>";
}
