#include "platform/menus/MenuTracker.h"

#include <algorithm>
#include <cstdint>

#include "platform/gdi/DeviceContext.h"
#include "platform/windows/Desktop.h"
#include "platform/windows/ModalLoop.h"
#include "platform/windows/VirtualKeys.h"
#include "platform/windows/WindowApi.h"

MenuTracker::MenuTracker(Desktop& desktop, HWND owner) : desktop_(desktop), owner_(owner) {}

MenuTracker::~MenuTracker() {
  while (!levels_.empty()) {
    desktop_.DestroyWindow(levels_.back().window);
    levels_.pop_back();
  }
}

std::optional<UINT> MenuTracker::Run(HMENU menu, UINT flags, POINT at) {
  const std::shared_ptr<MenuWindow> view = MakeView(menu);
  if (!view) return std::nullopt;
  if (!Show(view, PlacePopupMenu(view->Size(), at, flags, Screen()))) return std::nullopt;
  desktop_.SetCapture(levels_.front().window);
  if (!RunModalLoop([this] { return Finished(); }, [this](MSG& message) { return Intercept(message); }))
    chosen_.reset();
  return chosen_;
}

SIZE MenuTracker::Screen() const { return {desktop_.Profile().width, desktop_.Profile().height}; }

std::shared_ptr<MenuWindow> MenuTracker::MakeView(HMENU menu) const {
  const Menu* record = desktop_.Menus().Find(menu);
  if (!record || record->items.empty()) return nullptr;
  const MenuMetrics metrics = MenuMetricsFor(desktop_.LogicalDpi() / 96);
  const LOGFONT font = MakeSystemFont(metrics.fontHeight);
  Surface scratch(1, 1, 32);
  CDC measure(scratch, {}, {}, &desktop_.Fonts());
  CFont measureFont;
  measureFont.CreateFontIndirect(&font);
  measure.SelectObject(&measureFont);
  const MenuGeometry geometry =
      LayOutMenu(record->items, metrics, [&](std::u16string_view text) { return measure.GetTextExtent(text).cx; });
  return std::make_shared<MenuWindow>(menu, record->items, geometry, metrics, font, Screen());
}

bool MenuTracker::Show(const std::shared_ptr<MenuWindow>& view, const RECT& placement) {
  WindowCreation creation;
  creation.className = WideString(kMenuWindowClass);
  creation.style = WS_POPUP | WS_VISIBLE;
  creation.rect = placement;
  creation.parent = owner_;
  view->SetCloseHandler([this] { Cancel(); });
  const HWND window = desktop_.CreateWindow(creation, nullptr, view);
  if (!window) return false;
  levels_.push_back({window, view});
  return true;
}

bool MenuTracker::Finished() const {
  if (finished_ || levels_.empty()) return true;
  const HWND root = levels_.front().window;
  return !desktop_.Tree().Exists(root) || !desktop_.Tree().Exists(owner_) ||
         !desktop_.Menus().Exists(levels_.front().view->Menu()) || desktop_.Capture() != root;
}

bool MenuTracker::Intercept(const MSG& message) {
  if (IsKeyboardMessage(message.message)) {
    if (message.message == WM_KEYDOWN) OnKeyDown(UINT(message.wParam));
    return true;
  }
  if (!IsMouseMessage(message.message) || !desktop_.Tree().Exists(message.hwnd) ||
      desktop_.Tree().Find(message.hwnd)->className != kMenuWindowClass)
    return false;
  switch (message.message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      OnStylusDown(message.pt);
      break;
    case WM_MOUSEMOVE:
      OnStylusMove(message.pt);
      break;
    case WM_LBUTTONUP:
      OnStylusUp(message.pt);
      break;
    default:
      break;
  }
  return true;
}

std::optional<MenuTracker::Hit> MenuTracker::HitTest(POINT screen) const {
  for (std::size_t level = levels_.size(); level-- > 0;) {
    const RECT rect = desktop_.Tree().ScreenRect(levels_[level].window);
    if (!rect.Contains(screen)) continue;
    return Hit{level, levels_[level].view->ItemAt({screen.x - rect.left, screen.y - rect.top})};
  }
  return std::nullopt;
}

void MenuTracker::Highlight(std::size_t level, int item) {
  levels_[level].view->SetHighlighted(levels_[level].window, item);
}

void MenuTracker::CloseLevelsAbove(std::size_t level) {
  while (levels_.size() > level + 1) {
    desktop_.DestroyWindow(levels_.back().window);
    levels_.pop_back();
  }
}

void MenuTracker::OpenSubMenu(std::size_t level, int item, bool highlightFirst) {
  const MenuItem& parentItem = levels_[level].view->Items()[std::size_t(item)];
  if (!parentItem.IsPopup() || parentItem.IsGrayed()) return;
  const bool alreadyOpen = levels_.size() > level + 1 && levels_[level + 1].view->Menu() == parentItem.subMenu;
  if (!alreadyOpen) {
    CloseLevelsAbove(level);
    const std::shared_ptr<MenuWindow> view = MakeView(parentItem.subMenu);
    if (!view) return;
    const RECT parentMenu = desktop_.Tree().ScreenRect(levels_[level].window);
    const RECT itemRect = levels_[level].view->ItemRect(std::size_t(item)).Offset(parentMenu.left, parentMenu.top);
    const LONG border = MenuMetricsFor(desktop_.LogicalDpi() / 96).border;
    if (!Show(view, PlaceSubMenu(view->Size(), itemRect, parentMenu, border, Screen()))) return;
  }
  if (highlightFirst && Innermost().view->Highlighted() < 0) MoveHighlight(+1);
}

