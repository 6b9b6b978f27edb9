#pragma once
// The modal run of an open pop-up menu. While it runs, the menu has the
// stylus (captured) and the keyboard; every other message (paints, the
// loader's posted command) is dispatched as usual.
//
// Keys: Up and Down move the highlight (wrapping, over separators), Right
// or Enter on a sub-menu opens it, Left or Escape closes the innermost
// sub-menu, Escape on the top level closes the menu, Enter chooses, an access
// key chooses its item (or, when several items share it, moves the highlight
// among them). Stylus: going down on an item highlights it (and opens its
// sub-menu); the highlight follows the stylus while it is held; coming up on
// an item chooses it. Going down outside every open level closes the menu.
// Greyed items are highlighted but never chosen, and their sub-menus never
// open. A menu taller than the screen scrolls: the keys scroll it to keep the
// highlight shown, and the stylus on a scroll arrow moves it one item, then
// repeats while held there.

#include <memory>
#include <optional>
#include <vector>

#include "platform/menus/MenuWindow.h"
#include "platform/windows/Messages.h"

class Desktop;

// How long the stylus rests on a scroll arrow before it repeats, and how often then.
inline constexpr DWORD kScrollDelayMilliseconds = 400;
inline constexpr DWORD kScrollRepeatMilliseconds = 100;

class MenuTracker {
 public:
  MenuTracker(Desktop& desktop, HWND owner);
  ~MenuTracker();
  MenuTracker(const MenuTracker&) = delete;
  MenuTracker& operator=(const MenuTracker&) = delete;

  // Opens `menu` placed as PlacePopupMenu says and runs until it closes.
  // Answers the chosen command, or nothing.
  std::optional<UINT> Run(HMENU menu, UINT flags, POINT at);

 private:
  struct Level {
    HWND window = nullptr;
    std::shared_ptr<MenuWindow> view;
  };
  struct Hit {
    std::size_t level;
    int item;
  };

  // The window procedure for a menu, laid out; null for a missing or empty menu.
  std::shared_ptr<MenuWindow> MakeView(HMENU menu) const;
  SIZE Screen() const;
  bool Show(const std::shared_ptr<MenuWindow>& view, const RECT& placement);
  // Opens the sub-menu of item `item` of the level, closing deeper levels.
  void OpenSubMenu(std::size_t level, int item, bool highlightFirst);
  void CloseLevelsAbove(std::size_t level);
  Level& Innermost() { return levels_.back(); }
  void Highlight(std::size_t level, int item);

  bool Intercept(const MSG& message);
  void OnKeyDown(UINT key);
  void OnStylusDown(POINT screen);
  void OnStylusMove(POINT screen);
  void OnStylusUp(POINT screen);
  std::optional<Hit> HitTest(POINT screen) const;
  // The scroll arrow of the level under a screen point: -1 up, +1 down, 0 none.
  int ScrollArrowAt(std::size_t level, POINT screen) const;
  // Scrolls while the stylus stays down on the arrow.
  void HoldScrollArrow(std::size_t level, int direction, POINT screen);
  // An item chosen by Enter, an access key or a tap: a command ends the run,
  // a sub-menu opens, a greyed item or a separator does nothing.
  void Activate(std::size_t level, int item, bool byKeyboard);
  void MoveHighlight(int direction);
  void Cancel() { finished_ = true; }
  bool Finished() const;

  Desktop& desktop_;
  HWND owner_;
  std::vector<Level> levels_;
  std::optional<UINT> chosen_;
  bool finished_ = false;
  std::optional<Hit> pressed_;  // where the stylus went down inside the menu
  POINT pressedAt_{};
};
