#pragma once
// Reading the open menus back from the automation dump, as the menu tests do.

#include <vector>

#include "platform/windows/WindowDump.h"

// The dump of every open menu level, bottom to top.
inline std::vector<DumpObject> OpenMenus(Desktop& desktop) {
  std::vector<DumpObject> menus;
  const DumpValue dump = DumpDesktop(desktop);
  for (const DumpValue& window : *dump.AsObject()->Find("windows")->AsArray())
    if (*window.AsObject()->Find("class")->AsString() == "Menu") menus.push_back(*window.AsObject());
  return menus;
}

inline RECT RectOf(const DumpValue& value) {
  const DumpArray& r = *value.AsArray();
  return {LONG(*r[0].AsInteger()), LONG(*r[1].AsInteger()), LONG(*r[2].AsInteger()), LONG(*r[3].AsInteger())};
}

inline const DumpObject& ItemOf(const DumpObject& menu, std::size_t index) {
  return *(*menu.Find("items")->AsArray())[index].AsObject();
}
