#include "platform/menus/MenuLayout.h"

#include <algorithm>

#include "platform/runtime/CaseFold.h"

MenuMetrics MenuMetricsFor(LONG scale) {
  const LONG s = std::max<LONG>(scale, 1);
  return {.border = s,
          .fontHeight = 11 * s,
          .itemHeight = 14 * s,
          .separatorHeight = 5 * s,
          .checkColumn = 12 * s,
          .textMargin = 6 * s,
          .arrowColumn = 10 * s,
          .lineWidth = s,
          .scrollArrowHeight = 10 * s};
}

SIZE MenuWindowSize(const MenuGeometry& geometry, SIZE screen) {
  return {std::min(geometry.size.cx, screen.cx), std::min(geometry.size.cy, screen.cy)};
}

MenuGeometry LayOutMenu(const std::vector<MenuItem>& items, const MenuMetrics& metrics, const MeasureText& measure) {
  LONG textWidth = 0;
  bool anyPopup = false;
  for (const MenuItem& item : items) {
    if (item.IsSeparator()) continue;
    textWidth = std::max(textWidth, measure(StripPrefixes(item.text)));
    anyPopup = anyPopup || item.IsPopup();
  }
  const LONG width = 2 * metrics.border + metrics.checkColumn + textWidth + metrics.textMargin +
                     (anyPopup ? metrics.arrowColumn : 0);
  MenuGeometry geometry;
  LONG y = metrics.border;
  for (const MenuItem& item : items) {
    const LONG height = item.IsSeparator() ? metrics.separatorHeight : metrics.itemHeight;
    geometry.items.push_back({metrics.border, y, width - metrics.border, y + height});
    y += height;
  }
  geometry.size = {width, y + metrics.border};
  return geometry;
}

RECT KeepInsideScreen(RECT rect, SIZE screen) {
  const LONG dx = rect.right > screen.cx ? screen.cx - rect.right : 0;
  const LONG dy = rect.bottom > screen.cy ? screen.cy - rect.bottom : 0;
  rect = rect.Offset(dx, dy);
  return rect.Offset(rect.left < 0 ? -rect.left : 0, rect.top < 0 ? -rect.top : 0);
}

RECT PlacePopupMenu(SIZE size, POINT at, UINT flags, SIZE screen) {
  LONG left = at.x;
  if (flags & TPM_RIGHTALIGN)
    left = at.x - size.cx;
  else if (flags & TPM_CENTERALIGN)
    left = at.x - size.cx / 2;
  LONG top = at.y;
  if (flags & TPM_BOTTOMALIGN)
    top = at.y - size.cy;
  else if (flags & TPM_VCENTERALIGN)
    top = at.y - size.cy / 2;
  return KeepInsideScreen({left, top, left + size.cx, top + size.cy}, screen);
}

RECT PlaceSubMenu(SIZE size, const RECT& parentItem, const RECT& parentMenu, LONG border, SIZE screen) {
  const LONG top = parentItem.top - border;
  LONG left = parentMenu.right - border;
  if (left + size.cx > screen.cx && parentMenu.left + border - size.cx >= 0) left = parentMenu.left + border - size.cx;
  return KeepInsideScreen({left, top, left + size.cx, top + size.cy}, screen);
}

std::optional<AccessKey> FindAccessKey(std::u16string_view text) {
  std::size_t shown = 0;
  for (std::size_t i = 0; i < text.size(); ++i, ++shown) {
    if (text[i] != u'&') continue;
    if (i + 1 >= text.size()) break;
    if (text[i + 1] == u'&') {
      ++i;
      continue;
    }
    return AccessKey{FoldWideChar(text[i + 1]), shown};
  }
  return std::nullopt;
}

char16_t AccessKeyForVirtualKey(UINT virtualKey) {
  const bool letter = virtualKey >= 'A' && virtualKey <= 'Z';
  const bool digit = virtualKey >= '0' && virtualKey <= '9';
  return letter || digit ? FoldWideChar(char16_t(virtualKey)) : u'\0';
}
