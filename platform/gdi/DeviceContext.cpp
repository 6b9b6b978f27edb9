#include "platform/gdi/DeviceContext.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "platform/gdi/TextLayout.h"

CDC::CDC(Surface& target, POINT origin, RECT clip, FontEngine* fonts) {
  target_ = &target;
  deviceBitsPerPixel_ = target.BitsPerPixel();
  origin_ = origin;
  clip_ = clip;
  fonts_ = fonts;
}

CDC::~CDC() = default;

void CDC::Release() { static_cast<CDCState&>(*this) = CDCState{}; }

BOOL CDC::CreateCompatibleDC(CDC* other) {
  const int depth = other ? other->deviceBitsPerPixel_ : 32;
  FontEngine* fonts = other ? other->fonts_ : nullptr;
  Release();
  memory_ = true;
  deviceBitsPerPixel_ = depth;
  fonts_ = fonts;
  return TRUE;
}

BOOL CDC::DeleteDC() {
  const bool existed = target_ != nullptr || memory_;
  Release();
  ownFonts_.reset();
  return existed ? TRUE : FALSE;
}

CBitmap* CDC::SelectObject(CBitmap* bitmap) {
  if (!memory_) return nullptr;
  std::shared_ptr<Surface> surface = bitmap ? bitmap->SharedSurface() : nullptr;
  if (bitmap && !surface) return nullptr;
  CBitmap* previous = bitmap_;
  bitmap_ = bitmap;
  selectedSurface_ = std::move(surface);
  target_ = selectedSurface_.get();
  clip_ = target_ ? target_->Bounds() : RECT{};
  return previous;
}

CFont* CDC::SelectObject(CFont* font) {
  CFont* previous = font_;
  font_ = font && font->GetSafeHandle() ? font : nullptr;
  fontSelected_ = font_ != nullptr;
  if (font_) logFont_ = font_->LogFont();
  raster_ = nullptr;
  return previous;
}

CBrush* CDC::SelectObject(CBrush* brush) {
  CBrush* previous = brush_;
  brush_ = brush && brush->GetSafeHandle() ? brush : nullptr;
  brushColor_ = brush_ ? brush_->GetColor() : RGB(255, 255, 255);
  return previous;
}

CPen* CDC::SelectObject(CPen* pen) {
  CPen* previous = pen_;
  pen_ = pen && pen->GetSafeHandle() ? pen : nullptr;
  penColor_ = pen_ ? pen_->GetColor() : RGB(0, 0, 0);
  penVisible_ = !pen_ || pen_->GetStyle() != PS_NULL;
  return previous;
}

COLORREF CDC::SetTextColor(COLORREF color) { return std::exchange(textColor_, color); }
COLORREF CDC::SetBkColor(COLORREF color) { return std::exchange(backgroundColor_, color); }

int CDC::SetBkMode(int mode) {
  if (mode != TRANSPARENT && mode != OPAQUE) return 0;
  return std::exchange(backgroundMode_, mode);
}

int CDC::GetDeviceCaps(int index) const {
  switch (index) {
    case BITSPIXEL: return deviceBitsPerPixel_;
    case PLANES: return 1;
    case HORZRES: return target_ ? target_->Width() : 0;
    case VERTRES: return target_ ? target_->Height() : 0;
    default: return 0;
  }
}

RECT CDC::DeviceClip() const {
  if (!target_) return {};
  return ToDevice(clip_).Intersect(target_->Bounds());
}

int CDC::GetClipBox(RECT* box) const {
  RECT clip = DeviceClip();
  if (box) *box = clip.IsEmpty() ? RECT{} : clip.Offset(-origin_.x, -origin_.y);
  return clip.IsEmpty() ? NULLREGION : SIMPLEREGION;
}

COLORREF CDC::GetPixel(int x, int y) const {
  POINT p{x + origin_.x, y + origin_.y};
  if (!DeviceClip().Contains(p)) return CLR_INVALID;
  return target_->GetPixel(p.x, p.y);
}

