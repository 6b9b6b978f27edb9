#include "platform/menus/MenuApi.h"

#include "platform/menus/MenuTracker.h"
#include "platform/windows/Desktop.h"
#include "platform/windows/MessageApi.h"
#include "platform/windows/WindowApi.h"

namespace {

constexpr UINT kNoItem = 0xFFFFFFFF;

MenuStore* Store() {
  Desktop* desktop = Desktop::Current();
  return desktop && desktop->OnWindowThread() ? &desktop->Menus() : nullptr;
}

MenuItem* FindItem(HMENU menu, UINT item, UINT flags) {
  MenuStore* store = Store();
  return store ? store->FindItem(menu, item, flags) : nullptr;
}

// Replaces the item's `mask` bits by those of `flags`; answers the old ones.
UINT ChangeItemState(HMENU menu, UINT item, UINT flags, UINT mask) {
  MenuItem* found = FindItem(menu, item, flags);
  if (!found) return kNoItem;
  const UINT previous = found->flags & mask;
  found->flags = (found->flags & ~mask) | (flags & mask);
  return previous;
}

}  // namespace

BOOL RegisterMenuResource(const MenuTemplate& resource) {
  MenuStore* store = Store();
  return store && store->RegisterResource(resource) ? TRUE : FALSE;
}

HMENU LoadMenu(HINSTANCE /*instance*/, UINT resourceId) {
  MenuStore* store = Store();
  const MenuTemplate* resource = store ? store->FindResource(resourceId) : nullptr;
  return resource ? store->CreateFrom(resource->items) : nullptr;
}

HMENU LoadMenuIndirect(const MenuTemplate* resource) {
  MenuStore* store = Store();
  return store && resource ? store->CreateFrom(resource->items) : nullptr;
}

HMENU CreatePopupMenu() {
  MenuStore* store = Store();
  return store ? store->Create() : nullptr;
}

BOOL AppendMenu(HMENU menu, UINT flags, UINT_PTR idOrSubMenu, const WCHAR* text) {
  MenuStore* store = Store();
  Menu* record = store ? store->Find(menu) : nullptr;
  if (!record) return FALSE;
  MenuItem item;
  item.flags = flags & (MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_SEPARATOR);
  if (!(flags & MF_SEPARATOR)) item.text = text ? WideString(text) : WideString();
  if (flags & MF_POPUP) {
    const HMENU subMenu = HandleFromNumber<HMENU>(std::uint32_t(idOrSubMenu));
    Menu* child = store->Find(subMenu);
    // A menu belongs to one parent, and never to itself or its own sub-menus.
    for (const Menu* up = record; up; up = store->Find(up->parent))
      if (up == child) return FALSE;
    if (!child || child->parent) return FALSE;
    child->parent = menu;
    item.subMenu = subMenu;
    item.flags |= MF_POPUP;
  } else if (!(flags & MF_SEPARATOR)) {
    item.id = UINT(idOrSubMenu);
  }
  record->items.push_back(std::move(item));
  return TRUE;
}

BOOL DestroyMenu(HMENU menu) {
  MenuStore* store = Store();
  return store && store->Destroy(menu) ? TRUE : FALSE;
}

BOOL IsMenu(HMENU menu) {
  MenuStore* store = Store();
  return store && store->Exists(menu) ? TRUE : FALSE;
}

HMENU GetSubMenu(HMENU menu, int position) {
  MenuItem* item = position < 0 ? nullptr : FindItem(menu, UINT(position), MF_BYPOSITION);
  return item ? item->subMenu : nullptr;
}

int GetMenuItemCount(HMENU menu) {
  MenuStore* store = Store();
  const Menu* record = store ? store->Find(menu) : nullptr;
  return record ? int(record->items.size()) : -1;
}

UINT GetMenuItemID(HMENU menu, int position) {
  const MenuItem* item = position < 0 ? nullptr : FindItem(menu, UINT(position), MF_BYPOSITION);
  return item && !item->IsPopup() ? item->id : kNoItem;
}

UINT GetMenuState(HMENU menu, UINT item, UINT flags) {
  const MenuItem* found = FindItem(menu, item, flags);
  return found ? found->flags : kNoItem;
}

