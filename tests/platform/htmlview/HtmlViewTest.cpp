// The view as a window: messages from its owner, taps, keys, scrolling, the
// dump, and the notifications its parent gets.

#include <gtest/gtest.h>

#include <functional>

#include "platform/controls/ControlMessages.h"
#include "platform/framework/StandardClasses.h"
#include "platform/htmlview/HtmlView.h"
#include "platform/runtime/CodePage.h"
#include "platform/windows/DumpValue.h"
#include "platform/windows/MessageApi.h"
#include "platform/windows/SystemApi.h"
#include "platform/windows/VirtualKeys.h"
#include "platform/windows/WindowApi.h"
#include "platform/windows/WindowDC.h"
#include "tests/platform/htmlview/SamplePages.h"
#include "tests/platform/windows/TestDesktop.h"

namespace {

constexpr UINT kViewId = 102;

// Records the targets of the view's hotspots and answers them as handled.
class LinkParent final : public WindowProcedure {
 public:
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_NOTIFY) {
      const auto* notice = PointerFromLParam<NM_HTMLVIEW>(lParam);
      if (notice->hdr.code == NM_HOTSPOT && notice->hdr.idFrom == kViewId) {
        targets.emplace_back(notice->szTarget);
        if (onHotspot) onHotspot(notice->hdr.hwndFrom);
        return 1;
      }
    }
    if (message == WM_PAINT) {
      PaintDC dc(window);
      RECT client;
      GetClientRect(window, &client);
      dc.FillSolidRect(&client, RGB(0, 0, 128));
      return 0;
    }
    return DefWindowProc(window, message, wParam, lParam);
  }
  std::vector<WideString> targets;
  std::function<void(HWND)> onHotspot;
};

struct HtmlViewTest : ::testing::Test {
  HtmlViewTest() {
    RegisterStandardWindowClasses(test.desktop);
    EXPECT_TRUE(InitHTMLControl(nullptr));
    EXPECT_TRUE(InitHTMLControl(nullptr));  // a second window registering again
    WindowClass parentClass;
    parentClass.name = u"LinkParent";
    parentClass.createProcedure = [this] { return parentProcedure; };
    test.desktop.Classes().Register(std::move(parentClass));
    parent = CreateWindowEx(0, u"LinkParent", u"", WS_POPUP | WS_VISIBLE, 0, 0, 240, 320, nullptr, 0, nullptr,
                            nullptr);
    button = CreateWindowEx(0, u"Button", u"Go", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 4, 4, 60, 20, parent, 1013,
                            nullptr, nullptr);
    view = CreateWindowEx(0, DISPLAYCLASS, u"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP, 4, 30, 232,
                          200, parent, kViewId, nullptr, nullptr);
  }

  void Show(std::u16string_view page) {
    SendMessage(view, WM_SETTEXT, 0, LParamFromPointer(u""));
    const WideString text(page);
    SendMessage(view, DTM_ADDTEXTW, 0, LParamFromPointer(text.c_str()));
    SendMessage(view, DTM_ENDOFSOURCE, 0, 0);
  }

  // Plays the queued steps with the dialog keys in the loop, as a dialog does.
  void Run() { test.RunDialogUntilIdle(parent); }
  void Keys(std::initializer_list<UINT> keys, bool shift = false) { test.Keys(keys, shift); }

  DumpObject Dump() const {
    DumpObject fields;
    test.desktop.Tree().Find(view)->classProcedure->DescribeForDump(view, fields);
    return fields;
  }
  // The links on screen as the dump reports them: target and screen rectangle.
  std::vector<std::pair<std::string, RECT>> DumpedLinks() const {
    std::vector<std::pair<std::string, RECT>> links;
    const DumpObject fields = Dump();
    for (const DumpValue& entry : *fields.Find("links")->AsArray()) {
      const DumpObject& link = *entry.AsObject();
      const DumpArray& r = *link.Find("rect")->AsArray();
      links.push_back({*link.Find("href")->AsString(),
                       RECT{LONG(*r[0].AsInteger()), LONG(*r[1].AsInteger()), LONG(*r[2].AsInteger()),
                            LONG(*r[3].AsInteger())}});
    }
    return links;
  }
  std::int64_t State(const char* key) const {
    return *Dump().Find("state")->AsObject()->Find(key)->AsInteger();
  }
  COLORREF Pixel(LONG x, LONG y) { return test.desktop.Screen().Compose().GetPixel(x, y); }

