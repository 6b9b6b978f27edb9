#pragma once
// The independent deep-sky reference: OpenNGC (Mattia Verga, CC-BY-SA 4.0) as
// the KStars planetarium ships it, an SQLite catalogue (Debian package
// kstars-data, /usr/share/kstars/OpenNGC.kscat). Every NGC and IC object with
// its J2000 position, size, common names and magnitude (visual where OpenNGC
// has one, else blue).

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "catalog/SkyPoint.h"

namespace vespera {

struct ReferenceObject {
  std::string designation;          // "NGC 2419", "IC 1805", "M 31"
  std::string typeCode;             // in the sky package's codes ("oc", "bn", ...), empty for a star
  SkyPoint point;
  std::optional<float> magnitude;   // only for clusters, nebulae and galaxies, not for a star the entry stands for
  std::optional<float> size;        // major axis, arcminutes
  std::vector<std::string> names;   // "Flame Nebula, Orion B" split at the commas; catalogue numbers left out
  bool duplicate = false;           // a second number for an object listed under another
};

// Throws, naming the file, when it is missing or not such a catalogue.
std::vector<ReferenceObject> ReadReferenceDeepSky(const std::filesystem::path& catalogFile);

// The common names of one "long_name" text: split at ", ", without entries
// that are only a catalogue number ("PGC 65862", "gam Cyg").
std::vector<std::string> ReferenceCommonNames(const std::string& longName);

}  // namespace vespera
