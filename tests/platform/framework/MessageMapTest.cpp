#include <gtest/gtest.h>

#include <array>

#include "platform/framework/DataExchange.h"
#include "platform/framework/Dialog.h"
#include "tests/platform/framework/TestControls.h"
#include "tests/platform/windows/TestDesktop.h"

namespace {

constexpr std::array kControls{
    DialogControlTemplate{u"Button", 1014, u"Match case", 3, 37, 87, 9, WS_VISIBLE | WS_TABSTOP},
    DialogControlTemplate{u"Button", 1003, u"", 91, 3, 14, 11, WS_VISIBLE | kTestOwnerDraw},
    DialogControlTemplate{u"Static", 1007, u"Object data:", 4, 19, 45, 9, WS_VISIBLE},
    DialogControlTemplate{u"Button", 1012, u"query", 3, 60, 50, 12, WS_VISIBLE},
};
constexpr DialogTemplate kDialog{133, WS_VISIBLE, 0, 0, 0, 138, 165, u"", u"System", 8, kControls};

// A control's program object that draws itself when its parent is asked to.
class DrawnButton : public CWnd {
 public:
  BOOL OnChildNotify(UINT message, WPARAM, LPARAM lParam, LRESULT* result) override {
    if (message != WM_DRAWITEM) return FALSE;
    const auto* item = PointerFromLParam<DRAWITEMSTRUCT>(lParam);
    item->hDC->FillSolidRect(&item->rcItem, RGB(0, 128, 0));
    ++draws;
    if (result) *result = TRUE;
    return TRUE;
  }
  int draws = 0;
};

class MappedDialog : public CDialog {
 public:
  MappedDialog() : CDialog(kDialog) {}
  const MessageMap* GetMessageMap() const override {
    static const MessageMap map = MessageMapFor<MappedDialog>(CDialog::GetMessageMap())
                                      .OnCtlColorStatic(&MappedDialog::OnStaticColor)
                                      .OnCtlColor(&MappedDialog::OnAnyColor)
                                      .OnControl(7, 1014, &MappedDialog::OnSelectionChange)
                                      .OnNotify(1125, 102, &MappedDialog::OnHotspot)
                                      .OnMessage(WM_USER + 5, &MappedDialog::OnCustom);
    return &map;
  }
  void DoDataExchange(CDataExchange* exchange) override {
    DDX_Control(exchange, 1003, drawn);
    DDX_Text(exchange, 1012, query);
    DDX_Check(exchange, 1014, matchCase);
  }
  void OnOK() override {
    ++okCount;
    CDialog::OnOK();
  }
  HBRUSH OnStaticColor(CDC*, CWnd*, UINT kind) {
    staticKinds.push_back(kind);
    return &red;
  }
  HBRUSH OnAnyColor(CDC* dc, CWnd* window, UINT kind) {
    otherKinds.push_back(kind);
    return CDialog::OnCtlColor(dc, window, kind);
  }
  void OnSelectionChange() { ++selectionChanges; }
  void OnHotspot(NMHDR* header, LRESULT* result) {
    hotspotFrom = header->idFrom;
    *result = 1;
  }
  LRESULT OnCustom(WPARAM wParam, LPARAM lParam) { return LRESULT(wParam + std::uintptr_t(lParam)); }

  DrawnButton drawn;
  WideString query = u"M31";
  int matchCase = 1;
  int okCount = 0;
  std::vector<UINT> staticKinds;
  std::vector<UINT> otherKinds;
  int selectionChanges = 0;
  UINT_PTR hotspotFrom = 0;
  CBrush red{RGB(255, 0, 0)};
};

struct MessageMapFixture : ::testing::Test {
  MessageMapFixture() { RegisterTestControls(test.desktop); }
  TestDesktop test;
  MappedDialog dialog;
};

TEST_F(MessageMapFixture, CommandsNotificationsAndRawMessagesReachTheirHandlers) {
  test.Then([this](Desktop&) {
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(1014, 7), 0);
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(1014, 8), 0);  // another code: nobody's
    NMHDR header{nullptr, 102, 1125};
    EXPECT_EQ(dialog.SendMessage(WM_NOTIFY, 102, LParamFromPointer(&header)), 1);
    NMHDR other{nullptr, 101, 1125};
    EXPECT_EQ(dialog.SendMessage(WM_NOTIFY, 101, LParamFromPointer(&other)), 0);
    EXPECT_EQ(dialog.SendMessage(WM_USER + 5, 40, 2), 42);
  });
  test.Key(VK_ESCAPE);
  dialog.DoModal();
  EXPECT_EQ(dialog.selectionChanges, 1);
  EXPECT_EQ(dialog.hotspotFrom, 102u);
}

