#pragma once
// One face at one pixel size, with the glyphs it has rendered so far, so a
// repeated paint of the same labels rasterises nothing.

#include <memory>
#include <unordered_map>
#include <vector>

#include "platform/gdi/FontResolver.h"
#include "platform/gdi/GdiTypes.h"

struct FT_LibraryRec_;
struct FT_FaceRec_;

// An anti-aliased glyph: `coverage` holds width x height values 0..255,
// placed `left` pixels right of the pen and `top` pixels above the baseline.
struct Glyph {
  LONG left = 0;
  LONG top = 0;
  LONG width = 0;
  LONG height = 0;
  LONG advance = 0;
  std::vector<BYTE> coverage;
};

class RasterFont {
 public:
  // Without a file (no fonts installed) the font still answers metrics and
  // draws nothing, so text layout keeps working.
  RasterFont(FT_LibraryRec_* library, const std::optional<FontFile>& file, const LOGFONT& font,
             LONG defaultCellHeight);
  ~RasterFont();
  RasterFont(const RasterFont&) = delete;
  RasterFont& operator=(const RasterFont&) = delete;

  LONG Ascent() const { return ascent_; }
  LONG Descent() const { return descent_; }
  // Distance between lines: ascent plus descent, as the device's DrawText steps.
  LONG Height() const { return ascent_ + descent_; }
  TEXTMETRIC Metrics() const;
  const std::string& Family() const { return family_; }

  const Glyph& GetGlyph(char32_t codePoint);

 private:
  struct FaceDeleter {
    void operator()(FT_FaceRec_* face) const;
  };
  Glyph Render(char32_t codePoint);

  std::unique_ptr<FT_FaceRec_, FaceDeleter> face_;
  bool embolden_ = false;
  bool oblique_ = false;
  std::string family_;
  LONG ascent_ = 0;
  LONG descent_ = 0;
  LONG internalLeading_ = 0;
  LONG averageWidth_ = 0;
  LONG maxWidth_ = 0;
  LONG weight_ = FW_NORMAL;
  bool italic_ = false;
  // Latin text dominates; a flat table spares the hash for those.
  std::vector<std::unique_ptr<Glyph>> latin_;
  std::unordered_map<char32_t, Glyph> others_;
};
