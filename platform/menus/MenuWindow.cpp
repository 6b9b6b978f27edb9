#include "platform/menus/MenuWindow.h"

#include "platform/windows/Desktop.h"
#include "platform/windows/DumpValue.h"
#include "platform/windows/SystemApi.h"
#include "platform/windows/WindowApi.h"
#include "platform/windows/WindowDC.h"

namespace {

DumpValue RectValue(const RECT& r) { return DumpArray{r.left, r.top, r.right, r.bottom}; }

// The items of a menu that is not open: no rectangles, as they are nowhere.
DumpArray DescribeClosedItems(const MenuStore& store, HMENU menu, int depth) {
  DumpArray out;
  const Menu* record = store.Find(menu);
  if (!record || depth >= kMaxMenuDepth) return out;
  for (const MenuItem& item : record->items) {
    DumpObject fields;
    if (item.IsSeparator()) {
      fields.Set("separator", true);
    } else {
      fields.Set("id", item.id);
      fields.Set("text", item.text);
      fields.Set("checked", item.IsChecked());
      fields.Set("grayed", item.IsGrayed());
      if (item.IsPopup()) fields.Set("items", DescribeClosedItems(store, item.subMenu, depth + 1));
    }
    out.push_back(std::move(fields));
  }
  return out;
}

void DrawCheckMark(CDC& dc, const RECT& item, const MenuMetrics& m, COLORREF color) {
  const LONG s = m.lineWidth;
  const LONG cx = item.left + m.checkColumn / 2;
  const LONG cy = (item.top + item.bottom) / 2;
  CPen pen(PS_SOLID, 1, color);
  CPen* previous = dc.SelectObject(&pen);
  for (LONG t = 0; t < 2 * s; ++t) {
    dc.MoveTo(cx - 4 * s, cy - s + t);
    dc.LineTo(cx - s, cy + 2 * s + t);
    dc.LineTo(cx + 4 * s + 1, cy - 5 * s + t - 1);
  }
  dc.SelectObject(previous);
}

void DrawSubMenuArrow(CDC& dc, const RECT& item, const MenuMetrics& m, COLORREF color) {
  const LONG half = 4 * m.lineWidth;
  const LONG left = item.right - m.arrowColumn / 2 - half / 2;
  const LONG cy = (item.top + item.bottom) / 2;
  for (LONG i = 0; i < half; ++i) {
    const RECT column{left + i, cy - (half - i), left + i + 1, cy + (half - i)};
    dc.FillSolidRect(&column, color);
  }
}

// A solid triangle pointing up (direction -1) or down (+1), centred in `band`.
void DrawScrollArrow(CDC& dc, const RECT& band, int direction, LONG unit, COLORREF color) {
  const LONG half = 3 * unit;
  const LONG cx = (band.left + band.right) / 2;
  const LONG top = (band.top + band.bottom - half) / 2;
  for (LONG row = 0; row < half; ++row) {
    const LONG reach = direction < 0 ? row : half - 1 - row;
    const RECT line{cx - reach - 1, top + row, cx + reach + 1, top + row + 1};
    dc.FillSolidRect(&line, color);
  }
}

void DrawItemText(CDC& dc, const MenuItem& item, const RECT& rect, const MenuMetrics& m, COLORREF color) {
  TEXTMETRIC metrics;
  dc.GetTextMetrics(&metrics);
  const std::u16string shown = StripPrefixes(item.text);
  const LONG x = rect.left + m.checkColumn;
  const LONG y = rect.top + (rect.Height() - metrics.tmHeight) / 2;
  dc.SetTextColor(color);
  dc.TextOut(x, y, shown);
  if (const auto key = FindAccessKey(item.text); key && key->position < shown.size()) {
    const LONG start = x + dc.GetTextExtent(std::u16string_view(shown).substr(0, key->position)).cx;
    const LONG width = dc.GetTextExtent(std::u16string_view(shown).substr(key->position, 1)).cx;
    const RECT underline{start, y + metrics.tmAscent + m.lineWidth, start + width,
                         y + metrics.tmAscent + 2 * m.lineWidth};
    dc.FillSolidRect(&underline, color);
  }
}

}  // namespace

MenuWindow::MenuWindow(HMENU menu, std::vector<MenuItem> items, const MenuGeometry& geometry, MenuMetrics metrics,
                       const LOGFONT& font, SIZE screen)
    : menu_(menu),
      items_(std::move(items)),
      viewport_(geometry, MenuWindowSize(geometry, screen), metrics),
      metrics_(metrics) {
  font_.CreateFontIndirect(&font);
}

int MenuWindow::ItemAt(POINT clientPoint) const {
  for (std::size_t i = 0; i < items_.size(); ++i)
    if (viewport_.Shows(i) && viewport_.ItemRect(i).Contains(clientPoint)) return int(i);
  return -1;
}

int MenuWindow::ScrollArrowAt(POINT clientPoint) const {
  if (viewport_.UpArrow().Contains(clientPoint)) return -1;
  if (viewport_.DownArrow().Contains(clientPoint)) return +1;
  return 0;
}

