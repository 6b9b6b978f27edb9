#include "platform/windows/Compositor.h"

#include <algorithm>

namespace {

RECT Union(const RECT& a, const RECT& b) {
  if (a.IsEmpty()) return b;
  if (b.IsEmpty()) return a;
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
          std::max(a.bottom, b.bottom)};
}

RECT ClientBounds(const WindowRecord& record) { return {0, 0, record.rect.Width(), record.rect.Height()}; }

}  // namespace

Compositor::Compositor(WindowTree& tree, LONG width, LONG height, int bitsPerPixel)
    : tree_(tree), screen_(width, height, bitsPerPixel) {}

void Compositor::Invalidate(HWND window, const RECT* area, bool erase) {
  WindowRecord* record = tree_.Find(window);
  if (!record) return;
  const RECT bounds = ClientBounds(*record);
  const RECT part = area ? area->Intersect(bounds) : bounds;
  if (part.IsEmpty()) return;
  record->invalid = Union(record->invalid, part);
  record->eraseBackground = record->eraseBackground || erase;
  for (HWND child : record->children) {
    const WindowRecord* c = tree_.Find(child);
    if (!c) continue;
    const RECT inChild = part.Intersect(c->rect).Offset(-c->rect.left, -c->rect.top);
    if (!inChild.IsEmpty()) Invalidate(child, &inChild, erase);
  }
}

void Compositor::Validate(HWND window) {
  if (WindowRecord* record = tree_.Find(window)) {
    record->invalid = {};
    record->eraseBackground = false;
  }
}

RECT Compositor::TakeUpdate(HWND window, bool& erase) {
  WindowRecord* record = tree_.Find(window);
  erase = false;
  if (!record) return {};
  const RECT update = record->invalid;
  erase = record->eraseBackground;
  record->beganPaint = true;
  Validate(window);
  return update;
}

bool Compositor::NeedsPaint(HWND window) const {
  const WindowRecord* record = tree_.Find(window);
  return record && !record->invalid.IsEmpty() && tree_.IsShown(window);
}

HWND Compositor::NextWindowToPaint() const {
  std::vector<HWND> order;
  for (HWND top : tree_.TopLevelWindows()) {
    if (!tree_.IsShown(top)) continue;
    order.clear();
    tree_.CollectBottomUp(top, order);
    for (HWND window : order)
      if (NeedsPaint(window)) return window;
  }
  return nullptr;
}

Surface* Compositor::PixelsFor(HWND window) {
  WindowRecord* top = tree_.Find(tree_.TopLevelOf(window));
  if (!top) return nullptr;
  const LONG width = top->rect.Width();
  const LONG height = top->rect.Height();
  if (!Surface::CanCreate(width, height, screen_.BitsPerPixel())) {
    top->pixels.reset();
    return nullptr;
  }
  if (!top->pixels || top->pixels->Width() != width || top->pixels->Height() != height)
    top->pixels = std::make_unique<Surface>(width, height, screen_.BitsPerPixel());
  return top->pixels.get();
}

void Compositor::Resized(HWND topLevelWindow) {
  WindowRecord* top = tree_.Find(topLevelWindow);
  if (!top || !top->pixels) return;
  if (top->pixels->Width() == top->rect.Width() && top->pixels->Height() == top->rect.Height()) return;
  top->pixels.reset();
  Invalidate(topLevelWindow, nullptr, true);
  changed_ = true;
}

RECT Compositor::VisibleClientArea(HWND window) const {
  const WindowRecord* record = tree_.Find(window);
  if (!record) return {};
  RECT visible = ClientBounds(*record);
  // Walk up, keeping the area in this window's client coordinates.
  POINT offset{};
  for (const WindowRecord* child = record; child->parent;) {
    const WindowRecord* parent = tree_.Find(child->parent);
    if (!parent) break;
    offset.x += child->rect.left;
    offset.y += child->rect.top;
    visible = visible.Intersect(ClientBounds(*parent).Offset(-offset.x, -offset.y));
    child = parent;
  }
  return visible;
}

const Surface& Compositor::Compose() {
  screen_.Fill(screen_.Bounds(), RGB(0, 0, 0));
  for (HWND window : tree_.TopLevelWindows()) {
    const WindowRecord* record = tree_.Find(window);
    if (!record || !record->HasVisibleStyle() || !record->pixels) continue;
    screen_.CopyFrom(*record->pixels, record->pixels->Bounds(), {record->rect.left, record->rect.top},
                     screen_.Bounds());
  }
  changed_ = false;
  return screen_;
}
