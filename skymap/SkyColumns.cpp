#include "skymap/SkyColumns.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "skymap/VisibleRegion.h"

namespace vespera {

void ObjectColumns::Fill(const RecordTable<SkyObjectRecord>& objects) {
  const std::size_t n = objects.count();
  magnitude.resize(n);
  declinationKey.resize(n);
  for (std::size_t i = 0; i < n; ++i) {
    const SkyObjectRecord& object = objects[i];
    const float dec = object.dec();
    const bool placeable = std::isfinite(object.ra()) && std::isfinite(dec);
    magnitude[i] = placeable ? object.magnitude() : std::numeric_limits<float>::quiet_NaN();
    declinationKey[i] = DeclinationKey(dec);
  }
  SummariseBlocks();
}

void ObjectColumns::SummariseBlocks() {
  constexpr float kInfinity = std::numeric_limits<float>::infinity();
  blocks.assign((count() + kBlockObjects - 1) / kBlockObjects, Block{kInfinity, kInfinity, -kInfinity});
  for (std::size_t i = 0; i < count(); ++i) {
    Block& block = blocks[i / kBlockObjects];
    // NaN magnitudes are never admitted, so they leave the block as it is.
    if (magnitude[i] < block.brightest) block.brightest = magnitude[i];
    const float key = declinationKey[i];
    if (std::isnan(key)) {
      block.lowestKey = -kInfinity;
      block.highestKey = kInfinity;
    } else {
      block.lowestKey = std::min(block.lowestKey, key);
      block.highestKey = std::max(block.highestKey, key);
    }
  }
}

void SkyColumns::FollowTable(const RecordTable<SkyObjectRecord>& objects, ObjectColumns& columns,
                             FilledFrom& filledFrom) {
  const FilledFrom now{&objects, objects.revision()};
  if (now == filledFrom) return;
  columns.Fill(objects);
  filledFrom = now;
}

void SkyColumns::Follow(const SkyCatalogs& catalogs) {
  FollowTable(catalogs.starCatalog.objects, stars_, starsFrom_);
  FollowTable(catalogs.deepSkyCatalog.objects, deepSky_, deepSkyFrom_);
}

}  // namespace vespera