  static POINT Centre(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

  TestDesktop test;
  std::shared_ptr<LinkParent> parentProcedure = std::make_shared<LinkParent>();
  HWND parent = nullptr;
  HWND button = nullptr;
  HWND view = nullptr;
};

const WideString kThreeLinks = StyleBlock(u"#FF0000") +
                               u"<h3>Heading</h3><h4>Second</h4>Some text.<BR>"
                               u"<A HREF=\"ONE\">first</A><BR><A HREF=\"TWO_2\">second</A><BR>"
                               u"<A HREF=\"CLOSE_WND\">Close window</A>";

}  // namespace

TEST_F(HtmlViewTest, PageBackgroundFillsTheViewAndAnEmptyTextClearsIt) {
  Show(kThreeLinks);
  Run();
  EXPECT_EQ(Pixel(4, 30), RGB(255, 0, 0));
  EXPECT_EQ(Pixel(230, 225), RGB(255, 0, 0));
  EXPECT_EQ(Pixel(3, 30), RGB(0, 0, 128));  // the parent around it is untouched

  SendMessage(view, WM_SETTEXT, 0, LParamFromPointer(u""));
  Run();
  EXPECT_EQ(Pixel(4, 30), RGB(255, 255, 255));
  EXPECT_EQ(Pixel(120, 120), RGB(255, 255, 255));
  EXPECT_TRUE(DumpedLinks().empty());
  EXPECT_EQ(*Dump().Find("html")->AsString(), "");
}

TEST_F(HtmlViewTest, DumpReportsTheSourceAsGivenAndTheLinksOnScreen) {
  SendMessage(view, WM_SETTEXT, 0, LParamFromPointer(u""));
  const WideString first = kThreeLinks.substr(0, 40);
  const WideString rest = kThreeLinks.substr(40);
  SendMessage(view, DTM_ADDTEXTW, 0, LParamFromPointer(first.c_str()));
  SendMessage(view, DTM_ADDTEXTW, 0, LParamFromPointer(rest.c_str()));
  SendMessage(view, DTM_ADDTEXTW, 0, 0);  // a null text adds nothing
  SendMessage(view, DTM_ENDOFSOURCE, 0, 0);
  EXPECT_EQ(Utf8ToWide(*Dump().Find("html")->AsString()), kThreeLinks);
  const auto links = DumpedLinks();
  ASSERT_EQ(links.size(), 3u);
  EXPECT_EQ(links[0].first, "ONE");
  EXPECT_EQ(links[1].first, "TWO_2");
  EXPECT_EQ(links[2].first, "CLOSE_WND");
  for (const auto& [href, r] : links) {
    EXPECT_GE(r.left, 4) << href;
    EXPECT_LE(r.right, 236) << href;
    EXPECT_GE(r.top, 30) << href;
  }
}

TEST_F(HtmlViewTest, TappingEachLinkDeliversExactlyItsTarget) {
  Show(kThreeLinks);
  const auto links = DumpedLinks();
  ASSERT_EQ(links.size(), 3u);
  for (const auto& link : links) test.Tap(Centre(link.second));
  test.Tap({200, 220});  // beside the links: nothing
  Run();
  EXPECT_EQ(parentProcedure->targets, (std::vector<WideString>{u"ONE", u"TWO_2", u"CLOSE_WND"}));
  EXPECT_EQ(GetFocus(), view);
}

