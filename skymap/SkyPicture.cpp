#include "skymap/SkyPicture.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <utility>
#include <vector>

#include "skymap/Projection.h"
#include "skymap/SkySymbols.h"
#include "skymap/VisibleRegion.h"

namespace vespera {

namespace {

// Calls place(index, x, y) for every object of blocks [firstBlock, endBlock)
// that lands on the map, in catalogue order. Runs of objects none of which
// can be drawn are passed over whole; then the magnitude and the declination
// band are tested on compact arrays; only then is the record read, for k and
// the map's reach; and only what may land on the map pays for the arc sine
// and arc tangent. Reads only, so two threads may place two ranges at once.
struct ObjectPlacement {
  const RecordTable<SkyObjectRecord>& records;
  const ObjectColumns& objects;
  const ViewProjection& projection;
  const VisibleRegion& region;
  double limit;
  const MapGeometry& geometry;

  // The comparison is made in double, so a limit such as 4.0 admits a star
  // of magnitude 4.0f exactly and 4.01f never. NaN is never admitted.
  bool MayDraw(const ObjectColumns::Block& block) const {
    return static_cast<double>(block.brightest) <= limit && region.MayHoldKeysIn(block.lowestKey, block.highestKey);
  }

  template <class Placed>
  void Place(std::size_t firstBlock, std::size_t endBlock, Placed&& place) const {
    // A run's objects that pass the tests wait in a batch for their arc
    // functions, which are then taken one after another, and are placed in
    // catalogue order after that.
    std::array<std::uint32_t, ObjectColumns::kBlockObjects> waiting;
    std::array<ViewProjection::ArcArguments, ObjectColumns::kBlockObjects> arguments;
    std::array<ViewProjection::Arcs, ObjectColumns::kBlockObjects> arcs;
    for (std::size_t b = firstBlock; b < endBlock; ++b) {
      if (!MayDraw(objects.blocks[b])) continue;
      const std::size_t end = std::min(objects.count(), (b + 1) * ObjectColumns::kBlockObjects);
      std::size_t batch = 0;
      for (std::size_t i = b * ObjectColumns::kBlockObjects; i < end; ++i) {
        if (!(static_cast<double>(objects.magnitude[i]) <= limit)) continue;
        if (!region.MayHoldKey(objects.declinationKey[i])) continue;
        const SkyObjectRecord& object = records[i];
        const ViewProjection::DeclinationTerms terms = ViewProjection::DeclinationTermsOf(object.dec());
        const ViewProjection::Approach approach = projection.ApproachOf(object.ra(), terms);
        if (!region.MayHold(approach)) continue;
        waiting[batch] = static_cast<std::uint32_t>(i);
        arguments[batch] = projection.ArcArgumentsOf(approach, terms);
        ++batch;
      }
      for (std::size_t j = 0; j < batch; ++j) arcs[j] = ViewProjection::ArcsOf(arguments[j]);
      for (std::size_t j = 0; j < batch; ++j) {
        int x = 0, y = 0;
        if (!projection.PlaceByArcs(arcs[j], x, y)) continue;
        if (x < 0 || x >= geometry.mapWidth || y < 0 || y >= geometry.mapHeight) continue;
        place(waiting[j], x, y);
      }
    }
  }
};

// Below this many objects to look at, handing half to the second core costs
// about as much as it saves.
constexpr std::size_t kObjectsWorthSharing = 16384;

// Catalogue order throughout: later symbols overwrite earlier ones and the
// caches keep the first objects drawn. A large job is split at a block: this
// thread places and draws the first part while the second core places the
// rest into a list, which is drawn afterwards, so the order is the same.
template <class Cache>
void DrawObjects(MapPixels& pixels, Cache& hits, RebuildWork& work, const ObjectPlacement& placement,
                 SkySymbolKind kind) {
  const ObjectColumns& objects = placement.objects;
  const MapGeometry& geometry = placement.geometry;
  const auto draw = [&](std::size_t i, int x, int y) {
    DrawSkySymbol(pixels, x, y, objects.magnitude[i], kind);
    hits.Append({x + geometry.mapLeft, y + geometry.mapTop, static_cast<std::int32_t>(i)});
  };
  const std::size_t blocks = objects.blocks.size();
  std::size_t drawable = 0;
  for (const ObjectColumns::Block& block : objects.blocks) drawable += placement.MayDraw(block);
  if (!work.secondCore.Available() || drawable * ObjectColumns::kBlockObjects < kObjectsWorthSharing) {
    placement.Place(0, blocks, draw);
    return;
  }
  // The split leaves half the drawable blocks on each side.
  std::size_t split = 0;
  for (std::size_t seen = 0; split < blocks && seen < drawable / 2; ++split)
    seen += placement.MayDraw(objects.blocks[split]);
  std::vector<PlacedObject>& later = work.placedBySecondCore;
  later.clear();
  // Room for every object of the second part, taken here so that the second
  // core never allocates; kept from one rebuild to the next.
  later.reserve((drawable - drawable / 2) * ObjectColumns::kBlockObjects);
  work.secondCore.Share([&] { placement.Place(0, split, draw); },
                        [&] {
                          placement.Place(split, blocks, [&](std::size_t i, int x, int y) {
                            later.push_back({x, y, static_cast<std::uint32_t>(i)});
                          });
                        });
  for (const PlacedObject& placed : later) draw(placed.index, placed.x, placed.y);
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

void DrawSkyPicture(MapPixels& pixels, MapHitCaches& hits, RebuildWork& work, const SkyCatalogs& catalogs,
                    const ViewState& view, const MapGeometry& geometry) {
  SkyColumns& columns = work.columns;
  columns.Follow(catalogs);
  pixels.ClearPixels();
  hits.Clear();
  const ViewProjection projection(view, geometry);
  const VisibleRegion region = VisibleRegionOf(projection);
  if (view.showConstellationLines) {
    DrawConstellationFigures(pixels, catalogs.constellationLineCatalog, projection);
  }
  const ObjectPlacement stars{catalogs.starCatalog.objects, columns.stars(), projection, region,
                              view.magnitudeLimit, geometry};
  DrawObjects(pixels, hits.stars, work, stars, SkySymbolKind::Star);
  const ObjectPlacement deepSky{catalogs.deepSkyCatalog.objects, columns.deepSky(), projection, region,
                                view.magnitudeLimit, geometry};
  DrawObjects(pixels, hits.deepSky, work, deepSky, SkySymbolKind::DeepSky);
}

}  // namespace vespera
