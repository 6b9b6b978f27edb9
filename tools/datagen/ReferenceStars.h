#pragma once
// The independent star-name reference: the named-star files shipped for the
// KStars planetarium (Debian package kstars-data, /usr/share/kstars). Its
// namedstars.dat holds each named star's position and Henry Draper number,
// its starnames.dat the star's designation and proper name, record by record
// in the same order. Both are KStars binary data files: a 124-byte text
// header, "SK", a version byte, a field table, a trixel index and then
// fixed-size little-endian records.

#include <filesystem>
#include <string>
#include <vector>

#include "catalog/SkyPoint.h"

namespace vespera {

struct ReferenceStar {
  long hd = 0;            // Henry Draper number, 0 when the reference has none
  SkyPoint point;         // J2000, degrees
  std::string designation;  // "iot2Cyg", "alp UMi": Bayer letter, component number, constellation
  std::string name;       // proper name as the reference spells it (Latin-1), may be empty
};

// Reads the pair of files in folder. Throws, naming the file, when one is
// missing, damaged, or the two disagree in their record counts.
std::vector<ReferenceStar> ReadReferenceStars(const std::filesystem::path& folder);

}  // namespace vespera
