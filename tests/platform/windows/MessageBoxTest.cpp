#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

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

namespace {

// The box's buttons and icon as the dump reports them.
struct BoxDump {
  std::string icon;
  std::vector<std::string> buttons;
  int defaultButton = 0;
};

BoxDump DumpOfBox(Desktop& d) {
  BoxDump out;
  const DumpValue dump = DumpDesktop(d);
  for (const DumpValue& window : *dump.AsObject()->Find("windows")->AsArray()) {
    const DumpObject& w = *window.AsObject();
    if (*w.Find("class")->AsString() != "MessageBox") continue;
    out.icon = *w.Find("icon")->AsString();
    for (const DumpValue& b : *w.Find("buttons")->AsArray()) out.buttons.push_back(*b.AsString());
    out.defaultButton = int(*w.Find("defaultButton")->AsInteger());
  }
  return out;
}

void TapButton(Desktop& d, int id) {
  RECT rect{};
  GetWindowRect(GetDlgItem(FindWindow(kMessageBoxClass, nullptr), id), &rect);
  const POINT p{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  d.Input().StylusDown(p);
  d.Input().StylusUp(p);
}

TEST_F(MessageBoxFixture, EachButtonSetAnswersItsIdsByKeysAccessKeysAndTaps) {
  struct Case {
    UINT type;
    std::vector<std::string> buttons;
    std::function<void(TestDesktop&)> act;
    int expected;
  };
  const auto key = [](UINT k) { return [k](TestDesktop& t) { t.Key(k); }; };
  const auto tap = [](int id) { return [id](TestDesktop& t) { t.Then([id](Desktop& d) { TapButton(d, id); }); }; };
  const std::vector<Case> cases = {
      {MB_OK, {"OK"}, key(VK_ESCAPE), IDOK},
      {MB_OKCANCEL, {"OK", "Cancel"}, key(VK_RETURN), IDOK},
      {MB_OKCANCEL, {"OK", "Cancel"}, key(VK_ESCAPE), IDCANCEL},
      {MB_OKCANCEL, {"OK", "Cancel"}, tap(IDCANCEL), IDCANCEL},
      {MB_YESNO, {"Yes", "No"}, key(VK_RETURN), IDYES},
      {MB_YESNO, {"Yes", "No"}, key('N'), IDNO},
      {MB_YESNO, {"Yes", "No"}, [](TestDesktop& t) { t.Keys({VK_ESCAPE, 'Y'}); }, IDYES},  // no Cancel to press
      {MB_YESNOCANCEL | MB_DEFBUTTON2, {"Yes", "No", "Cancel"}, key(VK_RETURN), IDNO},
      {MB_YESNOCANCEL, {"Yes", "No", "Cancel"}, key(VK_ESCAPE), IDCANCEL},
      {MB_YESNOCANCEL, {"Yes", "No", "Cancel"}, tap(IDNO), IDNO},
      {MB_RETRYCANCEL, {"Retry", "Cancel"}, key('R'), IDRETRY},
      {MB_RETRYCANCEL, {"Retry", "Cancel"}, [](TestDesktop& t) { t.Keys({VK_TAB, VK_RETURN}); }, IDCANCEL},
      {MB_RETRYCANCEL | MB_DEFBUTTON3, {"Retry", "Cancel"}, key(VK_RETURN), IDRETRY},  // no third: the first
  };
  for (const Case& c : cases) {
    BoxDump seen;
    test.Then([&](Desktop& d) {
      seen = DumpOfBox(d);
      d.Post(nullptr, WM_NULL, 0, 0);
    });
    c.act(test);
    EXPECT_EQ(MessageBox(nullptr, u"Save the view?", u"Vespera", c.type | MB_ICONQUESTION), c.expected) << c.type;
    EXPECT_EQ(seen.buttons, c.buttons) << c.type;
    EXPECT_EQ(seen.icon, "question");
    EXPECT_EQ(test.backend.Remaining(), 0u) << c.type;
  }
}

// The box on a screen of the given size, its picture and where its icon is.
struct BoxShot {
  Surface screen{1, 1, 32};
  RECT box{};
  std::string icon;
};

BoxShot ShowBox(SIZE size, UINT type, std::u16string_view text) {
  DeviceProfile profile = TestDesktop::DefaultProfile();
  profile.width = size.cx;
  profile.height = size.cy;
  TestDesktop test(profile);
  BoxShot shot;
  test.Then([&](Desktop& d) {
    shot.screen = d.Screen().Compose();
    GetWindowRect(FindWindow(kMessageBoxClass, nullptr), &shot.box);
    shot.icon = DumpOfBox(d).icon;
    d.Post(nullptr, WM_NULL, 0, 0);
  });
  test.Key(VK_RETURN);
  MessageBox(nullptr, text, u"Error:", type);
  return shot;
}

class MessageBoxIcons : public ::testing::TestWithParam<SIZE> {};

TEST_P(MessageBoxIcons, EachIconIsDrawnCrispSymmetricAndDistinctAtTheScreensDensity) {
  const SIZE size = GetParam();
  const LONG scale = size.cx >= 480 ? 2 : 1;
  const LONG iconSize = 24 * scale;
  const std::pair<UINT, std::string> icons[] = {{MB_ICONEXCLAMATION, "exclamation"},
                                                {MB_ICONINFORMATION, "information"},
                                                {MB_ICONQUESTION, "question"},
                                                {MB_ICONERROR, "error"}};
  std::vector<std::vector<COLORREF>> pictures;
  for (const auto& [type, name] : icons) {
    const BoxShot shot = ShowBox(size, MB_OK | type, u"Cannot load skin file /x/Icons240.bmp");
    EXPECT_EQ(shot.icon, name);
    // The icon's square: under the caption strip, at the text's padding.
    const LONG left = shot.box.left + 6 * scale;
    const LONG top = shot.box.top + (18 + 6) * scale;
    std::vector<COLORREF> picture;
    int marked = 0;
    for (LONG y = 0; y < iconSize; ++y)
      for (LONG x = 0; x < iconSize; ++x) {
        const COLORREF c = shot.screen.GetPixel(left + x, top + y);
        picture.push_back(c);
        marked += c != GetSysColor(COLOR_WINDOW);
        // Only colours of the system table: no blend of a scaled bitmap.
        EXPECT_TRUE(c == GetSysColor(COLOR_WINDOW) || c == GetSysColor(COLOR_WINDOWTEXT) ||
                    c == GetSysColor(COLOR_HIGHLIGHT) || c == GetSysColor(COLOR_HIGHLIGHTTEXT))
            << name << " at " << x << "," << y;
      }
    EXPECT_GT(marked, iconSize * iconSize / 3) << name;
    // The exclamation, information and error icons are mirror images of themselves.
    if (type != MB_ICONQUESTION) {
      int asymmetric = 0;
      for (LONG y = 0; y < iconSize; ++y)
        for (LONG x = 0; x < iconSize / 2; ++x)
          asymmetric += picture[std::size_t(y * iconSize + x)] != picture[std::size_t(y * iconSize + iconSize - 1 - x)];
      EXPECT_EQ(asymmetric, 0) << name;
    }
    for (const auto& other : pictures) EXPECT_NE(other, picture) << name;
    pictures.push_back(std::move(picture));
    if (const char* folder = std::getenv("VESPERA_KEEP_MESSAGEBOX_ICONS"))
      SaveSurfacePng(shot.screen, std::string(folder) + "/box-" + name + "-" + std::to_string(size.cx) + ".png");
  }
  // A box without an icon type has none.
  EXPECT_EQ(ShowBox(size, MB_OK, u"Star: Vega").icon, "none");
}

TEST_P(MessageBoxIcons, ALongTextWrapsAndTheBoxStaysOnTheScreen) {
  const SIZE size = GetParam();
  std::u16string text;
  for (int i = 0; i < 12; ++i) text += u"The catalogue file could not be read. ";
  const BoxShot longer = ShowBox(size, MB_OK | MB_ICONERROR, text);
  EXPECT_GE(longer.box.left, 0);
  EXPECT_GE(longer.box.top, 0);
  EXPECT_LE(longer.box.right, size.cx);
  EXPECT_LE(longer.box.bottom, size.cy);
  const BoxShot shorter = ShowBox(size, MB_OK | MB_ICONERROR, u"Short.");
  EXPECT_GT(longer.box.Height(), shorter.box.Height());  // it wrapped onto more lines
}

INSTANTIATE_TEST_SUITE_P(BothDensitiesAndAPhone, MessageBoxIcons,
                         ::testing::Values(SIZE{176, 220}, SIZE{240, 320}, SIZE{480, 640}),
                         [](const auto& info) {
                           return std::to_string(info.param.cx) + "x" + std::to_string(info.param.cy);
                         });

}  // namespace
