#pragma once
// A small RGBA picture with anti-aliased shape filling, enough to draw the
// skin images and the application icon from geometry at any size. Shapes are
// sampled 4 x 4 times per pixel, so edges on whole pixels stay crisp and
// slanted ones are smoothed.

#include <cstdint>
#include <functional>
#include <vector>

namespace vespera {

struct Rgba {
  std::uint8_t r = 0, g = 0, b = 0, a = 255;
  bool operator==(const Rgba&) const = default;
};

struct Point2 {
  double x = 0, y = 0;
};

class Canvas {
 public:
  Canvas(int width, int height, Rgba fill);

  int width() const { return width_; }
  int height() const { return height_; }
  Rgba At(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
  void Set(int x, int y, Rgba colour) { pixels_[static_cast<std::size_t>(y) * width_ + x] = colour; }

  // Paints colour over every pixel of the box [left, right) x [top, bottom)
  // by the share of its samples for which inside(x, y) holds (pixel
  // coordinates, pixel centres at +0.5).
  void FillShape(double left, double top, double right, double bottom, Rgba colour,
                 const std::function<bool(double, double)>& inside);

  void FillRect(double left, double top, double right, double bottom, Rgba colour);
  void FillRoundedRect(double left, double top, double right, double bottom, double radius, Rgba colour);
  void FillCircle(Point2 centre, double radius, Rgba colour);
  void FillPolygon(const std::vector<Point2>& corners, Rgba colour);
  // A straight stroke of the given width with square-cut ends.
  void FillStroke(Point2 from, Point2 to, double width, Rgba colour);

 private:
  void Blend(int x, int y, Rgba colour, double coverage);

  int width_;
  int height_;
  std::vector<Rgba> pixels_;
};

}  // namespace vespera
