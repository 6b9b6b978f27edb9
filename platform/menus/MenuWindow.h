#pragma once
// One open level of a pop-up menu: a top-level window of class "Menu" that
// shows its items (check marks, greyed text, sub-menu arrows, the highlight
// bar over the current item, the scroll arrows of a menu taller than the
// screen) and describes them for the automation dump. It keeps a copy of the
// items taken when it opened, so the rectangles it was laid out with always
// match what it draws.

#include <functional>
#include <string_view>
#include <vector>

#include "platform/gdi/GdiObjects.h"
#include "platform/menus/MenuLayout.h"
#include "platform/menus/MenuViewport.h"
#include "platform/windows/WindowProcedure.h"

inline constexpr std::u16string_view kMenuWindowClass = u"Menu";

class MenuWindow final : public WindowProcedure {
 public:
  // `font` is the menu font; `screen` the size the window must fit in.
  MenuWindow(HMENU menu, std::vector<MenuItem> items, const MenuGeometry& geometry, MenuMetrics metrics,
             const LOGFONT& font, SIZE screen);

  HMENU Menu() const { return menu_; }
  const std::vector<MenuItem>& Items() const { return items_; }
  // The window's size: the menu's, cut to the screen.
  SIZE Size() const { return viewport_.WindowSize(); }
  // Client coordinates, where the item is drawn at the present scroll position.
  RECT ItemRect(std::size_t index) const { return viewport_.ItemRect(index); }
  // The item shown under a client point, or -1.
  int ItemAt(POINT clientPoint) const;
  // -1 over the up arrow, +1 over the down arrow, 0 elsewhere.
  int ScrollArrowAt(POINT clientPoint) const;
  // Scrolls by whole items; false when the menu cannot move that way.
  bool Scroll(HWND window, int items);

  int Highlighted() const { return highlighted_; }
  // Highlights the item and scrolls it into view.
  void SetHighlighted(HWND window, int index);

  // Called when the system asks the window to close (WM_CLOSE).
  void SetCloseHandler(std::function<void()> onClose) { onClose_ = std::move(onClose); }

  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  void DescribeForDump(HWND window, DumpObject& fields) const override;

 private:
  void Paint(HWND window);
  void PaintScrollArrows(CDC& dc) const;

  HMENU menu_;
  std::vector<MenuItem> items_;
  MenuViewport viewport_;
  MenuMetrics metrics_;
  CFont font_;
  int highlighted_ = -1;
  std::function<void()> onClose_;
};
