#include "tools/datagen/ConstellationBoundsFile.h"

#include <stdexcept>

#include "tools/datagen/GeoJsonPoint.h"

namespace vespera {

std::vector<SkyObjectRecord> ConstellationBoundsRecords(const Json& bounds) {
  std::vector<SkyObjectRecord> records;
  int ordinal = 0;
  const Json& features = Member(bounds, "features");
  if (!features.is_array()) throw std::runtime_error("constellation bounds: no features");
  for (const Json& feature : features) {
    const std::string abbreviation = TextField(feature, "id");
    const Json& rings = Member(Member(feature, "geometry"), "coordinates");
    if (abbreviation.empty() || !rings.is_array() || rings.empty() || !rings[0].is_array())
      throw std::runtime_error("constellation bounds: a feature without an id or an outline");
    const Json& ring = rings[0];
    // GeoJSON closes a ring by repeating its first corner; the reader closes it itself.
    std::size_t count = ring.size();
    if (count > 1 && ring[0] == ring[count - 1]) --count;
    for (std::size_t i = 0; i < count; ++i) {
      const std::optional<SkyPoint> corner = PointFromLonLat(ring[i]);
      if (!corner) throw std::runtime_error("constellation bounds: a corner of " + abbreviation + " is no sky point");
      records.push_back(MakeObjectRecord(corner->ra, corner->dec, static_cast<float>(ordinal), abbreviation));
    }
    ++ordinal;
  }
  if (records.empty()) throw std::runtime_error("constellation bounds: no outline");
  return records;
}

}  // namespace vespera
