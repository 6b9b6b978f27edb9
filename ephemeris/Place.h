#pragma once
// The observer's place on the Earth in degrees, as people write it and the
// settings keep it: latitude north positive, longitude east positive.

namespace vespera {

struct Place {
  double latitudeDegrees = 0.0;
  double longitudeDegrees = 0.0;
  friend bool operator==(const Place&, const Place&) = default;
};

}  // namespace vespera