DWORD CheckMenuItem(HMENU menu, UINT item, UINT flags) { return ChangeItemState(menu, item, flags, MF_CHECKED); }

UINT EnableMenuItem(HMENU menu, UINT item, UINT flags) {
  return ChangeItemState(menu, item, flags, MF_GRAYED | MF_DISABLED);
}

BOOL TrackPopupMenuEx(HMENU menu, UINT flags, int x, int y, HWND owner, const TPMPARAMS* /*params*/) {
  Desktop* desktop = Desktop::Current();
  if (!desktop || !desktop->OnWindowThread() || desktop->QuitRequested()) return FALSE;
  if (!desktop->Tree().Exists(owner) || desktop->Tree().FindTopLevel(kMenuWindowClass, nullptr)) return FALSE;
  const Menu* record = desktop->Menus().Find(menu);
  if (!record || record->items.empty()) return FALSE;

  std::optional<UINT> chosen;
  {
    MenuTracker tracker(*desktop, owner);
    chosen = tracker.Run(menu, flags, {x, y});
  }
  if (flags & TPM_RETURNCMD) return chosen ? BOOL(*chosen) : FALSE;
  if (chosen && !(flags & TPM_NONOTIFY) && desktop->Tree().Exists(owner))
    desktop->Post(owner, WM_COMMAND, MAKEWPARAM(WORD(*chosen), 0), 0);
  return TRUE;
}

CMenu::~CMenu() { DestroyMenu(); }

BOOL CMenu::LoadMenu(UINT resourceId) {
  if (m_hMenu) return FALSE;
  m_hMenu = ::LoadMenu(nullptr, resourceId);
  owned_ = m_hMenu != nullptr;
  return owned_ ? TRUE : FALSE;
}

BOOL CMenu::LoadMenuIndirect(const MenuTemplate* resource) {
  if (m_hMenu) return FALSE;
  m_hMenu = ::LoadMenuIndirect(resource);
  owned_ = m_hMenu != nullptr;
  return owned_ ? TRUE : FALSE;
}

BOOL CMenu::CreatePopupMenu() {
  if (m_hMenu) return FALSE;
  m_hMenu = ::CreatePopupMenu();
  owned_ = m_hMenu != nullptr;
  return owned_ ? TRUE : FALSE;
}

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR idOrSubMenu, const WCHAR* text) {
  return ::AppendMenu(m_hMenu, flags, idOrSubMenu, text);
}

BOOL CMenu::DestroyMenu() {
  subMenus_.clear();
  const HMENU menu = m_hMenu;
  const bool owned = owned_;
  m_hMenu = nullptr;
  owned_ = false;
  return menu && owned ? ::DestroyMenu(menu) : FALSE;
}

HMENU CMenu::Detach() {
  subMenus_.clear();
  const HMENU menu = m_hMenu;
  m_hMenu = nullptr;
  owned_ = false;
  return menu;
}

CMenu* CMenu::GetSubMenu(int position) {
  const HMENU subMenu = ::GetSubMenu(m_hMenu, position);
  if (!subMenu) return nullptr;
  for (const auto& existing : subMenus_)
    if (existing->m_hMenu == subMenu) return existing.get();
  auto wrapper = std::make_unique<CMenu>();
  wrapper->m_hMenu = subMenu;
  subMenus_.push_back(std::move(wrapper));
  return subMenus_.back().get();
}

int CMenu::GetMenuItemCount() const { return ::GetMenuItemCount(m_hMenu); }
UINT CMenu::GetMenuItemID(int position) const { return ::GetMenuItemID(m_hMenu, position); }
UINT CMenu::GetMenuState(UINT item, UINT flags) const { return ::GetMenuState(m_hMenu, item, flags); }
UINT CMenu::CheckMenuItem(UINT item, UINT flags) { return ::CheckMenuItem(m_hMenu, item, flags); }
UINT CMenu::EnableMenuItem(UINT item, UINT flags) { return ::EnableMenuItem(m_hMenu, item, flags); }

BOOL CMenu::TrackPopupMenuEx(UINT flags, int x, int y, HWND owner, const TPMPARAMS* params) {
  return ::TrackPopupMenuEx(m_hMenu, flags, x, y, owner, params);
}