bool MenuWindow::Scroll(HWND window, int items) {
  if (!viewport_.ScrollBy(items)) return false;
  InvalidateRect(window, nullptr, FALSE);
  return true;
}

void MenuWindow::SetHighlighted(HWND window, int index) {
  if (index < -1 || index >= int(items_.size())) index = -1;
  if (index == highlighted_) return;
  if (highlighted_ >= 0) {
    const RECT old = viewport_.ItemRect(std::size_t(highlighted_));
    InvalidateRect(window, &old, FALSE);
  }
  highlighted_ = index;
  if (highlighted_ < 0) return;
  if (viewport_.Reveal(std::size_t(highlighted_))) {
    InvalidateRect(window, nullptr, FALSE);
    return;
  }
  const RECT now = viewport_.ItemRect(std::size_t(highlighted_));
  InvalidateRect(window, &now, FALSE);
}

LRESULT MenuWindow::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // the paint covers every pixel
    case WM_PAINT:
      Paint(window);
      return 0;
    case WM_CLOSE:
      if (onClose_) onClose_();
      return 0;
    default:
      return DefWindowProc(window, message, wParam, lParam);
  }
}

void MenuWindow::Paint(HWND window) {
  PaintDC dc(window);
  RECT client;
  GetClientRect(window, &client);
  const LONG b = metrics_.border;
  const COLORREF frame = GetSysColor(COLOR_WINDOWFRAME);
  const RECT edges[] = {{0, 0, client.right, b},
                        {0, client.bottom - b, client.right, client.bottom},
                        {0, 0, b, client.bottom},
                        {client.right - b, 0, client.right, client.bottom}};
  for (const RECT& edge : edges) dc.FillSolidRect(&edge, frame);
  const RECT inside{b, b, client.right - b, client.bottom - b};
  dc.FillSolidRect(&inside, GetSysColor(COLOR_WINDOW));
  dc.SetBkMode(TRANSPARENT);
  CFont* previousFont = dc.SelectObject(&font_);
  PaintScrollArrows(dc);

  for (std::size_t i = 0; i < items_.size(); ++i) {
    if (!viewport_.Shows(i)) continue;
    const MenuItem& item = items_[i];
    const RECT rect = viewport_.ItemRect(i);
    const bool highlighted = int(i) == highlighted_ && !item.IsSeparator();
    dc.FillSolidRect(&rect, GetSysColor(highlighted ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    if (item.IsSeparator()) {
      const LONG y = (rect.top + rect.bottom - metrics_.lineWidth) / 2;
      const RECT line{rect.left + 2 * b, y, rect.right - 2 * b, y + metrics_.lineWidth};
      dc.FillSolidRect(&line, GetSysColor(COLOR_GRAYTEXT));
      continue;
    }
    // Greyed text on the highlight bar stays readable in a lighter grey.
    const COLORREF color = item.IsGrayed() ? GetSysColor(highlighted ? COLOR_BTNFACE : COLOR_GRAYTEXT)
                                           : GetSysColor(highlighted ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
    if (item.IsChecked()) DrawCheckMark(dc, rect, metrics_, color);
    DrawItemText(dc, item, rect, metrics_, color);
    if (item.IsPopup()) DrawSubMenuArrow(dc, rect, metrics_, color);
  }
  dc.SelectObject(previousFont);
}

void MenuWindow::PaintScrollArrows(CDC& dc) const {
  if (!viewport_.Scrolls()) return;
  // An arrow that cannot scroll further is greyed, as a greyed item is.
  for (const int direction : {-1, +1}) {
    const COLORREF color = GetSysColor(viewport_.CanScroll(direction) ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT);
    DrawScrollArrow(dc, direction < 0 ? viewport_.UpArrow() : viewport_.DownArrow(), direction,
                    metrics_.lineWidth, color);
  }
}

void MenuWindow::DescribeForDump(HWND window, DumpObject& fields) const {
  RECT screen{};
  GetWindowRect(window, &screen);
  const Desktop* desktop = Desktop::Current();
  DumpArray items;
  for (std::size_t i = 0; i < items_.size(); ++i) {
    const MenuItem& item = items_[i];
    DumpObject entry;
    if (item.IsSeparator()) {
      entry.Set("separator", true);
    } else {
      entry.Set("id", item.id);
      entry.Set("text", item.text);
      entry.Set("checked", item.IsChecked());
      entry.Set("grayed", item.IsGrayed());
      entry.Set("rect", RectValue(viewport_.ItemRect(i).Offset(screen.left, screen.top)));
      entry.Set("highlighted", int(i) == highlighted_);
      entry.Set("shown", viewport_.Shows(i));
      if (item.IsPopup() && desktop) entry.Set("items", DescribeClosedItems(desktop->Menus(), item.subMenu, 1));
    }
    items.push_back(std::move(entry));
  }
  fields.Set("items", std::move(items));
  // A menu taller than the screen: the first item shown between the arrows.
  fields.Set("scrolls", viewport_.Scrolls());
  fields.Set("firstShown", viewport_.First());
}
