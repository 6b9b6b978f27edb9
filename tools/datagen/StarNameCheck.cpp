#include "tools/datagen/StarNameCheck.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <set>

#include "tools/datagen/AnsiText.h"
#include "tools/datagen/GeoJsonPoint.h"
#include "tools/datagen/PackageComparison.h"

namespace vespera {

namespace {

// "HD 187929" with any kind of space; 0 when there is none.
long HdNumber(const std::string& text) {
  const auto digit = text.find_first_of("0123456789");
  return text.rfind("HD", 0) == 0 && digit != std::string::npos ? std::strtol(text.c_str() + digit, nullptr, 10) : 0;
}

std::string StarLabel(long hip, const Json& entry) {
  const std::string designation = Utf8ToAnsiSpelled(TextField(entry, "desig"));
  const std::string constellation = TextField(entry, "c");
  std::string label = "HIP " + std::to_string(hip);
  if (!designation.empty() && !constellation.empty()) label += " (" + designation + " " + constellation + ")";
  return label;
}

class StarNameChecker {
 public:
  StarNameChecker(const Json& starNames, const std::unordered_map<long, SkyPoint>& points,
                  const std::vector<ReferenceStar>& reference, const std::map<std::string, StarNameOwner>& owners)
      : package_(starNames), points_(points), owners_(owners) {
    result_.starNames = starNames;
    if (!starNames.is_object()) return;
    for (const auto& [key, entry] : starNames.items()) {
      const long hip = std::strtol(key.c_str(), nullptr, 10);
      if (hip <= 0) continue;
      hips_.push_back(hip);
      if (const long hd = HdNumber(TextField(entry, "hd"))) hipsOfHd_[hd].push_back(hip);
      if (const std::string name = TextField(entry, "name"); !name.empty()) carriers_[NameKey(name)].push_back(hip);
    }
    std::sort(hips_.begin(), hips_.end());
    for (const ReferenceStar& star : reference) {
      if (!star.name.empty()) referenceByName_[NameKey(star.name)].push_back(&star);
      if (star.hd) referenceByHd_.emplace(star.hd, &star);
    }
  }

  CheckedStarNames Run() {
    for (const long hip : hips_) RestoreSuperscript(hip);
    for (const long hip : hips_) CheckStar(hip);
    for (const auto& [name, owner] : owners_) GiveToOwner(name, owner);
    for (const long hip : hips_) AddReferenceSpelling(hip);
    return std::move(result_);
  }

 private:
  const Json& Entry(long hip) const { return Member(package_, std::to_string(hip)); }
  std::string PackageName(long hip) const { return TextField(Entry(hip), "name"); }
  std::string Label(long hip) const { return StarLabel(hip, Entry(hip)); }

  void SetName(long hip, const std::string& name) { result_.starNames[std::to_string(hip)]["name"] = name; }

  void Report(const std::string& name, const std::string& what) { result_.report.push_back(name + ": " + what); }

  bool Near(long hip, const SkyPoint& point) const {
    const auto it = points_.find(hip);
    return it != points_.end() && AngularDistance(it->second, point) < kSameStarDistance;
  }

  // The reference stars of this name that are not the given star.
  std::vector<const ReferenceStar*> ReferenceElsewhere(const std::string& key, long hip, bool& onThisStar) const {
    onThisStar = false;
    std::vector<const ReferenceStar*> elsewhere;
    const auto it = referenceByName_.find(key);
    if (it == referenceByName_.end()) return elsewhere;
    const long hd = HdNumber(TextField(Entry(hip), "hd"));
    for (const ReferenceStar* star : it->second) {
      if ((hd && star->hd == hd) || Near(hip, star->point)) onThisStar = true;
      else elsewhere.push_back(star);
    }
    return elsewhere;
  }

  // The package writes iota-2 Cygni as plain iota; the reference's "iot2Cyg"
  // gives the number back.
  void RestoreSuperscript(long hip) {
    const std::string bayer = TextField(Entry(hip), "bayer");
    const auto reference = referenceByHd_.find(HdNumber(TextField(Entry(hip), "hd")));
    if (bayer.empty() || reference == referenceByHd_.end()) return;
    std::size_t pos = 0;
    const auto letter = GreekAbbreviation(NextCodePoint(bayer, pos));
    const std::string& theirs = reference->second->designation;
    if (!letter || pos != bayer.size() || theirs.size() < 4 || theirs.compare(0, 3, *letter) != 0 ||
        !std::isdigit(static_cast<unsigned char>(theirs[3])))
      return;
    result_.starNames[std::to_string(hip)]["bayer"] = bayer + theirs[3];
    result_.report.push_back(std::string(*letter) + " " + TextField(Entry(hip), "c") + ": " + Label(hip) + " is " +
                             std::string(*letter) + theirs[3] + " in the reference, which keeps the number");
  }

