// The program menu on every screen the program supports: each command is
// reached by the stylus (scrolling with the arrows where the menu is taller
// than the screen) and by the keys, shown inside the screen when chosen, and
// answers its own id.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "platform/menus/MenuApi.h"
#include "platform/menus/MenuLayout.h"
#include "platform/menus/MenuTracker.h"
#include "resources/ProgramMenu.h"
#include "tests/platform/menus/OpenMenuDump.h"
#include "tests/platform/windows/RecordingWindow.h"
#include "tests/platform/windows/TestDesktop.h"

using namespace vespera;

namespace {

constexpr std::size_t kProgramMenuLastItem = 17;  // "&Exit"

// A command and the item positions that lead to it from the top level.
struct Route {
  UINT id;
  std::vector<std::size_t> path;
};

void CollectRoutes(const Menu& menu, const MenuStore& store, std::vector<std::size_t>& path,
                   std::vector<Route>& out) {
  for (std::size_t i = 0; i < menu.items.size(); ++i) {
    const MenuItem& item = menu.items[i];
    if (item.IsSeparator()) continue;
    path.push_back(i);
    if (item.IsPopup())
      CollectRoutes(*store.Find(item.subMenu), store, path, out);
    else
      out.push_back({item.id, path});
    path.pop_back();
  }
}

bool Inside(const RECT& inner, const RECT& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

void Press(Desktop& d, POINT p) {
  d.Input().StylusDown(p);
  d.Input().StylusUp(p);
}

class ProgramMenuReach : public ::testing::TestWithParam<SIZE> {
 protected:
  ProgramMenuReach() : test(Profile()) {
    owner = test.desktop.CreateWindow(OwnerCreation(), nullptr, recorder);
    menu.LoadMenuIndirect(&kProgramMenu);
    popup = menu.GetSubMenu(0);
    std::vector<std::size_t> path;
    CollectRoutes(*test.desktop.Menus().Find(popup->m_hMenu), test.desktop.Menus(), path, routes);
  }

  static DeviceProfile Profile() {
    DeviceProfile profile = TestDesktop::DefaultProfile();
    profile.width = GetParam().cx;
    profile.height = GetParam().cy;
    return profile;
  }
  WindowCreation OwnerCreation() const {
    WindowCreation creation;
    creation.className = u"Owner";
    creation.style = WS_POPUP | WS_VISIBLE;
    creation.rect = {0, 0, Screen().right, Screen().bottom};
    return creation;
  }
  RECT Screen() const { return {0, 0, GetParam().cx, GetParam().cy}; }
  LONG Scale() const { return GetParam().cx >= 480 ? 2 : 1; }
  // Where the program opens its menu: under the "M" button near the top right.
  POINT MenuCorner() const { return {GetParam().cx - 40 * Scale(), 21 * Scale()}; }

  UINT Track() {
    const POINT at = MenuCorner();
    return UINT(popup->TrackPopupMenuEx(TPM_RETURNCMD | TPM_NONOTIFY, at.x, at.y, owner));
  }

  // Checks what every open level shows: inside the screen, and the items it
  // says are shown inside their menu.
  void CheckShown(const std::vector<DumpObject>& menus, UINT id) {
    for (const DumpObject& open : menus) {
      const RECT frame = RectOf(*open.Find("rect"));
      EXPECT_TRUE(Inside(frame, Screen())) << id;
      for (const DumpValue& item : *open.Find("items")->AsArray()) {
        const DumpObject& fields = *item.AsObject();
        if (fields.Find("shown") && *fields.Find("shown")->AsBool()) {
          EXPECT_TRUE(Inside(RectOf(*fields.Find("rect")), frame)) << id;
        }
      }
    }
  }

  // One step that walks the route by the stylus: the item of the current
  // level is tapped once shown, the arrows tapped until it is. It queues
  // itself again until the command is tapped.
  void StylusWalk(const Route& route, std::size_t level = 0, int taps = 0) {
    test.Then([this, route, level, taps](Desktop& d) {
      const std::vector<DumpObject> menus = OpenMenus(d);
      ASSERT_EQ(menus.size(), level + 1) << route.id;
      ASSERT_LT(taps, 40) << route.id;
      CheckShown(menus, route.id);
      const DumpObject& open = menus[level];
      const std::size_t index = route.path[level];
      const DumpObject& item = ItemOf(open, index);
      if (!*item.Find("shown")->AsBool()) {
        const RECT frame = RectOf(*open.Find("rect"));
        const MenuMetrics m = MenuMetricsFor(Scale());
        const bool down = int(index) > *open.Find("firstShown")->AsInteger();
        const LONG y = down ? frame.bottom - m.border - m.scrollArrowHeight / 2
                            : frame.top + m.border + m.scrollArrowHeight / 2;
        Press(d, {(frame.left + frame.right) / 2, y});
        StylusWalk(route, level, taps + 1);
        return;
      }
      const RECT rect = RectOf(*item.Find("rect"));
      Press(d, {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
      if (level + 1 < route.path.size()) StylusWalk(route, level + 1, taps + 1);
    });
  }

  // The keys that reach the route: Down to each item (the highlight starts
  // on none, separators are skipped), Right into a sub-menu (which
  // highlights its first item), then Enter. Before Enter the highlighted
  // item must be the one sought, and shown.
  void KeyWalk(const Route& route) {
    const Menu* level = test.desktop.Menus().Find(popup->m_hMenu);
    for (std::size_t depth = 0; depth < route.path.size(); ++depth) {
      int presses = depth == 0 ? 1 : 0;
      for (std::size_t i = 0; i < route.path[depth]; ++i) presses += level->items[i].IsSeparator() ? 0 : 1;
      for (int i = 0; i < presses; ++i) test.Key(VK_DOWN);
      const MenuItem& item = level->items[route.path[depth]];
      if (item.IsPopup()) {
        test.Key(VK_RIGHT);
        level = test.desktop.Menus().Find(item.subMenu);
      }
    }
    test.Then([this, route](Desktop& d) {
      const std::vector<DumpObject> menus = OpenMenus(d);
      ASSERT_EQ(menus.size(), route.path.size()) << route.id;
      CheckShown(menus, route.id);
      const DumpObject& item = ItemOf(menus.back(), route.path.back());
      EXPECT_TRUE(*item.Find("highlighted")->AsBool()) << route.id;
      EXPECT_TRUE(*item.Find("shown")->AsBool()) << route.id;
    });
    test.Key(VK_RETURN);
  }

  TestDesktop test;
  std::shared_ptr<RecordingWindow> recorder = std::make_shared<RecordingWindow>();
  HWND owner = nullptr;
  CMenu menu;
  CMenu* popup = nullptr;
  std::vector<Route> routes;
};

TEST_P(ProgramMenuReach, EveryCommandIsReachedByStylusAndByKeys) {
  ASSERT_EQ(routes.size(), 26u);
  for (const Route& route : routes) {
    StylusWalk(route);
    EXPECT_EQ(Track(), route.id) << "stylus";
    KeyWalk(route);
    EXPECT_EQ(Track(), route.id) << "keys";
  }
}

TEST_P(ProgramMenuReach, OpensUnderTheButtonWhereItFitsAndInsideTheScreenElsewhere) {
  test.Then([this](Desktop& d) {
    const std::vector<DumpObject> menus = OpenMenus(d);
    ASSERT_EQ(menus.size(), 1u);
    const RECT frame = RectOf(*menus[0].Find("rect"));
    EXPECT_TRUE(Inside(frame, Screen()));
    const POINT at = MenuCorner();
    const bool scrolls = *menus[0].Find("scrolls")->AsBool();
    if (!scrolls && at.y + frame.Height() <= Screen().bottom) {
      EXPECT_EQ(frame.top, at.y);
    }
    if (at.x + frame.Width() <= Screen().right) {
      EXPECT_EQ(frame.left, at.x);
    }
    // A menu that scrolls is as tall as the screen; one that does not shows every item.
    EXPECT_EQ(scrolls, frame.Height() == Screen().bottom);
  });
  test.Key(VK_ESCAPE);
  EXPECT_EQ(Track(), 0u);
}

// The one supported screen where the menu is still taller than the screen.
class ProgramMenuScrolling : public ProgramMenuReach {};

TEST_P(ProgramMenuScrolling, HoldingAScrollArrowRepeatsUntilLiftedOrAtTheEnd) {
  RECT frame{};
  int firstAfterTap = -1;
  int firstWhileHeld = -1;
  int firstAtEnd = -1;
  const MenuMetrics m = MenuMetricsFor(Scale());
  const auto downArrow = [&] { return POINT{(frame.left + frame.right) / 2, frame.bottom - m.border - 1}; };
  const auto first = [](Desktop& d) { return int(*OpenMenus(d).at(0).Find("firstShown")->AsInteger()); };
  test.Then([&](Desktop& d) {
    ASSERT_TRUE(*OpenMenus(d).at(0).Find("scrolls")->AsBool());
    frame = RectOf(*OpenMenus(d).at(0).Find("rect"));
    d.Input().StylusDown(downArrow());
  });
  test.Then([&](Desktop& d) {
    firstAfterTap = first(d);
    test.clock.Advance(kScrollDelayMilliseconds + kScrollRepeatMilliseconds);
  });
  test.Then([&](Desktop& d) {
    firstWhileHeld = first(d);
    d.Input().StylusUp(downArrow());
    d.Input().StylusDown(downArrow());
    test.clock.Advance(kScrollDelayMilliseconds + 40 * kScrollRepeatMilliseconds);
  });
  test.Then([&](Desktop& d) {
    d.Input().StylusUp(downArrow());
    firstAtEnd = first(d);
    test.clock.Advance(10 * kScrollRepeatMilliseconds);
  });
  test.Then([&](Desktop& d) {
    EXPECT_EQ(first(d), firstAtEnd);  // lifted: no more scrolling
    EXPECT_TRUE(*ItemOf(OpenMenus(d).at(0), kProgramMenuLastItem).Find("shown")->AsBool());
    d.Input().KeyDown(VK_ESCAPE);
  });
  Track();
  EXPECT_EQ(firstAfterTap, 1);   // a tap: one item
  EXPECT_EQ(firstWhileHeld, 3);  // held past the delay and one repeat: two more
  EXPECT_GT(firstAtEnd, firstWhileHeld);
}

INSTANTIATE_TEST_SUITE_P(TallerThanTheScreen, ProgramMenuScrolling, ::testing::Values(SIZE{220, 176}),
                         [](const auto&) { return std::string("220x176"); });

INSTANTIATE_TEST_SUITE_P(EveryScreen, ProgramMenuReach,
                         ::testing::Values(SIZE{176, 220}, SIZE{220, 176}, SIZE{240, 240}, SIZE{240, 320},
                                           SIZE{320, 240}, SIZE{480, 640}, SIZE{640, 480}),
                         [](const auto& info) {
                           return std::to_string(info.param.cx) + "x" + std::to_string(info.param.cy);
                         });

}  // namespace
