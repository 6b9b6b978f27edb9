#include "skymap/StarNameLabels.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace vespera {

namespace {

constexpr std::size_t kNamesAtZoomOne = 20;
// A name starts this far right of its star, clear of the star's disc.
constexpr int kNameGap = 4;

bool Overlaps(const RECT& a, const RECT& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

}  // namespace

std::vector<NamedStar> BrightestNamedStars(const CatalogStore& stars, std::size_t count) {
  std::unordered_map<WideString, WideString> names;
  for (const ObjectNameRecord& record : stars.names) {
    WideString name = NameText(record);
    // The first record of a designation wins, as in CatalogStore::FindName.
    if (!name.empty()) names.try_emplace(DesignationText(record), std::move(name));
  }
  std::vector<NamedStar> found;
  for (std::size_t i = 0; i < stars.objects.count() && found.size() < count && !names.empty(); ++i) {
    const SkyObjectRecord& star = stars.objects[i];
    const auto name = names.find(DesignationText(star));
    if (name == names.end()) continue;
    found.push_back({SkyPoint{star.ra(), star.dec()}, name->second});
    names.erase(name);
  }
  return found;
}

std::size_t StarNameCountFor(double zoom) {
  if (!(zoom > 1.0)) return kNamesAtZoomOne;
  // A zoom shows 1/zoom^2 of the disc's sky, so names grow slower than the
  // area to keep the map readable.
  return static_cast<std::size_t>(std::min(kNamesAtZoomOne * zoom, 1000.0));
}

void DrawStarNames(CDC& dc, const ViewProjection& projection, const MapGeometry& geometry,
                   std::span<const NamedStar> stars, std::size_t maxNames, COLORREF colour, CFont& font) {
  CFont* previousFont = dc.SelectObject(&font);
  const COLORREF previousColour = dc.SetTextColor(colour);
  const int previousMode = dc.SetBkMode(TRANSPARENT);
  const RECT map{geometry.mapLeft, geometry.mapTop, geometry.mapLeft + geometry.mapWidth,
                 geometry.mapTop + geometry.mapHeight};
  std::vector<RECT> placed;
  for (const NamedStar& star : stars) {
    if (placed.size() >= maxNames) break;
    int x = 0, y = 0;
    if (!projection.Project(star.point.ra, star.point.dec, x, y)) continue;
    // In 64 bits: at a high zoom a visible star may project near the int limit.
    const long long px = static_cast<long long>(x) + geometry.mapLeft + kNameGap;
    const long long py = static_cast<long long>(y) + geometry.mapTop;
    if (px < map.left || px > map.right || py < map.top || py > map.bottom) continue;
    const SIZE extent = dc.GetTextExtent(star.name);
    const RECT box{static_cast<LONG>(px), static_cast<LONG>(py - extent.cy / 2), static_cast<LONG>(px + extent.cx),
                   static_cast<LONG>(py - extent.cy / 2 + extent.cy)};
    if (box.left < map.left || box.top < map.top || box.right > map.right || box.bottom > map.bottom) continue;
    if (std::any_of(placed.begin(), placed.end(), [&](const RECT& other) { return Overlaps(box, other); })) continue;
    placed.push_back(box);
    dc.TextOut(box.left, box.top, star.name);
  }
  dc.SetBkMode(previousMode);
  dc.SetTextColor(previousColour);
  dc.SelectObject(previousFont);
}

}  // namespace vespera