  void CheckStar(long hip) {
    const std::string name = PackageName(hip);
    if (name.empty()) return;
    const std::string key = NameKey(name);
    if (const auto owner = owners_.find(name); owner != owners_.end()) {
      bool onThisStar = false;
      const bool referenceDisagrees = !ReferenceElsewhere(key, hip, onThisStar).empty() && !onThisStar;
      if (owner->second.hip == hip) {
        if (referenceDisagrees) Report(name, "kept on " + Label(hip) + " against the reference (" + owner->second.why + ")");
        return;
      }
      SetName(hip, "");
      Report(name, "dropped from " + Label(hip) + ", the name of HIP " + std::to_string(owner->second.hip) + " (" +
                       owner->second.why + ")");
      return;
    }
    bool onThisStar = false;
    const auto elsewhere = ReferenceElsewhere(key, hip, onThisStar);
    if (onThisStar || elsewhere.empty()) return;
    // The reference's owner as a package star: preferably one that carries
    // the name already.
    long ownerHip = 0;
    long ownerHd = elsewhere.front()->hd;
    for (const ReferenceStar* star : elsewhere) {
      const auto hips = hipsOfHd_.find(star->hd);
      if (star->hd == 0 || hips == hipsOfHd_.end()) continue;
      for (const long candidate : hips->second) {
        if (!points_.count(candidate)) continue;
        if (!ownerHip || NameKey(PackageName(candidate)) == key) ownerHip = candidate, ownerHd = star->hd;
      }
    }
    SetName(hip, "");
    const std::string reference = "the reference gives it to HD " + std::to_string(ownerHd);
    if (!ownerHip) {
      Report(name, "dropped from " + Label(hip) + ": " + reference + ", which is not in the package's star list");
      return;
    }
    const std::string ownerName = TextField(Member(result_.starNames, std::to_string(ownerHip)), "name");
    if (NameKey(ownerName) == key) {
      Report(name, "dropped from " + Label(hip) + ": " + reference + ", " + Label(ownerHip) + ", which carries it too");
    } else if (ownerName.empty()) {
      SetName(ownerHip, name);
      Report(name, "moved from " + Label(hip) + " to " + Label(ownerHip) + ": " + reference);
    } else {
      result_.added.push_back({ownerHip, {name}});
      Report(name, "moved from " + Label(hip) + " to " + Label(ownerHip) + " beside its name " + ownerName + ": " + reference);
    }
  }

  // The reference's spelling of a named star's name ("Sadalsud" beside
  // "Sadalsuud") becomes a further name, so a search finds either; never a
  // name that belongs to another star.
  void AddReferenceSpelling(long hip) {
    const std::string ours = TextField(Member(result_.starNames, std::to_string(hip)), "name");
    const auto reference = referenceByHd_.find(HdNumber(TextField(Entry(hip), "hd")));
    if (ours.empty() || reference == referenceByHd_.end() || reference->second->name.empty()) return;
    const std::string spelling = reference->second->name;
    const std::string key = NameKey(spelling);
    if (key == NameKey(ours) || carriers_.count(key) || owners_.count(spelling)) return;
    result_.added.push_back({hip, {spelling}});
    Report(spelling, "added to " + Label(hip) + " beside " + ours + ", the reference's spelling");
  }

  // Our owner carries the name in the end; an owner entry that changed
  // nothing is stale.
  void GiveToOwner(const std::string& name, const StarNameOwner& owner) {
    if (!points_.count(owner.hip)) {
      result_.problems.push_back(name + ": its owner HIP " + std::to_string(owner.hip) + " is not in the package's star list");
      return;
    }
    const auto carriers = carriers_.find(NameKey(name));
    bool onThisStar = false;
    const bool referenceDisagrees = !ReferenceElsewhere(NameKey(name), owner.hip, onThisStar).empty() && !onThisStar;
    const bool onOthers = carriers != carriers_.end() &&
                          std::any_of(carriers->second.begin(), carriers->second.end(), [&](long h) { return h != owner.hip; });
    if (!onOthers && !referenceDisagrees) {
      result_.problems.push_back(name + ": an owner is named, but the package and the reference agree on the name");
      return;
    }
    const std::string current = TextField(Member(result_.starNames, std::to_string(owner.hip)), "name");
    if (current.empty()) {
      SetName(owner.hip, name);
      Report(name, "given to " + Label(owner.hip) + " (" + owner.why + ")");
    } else if (NameKey(current) != NameKey(name)) {
      result_.added.push_back({owner.hip, {name}});
      Report(name, "added to " + Label(owner.hip) + " beside its name " + current + " (" + owner.why + ")");
    }
  }

  const Json& package_;
  const std::unordered_map<long, SkyPoint>& points_;
  const std::map<std::string, StarNameOwner>& owners_;
  std::vector<long> hips_;
  std::unordered_map<long, std::vector<long>> hipsOfHd_;
  std::unordered_map<std::string, std::vector<long>> carriers_;
  std::unordered_map<std::string, std::vector<const ReferenceStar*>> referenceByName_;
  std::unordered_map<long, const ReferenceStar*> referenceByHd_;
  CheckedStarNames result_;
};

}  // namespace

CheckedStarNames CheckStarNames(const Json& starNames, const std::unordered_map<long, SkyPoint>& starPoints,
                                const std::vector<ReferenceStar>& reference,
                                const std::map<std::string, StarNameOwner>& owners) {
  return StarNameChecker(starNames, starPoints, reference, owners).Run();
}

std::unordered_map<long, SkyPoint> StarPoints(const Json& stars) {
  std::unordered_map<long, SkyPoint> points;
  const Json& features = Member(stars, "features");
  if (!features.is_array()) return points;
  for (const Json& feature : features) {
    const auto hip = NumberField(feature, "id");
    const auto point = PointOfFeature(feature);
    if (hip && point && *hip >= 1) points.emplace(static_cast<long>(*hip), *point);
  }
  return points;
}

}  // namespace vespera
