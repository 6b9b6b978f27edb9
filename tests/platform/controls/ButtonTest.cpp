#include <gtest/gtest.h>

#include "platform/windows/SystemApi.h"
#include "tests/platform/controls/ControlTestSupport.h"

namespace {

using ButtonFixture = ControlsFixture;

TEST_F(ButtonFixture, ATapClicksOnlyWhenItStartsAndEndsOnTheButton) {
  const HWND push = Create(u"Button", u"Go", WS_TABSTOP, {10, 10, 60, 30}, 7);
  TapIn(push, {5, 5});
  // Down on the button, slid off and lifted elsewhere: a change of mind.
  test.Then([push](Desktop& d) {
    POINT on{5, 5};
    POINT off{5, 60};
    ClientToScreen(push, &on);
    ClientToScreen(push, &off);
    d.Input().StylusDown(on);
    d.Input().StylusMove(off);
    d.Input().StylusUp(off);
  });
  Run();
  EXPECT_EQ(Count(7, BN_CLICKED), 1);
  EXPECT_EQ(GetFocus(), push);
  EXPECT_EQ(SendMessage(push, BM_GETSTATE, 0, 0), BST_FOCUS);  // not left pushed in

  EnableWindow(push, FALSE);
  TapIn(push, {5, 5});
  Run();
  EXPECT_EQ(Count(7, BN_CLICKED), 1);
}

TEST_F(ButtonFixture, SpaceAndBmClickPressTheButtonButAGroupBoxNever) {
  const HWND push = Create(u"Button", u"Go", WS_TABSTOP, {10, 10, 60, 30}, 7);
  const HWND group = Create(u"Button", u"Group", BS_GROUPBOX, {0, 40, 100, 100}, 8);
  SetFocus(push);
  test.Then([](Desktop& d) { d.Input().KeyDown(VK_SPACE); });
  Run();
  // Held down: pushed in, not yet clicked.
  EXPECT_EQ(SendMessage(push, BM_GETSTATE, 0, 0) & BST_PUSHED, BST_PUSHED);
  EXPECT_EQ(Count(7, BN_CLICKED), 0);
  test.Then([](Desktop& d) { d.Input().KeyUp(VK_SPACE); });
  Run();
  EXPECT_EQ(Count(7, BN_CLICKED), 1);
  SendMessage(push, BM_CLICK, 0, 0);
  EXPECT_EQ(Count(7, BN_CLICKED), 2);

  SendMessage(group, BM_CLICK, 0, 0);
  TapIn(group, {50, 30});
  Run();
  EXPECT_TRUE(Notifications(8).empty());
  EXPECT_EQ(GetFocus(), push);
}

TEST_F(ButtonFixture, CheckBoxesTickByTapAndSpaceOnlyWhenAutomatic) {
  const HWND automatic = Create(u"Button", u"Match case", BS_AUTOCHECKBOX | WS_TABSTOP, {10, 10, 120, 26}, 3);
  const HWND manual = Create(u"Button", u"Manual", BS_CHECKBOX | WS_TABSTOP, {10, 30, 120, 46}, 4);
  TapIn(automatic, {4, 8});
  TapIn(manual, {4, 8});
  Run();
  EXPECT_EQ(SendMessage(automatic, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessage(manual, BM_GETCHECK, 0, 0), BST_UNCHECKED);  // its program ticks it
  EXPECT_EQ(Count(4, BN_CLICKED), 1);

  SetFocus(automatic);
  Keys({VK_SPACE});
  Run();
  EXPECT_EQ(SendMessage(automatic, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(Count(3, BN_CLICKED), 2);

  // Any state but BST_CHECKED unticks; the push button has no check state.
  SendMessage(manual, BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_EQ(SendMessage(manual, BM_GETCHECK, 0, 0), BST_CHECKED);
  SendMessage(manual, BM_SETCHECK, 7, 0);
  EXPECT_EQ(SendMessage(manual, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  const HWND push = Create(u"Button", u"Go", 0, {10, 50, 60, 70}, 5);
  SendMessage(push, BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_EQ(SendMessage(push, BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(ButtonFixture, OwnerDrawnButtonsTellTheirParentTheirState) {
  const HWND owner = Create(u"Button", u"", BS_OWNERDRAW | WS_TABSTOP, {10, 10, 40, 40}, 6);
  UpdateWindow(owner);
  ASSERT_FALSE(recorder->drawnStates.empty());
  EXPECT_EQ(recorder->drawnStates.back(), 0u);

  SendMessage(owner, BM_SETSTATE, TRUE, 0);
  UpdateWindow(owner);
  EXPECT_EQ(recorder->drawnStates.back(), UINT(ODS_SELECTED));
  EXPECT_EQ(SendMessage(owner, BM_GETSTATE, 0, 0), BST_PUSHED);
  SendMessage(owner, BM_SETSTATE, FALSE, 0);

  SetFocus(owner);
  UpdateWindow(owner);
  EXPECT_EQ(recorder->drawnStates.back(), UINT(ODS_FOCUS));

  // Pressed by the stylus: drawn sunk while it is held, then clicked.
  test.Then([owner](Desktop& d) {
    POINT p{15, 15};
    ClientToScreen(owner, &p);
    d.Input().StylusDown(p);
  });
  Run();
  UpdateWindow(owner);
  EXPECT_EQ(recorder->drawnStates.back(), UINT(ODS_SELECTED | ODS_FOCUS));
  test.Then([owner](Desktop& d) {
    POINT p{15, 15};
    ClientToScreen(owner, &p);
    d.Input().StylusUp(p);
  });
  Run();
  UpdateWindow(owner);
  EXPECT_EQ(recorder->drawnStates.back(), UINT(ODS_FOCUS));
  EXPECT_EQ(Count(6, BN_CLICKED), 1);

  SetFocus(parent);
  EnableWindow(owner, FALSE);
  UpdateWindow(owner);
  EXPECT_EQ(recorder->drawnStates.back(), UINT(ODS_DISABLED));
}

}  // namespace
