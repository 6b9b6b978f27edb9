#include "tools/datagen/DeepSkyReferenceCheck.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <unordered_map>

#include "tools/datagen/AnsiText.h"
#include "tools/datagen/PackageComparison.h"

namespace vespera {

namespace {

constexpr const char* kKeptPrefixes[] = {"NGC ", "IC ", "Cr ", "Mel ", "B ", "Sh2 ", "LDN ", "LBN ",
                                         "Ced ", "VdB ", "RCW ", "Abell "};

// Catalogues give few nebulae an integrated magnitude; a dark one has none at all.
bool IsNebula(const std::string& typeCode) {
  static const std::set<std::string> kNebulae = {"bn", "en", "rn", "snr", "sfr", "dn"};
  return kNebulae.count(typeCode) > 0;
}

std::string Arcminutes(double degrees) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f'", degrees * 60);
  return text;
}

// The object's size in degrees: the reference's major axis, else the first
// number of the package's "60x40".
double SizeOf(const ReferenceObject* reference, const DeepSkyEntry& entry) {
  if (reference && reference->size && *reference->size > 0) return *reference->size / 60.0;
  const double packageSize = std::atof(entry.dimensions.c_str());
  return packageSize > 0 ? packageSize / 60.0 : 0.0;
}

class DeepSkyChecker {
 public:
  DeepSkyChecker(DeepSkyIndex& index, const Json& packageNames, const std::set<std::string>& listed,
                 const std::vector<ReferenceObject>& reference, const OtherNames& ours)
      : index_(index), listed_(listed), ours_(ours) {
    result_.names = packageNames.is_object() ? packageNames : Json::object();
    for (const ReferenceObject& object : reference) {
      referenceById_.emplace(object.designation, &object);
      for (const std::string& name : object.names) referenceByName_[NameKey(name)].push_back(&object);
    }
  }

  CheckedDeepSky Run() {
    AddWhatThePackageLacks();
    for (const auto& [key, value] : result_.names.items()) keys_.push_back(key);
    for (const std::string& key : keys_) CheckName(key);
    for (const auto& [name, owner] : ours_.deepSkyNameOwners) GiveToOwner(name, owner);
    std::set<const DeepSkyEntry*> checked;
    for (const auto& [key, value] : result_.names.items())
      if (!TextField(value, "name").empty()) CheckFacts(key, checked);
    for (const DeepSkyOtherNames& extra : ours_.deepSky) CheckFacts(extra.designation, checked);
    SeparateObjectsOnOnePoint();
    for (const auto& [designation, why] : ours_.deepSkyWithoutMagnitude)
      if (!explainedWithoutMagnitude_.count(designation))
        result_.problems.push_back(designation + ": said to have no magnitude, but it is not a named object without one");
    return std::move(result_);
  }

 private:
  const ReferenceObject* ReferenceOf(const DeepSkyEntry& entry) const {
    if (const auto it = referenceById_.find(entry.id); it != referenceById_.end()) return it->second;
    if (const auto it = referenceById_.find(entry.alias); it != referenceById_.end()) return it->second;
    return nullptr;
  }

  const DeepSkyEntry* Kept(const std::string& designation) const {
    const DeepSkyEntry* entry = index_.Find(designation);
    return entry && IsKeptCatalogue(entry->id) ? entry : nullptr;
  }

  std::string CurrentName(const DeepSkyEntry& entry) const {
    for (const std::string& key : {entry.id, entry.alias})
      if (const std::string name = TextField(Member(result_.names, key), "name"); !name.empty()) return name;
    return {};
  }

  void Report(const std::string& what) { result_.report.push_back(what); }

  // Named IC objects the package's list lacks come with the reference's facts.
  void AddWhatThePackageLacks() {
    for (const auto& [key, value] : result_.names.items()) {
      if (index_.Find(key) || key.rfind("IC ", 0) != 0) continue;
      const auto reference = referenceById_.find(key);
      if (reference == referenceById_.end() || reference->second->duplicate) continue;
      DeepSkyEntry entry;
      entry.id = entry.alias = key;
      entry.point = reference->second->point;
      entry.typeCode = reference->second->typeCode;
      entry.magnitude = reference->second->magnitude;
      index_.Add(std::move(entry));
      Report(key + " (" + Utf8ToAnsiSpelled(TextField(value, "name")) + "): added with the reference's position, " +
             "as the package's list lacks it");
    }
  }

