#include "catalog/CatalogLoader.h"

namespace vespera {

namespace {

// Keeps the first failure, prefixed with the name of its file, and hands
// each one on.
class ProblemNotes {
 public:
  explicit ProblemNotes(const CatalogProblemSink& sink) : sink_(sink) {}
  void operator()(const char* file, const Expected<void>& loaded) {
    if (loaded) return;
    const std::string problem = std::string(file) + ": " + loaded.reason();
    if (sink_) sink_(problem);
    if (first_) first_ = Failure(problem);
  }
  const Expected<void>& first() const { return first_; }

 private:
  const CatalogProblemSink& sink_;
  Expected<void> first_;
};

}  // namespace

Expected<void> LoadCatalogs(SkyCatalogs& catalogs, const std::string& directory, const CatalogProblemSink& problem) {
  ProblemNotes note(problem);
  note(kStarsFile, catalogs.starCatalog.LoadObjects(directory + kStarsFile));
  note(kStarNamesFile, catalogs.starCatalog.LoadNames(directory + kStarNamesFile));
  note(kDeepSkyFile, catalogs.deepSkyCatalog.LoadObjects(directory + kDeepSkyFile));
  note(kDeepSkyNamesFile, catalogs.deepSkyCatalog.LoadNames(directory + kDeepSkyNamesFile));
  note(kConstellationLinesFile, catalogs.constellationLineCatalog.LoadObjects(directory + kConstellationLinesFile));
  note(kConstellationNamesFile, catalogs.constellationLabelCatalog.LoadLabels(directory + kConstellationNamesFile));
  catalogs.dataLoaded.store(1, std::memory_order_release);
  return note.first();
}

}  // namespace vespera
