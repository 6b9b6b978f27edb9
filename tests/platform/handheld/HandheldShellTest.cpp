#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "platform/handheld/HandheldShell.h"
#include "platform/windows/WindowApi.h"
#include "tests/platform/windows/RecordingWindow.h"
#include "tests/platform/windows/TestDesktop.h"

namespace {

namespace fs = std::filesystem;

// A child that runs tap-and-hold recognition from its stylus-down handler,
// as the skin buttons do.
class GestureWindow : public RecordingWindow {
 public:
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_LBUTTONDOWN) {
      SHRGINFO info;
      info.hwndClient = window;
      info.ptDown = PointFromLParam(lParam);
      info.dwFlags = SHRG_RETURNCMD;
      results.push_back(SHRecognizeGesture(&info));
      if (results.back() == GN_CONTEXTMENU) {
        info.dwFlags = SHRG_NOTIFYPARENT;
        SHRecognizeGesture(&info);
      }
    }
    return RecordingWindow::HandleMessage(window, message, wParam, lParam);
  }
  std::vector<DWORD> results;
};

struct GestureFixture : ::testing::Test {
  GestureFixture() {
    WindowCreation top;
    top.className = u"Parent";
    top.style = WS_POPUP | WS_VISIBLE;
    top.rect = {0, 0, 240, 320};
    parentWindow = test.desktop.CreateWindow(top, nullptr, parent);
    WindowCreation button;
    button.className = u"Gesture";
    button.style = WS_CHILD | WS_VISIBLE;
    button.rect = {100, 100, 140, 130};
    button.parent = parentWindow;
    button.controlId = 1002;
    test.desktop.CreateWindow(button, nullptr, child);
  }
  TestDesktop test;
  std::shared_ptr<RecordingWindow> parent = std::make_shared<RecordingWindow>();
  std::shared_ptr<GestureWindow> child = std::make_shared<GestureWindow>();
  HWND parentWindow = nullptr;
};

TEST_F(GestureFixture, ATapIsNoGesture) {
  test.Tap({110, 110});
  test.RunUntilIdle();
  EXPECT_EQ(child->results, (std::vector<DWORD>{0}));
  EXPECT_EQ(parent->Count(WM_NOTIFY), 0);
}

TEST_F(GestureFixture, HoldingTheStylusHalfASecondIsTapAndHoldAndTellsTheParent) {
  test.Then([](Desktop& d) { d.Input().StylusDown({110, 110}); });
  test.Sleep(kTapAndHoldMilliseconds - 1);  // while the recogniser waits
  test.Sleep(1);
  test.Then([](Desktop& d) { d.Input().StylusUp({110, 110}); });
  test.RunUntilIdle();
  EXPECT_EQ(child->results, (std::vector<DWORD>{GN_CONTEXTMENU}));
  const auto notes = parent->Of(WM_NOTIFY);
  ASSERT_EQ(notes.size(), 1u);
  EXPECT_EQ(notes[0].wParam, 1002u);
}

TEST_F(GestureFixture, MovingTheStylusAwayEndsTheGesture) {
  test.Then([](Desktop& d) { d.Input().StylusDown({110, 110}); });
  test.Then([](Desktop& d) { d.Input().StylusMove({110 + kTapAndHoldTolerance + 1, 110}); });
  test.Sleep(kTapAndHoldMilliseconds);
  test.Then([](Desktop& d) { d.Input().StylusUp({116, 110}); });
  test.RunUntilIdle();
  EXPECT_EQ(child->results, (std::vector<DWORD>{0}));
}

TEST(HandheldShell, InitDialogSizesTheDialogToTheScreen) {
  TestDesktop test;
  WindowCreation dialog;
  dialog.className = u"Dialog";
  dialog.style = WS_POPUP;
  dialog.rect = {0, 0, 100, 100};
  const HWND window = test.desktop.CreateWindow(dialog, nullptr, std::make_shared<RecordingWindow>());
  SHINITDLGINFO info{SHIDIM_FLAGS, window, SHIDIF_DONEBUTTON | SHIDIF_SIZEDLGFULLSCREEN};
  EXPECT_TRUE(SHInitDialog(&info));
  RECT rect{};
  GetWindowRect(window, &rect);
  EXPECT_EQ(rect, (RECT{0, 0, 240, 320}));
  EXPECT_TRUE(SHFullScreen(window, SHFS_HIDETASKBAR | SHFS_HIDESIPBUTTON));
  EXPECT_FALSE(SHFullScreen(nullptr, SHFS_HIDETASKBAR));
}

// A 2 x 1 pixel, 24-bit bottom-up BMP: red, then blue.
std::vector<unsigned char> TinyBmp() {
  std::vector<unsigned char> file = {'B', 'M', 62, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,
                                     40, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0, 1, 0, 24, 0,
                                     0, 0, 0, 0, 8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  const unsigned char pixels[] = {0, 0, 255, 255, 0, 0, 0, 0};
  file.insert(file.end(), std::begin(pixels), std::end(pixels));
  return file;
}

TEST(HandheldShell, BitmapFilesLoadAndBrokenOnesFailCleanly) {
  const fs::path folder = fs::temp_directory_path() / ("vespera-shell-" + std::to_string(::getpid()));
  fs::create_directories(folder);
  const auto bytes = TinyBmp();
  std::ofstream(folder / "good.bmp", std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                             std::streamsize(bytes.size()));
  std::ofstream(folder / "short.bmp", std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), 30);

  CBitmap good = SHLoadDIBitmap((folder / "good.bmp").u16string());
  ASSERT_NE(good.GetSafeHandle(), nullptr);
  BITMAP info;
  good.GetBitmap(&info);
  EXPECT_EQ(info.bmWidth, 2);
  EXPECT_EQ(good.GetSurface()->GetPixel(0, 0), RGB(255, 0, 0));
  EXPECT_EQ(good.GetSurface()->GetPixel(1, 0), RGB(0, 0, 255));
  EXPECT_EQ(SHLoadDIBitmap((folder / "short.bmp").string()).GetSafeHandle(), nullptr);
  EXPECT_EQ(SHLoadDIBitmap(u"/no/such/Icons240.bmp").GetSafeHandle(), nullptr);
  fs::remove_all(folder);
}

}  // namespace
