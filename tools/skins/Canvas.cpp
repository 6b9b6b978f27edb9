#include "tools/skins/Canvas.h"

#include <algorithm>
#include <cmath>

namespace vespera {

namespace {

constexpr int kSamples = 4;

std::uint8_t Channel(double value) { return static_cast<std::uint8_t>(std::clamp(std::lround(value), 0L, 255L)); }

bool InsidePolygon(const std::vector<Point2>& p, double x, double y) {
  bool inside = false;
  for (std::size_t i = 0, j = p.size() - 1; i < p.size(); j = i++) {
    if ((p[i].y > y) != (p[j].y > y) && x < (p[j].x - p[i].x) * (y - p[i].y) / (p[j].y - p[i].y) + p[i].x)
      inside = !inside;
  }
  return inside;
}

}  // namespace

Canvas::Canvas(int width, int height, Rgba fill)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, fill) {}

void Canvas::Blend(int x, int y, Rgba colour, double coverage) {
  if (coverage <= 0) return;
  const Rgba under = At(x, y);
  const double alpha = coverage * colour.a / 255.0;
  const double underAlpha = under.a / 255.0;
  const double outAlpha = alpha + underAlpha * (1 - alpha);
  if (outAlpha <= 0) return;
  const auto mix = [&](std::uint8_t top, std::uint8_t bottom) {
    return Channel((top * alpha + bottom * underAlpha * (1 - alpha)) / outAlpha);
  };
  Set(x, y, {mix(colour.r, under.r), mix(colour.g, under.g), mix(colour.b, under.b), Channel(outAlpha * 255)});
}

void Canvas::FillShape(double left, double top, double right, double bottom, Rgba colour,
                       const std::function<bool(double, double)>& inside) {
  const int x0 = std::max(0, static_cast<int>(std::floor(left)));
  const int y0 = std::max(0, static_cast<int>(std::floor(top)));
  const int x1 = std::min(width_, static_cast<int>(std::ceil(right)));
  const int y1 = std::min(height_, static_cast<int>(std::ceil(bottom)));
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) {
      int hits = 0;
      for (int sy = 0; sy < kSamples; ++sy)
        for (int sx = 0; sx < kSamples; ++sx)
          hits += inside(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples);
      Blend(x, y, colour, static_cast<double>(hits) / (kSamples * kSamples));
    }
  }
}

void Canvas::FillRect(double left, double top, double right, double bottom, Rgba colour) {
  FillShape(left, top, right, bottom, colour,
            [&](double x, double y) { return x >= left && x < right && y >= top && y < bottom; });
}

void Canvas::FillRoundedRect(double left, double top, double right, double bottom, double radius, Rgba colour) {
  FillShape(left, top, right, bottom, colour, [&](double x, double y) {
    if (x < left || x >= right || y < top || y >= bottom) return false;
    const double cx = std::clamp(x, left + radius, right - radius);
    const double cy = std::clamp(y, top + radius, bottom - radius);
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
  });
}

void Canvas::FillCircle(Point2 c, double radius, Rgba colour) {
  FillShape(c.x - radius, c.y - radius, c.x + radius, c.y + radius, colour, [&](double x, double y) {
    return (x - c.x) * (x - c.x) + (y - c.y) * (y - c.y) <= radius * radius;
  });
}

void Canvas::FillPolygon(const std::vector<Point2>& corners, Rgba colour) {
  if (corners.size() < 3) return;
  double left = corners[0].x, right = left, top = corners[0].y, bottom = top;
  for (const Point2& p : corners) {
    left = std::min(left, p.x);
    right = std::max(right, p.x);
    top = std::min(top, p.y);
    bottom = std::max(bottom, p.y);
  }
  FillShape(left, top, right, bottom, colour, [&](double x, double y) { return InsidePolygon(corners, x, y); });
}

void Canvas::FillStroke(Point2 from, Point2 to, double width, Rgba colour) {
  const double dx = to.x - from.x, dy = to.y - from.y;
  const double length = std::hypot(dx, dy);
  if (length <= 0) return;
  const double nx = -dy / length * width / 2, ny = dx / length * width / 2;
  FillPolygon({{from.x + nx, from.y + ny}, {to.x + nx, to.y + ny}, {to.x - nx, to.y - ny}, {from.x - nx, from.y - ny}},
              colour);
}

}  // namespace vespera
