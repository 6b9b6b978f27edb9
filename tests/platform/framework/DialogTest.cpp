#include <gtest/gtest.h>

#include <array>

#include "platform/framework/DataExchange.h"
#include "platform/framework/Dialog.h"
#include "platform/framework/WinApp.h"
#include "tests/platform/framework/TestControls.h"
#include "tests/platform/windows/TestDesktop.h"

namespace {

constexpr std::array kButtons{
    DialogControlTemplate{u"Button", 1001, u"+", 50, 3, 11, 11, WS_VISIBLE | WS_TABSTOP},
    DialogControlTemplate{u"Button", 1002, u"M", 125, 3, 14, 11, WS_VISIBLE | WS_TABSTOP},
    DialogControlTemplate{u"Button", 1000, u"X", 0, 0, 5, 5, WS_TABSTOP},  // hidden
};
constexpr DialogTemplate kButtonsDialog{102, WS_VISIBLE, 0, 0, 0, 139, 159, u"Vespera", u"System", 8, kButtons};

constexpr std::array kUnknownControl{DialogControlTemplate{u"NoSuchClass", 5, u"", 0, 0, 10, 10, WS_VISIBLE}};
constexpr DialogTemplate kBrokenDialog{900, 0, 0, 0, 0, 50, 50, u"", u"System", 8, kUnknownControl};

POINT CentreOf(HWND dialog, int id) {
  RECT r{};
  GetWindowRect(GetDlgItem(dialog, id), &r);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

class ButtonsDialog : public CDialog {
 public:
  ButtonsDialog() : CDialog(kButtonsDialog) {}
  const MessageMap* GetMessageMap() const override {
    static const MessageMap map = MessageMapFor<ButtonsDialog>(CDialog::GetMessageMap())
                                      .OnCommandRange(1001, 1002, &ButtonsDialog::OnButton)
                                      .OnCommand(1000, &ButtonsDialog::OnExit);
    return &map;
  }
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    initialised = true;
    return TRUE;
  }
  void OnButton(UINT id) { commands.push_back(id); }
  void OnExit() { EndDialog(1); }

  std::vector<UINT> commands;
  bool initialised = false;
};

struct DialogFixture : ::testing::Test {
  DialogFixture() { RegisterTestControls(test.desktop); }
  // A tap on the control `id` of the dialog that is open when the step runs.
  void TapItem(int id) {
    test.Then([id](Desktop& d) {
      const POINT p = CentreOf(d.ActiveWindow(), id);
      d.Input().StylusDown(p);
      d.Input().StylusUp(p);
    });
  }
  TestDesktop test;
};

TEST_F(DialogFixture, ButtonsDeliverTheirCommandsInOrder) {
  ButtonsDialog dialog;
  TapItem(1002);
  TapItem(1001);
  TapItem(1002);
  test.Then([](Desktop& d) { PostMessage(d.ActiveWindow(), WM_COMMAND, 1000, 0); });
  EXPECT_EQ(dialog.DoModal(), 1);
  EXPECT_TRUE(dialog.initialised);
  EXPECT_EQ(dialog.commands, (std::vector<UINT>{1002, 1001, 1002}));
  EXPECT_EQ(dialog.m_hWnd, nullptr);
}

TEST_F(DialogFixture, EnterMeansOkAndEscapeMeansCancel) {
  ButtonsDialog first;
  test.Key(VK_ESCAPE);
  EXPECT_EQ(first.DoModal(), IDCANCEL);
  ButtonsDialog second;
  test.Then([](Desktop&) { SetFocus(nullptr); });
  test.Key(VK_RETURN);
  EXPECT_EQ(second.DoModal(), IDOK);
}

TEST_F(DialogFixture, TheFirstTabStopHasTheFocusAfterInitialisation) {
  ButtonsDialog dialog;
  int focusId = 0;
  test.Then([&](Desktop&) { focusId = GetDlgCtrlID(GetFocus()); });
  test.Key(VK_ESCAPE);
  dialog.DoModal();
  EXPECT_EQ(focusId, 1001);
}

class NestingDialog : public ButtonsDialog {
 public:
  explicit NestingDialog(int depth) : depth_(depth) {}
  const MessageMap* GetMessageMap() const override {
    static const MessageMap map =
        MessageMapFor<NestingDialog>(ButtonsDialog::GetMessageMap()).OnCommand(1001, &NestingDialog::OpenInner);
    return &map;
  }
  void OpenInner() {
    NestingDialog inner(depth_ + 1);
    innerResult = inner.DoModal();
    EndDialog(100 + depth_);
  }
  INT_PTR innerResult = 0;

