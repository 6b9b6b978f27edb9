#include "platform/windows/MenuStore.h"

#include <algorithm>

HMENU MenuStore::Create() {
  const std::uint32_t number = ++lastNumber_;
  menus_.emplace(number, std::make_unique<Menu>());
  return HandleFromNumber<HMENU>(number);
}

HMENU MenuStore::CreateFrom(std::span<const MenuItemTemplate> items) { return Build(items, nullptr, 0); }

HMENU MenuStore::Build(std::span<const MenuItemTemplate> items, HMENU parent, int depth) {
  const HMENU handle = Create();
  Find(handle)->parent = parent;
  for (const MenuItemTemplate& t : items) {
    MenuItem item;
    item.id = t.id;
    item.text = WideString(t.text);
    item.flags = t.flags & (MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_SEPARATOR);
    if (t.flags & MF_POPUP) {
      if (depth + 1 >= kMaxMenuDepth) continue;
      item.id = 0;
      item.flags |= MF_POPUP;
      item.subMenu = Build(t.Popup(), handle, depth + 1);
    }
    Find(handle)->items.push_back(std::move(item));
  }
  return handle;
}

Menu* MenuStore::Find(HMENU menu) {
  const auto found = menus_.find(NumberOfHandle(menu));
  return found == menus_.end() ? nullptr : found->second.get();
}

const Menu* MenuStore::Find(HMENU menu) const {
  const auto found = menus_.find(NumberOfHandle(menu));
  return found == menus_.end() ? nullptr : found->second.get();
}

bool MenuStore::Destroy(HMENU menu) {
  Menu* record = Find(menu);
  if (!record) return false;
  if (Menu* parent = Find(record->parent))
    std::erase_if(parent->items, [menu](const MenuItem& item) { return item.subMenu == menu; });
  DestroyTree(menu);
  return true;
}

void MenuStore::DestroyTree(HMENU menu) {
  const Menu* record = Find(menu);
  if (!record) return;
  std::vector<HMENU> subMenus;
  for (const MenuItem& item : record->items)
    if (item.subMenu) subMenus.push_back(item.subMenu);
  menus_.erase(NumberOfHandle(menu));
  for (HMENU subMenu : subMenus) DestroyTree(subMenu);
}

MenuItem* MenuStore::FindItem(HMENU menu, UINT item, UINT flags) {
  Menu* record = Find(menu);
  if (!record) return nullptr;
  if (flags & MF_BYPOSITION) return item < record->items.size() ? &record->items[item] : nullptr;
  return FindCommand(menu, item, 0);
}

MenuItem* MenuStore::FindCommand(HMENU menu, UINT id, int depth) {
  Menu* record = Find(menu);
  if (!record || depth >= kMaxMenuDepth) return nullptr;
  for (MenuItem& item : record->items)
    if (!item.IsPopup() && !item.IsSeparator() && item.id == id) return &item;
  for (MenuItem& item : record->items)
    if (item.IsPopup())
      if (MenuItem* found = FindCommand(item.subMenu, id, depth + 1)) return found;
  return nullptr;
}

bool MenuStore::RegisterResource(const MenuTemplate& resource) {
  if (FindResource(resource.id)) return false;
  resources_.push_back(&resource);
  return true;
}

const MenuTemplate* MenuStore::FindResource(UINT id) const {
  const auto found =
      std::find_if(resources_.begin(), resources_.end(), [id](const MenuTemplate* r) { return r->id == id; });
  return found == resources_.end() ? nullptr : *found;
}
