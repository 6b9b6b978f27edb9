#include "platform/windows/MessageBoxIcons.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/windows/MessageBox.h"
#include "platform/windows/SystemApi.h"

namespace {

void FillSpan(CDC& dc, LONG left, LONG right, LONG y, COLORREF color) {
  if (right <= left) return;
  const RECT span{left, y, right, y + 1};
  dc.FillSolidRect(&span, color);
}

// Half the width of a disc of `size` pixels across, at row `row`: pixel
// centres inside the circle, so the disc is symmetric and has no stray dots.
LONG DiscHalfWidth(LONG size, LONG row) {
  const double r = size / 2.0;
  const double dy = row + 0.5 - r;
  const double inside = r * r - dy * dy;
  return inside <= 0 ? 0 : LONG(std::floor(std::sqrt(inside) + 0.5));
}

void FillDisc(CDC& dc, LONG left, LONG top, LONG size, COLORREF color) {
  for (LONG row = 0; row < size; ++row) {
    const LONG half = DiscHalfWidth(size, row);
    FillSpan(dc, left + size / 2 - half, left + (size + 1) / 2 + half, top + row, color);
  }
}

// A stroke width for an icon `size` wide: even, so that a stroke centred on an
// even-sized icon keeps the icon its own mirror image.
LONG StrokeFor(LONG size, LONG divisor) { return std::max<LONG>(2, (size / divisor + 1) & ~LONG(1)); }

void FillBox(CDC& dc, LONG left, LONG top, LONG right, LONG bottom, COLORREF color) {
  const RECT box{left, top, right, bottom};
  dc.FillSolidRect(&box, color);
}

// A bar and a dot down the middle: the "!" of the warning and, upside down, the "i".
void DrawBarAndDot(CDC& dc, LONG centreX, LONG top, LONG bottom, LONG stroke, bool dotFirst, COLORREF color) {
  const LONG left = centreX - stroke / 2;
  const LONG gap = stroke;
  if (dotFirst) {
    FillBox(dc, left, top, left + stroke, top + stroke, color);
    FillBox(dc, left, top + stroke + gap, left + stroke, bottom, color);
  } else {
    FillBox(dc, left, top, left + stroke, bottom - stroke - gap, color);
    FillBox(dc, left, bottom - stroke, left + stroke, bottom, color);
  }
}

void DrawExclamation(CDC& dc, LONG left, LONG top, LONG size) {
  // A triangle standing on its base, outlined, with the mark inside.
  const COLORREF outline = GetSysColor(COLOR_WINDOWTEXT);
  const COLORREF fill = GetSysColor(COLOR_HIGHLIGHT);
  const LONG edge = std::max<LONG>(1, size / 16);
  for (LONG row = 0; row < size; ++row) {
    const LONG span = std::min(size / 2, (row + 1) / 2);  // as tall as its base is wide
    const LONG from = left + size / 2 - span;
    const LONG to = left + (size + 1) / 2 + span;
    FillSpan(dc, from, to, top + row, outline);
    if (row >= 2 * edge && row < size - edge) FillSpan(dc, from + 2 * edge, to - 2 * edge, top + row, fill);
  }
  const LONG stroke = StrokeFor(size, 8);
  DrawBarAndDot(dc, left + size / 2, top + size / 3, top + size - 3 * edge, stroke, false,
                GetSysColor(COLOR_HIGHLIGHTTEXT));
}

void DrawInformation(CDC& dc, LONG left, LONG top, LONG size) {
  FillDisc(dc, left, top, size, GetSysColor(COLOR_HIGHLIGHT));
  const LONG stroke = StrokeFor(size, 7);
  DrawBarAndDot(dc, left + size / 2, top + size / 5, top + size * 4 / 5, stroke, true,
                GetSysColor(COLOR_HIGHLIGHTTEXT));
}

void DrawQuestion(CDC& dc, LONG left, LONG top, LONG size) {
  FillDisc(dc, left, top, size, GetSysColor(COLOR_HIGHLIGHT));
  // The hook of the "?" is a ring cut open at the lower left, then a stem and a dot.
  const COLORREF mark = GetSysColor(COLOR_HIGHLIGHTTEXT);
  const LONG stroke = StrokeFor(size, 8);
  const LONG ring = size / 2;
  const LONG ringLeft = left + (size - ring) / 2;
  const LONG ringTop = top + size / 6;
  const double outer = ring / 2.0;
  const double inner = outer - stroke;
  for (LONG y = 0; y < ring; ++y)
    for (LONG x = 0; x < ring; ++x) {
      const double dx = x + 0.5 - outer;
      const double dy = y + 0.5 - outer;
      const double d2 = dx * dx + dy * dy;
      const bool lowerLeft = dx < 0 && dy > 0;
      if (d2 <= outer * outer && d2 >= inner * inner && !lowerLeft) dc.SetPixel(ringLeft + x, ringTop + y, mark);
    }
  const LONG centreX = left + size / 2;
  const LONG stemTop = ringTop + ring - stroke;
  const LONG dotTop = top + size * 5 / 6 - stroke;
  FillBox(dc, centreX - stroke / 2, stemTop, centreX - stroke / 2 + stroke, dotTop - stroke, mark);
  FillBox(dc, centreX - stroke / 2, dotTop, centreX - stroke / 2 + stroke, dotTop + stroke, mark);
}

void DrawError(CDC& dc, LONG left, LONG top, LONG size) {
  FillDisc(dc, left, top, size, GetSysColor(COLOR_WINDOWTEXT));
  // A cross of two strokes, inside the disc's middle half.
  const COLORREF mark = GetSysColor(COLOR_WINDOW);
  const LONG from = size * 3 / 10;
  const LONG to = size - from;
  const LONG stroke = StrokeFor(size, 8);
  for (LONG y = from; y < to; ++y)
    for (LONG x = from; x < to; ++x) {
      const bool onFall = std::abs(x - y) < stroke / 2 + 1;
      const bool onRise = std::abs(x + y - (size - 1)) < stroke / 2 + 1;
      if (onFall || onRise) dc.SetPixel(left + x, top + y, mark);
    }
}

}  // namespace

std::optional<MessageBoxIcon> MessageBoxIconFor(UINT type) {
  switch (type & MB_ICONMASK) {
    case MB_ICONEXCLAMATION: return MessageBoxIcon::Exclamation;
    case MB_ICONASTERISK: return MessageBoxIcon::Information;
    case MB_ICONQUESTION: return MessageBoxIcon::Question;
    case MB_ICONHAND: return MessageBoxIcon::Error;
    default: return std::nullopt;
  }
}

std::string_view MessageBoxIconName(MessageBoxIcon icon) {
  switch (icon) {
    case MessageBoxIcon::Exclamation: return "exclamation";
    case MessageBoxIcon::Information: return "information";
    case MessageBoxIcon::Question: return "question";
    case MessageBoxIcon::Error: return "error";
  }
  return "";
}

void DrawMessageBoxIcon(CDC& dc, MessageBoxIcon icon, LONG left, LONG top, LONG size) {
  switch (icon) {
    case MessageBoxIcon::Exclamation: DrawExclamation(dc, left, top, size); break;
    case MessageBoxIcon::Information: DrawInformation(dc, left, top, size); break;
    case MessageBoxIcon::Question: DrawQuestion(dc, left, top, size); break;
    case MessageBoxIcon::Error: DrawError(dc, left, top, size); break;
  }
}
