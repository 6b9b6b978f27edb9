#pragma once
// A position on the sky in degrees, as the catalogue records hold it: right
// ascension 0..360 and declination -90..90. The map marks and picks such
// points; the data generator reads them from the sky package.

namespace vespera {

struct SkyPoint {
  float ra = 0.0f;
  float dec = 0.0f;
  friend bool operator==(const SkyPoint&, const SkyPoint&) = default;
};

}  // namespace vespera
