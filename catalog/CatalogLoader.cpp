#include "catalog/CatalogLoader.h"

namespace vespera {

namespace {

// Keeps the first failure, prefixed with the name of its file.
void Note(Expected<void>& first, const char* file, const Expected<void>& loaded) {
  if (first && !loaded) first = Failure(std::string(file) + ": " + loaded.reason());
}

}  // namespace

Expected<void> LoadCatalogs(SkyCatalogs& catalogs, const std::string& directory) {
  Expected<void> first;
  Note(first, kStarsFile, catalogs.starCatalog.LoadObjects(directory + kStarsFile));
  Note(first, kStarNamesFile, catalogs.starCatalog.LoadNames(directory + kStarNamesFile));
  Note(first, kDeepSkyFile, catalogs.deepSkyCatalog.LoadObjects(directory + kDeepSkyFile));
  Note(first, kDeepSkyNamesFile, catalogs.deepSkyCatalog.LoadNames(directory + kDeepSkyNamesFile));
  Note(first, kConstellationLinesFile, catalogs.constellationLineCatalog.LoadObjects(directory + kConstellationLinesFile));
  Note(first, kConstellationNamesFile, catalogs.constellationLabelCatalog.LoadLabels(directory + kConstellationNamesFile));
  catalogs.dataLoaded.store(1, std::memory_order_release);
  return first;
}

}  // namespace vespera
