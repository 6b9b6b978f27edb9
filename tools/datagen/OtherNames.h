#pragma once
// data/names.json: the names users search for besides the package's proper
// names ("Alpha Centauri" for Rigil Kentaurus, "LMC"), and the few famous
// objects the package's deep-sky list lacks (the Large Magellanic Cloud). They
// become extra name records after all others, so the name a tap shows, the
// first record of a designation, stays the package's or our list's. The file
// also says which star owns a designation the package gives to several stars,
// where the brightest of them is not the one meant.

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "tools/datagen/JsonFile.h"
#include "tools/datagen/GeoJsonPoint.h"

namespace vespera {

struct StarOtherNames {
  long hip = 0;
  std::vector<std::string> names;
};

struct DeepSkyOtherNames {
  std::string designation;  // as the package or our lists write it: "NGC 224", "LMC"
  std::vector<std::string> names;
  // Only for an object the package lacks; then it is added to the catalogue.
  std::optional<SkyPoint> point;
  std::optional<float> magnitude;
};

// "Propus" belongs to HIP 29655 (eta Gem), whatever the package or the
// reference says; why is printed in the generator's report.
struct StarNameOwner {
  long hip = 0;
  std::string why;
};

// "Witch's Broom" belongs to NGC 6960, whatever the package or the reference
// says; a named object that keeps no magnitude says why.
struct DeepSkyNameOwner {
  std::string designation;  // as the package writes it: "NGC 6960"; empty for a name that is wrong everywhere
  std::string why;
};

struct OtherNames {
  std::vector<StarOtherNames> stars;
  std::map<std::string, StarNameOwner> starNameOwners;  // by the name as the package writes it
  std::map<std::string, long> starDesignationOwners;  // "44 UMa" -> 53261
  std::vector<DeepSkyOtherNames> deepSky;
  std::map<std::string, DeepSkyNameOwner> deepSkyNameOwners;    // by name
  std::map<std::string, std::string> deepSkyWithoutMagnitude;   // designation -> why
};

// Throws, naming the entry, when an entry has no names, a star or an owner no
// Hipparcos number, an owner or a deep-sky object no designation, a name
// owner no reason, or a position without a magnitude.
OtherNames ParseOtherNames(const Json& file);

}  // namespace vespera
