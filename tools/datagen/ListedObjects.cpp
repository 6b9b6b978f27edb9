#include "tools/datagen/ListedObjects.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <stdexcept>

namespace vespera {

namespace {

std::runtime_error EntryError(const ListKind& list, std::size_t position, const std::string& what) {
  return std::runtime_error(list.title + " list, entry " + std::to_string(position + 1) + ": " + what);
}

std::string RequiredText(const Json& entry, const char* key, const ListKind& list, std::size_t position) {
  const auto it = entry.find(key);
  if (it == entry.end() || !it->is_string() || it->get_ref<const std::string&>().empty())
    throw EntryError(list, position, std::string("needs a text \"") + key + "\"");
  return it->get<std::string>();
}

std::string OptionalText(const Json& entry, const char* key, const ListKind& list, std::size_t position) {
  const auto it = entry.find(key);
  if (it == entry.end()) return {};
  if (!it->is_string()) throw EntryError(list, position, std::string("\"") + key + "\" must be text");
  return it->get<std::string>();
}

std::optional<double> OptionalNumber(const Json& entry, const char* key, const ListKind& list,
                                     std::size_t position) {
  const auto it = entry.find(key);
  if (it == entry.end()) return std::nullopt;
  const auto value = NumberValue(*it);
  if (!value) throw EntryError(list, position, std::string("\"") + key + "\" must be a finite number");
  return value;
}

template <typename T>
T RequiredFact(const Json& entry, const char* key, const ListKind& list, std::size_t position,
               std::optional<T> (*parse)(const std::string&)) {
  const std::string text = RequiredText(entry, key, list, position);
  const auto value = parse(text);
  if (!value) throw EntryError(list, position, std::string("\"") + key + "\" cannot be read: \"" + text + "\"");
  return *value;
}

std::optional<float> RequiredMagnitude(const Json& entry, const ListKind& list, std::size_t position) {
  const auto it = entry.find("magnitude");
  if (it == entry.end()) throw EntryError(list, position, "needs a \"magnitude\" (null when it has none)");
  if (it->is_null()) return std::nullopt;
  const auto value = NumberValue(*it);
  if (!value || std::fabs(*value) > 30) throw EntryError(list, position, "\"magnitude\" must be a number or null");
  return static_cast<float>(*value);
}

}  // namespace

std::vector<ObjectNote> ParseObjectNotes(const Json& file, const ListKind& list) {
  const Json& objects = Member(file, "objects");
  if (!objects.is_array()) throw std::runtime_error(list.title + " list: needs an \"objects\" array");
  std::vector<ObjectNote> notes;
  std::set<int> seen;
  for (std::size_t i = 0; i < objects.size(); ++i) {
    const Json& entry = objects[i];
    if (!entry.is_object()) throw EntryError(list, i, "is not an object");
    const auto number = OptionalNumber(entry, "number", list, i);
    if (!number || *number != std::floor(*number) || *number < 1 || *number > list.count)
      throw EntryError(list, i, "needs a \"number\" from 1 to " + std::to_string(list.count));
    ObjectNote note;
    note.number = static_cast<int>(*number);
    if (!seen.insert(note.number).second)
      throw EntryError(list, i, "number " + std::to_string(note.number) + " is listed twice");
    note.designation = RequiredText(entry, "designation", list, i);
    note.constellation = RequiredText(entry, "constellation", list, i);
    note.notes = RequiredText(entry, "notes", list, i);
    note.catalogId = OptionalText(entry, "catalog", list, i);
    note.name = OptionalText(entry, "name", list, i);
    note.type = OptionalText(entry, "type", list, i);
    note.distance = OptionalText(entry, "distance", list, i);
    if (const auto also = entry.find("also"); also != entry.end()) {
      if (!also->is_array()) throw EntryError(list, i, "\"also\" must be a list of designations");
      for (const Json& item : *also) {
        if (!item.is_string()) throw EntryError(list, i, "\"also\" must be a list of designations");
        note.alsoAs.push_back(item.get<std::string>());
      }
    }
    const double ra = RequiredFact<double>(entry, "ra", list, i, ParseRightAscension);
    const double dec = RequiredFact<double>(entry, "dec", list, i, ParseDeclination);
    note.point = SkyPoint{static_cast<float>(ra), static_cast<float>(dec)};
    note.magnitude = RequiredMagnitude(entry, list, i);
    note.size = RequiredFact<AngularSize>(entry, "size", list, i, ParseAngularSize);
    notes.push_back(std::move(note));
  }
  for (int n = 1; n <= list.count; ++n)
    if (!seen.count(n)) throw std::runtime_error(list.title + " list: " + list.prefix + std::to_string(n) + " is missing");
  std::sort(notes.begin(), notes.end(), [](const ObjectNote& a, const ObjectNote& b) { return a.number < b.number; });
  return notes;
}

std::string RecordDesignation(const std::string& designation) {
  if (designation.rfind("NGC ", 0) == 0) return designation.substr(4);
  // Sharpless objects are written "Sh2-155".
  if (designation.rfind("Sh2 ", 0) == 0) return "Sh2-" + designation.substr(4);
  return designation;
}

std::set<std::string> ListedDesignations(const DeepSkyIndex& index,
                                         const std::vector<const std::vector<ObjectNote>*>& lists) {
  std::set<std::string> ids;
  for (const auto* list : lists) {
    for (const ObjectNote& note : *list) {
      ids.insert(note.designation);
      if (const DeepSkyEntry* entry = index.Find(note.catalogId.empty() ? note.designation : note.catalogId))
        ids.insert(entry->id);
    }
  }
  return ids;
}

std::vector<ListedObject> ResolveListedObjects(const std::vector<ObjectNote>& notes, const ListKind& list,
                                               const DeepSkyIndex& index) {
  std::vector<ListedObject> objects;
  objects.reserve(notes.size());
  for (const ObjectNote& note : notes) {
    ListedObject object;
    object.note = note;
    object.label = list.prefix + std::to_string(note.number);
    object.recordDesignation = RecordDesignation(note.designation);
    object.entry = index.Find(note.catalogId.empty() ? note.designation : note.catalogId);
    if (!object.entry) object.entry = index.Find(list.prefix + " " + std::to_string(note.number));
    object.point = note.point;
    object.magnitude = note.magnitude;
    object.type = !note.type.empty() ? note.type
                  : object.entry     ? DeepSkyTypeText(object.entry->typeCode)
                                     : std::string("Deep-sky object");
    object.size = FormatAngularSize(note.size);
    objects.push_back(std::move(object));
  }
  return objects;
}

}  // namespace vespera
