#pragma once
// Plain geometry values shared by the graphics, window and framework layers.

#include "platform/runtime/WinTypes.h"

struct POINT {
  LONG x = 0;
  LONG y = 0;
  friend bool operator==(const POINT&, const POINT&) = default;
};

struct SIZE {
  LONG cx = 0;
  LONG cy = 0;
  friend bool operator==(const SIZE&, const SIZE&) = default;
};

// Half-open: right and bottom lie just outside.
struct RECT {
  LONG left = 0;
  LONG top = 0;
  LONG right = 0;
  LONG bottom = 0;

  LONG Width() const { return right - left; }
  LONG Height() const { return bottom - top; }
  bool IsEmpty() const { return right <= left || bottom <= top; }
  bool Contains(POINT p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  RECT Offset(LONG dx, LONG dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
  RECT Intersect(const RECT& o) const {
    RECT r{left > o.left ? left : o.left, top > o.top ? top : o.top,
           right < o.right ? right : o.right, bottom < o.bottom ? bottom : o.bottom};
    if (r.IsEmpty()) return {};
    return r;
  }
  friend bool operator==(const RECT&, const RECT&) = default;
};
