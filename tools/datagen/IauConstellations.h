#pragma once
// The 88 constellations as the IAU names them, by their official three-letter
// abbreviation. Labels and pages take their names from here rather than from
// the sky package, whose names are not all the official ones.

#include <map>
#include <string>

namespace vespera {

const std::map<std::string, std::string>& IauConstellationNames();

}  // namespace vespera
