// The same bytes read as ANSI text, as UTF-8 and as UTF-16LE units. Every
// Windows-1252 byte must survive the trip to wide text and back; wide text
// must survive the trip through UTF-8 apart from unpaired surrogates; and the
// two case folds must agree, or searches would miss folded designations.

#include <string>

#include "fuzz/targets/FuzzCheck.h"
#include "fuzz/targets/FuzzTargets.h"
#include "platform/runtime/CaseFold.h"
#include "platform/runtime/CodePage.h"

namespace {

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c < 0xDC00; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c < 0xE000; }

// The text with every surrogate that is not part of a pair replaced, and the
// number of characters it holds (a pair is one).
struct PairedText {
  WideString text;
  std::size_t characters = 0;
};

PairedText PairSurrogates(std::u16string_view wide) {
  PairedText out;
  for (std::size_t i = 0; i < wide.size(); ++i, ++out.characters) {
    const char16_t c = wide[i];
    if (IsHighSurrogate(c) && i + 1 < wide.size() && IsLowSurrogate(wide[i + 1])) {
      out.text += c;
      out.text += wide[++i];
    } else {
      out.text += (IsHighSurrogate(c) || IsLowSurrogate(c)) ? u'\uFFFD' : c;
    }
  }
  return out;
}

void CheckAnsi(std::string_view bytes) {
  const std::string ansi(bytes.substr(0, bytes.find('\0')));
  const WideString wide = AnsiToWide(bytes);
  FUZZ_CHECK(wide.size() == ansi.size());
  FUZZ_CHECK(WideToAnsi(wide) == ansi);
  FUZZ_CHECK(AnsiToWide(bytes.data(), bytes.size()) == wide);

  std::string folded = ansi;
  FoldAnsi(folded);
  WideString wideFolded = wide;
  FoldWide(wideFolded);
  FUZZ_CHECK(AnsiToWide(folded) == wideFolded);
  // The NUL-terminated form folds the same as the counted one.
  std::string terminated = ansi;
  FoldAnsi(terminated.data());
  FUZZ_CHECK(terminated == folded);
}

void CheckUtf8(std::string_view bytes) {
  const WideString wide = Utf8ToWide(bytes);
  FUZZ_CHECK(wide.size() <= bytes.size());
  FUZZ_CHECK(PairSurrogates(wide).text == wide);
  const std::string utf8 = WideToUtf8(wide);
  FUZZ_CHECK(Utf8ToWide(utf8) == wide);
  FUZZ_CHECK(WideToUtf8(Utf8ToWide(utf8)) == utf8);
}

void CheckUtf16(std::string_view bytes) {
  WideString wide;
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
    wide += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                  (static_cast<unsigned char>(bytes[i + 1]) << 8));
  const PairedText paired = PairSurrogates(wide);
  FUZZ_CHECK(Utf8ToWide(WideToUtf8(wide)) == paired.text);
  FUZZ_CHECK(WideToAnsi(wide).size() == paired.characters);

  WideString folded = wide;
  FoldWide(folded);
  WideString twice = folded;
  FoldWide(twice);
  FUZZ_CHECK(twice == folded);
  FUZZ_CHECK(folded.size() == wide.size());

  FUZZ_CHECK(WideFieldLength(wide.data(), wide.size()) == std::min(wide.size(), wide.find(u'\0')));
}

}  // namespace

void FuzzTextConversions(FuzzBytes data) {
  const std::string_view bytes(reinterpret_cast<const char*>(data.data()), data.size());
  CheckAnsi(bytes);
  CheckUtf8(bytes);
  CheckUtf16(bytes);
}