TEST_F(HtmlViewTest, KeysMoveAFocusOverTheLinksAndEnterActivatesIt) {
  Show(kThreeLinks);
  SetFocus(view);
  Keys({VK_TAB, VK_RETURN, VK_TAB, VK_RETURN, VK_RIGHT, VK_RETURN, VK_LEFT, VK_LEFT, VK_RETURN});
  Run();
  EXPECT_EQ(parentProcedure->targets, (std::vector<WideString>{u"ONE", u"TWO_2", u"CLOSE_WND", u"ONE"}));
  EXPECT_EQ(GetFocus(), view);
  EXPECT_EQ(State("focusedLink"), 0);
}

TEST_F(HtmlViewTest, ShiftTabStartsAtTheLastLinkAndTabLeavesAfterIt) {
  Show(kThreeLinks);
  SetFocus(view);
  Keys({VK_TAB}, true);
  test.Key(VK_RETURN);
  Run();
  EXPECT_EQ(parentProcedure->targets, (std::vector<WideString>{u"CLOSE_WND"}));
  Keys({VK_TAB});
  Run();
  EXPECT_EQ(GetFocus(), button);
  // Without a focused link Enter is the dialog's, not a link's.
  SetFocus(view);
  Keys({VK_RETURN});
  Run();
  EXPECT_EQ(parentProcedure->targets.size(), 1u);
}

TEST_F(HtmlViewTest, PageWithoutLinksGivesTabToTheDialog) {
  Show(u"<p>Nothing to follow here.</p>");
  SetFocus(view);
  Keys({VK_TAB});
  Run();
  EXPECT_EQ(GetFocus(), button);
}

TEST_F(HtmlViewTest, LongPageScrollsByKeysAndByDraggingWithoutFollowingLinksAFingerOnlyBeyondItsWobble) {
  Show(SearchResultPage(60));
  const std::int64_t pageHeight = State("pageHeight");
  ASSERT_GT(pageHeight, 2000);
  SetFocus(view);
  Keys({VK_DOWN});
  Run();
  const std::int64_t line = State("scrollTop");
  EXPECT_GT(line, 0);
  Keys({VK_NEXT});
  Run();
  EXPECT_GT(State("scrollTop"), line + 100);
  Keys({VK_END});
  Run();
  EXPECT_EQ(State("scrollTop"), pageHeight - 200);
  EXPECT_EQ(DumpedLinks().back().first, "CLOSE_WND");
  Keys({VK_UP, VK_HOME});
  Run();
  EXPECT_EQ(State("scrollTop"), 0);

  // A drag that starts on a link scrolls the page and follows nothing.
  const POINT start = Centre(DumpedLinks().front().second);
  test.Then([start](Desktop& d) {
    d.Input().StylusDown(start);
    d.Input().StylusMove({start.x, start.y - 30});
    d.Input().StylusMove({start.x, start.y - 90});
    d.Input().StylusUp({start.x, start.y - 90});
  });
  Run();
  EXPECT_EQ(State("scrollTop"), 90);
  EXPECT_TRUE(parentProcedure->targets.empty());
  // Dragging past the top stops there.
  test.Then([](Desktop& d) {
    d.Input().StylusDown({100, 100});
    d.Input().StylusMove({100, 300});
    d.Input().StylusUp({100, 300});
  });
  Run();
  EXPECT_EQ(State("scrollTop"), 0);

  // A finger wobbling 5 pixels on a link taps it, where the stylus drags;
  // a finger's long drag carries the page with it as the stylus's does.
  const auto press = [this](POINT from, LONG dy, InputRouter::Pointer pointer) {
    test.Then([=](Desktop& d) {
      d.Input().StylusDown(from, pointer);
      d.Input().StylusMove({from.x, from.y + dy}, pointer);
      d.Input().StylusUp({from.x, from.y + dy}, pointer);
    });
    Run();
  };
  press(start, -5, InputRouter::Pointer::Touch);
  EXPECT_EQ(State("scrollTop"), 0);
  ASSERT_EQ(parentProcedure->targets.size(), 1u);
  press(start, -5, InputRouter::Pointer::Stylus);
  EXPECT_EQ(State("scrollTop"), 5);
  press({100, 150}, -90, InputRouter::Pointer::Touch);
  EXPECT_EQ(State("scrollTop"), 95);
  EXPECT_EQ(parentProcedure->targets.size(), 1u);
}

