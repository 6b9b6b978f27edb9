#include "skymap/MapSurface.h"

namespace vespera {

void MapSurface::CreateMapSurface(CDC* dc, int width, int height) {
  DeleteMapBitmap();
  pixels_.FreePixels();
  if (!bitmap_.CreateCompatibleBitmap(dc, width, height)) return;
  bitmap_.GetBitmap(&info_);
  hasBitmap_ = true;
}

void MapSurface::AllocatePixels() {
  pixels_.AllocatePixels(info_.bmWidth, info_.bmHeight, info_.bmWidthBytes, info_.bmBitsPixel);
}

void MapSurface::CommitPixels() {
  if (!hasBitmap_ || !pixels_.hasPixels()) return;
  bitmap_.SetBitmapBits(static_cast<DWORD>(pixels_.size()), pixels_.bytes().data());
}

void MapSurface::BlitMapSurface(CDC* dc, int left, int top) {
  if (!hasBitmap_ || dc == nullptr) return;
  CDC memory;
  memory.CreateCompatibleDC(dc);
  CBitmap* previous = memory.SelectObject(&bitmap_);
  dc->BitBlt(left, top, info_.bmWidth, info_.bmHeight, &memory, 0, 0, SRCCOPY);
  memory.SelectObject(previous);
  memory.DeleteDC();
}

void MapSurface::DeleteMapBitmap() {
  bitmap_.DeleteObject();
  info_ = {};
  hasBitmap_ = false;
}

}  // namespace vespera
