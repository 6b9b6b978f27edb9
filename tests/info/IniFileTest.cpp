#include "info/IniFile.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/ScratchFolder.h"

using namespace vespera;

namespace {

using Sections = std::vector<std::pair<WideString, WideString>>;

Sections Parse(const std::string& text) {
  ScratchFolder folder;
  IniFile file;
  EXPECT_TRUE(LoadIniFile(folder.Write("test.ini", text), file));
  Sections out;
  for (const IniSection& s : file) out.emplace_back(s.name, s.body);
  return out;
}

TEST(IniFile, LinesJoinTrimmedWithoutSeparator) {
  EXPECT_EQ(Parse("[1]\n<b>M1</b>\nis a nebula\n"), (Sections{{u"1", u"<b>M1</b>is a nebula"}}));
  EXPECT_EQ(Parse("[2]\r\n \t left\v\f \r\n  right  \r\n"), (Sections{{u"2", u"leftright"}}));
}

TEST(IniFile, HeaderNameRunsToTheFirstBracketOrTheLineEnd) {
  EXPECT_EQ(Parse("[ 12 ] comment\na\n[12\nb\n[\t3 ]]x\nc\n"),
            (Sections{{u"12", u"a"}, {u"12", u"b"}, {u"3", u"c"}}));
  EXPECT_EQ(Parse("[]\nlost\n[ ]\nlost too\n"), Sections{});
}

TEST(IniFile, CommentsOnlyAtTheStartOfALine) {
  EXPECT_EQ(Parse("[5]\n;[6]\n  ; x\nx ; y\n"), (Sections{{u"5", u"x ; y"}}));
}

TEST(IniFile, SectionsWithoutNameOrBodyAreDropped) {
  EXPECT_EQ(Parse("before\n[1]\n[2]\ntwo\n\n[3]\n[4]\nlast"),
            (Sections{{u"2", u"two"}, {u"4", u"last"}}));
  EXPECT_EQ(Parse("[1]\none\n[trailing]\n"), (Sections{{u"1", u"one"}}));
}

TEST(IniFile, FindSectionTakesTheFirstExactName) {
  ScratchFolder folder;
  IniFile file;
  EXPECT_TRUE(LoadIniFile(folder.Write("a.ini", "[7]\nfirst\n[Main]\nhelp\n[7]\nsecond\n"), file));
  EXPECT_EQ(FindSection(file, u"7"), 0);
  EXPECT_EQ(FindSection(file, u"Main"), 1);
  EXPECT_EQ(FindSection(file, u"main"), -1);
  EXPECT_EQ(FindSection(file, u" 7"), -1);
  EXPECT_EQ(FindSection(IniFile{}, u"7"), -1);
}

TEST(IniFile, MissingFileLeavesTheSequenceEmpty) {
  ScratchFolder folder;
  IniFile file{{u"old", u"section"}};
  EXPECT_EQ(LoadIniFile(folder.Write("a.ini", "") + ".missing", file).reason(), "the file cannot be opened");
  EXPECT_TRUE(file.empty());
  EXPECT_TRUE(LoadIniFile(folder.Write("a.ini", ""), file));
  // A folder (like a FIFO) is not a regular file: it is not opened at all.
  const std::string path = folder.Write("b.ini", "");
  EXPECT_EQ(LoadIniFile(path.substr(0, path.rfind('/')), file).reason(), "the file cannot be opened");
  EXPECT_TRUE(file.empty());
}

TEST(IniFile, Utf8WithByteOrderMarkAndBadBytesNeverFails) {
  EXPECT_EQ(Parse("\xEF\xBB\xBF[\xC3\xA9t\xC3\xA9]\nM\xE2\x82\xAC \xC0 ok\n"),
            (Sections{{u"\u00E9t\u00E9", u"M\u20AC \uFFFD ok"}}));
}

// The device reads 131071 characters at a time; whatever follows in the same
// line is read, and classified, as a line of its own.
TEST(IniFile, PiecesOfALongLineAreClassifiedOnTheirOwn) {
  const std::string full(131071, 'a');
  EXPECT_EQ(Parse("[1]\n" + full + ";no comment\n"), (Sections{{u"1", WideString(131071, u'a')}}));
  EXPECT_EQ(Parse("[1]\n" + full + "[2]\ntwo\n"),
            (Sections{{u"1", WideString(131071, u'a')}, {u"2", u"two"}}));
  // White space at the end of a piece is trimmed like a line end.
  const std::string spaced = std::string(131070, 'b') + " c";
  EXPECT_EQ(Parse("[1]\n" + spaced + "\n"), (Sections{{u"1", WideString(131070, u'b') + u"c"}}));
}

TEST(IniFile, AHugeFileOrSectionIsCutSaidAndTheRestKept) {
  ScratchFolder folder;
  IniFile file;
  // A 16 MB paragraph: the section keeps its first kMaxSectionUnits units.
  const std::string paragraph = "[31]\n" + std::string(16u << 20, 'p') + "\n";
  EXPECT_EQ(LoadIniFile(folder.Write("Messier.ini", "[1]\none\n" + paragraph), file).reason(),
            "the file is larger than 1 MiB; only its first 1 MiB are read");
  ASSERT_EQ(file.size(), 2u);
  EXPECT_EQ(file[0].body, u"one");
  EXPECT_EQ(file[1].body, WideString(kMaxSectionUnits, u'p'));

  const std::string tooLong = "[7]\n" + std::string(kMaxSectionUnits - 1, 'q') + "\nrst\n[8]\neight\n";
  EXPECT_EQ(LoadIniFile(folder.Write("Caldwell.ini", tooLong), file).reason(),
            "section [7] is longer than 262144 characters; only its start is shown");
  ASSERT_EQ(file.size(), 2u);
  EXPECT_EQ(file[0].body, WideString(kMaxSectionUnits - 1, u'q') + u"r");
  EXPECT_EQ(file[1].body, u"eight");
}

}  // namespace