TEST_F(MessageMapFixture, TheNarrowColourEntryWinsAndTheBroadOneTakesTheRest) {
  test.Key(VK_ESCAPE);
  dialog.DoModal();
  EXPECT_FALSE(dialog.staticKinds.empty());
  for (UINT kind : dialog.staticKinds) EXPECT_EQ(kind, CTLCOLOR_STATIC);
  ASSERT_FALSE(dialog.otherKinds.empty());
  EXPECT_EQ(dialog.otherKinds[0], CTLCOLOR_DLG);  // the dialog background
}

TEST_F(MessageMapFixture, OwnerDrawnControlsAreDrawnByTheirOwnObject) {
  test.Key(VK_ESCAPE);
  dialog.DoModal();
  EXPECT_GE(dialog.drawn.draws, 1);
}

TEST_F(MessageMapFixture, DataExchangeFillsTheControlsAndReadsThemBackOnOk) {
  test.Then([](Desktop& d) {
    const HWND window = d.ActiveWindow();
    EXPECT_EQ(GetWindowTextString(GetDlgItem(window, 1012)), u"M31");
    EXPECT_EQ(SendDlgItemMessage(window, 1014, BM_GETCHECK, 0, 0), 1);
    SetWindowText(GetDlgItem(window, 1012), u"Vega");
    SendDlgItemMessage(window, 1014, BM_SETCHECK, BST_UNCHECKED, 0);
    SetFocus(nullptr);
  });
  test.Key(VK_RETURN);
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.okCount, 1);  // the override, reached through the base map
  EXPECT_EQ(dialog.query, u"Vega");
  EXPECT_EQ(dialog.matchCase, 0);
  EXPECT_EQ(dialog.drawn.m_hWnd, nullptr);  // bound for the dialog's life only
}

TEST_F(MessageMapFixture, GetDlgItemGivesTheBoundObjectOrAWrapperForTheDialogsLife) {
  test.Then([this](Desktop&) {
    EXPECT_EQ(dialog.GetDlgItem(1003), &dialog.drawn);
    CWnd* label = dialog.GetDlgItem(1007);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label, dialog.GetDlgItem(1007));
    label->ShowWindow(SW_HIDE);
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog.m_hWnd, 1007)));
    EXPECT_EQ(dialog.GetDlgItem(4242), nullptr);
  });
  test.Key(VK_ESCAPE);
  dialog.DoModal();
}

// A program window of a class the program registers, as the HTML view is.
class PlainWindow : public CWnd {
 public:
  const MessageMap* GetMessageMap() const override {
    static const MessageMap map = MessageMapFor<PlainWindow>(CWnd::GetMessageMap())
                                      .OnLButtonDown(&PlainWindow::OnTap)
                                      .OnDestroy(&PlainWindow::OnDestroyed);
    return &map;
  }
  void OnTap(UINT, CPoint point) {
    taps.push_back(point);
    CWnd::OnLButtonDown(0, point);
  }
  void OnDestroyed() { ++destroyed; }
  std::vector<POINT> taps;
  int destroyed = 0;
};

TEST(CWnd, CreatedWindowsAnswerThroughTheirMapAndGoWithTheirObject) {
  TestDesktop test;
  WindowClass display;
  display.name = u"DISPLAYCLASS";
  test.desktop.Classes().Register(display);
  HWND window = nullptr;
  {
    PlainWindow plain;
    ASSERT_TRUE(plain.Create(u"DISPLAYCLASS", u"", WS_POPUP | WS_VISIBLE, RECT{10, 10, 110, 60}, nullptr, 0));
    window = plain.m_hWnd;
    EXPECT_EQ(CWnd::FromHandlePermanent(window), &plain);
    test.Tap({15, 20});
    test.RunUntilIdle();
    EXPECT_EQ(plain.taps, (std::vector<POINT>{{5, 10}}));
    EXPECT_FALSE(plain.Create(u"DISPLAYCLASS", u"", WS_POPUP, RECT{}, nullptr, 0));
  }
  EXPECT_FALSE(IsWindow(window));
  PlainWindow unknown;
  EXPECT_FALSE(unknown.Create(u"NoSuchClass", u"", WS_POPUP, RECT{}, nullptr, 0));
}

}  // namespace
