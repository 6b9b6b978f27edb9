#include "platform/gdi/GdiObjects.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "platform/gdi/DeviceContext.h"

BOOL CBrush::CreateSolidBrush(COLORREF color) {
  created_ = true;
  color_ = color;
  return TRUE;
}

BOOL CBrush::DeleteObject() {
  return std::exchange(created_, false) ? TRUE : FALSE;
}

BOOL CPen::CreatePen(int style, int /*width*/, COLORREF color) {
  if (style != PS_SOLID && style != PS_NULL) return FALSE;
  created_ = true;
  style_ = style;
  color_ = color;
  return TRUE;
}

BOOL CPen::DeleteObject() {
  return std::exchange(created_, false) ? TRUE : FALSE;
}

BOOL CFont::CreateFontIndirect(const LOGFONT* font) {
  if (!font) return FALSE;
  font_ = *font;
  created_ = true;
  return TRUE;
}

BOOL CFont::DeleteObject() {
  return std::exchange(created_, false) ? TRUE : FALSE;
}

int CFont::GetLogFont(LOGFONT* font) const {
  if (!font || !created_) return 0;
  *font = font_;
  return int(sizeof(LOGFONT));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* dc, int width, int height) {
  surface_.reset();
  if (!dc) return FALSE;
  const int depth = dc->GetDeviceCaps(BITSPIXEL);
  if (!Surface::CanCreate(width, height, depth)) return FALSE;
  surface_ = std::make_shared<Surface>(width, height, depth);
  return TRUE;
}

void CBitmap::AttachSurface(Surface surface) {
  surface_ = std::make_shared<Surface>(std::move(surface));
}

BOOL CBitmap::DeleteObject() {
  const bool existed = surface_ != nullptr;
  surface_.reset();
  return existed ? TRUE : FALSE;
}

DWORD CBitmap::SetBitmapBits(DWORD count, const void* bits) {
  if (!surface_ || !bits) return 0;
  std::span<BYTE> bytes = surface_->Bytes();
  const std::size_t copied = std::min<std::size_t>(count, bytes.size());
  std::memcpy(bytes.data(), bits, copied);
  return DWORD(copied);
}

DWORD CBitmap::GetBitmapBits(DWORD count, void* bits) const {
  if (!surface_ || !bits) return 0;
  std::span<const BYTE> bytes = surface_->Bytes();
  const std::size_t copied = std::min<std::size_t>(count, bytes.size());
  std::memcpy(bits, bytes.data(), copied);
  return DWORD(copied);
}

int CBitmap::GetBitmap(BITMAP* info) const {
  if (!surface_ || !info) return 0;
  *info = BITMAP{};
  info->bmWidth = surface_->Width();
  info->bmHeight = surface_->Height();
  info->bmWidthBytes = surface_->BytesPerRow();
  info->bmPlanes = 1;
  info->bmBitsPixel = WORD(surface_->BitsPerPixel());
  return int(sizeof(BITMAP));
}
