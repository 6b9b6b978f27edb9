#pragma once
// The drawing objects a program creates and selects into drawing contexts.
// Each frees what it holds when it goes out of scope; DeleteObject only does
// it sooner. A drawing context copies a selected brush, pen or font and shares
// a selected bitmap's pixels, so deleting an object that is still selected
// never leaves the context pointing at freed memory.

#include <memory>

#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/Surface.h"

class CDC;

// Identifies a created object; null when there is none.
using HGDIOBJ = const void*;

class CBrush {
 public:
  CBrush() = default;
  explicit CBrush(COLORREF color) { CreateSolidBrush(color); }

  BOOL CreateSolidBrush(COLORREF color);
  BOOL DeleteObject();
  HGDIOBJ GetSafeHandle() const { return created_ ? this : nullptr; }
  COLORREF GetColor() const { return color_; }

 private:
  bool created_ = false;
  COLORREF color_ = 0;
};

class CPen {
 public:
  CPen() = default;
  CPen(int style, int width, COLORREF color) { CreatePen(style, width, color); }

  // Solid and null pens; lines are one pixel wide whatever the width.
  BOOL CreatePen(int style, int width, COLORREF color);
  BOOL DeleteObject();
  HGDIOBJ GetSafeHandle() const { return created_ ? this : nullptr; }
  int GetStyle() const { return style_; }
  COLORREF GetColor() const { return color_; }

 private:
  bool created_ = false;
  int style_ = PS_SOLID;
  COLORREF color_ = 0;
};

class CFont {
 public:
  // Never fails for a valid pointer: the face is matched when text is drawn,
  // and an unknown face falls back to the system face then.
  BOOL CreateFontIndirect(const LOGFONT* font);
  BOOL DeleteObject();
  HGDIOBJ GetSafeHandle() const { return created_ ? this : nullptr; }
  int GetLogFont(LOGFONT* font) const;
  const LOGFONT& LogFont() const { return font_; }

 private:
  bool created_ = false;
  LOGFONT font_;
};

class CBitmap {
 public:
  CBitmap() = default;
  CBitmap(CBitmap&&) noexcept = default;
  CBitmap& operator=(CBitmap&&) noexcept = default;

  // A black bitmap at the depth of the context's device; a null context, a
  // non-positive or absurd size fails and leaves the bitmap empty.
  BOOL CreateCompatibleBitmap(CDC* dc, int width, int height);
  // Takes over decoded pixels (image files), replacing any previous picture.
  void AttachSurface(Surface surface);
  BOOL DeleteObject();
  HGDIOBJ GetSafeHandle() const { return surface_.get(); }

  // Raw bytes in the surface's own format (see Surface.h), row after row;
  // copies at most `count` bytes and answers how many it copied.
  DWORD SetBitmapBits(DWORD count, const void* bits);
  DWORD GetBitmapBits(DWORD count, void* bits) const;
  int GetBitmap(BITMAP* info) const;

  Surface* GetSurface() { return surface_.get(); }
  const Surface* GetSurface() const { return surface_.get(); }
  std::shared_ptr<Surface> SharedSurface() const { return surface_; }

 private:
  std::shared_ptr<Surface> surface_;
};
