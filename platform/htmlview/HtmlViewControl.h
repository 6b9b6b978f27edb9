#pragma once
// The window procedure of "DISPLAYCLASS": keeps the page source its owner
// adds, lays it out when the source ends, paints and scrolls it, and turns
// taps and keys on links into NM_HOTSPOT notifications to the parent.

#include "platform/runtime/WinTypes.h"
#include "platform/windows/WindowProcedure.h"

class HtmlViewControl final : public WindowProcedure {
 public:
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  void DescribeForDump(HWND window, DumpObject& fields) const override;

 private:
  void Clear(HWND window);
  void AddText(const WCHAR* text, bool plainText);
  void EndOfSource(HWND window);
  void Paint(HWND window);

  // What the owner has handed over since the page was last cleared.
  WideString source_;
};
