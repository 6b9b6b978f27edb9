#pragma once
// The device's menu functions over handles, and CMenu, which owns a menu the
// way the framework's class does. Window-thread only; a handle that names no
// menu makes them fail without harm.
//
// Menu resources: the program registers its menu tables once
// (RegisterMenuResource) and loads them by id (LoadMenu), or loads a table
// directly (LoadMenuIndirect).

#include <memory>
#include <vector>

#include "platform/gdi/GdiTypes.h"
#include "platform/menus/MenuLayout.h"
#include "platform/runtime/WinTypes.h"
#include "platform/windows/MenuTemplate.h"
#include "platform/windows/Messages.h"
#include "platform/windows/WindowHandles.h"

// Accepted and ignored: a menu placed at the point never avoids a rectangle.
struct TPMPARAMS {
  UINT cbSize = sizeof(TPMPARAMS);
  RECT rcExclude{};
};
using LPTPMPARAMS = TPMPARAMS*;

// FALSE when a resource of that id is registered already.
BOOL RegisterMenuResource(const MenuTemplate& resource);
HMENU LoadMenu(HINSTANCE instance, UINT resourceId);
HMENU LoadMenuIndirect(const MenuTemplate* resource);
HMENU CreatePopupMenu();
// `idOrSubMenu` is the command id, or with MF_POPUP the handle of the sub-menu,
// which then belongs to `menu`.
BOOL AppendMenu(HMENU menu, UINT flags, UINT_PTR idOrSubMenu, const WCHAR* text);
// Destroys the menu and its sub-menus.
BOOL DestroyMenu(HMENU menu);
BOOL IsMenu(HMENU menu);

HMENU GetSubMenu(HMENU menu, int position);
int GetMenuItemCount(HMENU menu);
// The item's command id; 0xFFFFFFFF for a sub-menu or a position out of range.
UINT GetMenuItemID(HMENU menu, int position);
// The item's MF_ flags, or 0xFFFFFFFF when there is no such item.
UINT GetMenuState(HMENU menu, UINT item, UINT flags);
// Answer the item's previous MF_CHECKED or MF_GRAYED/MF_DISABLED bits, or
// 0xFFFFFFFF when there is no such item (MF_BYCOMMAND searches sub-menus).
DWORD CheckMenuItem(HMENU menu, UINT item, UINT flags);
UINT EnableMenuItem(HMENU menu, UINT item, UINT flags);

// Shows the pop-up menu at (x, y) in screen pixels (flags 0: its top-left
// corner there; moved to stay inside the screen) and runs its own message
// loop until the user chooses an item, taps outside the menu or presses
// Escape. The chosen command is posted to `owner` as WM_COMMAND (low word the
// id, lParam 0); choosing nothing sends nothing. With TPM_RETURNCMD the id (0
// for none) is answered instead of being posted; otherwise the answer is TRUE
// when the menu was shown. FALSE for an empty menu, a missing owner, or while
// another menu is open.
BOOL TrackPopupMenuEx(HMENU menu, UINT flags, int x, int y, HWND owner, const TPMPARAMS* params);

// Owns the menu it loads or creates (a sub-menu taken with GetSubMenu is
// borrowed from its parent and never destroyed by its own object).
class CMenu {
 public:
  CMenu() = default;
  ~CMenu();
  CMenu(const CMenu&) = delete;
  CMenu& operator=(const CMenu&) = delete;

  HMENU m_hMenu = nullptr;
  operator HMENU() const { return m_hMenu; }
  HMENU GetSafeHmenu() const { return m_hMenu; }

  BOOL LoadMenu(UINT resourceId);
  BOOL LoadMenuIndirect(const MenuTemplate* resource);
  BOOL CreatePopupMenu();
  BOOL AppendMenu(UINT flags, UINT_PTR idOrSubMenu = 0, const WCHAR* text = nullptr);
  BOOL DestroyMenu();
  HMENU Detach();

  // Valid while this menu lives.
  CMenu* GetSubMenu(int position);
  int GetMenuItemCount() const;
  UINT GetMenuItemID(int position) const;
  UINT GetMenuState(UINT item, UINT flags) const;
  UINT CheckMenuItem(UINT item, UINT flags);
  UINT EnableMenuItem(UINT item, UINT flags);

  BOOL TrackPopupMenuEx(UINT flags, int x, int y, HWND owner, const TPMPARAMS* params = nullptr);
  // For a program window object (anything with an m_hWnd).
  template <class Window>
  BOOL TrackPopupMenuEx(UINT flags, int x, int y, const Window* owner, const TPMPARAMS* params = nullptr) {
    return TrackPopupMenuEx(flags, x, y, owner ? owner->m_hWnd : nullptr, params);
  }

 private:
  bool owned_ = false;
  // Objects for the sub-menus handed out by GetSubMenu.
  std::vector<std::unique_ptr<CMenu>> subMenus_;
};
