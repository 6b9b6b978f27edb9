#pragma once
// Our Messier and Caldwell table against the sky package: every object whose
// magnitude or position differs by more than an observer would shrug off.
// Each such difference must be explained in the table file
// ("packageDisagreements": {"M102": "why"}), and each explanation must still
// be needed, so a changed package or a typo in the table stops the build
// instead of slipping onto the map.

#include <map>
#include <string>
#include <vector>

#include "tools/datagen/JsonFile.h"
#include "tools/datagen/ListedObjects.h"

namespace vespera {

inline constexpr double kReportedMagnitudeDifference = 0.5;
inline constexpr double kReportedPositionDifference = 0.1;  // degrees

struct Disagreement {
  std::string label;  // "M87"
  std::string what;   // "magnitude 8.6, package 12.5"
};

// For Messier objects the package's Messier list (messier.json) is its best
// source and is the one compared; for the others the general deep-sky entry.
// Objects the package lacks, or gives no magnitude, are not compared.
std::vector<Disagreement> CompareWithPackage(const std::vector<ListedObject>& objects, const ListKind& list,
                                             const Json& packageMessier);

// The file's "packageDisagreements" object, label -> reason. Throws when it is
// not an object of texts.
std::map<std::string, std::string> ParseExplanations(const Json& listFile, const ListKind& list);

// The problems that must stop the build: disagreements without an
// explanation, and explanations for objects that no longer disagree.
std::vector<std::string> UnexplainedDisagreements(const std::vector<Disagreement>& disagreements,
                                                  const std::map<std::string, std::string>& explanations);

// Great-circle distance in degrees.
double AngularDistance(const SkyPoint& a, const SkyPoint& b);

}  // namespace vespera
