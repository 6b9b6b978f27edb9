#pragma once
// One open level of a pop-up menu: a top-level window of class "Menu" that
// shows its items (check marks, greyed text, sub-menu arrows, the highlight
// bar over the current item) and describes them for the automation dump. It
// keeps a copy of the items taken when it opened, so the rectangles it was
// laid out with always match what it draws.

#include <functional>
#include <string_view>
#include <vector>

#include "platform/menus/MenuLayout.h"
#include "platform/windows/WindowProcedure.h"

inline constexpr std::u16string_view kMenuWindowClass = u"Menu";

class MenuWindow final : public WindowProcedure {
 public:
  MenuWindow(HMENU menu, std::vector<MenuItem> items, MenuGeometry geometry, MenuMetrics metrics);

  HMENU Menu() const { return menu_; }
  const std::vector<MenuItem>& Items() const { return items_; }
  SIZE Size() const { return geometry_.size; }
  // Client coordinates.
  const RECT& ItemRect(std::size_t index) const { return geometry_.items[index]; }
  // The item under a client point, or -1.
  int ItemAt(POINT clientPoint) const;

  int Highlighted() const { return highlighted_; }
  void SetHighlighted(HWND window, int index);

  // Called when the system asks the window to close (WM_CLOSE).
  void SetCloseHandler(std::function<void()> onClose) { onClose_ = std::move(onClose); }

  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  void DescribeForDump(HWND window, DumpObject& fields) const override;

 private:
  void Paint(HWND window);

  HMENU menu_;
  std::vector<MenuItem> items_;
  MenuGeometry geometry_;
  MenuMetrics metrics_;
  int highlighted_ = -1;
  std::function<void()> onClose_;
};
