#include "search/SlotText.h"

#include <cstring>

namespace vespera {

void SlotText::Append(const char* field) {
  const std::size_t length = strnlen(field, slotBytes_ - 1);
  text_.append(field, length);
  text_.append(slotBytes_ - length, '\0');
}

std::size_t SlotText::FindFrom(std::string_view needle, std::size_t slot) const {
  if (needle.find('\0') != std::string_view::npos) return count();
  if (needle.empty()) {
    while (slot < count() && text_[slot * slotBytes_] == '\0') ++slot;
    return slot;
  }
  if (slot >= count()) return count();
  const std::size_t at = std::string_view(text_).find(needle, slot * slotBytes_);
  return at == std::string_view::npos ? count() : at / slotBytes_;
}

}  // namespace vespera
