#include <gtest/gtest.h>

#include "platform/windows/DialogKeys.h"
#include "platform/windows/SystemApi.h"
#include "tests/platform/controls/ControlTestSupport.h"

namespace {

// A control that asks for keys with a WM_GETDLGCODE answer of the test's
// choosing and counts the key presses that reach it.
class KeyHungryControl final : public WindowProcedure {
 public:
  explicit KeyHungryControl(LRESULT code) : code_(code) {}
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_GETDLGCODE) return code_;
    if (message == WM_KEYDOWN) keys.push_back(UINT(wParam));
    return DefWindowProc(window, message, wParam, lParam);
  }
  std::vector<UINT> keys;

 private:
  LRESULT code_;
};

struct DialogKeys : ControlsFixture {
  std::shared_ptr<KeyHungryControl> AddHungry(LRESULT code, RECT r, UINT id) {
    auto control = std::make_shared<KeyHungryControl>(code);
    WindowCreation creation;
    creation.className = u"Hungry";
    creation.style = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
    creation.rect = r;
    creation.parent = parent;
    creation.controlId = id;
    hungry = test.desktop.CreateWindow(creation, nullptr, control);
    return control;
  }
  std::vector<UINT> Commands() const {
    std::vector<UINT> ids;
    for (const RecordedMessage& m : recorder->Of(WM_COMMAND))
      if (HIWORD(m.wParam) == BN_CLICKED) ids.push_back(LOWORD(m.wParam));
    return ids;
  }
  HWND hungry = nullptr;
};

TEST_F(DialogKeys, TabAndShiftTabVisitOnlyReachableTabStopsAndWrap) {
  const HWND a = Create(u"Button", u"A", WS_TABSTOP, {0, 0, 40, 20}, 1);
  Create(u"Static", u"label", 0, {0, 20, 40, 40}, 2);
  Create(u"Button", u"off", WS_TABSTOP | WS_DISABLED, {0, 40, 40, 60}, 3);
  const HWND hidden = Create(u"Button", u"hidden", WS_TABSTOP, {0, 60, 40, 80}, 4);
  ShowWindow(hidden, SW_HIDE);
  Create(u"Button", u"no stop", 0, {0, 80, 40, 100}, 5);
  const HWND box = Create(u"Button", u"box", WS_TABSTOP | BS_AUTOCHECKBOX, {0, 100, 80, 120}, 6);
  const HWND edit = Create(u"Edit", u"M31", WS_TABSTOP | ES_AUTOHSCROLL, {0, 120, 80, 140}, 7);

  EXPECT_EQ(GetNextDlgTabItem(parent, nullptr, FALSE), a);
  EXPECT_EQ(GetNextDlgTabItem(parent, nullptr, TRUE), edit);
  EXPECT_EQ(GetNextDlgTabItem(parent, a, FALSE), box);
  EXPECT_EQ(GetNextDlgTabItem(parent, edit, FALSE), a);
  EXPECT_EQ(GetNextDlgTabItem(parent, a, TRUE), edit);

  SetFocus(a);
  Keys({VK_TAB, VK_TAB});
  Run();
  EXPECT_EQ(GetFocus(), edit);
  DWORD start = 9;
  DWORD end = 9;
  SendMessage(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), LParamFromPointer(&end));
  EXPECT_EQ(start, 0u);  // reached by Tab: the whole text is selected
  EXPECT_EQ(end, 3u);
  Keys({VK_TAB});
  Run();
  EXPECT_EQ(GetFocus(), a);
  Keys({VK_TAB}, true);
  Run();
  EXPECT_EQ(GetFocus(), edit);

  // Alone in the dialog, Tab keeps the focus where it is.
  EnableWindow(a, FALSE);
  EnableWindow(box, FALSE);
  Keys({VK_TAB});
  Run();
  EXPECT_EQ(GetFocus(), edit);
}

