#include <gtest/gtest.h>

#include "platform/windows/MessageApi.h"
#include "platform/windows/SystemApi.h"
#include "tests/platform/windows/RecordingWindow.h"
#include "tests/platform/windows/TestDesktop.h"

namespace {

// A key handler that remembers whether its key was still down when it ran.
class KeyWatcher : public RecordingWindow {
 public:
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_KEYDOWN) heldWhenHandled.push_back((GetAsyncKeyState(int(wParam)) & 0x8000) != 0);
    return RecordingWindow::HandleMessage(window, message, wParam, lParam);
  }
  std::vector<bool> heldWhenHandled;
};

struct InputFixture : ::testing::Test {
  InputFixture() {
    RegisterRecordingClass(test.desktop, created, true);
    top = CreateWindowEx(0, u"Recording", u"", WS_POPUP | WS_VISIBLE, 0, 0, 240, 320, nullptr, 0, nullptr,
                         nullptr);
    child = CreateWindowEx(0, u"Recording", u"", WS_CHILD | WS_VISIBLE, 20, 30, 50, 40, top, 7, nullptr, nullptr);
  }
  KeyWatcher& Top() { return *created[0]; }
  KeyWatcher& Child() { return *created[1]; }

  TestDesktop test;
  std::vector<std::shared_ptr<KeyWatcher>> created;
  HWND top = nullptr;
  HWND child = nullptr;
};

TEST_F(InputFixture, ATapReachesTheDeepestWindowInItsClientCoordinates) {
  test.Tap({25, 35});
  test.Tap({100, 200});
  test.RunUntilIdle();
  const auto childDowns = Child().Of(WM_LBUTTONDOWN);
  ASSERT_EQ(childDowns.size(), 1u);
  EXPECT_EQ(PointFromLParam(childDowns[0].lParam), (POINT{5, 5}));
  EXPECT_EQ(Child().Count(WM_LBUTTONUP), 1);
  const auto topDowns = Top().Of(WM_LBUTTONDOWN);
  ASSERT_EQ(topDowns.size(), 1u);
  EXPECT_EQ(PointFromLParam(topDowns[0].lParam), (POINT{100, 200}));
}

TEST_F(InputFixture, ADisabledWindowGetsNoTaps) {
  EnableWindow(child, FALSE);
  test.Tap({25, 35});
  test.RunUntilIdle();
  EXPECT_EQ(Child().Count(WM_LBUTTONDOWN), 0);
  EXPECT_EQ(Top().Count(WM_LBUTTONDOWN), 0);
}

TEST_F(InputFixture, TheCapturingWindowGetsTheStylusWhereverItIs) {
  test.Then([this](Desktop& d) {
    SetCapture(child);
    d.Input().StylusDown({200, 300});
    d.Input().StylusUp({200, 300});
  });
  test.RunUntilIdle();
  ASSERT_EQ(Child().Count(WM_LBUTTONUP), 1);
  EXPECT_EQ(PointFromLParam(Child().Of(WM_LBUTTONUP)[0].lParam), (POINT{180, 270}));
}

TEST_F(InputFixture, TwoQuickTapsMakeADoubleTapUnlessTimePassesBetweenThem) {
  test.Tap({100, 100});
  test.Tap({101, 102});
  test.Tap({100, 100});
  test.Sleep(kDoubleTapMilliseconds + 1);
  test.Tap({100, 100});
  test.RunUntilIdle();
  std::vector<UINT> downs;
  for (const auto& m : Top().messages)
    if (m.message == WM_LBUTTONDOWN || m.message == WM_LBUTTONDBLCLK) downs.push_back(m.message);
  EXPECT_EQ(downs, (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_LBUTTONDOWN, WM_LBUTTONDOWN}));
}

