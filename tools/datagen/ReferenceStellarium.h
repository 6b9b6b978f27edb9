#pragma once
// A second deep-sky reference: the catalogue of the Stellarium planetarium as
// the Debian package stellarium-data ships it
// (/usr/share/stellarium/nebulae/default/catalog.dat, GPL-2+), read only to
// compare magnitudes with, never copied. The file is gzip-compressed; inside
// is a Qt QDataStream (big-endian; strings are a 32-bit byte count, 0xFFFFFFFF
// for none, then UTF-16BE; every floating-point value is 64 bits): the
// catalogue's version and edition strings, then one record per object until
// the end:
//   u32 id; f64 ra, dec (radians, J2000); f64 blue and visual magnitudes (99:
//   none); u32 type; string morphology; f64 major and minor axes (degrees);
//   u32 orientation; f64 redshift, its error, parallax, its error, distance,
//   its error; u32 NGC, IC, M, C, B, Sh2, VdB, RCW, LDN, LBN, Cr, Mel, PGC,
//   UGC numbers (0: none); string Ced; u32 Arp, VV; strings PK, PN G, SNR G,
//   ACO, HCG, ESO, VdBH; u32 DWB, Tr, St, Ru, VdB-Ha.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/SkyPoint.h"

namespace vespera {

struct StellariumObject {
  std::vector<std::string> designations;  // "NGC 281", "Sh2 184", "Ced 3", "M 40": as OpenNGC and our files write them
  SkyPoint point;                         // degrees
  std::optional<float> visualMagnitude;
  std::optional<float> blueMagnitude;
  int type = 0;                           // Stellarium's object type: 12 a dark nebula, whose "magnitude" is its opacity class
};

inline constexpr int kStellariumDarkNebula = 12;

// The records of an uncompressed stream; throws on a stream that ends inside a
// record or holds an impossible string.
std::vector<StellariumObject> ParseStellariumCatalog(std::string_view stream);

// Throws, naming the file, when it is missing, not gzip or malformed.
std::vector<StellariumObject> ReadStellariumCatalog(const std::filesystem::path& catalogFile);

}  // namespace vespera
