#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "platform/gdi/PngCodec.h"
#include "platform/menus/MenuApi.h"
#include "platform/windows/SystemApi.h"
#include "platform/windows/WindowDump.h"
#include "tests/platform/menus/TestMenus.h"
#include "tests/platform/windows/RecordingWindow.h"
#include "tests/platform/windows/TestDesktop.h"

namespace {

constexpr COLORREF kMapColour = RGB(0, 0, 40);

struct Shot {
  Surface screen{1, 1, 32};
  std::vector<RECT> menus;               // bottom to top
  std::vector<std::vector<RECT>> items;  // per menu, screen pixels
};

// Opens the test menu under a button-like point near the top-right corner,
// as the program opens its menu, with "Se&lected object" open, and takes
// the screen.
Shot TakeShot(LONG width, LONG height) {
  DeviceProfile profile = TestDesktop::DefaultProfile();
  profile.width = width;
  profile.height = height;
  TestDesktop test(profile);
  auto owner = std::make_shared<RecordingWindow>();
  owner->fill = kMapColour;
  WindowCreation creation;
  creation.className = u"Owner";
  creation.style = WS_POPUP | WS_VISIBLE;
  creation.rect = {0, 0, width, height};
  const HWND window = test.desktop.CreateWindow(creation, nullptr, owner);

  CMenu menu;
  menu.LoadMenuIndirect(&kTestMenu);
  CMenu& popup = *menu.GetSubMenu(0);
  popup.EnableMenuItem(kReset, MF_BYCOMMAND | MF_GRAYED);

  Shot shot;
  test.Key('L');
  test.Then([&](Desktop& d) {
    shot.screen = d.Screen().Compose();
    const DumpValue dump = DumpDesktop(d);
    for (const DumpValue& w : *dump.AsObject()->Find("windows")->AsArray()) {
      const DumpObject& top = *w.AsObject();
      if (*top.Find("class")->AsString() != "Menu") continue;
      auto rectOf = [](const DumpValue& v) {
        const DumpArray& r = *v.AsArray();
        return RECT{LONG(*r[0].AsInteger()), LONG(*r[1].AsInteger()), LONG(*r[2].AsInteger()),
                    LONG(*r[3].AsInteger())};
      };
      shot.menus.push_back(rectOf(*top.Find("rect")));
      shot.items.emplace_back();
      for (const DumpValue& item : *top.Find("items")->AsArray())
        shot.items.back().push_back(item.AsObject()->Find("rect") ? rectOf(*item.AsObject()->Find("rect"))
                                                                  : RECT{});
    }
  });
  test.Key(VK_ESCAPE);
  test.Key(VK_ESCAPE);
  const LONG scale = width >= 480 ? 2 : 1;
  popup.TrackPopupMenuEx(0, width - 21 * scale, 25 * scale, window);

  if (const char* folder = std::getenv("VESPERA_MENU_SHOTS")) {
    const auto file = std::filesystem::path(folder) /
                      ("menu-" + std::to_string(width) + "x" + std::to_string(height) + ".png");
    EXPECT_TRUE(SaveSurfacePng(shot.screen, file));
  }
  return shot;
}

int CountPixels(const Surface& s, const RECT& area, const std::function<bool(COLORREF)>& match) {
  int count = 0;
  for (LONG y = area.top; y < area.bottom; ++y)
    for (LONG x = area.left; x < area.right; ++x) count += match(s.GetPixel(x, y)) ? 1 : 0;
  return count;
}

bool IsDark(COLORREF c) { return GetRValue(c) < 100 && GetGValue(c) < 100 && GetBValue(c) < 100; }

class MenuPicture : public ::testing::TestWithParam<SIZE> {};

TEST_P(MenuPicture, ShowsChecksGreyedTextArrowsAndTheHighlightBar) {
  const SIZE size = GetParam();
  const LONG scale = size.cx >= 480 ? 2 : 1;
  const Shot shot = TakeShot(size.cx, size.cy);
  ASSERT_EQ(shot.menus.size(), 2u);
  const Surface& s = shot.screen;
  const std::vector<RECT>& items = shot.items[0];
  const MenuMetrics m = MenuMetricsFor(scale);

  // A black frame round a white menu, over the owner's colour.
  const RECT& outer = shot.menus[0];
  EXPECT_EQ(s.GetPixel(outer.left, outer.top + 40 * scale), RGB(0, 0, 0));
  EXPECT_EQ(s.GetPixel(outer.left - 1, outer.top + 40 * scale), kMapColour);
  EXPECT_EQ(s.GetPixel(items[0].right - 2, items[0].top + 2), RGB(255, 255, 255));

  // The check mark of "&Red screen mode", and none beside "S&how ...".
  const RECT check0{items[0].left, items[0].top, items[0].left + m.checkColumn, items[0].bottom};
  const RECT check1{items[1].left, items[1].top, items[1].left + m.checkColumn, items[1].bottom};
  EXPECT_GT(CountPixels(s, check0, IsDark), 10 * scale * scale);
  EXPECT_EQ(CountPixels(s, check1, IsDark), 0);

  // The arrow of a sub-menu item, at the right end of its row (the other
  // one lies under the open sub-menu).
  const RECT& row = items[kMagnitudeItem];
  const RECT arrow{row.right - m.arrowColumn, row.top, row.right, row.bottom};
  EXPECT_GT(CountPixels(s, arrow, [](COLORREF c) { return c == RGB(0, 0, 0); }), 8 * scale * scale);

  // The opened item carries the highlight bar; the greyed "Reset &view" has
  // grey text and no black. The menu opens near the right edge, so its
  // sub-menu goes to its left and leaves the row uncovered.
  const RECT& opened = items[kSelectedItem];
  EXPECT_EQ(s.GetPixel(opened.left + 1, opened.top + 1), GetSysColor(COLOR_HIGHLIGHT));
  const RECT& sub = shot.menus[1];
  ASSERT_LE(sub.right, outer.left + m.border);
  const RECT& greyed = items[5];
  EXPECT_EQ(CountPixels(s, greyed, [](COLORREF c) { return c == RGB(0, 0, 0); }), 0);
  EXPECT_GT(CountPixels(s, greyed, [](COLORREF c) { return c == GetSysColor(COLOR_GRAYTEXT); }), 5);

  // The sub-menu is on screen and its first, greyed item is highlighted.
  EXPECT_GE(sub.left, 0);
  EXPECT_LE(sub.right, size.cx);
  const RECT& showInfo = shot.items[1][0];
  EXPECT_EQ(s.GetPixel(showInfo.left + 1, showInfo.top + 1), GetSysColor(COLOR_HIGHLIGHT));
  EXPECT_GT(CountPixels(s, showInfo, [](COLORREF c) { return c == GetSysColor(COLOR_BTNFACE); }), 5);
}

INSTANTIATE_TEST_SUITE_P(BothScreenSizes, MenuPicture, ::testing::Values(SIZE{240, 320}, SIZE{480, 640}),
                         [](const auto& info) {
                           return std::to_string(info.param.cx) + "x" + std::to_string(info.param.cy);
                         });

}  // namespace
