#include "platform/menus/MenuViewport.h"

#include <algorithm>

MenuViewport::MenuViewport(const MenuGeometry& geometry, SIZE window, const MenuMetrics& metrics)
    : items_(geometry.items),
      metrics_(metrics),
      width_(window.cx),
      windowHeight_(window.cy),
      scrolls_(geometry.size.cy > window.cy && !geometry.items.empty()) {
  for (RECT& item : items_) item.right = std::min(item.right, width_ - metrics_.border);
}

LONG MenuViewport::Offset() const {
  if (!scrolls_) return 0;
  return metrics_.scrollArrowHeight - (items_[std::size_t(first_)].top - metrics_.border);
}

RECT MenuViewport::ItemRect(std::size_t index) const { return items_[index].Offset(0, Offset()); }

bool MenuViewport::Shows(std::size_t index) const {
  if (!scrolls_) return index < items_.size();
  if (index >= items_.size() || int(index) < first_) return false;
  return ItemRect(index).bottom <= DownArrow().top;
}

RECT MenuViewport::UpArrow() const {
  if (!scrolls_) return {};
  const LONG b = metrics_.border;
  return {b, b, width_ - b, b + metrics_.scrollArrowHeight};
}

RECT MenuViewport::DownArrow() const {
  if (!scrolls_) return {};
  const LONG b = metrics_.border;
  return {b, windowHeight_ - b - metrics_.scrollArrowHeight, width_ - b, windowHeight_ - b};
}

int MenuViewport::LastFirst() const {
  // The smallest first item from which the rest of the menu fits the band.
  const LONG band = windowHeight_ - 2 * metrics_.border - 2 * metrics_.scrollArrowHeight;
  int first = int(items_.size()) - 1;
  while (first > 0 && items_.back().bottom - items_[std::size_t(first - 1)].top <= band) --first;
  return first;
}

bool MenuViewport::CanScroll(int direction) const {
  if (!scrolls_) return false;
  return direction < 0 ? first_ > 0 : first_ < LastFirst();
}

bool MenuViewport::ScrollBy(int items) {
  if (!scrolls_) return false;
  const int first = std::clamp(first_ + items, 0, LastFirst());
  if (first == first_) return false;
  first_ = first;
  return true;
}

bool MenuViewport::Reveal(std::size_t index) {
  if (!scrolls_ || index >= items_.size() || Shows(index)) return false;
  if (int(index) < first_) return ScrollBy(int(index) - first_);
  const int before = first_;
  while (!Shows(index) && ScrollBy(1)) {
  }
  return first_ != before;
}