TEST_F(HtmlViewTest, WheelScrollsThreeLinesANotchAndTheThumbFollowsTheStylus) {
  Show(SearchResultPage(60));
  const std::int64_t maxScroll = State("pageHeight") - 200;
  SetFocus(view);
  Keys({VK_DOWN});
  Run();
  const std::int64_t line = State("scrollTop");
  Keys({VK_HOME});
  Run();
  const auto turn = [this](int notches) {
    SendMessage(view, WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(std::int16_t(notches * WHEEL_DELTA))), 0);
  };
  turn(-2);  // towards the reader: further down the page
  EXPECT_EQ(State("scrollTop"), 6 * line);
  turn(1);
  EXPECT_EQ(State("scrollTop"), 3 * line);
  turn(5);
  EXPECT_EQ(State("scrollTop"), 0);

  // The thumb sits in the last three pixels of the view (x 233..235 on
  // screen); dragging it down moves the page down, and a drag over the
  // whole track reaches the end of the page, without following a link.
  const auto dragThumb = [this](LONG fromY, LONG toY) {
    test.Then([fromY, toY](Desktop& d) {
      d.Input().StylusDown({234, fromY});
      d.Input().StylusMove({234, (fromY + toY) / 2});
      d.Input().StylusMove({234, toY});
      d.Input().StylusUp({234, toY});
    });
    Run();
  };
  dragThumb(34, 64);
  const std::int64_t afterShortDrag = State("scrollTop");
  EXPECT_GT(afterShortDrag, 30);
  EXPECT_LT(afterShortDrag, maxScroll);
  dragThumb(40, 240);
  EXPECT_EQ(State("scrollTop"), maxScroll);
  dragThumb(220, 20);
  EXPECT_EQ(State("scrollTop"), 0);
  EXPECT_TRUE(parentProcedure->targets.empty());
}

TEST_F(HtmlViewTest, TabScrollsTheFocusedLinkIntoView) {
  Show(SearchResultPage(30));
  SetFocus(view);
  Keys({VK_END, VK_TAB}, true);  // Shift+End scrolls too; Shift+Tab takes the last link on screen
  Run();
  EXPECT_EQ(DumpedLinks().back().first, "CLOSE_WND");
  for (int i = 0; i < 31; ++i) test.Key(VK_LEFT);
  Run();
  EXPECT_EQ(State("focusedLink"), 0);
  EXPECT_EQ(DumpedLinks().front().first, "STARLINK_0");
}

TEST_F(HtmlViewTest, ParentMayReplaceThePageWhileALinkIsReported) {
  Show(kThreeLinks);
  parentProcedure->onHotspot = [](HWND from) {
    SendMessage(from, WM_SETTEXT, 0, LParamFromPointer(u""));
    const WideString next = u"<a href=\"NEXT\">next page</a>";
    SendMessage(from, DTM_ADDTEXTW, 0, LParamFromPointer(next.c_str()));
    SendMessage(from, DTM_ENDOFSOURCE, 0, 0);
  };
  test.Tap(Centre(DumpedLinks()[1].second));
  Run();
  EXPECT_EQ(parentProcedure->targets, (std::vector<WideString>{u"TWO_2"}));
  EXPECT_EQ(DumpedLinks().front().first, "NEXT");

  // Destroying the view from the notification is survived as well.
  parentProcedure->onHotspot = [](HWND from) { DestroyWindow(from); };
  SetFocus(view);
  Keys({VK_TAB, VK_RETURN});
  Run();
  EXPECT_FALSE(IsWindow(view));
  EXPECT_EQ(parentProcedure->targets.back(), u"NEXT");
}

