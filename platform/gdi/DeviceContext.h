#pragma once
// CDC: a drawing context. Either over a target surface that someone else owns
// (the screen: the window layer opens one per paint with the window's origin
// and clip), or a memory context that draws into the bitmap selected into it.
//
// Coordinates are logical: a point (x, y) is pixel (origin.x + x, origin.y + y)
// of the target. Every drawing operation is clipped to the context's clip.

#include <memory>
#include <string>
#include <string_view>

#include "platform/gdi/FontEngine.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/Surface.h"

// Everything a context selects or sets, with its default; a released context
// takes these values again in one assignment.
struct CDCState {
  Surface* target_ = nullptr;
  // Keeps a memory context's selected pixels alive even if the bitmap is deleted.
  std::shared_ptr<Surface> selectedSurface_;
  bool memory_ = false;
  int deviceBitsPerPixel_ = 32;
  POINT origin_{};
  RECT clip_{};  // logical; cut to the target in DeviceClip()

  FontEngine* fonts_ = nullptr;
  mutable RasterFont* raster_ = nullptr;  // the current font, looked up lazily

  CBitmap* bitmap_ = nullptr;
  CFont* font_ = nullptr;
  LOGFONT logFont_{};
  bool fontSelected_ = false;
  CBrush* brush_ = nullptr;
  COLORREF brushColor_ = RGB(255, 255, 255);
  CPen* pen_ = nullptr;
  COLORREF penColor_ = RGB(0, 0, 0);
  bool penVisible_ = true;
  POINT position_{};

  COLORREF textColor_ = RGB(0, 0, 0);
  COLORREF backgroundColor_ = RGB(255, 255, 255);
  int backgroundMode_ = OPAQUE;
};

class CDC : private CDCState {
 public:
  // An empty context; CreateCompatibleDC makes it a memory context.
  CDC() = default;

  // Draws on `target` (which must outlive the context) with logical (0, 0) at
  // `origin`. `clip` is in logical coordinates and is further cut to the
  // target. `fonts` (may be null, then the context loads fonts on its own)
  // must outlive the context and every memory context made compatible with it.
  CDC(Surface& target, POINT origin, RECT clip, FontEngine* fonts);

  ~CDC();
  CDC(const CDC&) = delete;
  CDC& operator=(const CDC&) = delete;

  // A memory context with the device depth and fonts of `other`; with a null
  // `other` the device is taken to be 32 bits deep. No bitmap is selected:
  // until one is, drawing does nothing.
  BOOL CreateCompatibleDC(CDC* other);
  BOOL DeleteDC();
  bool IsMemoryDC() const { return memory_; }

  // Each returns the object selected before, or null for the default (no
  // bitmap; the system font; a white brush; a black solid pen). Selecting
  // null restores the default. A bitmap can only go into a memory context;
  // selecting one elsewhere, or an empty one, fails with null and changes nothing.
  CBitmap* SelectObject(CBitmap* bitmap);
  CFont* SelectObject(CFont* font);
  CBrush* SelectObject(CBrush* brush);
  CPen* SelectObject(CPen* pen);

  COLORREF SetTextColor(COLORREF color);
  COLORREF GetTextColor() const { return textColor_; }
  COLORREF SetBkColor(COLORREF color);
  COLORREF GetBkColor() const { return backgroundColor_; }
  int SetBkMode(int mode);
  int GetBkMode() const { return backgroundMode_; }

  // BITSPIXEL: the device depth (for a memory context, that of the context it
  // was made compatible with, whatever bitmap is selected). HORZRES and VERTRES:
  // the size of the surface drawn on.
  int GetDeviceCaps(int index) const;
  int GetClipBox(RECT* box) const;

  COLORREF GetPixel(int x, int y) const;
  // Answers the colour actually stored (4 bits a channel at 16 bits).
  COLORREF SetPixel(int x, int y, COLORREF color);

  // SRCCOPY only; converts between 16 and 32 bits. Source pixels outside the
  // source surface leave the destination as it was.
  BOOL BitBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY, DWORD rop);

  // Draws a 32-bit image whose fourth byte is opacity (LoadImageFile) at (x, y).
  void DrawImage(int x, int y, const Surface& image);

  void FillRect(const RECT* rect, const CBrush* brush);
  void FillSolidRect(const RECT* rect, COLORREF color);
  // A one-pixel outline along the inside of the rectangle.
  void FrameRect(const RECT* rect, const CBrush* brush);
  // Outline with the pen, inside filled with the brush (right/bottom exclusive).
  BOOL Rectangle(int left, int top, int right, int bottom);
  POINT MoveTo(int x, int y);
  // Draws with the pen from the current position up to, not including, (x, y).
  BOOL LineTo(int x, int y);

  // Draws text in `rect` as the flags ask (DT_* in GdiTypes.h) and answers the
  // height of the text; with DT_VCENTER or DT_BOTTOM on a single line, the
  // distance from rect->top to the bottom of the text. `count` -1 means the
  // text ends at its NUL. DT_CALCRECT draws nothing and sets rect's right and
  // bottom to fit the text.
  int DrawText(const WCHAR* text, int count, RECT* rect, UINT format);
  int DrawText(std::u16string_view text, RECT* rect, UINT format);
  // One line with its top-left corner at (x, y); no prefix processing.
  BOOL TextOut(int x, int y, std::u16string_view text);
  BOOL TextOut(int x, int y, const WCHAR* text, int count);

  SIZE GetTextExtent(const WCHAR* text, int count) const;
  SIZE GetTextExtent(std::u16string_view text) const;
  BOOL GetTextMetrics(TEXTMETRIC* metrics) const;

 private:
  void Release();
  FontEngine& Fonts() const;
  // The target's device rectangle that drawing may touch.
  RECT DeviceClip() const;
  RECT ToDevice(const RECT& r) const { return r.Offset(origin_.x, origin_.y); }
  RasterFont& CurrentFont() const;
  const LOGFONT& CurrentLogFont() const;
  LONG MeasureLine(std::u16string_view text) const;
  // Draws one line with its top-left at logical (x, y), clipped to deviceClip.
  void DrawLine(LONG x, LONG y, std::u16string_view text, LONG width, const RECT& deviceClip);
  void PlotLine(POINT from, POINT to, COLORREF color);

  // Fonts the context loaded on its own outlive Release; DeleteDC drops them.
  mutable std::unique_ptr<FontEngine> ownFonts_;
};
