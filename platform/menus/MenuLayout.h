#pragma once
// Where an open menu and its items go on the screen, and which key chooses an
// item. Pure geometry over measured text widths, so it is tested without
// drawing.

#include <optional>
#include <string_view>
#include <vector>

#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/TextLayout.h"
#include "platform/windows/MenuStore.h"

// TrackPopupMenuEx flags.
inline constexpr UINT TPM_LEFTALIGN = 0x0000;
inline constexpr UINT TPM_TOPALIGN = 0x0000;
inline constexpr UINT TPM_CENTERALIGN = 0x0004;
inline constexpr UINT TPM_RIGHTALIGN = 0x0008;
inline constexpr UINT TPM_VCENTERALIGN = 0x0010;
inline constexpr UINT TPM_BOTTOMALIGN = 0x0020;
inline constexpr UINT TPM_NONOTIFY = 0x0080;
inline constexpr UINT TPM_RETURNCMD = 0x0100;

// Sizes in pixels for a screen whose dialog units are `scale` times those of
// a 240-wide screen (1, or 2 from 480 pixels wide). Menus use a font smaller
// than the dialogs' so that a long menu fits a phone screen; a row is that
// font's cell plus a small margin, still tall enough to hit with the stylus.
struct MenuMetrics {
  LONG border;
  LONG fontHeight;  // the cell height of the menu font
  LONG itemHeight;
  LONG separatorHeight;
  LONG checkColumn;  // left of the text: the check mark
  LONG textMargin;   // right of the text
  LONG arrowColumn;  // right of the text in menus with sub-menus: the arrow
  LONG lineWidth;    // separators, check marks and access-key underlines
  LONG scrollArrowHeight;  // the bands at the top and bottom of a menu taller than the screen
};
MenuMetrics MenuMetricsFor(LONG scale);

struct MenuGeometry {
  SIZE size;
  std::vector<RECT> items;  // client coordinates, one per item
};
// `measure` answers the width of an item's text as shown (prefixes removed).
MenuGeometry LayOutMenu(const std::vector<MenuItem>& items, const MenuMetrics& metrics, const MeasureText& measure);
// The size of the window that shows a menu: its own, but never wider or
// taller than the screen (a taller menu scrolls, see MenuViewport).
SIZE MenuWindowSize(const MenuGeometry& geometry, SIZE screen);

// A menu of `size` placed at `at` as the TPM_ alignment flags say (left and
// top by default), then moved as little as needed to lie inside the screen;
// a menu larger than the screen keeps its top-left corner on it.
RECT PlacePopupMenu(SIZE size, POINT at, UINT flags, SIZE screen);
// A sub-menu beside its parent: to the right of the parent menu with its
// first item level with `parentItem`, or to the left when the right has no
// room; then inside the screen.
RECT PlaceSubMenu(SIZE size, const RECT& parentItem, const RECT& parentMenu, LONG border, SIZE screen);
RECT KeepInsideScreen(RECT rect, SIZE screen);

// The access key of an item's text: the character after a single '&',
// folded to lower case, and where it stands in the text as shown.
struct AccessKey {
  char16_t key;
  std::size_t position;
};
std::optional<AccessKey> FindAccessKey(std::u16string_view text);
// The character a virtual key types for access keys (letters and digits), folded; 0 for others.
char16_t AccessKeyForVirtualKey(UINT virtualKey);
