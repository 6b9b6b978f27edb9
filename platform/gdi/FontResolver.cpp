#include "platform/gdi/FontResolver.h"

#include <fontconfig/fontconfig.h>

#include "platform/runtime/CaseFold.h"
#include "platform/runtime/CodePage.h"

namespace {

struct PatternDeleter {
  void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using PatternPtr = std::unique_ptr<FcPattern, PatternDeleter>;

// The device's stock names for its own UI face; they mean "the usual sans".
bool IsSystemFaceName(const std::string& folded) {
  return folded.empty() || folded == "system";
}

}  // namespace

void FontResolver::ConfigDeleter::operator()(_FcConfig* config) const { FcConfigDestroy(config); }

FontResolver::FontResolver() = default;
FontResolver::~FontResolver() = default;

std::optional<FontFile> FontResolver::Resolve(std::u16string_view face, bool bold, bool italic) {
  WideString folded(face);
  FoldWide(folded);
  std::string family = WideToUtf8(folded);
  auto key = std::make_tuple(family, bold, italic);
  if (auto it = resolved_.find(key); it != resolved_.end()) return it->second;
  if (IsSystemFaceName(family)) family = "sans-serif";
  std::optional<FontFile> file = Match(family, bold, italic);
  resolved_.emplace(std::move(key), file);
  return file;
}

std::optional<FontFile> FontResolver::Match(const std::string& family, bool bold, bool italic) {
  if (!config_) {
    config_.reset(FcInitLoadConfigAndFonts());
    if (!config_) return std::nullopt;
  }
  PatternPtr pattern(FcPatternCreate());
  if (!pattern) return std::nullopt;
  FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcPatternAddInteger(pattern.get(), FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern.get(), FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
  FcConfigSubstitute(config_.get(), pattern.get(), FcMatchPattern);
  FcDefaultSubstitute(pattern.get());

  FcResult result = FcResultNoMatch;
  PatternPtr match(FcFontMatch(config_.get(), pattern.get(), &result));
  if (!match) return std::nullopt;

  FcChar8* path = nullptr;
  if (FcPatternGetString(match.get(), FC_FILE, 0, &path) != FcResultMatch || !path) return std::nullopt;
  FontFile file;
  file.path = reinterpret_cast<const char*>(path);
  int index = 0;
  if (FcPatternGetInteger(match.get(), FC_INDEX, 0, &index) == FcResultMatch) file.faceIndex = index;
  FcChar8* matchedFamily = nullptr;
  if (FcPatternGetString(match.get(), FC_FAMILY, 0, &matchedFamily) == FcResultMatch && matchedFamily)
    file.family = reinterpret_cast<const char*>(matchedFamily);
  // fontconfig reports the style it found; synthesise what the file lacks.
  int weight = FC_WEIGHT_REGULAR;
  FcPatternGetInteger(match.get(), FC_WEIGHT, 0, &weight);
  int slant = FC_SLANT_ROMAN;
  FcPatternGetInteger(match.get(), FC_SLANT, 0, &slant);
  file.embolden = bold && weight < FC_WEIGHT_DEMIBOLD;
  file.oblique = italic && slant == FC_SLANT_ROMAN;
  return file;
}
