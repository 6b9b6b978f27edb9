// Any information file, program directory and page number. The parser must
// keep only trimmed, non-empty sections; the page builders must frame every
// body with the style block and the close link; and the line reader must give
// the same text whatever its piece size.

#include <algorithm>
#include <string>

#include "fuzz/targets/FuzzCheck.h"
#include "fuzz/targets/FuzzInput.h"
#include "fuzz/targets/FuzzTargets.h"
#include "tests/support/ScratchFolder.h"
#include "info/InfoPages.h"
#include "info/IniFile.h"
#include "info/PageTemplate.h"
#include "info/WideLineReader.h"

using namespace vespera;

namespace {

bool IsIniSpace(char16_t c) {
  return c == u' ' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r';
}
bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c < 0xDC00; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c < 0xE000; }

void CheckSections(const IniFile& file) {
  for (std::size_t i = 0; i < file.size(); ++i) {
    const IniSection& section = file[i];
    FUZZ_CHECK(!section.name.empty() && !section.body.empty());
    FUZZ_CHECK(!IsIniSpace(section.name.front()) && !IsIniSpace(section.name.back()));
    FUZZ_CHECK(!IsIniSpace(section.body.front()) && !IsIniSpace(section.body.back()));
    FUZZ_CHECK(section.body.front() != u';' && section.body.front() != u'[');
    // Lines are joined without separator; a NUL would cut the page short
    // wherever it travels on as a C string.
    FUZZ_CHECK(section.body.find_first_of(std::u16string_view(u"\n\0", 2)) == WideString::npos);
    const int first = FindSection(file, section.name);
    FUZZ_CHECK(first >= 0 && static_cast<std::size_t>(first) <= i);
    FUZZ_CHECK(file[static_cast<std::size_t>(first)].name == section.name);
  }
}

void CheckInfoPage(const IniFile& file, int number, bool red, std::string_view directory) {
  const WideString page = BuildInfoPage(file, number, red, directory);
  FUZZ_CHECK(page.ends_with(kInfoPageCloseLink));
  const std::string digits = std::to_string(number);
  const WideString key(digits.begin(), digits.end());
  if (FindSection(file, key) < 0) {
    FUZZ_CHECK(page == u"Section " + key + u" was not found" + WideString(kInfoPageCloseLink));
  } else {
    FUZZ_CHECK(page.starts_with(StyledPageHeader(red)));
  }
}

void CheckHelpPage(const IniFile& file, bool red, std::string_view directory) {
  const WideString page = BuildHelpPage(file, red, directory);
  FUZZ_CHECK(page.starts_with(StyledPageHeader(red)));
  FUZZ_CHECK(page.ends_with(kHelpPageCloseLink));
  const std::u16string_view shown(page.data(), page.size() - kHelpPageCloseLink.size());
  FUZZ_CHECK(shown.find(u'_') == std::u16string_view::npos);
  // A directory without ':' cannot rebuild the marker around an inserted value.
  if (FindSection(file, kHelpSectionName) >= 0 && directory.find(':') == std::string_view::npos)
    FUZZ_CHECK(shown.find(kPathMarker) == std::u16string_view::npos);
}

WideString ReadAllPieces(const std::string& path, std::size_t pieceUnits) {
  WideLineReader reader(path, pieceUnits);
  FUZZ_CHECK(reader.IsOpen());
  WideString all;
  WideString piece;
  while (reader.ReadPiece(piece)) {
    FUZZ_CHECK(piece.size() <= pieceUnits);
    // A piece never reaches past the end of its line.
    const std::size_t feed = piece.find(u'\n');
    FUZZ_CHECK(feed == WideString::npos || feed + 1 == piece.size());
    // Pairs stay whole wherever the piece has room to end early.
    if (pieceUnits > 1 && !all.empty() && !piece.empty())
      FUZZ_CHECK(!(IsHighSurrogate(all.back()) && IsLowSurrogate(piece.front())));
    all += piece;
  }
  return all;
}

}  // namespace

void FuzzIniPages(FuzzBytes data) {
  FuzzInput input(data);
  const std::uint8_t flags = input.TakeByte();
  const bool red = (flags & 1) != 0;
  const std::size_t pieceUnits = 1 + ((flags >> 1) & 7);
  const int number = static_cast<int>(input.TakeByte()) - 8;
  const std::string_view directory = input.TakePart();
  ScratchFolder folder;
  const std::string path = folder.Write("Info.ini", input.TakeRest());

  IniFile file;
  // Any answer will do: what counts is the table it leaves.
  static_cast<void>(LoadIniFile(path, file));
  CheckSections(file);
  CheckInfoPage(file, number, red, directory);
  for (const IniSection& section : file) {
    // Sections named like list entries are the ones the window can reach.
    if (section.name.size() > 3 || !std::all_of(section.name.begin(), section.name.end(),
                                                 [](char16_t c) { return c >= u'0' && c <= u'9'; }))
      continue;
    CheckInfoPage(file, std::stoi(std::string(section.name.begin(), section.name.end())), red,
                  directory);
  }
  CheckHelpPage(file, red, directory);

  FUZZ_CHECK(ReadAllPieces(path, pieceUnits) == ReadAllPieces(path, WideLineReader::kDefaultPieceUnits));

  // Loading again replaces everything that was there.
  IniFile again = file;
  FUZZ_CHECK(LoadIniFile(path, again).has_value());
  FUZZ_CHECK(again.size() == file.size());
  FUZZ_CHECK(LoadIniFile(folder.File("Missing.ini"), again).reason() == "the file cannot be opened");
  FUZZ_CHECK(again.empty());
}
