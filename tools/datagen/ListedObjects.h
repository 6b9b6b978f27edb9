#pragma once
// The Messier and Caldwell lists: our hand-written table (data/messier.json,
// data/caldwell.json) with each object's position, visual magnitude, size and
// notes, joined with the package's catalogue entry of the same object. The
// table's facts win: the package's general list mixes photographic with visual
// magnitudes and misplaces a few objects (see PackageComparison.h).

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "tools/datagen/DeepSkyIndex.h"
#include "tools/datagen/FactText.h"
#include "tools/datagen/JsonFile.h"

namespace vespera {

struct ListKind {
  std::string title;   // "Messier"
  std::string prefix;  // "M", as in "M31"
  int count = 0;       // 110, every number from 1 up must be present
};

inline const ListKind kMessierList{"Messier", "M", 110};
inline const ListKind kCaldwellList{"Caldwell", "C", 109};

// One entry of a hand-written list file.
struct ObjectNote {
  int number = 0;
  std::string designation;          // "NGC 224", "IC 342", "Mel 22"
  std::string catalogId;            // where the package lists it, if not under the designation
  std::vector<std::string> alsoAs;  // further catalogue objects it is made of ("NGC 884")
  std::string name;                 // common name, may be empty
  std::string type;                 // "Spiral galaxy"; empty takes the package's type
  std::string constellation;        // abbreviation, "And"
  std::string distance;             // "2.5 million light-years"
  std::string notes;                // two or three sentences
  SkyPoint point;            // J2000
  std::optional<float> magnitude;   // visual; none for a dark nebula
  AngularSize size;
};

// Reads a list file: {"objects": [ {...}, ... ]}. Throws with the file's
// entry number when an entry lacks a number, designation, constellation,
// position, magnitude (null for none) or size, when a number repeats or is
// missing, or when a field has the wrong type or an unreadable value.
std::vector<ObjectNote> ParseObjectNotes(const Json& file, const ListKind& list);

// A list entry with everything the map and the pages show about it.
struct ListedObject {
  ObjectNote note;
  std::string label;             // "M31"
  std::string recordDesignation;  // "224" for NGC objects, else the designation
  SkyPoint point;
  std::optional<float> magnitude;
  std::string type;
  std::string size;               // "178' x 63'"
  const DeepSkyEntry* entry = nullptr;  // the package's object, if it has one
};

// The record designation for a catalogue designation: NGC objects go by
// their number alone ("NGC 224" -> "224"), others keep theirs, written as
// observers write them ("IC 1805", "Cr 399", "Sh2-155").
std::string RecordDesignation(const std::string& designation);

// Joins notes with the package's entries, which supply the type where the
// notes give none and the aliases under which the package names the object.
// The package ids of the objects the lists describe (their facts are ours).
std::set<std::string> ListedDesignations(const DeepSkyIndex& index,
                                         const std::vector<const std::vector<ObjectNote>*>& lists);

std::vector<ListedObject> ResolveListedObjects(const std::vector<ObjectNote>& notes, const ListKind& list,
                                               const DeepSkyIndex& index);

}  // namespace vespera
