#include "info/WideLineReader.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/ScratchFolder.h"

using namespace vespera;

namespace {

std::vector<WideString> Pieces(const std::string& path, std::size_t limit) {
  WideLineReader reader(path, limit);
  std::vector<WideString> pieces;
  WideString piece;
  while (reader.ReadPiece(piece)) pieces.push_back(piece);
  return pieces;
}

using Lines = std::vector<WideString>;
using namespace std::string_view_literals;

TEST(WideLineReader, ReadsLinesWithTheirLineFeedAndTextModeLineEnds) {
  ScratchFolder folder;
  const auto path = folder.Write("a.ini", "one\r\ntwo\n\nlast\rline");
  EXPECT_EQ(Pieces(path, 100), (Lines{u"one\n", u"two\n", u"\n", u"last\rline"}));
  EXPECT_TRUE(Pieces(folder.Write("empty.ini", ""), 100).empty());
  EXPECT_FALSE(WideLineReader(folder.Write("x", "") + ".missing").IsOpen());
}

TEST(WideLineReader, LongLineArrivesInPiecesThatKeepSurrogatePairsWhole) {
  ScratchFolder folder;
  const auto path = folder.Write("a.ini", "abc\xF0\x9F\x8C\x9F" "d\nxyz\n");
  EXPECT_EQ(Pieces(path, 4), (Lines{u"abc", u"\U0001F31F" u"d\n", u"xyz\n"}));
  EXPECT_EQ(Pieces(path, 3), (Lines{u"abc", u"\U0001F31F" u"d", u"\n", u"xyz", u"\n"}));
}

TEST(WideLineReader, DecodesUtf8SkippingOnlyALeadingByteOrderMark) {
  ScratchFolder folder;
  const auto path = folder.Write("a.ini", "\xEF\xBB\xBF[1]\n\xEF\xBB\xBFx\xFF\x00y\xC3\xA9\n"sv);
  EXPECT_EQ(Pieces(path, 100), (Lines{u"[1]\n", u"\uFEFFx\uFFFD\uFFFDy\u00E9\n"}));
}

TEST(WideLineReader, LinesLongerThanTheReadBlockStayWhole) {
  ScratchFolder folder;
  const std::string longLine(200000, 'q');
  const auto path = folder.Write("a.ini", longLine + "\nend");
  const auto pieces = Pieces(path, WideLineReader::kDefaultPieceUnits);
  ASSERT_EQ(pieces.size(), 3u);
  EXPECT_EQ(pieces[0], WideString(131071, u'q'));
  EXPECT_EQ(pieces[1], WideString(200000 - 131071, u'q') + u"\n");
  EXPECT_EQ(pieces[2], u"end");
}

}  // namespace
