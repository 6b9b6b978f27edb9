#pragma once
// The off-screen map picture: a bitmap compatible with the screen and the
// program's own pixel buffer behind it. The renderer writes into the buffer
// with no platform call per pixel, copies the buffer into the bitmap once per
// rebuild and the bitmap onto the window once per paint.
//
// Life cycle, as the main window drives it: CreateMapSurface, AllocatePixels,
// ClearPixels, CommitPixels at start (so the picture starts black); then
// ClearPixels, the two primitives and CommitPixels per rebuild and
// BlitMapSurface per paint; FreePixels and DeleteMapBitmap at the end. The
// bitmap and buffer are also released when the object goes, whatever the
// order of the calls.

#include <cstddef>

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/GdiObjects.h"
#include "skymap/MapPixels.h"

namespace vespera {

class MapSurface {
 public:
  // Replaces any previous bitmap with a black one of the context's depth and
  // reads its properties back; any pixel buffer is forgotten. A size the
  // platform refuses leaves no bitmap, and every later operation then does
  // nothing.
  void CreateMapSurface(CDC* dc, int width, int height);
  // A zero-filled buffer shaped like the bitmap; empty without a bitmap.
  void AllocatePixels();
  void ClearPixels() { pixels_.ClearPixels(); }
  // One copy of the whole buffer into the bitmap.
  void CommitPixels();
  // Copies the bitmap to `dc` with its top-left corner at (left, top).
  void BlitMapSurface(CDC* dc, int left, int top);
  void FreePixels() { pixels_.FreePixels(); }
  void DeleteMapBitmap();

  void PutPixel(int x, int y, BYTE r, BYTE g, BYTE b) { pixels_.PutPixel(x, y, r, g, b); }
  void DrawLine(int x1, int y1, int x2, int y2, BYTE r, BYTE g, BYTE b) {
    pixels_.DrawLine(x1, y1, x2, y2, r, g, b);
  }

  bool hasBitmap() const { return hasBitmap_; }
  // Properties as the platform reported them when the bitmap was made.
  const BITMAP& bitmapInfo() const { return info_; }
  int bytesPerPixel() const { return info_.bmBitsPixel / 8; }
  MapPixels& pixels() { return pixels_; }
  const MapPixels& pixels() const { return pixels_; }
  const CBitmap& bitmap() const { return bitmap_; }

 private:
  CBitmap bitmap_;
  BITMAP info_{};
  bool hasBitmap_ = false;
  MapPixels pixels_;
};

}  // namespace vespera
