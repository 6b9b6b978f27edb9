#include "platform/gdi/FontEngine.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <string_view>

#include "platform/runtime/CodePage.h"

namespace {

// Weights from semi-bold up are drawn with the bold face.
constexpr LONG kBoldFrom = 600;

std::u16string FaceName(const LOGFONT& font) {
  return std::u16string(font.lfFaceName, WideFieldLength(font.lfFaceName, LF_FACESIZE));
}

bool IsBold(const LOGFONT& font) { return font.lfWeight >= kBoldFrom; }

}  // namespace

LOGFONT MakeSystemFont(LONG cellHeight) {
  LOGFONT font;
  font.lfHeight = cellHeight;
  font.lfWeight = FW_NORMAL;
  const std::u16string_view name = u"System";
  name.copy(font.lfFaceName, name.size());
  return font;
}

void FontEngine::LibraryDeleter::operator()(FT_LibraryRec_* library) const { FT_Done_FreeType(library); }

FontEngine::FontEngine() : defaultFont_(MakeSystemFont(kSystemFontCellHeight)) {
  FT_Library library = nullptr;
  if (FT_Init_FreeType(&library) == 0) library_.reset(library);
}

FontEngine::~FontEngine() = default;

void FontEngine::SetDefaultFont(const LOGFONT& font) { defaultFont_ = font; }

std::optional<FontFile> FontEngine::Resolve(const LOGFONT& font) {
  return resolver_.Resolve(FaceName(font), IsBold(font), font.lfItalic != 0);
}

RasterFont& FontEngine::Get(const LOGFONT& font) {
  Key key{FaceName(font), font.lfHeight, IsBold(font), font.lfItalic != 0};
  auto it = fonts_.find(key);
  if (it == fonts_.end()) {
    auto raster = std::make_unique<RasterFont>(library_.get(), Resolve(font), font, kSystemFontCellHeight);
    it = fonts_.emplace(std::move(key), std::move(raster)).first;
  }
  return *it->second;
}
