#include <gtest/gtest.h>

#include "platform/controls/EditControl.h"
#include "platform/controls/EditText.h"
#include "platform/windows/SystemApi.h"
#include "tests/platform/controls/ControlTestSupport.h"

namespace {

TEST(EditText, TypingReplacesTheSelectionUpToTheLimit) {
  EditText text(8);
  text.SetText(u"Vega Lyr");
  text.Select(5, -1);
  EXPECT_TRUE(text.Replace(u"Lyra").changed);
  EXPECT_EQ(text.Text(), u"Vega Lyr");  // only three units fit in place of "Lyr"
  EXPECT_TRUE(text.Replace(u"x").truncated);
  text.Select(0, 4);
  const EditText::Typed typed = text.Replace(u"Deneb Cyg");
  EXPECT_TRUE(typed.changed);
  EXPECT_TRUE(typed.truncated);
  EXPECT_EQ(text.Text(), u"Dene Lyr");
  EXPECT_EQ(text.Caret(), 4u);
  EXPECT_FALSE(text.HasSelection());
}

TEST(EditText, SurrogatePairsStayWhole) {
  const std::u16string star = u"\U0001F31F";  // one character, two units
  EditText text(4);
  text.SetText(u"a");
  text.MoveEnd(false);
  // Three units of room would cut the second pair in half: it is left out.
  EXPECT_TRUE(text.Replace(star + star).truncated);
  EXPECT_EQ(text.Text(), u"a" + star);
  text.MoveLeft(false);
  EXPECT_EQ(text.Caret(), 1u);
  text.MoveTo(2, false);  // inside the pair: snaps before it
  EXPECT_EQ(text.Caret(), 1u);
  text.MoveEnd(false);
  EXPECT_TRUE(text.DeleteBackward());
  EXPECT_EQ(text.Text(), u"a");
}

TEST(EditText, MovesSelectAndCollapseAsTheDeviceDoes) {
  EditText text(100);
  text.SetText(u"M31 And");
  text.MoveEnd(false);
  text.MoveLeft(true);
  text.MoveLeft(true);
  EXPECT_EQ(text.SelectionStart(), 5u);
  EXPECT_EQ(text.SelectionEnd(), 7u);
  text.MoveRight(false);  // collapses to the selection's end
  EXPECT_EQ(text.Caret(), 7u);
  text.MoveHome(true);
  EXPECT_TRUE(text.DeleteForward());  // deletes the selection, not one character
  EXPECT_EQ(text.Text(), u"");
  text.SetText(u"abc");
  text.Select(-1, 2);  // start -1 keeps the caret and drops the selection
  EXPECT_EQ(text.Caret(), 0u);
  EXPECT_FALSE(text.HasSelection());
  text.Select(99, 1);  // positions past the end are cut to it
  EXPECT_EQ(text.Anchor(), 3u);
  EXPECT_EQ(text.Caret(), 1u);
}

TEST(EditScroll, KeepsTheCaretInViewWithoutBlankAfterTheText) {
  EXPECT_EQ(ScrollForCaret(0, 50, 80, 100), 0);       // everything fits
  EXPECT_EQ(ScrollForCaret(0, 150, 150, 100), 51);    // just enough for the caret at the end
  EXPECT_EQ(ScrollForCaret(51, 40, 150, 100), 15);    // back left: a quarter view before the caret
  EXPECT_EQ(ScrollForCaret(51, 2, 150, 100), 0);
  EXPECT_EQ(ScrollForCaret(120, 60, 80, 100), 0);     // the text shrank
  EXPECT_EQ(ScrollForCaret(5, 10, 200, 0), 0);
}

struct EditFixture : ControlsFixture {
  HWND Edit(DWORD style, LONG width = 100) { return Create(u"Edit", u"", style | WS_BORDER, {10, 10, 10 + width, 31}, 5); }
  std::pair<DWORD, DWORD> Selection(HWND edit) {
    DWORD start = 0;
    DWORD end = 0;
    SendMessage(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), LParamFromPointer(&end));
    return {start, end};
  }
};

TEST_F(EditFixture, TypingAndEditingKeysChangeTheTextAndTellTheParent) {
  const HWND edit = Edit(ES_AUTOHSCROLL);
  SetFocus(edit);
  Type(u"M31 Andromeda");
  Keys({VK_BACK, VK_BACK, VK_HOME, VK_DELETE, VK_RIGHT});
  Keys({VK_END}, true);
  Type(u"!");
  Run();
  EXPECT_EQ(GetWindowTextString(edit), u"3!");
  EXPECT_EQ(Count(5, EN_CHANGE), 13 + 2 + 1 + 1);
  EXPECT_EQ(Count(5, EN_SETFOCUS), 1);
  EXPECT_TRUE(SendMessage(edit, EM_GETMODIFY, 0, 0));
  SendMessage(edit, EM_SETMODIFY, FALSE, 0);
  SetWindowText(edit, u"Vega");  // a program's text: caret at the start, not a user change
  EXPECT_EQ(Selection(edit), (std::pair<DWORD, DWORD>{0, 0}));
  EXPECT_FALSE(SendMessage(edit, EM_GETMODIFY, 0, 0));
}

