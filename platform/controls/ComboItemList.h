#pragma once
// The entries of a combo box and which one is chosen, apart from any window:
// insertion (in place, at the end, or in folded-text order for a sorted box),
// removal that keeps the choice on its entry, and the case-blind exact search.
// Indexes are 0-based; -1 means no entry.

#include <string_view>
#include <vector>

#include "platform/runtime/WinTypes.h"
#include "platform/controls/ControlMessages.h"

struct ComboItem {
  WideString text;
  DWORD_PTR data = 0;
};

class ComboItemList {
 public:
  // A combo box holds at most this many entries.
  explicit ComboItemList(std::size_t capacity) : capacity_(capacity) {}

  const std::vector<ComboItem>& Items() const { return items_; }
  std::size_t size() const { return items_.size(); }
  bool empty() const { return items_.empty(); }
  const ComboItem& operator[](int index) const { return items_[std::size_t(index)]; }
  ComboItem& operator[](int index) { return items_[std::size_t(index)]; }

  // An index as the messages carry it: WPARAM(-1) and anything past the
  // entries become -1.
  int IndexFrom(WPARAM wParam) const;

  enum class Placement { At, InOrder };
  struct Inserted {
    int index = -1;    // where the entry went; -1 when refused
    bool full = false;  // refused because the list holds capacity entries
  };
  // Puts text at `index` (0..size), or for InOrder after the last entry whose
  // folded text is not greater. The choice stays on its entry.
  Inserted Insert(int index, WideString text, Placement placement);
  // Removes an existing entry; true when it was the chosen one (the choice is
  // then none). Otherwise the choice stays on its entry.
  bool Erase(int index);
  void Clear();

  int Selection() const { return selected_; }
  // index is -1 or an existing entry.
  void Select(int index) { selected_ = index; }

  // The first entry after `start` (-1: from the top), wrapping round, whose
  // text equals `text` without regard to case; -1 when none does.
  int FindExact(int start, std::u16string_view text) const;
  // The first entry whose text starts with `prefix` without regard to case;
  // -1 when none does.
  int FindPrefix(std::u16string_view prefix) const;

 private:
  std::size_t capacity_;
  std::vector<ComboItem> items_;
  int selected_ = -1;
};