COLORREF CDC::SetPixel(int x, int y, COLORREF color) {
  POINT p{x + origin_.x, y + origin_.y};
  if (!DeviceClip().Contains(p)) return CLR_INVALID;
  target_->SetPixel(p.x, p.y, color);
  return target_->GetPixel(p.x, p.y);
}

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY, DWORD rop) {
  if (rop != SRCCOPY || !source || !source->target_ || !target_ || width < 0 || height < 0) return FALSE;
  const LONG left = sourceX + source->origin_.x;
  const LONG top = sourceY + source->origin_.y;
  target_->CopyFrom(*source->target_, {left, top, left + width, top + height},
                    {x + origin_.x, y + origin_.y}, DeviceClip());
  return TRUE;
}

void CDC::DrawImage(int x, int y, const Surface& image) {
  if (!target_) return;
  target_->BlendFrom(image, {x + origin_.x, y + origin_.y}, DeviceClip());
}

void CDC::FillRect(const RECT* rect, const CBrush* brush) {
  if (!rect || !brush || !brush->GetSafeHandle()) return;
  FillSolidRect(rect, brush->GetColor());
}

void CDC::FillSolidRect(const RECT* rect, COLORREF color) {
  if (!rect || !target_) return;
  target_->Fill(ToDevice(*rect).Intersect(DeviceClip()), color);
}

void CDC::FrameRect(const RECT* rect, const CBrush* brush) {
  if (!rect || rect->IsEmpty() || !brush || !brush->GetSafeHandle()) return;
  const RECT& r = *rect;
  const COLORREF color = brush->GetColor();
  const RECT edges[] = {{r.left, r.top, r.right, r.top + 1},
                        {r.left, r.bottom - 1, r.right, r.bottom},
                        {r.left, r.top, r.left + 1, r.bottom},
                        {r.right - 1, r.top, r.right, r.bottom}};
  for (const RECT& edge : edges) FillSolidRect(&edge, color);
}

BOOL CDC::Rectangle(int left, int top, int right, int bottom) {
  if (!target_) return FALSE;
  RECT r{std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
  FillSolidRect(&r, brushColor_);
  if (penVisible_ && !r.IsEmpty()) {
    CBrush edge(penColor_);
    FrameRect(&r, &edge);
  }
  return TRUE;
}

POINT CDC::MoveTo(int x, int y) { return std::exchange(position_, POINT{x, y}); }

BOOL CDC::LineTo(int x, int y) {
  if (!target_) return FALSE;
  const POINT to{x, y};
  if (penVisible_) PlotLine(position_, to, penColor_);
  position_ = to;
  return TRUE;
}

void CDC::PlotLine(POINT from, POINT to, COLORREF color) {
  // Bresenham, eight-connected; the last point is left out so that joined
  // segments do not draw their shared corner twice.
  const RECT clip = DeviceClip();
  const LONG dx = std::abs(to.x - from.x), dy = -std::abs(to.y - from.y);
  const LONG sx = from.x < to.x ? 1 : -1, sy = from.y < to.y ? 1 : -1;
  LONG error = dx + dy;
  POINT p = from;
  while (p.x != to.x || p.y != to.y) {
    POINT device{p.x + origin_.x, p.y + origin_.y};
    if (clip.Contains(device)) target_->SetPixel(device.x, device.y, color);
    const LONG twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      p.x += sx;
    }
    if (twice <= dx) {
      error += dx;
      p.y += sy;
    }
  }
}

FontEngine& CDC::Fonts() const {
  if (fonts_) return *fonts_;
  if (!ownFonts_) ownFonts_ = std::make_unique<FontEngine>();
  return *ownFonts_;
}

const LOGFONT& CDC::CurrentLogFont() const { return fontSelected_ ? logFont_ : Fonts().DefaultFont(); }

RasterFont& CDC::CurrentFont() const {
  if (!raster_) raster_ = &Fonts().Get(CurrentLogFont());
  return *raster_;
}

LONG CDC::MeasureLine(std::u16string_view text) const {
  RasterFont& font = CurrentFont();
  LONG width = 0;
  ForEachCodePoint(text, [&](char32_t c) { width += font.GetGlyph(c).advance; });
  return width;
}

