#include "tools/datagen/ListedObjects.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <sstream>
#include <stdexcept>

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

std::string Trimmed(double value) {
  std::ostringstream text;
  text << std::lround(value);
  return text.str();
}

const Json* PackageMessierFeature(const Json* packageMessier, int number) {
  if (!packageMessier) return nullptr;
  const std::string id = "M" + std::to_string(number);
  for (const Json& feature : Member(*packageMessier, "features"))
    if (TextField(feature, "id") == id) return &feature;
  return nullptr;
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
    note.size = OptionalText(entry, "size", list, i);
    if (const auto also = entry.find("also"); also != entry.end()) {
      if (!also->is_array()) throw EntryError(list, i, "\"also\" must be a list of designations");
      for (const Json& item : *also) {
        if (!item.is_string()) throw EntryError(list, i, "\"also\" must be a list of designations");
        note.alsoAs.push_back(item.get<std::string>());
      }
    }
    const auto ra = OptionalNumber(entry, "ra", list, i);
    const auto dec = OptionalNumber(entry, "dec", list, i);
    if (ra.has_value() != dec.has_value()) throw EntryError(list, i, "\"ra\" and \"dec\" go together");
    if (ra) {
      const auto point = PointFromLonLat(Json::array({*ra, *dec}));
      if (!point) throw EntryError(list, i, "\"ra\"/\"dec\" out of range");
      note.point = point;
    }
    if (const auto magnitude = OptionalNumber(entry, "magnitude", list, i))
      note.magnitude = static_cast<float>(*magnitude);
    notes.push_back(std::move(note));
  }
  for (int n = 1; n <= list.count; ++n)
    if (!seen.count(n)) throw std::runtime_error(list.title + " list: " + list.prefix + std::to_string(n) + " is missing");
  std::sort(notes.begin(), notes.end(), [](const ObjectNote& a, const ObjectNote& b) { return a.number < b.number; });
  return notes;
}

std::string RecordDesignation(const std::string& designation) {
  if (designation.rfind("NGC ", 0) == 0) return designation.substr(4);
  return designation;
}

std::string FormatDimensions(const std::string& dimensions) {
  if (dimensions.empty()) return {};
  const std::size_t cross = dimensions.find('x');
  const auto number = [](const std::string& text) { return NumberValue(Json(text)); };
  const auto first = number(dimensions.substr(0, cross));
  if (!first || *first <= 0) return {};
  if (cross == std::string::npos) return Trimmed(*first) + "'";
  const auto second = number(dimensions.substr(cross + 1));
  if (!second || *second <= 0) return Trimmed(*first) + "'";
  return Trimmed(*first) + "' x " + Trimmed(*second) + "'";
}

std::vector<ListedObject> ResolveListedObjects(const std::vector<ObjectNote>& notes, const ListKind& list,
                                               const DeepSkyIndex& index, const Json* packageMessier) {
  std::vector<ListedObject> objects;
  objects.reserve(notes.size());
  for (const ObjectNote& note : notes) {
    ListedObject object;
    object.note = note;
    object.label = list.prefix + std::to_string(note.number);
    object.recordDesignation = RecordDesignation(note.designation);
    object.entry = index.Find(note.catalogId.empty() ? note.designation : note.catalogId);
    if (!object.entry) object.entry = index.Find(list.prefix + " " + std::to_string(note.number));
    const Json* messier = list.prefix == kMessierList.prefix ? PackageMessierFeature(packageMessier, note.number) : nullptr;

    std::optional<EquatorialPoint> point = object.entry ? std::optional(object.entry->point) : note.point;
    if (!point && messier) point = PointOfFeature(*messier);
    if (!point) throw std::runtime_error(object.label + " (" + note.designation + "): no position in the package or the notes");
    object.point = *point;

    object.magnitude = object.entry ? object.entry->magnitude : std::nullopt;
    if (!object.magnitude) object.magnitude = note.magnitude;
    if (!object.magnitude && messier) {
      if (const auto m = NumberField(Member(*messier, "properties"), "mag"))
        object.magnitude = static_cast<float>(*m);
    }
    object.type = !note.type.empty() ? note.type
                  : object.entry     ? DeepSkyTypeText(object.entry->typeCode)
                                     : std::string("Deep-sky object");
    object.size = object.entry ? FormatDimensions(object.entry->dimensions) : std::string();
    if (object.size.empty()) object.size = note.size;
    objects.push_back(std::move(object));
  }
  return objects;
}
