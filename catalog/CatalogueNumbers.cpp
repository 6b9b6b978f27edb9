#include "catalog/CatalogueNumbers.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <unordered_map>

namespace vespera {

namespace {

constexpr int kMessierCount = 110;
constexpr int kCaldwellCount = 109;

std::string BoundedText(const char* field, std::size_t bytes) { return std::string(field, strnlen(field, bytes)); }

// "M42 Orion Nebula" and "M42" are labels; "Mel 22" and "M42a" are not.
std::optional<ListedObject> LabelOf(const std::string& name) {
  if (name.size() < 2 || (name[0] != 'M' && name[0] != 'C')) return std::nullopt;
  std::size_t end = 1;
  int number = 0;
  while (end < name.size() && end <= 3 && name[end] >= '0' && name[end] <= '9') number = number * 10 + (name[end++] - '0');
  if (end == 1 || (end < name.size() && name[end] != ' ')) return std::nullopt;
  const ObjectList list = name[0] == 'M' ? ObjectList::Messier : ObjectList::Caldwell;
  if (number < 1 || number > (list == ObjectList::Messier ? kMessierCount : kCaldwellCount)) return std::nullopt;
  return ListedObject{list, number, -1};
}

}  // namespace

std::vector<ListedObject> ListedDeepSkyObjects(const CatalogStore& deepSky) {
  // One pass over the objects instead of a search per entry: the first
  // object of each designation, as FindObjectIndex would find it.
  std::unordered_map<std::string, std::int32_t> indexOf;
  for (std::size_t i = 0; i < deepSky.objects.count(); ++i)
    indexOf.emplace(BoundedText(deepSky.objects[i].designation(), kDesignationBytes), static_cast<std::int32_t>(i));
  std::vector<ListedObject> listed;
  for (std::size_t i = 0; i < deepSky.names.count(); ++i) {
    const ObjectNameRecord& record = deepSky.names[i];
    std::optional<ListedObject> entry = LabelOf(BoundedText(record.name(), kNameBytes));
    if (!entry) continue;
    const auto found = indexOf.find(BoundedText(record.designation(), kDesignationBytes));
    if (found == indexOf.end()) continue;
    entry->index = found->second;
    listed.push_back(*entry);
  }
  return listed;
}

std::optional<ListedObject> ListEntryOf(const std::vector<ListedObject>& listed, std::int32_t index) {
  std::optional<ListedObject> best;
  for (const ListedObject& entry : listed)
    if (entry.index == index && (!best || (best->list == ObjectList::Caldwell && entry.list == ObjectList::Messier)))
      best = entry;
  return best;
}

WideString ListLabel(const ListedObject& entry) {
  char label[16];
  std::snprintf(label, sizeof label, "%c%d", entry.list == ObjectList::Messier ? 'M' : 'C', entry.number);
  return WideString(label, label + std::strlen(label));
}

}  // namespace vespera
