#include "info/InfoPages.h"

#include <gtest/gtest.h>

#include "tests/support/ScratchFolder.h"
#include "info/PageTemplate.h"

using namespace vespera;

namespace {

const WideString kWhiteStyle =
    u"<style type=\"text/css\"><!--body { background-color: #FFFFFF; } "
    u"body,td,th {\tcolor: #000000; } --> </style>";
const WideString kRedStyle =
    u"<style type=\"text/css\"><!--body { background-color: #FF0000; } "
    u"body,td,th {\tcolor: #000000; } --> </style>";
const WideString kInfoClose = u"<A HREF=\"CLOSE_WND\">Close window</A>";
const WideString kHelpClose = u"<BR><A HREF=\"CLOSE_WND\">Close window</A>";

IniFile Load(const std::string& text) {
  ScratchFolder folder;
  IniFile file;
  EXPECT_TRUE(LoadIniFile(folder.Write("page.ini", text), file));
  return file;
}

TEST(MarkerReplacement, ReplacesLeftToRightWithoutRescanningValues) {
  WideString text = u":A::A:A:";
  ReplaceMarker(text, u":A:", u"<:A:>");
  EXPECT_EQ(text, u"<:A:><:A:>A:");
  WideString unchanged = u"abc";
  ReplaceMarker(unchanged, u"", u"x");
  EXPECT_EQ(unchanged, u"abc");
}

TEST(InfoPage, StyledSectionInBothColourModes) {
  const IniFile file = Load("[0]\n<h1>Messier</h1>\n[5]\nM5 my_globular\n");
  EXPECT_EQ(BuildInfoPage(file, 5, false, "/opt/"), kWhiteStyle + u"M5 my_globular" + kInfoClose);
  EXPECT_EQ(BuildInfoPage(file, 0, true, "/opt/"), kRedStyle + u"<h1>Messier</h1>" + kInfoClose);
}

TEST(InfoPage, MissingSectionOrFileSaysSoWithoutStyle) {
  EXPECT_EQ(BuildInfoPage(Load("[1]\nx\n"), 5, true, "/opt/"), u"Section 5 was not found" + kInfoClose);
  EXPECT_EQ(BuildInfoPage(IniFile{}, 0, false, "/opt/"), u"Section 0 was not found" + kInfoClose);
}

TEST(InfoPage, PathMarkerBecomesTheDirectoryButColourMarkersInTheBodyStay) {
  const IniFile file = Load("[1]\n<img src=\":PATH:img.gif\">\n:BACK_COLOR: :TXT_COLOR: :PATH:\n");
  EXPECT_EQ(BuildInfoPage(file, 1, false, "\\Apps\\Map\\"),
            kWhiteStyle + u"<img src=\"file://\\Apps\\Map\\img.gif\">:BACK_COLOR: :TXT_COLOR: file://\\Apps\\Map\\" +
                kInfoClose);
  // The directory is UTF-8 and may itself hold the marker, which stays.
  EXPECT_EQ(BuildInfoPage(Load("[1]\n:PATH:\n"), 1, false, "/d\xC3\xA9j\xC3\xA0/:PATH:/"),
            kWhiteStyle + u"file:///d\u00E9j\u00E0/:PATH:/" + kInfoClose);
}

TEST(HelpPage, UnderscoresBecomeSpacesButTheCloseLinkKeepsItsTarget) {
  EXPECT_EQ(BuildHelpPage(Load("[Main]\nUse_the\nmenu\n"), false, "/opt/"),
            kWhiteStyle + u"Use themenu" + kHelpClose);
  EXPECT_EQ(BuildHelpPage(Load("[Main]\nUse_the_\nmenu <img src=\":PATH:a_b.png\">\n"), true, "/my_apps/"),
            kRedStyle + u"Use the menu <img src=\"file:///my apps/a b.png\">" + kHelpClose);
}

TEST(HelpPage, MissingMainSectionSaysCannotFindHelp) {
  EXPECT_EQ(BuildHelpPage(IniFile{}, false, "/opt/"), kWhiteStyle + u"Cannot find Help.ini" + kHelpClose);
  EXPECT_EQ(BuildHelpPage(Load("[main]\nlower_case\n"), true, "/opt/"),
            kRedStyle + u"Cannot find Help.ini" + kHelpClose);
}

TEST(PageHeader, ColoursOfBothModes) {
  EXPECT_EQ(StyledPageHeader(false), kWhiteStyle);
  EXPECT_EQ(StyledPageHeader(true), kRedStyle);
}

}  // namespace
