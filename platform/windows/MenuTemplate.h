#pragma once
// Menu resources as data: the program's resources hold each menu as constant
// C++ tables, and LoadMenu builds a live menu from one. A menu resource is a
// bar of pop-ups (the device's menu resources always are); the program takes
// the pop-up it shows with GetSubMenu.
//
//   constexpr std::array kZoom{MenuCommand(32794, u"x&1"), MenuCommand(32795, u"x&2")};
//   constexpr std::array kPopup{MenuCommand(1010, u"Reset &view"), MenuSeparator(),
//                               MenuPopup(u"Set &zoom level", kZoom)};
//   constexpr std::array kBar{MenuPopup(u"Menu", kPopup)};
//   constexpr MenuTemplate kProgramMenu{246, kBar};
//
// An '&' in a text marks the next character as the item's access key; "&&"
// shows one '&'.

#include <span>
#include <string_view>

#include "platform/runtime/WinTypes.h"

// Item flags, as the device's menu functions take and answer them.
inline constexpr UINT MF_STRING = 0x0000;
inline constexpr UINT MF_ENABLED = 0x0000;
inline constexpr UINT MF_UNCHECKED = 0x0000;
inline constexpr UINT MF_BYCOMMAND = 0x0000;
inline constexpr UINT MF_GRAYED = 0x0001;
inline constexpr UINT MF_DISABLED = 0x0002;
inline constexpr UINT MF_CHECKED = 0x0008;
inline constexpr UINT MF_POPUP = 0x0010;
inline constexpr UINT MF_BYPOSITION = 0x0400;
inline constexpr UINT MF_SEPARATOR = 0x0800;

struct MenuItemTemplate {
  UINT id = 0;  // the command sent when the item is chosen; 0 for separators and pop-ups
  std::u16string_view text;
  UINT flags = MF_STRING;  // MF_GRAYED, MF_CHECKED, MF_SEPARATOR, MF_POPUP
  const MenuItemTemplate* popupItems = nullptr;
  std::size_t popupCount = 0;

  constexpr std::span<const MenuItemTemplate> Popup() const { return {popupItems, popupCount}; }
};

constexpr MenuItemTemplate MenuCommand(UINT id, std::u16string_view text, UINT flags = MF_STRING) {
  return {id, text, flags & ~(MF_POPUP | MF_SEPARATOR), nullptr, 0};
}

constexpr MenuItemTemplate MenuSeparator() { return {0, {}, MF_SEPARATOR, nullptr, 0}; }

constexpr MenuItemTemplate MenuPopup(std::u16string_view text, std::span<const MenuItemTemplate> items,
                                     UINT flags = MF_STRING) {
  return {0, text, (flags & ~MF_SEPARATOR) | MF_POPUP, items.data(), items.size()};
}

struct MenuTemplate {
  UINT id = 0;  // the resource id LoadMenu finds it by
  std::span<const MenuItemTemplate> items;
};
