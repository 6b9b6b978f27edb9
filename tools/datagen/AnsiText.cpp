#include "tools/datagen/AnsiText.h"

#include <array>
#include <cctype>

#include "platform/runtime/CodePage.h"

namespace vespera {

namespace {

struct GreekLetter {
  std::string_view abbreviation;
  std::string_view name;
};

// U+03B1 (alpha) to U+03C9 (omega); U+03C2, the final sigma, spells as sigma.
constexpr std::array<GreekLetter, 25> kGreek = {{
    {"alp", "alpha"}, {"bet", "beta"},  {"gam", "gamma"}, {"del", "delta"}, {"eps", "epsilon"},
    {"zet", "zeta"},  {"eta", "eta"},   {"the", "theta"}, {"iot", "iota"},  {"kap", "kappa"},
    {"lam", "lambda"}, {"mu", "mu"},    {"nu", "nu"},     {"xi", "xi"},     {"omi", "omicron"},
    {"pi", "pi"},     {"rho", "rho"},   {"sig", "sigma"}, {"sig", "sigma"}, {"tau", "tau"},
    {"ups", "upsilon"}, {"phi", "phi"}, {"chi", "chi"},   {"psi", "psi"},   {"ome", "omega"},
}};

const GreekLetter* FindGreek(char32_t c) {
  if (c >= 0x0391 && c <= 0x03A9 && c != 0x03A2) c += 0x20;  // capitals spell like small letters
  if (c >= 0x03B1 && c <= 0x03C9) return &kGreek[c - 0x03B1];
  return nullptr;
}

// Latin letters with marks that Windows-1252 lacks, reduced to the bare letter.
char BareLatinLetter(char32_t c) {
  struct Range {
    char32_t first;
    std::string_view letters;  // one per code point from first on
  };
  // Latin Extended-A: pairs of capital and small letters.
  static constexpr Range kExtendedA = {
      0x0100, "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIiIiJjKkkLlLlLlLlLlNnNnNnnNnOoOoOoOoRrRrRrSsSsSsSsTtTtTtUuUuUuUuUuUuWwYyYZzZzZzs"};
  if (c >= kExtendedA.first && c < kExtendedA.first + kExtendedA.letters.size())
    return kExtendedA.letters[c - kExtendedA.first];
  return 0;
}

// Thin and invisible spaces and a few signs the package uses, in plain forms.
std::optional<std::string_view> PlainPunctuation(char32_t c) {
  switch (c) {
    case 0x2005: case 0x2009: case 0x200A: case 0x202F: case 0x00A0: return " ";
    case 0x200B: case 0x200E: case 0x200F: case 0xFEFF: return "";
    case 0x2032: return "'";
    case 0x2033: return "\"";
    case 0x2212: return "-";
    default: return std::nullopt;
  }
}

}  // namespace

std::optional<std::string_view> GreekAbbreviation(char32_t letter) {
  if (letter < 0x03B1 || letter > 0x03C9) return std::nullopt;
  return FindGreek(letter)->abbreviation;
}

char32_t NextCodePoint(std::string_view text, std::size_t& pos) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(pos);
  int extra = 0;
  char32_t cp = 0;
  if (lead < 0x80) {
    ++pos;
    return lead;
  } else if ((lead & 0xE0) == 0xC0) {
    extra = 1;
    cp = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2;
    cp = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3;
    cp = lead & 0x07;
  } else {
    ++pos;
    return 0xFFFD;
  }
  if (pos + extra >= text.size()) {
    ++pos;
    return 0xFFFD;
  }
  for (int i = 1; i <= extra; ++i) {
    const unsigned char b = byte(pos + i);
    if ((b & 0xC0) != 0x80) {
      ++pos;
      return 0xFFFD;
    }
    cp = (cp << 6) | (b & 0x3F);
  }
  pos += extra + 1;
  return cp;
}

std::string Utf8ToAnsiSpelled(std::string_view utf8) {
  std::string out;
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    const char32_t c = NextCodePoint(utf8, pos);
    if (const GreekLetter* greek = FindGreek(c)) {
      out += greek->name;
    } else if (const auto plain = PlainPunctuation(c)) {
      out += *plain;
    } else {
      const std::string ansi =
          c < 0x10000 ? WideToAnsi(std::u16string(1, static_cast<char16_t>(c))) : std::string(1, kAnsiReplacement);
      const char bare = BareLatinLetter(c);
      out += ansi[0] == kAnsiReplacement && c != kAnsiReplacement && bare ? std::string(1, bare) : ansi;
    }
  }
  return out;
}

std::string NameKey(std::string_view utf8) {
  std::string key = Utf8ToAnsiSpelled(utf8);
  for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return key;
}

}  // namespace vespera
