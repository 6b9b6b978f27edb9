#pragma once
// The fonts of one program: FreeType, the face lookup and every face at every
// size drawn so far. The platform context owns one and hands it to the drawing
// contexts it creates; memory contexts inherit it. Not thread-safe: all text
// is drawn on the window thread.

#include <map>
#include <memory>
#include <tuple>

#include "platform/gdi/FontResolver.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/RasterFont.h"

// The face a drawing context uses until a font is selected: the dialog font
// "System 8", whose cell is 13 pixels on small screens (twice that from 480
// pixels wide, which the window layer sets with SetDefaultFont).
LOGFONT MakeSystemFont(LONG cellHeight);
inline constexpr LONG kSystemFontCellHeight = 13;

class FontEngine {
 public:
  FontEngine();
  ~FontEngine();
  FontEngine(const FontEngine&) = delete;
  FontEngine& operator=(const FontEngine&) = delete;

  void SetDefaultFont(const LOGFONT& font);
  const LOGFONT& DefaultFont() const { return defaultFont_; }

  // Always answers; a face that cannot be loaded draws nothing.
  RasterFont& Get(const LOGFONT& font);

  // The installed file a logical font maps to (empty without fonts).
  std::optional<FontFile> Resolve(const LOGFONT& font);

 private:
  struct LibraryDeleter {
    void operator()(FT_LibraryRec_* library) const;
  };
  using Key = std::tuple<std::u16string, LONG, bool, bool>;

  std::unique_ptr<FT_LibraryRec_, LibraryDeleter> library_;
  FontResolver resolver_;
  LOGFONT defaultFont_;
  std::map<Key, std::unique_ptr<RasterFont>> fonts_;
};
