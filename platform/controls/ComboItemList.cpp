#include "platform/controls/ComboItemList.h"

#include <algorithm>
#include <cstdint>

#include "platform/runtime/CaseFold.h"

namespace {

WideString Folded(std::u16string_view text) {
  WideString folded(text);
  FoldWide(folded);
  return folded;
}

}  // namespace

int ComboItemList::IndexFrom(WPARAM wParam) const {
  const auto index = static_cast<std::intptr_t>(wParam);
  return index >= 0 && std::size_t(index) < items_.size() ? int(index) : -1;
}

ComboItemList::Inserted ComboItemList::Insert(int index, WideString text, Placement placement) {
  if (items_.size() >= capacity_) return {-1, true};
  std::size_t at = index < 0 ? items_.size() : std::size_t(index);
  if (at > items_.size()) return {};
  if (placement == Placement::InOrder) {
    const WideString key = Folded(text);
    at = std::size_t(std::upper_bound(items_.begin(), items_.end(), key,
                                      [](const WideString& k, const ComboItem& i) { return k < Folded(i.text); }) -
                     items_.begin());
  }
  items_.insert(items_.begin() + std::ptrdiff_t(at), ComboItem{std::move(text), 0});
  if (selected_ >= int(at)) ++selected_;
  return {int(at), false};
}

bool ComboItemList::Erase(int index) {
  items_.erase(items_.begin() + index);
  if (selected_ == index) {
    selected_ = -1;
    return true;
  }
  if (selected_ > index) --selected_;
  return false;
}

void ComboItemList::Clear() {
  items_.clear();
  selected_ = -1;
}

int ComboItemList::FindExact(int start, std::u16string_view text) const {
  if (items_.empty()) return -1;
  const WideString wanted = Folded(text);
  for (std::size_t step = 1; step <= items_.size(); ++step) {
    const std::size_t i = (std::size_t(start + 1) + step - 1) % items_.size();
    if (Folded(items_[i].text) == wanted) return int(i);
  }
  return -1;
}

int ComboItemList::FindPrefix(std::u16string_view prefix) const {
  const WideString wanted = Folded(prefix);
  for (std::size_t i = 0; i < items_.size(); ++i)
    if (Folded(items_[i].text).starts_with(wanted)) return int(i);
  return -1;
}
