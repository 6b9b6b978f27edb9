#pragma once
// The live menus of one desktop, by handle, and the menu resources the
// program registered. A menu loaded from a resource is a tree: each pop-up
// item names a sub-menu of its own, which goes when its parent goes.

#include <cstdint>
#include <memory>
#include <span>
#include <unordered_map>
#include <vector>

#include "platform/runtime/WinTypes.h"
#include "platform/windows/MenuTemplate.h"
#include "platform/windows/WindowHandles.h"

struct MenuItem {
  UINT id = 0;
  WideString text;
  UINT flags = MF_STRING;  // MF_GRAYED, MF_DISABLED, MF_CHECKED, MF_SEPARATOR, MF_POPUP
  HMENU subMenu = nullptr;

  bool IsSeparator() const { return (flags & MF_SEPARATOR) != 0; }
  bool IsPopup() const { return subMenu != nullptr; }
  // Greyed and disabled items alike refuse to be chosen.
  bool IsGrayed() const { return (flags & (MF_GRAYED | MF_DISABLED)) != 0; }
  bool IsChecked() const { return (flags & MF_CHECKED) != 0; }
};

struct Menu {
  std::vector<MenuItem> items;
  HMENU parent = nullptr;  // the menu whose pop-up item this one is
};

// Deeper pop-ups than this are left out of a loaded menu.
inline constexpr int kMaxMenuDepth = 16;

class MenuStore {
 public:
  HMENU Create();
  // A menu with the template's items, its pop-ups as sub-menus.
  HMENU CreateFrom(std::span<const MenuItemTemplate> items);
  Menu* Find(HMENU menu);
  const Menu* Find(HMENU menu) const;
  bool Exists(HMENU menu) const { return Find(menu) != nullptr; }
  // Destroys the menu and its sub-menus; a sub-menu also leaves its parent's item.
  bool Destroy(HMENU menu);
  std::size_t Count() const { return menus_.size(); }

  // The item that `item` names: MF_BYPOSITION, its position in `menu`;
  // otherwise the first item with that command id, sub-menus searched too.
  MenuItem* FindItem(HMENU menu, UINT item, UINT flags);

  // False (and nothing changes) when a resource of that id is registered.
  bool RegisterResource(const MenuTemplate& resource);
  const MenuTemplate* FindResource(UINT id) const;

 private:
  HMENU Build(std::span<const MenuItemTemplate> items, HMENU parent, int depth);
  void DestroyTree(HMENU menu);
  MenuItem* FindCommand(HMENU menu, UINT id, int depth);

  std::unordered_map<std::uint32_t, std::unique_ptr<Menu>> menus_;
  std::vector<const MenuTemplate*> resources_;
  std::uint32_t lastNumber_ = 0;
};