TEST_F(EditFixture, LimitsAndStylesRefuseWhatTheyMust) {
  const HWND limited = Edit(ES_AUTOHSCROLL);
  SendMessage(limited, EM_LIMITTEXT, 3, 0);
  SetFocus(limited);
  Type(u"ABCD");
  Run();
  EXPECT_EQ(GetWindowTextString(limited), u"ABC");
  EXPECT_EQ(Count(5, EN_MAXTEXT), 1);

  // Without horizontal scrolling the box holds only what fits in it.
  const HWND narrow = Create(u"Edit", u"", WS_BORDER, {10, 40, 40, 60}, 6);
  SetFocus(narrow);
  Type(u"WWWWWWWWWW");
  Run();
  const WideString kept = GetWindowTextString(narrow);
  EXPECT_GT(kept.size(), 0u);
  EXPECT_LT(kept.size(), 10u);
  EXPECT_GE(Count(6, EN_MAXTEXT), 1);

  const HWND digits = Create(u"Edit", u"", ES_NUMBER | ES_AUTOHSCROLL, {10, 70, 110, 90}, 7);
  SetFocus(digits);
  const int beeps = test.desktop.BeepCount();
  Type(u"4x2");
  Run();
  EXPECT_EQ(GetWindowTextString(digits), u"42");
  EXPECT_EQ(test.desktop.BeepCount(), beeps + 1);

  SendMessage(digits, EM_SETREADONLY, TRUE, 0);
  Type(u"7");
  Keys({VK_BACK, VK_HOME, VK_DELETE});
  Run();
  EXPECT_EQ(GetWindowTextString(digits), u"42");
}

TEST_F(EditFixture, ATapPlacesTheCaretAndADragSelects) {
  const HWND edit = Edit(ES_AUTOHSCROLL, 200);
  SetWindowText(edit, u"iiiiWWWW");
  TapIn(edit, {199, 10});  // beyond the text: the end
  Run();
  EXPECT_EQ(GetFocus(), edit);
  EXPECT_EQ(Selection(edit), (std::pair<DWORD, DWORD>{8, 8}));
  test.Then([edit](Desktop& d) {
    POINT from{3, 10};
    POINT to{199, 10};
    ClientToScreen(edit, &from);
    ClientToScreen(edit, &to);
    d.Input().StylusDown(from);
    d.Input().StylusMove(to);
    d.Input().StylusUp(to);
  });
  Run();
  EXPECT_EQ(Selection(edit), (std::pair<DWORD, DWORD>{0, 8}));
}

TEST_F(EditFixture, LongTextScrollsSoTheCaretStaysInTheBox) {
  const HWND edit = Edit(ES_AUTOHSCROLL, 60);
  SetFocus(edit);
  Type(u"WWWWWWWWWWWWWWWWWWWW");
  Run();
  RECT box;
  GetWindowRect(edit, &box);
  // The caret is a solid upright line of the text's height; no glyph of
  // "W" makes one.
  auto caretIn = [&](LONG x) {
    int ink = 0;
    for (LONG y = box.top + 2; y < box.bottom - 2; ++y) ink += Pixel(x, y) == RGB(0, 0, 0);
    return ink >= 10;
  };
  // At the end of the text, just inside the frame and its margin.
  EXPECT_TRUE(caretIn(box.right - 4));
  EXPECT_FALSE(caretIn(box.left + 3));
  Keys({VK_HOME});
  Run();
  EXPECT_TRUE(caretIn(box.left + 3));
  EXPECT_FALSE(caretIn(box.right - 4));
  EXPECT_EQ(GetWindowTextString(edit).size(), 20u);
}

TEST_F(EditFixture, TabbingIntoAnEditSelectsItsText) {
  const HWND first = Create(u"Button", u"A", WS_TABSTOP, {0, 0, 20, 20}, 1);
  const HWND edit = Create(u"Edit", u"Vega", WS_TABSTOP | ES_AUTOHSCROLL, {0, 30, 100, 50}, 5);
  SetFocus(first);
  Keys({VK_TAB});
  Type(u"Deneb");
  Run();
  EXPECT_EQ(GetFocus(), edit);
  EXPECT_EQ(GetWindowTextString(edit), u"Deneb");
}

}  // namespace