TEST_F(HtmlViewTest, PlainTextAndSetTextShowTheirTextAsWritten) {
  SendMessage(view, WM_SETTEXT, 0, LParamFromPointer(u""));
  SendMessage(view, DTM_ADDTEXTW, 1, LParamFromPointer(u"<a href=\"X\">not a link</a>"));
  SendMessage(view, DTM_ENDOFSOURCE, 0, 0);
  EXPECT_TRUE(DumpedLinks().empty());
  SendMessage(view, WM_SETTEXT, 0, LParamFromPointer(u"<a href=\"Y\">a link</a>"));
  ASSERT_EQ(DumpedLinks().size(), 1u);
  EXPECT_EQ(DumpedLinks()[0].first, "Y");
}

namespace {

// Pixels of `area` whose colour passes `test`.
template <class Test>
int PixelsWhere(const Surface& screen, const RECT& area, Test test) {
  int count = 0;
  for (LONG y = area.top; y < area.bottom; ++y)
    for (LONG x = area.left; x < area.right; ++x) count += test(screen.GetPixel(x, y));
  return count;
}

int LeakingPixels(const Surface& screen, const RECT& area) {
  return PixelsWhere(screen, area, [](COLORREF c) { return GetGValue(c) != 0 || GetBValue(c) != 0; });
}

}  // namespace

TEST_F(HtmlViewTest, AtNightTheDefaultsLinksFocusAndScrollBarAreRedAndTheReaderKeepsHisPlace) {
  const RECT area{4, 30, 236, 230};
  Show(SearchResultPage(30));
  SetFocus(view);
  Keys({VK_NEXT, VK_TAB});
  Run();
  const std::int64_t top = State("scrollTop");
  const std::int64_t link = State("focusedLink");
  ASSERT_GT(top, 0);
  ASSERT_GE(link, 0);
  ASSERT_GT(LeakingPixels(test.desktop.Screen().Compose(), area), 1000);  // white page, blue links

  ASSERT_TRUE(SetSysColorScheme(SYSCOLORSCHEME_NIGHT));
  Run();
  const Surface night = test.desktop.Screen().Compose();
  EXPECT_EQ(LeakingPixels(night, area), 0);
  EXPECT_EQ(State("scrollTop"), top);
  EXPECT_EQ(State("focusedLink"), link);
  EXPECT_EQ(night.GetPixel(area.left + 1, area.bottom - 2), GetSysColor(COLOR_WINDOW));
  // Text, the links in it, the focus frame and the scroll bar all show.
  EXPECT_GT(PixelsWhere(night, area, [](COLORREF c) { return c == GetSysColor(COLOR_WINDOWTEXT); }), 500);
  EXPECT_EQ(night.GetPixel(area.right - 1, area.top), GetSysColor(COLOR_SCROLLBAR));

  // On a page of its own bright red, the links and their focus stay black.
  Show(kThreeLinks);
  Keys({VK_TAB});
  Run();
  const Surface red = test.desktop.Screen().Compose();
  EXPECT_EQ(LeakingPixels(red, area), 0);
  const RECT first = DumpedLinks().front().second;
  const RECT around{first.left - 1, first.top - 1, first.right + 1, first.bottom + 1};
  EXPECT_GT(PixelsWhere(red, around, [](COLORREF c) { return c == RGB(0, 0, 0); }), first.right - first.left);

  // A rule is drawn in the greyed-text colour.
  Show(u"<p>above</p><hr><p>below</p>");
  Run();
  const Surface rule = test.desktop.Screen().Compose();
  EXPECT_EQ(LeakingPixels(rule, area), 0);
  EXPECT_GT(PixelsWhere(rule, area, [](COLORREF c) { return c == GetSysColor(COLOR_GRAYTEXT); }), 100);
}