void MenuTracker::Activate(std::size_t level, int item, bool byKeyboard) {
  const MenuItem& chosen = levels_[level].view->Items()[std::size_t(item)];
  Highlight(level, item);
  if (chosen.IsSeparator() || chosen.IsGrayed()) return;
  if (chosen.IsPopup()) {
    OpenSubMenu(level, item, byKeyboard);
    return;
  }
  CloseLevelsAbove(level);
  chosen_ = chosen.id;
  finished_ = true;
}

void MenuTracker::MoveHighlight(int direction) {
  const MenuWindow& view = *Innermost().view;
  const int count = int(view.Items().size());
  int index = view.Highlighted();
  if (index < 0) index = direction > 0 ? -1 : count;
  for (int step = 0; step < count; ++step) {
    index = ((index + direction) % count + count) % count;
    if (!view.Items()[std::size_t(index)].IsSeparator()) {
      Highlight(levels_.size() - 1, index);
      return;
    }
  }
}

void MenuTracker::OnKeyDown(UINT key) {
  const std::size_t level = levels_.size() - 1;
  const MenuWindow& view = *Innermost().view;
  const int highlighted = view.Highlighted();
  switch (key) {
    case VK_UP:
      MoveHighlight(-1);
      return;
    case VK_DOWN:
      MoveHighlight(+1);
      return;
    case VK_RIGHT:
      if (highlighted >= 0) OpenSubMenu(level, highlighted, true);
      return;
    case VK_LEFT:
      if (level > 0) CloseLevelsAbove(level - 1);
      return;
    case VK_ESCAPE:
      if (level > 0)
        CloseLevelsAbove(level - 1);
      else
        Cancel();
      return;
    case VK_RETURN:
      if (highlighted >= 0) Activate(level, highlighted, true);
      return;
    default:
      break;
  }
  const char16_t character = AccessKeyForVirtualKey(key);
  if (!character) return;
  std::vector<int> matches;
  for (std::size_t i = 0; i < view.Items().size(); ++i) {
    const MenuItem& item = view.Items()[i];
    const auto access = item.IsSeparator() ? std::nullopt : FindAccessKey(item.text);
    if (access && access->key == character) matches.push_back(int(i));
  }
  if (matches.size() == 1) {
    Activate(level, matches.front(), true);
  } else if (!matches.empty()) {
    // Several items share the key: each press moves to the next of them.
    auto next = std::upper_bound(matches.begin(), matches.end(), highlighted);
    Highlight(level, next == matches.end() ? matches.front() : *next);
  }
}

void MenuTracker::OnStylusDown(POINT screen) {
  const auto hit = HitTest(screen);
  if (!hit) {
    Cancel();
    return;
  }
  if (const int direction = ScrollArrowAt(hit->level, screen)) {
    HoldScrollArrow(hit->level, direction, screen);
    return;
  }
  pressed_ = hit;
  pressedAt_ = screen;
  OnStylusMove(screen);
}

int MenuTracker::ScrollArrowAt(std::size_t level, POINT screen) const {
  const RECT rect = desktop_.Tree().ScreenRect(levels_[level].window);
  return levels_[level].view->ScrollArrowAt({screen.x - rect.left, screen.y - rect.top});
}

void MenuTracker::HoldScrollArrow(std::size_t level, int direction, POINT screen) {
  // A tap scrolls one item; held, the arrow repeats until the stylus lifts
  // or leaves it. Deeper levels close: they were placed beside items that move.
  CloseLevelsAbove(level);
  const HWND window = levels_[level].window;
  const std::shared_ptr<MenuWindow> view = levels_[level].view;
  if (!view->Scroll(window, direction)) return;
  UpdateWindow(window);
  DWORD next = desktop_.Input().StylusDownTime() + kScrollDelayMilliseconds;
  while (!desktop_.QuitRequested() && desktop_.Input().StylusIsDown() && desktop_.Tree().Exists(window)) {
    if (std::int32_t(desktop_.Now() - next) >= 0) {  // due, across the counter's wrap
      screen = desktop_.Input().StylusPosition();
      if (ScrollArrowAt(level, screen) != direction || !view->Scroll(window, direction)) return;
      UpdateWindow(window);
      next += kScrollRepeatMilliseconds;
      continue;
    }
    desktop_.WaitForInput(next);
  }
}

void MenuTracker::OnStylusMove(POINT screen) {
  if (!pressed_) return;
  const auto hit = HitTest(screen);
  if (!hit || hit->item < 0) return;
  CloseLevelsAbove(hit->level + (levels_[hit->level].view->Items()[std::size_t(hit->item)].IsPopup() ? 1 : 0));
  Highlight(hit->level, hit->item);
  OpenSubMenu(hit->level, hit->item, false);
}

void MenuTracker::OnStylusUp(POINT screen) {
  if (!pressed_) return;
  const Hit pressed = *pressed_;
  pressed_.reset();
  const auto hit = HitTest(screen);
  if (!hit || hit->item < 0) return;
  // A sub-menu with no room beside its parent is moved over it; the tap that
  // opened it must not also choose the item of the sub-menu it lands on.
  if (hit->level > pressed.level && screen.x == pressedAt_.x && screen.y == pressedAt_.y) return;
  const MenuItem& item = levels_[hit->level].view->Items()[std::size_t(hit->item)];
  if (!item.IsPopup()) Activate(hit->level, hit->item, false);
}
