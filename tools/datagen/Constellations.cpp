#include "tools/datagen/Constellations.h"

#include <unordered_set>

#include "platform/runtime/CodePage.h"
#include "tools/datagen/IauConstellations.h"
#include "tools/datagen/GeoJsonPoint.h"

namespace vespera {

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
      std::optional<SkyPoint> previous;
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
  std::unordered_set<std::string> byAbbreviation;
  for (const Json& feature : Member(constellations, "features")) {
    const std::string id = TextField(feature, "id");
    const auto point = PointOfFeature(feature);
    const auto official = IauConstellationNames().find(id);
    if (!point || official == IauConstellationNames().end()) {
      skipped.push_back("constellation " + id + ": no position, or not an IAU abbreviation");
      continue;
    }
    // Serpens comes in two parts; the first part's place carries the label.
    if (byAbbreviation.count(id)) continue;
    ConstellationLabel label;
    label.SetShortName(Utf8ToWide(id));
    label.SetFullName(Utf8ToWide(official->second));
    label.SetRa(point->ra);
    label.SetDec(point->dec);
    byAbbreviation.insert(id);
    labels.push_back(label);
  }
  return labels;
}

std::map<std::string, std::string> ConstellationFullNames(const std::vector<ConstellationLabel>& labels) {
  std::map<std::string, std::string> names;
  for (const ConstellationLabel& label : labels) names.emplace(WideToUtf8(label.shortName()), WideToUtf8(label.fullName()));
  return names;
}

}  // namespace vespera