  // Where the reference puts the name: nothing when it agrees with entry or
  // does not know the name, else the reference's objects of that name.
  std::vector<const ReferenceObject*> ReferenceElsewhere(const std::string& name, const DeepSkyEntry& entry) const {
    const auto it = referenceByName_.find(NameKey(name));
    if (it == referenceByName_.end()) return {};
    for (const ReferenceObject* object : it->second) {
      const double within = std::max(kLeastNameDistance, SizeOf(object, entry));
      if (object->designation == entry.id || object->designation == entry.alias ||
          AngularDistance(object->point, entry.point) <= within)
        return {};
    }
    return it->second;
  }

  void Drop(const std::string& key) { result_.names[key]["name"] = ""; }

  void CheckName(const std::string& key) {
    const std::string name = TextField(Member(result_.names, key), "name");
    const DeepSkyEntry* entry = Kept(key);
    if (name.empty() || !entry) return;
    const std::string shown = Utf8ToAnsiSpelled(name);
    if (const auto owner = ours_.deepSkyNameOwners.find(name); owner != ours_.deepSkyNameOwners.end()) {
      if (owner->second.designation.empty()) {
        Drop(key);
        Report(shown + ": dropped from " + key + " (" + owner->second.why + ")");
        return;
      }
      if (index_.Find(owner->second.designation) == entry) {
        if (!ReferenceElsewhere(name, *entry).empty())
          Report(shown + ": kept on " + key + " against the reference (" + owner->second.why + ")");
        return;
      }
      Drop(key);
      Report(shown + ": dropped from " + key + ", the name of " + owner->second.designation + " (" + owner->second.why + ")");
      return;
    }
    const auto elsewhere = ReferenceElsewhere(name, *entry);
    if (elsewhere.empty()) return;
    const DeepSkyEntry* owner = nullptr;
    const ReferenceObject* ownerReference = elsewhere.front();
    for (const ReferenceObject* object : elsewhere) {
      const DeepSkyEntry* candidate = Kept(object->designation);
      if (candidate && (!owner || NameKey(CurrentName(*candidate)) == NameKey(name))) owner = candidate, ownerReference = object;
    }
    Drop(key);
    const std::string because = "the reference gives it to " + ownerReference->designation + ", " +
                                Arcminutes(AngularDistance(ownerReference->point, entry->point)) + " away";
    if (!owner) {
      Report(shown + ": dropped from " + key + ": " + because + ", which is not in the catalogue");
    } else if (NameKey(CurrentName(*owner)) == NameKey(name)) {
      Report(shown + ": dropped from " + key + ": " + because + ", which carries it too");
    } else if (CurrentName(*owner).empty()) {
      result_.names[owner->id] = Json{{"name", name}};
      Report(shown + ": moved from " + key + " to " + owner->id + ": " + because);
    } else {
      result_.added.push_back({owner->id, {name}, std::nullopt, std::nullopt});
      Report(shown + ": moved from " + key + " to " + owner->id + " beside its name " +
             Utf8ToAnsiSpelled(CurrentName(*owner)) + ": " + because);
    }
  }

  void GiveToOwner(const std::string& name, const DeepSkyNameOwner& owner) {
    if (owner.designation.empty()) return;
    const DeepSkyEntry* entry = Kept(owner.designation);
    if (!entry) {
      result_.problems.push_back(name + ": its owner " + owner.designation + " is not in the catalogue");
      return;
    }
    const std::string current = CurrentName(*entry);
    if (NameKey(current) == NameKey(name)) return;
    if (current.empty()) {
      result_.names[entry->id] = Json{{"name", name}};
      Report(Utf8ToAnsiSpelled(name) + ": given to " + owner.designation + " (" + owner.why + ")");
    } else {
      result_.added.push_back({entry->id, {name}, std::nullopt, std::nullopt});
      Report(Utf8ToAnsiSpelled(name) + ": added to " + owner.designation + " beside its name " +
             Utf8ToAnsiSpelled(current) + " (" + owner.why + ")");
    }
  }