void CDC::DrawLine(LONG x, LONG y, std::u16string_view text, LONG width, const RECT& deviceClip) {
  if (deviceClip.IsEmpty()) return;
  RasterFont& font = CurrentFont();
  const LONG left = x + origin_.x;
  const LONG top = y + origin_.y;
  if (backgroundMode_ == OPAQUE)
    target_->Fill(RECT{left, top, left + width, top + font.Height()}.Intersect(deviceClip), backgroundColor_);
  const LONG baseline = top + font.Ascent();
  LONG pen = left;
  ForEachCodePoint(text, [&](char32_t c) {
    const Glyph& glyph = font.GetGlyph(c);
    if (!glyph.coverage.empty())
      target_->BlendMask(glyph.coverage.data(), glyph.width, glyph.height,
                         {pen + glyph.left, baseline - glyph.top}, textColor_, deviceClip);
    pen += glyph.advance;
  });
  if (CurrentLogFont().lfUnderline)
    target_->Fill(RECT{left, baseline + 1, pen, baseline + 2}.Intersect(deviceClip), textColor_);
}

int CDC::DrawText(const WCHAR* text, int count, RECT* rect, UINT format) {
  std::u16string_view view;
  if (text) view = count < 0 ? std::u16string_view(text) : std::u16string_view(text, std::size_t(count));
  return DrawText(view, rect, format);
}

int CDC::DrawText(std::u16string_view text, RECT* rect, UINT format) {
  if (!rect || text.empty()) {
    if (rect && (format & DT_CALCRECT)) {
      rect->right = rect->left;
      rect->bottom = rect->top;
    }
    return 0;
  }
  std::u16string withoutPrefixes;
  if (!(format & DT_NOPREFIX)) {
    withoutPrefixes = StripPrefixes(text);
    text = withoutPrefixes;
  }
  std::u16string expanded;
  if (format & DT_EXPANDTABS) {
    expanded = ExpandTabs(text);
    text = expanded;
  }

  const LONG lineHeight = CurrentFont().Height();
  const std::vector<TextLine> lines =
      BreakLines(text, format, rect->Width(), [this](std::u16string_view s) { return MeasureLine(s); });
  const LONG textHeight = LONG(lines.size()) * lineHeight;

  if (format & DT_CALCRECT) {
    LONG widest = 0;
    for (const TextLine& line : lines) widest = std::max(widest, line.width);
    rect->right = rect->left + widest;
    rect->bottom = rect->top + textHeight;
    return textHeight;
  }
  if (!target_) return textHeight;

  // Vertical placement acts on single lines only, as on the device.
  LONG y = rect->top;
  const bool singleLine = (format & DT_SINGLELINE) != 0;
  if (singleLine && (format & DT_VCENTER))
    y = rect->top + (rect->Height() - lineHeight) / 2;
  else if (singleLine && (format & DT_BOTTOM))
    y = rect->bottom - lineHeight;
  const LONG firstTop = y;

  RECT clip = DeviceClip();
  if (!(format & DT_NOCLIP)) clip = clip.Intersect(ToDevice(*rect));
  for (const TextLine& line : lines) {
    LONG x = rect->left;
    if (format & DT_CENTER)
      x = rect->left + (rect->Width() - line.width) / 2;
    else if (format & DT_RIGHT)
      x = rect->right - line.width;
    DrawLine(x, y, line.text, line.width, clip);
    y += lineHeight;
  }
  if (singleLine && (format & (DT_VCENTER | DT_BOTTOM))) return firstTop + textHeight - rect->top;
  return textHeight;
}

BOOL CDC::TextOut(int x, int y, std::u16string_view text) {
  if (!target_) return FALSE;
  DrawLine(x, y, text, MeasureLine(text), DeviceClip());
  return TRUE;
}

BOOL CDC::TextOut(int x, int y, const WCHAR* text, int count) {
  if (!text) return FALSE;
  return TextOut(x, y, count < 0 ? std::u16string_view(text) : std::u16string_view(text, std::size_t(count)));
}

SIZE CDC::GetTextExtent(const WCHAR* text, int count) const {
  if (!text) return {0, CurrentFont().Height()};
  return GetTextExtent(count < 0 ? std::u16string_view(text) : std::u16string_view(text, std::size_t(count)));
}

SIZE CDC::GetTextExtent(std::u16string_view text) const {
  return {MeasureLine(text), CurrentFont().Height()};
}

BOOL CDC::GetTextMetrics(TEXTMETRIC* metrics) const {
  if (!metrics) return FALSE;
  *metrics = CurrentFont().Metrics();
  return TRUE;
}
