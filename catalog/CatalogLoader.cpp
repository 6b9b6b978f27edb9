#include "catalog/CatalogLoader.h"

void LoadCatalogs(SkyCatalogs& catalogs, const std::string& directory) {
  catalogs.starCatalog.LoadObjects(directory + kStarsFile);
  catalogs.starCatalog.LoadNames(directory + kStarNamesFile);
  catalogs.deepSkyCatalog.LoadObjects(directory + kDeepSkyFile);
  catalogs.deepSkyCatalog.LoadNames(directory + kDeepSkyNamesFile);
  catalogs.constellationLineCatalog.LoadObjects(directory + kConstellationLinesFile);
  catalogs.constellationLabelCatalog.LoadLabels(directory + kConstellationNamesFile);
  catalogs.dataLoaded.store(1, std::memory_order_release);
}
