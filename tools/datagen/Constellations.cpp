#include "tools/datagen/Constellations.h"

#include <sstream>
#include <unordered_map>

#include "platform/runtime/CodePage.h"
#include "tools/datagen/SkyPoint.h"

namespace {

std::string SharedLeadingWords(const std::string& a, const std::string& b) {
  std::istringstream first(a), second(b);
  std::string wordA, wordB, shared;
  while (first >> wordA && second >> wordB && wordA == wordB) shared += (shared.empty() ? "" : " ") + wordA;
  return shared.empty() ? a : shared;
}

}  // namespace

std::vector<SkyObjectRecord> BuildConstellationLines(const Json& lines, SkippedEntries& skipped) {
  std::vector<SkyObjectRecord> records;
  if (!Member(lines, "features").is_array()) {
    skipped.push_back("constellation lines: no feature list");
    return records;
  }
  for (const Json& feature : Member(lines, "features")) {
    const std::string id = TextField(feature, "id");
    const Json& polylines = Member(Member(feature, "geometry"), "coordinates");
    if (!polylines.is_array()) {
      skipped.push_back("constellation figure " + id + ": no coordinates");
      continue;
    }
    for (const Json& polyline : polylines) {
      if (!polyline.is_array()) continue;
      std::optional<EquatorialPoint> previous;
      for (const Json& vertex : polyline) {
        const auto point = PointFromLonLat(vertex);
        if (!point) {
          // A broken vertex ends the run: joining its neighbours would draw a
          // line the figure does not have.
          skipped.push_back("constellation figure " + id + ": vertex " + vertex.dump() + " left out");
          previous.reset();
          continue;
        }
        if (previous) {
          records.push_back(MakeObjectRecord(previous->ra, previous->dec, 0.0f, id));
          records.push_back(MakeObjectRecord(point->ra, point->dec, 0.0f, id));
        }
        previous = point;
      }
    }
  }
  return records;
}

std::vector<ConstellationLabel> BuildConstellationLabels(const Json& constellations, SkippedEntries& skipped) {
  std::vector<ConstellationLabel> labels;
  if (!Member(constellations, "features").is_array()) {
    skipped.push_back("constellations: no feature list");
    return labels;
  }
  std::unordered_map<std::string, std::size_t> byAbbreviation;
  for (const Json& feature : Member(constellations, "features")) {
    const std::string id = TextField(feature, "id");
    const std::string name = TextField(Member(feature, "properties"), "name");
    const auto point = PointOfFeature(feature);
    const WideString shortName = Utf8ToWide(id);
    const WideString fullName = Utf8ToWide(name);
    if (!point || shortName.empty() || shortName.size() >= kShortNameUnits || fullName.empty() ||
        fullName.size() >= kFullNameUnits) {
      skipped.push_back("constellation " + id + " (" + name + "): no position, or a name too long for its label");
      continue;
    }
    if (const auto seen = byAbbreviation.find(id); seen != byAbbreviation.end()) {
      ConstellationLabel& first = labels[seen->second];
      first.SetFullName(Utf8ToWide(SharedLeadingWords(WideToUtf8(first.fullName()), name)));
      continue;
    }
    ConstellationLabel label;
    label.SetShortName(shortName);
    label.SetFullName(fullName);
    label.SetRa(point->ra);
    label.SetDec(point->dec);
    byAbbreviation.emplace(id, labels.size());
    labels.push_back(label);
  }
  return labels;
}

std::map<std::string, std::string> ConstellationFullNames(const std::vector<ConstellationLabel>& labels) {
  std::map<std::string, std::string> names;
  for (const ConstellationLabel& label : labels) names.emplace(WideToUtf8(label.shortName()), WideToUtf8(label.fullName()));
  return names;
}
