#include <gtest/gtest.h>

#include <algorithm>

#include "platform/windows/SystemApi.h"
#include "tests/platform/controls/ControlTestSupport.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);

struct ControlColors : ControlsFixture {
  // How many pixels of the control, as the screen shows it, have `color`.
  int PixelsOf(HWND control, COLORREF color) {
    UpdateWindow(parent);
    const Surface screen = test.desktop.Screen().Compose();
    RECT r;
    GetWindowRect(control, &r);
    int n = 0;
    for (LONG y = r.top; y < r.bottom; ++y)
      for (LONG x = r.left; x < r.right; ++x) n += screen.GetPixel(x, y) == color;
    return n;
  }
  // The darkest grey level inside the control, a few pixels in from its edges.
  int DarkestInk(HWND control) {
    UpdateWindow(parent);
    const Surface screen = test.desktop.Screen().Compose();
    RECT r;
    GetWindowRect(control, &r);
    int darkest = 255;
    for (LONG y = r.top + 3; y < r.bottom - 3; ++y)
      for (LONG x = r.left + 3; x < r.right - 3; ++x) {
        const COLORREF c = screen.GetPixel(x, y);
        darkest = std::min(darkest, (GetRValue(c) + GetGValue(c) + GetBValue(c)) / 3);
      }
    return darkest;
  }
  int Area(HWND control) {
    RECT r;
    GetWindowRect(control, &r);
    return int(r.Width() * r.Height());
  }
};

TEST_F(ControlColors, TextsAndBoxesTakeTheBrushTheirParentAnswers) {
  const HWND label = Create(u"Static", u"Red label", 0, {0, 0, 100, 20}, 1);
  const HWND box = Create(u"Button", u"Match case", BS_AUTOCHECKBOX, {0, 30, 120, 50}, 2);
  const HWND group = Create(u"Button", u"Buttons", BS_GROUPBOX, {0, 60, 120, 120}, 3);
  const HWND edit = Create(u"Edit", u"M31", WS_BORDER | ES_AUTOHSCROLL, {0, 130, 120, 150}, 4);
  for (HWND control : {label, box, group, edit}) EXPECT_EQ(PixelsOf(control, kRed), 0);

  recorder->brushes.emplace(WM_CTLCOLORSTATIC, kRed);
  for (HWND control : {label, box, group, edit}) InvalidateRect(control, nullptr, TRUE);
  // Most of the label and the check box, the label's patch of the group box;
  // the edit box asks with its own message and stays white.
  EXPECT_GT(PixelsOf(label, kRed), Area(label) / 2);
  EXPECT_GT(PixelsOf(box, kRed), Area(box) / 2);
  EXPECT_GT(PixelsOf(group, kRed), 20);
  EXPECT_EQ(PixelsOf(edit, kRed), 0);
  // A parent that chose only a brush still gets dark, readable text.
  EXPECT_GT(PixelsOf(label, RGB(0, 0, 0)), 10);

  recorder->brushes.emplace(WM_CTLCOLOREDIT, kRed);
  InvalidateRect(edit, nullptr, TRUE);
  EXPECT_GT(PixelsOf(edit, kRed), Area(edit) / 2);

  // Read-only, an edit box is a text like the others.
  recorder->brushes.erase(WM_CTLCOLOREDIT);
  SendMessage(edit, EM_SETREADONLY, TRUE, 0);
  InvalidateRect(edit, nullptr, TRUE);
  EXPECT_GT(PixelsOf(edit, kRed), Area(edit) / 2);
}

TEST_F(ControlColors, DisabledControlsGreyTheirText) {
  const HWND label = Create(u"Static", u"WWWW", WS_DISABLED, {0, 0, 100, 20}, 1);
  const HWND box = Create(u"Button", u"WWWW", BS_AUTOCHECKBOX | WS_DISABLED, {0, 30, 120, 50}, 2);
  const HWND push = Create(u"Button", u"WWWW", WS_DISABLED, {0, 60, 120, 80}, 3);
  const int grey = GetRValue(GetSysColor(COLOR_GRAYTEXT));
  for (HWND control : {label, box, push}) EXPECT_GE(DarkestInk(control), grey - 8);
  EnableWindow(push, TRUE);
  EXPECT_LT(DarkestInk(push), grey / 2);
}

}  // namespace

namespace {

TEST_F(ControlColors, AtNightTextAndFramesAreDimRedOnBlackAndBlackOnAParentsRed) {
  ASSERT_TRUE(SetSysColorScheme(SYSCOLORSCHEME_NIGHT));
  const HWND label = Create(u"Static", u"WWWW", 0, {0, 0, 100, 20}, 1);
  const HWND edit = Create(u"Edit", u"WWWW", WS_BORDER | ES_AUTOHSCROLL, {0, 30, 120, 50}, 2);
  const COLORREF nightText = GetSysColor(COLOR_WINDOWTEXT);
  EXPECT_GT(PixelsOf(label, nightText), 0);
  EXPECT_GT(PixelsOf(edit, GetSysColor(COLOR_WINDOWFRAME)), 100);

  recorder->brushes.emplace(WM_CTLCOLORSTATIC, kRed);
  recorder->brushes.emplace(WM_CTLCOLOREDIT, kRed);
  for (HWND control : {label, edit}) InvalidateRect(control, nullptr, TRUE);
  EXPECT_EQ(PixelsOf(label, nightText), 0);
  EXPECT_GT(PixelsOf(label, RGB(0, 0, 0)), 10);
  EXPECT_EQ(PixelsOf(edit, GetSysColor(COLOR_WINDOWFRAME)), 0);
  EXPECT_GT(PixelsOf(edit, RGB(0, 0, 0)), 100);  // the frame and the text
}

}  // namespace
