#include <gtest/gtest.h>

#include <thread>

#include "platform/menus/MenuApi.h"
#include "platform/menus/MenuWindow.h"
#include "platform/windows/MessageApi.h"
#include "tests/platform/menus/TestMenus.h"
#include "tests/platform/menus/OpenMenuDump.h"
#include "tests/platform/windows/RecordingWindow.h"
#include "tests/platform/windows/TestDesktop.h"

namespace {

POINT CentreOf(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

struct MenuTracking : ::testing::Test {
  explicit MenuTracking(DeviceProfile profile = TestDesktop::DefaultProfile()) : test(std::move(profile)) {
    owner = test.desktop.CreateWindow(OwnerCreation(), nullptr, recorder);
    menu.LoadMenuIndirect(&kTestMenu);
    popup = menu.GetSubMenu(0);
  }

  WindowCreation OwnerCreation() const {
    WindowCreation creation;
    creation.className = u"Owner";
    creation.style = WS_POPUP | WS_VISIBLE;
    creation.rect = {0, 0, test.desktop.Profile().width, test.desktop.Profile().height};
    return creation;
  }

  // Tracks the menu at the point with the steps queued so far, then lets the
  // posted command arrive. Answers the commands the owner received.
  std::vector<UINT> Track(POINT at = {20, 30}, UINT flags = 0) {
    trackResult = popup->TrackPopupMenuEx(flags, at.x, at.y, owner);
    commandsWhileOpen = recorder->Count(WM_COMMAND);
    test.RunUntilIdle();
    std::vector<UINT> commands;
    for (const RecordedMessage& m : recorder->Of(WM_COMMAND)) {
      EXPECT_EQ(m.lParam, 0);
      commands.push_back(LOWORD(m.wParam));
    }
    EXPECT_TRUE(OpenMenus(test.desktop).empty());
    return commands;
  }

  // A step that looks at the open menus.
  void Look(std::function<void(const std::vector<DumpObject>&)> check) {
    test.Then([this, check](Desktop& d) {
      looked = true;
      check(OpenMenus(d));
    });
  }
  // A step that taps the centre of an item of the open menu at `level`.
  void TapItem(std::size_t level, std::size_t item) {
    test.Then([level, item](Desktop& d) {
      const POINT p = CentreOf(RectOf(*ItemOf(OpenMenus(d).at(level), item).Find("rect")));
      d.Input().StylusDown(p);
      d.Input().StylusUp(p);
    });
  }
  void Tap(POINT p) { test.Tap(p); }

  TestDesktop test;
  std::shared_ptr<RecordingWindow> recorder = std::make_shared<RecordingWindow>();
  HWND owner = nullptr;
  CMenu menu;
  CMenu* popup = nullptr;
  BOOL trackResult = FALSE;
  int commandsWhileOpen = 0;
  bool looked = false;
};

TEST_F(MenuTracking, OpensAtThePointAsAMenuWindowThatTheDumpDescribes) {
  Look([](const std::vector<DumpObject>& menus) {
    ASSERT_EQ(menus.size(), 1u);
    const DumpObject& open = menus[0];
    const RECT rect = RectOf(*open.Find("rect"));
    EXPECT_EQ(rect.left, 20);
    EXPECT_EQ(rect.top, 30);
    EXPECT_EQ(*open.Find("id")->AsInteger(), 0);
    const DumpObject& red = ItemOf(open, 0);
    EXPECT_EQ(*red.Find("id")->AsInteger(), kRed);
    EXPECT_EQ(*red.Find("text")->AsString(), "&Red screen mode");
    EXPECT_TRUE(*red.Find("checked")->AsBool());
    EXPECT_FALSE(*red.Find("grayed")->AsBool());
    const RECT redRect = RectOf(*red.Find("rect"));
    EXPECT_GT(redRect.left, rect.left);
    EXPECT_GE(redRect.Height(), 14);  // still a row the stylus can hit
    EXPECT_TRUE(*ItemOf(open, 2).Find("separator")->AsBool());
    EXPECT_EQ(ItemOf(open, 2).Members().size(), 1u);
    const DumpObject& selected = ItemOf(open, kSelectedItem);
    const DumpArray& nested = *selected.Find("items")->AsArray();
    ASSERT_EQ(nested.size(), 2u);
    EXPECT_TRUE(*nested[0].AsObject()->Find("grayed")->AsBool());
    EXPECT_EQ(nested[0].AsObject()->Find("rect"), nullptr);
  });
  test.Key(VK_ESCAPE);
  EXPECT_TRUE(Track().empty());
  EXPECT_TRUE(looked);
  EXPECT_TRUE(trackResult);
}

TEST_F(MenuTracking, AnAccessKeyChoosesItsItemAndTheOwnerGetsTheCommandAfterTheMenuHasGone) {
  test.Key('S');
  EXPECT_EQ(Track(), std::vector<UINT>{kSearch});
  EXPECT_EQ(commandsWhileOpen, 0);
  EXPECT_TRUE(trackResult);
  EXPECT_EQ(GetActiveWindow(), owner);
}

TEST_F(MenuTracking, ArrowsMoveOverSeparatorsAndWrapAndEnterChooses) {
  test.Key(VK_DOWN);  // the first item
  test.Key(VK_DOWN);
  test.Key(VK_DOWN);  // over the separator to the sub-menu item
  Look([](const std::vector<DumpObject>& menus) {
    EXPECT_TRUE(*ItemOf(menus[0], kMagnitudeItem).Find("highlighted")->AsBool());
    EXPECT_FALSE(*ItemOf(menus[0], 0).Find("highlighted")->AsBool());
  });
  test.Key(VK_UP);
  test.Key(VK_UP);
  test.Key(VK_UP);  // wraps to the last item
  test.Key(VK_RETURN);
  EXPECT_EQ(Track(), std::vector<UINT>{kExit});
  EXPECT_TRUE(looked);
}

TEST_F(MenuTracking, UpFromNothingHighlightsTheLastItem) {
  test.Key(VK_UP);
  test.Key(VK_UP);
  test.Key(VK_RETURN);
  EXPECT_EQ(Track(), std::vector<UINT>{kSearch});
}

TEST_F(MenuTracking, ATapChoosesTheItemUnderTheStylus) {
  TapItem(0, 5);
  EXPECT_EQ(Track(), std::vector<UINT>{kReset});
}

TEST_F(MenuTracking, GreyedItemsRefuseKeysTapsAndEnterAlike) {
  popup->EnableMenuItem(kRed, MF_BYCOMMAND | MF_GRAYED);
  test.Key('R');           // greyed: highlighted, not chosen
  test.Key(VK_RETURN);     // still refused
  TapItem(0, 0);           // refused as well
  Look([](const std::vector<DumpObject>& menus) {
    ASSERT_EQ(menus.size(), 1u);
    EXPECT_TRUE(*ItemOf(menus[0], 0).Find("grayed")->AsBool());
    EXPECT_TRUE(*ItemOf(menus[0], 0).Find("highlighted")->AsBool());
  });
  test.Key('L');           // "Se&lected object"
  test.Key('S');           // its "&Show info" is greyed
  test.Key(VK_RETURN);
  Look([](const std::vector<DumpObject>& menus) { EXPECT_EQ(menus.size(), 2u); });
  test.Key(VK_ESCAPE);
  test.Key(VK_ESCAPE);
  EXPECT_TRUE(Track().empty());
  EXPECT_TRUE(looked);
}

TEST_F(MenuTracking, AGreyedSubMenuNeverOpens) {
  popup->EnableMenuItem(kMagnitudeItem, MF_BYPOSITION | MF_GRAYED);
  test.Key('X');
  test.Key(VK_RIGHT);
  TapItem(0, kMagnitudeItem);
  Look([](const std::vector<DumpObject>& menus) { EXPECT_EQ(menus.size(), 1u); });
  test.Key(VK_ESCAPE);
  EXPECT_TRUE(Track().empty());
  EXPECT_TRUE(looked);
}

TEST_F(MenuTracking, SubMenusOpenBesideTheirItemAndNestByKeys) {
  test.Key('X');  // "Ma&ximum magnitude" opens with its first item highlighted
  Look([](const std::vector<DumpObject>& menus) {
    ASSERT_EQ(menus.size(), 2u);
    const RECT parent = RectOf(*menus[0].Find("rect"));
    const RECT item = RectOf(*ItemOf(menus[0], kMagnitudeItem).Find("rect"));
    const RECT sub = RectOf(*menus[1].Find("rect"));
    EXPECT_EQ(sub.left, parent.right - 1);
    EXPECT_EQ(sub.top, item.top - 1);
    EXPECT_TRUE(*ItemOf(menus[1], 0).Find("highlighted")->AsBool());
  });
  test.Key(VK_UP);     // the "&More" sub-menu item
  test.Key(VK_RIGHT);  // opens the third level
  Look([](const std::vector<DumpObject>& menus) {
    ASSERT_EQ(menus.size(), 3u);
    EXPECT_EQ(*ItemOf(menus[2], 0).Find("id")->AsInteger(), kDeep);
  });
  test.Key(VK_LEFT);  // back to the second level
  Look([](const std::vector<DumpObject>& menus) { EXPECT_EQ(menus.size(), 2u); });
  test.Key('M');
  test.Key('D');
  EXPECT_EQ(Track({0, 30}), std::vector<UINT>{kDeep});
  EXPECT_TRUE(looked);
}

TEST_F(MenuTracking, EscapeClosesOneLevelAtATimeAndSendsNothing) {
  test.Key('X');
  test.Key(VK_ESCAPE);
  Look([](const std::vector<DumpObject>& menus) { EXPECT_EQ(menus.size(), 1u); });
  test.Key(VK_LEFT);  // nothing to close on the top level
  Look([](const std::vector<DumpObject>& menus) { EXPECT_EQ(menus.size(), 1u); });
  test.Key(VK_ESCAPE);
  EXPECT_TRUE(Track().empty());
  EXPECT_TRUE(trackResult);
  EXPECT_EQ(recorder->Count(WM_KEYDOWN), 0);
}

TEST_F(MenuTracking, TapsOpenSubMenusAndChooseInThem) {
  TapItem(0, kSelectedItem);
  Look([](const std::vector<DumpObject>& menus) { ASSERT_EQ(menus.size(), 2u); });
  TapItem(1, 1);
  EXPECT_EQ(Track(), std::vector<UINT>{kCenter});
}

TEST_F(MenuTracking, DraggingFollowsTheStylusAndLiftingChooses) {
  test.Then([](Desktop& d) {
    const std::vector<DumpObject> menus = OpenMenus(d);
    d.Input().StylusDown(CentreOf(RectOf(*ItemOf(menus[0], 0).Find("rect"))));
    d.Input().StylusMove(CentreOf(RectOf(*ItemOf(menus[0], 1).Find("rect"))));
  });
  Look([](const std::vector<DumpObject>& menus) {
    EXPECT_TRUE(*ItemOf(menus[0], 1).Find("highlighted")->AsBool());
  });
  test.Then([](Desktop& d) {
    d.Input().StylusUp(CentreOf(RectOf(*ItemOf(OpenMenus(d)[0], 1).Find("rect"))));
  });
  EXPECT_EQ(Track(), std::vector<UINT>{kLines});
}

TEST_F(MenuTracking, ATapOutsideClosesTheMenuWithoutReachingTheWindowBelow) {
  Tap({230, 5});
  EXPECT_TRUE(Track().empty());
  EXPECT_EQ(recorder->Count(WM_LBUTTONDOWN), 0);
}

TEST_F(MenuTracking, LiftingTheStylusThatOpenedTheMenuChoosesNothing) {
  test.Then([](Desktop& d) { d.Input().StylusUp({25, 35}); });
  Look([](const std::vector<DumpObject>& menus) { EXPECT_EQ(menus.size(), 1u); });
  test.Key(VK_ESCAPE);
  EXPECT_TRUE(Track().empty());
  EXPECT_TRUE(looked);
}

TEST_F(MenuTracking, NearTheScreensCornerTheMenuAndItsSubMenuStayOnTheScreen) {
  test.Key('X');
  Look([](const std::vector<DumpObject>& menus) {
    ASSERT_EQ(menus.size(), 2u);
    for (const DumpObject& open : menus) {
      const RECT rect = RectOf(*open.Find("rect"));
      EXPECT_GE(rect.left, 0);
      EXPECT_GE(rect.top, 0);
      EXPECT_LE(rect.right, 240);
      EXPECT_LE(rect.bottom, 320);
    }
    // No room on the right: the sub-menu opens on the left of the menu.
    EXPECT_LE(RectOf(*menus[1].Find("rect")).right, RectOf(*menus[0].Find("rect")).left + 1);
  });
  test.Key(VK_ESCAPE);
  test.Key(VK_ESCAPE);
  Track({235, 310});
  EXPECT_TRUE(looked);
}

TEST_F(MenuTracking, ReturnCmdAnswersTheChoiceInsteadOfPostingIt) {
  test.Key('E');
  EXPECT_TRUE(Track({20, 30}, TPM_RETURNCMD).empty());
  EXPECT_EQ(UINT(trackResult), kExit);
  test.Key(VK_ESCAPE);
  Track({20, 30}, TPM_RETURNCMD);
  EXPECT_EQ(trackResult, 0);
}

TEST_F(MenuTracking, PostedMessagesStillArriveWhileTheMenuIsOpen) {
  test.Then([this](Desktop&) {
    std::thread([this] { PostMessage(owner, WM_COMMAND, 1015, 0); }).join();
  });
  Look([this](const std::vector<DumpObject>& menus) {
    EXPECT_EQ(menus.size(), 1u);
    EXPECT_EQ(recorder->Count(WM_COMMAND), 1);
  });
  test.Key(VK_ESCAPE);
  EXPECT_EQ(Track(), std::vector<UINT>{1015});
  EXPECT_TRUE(looked);
}

TEST_F(MenuTracking, TheMenuClosesWhenItsOwnerGoes) {
  test.Then([this](Desktop& d) { d.DestroyWindow(owner); });
  trackResult = popup->TrackPopupMenuEx(0, 20, 30, owner);
  EXPECT_TRUE(trackResult);
  EXPECT_TRUE(OpenMenus(test.desktop).empty());
  EXPECT_EQ(test.backend.Remaining(), 0u);
}

TEST_F(MenuTracking, OnlyOneMenuIsOpenAtATimeAndAMissingOwnerOrEmptyMenuOpensNone) {
  BOOL nested = TRUE;
  test.Then([&](Desktop&) { nested = popup->TrackPopupMenuEx(0, 0, 0, owner); });
  test.Key(VK_ESCAPE);
  Track();
  EXPECT_FALSE(nested);
  EXPECT_FALSE(popup->TrackPopupMenuEx(0, 0, 0, static_cast<HWND>(nullptr)));
  CMenu empty;
  empty.CreatePopupMenu();
  EXPECT_FALSE(empty.TrackPopupMenuEx(0, 0, 0, owner));
}

TEST_F(MenuTracking, AQuittingProgramClosesTheMenuWithoutAChoice) {
  test.Then([](Desktop& d) { d.Quit(0); });
  EXPECT_TRUE(popup->TrackPopupMenuEx(0, 20, 30, owner));
  EXPECT_EQ(recorder->Count(WM_COMMAND), 0);
  EXPECT_FALSE(popup->TrackPopupMenuEx(0, 20, 30, owner));
}

TEST_F(MenuTracking, TheOwnersFocusComesBackWhenTheMenuCloses) {
  SetFocus(owner);
  HWND focusWhileOpen = nullptr;
  test.Then([&](Desktop&) { focusWhileOpen = GetFocus(); });
  test.Key(VK_ESCAPE);
  Track();
  EXPECT_NE(focusWhileOpen, owner);
  EXPECT_EQ(GetFocus(), owner);
}

}  // namespace
