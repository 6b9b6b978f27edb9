#pragma once
// The short texts of one table (designations or names), each in a slot of
// fixed width within one string: a substring search then runs over the whole
// table in one pass, and the slot of a match is its offset over the width.

#include <cstddef>
#include <string>
#include <string_view>

namespace vespera {

class SlotText {
 public:
  // Each slot holds up to textBytes bytes and at least one NUL after them, so
  // a query without NUL can never match across two slots.
  explicit SlotText(std::size_t textBytes = 0) : slotBytes_(textBytes + 1) {}

  void Reserve(std::size_t slots) { text_.reserve(slots * slotBytes_); }
  // Appends one slot with text up to its first NUL, cut to the slot's width.
  void Append(const char* field);

  std::size_t count() const { return text_.size() / slotBytes_; }
  std::string_view at(std::size_t slot) const { return std::string_view(text_.data() + slot * slotBytes_); }

  // The first slot from `slot` on whose text is non-empty and holds `needle`,
  // or count() when there is none. An empty needle is in every non-empty text.
  std::size_t FindFrom(std::string_view needle, std::size_t slot) const;

 private:
  std::size_t slotBytes_;
  std::string text_;
};

}  // namespace vespera