  void CheckFacts(const std::string& key, std::set<const DeepSkyEntry*>& checked) {
    const DeepSkyEntry* entry = Kept(key);
    if (!entry || listed_.count(entry->id) || listed_.count(entry->alias) || !checked.insert(entry).second) return;
    const ReferenceObject* found = ReferenceOf(*entry);
    // A duplicate's place is that of the object it repeats, not its own.
    const ReferenceObject* reference = found && !found->duplicate ? found : nullptr;
    SkyPoint point = entry->point;
    std::optional<float> magnitude = entry->magnitude;
    if (reference) {
      const double distance = AngularDistance(point, reference->point);
      if (distance > std::max(kLeastNameDistance, SizeOf(reference, *entry) / 2)) {
        point = reference->point;
        Report(entry->id + ": position moved " + Arcminutes(distance) + " to the reference's, farther than its size allows");
      }
    }
    if (!magnitude) {
      if (reference && reference->magnitude) {
        magnitude = reference->magnitude;
        char text[16];
        std::snprintf(text, sizeof text, "%.2f", static_cast<double>(*magnitude));
        Report(entry->id + ": magnitude " + text + " from the reference (OpenNGC's visual, or its blue where it has no visual)");
      } else if (const auto why = ours_.deepSkyWithoutMagnitude.find(entry->id); why != ours_.deepSkyWithoutMagnitude.end()) {
        explainedWithoutMagnitude_.insert(entry->id);
        Report(entry->id + ": no magnitude (" + why->second + ")");
      } else if (entry->typeCode == "dn") {
        Report(entry->id + ": no magnitude (a dark nebula, which has none by nature)");
      } else if (IsNebula(entry->typeCode)) {
        Report(entry->id + ": no magnitude (a nebula whose integrated magnitude neither the package nor the reference gives)");
      } else {
        result_.problems.push_back(entry->id + " (" + Utf8ToAnsiSpelled(CurrentName(*entry)) +
                                   "): a named object without a magnitude in the package or the reference, not explained");
      }
    }
    index_.Amend(*entry, point, magnitude);
  }

  // Pairs of NGC objects on one point, found in declination order.
  void SeparateObjectsOnOnePoint() {
    std::vector<const DeepSkyEntry*> ngc;
    for (const DeepSkyEntry& entry : index_.entries())
      if (entry.id.rfind("NGC ", 0) == 0 && !listed_.count(entry.id)) ngc.push_back(&entry);
    std::sort(ngc.begin(), ngc.end(), [](const DeepSkyEntry* a, const DeepSkyEntry* b) { return a->point.dec < b->point.dec; });
    std::set<const DeepSkyEntry*> moved;
    for (std::size_t i = 0; i < ngc.size(); ++i) {
      for (std::size_t j = i + 1; j < ngc.size() && ngc[j]->point.dec - ngc[i]->point.dec < kSamePlaceDistance; ++j) {
        if (AngularDistance(ngc[i]->point, ngc[j]->point) >= kSamePlaceDistance) continue;
        for (const auto& [one, other] : {std::pair{ngc[i], ngc[j]}, std::pair{ngc[j], ngc[i]}}) {
          const ReferenceObject* reference = ReferenceOf(*one);
          if (!reference || moved.count(one)) continue;
          if (reference->duplicate) {
            Report(one->id + ": on the point of " + other->id + ", which the reference says is the same object");
            continue;
          }
          const double distance = AngularDistance(one->point, reference->point);
          if (distance < kSamePlaceDistance) continue;
          moved.insert(one);
          Report(one->id + ": position moved " + Arcminutes(distance) + " to the reference's; the package puts it on " + other->id);
        }
      }
    }
    // Moved after the search, which the amendments would reorder.
    for (const DeepSkyEntry* entry : moved) index_.Amend(*entry, ReferenceOf(*entry)->point, entry->magnitude);
  }

  DeepSkyIndex& index_;
  const std::set<std::string>& listed_;
  const OtherNames& ours_;
  std::unordered_map<std::string, const ReferenceObject*> referenceById_;
  std::unordered_map<std::string, std::vector<const ReferenceObject*>> referenceByName_;
  std::vector<std::string> keys_;
  std::set<std::string> explainedWithoutMagnitude_;
  CheckedDeepSky result_;
};

}  // namespace

bool IsKeptCatalogue(const std::string& id) {
  return std::any_of(std::begin(kKeptPrefixes), std::end(kKeptPrefixes),
                     [&](const char* prefix) { return id.rfind(prefix, 0) == 0; });
}

CheckedDeepSky CheckDeepSky(DeepSkyIndex& index, const Json& packageNames, const std::set<std::string>& listed,
                            const std::vector<ReferenceObject>& reference, const OtherNames& ours) {
  return DeepSkyChecker(index, packageNames, listed, reference, ours).Run();
}

}  // namespace vespera