 private:
  int depth_;
};

TEST_F(DialogFixture, NestedModalLoopsReturnTheirOwnCodes) {
  NestingDialog outer(0);
  TapItem(1001);  // opens the inner dialog from a handler of the outer one
  test.Then([](Desktop& d) { PostMessage(d.ActiveWindow(), WM_COMMAND, 1000, 0); });  // inner ends with 1
  EXPECT_EQ(outer.DoModal(), 100);
  EXPECT_EQ(outer.innerResult, 1);
}

TEST_F(DialogFixture, AMessageForTheOuterDialogIsHandledWhileTheInnerOneRuns) {
  NestingDialog outer(0);
  HWND outerWindow = nullptr;
  test.Then([&](Desktop& d) { outerWindow = d.ActiveWindow(); });
  TapItem(1001);
  test.Then([&](Desktop&) { PostMessage(outerWindow, WM_COMMAND, 1002, 0); });
  test.Key(VK_ESCAPE);  // ends the inner dialog
  EXPECT_EQ(outer.DoModal(), 100);
  EXPECT_EQ(outer.commands, (std::vector<UINT>{1002}));
  EXPECT_EQ(outer.innerResult, IDCANCEL);
}

// Runs its main dialog modally from InitInstance, as the program does.
class ModalApp : public CWinApp {
 public:
  ModalApp() : CWinApp(u"Test") {}
  BOOL InitInstance() override {
    NestingDialog main(0);
    m_pMainWnd = &main;
    result = main.DoModal();
    return FALSE;
  }
  INT_PTR result = 0;
};

TEST_F(DialogFixture, DialogsWithoutParentAreOwnedByTheMainWindowWhichIsDisabledMeanwhile) {
  bool mainEnabled = true;
  HWND mainWindow = nullptr;
  test.Then([&](Desktop& d) { mainWindow = d.ActiveWindow(); });
  TapItem(1001);
  test.Then([&](Desktop&) { mainEnabled = IsWindowEnabled(mainWindow); });
  test.Key(VK_ESCAPE);
  ModalApp app;
  EXPECT_EQ(RunApplication(app), 0);
  EXPECT_EQ(app.result, 100);
  EXPECT_FALSE(mainEnabled);
  // Destroying the main window ends the application's message loops.
  EXPECT_TRUE(test.desktop.QuitRequested());
}

class KeyFilterDialog : public ButtonsDialog {
 public:
  BOOL PreTranslateMessage(MSG* message) override {
    if (message->message == WM_KEYDOWN && message->wParam == '6') {
      ++consumed;
      return TRUE;
    }
    return ButtonsDialog::PreTranslateMessage(message);
  }
  void OnKeyDownSeen(UINT, UINT, UINT) { ++delivered; }
  const MessageMap* GetMessageMap() const override {
    static const MessageMap map =
        MessageMapFor<KeyFilterDialog>(ButtonsDialog::GetMessageMap()).OnKeyDown(&KeyFilterDialog::OnKeyDownSeen);
    return &map;
  }
  int consumed = 0;
  int delivered = 0;
};

TEST_F(DialogFixture, PreTranslateMessageSeesQueuedKeysOfItsControlsBeforeDispatch) {
  KeyFilterDialog dialog;
  test.Key('6');  // aimed at the focused button, seen by the dialog first
  test.Then([](Desktop&) { SetFocus(nullptr); });
  test.Key('7');  // no focus: goes to the dialog itself
  test.Key(VK_ESCAPE);
  dialog.DoModal();
  EXPECT_EQ(dialog.consumed, 1);
  EXPECT_EQ(dialog.delivered, 1);
}

TEST_F(DialogFixture, ADialogWithAnUnknownControlClassFailsToOpen) {
  CDialog dialog(kBrokenDialog);
  EXPECT_EQ(dialog.DoModal(), -1);
  EXPECT_TRUE(test.desktop.Tree().TopLevelWindows().empty());
}

class EndsAtOnce : public CDialog {
 public:
  EndsAtOnce() : CDialog(kButtonsDialog) {}
  BOOL OnInitDialog() override {
    EndDialog(7);
    return TRUE;
  }
};

TEST_F(DialogFixture, EndDialogDuringInitialisationReturnsWithoutALoop) {
  EndsAtOnce dialog;
  EXPECT_EQ(dialog.DoModal(), 7);
  EXPECT_EQ(test.backend.Remaining(), 0u);
}

TEST_F(DialogFixture, QuittingEndsTheModalLoopWithMinusOne) {
  ButtonsDialog dialog;
  test.Then([](Desktop& d) { d.Quit(1); });
  EXPECT_EQ(dialog.DoModal(), -1);
  EXPECT_EQ(dialog.DoModal(), -1);
}

TEST(DialogUnits, ConvertEachEdgeRoundedAndDoubleFrom480PixelsWide) {
  // The "M" button of the main window: x 125, y 3, 14 x 11 units.
  EXPECT_EQ(DialogUnitsToPixels(125, 3, 14, 11, 240), (RECT{219, 5, 243, 23}));
  EXPECT_EQ(DialogUnitsToPixels(125, 3, 14, 11, 480), (RECT{438, 10, 487, 46}));
  EXPECT_EQ(MulDiv(-5, 7, 4), -9);
  EXPECT_EQ(MulDiv(3, 1, 2), 2);
  EXPECT_EQ(MulDiv(1, 1, 0), -1);
}

}  // namespace
