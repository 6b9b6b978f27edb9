#pragma once
// The part of a menu that its window shows. A menu that fits shows all its
// items where the layout put them. A menu taller than its window shows a
// band of whole items between two scroll arrows (up at the top, down at the
// bottom) and scrolls by whole items, so an item is either shown entire or
// not at all and a tap never lands on a half-drawn row.

#include <vector>

#include "platform/menus/MenuLayout.h"

class MenuViewport {
 public:
  // `window` is the size of the menu's window (MenuWindowSize); items of a
  // menu wider than it are cut at its right edge.
  MenuViewport(const MenuGeometry& geometry, SIZE window, const MenuMetrics& metrics);

  SIZE WindowSize() const { return {width_, windowHeight_}; }

  bool Scrolls() const { return scrolls_; }
  // The first item shown; 0 for a menu that does not scroll.
  int First() const { return first_; }
  // Added to an item's layout top to give its top in the window.
  LONG Offset() const;
  RECT ItemRect(std::size_t index) const;
  // Whether the item lies entire inside the band between the arrows.
  bool Shows(std::size_t index) const;

  // The arrows, in client coordinates; empty rectangles for a menu that does not scroll.
  RECT UpArrow() const;
  RECT DownArrow() const;
  bool CanScroll(int direction) const;
  // Moves the band by `items` whole items (negative: up), within limits; false when it did not move.
  bool ScrollBy(int items);
  // Scrolls as little as needed for the item to be shown; false when it did not move.
  bool Reveal(std::size_t index);

 private:
  int LastFirst() const;

  std::vector<RECT> items_;  // layout coordinates
  MenuMetrics metrics_;
  LONG width_;
  LONG windowHeight_;
  bool scrolls_;
  int first_ = 0;
};
