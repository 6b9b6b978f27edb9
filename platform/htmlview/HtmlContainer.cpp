#include "platform/htmlview/HtmlContainer.h"

#include <algorithm>
#include <cwctype>

#include "platform/gdi/ImageFiles.h"
#include "platform/gdi/TextLayout.h"
#include "platform/runtime/CodePage.h"

namespace {

COLORREF ToColor(const litehtml::web_color& c) { return RGB(c.red, c.green, c.blue); }

RECT ToRect(const litehtml::position& p) { return {p.x, p.y, p.x + p.width, p.y + p.height}; }

CDC* ContextOf(litehtml::uint_ptr hdc) { return reinterpret_cast<CDC*>(hdc); }

// The first family of a CSS font list, without quotes; generic names map to
// families installed with the platform's fonts.
WideString FaceFromList(const char* list) {
  std::string face = list ? list : "";
  face = face.substr(0, face.find(','));
  std::erase_if(face, [](char c) { return c == '"' || c == '\''; });
  litehtml::trim(face);
  if (face == "monospace") face = "Liberation Mono";
  else if (face == "serif") face = "Liberation Serif";
  else if (face == "sans-serif" || face.empty()) face = "Liberation Sans";
  return Utf8ToWide(face);
}

// Roman numerals for ordered lists; beyond 3999 the decimal number serves.
std::string Roman(int n) {
  if (n <= 0 || n > 3999) return std::to_string(n);
  static constexpr std::pair<int, const char*> kDigits[] = {{1000, "m"}, {900, "cm"}, {500, "d"}, {400, "cd"},
                                                            {100, "c"},  {90, "xc"},  {50, "l"},  {40, "xl"},
                                                            {10, "x"},   {9, "ix"},   {5, "v"},   {4, "iv"},
                                                            {1, "i"}};
  std::string text;
  for (const auto& [value, digits] : kDigits)
    while (n >= value) {
      text += digits;
      n -= value;
    }
  return text;
}

std::string Alpha(int n) {
  if (n <= 0) return std::to_string(n);
  std::string text;
  while (n > 0) {
    --n;
    text.insert(text.begin(), char('a' + n % 26));
    n /= 26;
  }
  return text;
}

std::string Upper(std::string text) {
  for (char& c : text) c = char(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

// The label of an ordered list item, or empty for the bullet kinds.
std::string OrderedLabel(const litehtml::list_marker& marker) {
  switch (marker.marker_type) {
    case litehtml::list_style_type_decimal: return std::to_string(marker.index) + ".";
    case litehtml::list_style_type_decimal_leading_zero: {
      // Appended piece by piece: prepending to a temporary string makes
      // GCC 12 at -O3 report a false overlap inside std::string (-Wrestrict).
      std::string label = marker.index >= 0 && marker.index < 10 ? "0" : "";
      label += std::to_string(marker.index);
      label += '.';
      return label;
    }
    case litehtml::list_style_type_lower_roman: return Roman(marker.index) + ".";
    case litehtml::list_style_type_upper_roman: return Upper(Roman(marker.index)) + ".";
    case litehtml::list_style_type_lower_alpha:
    case litehtml::list_style_type_lower_latin: return Alpha(marker.index) + ".";
    case litehtml::list_style_type_upper_alpha:
    case litehtml::list_style_type_upper_latin: return Upper(Alpha(marker.index)) + ".";
    case litehtml::list_style_type_circle:
    case litehtml::list_style_type_disc:
    case litehtml::list_style_type_square:
    case litehtml::list_style_type_none: return {};
    default: return std::to_string(marker.index) + ".";
  }
}

}  // namespace

std::optional<std::string> FilePathOfAddress(std::string_view address) {
  constexpr std::string_view kPrefix = "file://";
  if (address.size() <= kPrefix.size()) return std::nullopt;
  for (std::size_t i = 0; i < kPrefix.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(address[i])) != kPrefix[i]) return std::nullopt;
  return std::string(address.substr(kPrefix.size()));
}

HtmlContainer::HtmlContainer(FontEngine& fonts, HtmlMetrics metrics) : fonts_(fonts), metrics_(metrics) {}

HtmlContainer::~HtmlContainer() = default;

litehtml::uint_ptr HtmlContainer::create_font(const litehtml::tchar_t* faceName, int size, int weight,
                                              litehtml::font_style italic, unsigned int decoration,
                                              litehtml::font_metrics* fm) {
  LOGFONT logFont;
  // Absurd sizes from a page's style are held to something a screen can show.
  logFont.lfHeight = -std::clamp(size, 1, 1000);
  logFont.lfWeight = weight >= 600 ? FW_BOLD : FW_NORMAL;
  logFont.lfItalic = italic == litehtml::fontStyleItalic ? 1 : 0;
  logFont.lfUnderline = (decoration & litehtml::font_decoration_underline) ? 1 : 0;
  const WideString face = FaceFromList(faceName);
  std::copy_n(face.begin(), std::min<std::size_t>(face.size(), LF_FACESIZE - 1), logFont.lfFaceName);

  auto font = std::make_unique<Font>();
  font->font.CreateFontIndirect(&logFont);
  font->raster = &fonts_.Get(logFont);
  if (fm) {
    fm->ascent = font->raster->Ascent();
    fm->descent = font->raster->Descent();
    fm->height = font->raster->Height();
    const Glyph& x = font->raster->GetGlyph(U'x');
    fm->x_height = x.height > 0 ? x.height : fm->ascent / 2;
    fm->draw_spaces = logFont.lfUnderline != 0;
  }
  fontTable_.push_back(std::move(font));
  return fontTable_.size();
}

void HtmlContainer::delete_font(litehtml::uint_ptr font) {
  if (font >= 1 && font <= fontTable_.size()) fontTable_[font - 1].reset();
}

HtmlContainer::Font* HtmlContainer::FindFont(litehtml::uint_ptr handle) {
  return handle >= 1 && handle <= fontTable_.size() ? fontTable_[handle - 1].get() : nullptr;
}

int HtmlContainer::text_width(const litehtml::tchar_t* text, litehtml::uint_ptr font) {
  Font* entry = FindFont(font);
  if (!entry || !text) return 0;
  LONG width = 0;
  ForEachCodePoint(Utf8ToWide(text), [&](char32_t c) { width += entry->raster->GetGlyph(c).advance; });
  return int(width);
}

void HtmlContainer::draw_text(litehtml::uint_ptr hdc, const litehtml::tchar_t* text, litehtml::uint_ptr font,
                              litehtml::web_color color, const litehtml::position& pos) {
  CDC* dc = ContextOf(hdc);
  Font* entry = FindFont(font);
  if (!dc || !entry || !text) return;
  CFont* previous = dc->SelectObject(&entry->font);
  dc->SetTextColor(ToColor(color));
  dc->SetBkMode(TRANSPARENT);
  // The engine places the baseline a descent above the box's bottom.
  const LONG top = pos.bottom() - entry->raster->Descent() - entry->raster->Ascent();
  dc->TextOut(pos.x, top, Utf8ToWide(text));
  dc->SelectObject(previous);
}

int HtmlContainer::pt_to_px(int pt) const { return pt * metrics_.dpi / 72; }

int HtmlContainer::get_default_font_size() const { return metrics_.defaultFontSize; }

const litehtml::tchar_t* HtmlContainer::get_default_font_name() const { return "Liberation Sans"; }

void HtmlContainer::draw_list_marker(litehtml::uint_ptr hdc, const litehtml::list_marker& marker) {
  CDC* dc = ContextOf(hdc);
  if (!dc || marker.marker_type == litehtml::list_style_type_none) return;
  const std::string label = OrderedLabel(marker);
  if (!label.empty()) {
    Font* entry = FindFont(marker.font);
    if (!entry) return;
    const int width = text_width(label.c_str(), marker.font);
    // Numbers end just before the item's text, a little left of the bullet box.
    litehtml::position box(marker.pos.x + marker.pos.width - width - marker.pos.width / 2, marker.pos.y,
                           width, marker.pos.height);
    const int lineBottom = marker.pos.y + marker.pos.height +
                           std::max(0, int(entry->raster->Height()) - marker.pos.height) / 2;
    box.height = lineBottom - box.y;
    draw_text(hdc, label.c_str(), marker.font, marker.color, box);
    return;
  }
  const RECT r = ToRect(marker.pos);
  const COLORREF color = ToColor(marker.color);
  switch (marker.marker_type) {
    case litehtml::list_style_type_square: dc->FillSolidRect(&r, color); break;
    case litehtml::list_style_type_circle: {
      CBrush brush(color);
      dc->FrameRect(&r, &brush);
      break;
    }
    default: {
      // A filled dot: a square with its corners taken off.
      const LONG cut = r.Width() >= 5 ? 1 : 0;
      RECT wide{r.left, r.top + cut, r.right, r.bottom - cut};
      RECT tall{r.left + cut, r.top, r.right - cut, r.bottom};
      dc->FillSolidRect(&wide, color);
      dc->FillSolidRect(&tall, color);
    }
  }
}

const Surface* HtmlContainer::FindImage(const litehtml::tchar_t* src) {
  if (!src) return nullptr;
  const auto found = images_.find(src);
  if (found != images_.end()) return found->second ? &*found->second : nullptr;
  if (images_.size() >= kMaxHtmlImages) return nullptr;
  std::optional<Surface> image;
  if (const std::optional<std::string> path = FilePathOfAddress(src))
    if (Expected<Surface> loaded = LoadImageFile(*path)) image = std::move(*loaded);
  const auto inserted = images_.emplace(src, std::move(image)).first;
  return inserted->second ? &*inserted->second : nullptr;
}

void HtmlContainer::load_image(const litehtml::tchar_t* src, const litehtml::tchar_t*, bool) { FindImage(src); }

void HtmlContainer::get_image_size(const litehtml::tchar_t* src, const litehtml::tchar_t*, litehtml::size& sz) {
  const Surface* image = FindImage(src);
  sz.width = image ? int(image->Width()) : 0;
  sz.height = image ? int(image->Height()) : 0;
}

void HtmlContainer::draw_background(litehtml::uint_ptr hdc, const litehtml::background_paint& bg) {
  CDC* dc = ContextOf(hdc);
  if (!dc) return;
  if (bg.color.alpha > 0) {
    const RECT box = ToRect(bg.clip_box);
    dc->FillSolidRect(&box, ToColor(bg.color));
  }
  if (bg.image.empty()) return;
  // Pictures are drawn once at their origin; the pages use no tiled backgrounds.
  if (const Surface* image = FindImage(bg.image.c_str())) dc->DrawImage(bg.position_x, bg.position_y, *image);
}

void HtmlContainer::draw_borders(litehtml::uint_ptr hdc, const litehtml::borders& borders,
                                 const litehtml::position& drawPos, bool) {
  CDC* dc = ContextOf(hdc);
  if (!dc) return;
  const auto visible = [](const litehtml::border& b) {
    return b.width > 0 && b.style != litehtml::border_style_none && b.style != litehtml::border_style_hidden;
  };
  const RECT box = ToRect(drawPos);
  const auto fill = [&](const litehtml::border& b, RECT r) {
    if (visible(b)) dc->FillSolidRect(&r, ToColor(b.color));
  };
  fill(borders.top, {box.left, box.top, box.right, box.top + borders.top.width});
  fill(borders.bottom, {box.left, box.bottom - borders.bottom.width, box.right, box.bottom});
  fill(borders.left, {box.left, box.top, box.left + borders.left.width, box.bottom});
  fill(borders.right, {box.right - borders.right.width, box.top, box.right, box.bottom});
}

void HtmlContainer::transform_text(litehtml::tstring& text, litehtml::text_transform tt) {
  if (tt == litehtml::text_transform_none) return;
  WideString wide = Utf8ToWide(text);
  bool wordStart = true;
  for (char16_t& c : wide) {
    const bool upper = tt == litehtml::text_transform_uppercase ||
                       (tt == litehtml::text_transform_capitalize && wordStart);
    if (upper) c = char16_t(std::towupper(c));
    else if (tt == litehtml::text_transform_lowercase) c = char16_t(std::towlower(c));
    wordStart = std::iswspace(c) != 0;
  }
  text = WideToUtf8(wide);
}

void HtmlContainer::get_client_rect(litehtml::position& client) const { client = viewport_; }

void HtmlContainer::get_media_features(litehtml::media_features& media) const {
  media.type = litehtml::media_type_screen;
  media.width = media.device_width = viewport_.width;
  media.height = media.device_height = viewport_.height;
  media.color = 8;
  media.monochrome = 0;
  media.color_index = 256;
  media.resolution = metrics_.dpi;
}

void HtmlContainer::get_language(litehtml::tstring& language, litehtml::tstring& culture) const {
  language = "en";
  culture = "";
}