TEST_F(InputFixture, KeysGoToTheFocusAndTheirStateIsTheStateWhenAsked) {
  SetFocus(child);
  test.Then([](Desktop& d) { d.Input().KeyDown('6'); });  // still held when handled
  test.Then([](Desktop& d) {
    d.Input().KeyUp('6');
    d.Input().KeyDown('4');
    d.Input().KeyUp('4');  // let go before the message is handled
  });
  test.RunUntilIdle();
  EXPECT_EQ(Child().heldWhenHandled, (std::vector<bool>{true, false}));
  EXPECT_EQ(Top().Count(WM_KEYDOWN), 0);
}

TEST_F(InputFixture, WithoutFocusKeysGoToTheActiveWindow) {
  SetFocus(nullptr);
  test.Key(VK_SPACE);
  test.RunUntilIdle();
  EXPECT_EQ(Top().Count(WM_KEYDOWN), 1);
}

TEST_F(InputFixture, TranslatedControlKeysAddTheirCharacter) {
  SetFocus(child);
  test.Key(VK_BACK);
  test.Key('A');
  test.Then([](Desktop& d) { d.Input().Character(u'x'); });
  MSG message;
  test.backend.Add([](Desktop& d) { d.Post(nullptr, TestDesktop::kStopMessage, 0, 0); });
  while (GetMessage(&message, nullptr, 0, 0) && message.message != TestDesktop::kStopMessage) {
    TranslateMessage(&message);
    DispatchMessage(&message);
  }
  std::vector<WPARAM> characters;
  for (const auto& m : Child().Of(WM_CHAR)) characters.push_back(m.wParam);
  EXPECT_EQ(characters, (std::vector<WPARAM>{u'\b', u'x'}));
}

TEST_F(InputFixture, ACharacterGoesOnlyToTheWindowFocusedWhenItWasTyped) {
  // As with a menu key: the key's handler moves the focus before the
  // character that came with it is taken.
  SetFocus(top);
  test.Then([this](Desktop& d) {
    d.Input().Character(u's');
    SetFocus(child);
    d.Input().Character(u'V');
  });
  test.RunUntilIdle();
  EXPECT_EQ(Top().Count(WM_CHAR), 0);
  ASSERT_EQ(Child().Count(WM_CHAR), 1);
  EXPECT_EQ(Child().Of(WM_CHAR)[0].wParam, WPARAM(u'V'));
}

TEST_F(InputFixture, TheWheelReachesTheTopLevelWindowUnderThePointerWithItsNotches) {
  test.Then([](Desktop& d) {
    d.Input().Wheel({25, 35}, 2);   // over the child
    d.Input().Wheel({100, 200}, -1);
    d.Input().Wheel({100, 200}, 0);  // no turn, no message
    d.Input().Wheel({100, 200}, -100000);
  });
  test.RunUntilIdle();
  EXPECT_EQ(Child().Count(WM_MOUSEWHEEL), 0);
  const auto wheels = Top().Of(WM_MOUSEWHEEL);
  ASSERT_EQ(wheels.size(), 3u);
  EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(wheels[0].wParam), 2 * WHEEL_DELTA);
  EXPECT_EQ(PointFromLParam(wheels[0].lParam), (POINT{25, 35}));
  EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(wheels[1].wParam), -WHEEL_DELTA);
  // A huge turn is cut to what the message's 16 bits carry, keeping its sign.
  EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(wheels[2].wParam), -kMaxNotchesPerMessage * WHEEL_DELTA);
}

TEST_F(InputFixture, DestroyingAWindowDestroysItsChildrenParentFirstAndFreesTheFocus) {
  SetFocus(child);
  DestroyWindow(top);
  EXPECT_FALSE(IsWindow(child));
  EXPECT_EQ(GetFocus(), nullptr);
  EXPECT_EQ(Top().Count(WM_DESTROY), 1);
  EXPECT_EQ(Child().Count(WM_DESTROY), 1);
  EXPECT_EQ(Child().messages.back().message, WM_NCDESTROY);
}

}  // namespace