TEST_F(DialogKeys, EnterAndEscapeReachTheDialogAsCommands) {
  const HWND edit = Create(u"Edit", u"", WS_TABSTOP | ES_AUTOHSCROLL, {0, 0, 100, 20}, 7);
  const HWND push = Create(u"Button", u"Push", WS_TABSTOP, {0, 30, 40, 50}, 8);
  const HWND ok = Create(u"Button", u"OK", WS_TABSTOP | BS_DEFPUSHBUTTON, {0, 60, 40, 80}, IDOK);
  SetFocus(edit);
  Keys({VK_RETURN, VK_ESCAPE});
  Run();
  EXPECT_EQ(Commands(), (std::vector<UINT>{IDOK, IDCANCEL}));

  // A focused push button is what Enter presses.
  SetFocus(push);
  Keys({VK_RETURN});
  Run();
  EXPECT_EQ(Commands().back(), 8u);

  // The dialog names its default button.
  recorder->defaultId = 42;
  SetFocus(edit);
  Keys({VK_RETURN});
  Run();
  EXPECT_EQ(Commands().back(), 42u);

  // A disabled OK refuses with a beep instead of a command.
  recorder->defaultId.reset();
  EnableWindow(ok, FALSE);
  const int beeps = test.desktop.BeepCount();
  const std::size_t before = Commands().size();
  Keys({VK_RETURN});
  Run();
  EXPECT_EQ(Commands().size(), before);
  EXPECT_EQ(test.desktop.BeepCount(), beeps + 1);
}

TEST_F(DialogKeys, AControlKeepsTheKeysItAsksFor) {
  const HWND first = Create(u"Button", u"A", WS_TABSTOP, {0, 0, 40, 20}, 1);
  WindowClass hungryClass;
  hungryClass.name = u"Hungry";
  test.desktop.Classes().Register(std::move(hungryClass));

  // Tab only: Tab goes to the control, Enter still to the dialog.
  auto tabs = AddHungry(DLGC_WANTTAB, {0, 30, 100, 60}, 20);
  SetFocus(hungry);
  Keys({VK_TAB, VK_RETURN});
  Run();
  EXPECT_EQ(tabs->keys, std::vector<UINT>{VK_TAB});
  EXPECT_EQ(GetFocus(), hungry);
  EXPECT_EQ(Commands(), std::vector<UINT>{IDOK});
  Keys({VK_TAB}, true);  // Shift+Tab is asked for too
  Run();
  EXPECT_EQ(GetFocus(), hungry);

  // Arrows: they stay, Tab moves on.
  auto arrows = AddHungry(DLGC_WANTARROWS, {0, 70, 100, 100}, 21);
  SetFocus(hungry);
  Keys({VK_DOWN, VK_RIGHT, VK_TAB});
  Run();
  EXPECT_EQ(arrows->keys, (std::vector<UINT>{VK_DOWN, VK_RIGHT}));
  EXPECT_EQ(GetFocus(), first);

  // Everything: not even Escape reaches the dialog.
  auto all = AddHungry(DLGC_WANTALLKEYS, {0, 110, 100, 140}, 22);
  SetFocus(hungry);
  Keys({VK_TAB, VK_RETURN, VK_ESCAPE});
  Run();
  EXPECT_EQ(all->keys, (std::vector<UINT>{VK_TAB, VK_RETURN, VK_ESCAPE}));
  EXPECT_EQ(Commands(), std::vector<UINT>{IDOK});
}

TEST_F(DialogKeys, ArrowsMoveThroughTheGroupPassingOverTexts) {
  const HWND one = Create(u"Button", u"1", WS_TABSTOP | WS_GROUP, {0, 0, 40, 20}, 1);
  Create(u"Static", u"text", 0, {0, 20, 40, 40}, 2);
  const HWND two = Create(u"Button", u"2", 0, {0, 40, 40, 60}, 3);
  const HWND other = Create(u"Button", u"3", WS_TABSTOP | WS_GROUP, {0, 60, 40, 80}, 4);
  SetFocus(one);
  Keys({VK_DOWN});
  Run();
  EXPECT_EQ(GetFocus(), two);
  Keys({VK_DOWN});  // wraps within the group, never to the next one
  Run();
  EXPECT_EQ(GetFocus(), one);
  Keys({VK_UP});
  Run();
  EXPECT_EQ(GetFocus(), two);
  SetFocus(other);
  Keys({VK_DOWN});  // a group of one
  Run();
  EXPECT_EQ(GetFocus(), other);
  EXPECT_TRUE(Commands().empty());
}

}  // namespace
