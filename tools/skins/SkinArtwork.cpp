#include "tools/skins/SkinArtwork.h"

#include <algorithm>
#include <cmath>

#include "appcore/RedScreenColours.h"

namespace vespera {

namespace {

Rgba OpaqueColour(COLORREF colour) {
  return {std::uint8_t(colour & 0xFF), std::uint8_t((colour >> 8) & 0xFF), std::uint8_t((colour >> 16) & 0xFF), 255};
}

double Snap(double value) { return std::round(value); }

// Stroke width for glyphs: two pixels on the small skin, four on the large.
double StrokeWidth(Point2 size) { return std::max(2.0, Snap(std::min(size.x, size.y) / 7.0)); }

// An arrow pointing up inside a box of width w and height h, as corner
// offsets from the box's top-left; the base and the apex lie on whole pixels.
std::vector<Point2> UpArrow(double w, double h) {
  const double halfBase = Snap(w * 0.32) + (static_cast<int>(w) % 2 ? 0.5 : 0.0);
  const double height = Snap(halfBase + 0.5);
  const double top = Snap((h - height) / 2);
  const double cx = w / 2;
  return {{cx, top}, {cx + halfBase, top + height}, {cx - halfBase, top + height}};
}

std::vector<Point2> ArrowCorners(ButtonGlyph glyph, Point2 size) {
  // Left and right arrows are the up arrow turned, drawn in the transposed box.
  const bool sideways = glyph == ButtonGlyph::ArrowLeft || glyph == ButtonGlyph::ArrowRight;
  std::vector<Point2> corners = sideways ? UpArrow(size.y, size.x) : UpArrow(size.x, size.y);
  for (Point2& p : corners) {
    switch (glyph) {
      case ButtonGlyph::ArrowDown: p.y = size.y - p.y; break;
      case ButtonGlyph::ArrowLeft: p = {p.y, p.x}; break;
      case ButtonGlyph::ArrowRight: p = {size.x - p.y, p.x}; break;
      default: break;
    }
  }
  return corners;
}

void DrawGlyph(Canvas& canvas, ButtonGlyph glyph, Point2 o, Point2 size, Rgba colour) {
  const double s = StrokeWidth(size);
  const double w = size.x, h = size.y;
  // Bars are centred on whole pixels: a box of even size gets an even-length bar.
  const double barLength = Snap(std::min(w, h) * 0.62 / 2) * 2 - (static_cast<int>(std::min(w, h)) % 2 ? 1 : 0);
  const double barLeft = o.x + Snap((w - barLength) / 2);
  const double barTop = o.y + Snap((h - s) / 2);
  switch (glyph) {
    case ButtonGlyph::Minus:
      canvas.FillRect(barLeft, barTop, barLeft + barLength, barTop + s, colour);
      break;
    case ButtonGlyph::Plus: {
      canvas.FillRect(barLeft, barTop, barLeft + barLength, barTop + s, colour);
      const double stemLeft = o.x + Snap((w - s) / 2);
      const double stemTop = o.y + Snap((h - barLength) / 2);
      canvas.FillRect(stemLeft, stemTop, stemLeft + s, stemTop + barLength, colour);
      break;
    }
    case ButtonGlyph::Menu: {
      const double glyphW = Snap(w * 0.62), glyphH = Snap(h * 0.5);
      const double left = o.x + Snap((w - glyphW) / 2), right = left + glyphW;
      const double top = o.y + Snap((h - glyphH) / 2), bottom = top + glyphH;
      canvas.FillRect(left, top, left + s, bottom, colour);
      canvas.FillRect(right - s, top, right, bottom, colour);
      const Point2 middle{(left + right) / 2, top + glyphH * 0.62};
      canvas.FillPolygon({{left, top}, {left + s, top}, {middle.x, middle.y - s}, {middle.x, middle.y + s * 0.3}},
                         colour);
      canvas.FillPolygon({{right, top}, {right - s, top}, {middle.x, middle.y - s}, {middle.x, middle.y + s * 0.3}},
                         colour);
      break;
    }
    case ButtonGlyph::Close: {
      const double side = Snap(std::min(w, h) * 0.5);
      const double left = o.x + Snap((w - side) / 2), top = o.y + Snap((h - side) / 2);
      canvas.FillStroke({left, top}, {left + side, top + side}, s * 0.9, colour);
      canvas.FillStroke({left + side, top}, {left, top + side}, s * 0.9, colour);
      break;
    }
    default: {
      std::vector<Point2> corners = ArrowCorners(glyph, size);
      for (Point2& p : corners) p = {p.x + o.x, p.y + o.y};
      canvas.FillPolygon(corners, colour);
    }
  }
}

}  // namespace

SkinPalette DayPalette() {
  return {
      .caption = {16, 30, 72, 255},
      .face = {38, 66, 128, 255},
      .faceEdge = {104, 136, 204, 255},
      .glyph = {244, 246, 255, 255},
      .sky = {4, 10, 34, 255},
      .skyRim = {132, 160, 224, 255},
      .star = {255, 236, 170, 255},
  };
}

SkinPalette RedPalette() {
  return {
      .caption = {72, 0, 0, 255},
      .face = {112, 0, 0, 255},
      .faceEdge = {176, 0, 0, 255},
      .glyph = OpaqueColour(kRedScreenRed),
      .sky = {20, 0, 0, 255},
      .skyRim = {160, 0, 0, 255},
      .star = OpaqueColour(kRedScreenRed),
  };
}

void DrawLogo(Canvas& canvas, Point2 o, double size, const SkinPalette& palette) {
  const auto at = [&](double u, double v) { return Point2{o.x + u * size, o.y + v * size}; };
  const Point2 centre = at(0.5, 0.5);
  const double radius = size * 0.47;
  const double rim = std::max(1.0, size / 24.0);
  canvas.FillCircle(centre, radius, palette.skyRim);
  canvas.FillCircle(centre, radius - rim, palette.sky);

  // A small figure of three stars joined by lines, low in the sky.
  const Point2 figure[] = {at(0.22, 0.62), at(0.40, 0.72), at(0.58, 0.66)};
  const double line = std::max(0.8, size / 40.0);
  for (int i = 0; i + 1 < 3; ++i) canvas.FillStroke(figure[i], figure[i + 1], line, palette.skyRim);
  for (const Point2& p : figure) canvas.FillCircle(p, std::max(0.9, size * 0.045), palette.star);
  canvas.FillCircle(at(0.30, 0.34), std::max(0.7, size * 0.03), palette.star);

  // The evening star: a four-pointed sparkle.
  const Point2 c = at(0.63, 0.37);
  const double outer = size * 0.21, inner = size * 0.055;
  std::vector<Point2> sparkle;
  for (int k = 0; k < 8; ++k) {
    const double angle = k * M_PI / 4;
    const double r = k % 2 ? inner : outer;
    sparkle.push_back({c.x + r * std::sin(angle), c.y - r * std::cos(angle)});
  }
  canvas.FillPolygon(sparkle, palette.star);
}

void DrawButton(Canvas& canvas, ButtonGlyph glyph, Point2 o, Point2 size, const SkinPalette& palette) {
  const double rim = std::max(1.0, Snap(std::min(size.x, size.y) / 14.0));
  const double radius = std::min(size.x, size.y) * 0.24;
  canvas.FillRoundedRect(o.x, o.y, o.x + size.x, o.y + size.y, radius, palette.faceEdge);
  canvas.FillRoundedRect(o.x + rim, o.y + rim, o.x + size.x - rim, o.y + size.y - rim, std::max(0.0, radius - rim),
                         palette.face);
  DrawGlyph(canvas, glyph, o, size, palette.glyph);
}

Canvas DrawAppIcon(int size) {
  Canvas icon(size, size, {0, 0, 0, 0});
  DrawLogo(icon, {0, 0}, size, DayPalette());
  return icon;
}

}  // namespace vespera
