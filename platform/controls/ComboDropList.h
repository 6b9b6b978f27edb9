#pragma once
// The dropped list of a combo box: a top-level pop-up window (class
// "ComboLBox") that holds the stylus while it is open, so a tap inside it
// chooses an entry or scrolls and a tap anywhere else closes it. It shows the
// combo box's entries and never takes the keyboard focus; the combo box keeps
// it and tells the list which entry to bring into view.

#include <string_view>

#include "platform/gdi/GdiTypes.h"
#include "platform/windows/WindowProcedure.h"

class ComboBoxControl;
class CDC;

inline constexpr std::u16string_view kComboListClass = u"ComboLBox";

class ComboDropList final : public WindowProcedure {
 public:
  // `pressed`: the stylus that opened the list is still down, so letting it
  // go over an entry chooses that entry.
  ComboDropList(HWND combo, int rows, LONG itemHeight, bool pressed);

  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  // Adds "firstShown" (the entry in the top row) and "rows".
  void DescribeForDump(HWND window, DumpObject& fields) const override;

  // Scrolls as little as needed to show entry `index`.
  void ShowEntry(HWND window, int index);
  int FirstShown() const { return top_; }

 private:
  struct Layout {
    RECT items;      // the rows, inside the frame
    RECT bar;        // the scroll bar; empty when every entry fits
    RECT up;         // its arrow buttons and the track between them
    RECT down;
    RECT track;
    RECT thumb;
  };
  ComboBoxControl* Combo() const;
  int Count() const;
  Layout Measure(HWND window) const;
  int EntryAt(const Layout& layout, POINT point) const;
  void ScrollTo(HWND window, int top);

  void StylusDown(HWND window, POINT point);
  void StylusMove(HWND window, POINT point);
  void StylusUp(HWND window, POINT point);
  void Paint(HWND window);
  void PaintScrollBar(CDC& dc, const Layout& layout);

  enum class Drag { None, Entries, Thumb };

  HWND combo_;
  int rows_;
  LONG itemHeight_;
  int top_ = 0;
  int hot_ = -1;  // the entry under the stylus while it chooses
  Drag drag_ = Drag::None;
  bool openingPress_;
  LONG thumbGrab_ = 0;  // where on the thumb the stylus holds it
};
