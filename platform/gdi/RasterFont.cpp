#include "platform/gdi/RasterFont.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// Sizes beyond this would only produce enormous glyph bitmaps.
constexpr double kMaxPixelSize = 512.0;
constexpr char32_t kLatinTableSize = 0x250;
// Without font data a cell is taken to be 1.15 em, about what DejaVu gives.
constexpr double kCellPerEmFallback = 1.15;

// The vertical extent Windows measures a face by (OS/2 win metrics), falling
// back to hhea for fonts that lack them. In font units.
std::pair<double, double> VerticalExtent(FT_Face face) {
  auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  if (os2 && os2->usWinAscent + os2->usWinDescent > 0)
    return {double(os2->usWinAscent), double(os2->usWinDescent)};
  return {double(face->ascender), double(-face->descender)};
}

double RequestedCellHeight(const LOGFONT& font, LONG defaultCellHeight) {
  return font.lfHeight == 0 ? double(defaultCellHeight) : double(font.lfHeight);
}

LONG Round(double v) { return LONG(std::lround(v)); }

}  // namespace

void RasterFont::FaceDeleter::operator()(FT_FaceRec_* face) const { FT_Done_Face(face); }

RasterFont::RasterFont(FT_LibraryRec_* library, const std::optional<FontFile>& file,
                       const LOGFONT& font, LONG defaultCellHeight)
    : weight_(font.lfWeight == FW_DONTCARE ? FW_NORMAL : font.lfWeight), italic_(font.lfItalic != 0) {
  // Negative heights ask for the em, positive ones for the whole cell.
  const double requested = RequestedCellHeight(font, defaultCellHeight);
  FT_Face face = nullptr;
  if (library && file && FT_New_Face(library, file->path.c_str(), file->faceIndex, &face) == 0) {
    face_.reset(face);
    embolden_ = file->embolden;
    oblique_ = file->oblique;
    family_ = file->family;
  }

  if (!face_ || face_->units_per_EM == 0) {
    face_.reset();
    double em = std::clamp(requested < 0 ? -requested : requested / kCellPerEmFallback, 1.0, kMaxPixelSize);
    LONG cell = std::max<LONG>(1, Round(em * kCellPerEmFallback));
    ascent_ = Round(cell * 0.8);
    descent_ = cell - ascent_;
    internalLeading_ = cell - Round(em);
    averageWidth_ = maxWidth_ = std::max<LONG>(1, Round(em / 2));
    return;
  }

  const double unitsPerEm = face_->units_per_EM;
  const auto [winAscent, winDescent] = VerticalExtent(face_.get());
  const double cellPerEm = (winAscent + winDescent) / unitsPerEm;
  double em = requested < 0 ? -requested : requested / (cellPerEm > 0 ? cellPerEm : kCellPerEmFallback);
  em = std::clamp(em, 1.0, kMaxPixelSize);
  FT_Set_Char_Size(face_.get(), 0, FT_F26Dot6(std::lround(em * 64)), 72, 72);

  const LONG cell = std::max<LONG>(1, Round(em * cellPerEm));
  ascent_ = std::min(cell, Round(em * winAscent / unitsPerEm));
  descent_ = cell - ascent_;
  internalLeading_ = std::max<LONG>(0, cell - Round(em));
  auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face_.get(), FT_SFNT_OS2));
  averageWidth_ = Round(em * (os2 && os2->xAvgCharWidth > 0 ? os2->xAvgCharWidth : unitsPerEm / 2) / unitsPerEm);
  maxWidth_ = Round(em * face_->max_advance_width / unitsPerEm);
}

RasterFont::~RasterFont() = default;

TEXTMETRIC RasterFont::Metrics() const {
  TEXTMETRIC m;
  m.tmHeight = Height();
  m.tmAscent = ascent_;
  m.tmDescent = descent_;
  m.tmInternalLeading = internalLeading_;
  m.tmAveCharWidth = averageWidth_;
  m.tmMaxCharWidth = maxWidth_;
  m.tmWeight = weight_;
  m.tmItalic = italic_ ? 1 : 0;
  return m;
}

const Glyph& RasterFont::GetGlyph(char32_t codePoint) {
  if (codePoint < kLatinTableSize) {
    if (latin_.empty()) latin_.resize(kLatinTableSize);
    auto& slot = latin_[codePoint];
    if (!slot) slot = std::make_unique<Glyph>(Render(codePoint));
    return *slot;
  }
  auto it = others_.find(codePoint);
  if (it == others_.end()) it = others_.emplace(codePoint, Render(codePoint)).first;
  return it->second;
}

Glyph RasterFont::Render(char32_t codePoint) {
  Glyph glyph;
  // Control characters take no room, as line breaks are handled by layout.
  if (!face_ || codePoint < 0x20) return glyph;
  FT_Face face = face_.get();
  if (FT_Load_Glyph(face, FT_Get_Char_Index(face, codePoint), FT_LOAD_DEFAULT | FT_LOAD_NO_BITMAP) != 0)
    return glyph;
  if (embolden_) FT_GlyphSlot_Embolden(face->glyph);
  if (oblique_) FT_GlyphSlot_Oblique(face->glyph);
  glyph.advance = LONG((face->glyph->advance.x + 32) >> 6);
  if (FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL) != 0) return glyph;

  const FT_Bitmap& bitmap = face->glyph->bitmap;
  glyph.left = face->glyph->bitmap_left;
  glyph.top = face->glyph->bitmap_top;
  glyph.width = LONG(bitmap.width);
  glyph.height = LONG(bitmap.rows);
  glyph.coverage.resize(std::size_t(glyph.width) * std::size_t(glyph.height));
  // A negative pitch means the rows lie bottom-up from the buffer start.
  const unsigned char* top = bitmap.pitch < 0 && glyph.height > 0
                                 ? bitmap.buffer - std::ptrdiff_t(glyph.height - 1) * bitmap.pitch
                                 : bitmap.buffer;
  for (LONG y = 0; y < glyph.height; ++y) {
    const unsigned char* row = top + std::ptrdiff_t(y) * bitmap.pitch;
    BYTE* out = glyph.coverage.data() + std::size_t(y) * std::size_t(glyph.width);
    for (LONG x = 0; x < glyph.width; ++x) {
      if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO)
        out[x] = (row[x >> 3] & (0x80 >> (x & 7))) ? 255 : 0;
      else
        out[x] = BYTE(row[x] * 255 / std::max(1, int(bitmap.num_grays) - 1));
    }
  }
  return glyph;
}
