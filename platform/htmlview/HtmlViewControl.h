#pragma once
// The window procedure of "DISPLAYCLASS": keeps the page source its owner
// adds, lays it out when the source ends, paints and scrolls it, and turns
// taps and keys on links into NM_HOTSPOT notifications to the parent.

#include <memory>
#include <optional>

#include "platform/gdi/GdiTypes.h"
#include "platform/htmlview/HtmlPage.h"
#include "platform/runtime/WinTypes.h"
#include "platform/windows/Messages.h"
#include "platform/windows/WindowProcedure.h"

class HtmlViewControl final : public WindowProcedure {
 public:
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  void DescribeForDump(HWND window, DumpObject& fields) const override;

 private:
  void Clear(HWND window);
  void AddText(const WCHAR* text, bool plainText);
  void EndOfSource(HWND window);
  void Layout(HWND window);
  // A new page from the same source, in the current system colours.
  void Rebuild(HWND window);
  void Paint(HWND window);
  void PaintScrollBar(CDC& dc, const RECT& client) const;
  bool HasScrollBar() const;
  LONG ThumbHeight() const;

  LRESULT DialogCode(const MSG* message) const;
  void OnKey(HWND window, UINT key);
  void OnWheel(HWND window, int delta);
  void OnStylusDown(HWND window, POINT point);
  void OnStylusMove(HWND window, POINT point);
  void OnStylusUp(HWND window, POINT point);

  // The link after (or before) the focused one, or the first (last) one
  // from the top of the visible part when none is focused.
  std::optional<std::size_t> NeighbourLink(bool previous) const;
  void FocusLink(HWND window, std::size_t link);
  void ScrollTo(HWND window, LONG top);
  LONG MaxScroll() const;
  // Tells the parent; the parent may replace the page or close its window
  // meanwhile, so nothing of the view is touched afterwards.
  static void NotifyHotspot(HWND window, const WideString& target);

  LONG ViewHeight() const { return viewSize_.cy; }
  LONG LineStep() const;

  // What the owner has handed over since the page was last cleared.
  WideString source_;
  std::unique_ptr<HtmlPage> page_;
  SIZE viewSize_{};
  LONG scrollTop_ = 0;
  std::optional<std::size_t> focusedLink_;

  // A stylus press: a tap unless it moves far enough to drag the page (a
  // finger's press further than the stylus's), or on the scroll bar, a drag
  // of its thumb.
  bool pressed_ = false;
  LONG dragThreshold_ = 0;
  bool dragging_ = false;
  bool draggingThumb_ = false;
  POINT pressPoint_{};
  LONG pressScroll_ = 0;
};
