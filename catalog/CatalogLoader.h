#pragma once
// The four catalogues the map works with, and the loader that fills them from
// the six data files in the program directory.

#include <atomic>
#include <functional>
#include <string>

#include "catalog/CatalogStore.h"

namespace vespera {

inline constexpr const char* kStarsFile = "Stars.dat";
inline constexpr const char* kStarNamesFile = "StarNames.dat";
inline constexpr const char* kDeepSkyFile = "DeepSky.dat";
inline constexpr const char* kDeepSkyNamesFile = "DeepSkyNames.dat";
inline constexpr const char* kConstellationLinesFile = "CLines.dat";
inline constexpr const char* kConstellationNamesFile = "CNames.dat";

struct SkyCatalogs {
  // Declared in construction order; destroyed in reverse.
  CatalogStore starCatalog;
  CatalogStore deepSkyCatalog;
  CatalogStore constellationLineCatalog;
  CatalogStore constellationLabelCatalog;

  // Set by the loader after its last write to the stores, with release
  // ordering; a reader that sees it true (acquire) sees complete tables.
  std::atomic<int> dataLoaded{0};

  bool IsLoaded() const { return dataLoaded.load(std::memory_order_acquire) != 0; }
};

// Reads the six files from directory (which ends with its separator) in the
// fixed order, then publishes dataLoaded. A missing file leaves its table
// empty and the others are read all the same; the answer names the first file
// that was missing or damaged and why ("Stars.dat: the file cannot be opened").
// Every such file, the first included, is also handed to `problem` (when
// given) in the same words, as it is found.
using CatalogProblemSink = std::function<void(const std::string& problem)>;
Expected<void> LoadCatalogs(SkyCatalogs& catalogs, const std::string& directory,
                            const CatalogProblemSink& problem = nullptr);

}  // namespace vespera
