#include <gtest/gtest.h>

#include <atomic>

#include "platform/windows/MessageApi.h"
#include "platform/windows/SystemApi.h"
#include "platform/windows/WindowApi.h"
#include "tests/platform/windows/RecordingWindow.h"
#include "tests/platform/windows/TestDesktop.h"

namespace {

HWND CreateTopLevel(Desktop& desktop, std::shared_ptr<RecordingWindow> recorder, RECT rect = {0, 0, 240, 320}) {
  WindowCreation creation;
  creation.className = u"Recording";
  creation.style = WS_POPUP | WS_VISIBLE;
  creation.rect = rect;
  return desktop.CreateWindow(creation, nullptr, std::move(recorder));
}

std::atomic<HWND> threadTarget{nullptr};

DWORD PostFromThread(void*) {
  for (WPARAM i = 0; i < 3; ++i) PostMessage(threadTarget.load(), WM_COMMAND, 1015 + i, 0);
  return 0;
}

TEST(MessageQueue, MessagesPostedFromAnotherThreadArriveInOrderAndCountAsBackgroundWork) {
  TestDesktop test;
  auto recorder = std::make_shared<RecordingWindow>();
  threadTarget = CreateTopLevel(test.desktop, recorder);
  ASSERT_NE(CreateThread(nullptr, 0, PostFromThread, nullptr, 0, nullptr), nullptr);
  // The test's only step would end the run; the loop must wait for the
  // thread instead of playing it while the thread still works.
  test.RunUntilIdle();
  const auto commands = recorder->Of(WM_COMMAND);
  ASSERT_EQ(commands.size(), 3u);
  for (WPARAM i = 0; i < 3; ++i) EXPECT_EQ(commands[i].wParam, 1015 + i);
  EXPECT_FALSE(test.desktop.Queue().BackgroundWorkPending());
}

TEST(MessageQueue, PostsToDestroyedWindowsAreDroppedAndRefusedOnTheWindowThread) {
  TestDesktop test;
  auto recorder = std::make_shared<RecordingWindow>();
  const HWND window = CreateTopLevel(test.desktop, recorder);
  EXPECT_TRUE(PostMessage(window, WM_COMMAND, 7, 0));
  DestroyWindow(window);
  EXPECT_FALSE(PostMessage(window, WM_COMMAND, 8, 0));
  test.RunUntilIdle();
  EXPECT_EQ(recorder->Count(WM_COMMAND), 0);
}

TEST(MessageQueue, PostedMessagesComeBeforeInputAndInputBeforePaint) {
  TestDesktop test;
  auto recorder = std::make_shared<RecordingWindow>();
  const HWND window = CreateTopLevel(test.desktop, recorder);
  test.RunUntilIdle();
  recorder->messages.clear();
  test.Then([window](Desktop& d) {
    InvalidateRect(window, nullptr, FALSE);
    d.Input().KeyDown(VK_SPACE);
    PostMessage(window, WM_COMMAND, 1, 0);
  });
  test.RunUntilIdle();
  std::vector<UINT> order;
  for (const auto& m : recorder->messages)
    if (m.message == WM_COMMAND || m.message == WM_KEYDOWN || m.message == WM_PAINT) order.push_back(m.message);
  EXPECT_EQ(order, (std::vector<UINT>{WM_COMMAND, WM_KEYDOWN, WM_PAINT}));
}

TEST(MessageQueue, ATimerComesAfterEverythingElseFiresOnceWhenBehindAndStopsWhenKilled) {
  TestDesktop test;
  auto recorder = std::make_shared<RecordingWindow>();
  const HWND window = CreateTopLevel(test.desktop, recorder);
  test.RunUntilIdle();
  recorder->messages.clear();
  EXPECT_EQ(SetTimer(window, 5, 1000), 5u);
  EXPECT_EQ(SetTimer(nullptr, 5, 1000), 0u);
  test.Then([&test, window](Desktop&) {
    test.clock.Advance(3500);
    InvalidateRect(window, nullptr, FALSE);
    PostMessage(window, WM_COMMAND, 1, 0);
  });
  test.RunUntilIdle();
  std::vector<UINT> order;
  for (const auto& m : recorder->messages)
    if (m.message == WM_COMMAND || m.message == WM_PAINT || m.message == WM_TIMER) order.push_back(m.message);
  EXPECT_EQ(order, (std::vector<UINT>{WM_COMMAND, WM_PAINT, WM_TIMER}));
  EXPECT_EQ(recorder->Of(WM_TIMER).at(0).wParam, 5u);

  EXPECT_TRUE(KillTimer(window, 5));
  EXPECT_FALSE(KillTimer(window, 5));
  test.Then([&test](Desktop&) { test.clock.Advance(5000); });
  test.RunUntilIdle();
  EXPECT_EQ(recorder->Count(WM_TIMER), 1);
}

TEST(MessageQueue, QuitEndsEveryLoopForGood) {
  TestDesktop test;
  PostQuitMessage(3);
  MSG message;
  EXPECT_FALSE(GetMessage(&message, nullptr, 0, 0));
  EXPECT_EQ(message.message, WM_QUIT);
  EXPECT_EQ(message.wParam, 3u);
  EXPECT_FALSE(GetMessage(&message, nullptr, 0, 0));
}

TEST(Painting, TwoInvalidationsGiveOnePaintOfTheirUnion) {
  TestDesktop test;
  auto recorder = std::make_shared<RecordingWindow>();
  const HWND window = CreateTopLevel(test.desktop, recorder);
  test.RunUntilIdle();
  ASSERT_EQ(recorder->Count(WM_PAINT), 1);
  const RECT a{10, 10, 20, 20};
  const RECT b{30, 5, 40, 15};
  InvalidateRect(window, &a, FALSE);
  InvalidateRect(window, &b, FALSE);
  test.RunUntilIdle();
  EXPECT_EQ(recorder->Count(WM_PAINT), 2);
  EXPECT_EQ(recorder->lastPaint, (RECT{10, 5, 40, 20}));
  test.RunUntilIdle();
  EXPECT_EQ(recorder->Count(WM_PAINT), 2);
}

TEST(Painting, MovingAWindowToWhereItIsRepaintsNothing) {
  TestDesktop test;
  auto recorder = std::make_shared<RecordingWindow>();
  const HWND window = CreateTopLevel(test.desktop, recorder);
  test.RunUntilIdle();
  MoveWindow(window, 0, 0, 240, 320, TRUE);
  test.RunUntilIdle();
  EXPECT_EQ(recorder->Count(WM_PAINT), 1);
  MoveWindow(window, 0, 0, 240, 300, TRUE);
  test.RunUntilIdle();
  EXPECT_EQ(recorder->Count(WM_PAINT), 2);
}

TEST(Painting, AWindowDrawingOutsideItsPaintNeverCoversTheWindowAboveIt) {
  TestDesktop test;
  auto lower = std::make_shared<RecordingWindow>();
  lower->fill = RGB(255, 0, 0);
  auto upper = std::make_shared<RecordingWindow>();
  upper->fill = RGB(0, 0, 255);
  const HWND lowerWindow = CreateTopLevel(test.desktop, lower);
  CreateTopLevel(test.desktop, upper, {40, 40, 100, 100});
  test.RunUntilIdle();
  {
    WindowDC dc(lowerWindow);
    const RECT all{0, 0, 240, 320};
    dc.FillSolidRect(&all, RGB(0, 255, 0));
  }
  const Surface& screen = test.desktop.Screen().Compose();
  EXPECT_EQ(screen.GetPixel(50, 50), RGB(0, 0, 255));
  EXPECT_EQ(screen.GetPixel(10, 10), RGB(0, 255, 0));
}

TEST(Painting, AChildsContextIsClippedToItsParent) {
  TestDesktop test;
  auto parent = std::make_shared<RecordingWindow>();
  const HWND top = CreateTopLevel(test.desktop, parent, {0, 0, 100, 100});
  WindowCreation child;
  child.className = u"Recording";
  child.style = WS_CHILD | WS_VISIBLE;
  child.rect = {80, 80, 160, 160};
  child.parent = top;
  const HWND inner = test.desktop.CreateWindow(child, nullptr, std::make_shared<RecordingWindow>());
  test.RunUntilIdle();
  EXPECT_EQ(test.desktop.Screen().VisibleClientArea(inner), (RECT{0, 0, 20, 20}));
}

}  // namespace
