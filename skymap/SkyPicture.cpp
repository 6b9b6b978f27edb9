#include "skymap/SkyPicture.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <utility>

#include "skymap/Projection.h"
#include "skymap/SkySymbols.h"
#include "skymap/VisibleRegion.h"

namespace vespera {

namespace {

// Catalogue order throughout: later symbols overwrite earlier ones and the
// caches keep the first objects drawn. Runs of objects none of which can be
// drawn are passed over whole; then the magnitude and the declination band
// are tested on compact arrays; only then is the record read, for k and the
// map's reach; and only what may land on the map pays for the arc sine and
// arc tangent.
template <class Cache>
void DrawObjects(MapPixels& pixels, Cache& hits, const RecordTable<SkyObjectRecord>& records,
                 const ObjectColumns& objects, SkySymbolKind kind, const ViewProjection& projection,
                 const VisibleRegion& region, const ViewState& view, const MapGeometry& geometry) {
  const std::size_t count = objects.count();
  const double limit = view.magnitudeLimit;
  for (std::size_t b = 0; b < objects.blocks.size(); ++b) {
    const ObjectColumns::Block& block = objects.blocks[b];
    if (!(static_cast<double>(block.brightest) <= limit)) continue;
    if (!region.MayHoldKeysIn(block.lowestKey, block.highestKey)) continue;
    const std::size_t end = std::min(count, (b + 1) * ObjectColumns::kBlockObjects);
    for (std::size_t i = b * ObjectColumns::kBlockObjects; i < end; ++i) {
      const float magnitude = objects.magnitude[i];
      // The comparison is made in double, so a limit such as 4.0 admits a
      // star of magnitude 4.0f exactly and 4.01f never. NaN is never admitted.
      if (!(static_cast<double>(magnitude) <= limit)) continue;
      if (!region.MayHoldKey(objects.declinationKey[i])) continue;
      const SkyObjectRecord& object = records[i];
      const ViewProjection::DeclinationTerms terms = ViewProjection::DeclinationTermsOf(object.dec());
      const ViewProjection::Approach approach = projection.ApproachOf(object.ra(), terms);
      if (!region.MayHold(approach)) continue;
      int x = 0, y = 0;
      if (!projection.PlaceOnMap(approach, terms, x, y)) continue;
      if (x < 0 || x >= geometry.mapWidth || y < 0 || y >= geometry.mapHeight) continue;
      DrawSkySymbol(pixels, x, y, magnitude, kind);
      hits.Append({x + geometry.mapLeft, y + geometry.mapTop, static_cast<std::int32_t>(i)});
    }
  }
}

// The figures are drawn as chains: four segments in five start where the one
// before ended, so the end projected last is remembered and not projected
// again. Positions are compared bit for bit, so the answer is the one the
// projection gave.
class ChainedEnds {
 public:
  explicit ChainedEnds(const ViewProjection& projection) : projection_(projection) {}

  bool Project(const SkyObjectRecord& end, int& x, int& y) {
    const Position position{std::bit_cast<std::uint32_t>(end.ra()), std::bit_cast<std::uint32_t>(end.dec())};
    if (!projected_ || last_ != position) {
      projected_ = true;
      last_ = position;
      visible_ = ProjectToScreen(projection_, end.ra(), end.dec(), x_, y_);
    }
    x = x_;
    y = y_;
    return visible_;
  }

 private:
  using Position = std::pair<std::uint32_t, std::uint32_t>;
  const ViewProjection& projection_;
  // A plain pair and a flag rather than an optional: GCC 12 at -O3 reports
  // the optional's pair as maybe-uninitialized in the comparison.
  Position last_{0, 0};
  bool projected_ = false;
  bool visible_ = false;
  int x_ = 0;
  int y_ = 0;
};

void DrawConstellationFigures(MapPixels& pixels, const CatalogStore& lines, const ViewProjection& projection) {
  ChainedEnds ends(projection);
  // Records are taken in pairs; an odd last record has no partner and is skipped.
  const std::size_t segments = lines.lineCount();
  for (std::size_t k = 0; k < segments; ++k) {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    // A segment with one end behind the sky's rim is left out entirely rather
    // than cut at the rim. Ends off the map area are fine: DrawLine only
    // walks the part on the surface.
    if (ends.Project(lines.objects[2 * k], x1, y1) && ends.Project(lines.objects[2 * k + 1], x2, y2)) {
      pixels.DrawLine(x1, y1, x2, y2, kConstellationLineRed, 0, 0);
    }
  }
}

}  // namespace

void DrawSkyPicture(MapPixels& pixels, MapHitCaches& hits, SkyColumns& columns, const SkyCatalogs& catalogs,
                    const ViewState& view, const MapGeometry& geometry) {
  columns.Follow(catalogs);
  pixels.ClearPixels();
  hits.Clear();
  const ViewProjection projection(view, geometry);
  const VisibleRegion region = VisibleRegionOf(projection);
  if (view.showConstellationLines) {
    DrawConstellationFigures(pixels, catalogs.constellationLineCatalog, projection);
  }
  DrawObjects(pixels, hits.stars, catalogs.starCatalog.objects, columns.stars(), SkySymbolKind::Star, projection,
              region, view, geometry);
  DrawObjects(pixels, hits.deepSky, catalogs.deepSkyCatalog.objects, columns.deepSky(), SkySymbolKind::DeepSky,
              projection, region, view, geometry);
}

}  // namespace vespera
