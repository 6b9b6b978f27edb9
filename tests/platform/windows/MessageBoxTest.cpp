#include <gtest/gtest.h>

#include "platform/gdi/PngCodec.h"
#include "platform/windows/MessageBox.h"
#include "platform/windows/WindowApi.h"
#include "platform/windows/WindowDump.h"
#include "tests/platform/windows/TestDesktop.h"

namespace {

struct MessageBoxFixture : ::testing::Test {
  // The box's OK button, in screen pixels.
  static POINT OkButtonCentre() {
    const HWND box = FindWindow(kMessageBoxClass, nullptr);
    RECT rect{};
    GetWindowRect(GetDlgItem(box, IDOK), &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  }
  TestDesktop test;
};

TEST_F(MessageBoxFixture, EnterEscapeAndATapOnOkEachCloseIt) {
  test.Key(VK_RETURN);
  EXPECT_EQ(MessageBox(nullptr, u"First", u"Error:", MB_OK | MB_ICONEXCLAMATION), IDOK);
  test.Key(VK_ESCAPE);
  EXPECT_EQ(MessageBox(nullptr, u"Second", u"Error:", MB_OK), IDOK);
  test.Then([](Desktop& d) {
    const POINT ok = OkButtonCentre();
    d.Input().StylusDown(ok);
    d.Input().StylusUp(ok);
  });
  EXPECT_EQ(MessageBox(nullptr, u"Third", u"Error:", MB_OK), IDOK);
  EXPECT_EQ(test.backend.Remaining(), 0u);
  EXPECT_EQ(FindWindow(kMessageBoxClass, nullptr), nullptr);
}

TEST_F(MessageBoxFixture, ATapBesideOkDoesNotCloseIt) {
  test.Then([](Desktop& d) {
    d.Input().StylusDown({5, 5});
    d.Input().StylusUp({5, 5});
  });
  test.Key(VK_RETURN);
  EXPECT_EQ(MessageBox(nullptr, u"Text", u"Caption", MB_OK), IDOK);
  EXPECT_EQ(test.backend.Remaining(), 0u);
}

TEST_F(MessageBoxFixture, TheOwnerIsDisabledWhileTheBoxIsOpenAndActiveAfterwards) {
  WindowClass plain;
  plain.name = u"Plain";
  test.desktop.Classes().Register(plain);
  const HWND owner = CreateWindowEx(0, u"Plain", u"", WS_POPUP | WS_VISIBLE, 0, 0, 240, 320, nullptr, 0,
                                    nullptr, nullptr);
  bool ownerEnabledDuringBox = true;
  test.Then([&](Desktop&) { ownerEnabledDuringBox = IsWindowEnabled(owner); });
  test.Key(VK_RETURN);
  MessageBox(owner, u"Text", u"Caption", MB_OK);
  EXPECT_FALSE(ownerEnabledDuringBox);
  EXPECT_TRUE(IsWindowEnabled(owner));
  EXPECT_EQ(GetActiveWindow(), owner);
}

TEST_F(MessageBoxFixture, TheDumpShowsTheBoxWithTextCaptionAndButton) {
  std::string json;
  test.Then([&](Desktop& d) { json = DumpDesktop(d).ToJson(); });
  test.Key(VK_RETURN);
  MessageBox(nullptr, u"Cannot load skin file /x/Icons240.bmp", u"Error:", MB_OK);
  EXPECT_NE(json.find("\"class\": \"MessageBox\""), std::string::npos) << json;
  EXPECT_NE(json.find("\"text\": \"Cannot load skin file /x/Icons240.bmp\""), std::string::npos);
  EXPECT_NE(json.find("\"caption\": \"Error:\""), std::string::npos);
  EXPECT_NE(json.find("\"class\": \"Button\""), std::string::npos);
}

TEST_F(MessageBoxFixture, NoBoxOnceTheProgramQuits) {
  test.desktop.Quit(0);
  EXPECT_EQ(MessageBox(nullptr, u"Text", u"Caption", MB_OK), 0);
}

}  // namespace

namespace {

TEST_F(MessageBoxFixture, TheBoxIsCentredWithACaptionStripTextAndAButton) {
  std::optional<Surface> screen;
  test.Then([&](Desktop& d) { screen.emplace(d.Screen().Compose()); });
  test.Key(VK_RETURN);
  MessageBox(nullptr, u"Star: Vega, mag: 0.03", u"Selected object(s)", MB_OK);
  ASSERT_TRUE(screen);
  if (const char* keep = std::getenv("VESPERA_KEEP_MESSAGEBOX_PNG")) SaveSurfacePng(*screen, keep);
  // 8-pixel margins on a 240-wide screen; the caption strip in the highlight colour.
  EXPECT_EQ(screen->GetPixel(7, 160), RGB(0, 0, 0));
  EXPECT_EQ(screen->GetPixel(8, 160), RGB(0, 0, 0));  // the frame
  EXPECT_EQ(screen->GetPixel(9, 160), GetSysColor(COLOR_WINDOW));
  bool captionFound = false;
  for (LONG y = 0; y < 320 && !captionFound; ++y) captionFound = screen->GetPixel(12, y) == GetSysColor(COLOR_HIGHLIGHT);
  EXPECT_TRUE(captionFound);
}

}  // namespace
