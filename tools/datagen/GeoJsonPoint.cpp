#include "tools/datagen/GeoJsonPoint.h"

namespace vespera {

std::optional<SkyPoint> PointFromLonLat(const Json& pair) {
  if (!pair.is_array() || pair.size() < 2) return std::nullopt;
  const auto lon = NumberValue(pair[0]);
  const auto lat = NumberValue(pair[1]);
  if (!lon || !lat || *lon < -180.0 || *lon > 360.0 || *lat < -90.0 || *lat > 90.0)
    return std::nullopt;
  double ra = *lon < 0 ? *lon + 360.0 : *lon;
  if (ra >= 360.0) ra -= 360.0;
  return SkyPoint{static_cast<float>(ra), static_cast<float>(*lat)};
}

std::optional<SkyPoint> PointOfFeature(const Json& feature) {
  return PointFromLonLat(Member(Member(feature, "geometry"), "coordinates"));
}

}  // namespace vespera
