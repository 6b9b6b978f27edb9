#include <gtest/gtest.h>

#include "platform/controls/ComboBoxControl.h"
#include "platform/windows/Desktop.h"
#include "platform/windows/DumpValue.h"
#include "platform/windows/SystemApi.h"
#include "tests/platform/controls/ControlTestSupport.h"

namespace {

struct ComboFixture : ControlsFixture {
  // A list whose template height has room for five rows when dropped.
  HWND Combo(DWORD style = 0, LONG top = 10) {
    return Create(u"ComboBox", u"", style | CBS_DROPDOWNLIST | WS_TABSTOP, {20, top, 140, top + 110}, 9);
  }
  void Fill(HWND combo, int count) {
    for (int i = 0; i < count; ++i) {
      const WideString text = u"M" + WideString(1, char16_t(u'A' + i));
      const LRESULT index = SendMessage(combo, CB_ADDSTRING, 0, LParamFromPointer(text.c_str()));
      SendMessage(combo, CB_SETITEMDATA, WPARAM(index), LPARAM(100 + i));
    }
  }
  LRESULT Selected(HWND combo) { return SendMessage(combo, CB_GETCURSEL, 0, 0); }
  bool Dropped(HWND combo) { return SendMessage(combo, CB_GETDROPPEDSTATE, 0, 0) != FALSE; }
  HWND ListWindow(HWND combo) { return ComboBoxControl::Of(combo)->ListWindow(); }
  // What the dropped list tells the dump: its rows and the entry at the top.
  DumpObject ListState(HWND combo) {
    DumpObject fields;
    const HWND list = ListWindow(combo);
    if (const WindowRecord* record = test.desktop.Tree().Find(list)) record->Procedure()->DescribeForDump(list, fields);
    return fields;
  }
  void TapList(HWND combo, int row) {
    const HWND list = ListWindow(combo);
    ASSERT_NE(list, nullptr);
    RECT client;
    GetClientRect(list, &client);
    const LONG itemHeight = (client.Height() - 2) / LONG(*ListState(combo).Find("rows")->AsInteger());
    TapIn(list, {10, 1 + row * itemHeight + itemHeight / 2});
  }
};

TEST_F(ComboFixture, EntriesKeepTheirDataAndTheSelectionFollowsInsertsAndDeletes) {
  const HWND sorted = Combo(CBS_SORT);
  for (const char16_t* text : {u"vega", u"Deneb", u"altair"})
    SendMessage(sorted, CB_ADDSTRING, 0, LParamFromPointer(text));
  std::vector<WideString> texts;
  for (int i = 0; i < 3; ++i) {
    WCHAR buffer[16];
    ASSERT_EQ(SendMessage(sorted, CB_GETLBTEXTLEN, WPARAM(i), 0),
              SendMessage(sorted, CB_GETLBTEXT, WPARAM(i), LParamFromPointer(buffer)));
    texts.emplace_back(buffer);
  }
  EXPECT_EQ(texts, (std::vector<WideString>{u"altair", u"Deneb", u"vega"}));  // case folded

  const HWND combo = Combo();
  Fill(combo, 4);  // MA MB MC MD
  EXPECT_EQ(Selected(combo), CB_ERR);
  SendMessage(combo, CB_SETCURSEL, 2, 0);
  SendMessage(combo, CB_INSERTSTRING, 0, LParamFromPointer(u"Main info"));
  EXPECT_EQ(Selected(combo), 3);  // still "MC"
  EXPECT_EQ(SendMessage(combo, CB_GETITEMDATA, 3, 0), 102);
  SendMessage(combo, CB_DELETESTRING, 1, 0);
  EXPECT_EQ(Selected(combo), 2);
  EXPECT_EQ(GetWindowTextString(combo), u"MC");
  SendMessage(combo, CB_DELETESTRING, 2, 0);
  EXPECT_EQ(Selected(combo), CB_ERR);
  EXPECT_EQ(GetWindowTextString(combo), u"");

  // Out-of-range indexes answer CB_ERR and change nothing.
  EXPECT_EQ(SendMessage(combo, CB_GETITEMDATA, 99, 0), CB_ERR);
  EXPECT_EQ(SendMessage(combo, CB_SETITEMDATA, WPARAM(-1), 5), CB_ERR);
  EXPECT_EQ(SendMessage(combo, CB_DELETESTRING, 99, 0), CB_ERR);
  EXPECT_EQ(SendMessage(combo, CB_INSERTSTRING, 99, LParamFromPointer(u"x")), CB_ERR);
  EXPECT_EQ(SendMessage(combo, CB_SETCURSEL, 99, 0), CB_ERR);
  EXPECT_EQ(SendMessage(combo, CB_GETCOUNT, 0, 0), 3);

  // The text picks the entry; an unknown text is refused.
  EXPECT_EQ(SendMessage(combo, CB_FINDSTRINGEXACT, WPARAM(-1), LParamFromPointer(u"md")), 2);
  EXPECT_TRUE(SetWindowText(combo, u"main INFO"));
  EXPECT_EQ(Selected(combo), 0);
  EXPECT_EQ(SendMessage(combo, WM_SETTEXT, 0, LParamFromPointer(u"M99")), CB_ERR);
  EXPECT_EQ(Selected(combo), 0);
  EXPECT_EQ(Count(9, CBN_SELCHANGE), 0);  // a program's changes are not announced to it
}

TEST_F(ComboFixture, KeysMoveTheSelectionAndNotifyOnlyOnAChange) {
  const HWND combo = Combo();
  Fill(combo, 12);
  SetFocus(combo);
  Keys({VK_DOWN});  // from no entry to the first
  Run();
  EXPECT_EQ(Selected(combo), 0);
  Keys({VK_DOWN, VK_DOWN, VK_UP});
  Run();
  EXPECT_EQ(Selected(combo), 1);
  EXPECT_EQ(Count(9, CBN_SELCHANGE), 4);
  Keys({VK_HOME, VK_UP, VK_NEXT});  // Up at the top changes nothing
  Run();
  EXPECT_EQ(Count(9, CBN_SELCHANGE), 6);
  EXPECT_EQ(Selected(combo), 5);  // a page is the rows the list shows
  Keys({VK_END, VK_DOWN, VK_RIGHT});
  Run();
  EXPECT_EQ(Selected(combo), 11);
  EXPECT_EQ(Count(9, CBN_SELCHANGE), 7);
  EXPECT_FALSE(Dropped(combo));
  EXPECT_EQ(GetFocus(), combo);  // the arrows were the list's, not the dialog's
}

TEST_F(ComboFixture, TypingTheStartOfAnEntryChoosesItAndAPauseStartsAfresh) {
  const HWND combo = Combo();
  for (const char16_t* text : {u"C7", u"C8", u"C80", u"C81", u"M8"})
    SendMessage(combo, CB_ADDSTRING, 0, LParamFromPointer(text));
  SetFocus(combo);
  Type(u"C8");
  Run();
  EXPECT_EQ(Selected(combo), 1);
  test.Sleep(1000);
  Type(u"0");
  Run();
  EXPECT_EQ(Selected(combo), 2);
  EXPECT_EQ(GetWindowTextString(combo), u"C80");
  EXPECT_EQ(Count(9, CBN_SELCHANGE), 3);  // "C" chose C7 on the way

  // After a longer pause "m" is a new start, whatever its case; a prefix
  // no entry has leaves the choice alone.
  test.Sleep(1001);
  Type(u"m");
  Run();
  EXPECT_EQ(Selected(combo), 4);
  Type(u"x");
  Run();
  EXPECT_EQ(Selected(combo), 4);
  test.Sleep(1001);
  Type(u"C81");
  Run();
  EXPECT_EQ(Selected(combo), 3);
  EXPECT_FALSE(Dropped(combo));
}

TEST_F(ComboFixture, ATapDropsTheListAndATapOnAnEntryChoosesIt) {
  const HWND combo = Combo();
  Fill(combo, 12);
  SendMessage(combo, CB_SETCURSEL, 0, 0);
  TapIn(combo, {10, 5});
  Run();
  ASSERT_TRUE(Dropped(combo));
  EXPECT_EQ(GetFocus(), combo);
  RECT field;
  RECT list;
  GetWindowRect(combo, &field);
  GetWindowRect(ListWindow(combo), &list);
  EXPECT_EQ(list.top, field.bottom);
  EXPECT_EQ(list.left, field.left);

  TapList(combo, 3);
  Run();
  EXPECT_FALSE(Dropped(combo));
  EXPECT_EQ(Selected(combo), 3);
  EXPECT_EQ(Notifications(9), (std::vector<UINT>{CBN_SETFOCUS, CBN_DROPDOWN, CBN_SELCHANGE, CBN_SELENDOK,
                                                  CBN_CLOSEUP}));
}

TEST_F(ComboFixture, ATapOutsideClosesTheListAndReachesNothingBeneath) {
  const HWND combo = Combo();
  const HWND button = Create(u"Button", u"Go", 0, {20, 200, 80, 230}, 5);
  Fill(combo, 3);
  SendMessage(combo, CB_SETCURSEL, 1, 0);
  SendMessage(combo, CB_SHOWDROPDOWN, TRUE, 0);
  ASSERT_TRUE(Dropped(combo));
  TapIn(button, {5, 5});
  Run();
  EXPECT_FALSE(Dropped(combo));
  EXPECT_EQ(Selected(combo), 1);
  EXPECT_TRUE(Notifications(5).empty());
  EXPECT_EQ(Count(9, CBN_SELENDCANCEL), 1);
  EXPECT_EQ(Count(9, CBN_SELCHANGE), 0);
}

TEST_F(ComboFixture, WhileDroppedEnterAndEscapeCloseTheListNotTheDialog) {
  const HWND combo = Combo();
  Fill(combo, 12);
  SetFocus(combo);
  SendMessage(combo, CB_SHOWDROPDOWN, TRUE, 0);
  Keys({VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN});
  Run();
  EXPECT_EQ(Selected(combo), 6);
  // Scrolled just enough to keep the chosen entry in its bottom row.
  const DumpObject state = ListState(combo);
  EXPECT_EQ(*state.Find("firstShown")->AsInteger() + *state.Find("rows")->AsInteger() - 1, 6);
  Keys({VK_RETURN});
  Run();
  EXPECT_FALSE(Dropped(combo));
  EXPECT_EQ(Count(9, CBN_SELENDOK), 1);
  SendMessage(combo, CB_SHOWDROPDOWN, TRUE, 0);
  Keys({VK_ESCAPE});
  Run();
  EXPECT_FALSE(Dropped(combo));
  EXPECT_EQ(recorder->Count(WM_COMMAND), int(Notifications(9).size()));  // no IDOK, no IDCANCEL

  // Closed, they are the dialog's again.
  Keys({VK_RETURN, VK_ESCAPE});
  Run();
  EXPECT_EQ(Notifications(IDOK).size(), 1u);
  EXPECT_EQ(Notifications(IDCANCEL).size(), 1u);
}

TEST_F(ComboFixture, TheListKeepsTheChosenEntryInViewAndScrollsByItsBar) {
  const HWND combo = Combo();
  Fill(combo, 20);
  SendMessage(combo, CB_SETCURSEL, 15, 0);
  SendMessage(combo, CB_SHOWDROPDOWN, TRUE, 0);
  const HWND list = ListWindow(combo);
  ASSERT_NE(list, nullptr);
  TapList(combo, 4);  // the bottom row shows the chosen entry
  Run();
  EXPECT_EQ(Selected(combo), 15);
  EXPECT_EQ(Count(9, CBN_SELENDOK), 1);

  SendMessage(combo, CB_SHOWDROPDOWN, TRUE, 0);
  const HWND again = ListWindow(combo);
  ASSERT_NE(again, nullptr);
  RECT client;
  GetClientRect(again, &client);
  TapIn(again, {client.right - 3, client.bottom - 3});  // the bar's down arrow
  Run();
  TapList(combo, 4);
  Run();
  EXPECT_EQ(Selected(combo), 16);
}

TEST_F(ComboFixture, TheListDropsAboveWhenThereIsNoRoomBelowAndGoesWithTheFocus) {
  const HWND combo = Combo(0, 290);
  const HWND other = Create(u"Button", u"B", WS_TABSTOP, {0, 0, 20, 20}, 5);
  Fill(combo, 8);
  SetFocus(combo);
  SendMessage(combo, CB_SHOWDROPDOWN, TRUE, 0);
  RECT field;
  RECT list;
  GetWindowRect(combo, &field);
  SendMessage(combo, CB_GETDROPPEDCONTROLRECT, 0, LParamFromPointer(&list));
  EXPECT_EQ(list.bottom, field.top);
  EXPECT_GE(list.top, 0);
  SetFocus(other);
  EXPECT_FALSE(Dropped(combo));
  SendMessage(combo, CB_SHOWDROPDOWN, TRUE, 0);
  EnableWindow(combo, FALSE);
  EXPECT_FALSE(Dropped(combo));
  SendMessage(combo, CB_SHOWDROPDOWN, TRUE, 0);  // a disabled list stays closed
  EXPECT_FALSE(Dropped(combo));

  EnableWindow(combo, TRUE);
  SendMessage(combo, CB_SHOWDROPDOWN, TRUE, 0);
  const HWND dropped = ListWindow(combo);
  ASSERT_TRUE(IsWindow(dropped));
  DestroyWindow(combo);
  EXPECT_FALSE(IsWindow(dropped));
}

}  // namespace
