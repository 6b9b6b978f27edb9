// vespera_make_data PACKAGE_DATA NOTES_DIR OUT_DIR REFERENCE_DIR
// Builds the six catalogue files and the two object information files from the
// sky package's data folder and our hand-written lists, checking the names
// against the reference catalogues in REFERENCE_DIR (kstars-data's folder). Exits non-zero with a
// message naming the file when any input is missing or malformed.

#include <cstdio>
#include <exception>
#include <stdexcept>
#include <filesystem>

#include "tools/datagen/Constellations.h"
#include "tools/datagen/DeepSkyCatalog.h"
#include "tools/datagen/DeepSkyReferenceCheck.h"
#include "tools/datagen/InfoPages.h"
#include "tools/datagen/OtherNames.h"
#include "tools/datagen/PackageComparison.h"
#include "tools/datagen/RecordFileWriter.h"
#include "tools/datagen/StarCatalog.h"
#include "tools/datagen/StarNameCheck.h"

namespace vespera {

namespace fs = std::filesystem;

namespace {

void WriteText(const fs::path& path, const std::string& text) {
  ReplaceFile(path, [&](std::ostream& out) { out << text; });
}

std::string Introduction(const Json& notesFile) { return TextField(notesFile, "introduction"); }

void ReportSkipped(const SkippedEntries& skipped) {
  constexpr std::size_t kShown = 10;
  if (skipped.empty()) return;
  std::fprintf(stderr, "vespera_make_data: %zu input entries left out\n", skipped.size());
  for (std::size_t i = 0; i < skipped.size() && i < kShown; ++i) std::fprintf(stderr, "  %s\n", skipped[i].c_str());
}

// Prints every difference between our table and the package with its
// explanation; throws when one is unexplained or an explanation is stale.
void CheckAgainstPackage(const std::vector<ListedObject>& objects, const ListKind& list, const Json& notesFile,
                         const Json& packageMessier) {
  const auto disagreements = CompareWithPackage(objects, list, packageMessier);
  const auto explanations = ParseExplanations(notesFile, list);
  for (const Disagreement& d : disagreements) {
    const auto reason = explanations.find(d.label);
    std::printf("vespera_make_data: %s: %s (%s)\n", d.label.c_str(), d.what.c_str(),
                reason == explanations.end() ? "NOT EXPLAINED" : reason->second.c_str());
  }
  const auto problems = UnexplainedDisagreements(disagreements, explanations);
  if (problems.empty()) return;
  std::string message = list.title + " table against the package:";
  for (const std::string& problem : problems) message += "\n  " + problem;
  throw std::runtime_error(message);
}

void ReportChanges(const char* what, const std::vector<std::string>& changes, const std::vector<std::string>& problems) {
  for (const std::string& change : changes) std::printf("vespera_make_data: %s %s\n", what, change.c_str());
  if (problems.empty()) return;
  std::string message = std::string(what) + " against the reference:";
  for (const std::string& problem : problems) message += "\n  " + problem;
  throw std::runtime_error(message);
}

int Run(const fs::path& package, const fs::path& notes, const fs::path& out, const fs::path& reference) {
  fs::create_directories(out);
  SkippedEntries skipped;
  OtherNames otherNames = ParseOtherNames(ReadJsonFile(notes / "names.json"));

  const Json packageStars = ReadJsonFile(package / "stars.14.json");
  CheckedStarNames starNames = CheckStarNames(ReadJsonFile(package / "starnames.json"), StarPoints(packageStars),
                                              ReadReferenceStars(reference), otherNames.starNameOwners);
  ReportChanges("star", starNames.report, starNames.problems);
  otherNames.stars.insert(otherNames.stars.begin(), starNames.added.begin(), starNames.added.end());
  const CatalogTables stars = BuildStarTables(packageStars, starNames.starNames, otherNames, skipped);
  WriteRecordFile(out / "Stars.dat", stars.objects);
  WriteRecordFile(out / "StarNames.dat", stars.names);

  const std::vector<SkyObjectRecord> lines =
      BuildConstellationLines(ReadJsonFile(package / "constellations.lines.json"), skipped);
  const std::vector<ConstellationLabel> labels =
      BuildConstellationLabels(ReadJsonFile(package / "constellations.json"), skipped);
  WriteRecordFile(out / "CLines.dat", lines);
  WriteRecordFile(out / "CNames.dat", labels);

  DeepSkyIndex index(ReadJsonFile(package / "dsos.20.json"), skipped);
  const Json packageMessier = ReadJsonFile(package / "messier.json");
  const Json messierNotes = ReadJsonFile(notes / "messier.json");
  const Json caldwellNotes = ReadJsonFile(notes / "caldwell.json");
  const auto messierList = ParseObjectNotes(messierNotes, kMessierList);
  const auto caldwellList = ParseObjectNotes(caldwellNotes, kCaldwellList);
  // The check amends the index, so it runs before the lists point into it.
  CheckedDeepSky deepSkyNames = CheckDeepSky(index, ReadJsonFile(package / "dsonames.json"),
                                             ListedDesignations(index, {&messierList, &caldwellList}),
                                             ReadReferenceDeepSky(reference / "OpenNGC.kscat"), otherNames);
  ReportChanges("deep-sky", deepSkyNames.report, deepSkyNames.problems);
  otherNames.deepSky.insert(otherNames.deepSky.begin(), deepSkyNames.added.begin(), deepSkyNames.added.end());
  const auto messier = ResolveListedObjects(messierList, kMessierList, index);
  const auto caldwell = ResolveListedObjects(caldwellList, kCaldwellList, index);
  CheckAgainstPackage(messier, kMessierList, messierNotes, packageMessier);
  CheckAgainstPackage(caldwell, kCaldwellList, caldwellNotes, packageMessier);
  const CatalogTables deepSky =
      BuildDeepSkyTables(index, deepSkyNames.names, {&messier, &caldwell}, otherNames.deepSky);
  WriteRecordFile(out / "DeepSky.dat", deepSky.objects);
  WriteRecordFile(out / "DeepSkyNames.dat", deepSky.names);

  const auto constellationNames = ConstellationFullNames(labels);
  WriteText(out / "Messier.ini",
            BuildInfoIni({&kMessierList, Introduction(messierNotes), &messier, &constellationNames}));
  WriteText(out / "Caldwell.ini",
            BuildInfoIni({&kCaldwellList, Introduction(caldwellNotes), &caldwell, &constellationNames}));

  ReportSkipped(skipped);
  std::printf("vespera_make_data: %zu stars, %zu star names, %zu deep-sky objects, %zu deep-sky names, "
              "%zu constellation lines, %zu labels\n",
              stars.objects.size(), stars.names.size(), deepSky.objects.size(), deepSky.names.size(),
              lines.size() / 2, labels.size());
  return 0;
}

}  // namespace

}  // namespace vespera

using namespace vespera;

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: vespera_make_data PACKAGE_DATA_DIR NOTES_DIR OUT_DIR REFERENCE_DIR\n");
    return 2;
  }
  try {
    return Run(argv[1], argv[2], argv[3], argv[4]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "vespera_make_data: %s\n", e.what());
    return 1;
  }
}
