#include "platform/windows/WindowTree.h"

#include <algorithm>

#include "platform/runtime/CaseFold.h"

WindowRecord* WindowTree::Find(HWND window) {
  const auto found = records_.find(NumberOfHandle(window));
  return found == records_.end() ? nullptr : found->second.get();
}

const WindowRecord* WindowTree::Find(HWND window) const {
  const auto found = records_.find(NumberOfHandle(window));
  return found == records_.end() ? nullptr : found->second.get();
}

WindowRecord& WindowTree::Insert(std::unique_ptr<WindowRecord> record) {
  record->handle = HandleFromNumber<HWND>(++lastNumber_);
  WindowRecord& inserted = *record;
  if (WindowRecord* parent = Find(record->parent); parent && record->IsChild()) {
    parent->children.push_back(record->handle);
  } else {
    record->parent = nullptr;
    topLevel_.push_back(record->handle);
  }
  records_.emplace(lastNumber_, std::move(record));
  return inserted;
}

void WindowTree::Erase(HWND window) {
  WindowRecord* record = Find(window);
  if (!record) return;
  auto unlink = [window](std::vector<HWND>& list) {
    list.erase(std::remove(list.begin(), list.end(), window), list.end());
  };
  if (WindowRecord* parent = Find(record->parent)) unlink(parent->children);
  unlink(topLevel_);
  records_.erase(NumberOfHandle(window));
}

void WindowTree::BringToTop(HWND window) {
  const auto found = std::find(topLevel_.begin(), topLevel_.end(), window);
  if (found == topLevel_.end()) return;
  topLevel_.erase(found);
  topLevel_.push_back(window);
}

HWND WindowTree::TopLevelOf(HWND window) const {
  const WindowRecord* record = Find(window);
  while (record && record->parent) record = Find(record->parent);
  return record ? record->handle : nullptr;
}

bool WindowTree::IsSelfOrDescendant(HWND ancestor, HWND window) const {
  for (const WindowRecord* r = Find(window); r; r = Find(r->parent))
    if (r->handle == ancestor) return true;
  return false;
}

bool WindowTree::IsShown(HWND window) const {
  const WindowRecord* record = Find(window);
  if (!record) return false;
  for (; record; record = Find(record->parent))
    if (!record->HasVisibleStyle()) return false;
  return true;
}

bool WindowTree::IsEnabledChain(HWND window) const {
  const WindowRecord* record = Find(window);
  if (!record) return false;
  for (; record; record = Find(record->parent))
    if (!record->HasEnabledStyle()) return false;
  return true;
}

POINT WindowTree::ClientOrigin(HWND window) const {
  POINT origin{};
  for (const WindowRecord* r = Find(window); r; r = Find(r->parent)) {
    origin.x += r->rect.left;
    origin.y += r->rect.top;
  }
  return origin;
}

RECT WindowTree::ScreenRect(HWND window) const {
  const WindowRecord* record = Find(window);
  if (!record) return {};
  const POINT origin = ClientOrigin(window);
  return {origin.x, origin.y, origin.x + record->rect.Width(), origin.y + record->rect.Height()};
}

POINT WindowTree::OriginInTopLevel(HWND window) const {
  POINT origin{};
  for (const WindowRecord* r = Find(window); r && r->parent; r = Find(r->parent)) {
    origin.x += r->rect.left;
    origin.y += r->rect.top;
  }
  return origin;
}

HWND WindowTree::DeepestChildAt(HWND window, POINT clientPoint) const {
  const WindowRecord* record = Find(window);
  for (HWND child : record->children) {
    const WindowRecord* c = Find(child);
    if (c && c->HasVisibleStyle() && c->rect.Contains(clientPoint))
      return DeepestChildAt(child, {clientPoint.x - c->rect.left, clientPoint.y - c->rect.top});
  }
  return window;
}

HWND WindowTree::WindowAt(POINT screenPoint) const {
  for (auto it = topLevel_.rbegin(); it != topLevel_.rend(); ++it) {
    const WindowRecord* top = Find(*it);
    if (top && top->HasVisibleStyle() && top->rect.Contains(screenPoint))
      return DeepestChildAt(*it, {screenPoint.x - top->rect.left, screenPoint.y - top->rect.top});
  }
  return nullptr;
}

HWND WindowTree::FindTopLevel(std::u16string_view className, const std::u16string_view* text) const {
  WideString wanted(className);
  FoldWide(wanted);
  for (HWND window : topLevel_) {
    const WindowRecord* record = Find(window);
    WideString name = record->className;
    FoldWide(name);
    if (name == wanted && (!text || record->text == *text)) return window;
  }
  return nullptr;
}

void WindowTree::CollectBottomUp(HWND window, std::vector<HWND>& out) const {
  const WindowRecord* record = Find(window);
  if (!record) return;
  out.push_back(window);
  for (auto it = record->children.rbegin(); it != record->children.rend(); ++it) CollectBottomUp(*it, out);
}
