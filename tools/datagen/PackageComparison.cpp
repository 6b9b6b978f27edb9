#include "tools/datagen/PackageComparison.h"

#include <cmath>
#include <cstdio>
#include <set>
#include <stdexcept>

namespace vespera {

namespace {

struct PackageFacts {
  std::optional<SkyPoint> point;
  std::optional<float> magnitude;
};

constexpr double kNoMagnitude = 999;

PackageFacts MessierFacts(const Json& packageMessier, const std::string& label) {
  for (const Json& feature : Member(packageMessier, "features")) {
    if (TextField(feature, "id") != label) continue;
    const auto magnitude = NumberField(Member(feature, "properties"), "mag");
    return {PointOfFeature(feature),
            magnitude && *magnitude < kNoMagnitude ? std::optional(static_cast<float>(*magnitude)) : std::nullopt};
  }
  return {};
}

std::string Rounded(double value, int decimals) {
  char text[32];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

}  // namespace

double AngularDistance(const SkyPoint& a, const SkyPoint& b) {
  constexpr double kRadians = 3.14159265358979323846 / 180;
  const double dec1 = a.dec * kRadians, dec2 = b.dec * kRadians, dra = (a.ra - b.ra) * kRadians;
  // The haversine form keeps its precision for the small distances compared here.
  const double h = std::pow(std::sin((dec2 - dec1) / 2), 2) + std::cos(dec1) * std::cos(dec2) * std::pow(std::sin(dra / 2), 2);
  return 2 * std::asin(std::min(1.0, std::sqrt(h))) / kRadians;
}

std::vector<Disagreement> CompareWithPackage(const std::vector<ListedObject>& objects, const ListKind& list,
                                             const Json& packageMessier) {
  std::vector<Disagreement> found;
  for (const ListedObject& object : objects) {
    PackageFacts package;
    if (list.prefix == kMessierList.prefix) package = MessierFacts(packageMessier, object.label);
    else if (object.entry) package = {object.entry->point, object.entry->magnitude};
    if (object.magnitude && package.magnitude &&
        std::fabs(*object.magnitude - *package.magnitude) > kReportedMagnitudeDifference)
      found.push_back({object.label, "magnitude " + Rounded(*object.magnitude, 1) + ", package " +
                                         Rounded(*package.magnitude, 2)});
    if (package.point) {
      const double distance = AngularDistance(object.point, *package.point);
      if (distance > kReportedPositionDifference)
        found.push_back({object.label, "position " + Rounded(distance, 2) + " degrees from the package's"});
    }
  }
  return found;
}

std::map<std::string, std::string> ParseExplanations(const Json& listFile, const ListKind& list) {
  std::map<std::string, std::string> explanations;
  const auto it = listFile.find("packageDisagreements");
  if (it == listFile.end()) return explanations;
  if (!it->is_object()) throw std::runtime_error(list.title + " list: \"packageDisagreements\" must be an object");
  for (const auto& [label, reason] : it->items()) {
    if (!reason.is_string() || reason.get_ref<const std::string&>().empty())
      throw std::runtime_error(list.title + " list: the explanation for " + label + " must be a text");
    explanations.emplace(label, reason.get<std::string>());
  }
  return explanations;
}

std::vector<std::string> UnexplainedDisagreements(const std::vector<Disagreement>& disagreements,
                                                  const std::map<std::string, std::string>& explanations) {
  std::vector<std::string> problems;
  std::set<std::string> disagreeing;
  for (const Disagreement& d : disagreements) {
    disagreeing.insert(d.label);
    if (!explanations.count(d.label)) problems.push_back(d.label + ": " + d.what + ", not explained");
  }
  for (const auto& [label, reason] : explanations)
    if (!disagreeing.count(label)) problems.push_back(label + ": explained, but agrees with the package");
  return problems;
}

}  // namespace vespera
