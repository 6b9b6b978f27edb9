#include <gtest/gtest.h>

#include "platform/menus/MenuApi.h"
#include "platform/menus/MenuViewport.h"
#include "tests/platform/menus/TestMenus.h"
#include "tests/platform/windows/TestDesktop.h"

namespace {

struct MenuModel : ::testing::Test {
  MenuModel() { RegisterMenuResource(kTestMenu); }
  TestDesktop test;
};

TEST_F(MenuModel, ALoadedResourceHasItsPopUpsAsSubMenus) {
  CMenu menu;
  ASSERT_TRUE(menu.LoadMenu(246));
  CMenu* popup = menu.GetSubMenu(0);
  ASSERT_NE(popup, nullptr);
  EXPECT_EQ(popup, menu.GetSubMenu(0));
  EXPECT_EQ(popup->GetMenuItemCount(), int(kPopup.size()));
  EXPECT_EQ(popup->GetMenuItemID(0), kRed);
  EXPECT_EQ(popup->GetMenuItemID(kMagnitudeItem), 0xFFFFFFFFu);
  EXPECT_EQ(popup->GetMenuState(2, MF_BYPOSITION) & MF_SEPARATOR, MF_SEPARATOR);
  const HMENU magnitudes = GetSubMenu(*popup, kMagnitudeItem);
  EXPECT_EQ(GetMenuItemCount(magnitudes), 4);
  EXPECT_EQ(GetMenuItemCount(GetSubMenu(magnitudes, 3)), 1);
  EXPECT_EQ(GetSubMenu(*popup, 0), nullptr);
  EXPECT_EQ(GetSubMenu(*popup, 99), nullptr);
  EXPECT_EQ(GetSubMenu(*popup, -1), nullptr);
}

TEST_F(MenuModel, AResourceIdIsRegisteredOnceAndAnUnknownIdLoadsNothing) {
  EXPECT_FALSE(RegisterMenuResource(kTestMenu));
  EXPECT_EQ(LoadMenu(nullptr, 999), nullptr);
  EXPECT_EQ(LoadMenuIndirect(nullptr), nullptr);
  CMenu menu;
  EXPECT_FALSE(menu.LoadMenu(999));
}

TEST_F(MenuModel, CheckAndGreyByCommandReachIntoSubMenusAndAnswerThePreviousState) {
  CMenu menu;
  menu.LoadMenuIndirect(&kTestMenu);
  CMenu& popup = *menu.GetSubMenu(0);
  EXPECT_EQ(popup.CheckMenuItem(kRed, MF_BYCOMMAND | MF_UNCHECKED), MF_CHECKED);
  EXPECT_EQ(popup.CheckMenuItem(kRed, MF_BYCOMMAND | MF_UNCHECKED), MF_UNCHECKED);
  EXPECT_EQ(popup.CheckMenuItem(kLines, MF_BYCOMMAND | MF_CHECKED), MF_UNCHECKED);
  EXPECT_EQ(popup.GetMenuState(kLines, MF_BYCOMMAND) & MF_CHECKED, MF_CHECKED);

  EXPECT_EQ(popup.EnableMenuItem(kInfo, MF_BYCOMMAND | MF_ENABLED), MF_GRAYED);
  EXPECT_EQ(popup.EnableMenuItem(kCenter, MF_BYCOMMAND | MF_GRAYED), MF_ENABLED);
  EXPECT_EQ(popup.GetMenuState(kCenter, MF_BYCOMMAND) & MF_GRAYED, MF_GRAYED);
  EXPECT_EQ(popup.EnableMenuItem(0, MF_BYPOSITION | MF_GRAYED), MF_ENABLED);
  EXPECT_EQ(popup.GetMenuState(0, MF_BYPOSITION) & MF_GRAYED, MF_GRAYED);

  EXPECT_EQ(popup.CheckMenuItem(12345, MF_BYCOMMAND | MF_CHECKED), 0xFFFFFFFFu);
  EXPECT_EQ(popup.EnableMenuItem(99, MF_BYPOSITION | MF_GRAYED), 0xFFFFFFFFu);
}

TEST_F(MenuModel, EachLoadIsIndependentOfTheOthers) {
  CMenu first;
  CMenu second;
  first.LoadMenu(246);
  second.LoadMenu(246);
  first.GetSubMenu(0)->CheckMenuItem(kRed, MF_BYCOMMAND | MF_UNCHECKED);
  EXPECT_EQ(second.GetSubMenu(0)->GetMenuState(kRed, MF_BYCOMMAND) & MF_CHECKED, MF_CHECKED);
}

TEST_F(MenuModel, DestroyingAMenuTakesItsSubMenusAndLeavesStaleHandlesHarmless) {
  const std::size_t before = test.desktop.Menus().Count();
  const HMENU bar = LoadMenu(nullptr, 246);
  const HMENU popup = GetSubMenu(bar, 0);
  const HMENU magnitudes = GetSubMenu(popup, kMagnitudeItem);
  EXPECT_TRUE(DestroyMenu(magnitudes));
  EXPECT_EQ(GetMenuItemCount(popup), int(kPopup.size()) - 1);
  EXPECT_TRUE(DestroyMenu(bar));
  EXPECT_EQ(test.desktop.Menus().Count(), before);
  EXPECT_FALSE(IsMenu(popup));
  EXPECT_FALSE(DestroyMenu(bar));
  EXPECT_EQ(GetMenuItemCount(popup), -1);
  EXPECT_EQ(CheckMenuItem(popup, kRed, MF_CHECKED), 0xFFFFFFFFu);
  EXPECT_FALSE(TrackPopupMenuEx(popup, 0, 0, 0, nullptr, nullptr));
}

TEST_F(MenuModel, ASubMenuObjectBorrowsAndTheLoadedMenuOwns) {
  HMENU popup = nullptr;
  {
    CMenu menu;
    menu.LoadMenu(246);
    popup = menu.GetSubMenu(0)->m_hMenu;
    EXPECT_FALSE(menu.GetSubMenu(0)->DestroyMenu());
    EXPECT_TRUE(IsMenu(popup));
  }
  EXPECT_FALSE(IsMenu(popup));
}

TEST_F(MenuModel, AppendedSubMenusBelongToOneParentAndNeverFormALoop) {
  const HMENU outer = CreatePopupMenu();
  const HMENU inner = CreatePopupMenu();
  EXPECT_TRUE(AppendMenu(outer, MF_STRING, 7, u"&Seven"));
  EXPECT_TRUE(AppendMenu(outer, MF_SEPARATOR, 0, nullptr));
  EXPECT_TRUE(AppendMenu(outer, MF_POPUP, UINT_PTR(NumberOfHandle(inner)), u"&Inner"));
  EXPECT_FALSE(AppendMenu(outer, MF_POPUP, UINT_PTR(NumberOfHandle(inner)), u"Again"));
  EXPECT_FALSE(AppendMenu(inner, MF_POPUP, UINT_PTR(NumberOfHandle(outer)), u"Loop"));
  EXPECT_FALSE(AppendMenu(outer, MF_POPUP, UINT_PTR(NumberOfHandle(outer)), u"Self"));
  EXPECT_EQ(GetMenuItemCount(outer), 3);
  EXPECT_EQ(GetSubMenu(outer, 2), inner);
  DestroyMenu(outer);
  EXPECT_FALSE(IsMenu(inner));
}

TEST(MenuWithoutDesktop, EveryCallFailsQuietly) {
  EXPECT_EQ(CreatePopupMenu(), nullptr);
  EXPECT_FALSE(RegisterMenuResource(kTestMenu));
  EXPECT_EQ(GetMenuItemCount(nullptr), -1);
  CMenu menu;
  EXPECT_FALSE(menu.LoadMenu(246));
}

TEST(MenuLayout, APopUpGoesTopLeftAtThePointAndMovesOnlyAsFarAsTheScreenNeeds) {
  const SIZE screen{240, 320};
  EXPECT_EQ(PlacePopupMenu({100, 200}, {20, 30}, 0, screen), (RECT{20, 30, 120, 230}));
  EXPECT_EQ(PlacePopupMenu({100, 200}, {219, 25}, 0, screen), (RECT{140, 25, 240, 225}));
  EXPECT_EQ(PlacePopupMenu({100, 200}, {10, 300}, 0, screen), (RECT{10, 120, 110, 320}));
  EXPECT_EQ(PlacePopupMenu({100, 200}, {120, 300}, TPM_RIGHTALIGN | TPM_BOTTOMALIGN, screen),
            (RECT{20, 100, 120, 300}));
  EXPECT_EQ(PlacePopupMenu({100, 200}, {-50, -9}, 0, screen), (RECT{0, 0, 100, 200}));
  // Larger than the screen: the top-left corner stays on it.
  EXPECT_EQ(PlacePopupMenu({300, 400}, {50, 50}, 0, screen), (RECT{0, 0, 300, 400}));
}

TEST(MenuLayout, ASubMenuOpensRightOfItsParentElseLeftElseWhereTheScreenAllows) {
  const SIZE screen{240, 320};
  const RECT parent{10, 30, 110, 230};
  const RECT item{11, 60, 109, 77};
  EXPECT_EQ(PlaceSubMenu({60, 80}, item, parent, 1, screen), (RECT{109, 59, 169, 139}));
  const RECT rightParent{140, 30, 240, 230};
  const RECT rightItem{141, 60, 239, 77};
  EXPECT_EQ(PlaceSubMenu({60, 80}, rightItem, rightParent, 1, screen), (RECT{81, 59, 141, 139}));
  // No room on either side: inside the screen, over the parent.
  EXPECT_EQ(PlaceSubMenu({200, 80}, rightItem, rightParent, 1, screen), (RECT{40, 59, 240, 139}));
  const RECT lowItem{141, 290, 239, 307};
  EXPECT_EQ(PlaceSubMenu({60, 80}, lowItem, rightParent, 1, screen), (RECT{81, 240, 141, 320}));
}

TEST(MenuLayout, ItemsStackWithNarrowSeparatorsAndRoomForChecksAndArrows) {
  std::vector<MenuItem> items(3);
  items[0].text = u"&Red";
  items[1].flags = MF_SEPARATOR;
  items[2].text = u"Wider text";
  const MenuMetrics m = MenuMetricsFor(1);
  const auto measure = [](std::u16string_view text) { return LONG(text.size() * 6); };
  MenuGeometry plain = LayOutMenu(items, m, measure);
  EXPECT_EQ(plain.size.cx, 2 * m.border + m.checkColumn + 60 + m.textMargin);
  EXPECT_EQ(plain.size.cy, 2 * m.border + 2 * m.itemHeight + m.separatorHeight);
  EXPECT_EQ(plain.items[1], (RECT{m.border, m.border + m.itemHeight, plain.size.cx - m.border,
                                  m.border + m.itemHeight + m.separatorHeight}));
  items[0].subMenu = HandleFromNumber<HMENU>(5);
  EXPECT_EQ(LayOutMenu(items, m, measure).size.cx, plain.size.cx + m.arrowColumn);
  EXPECT_EQ(MenuMetricsFor(2).itemHeight, 2 * m.itemHeight);
}

TEST(MenuViewport, ATallMenuShowsWholeItemsBetweenItsArrowsAndScrollsWithinItsEnds) {
  std::vector<MenuItem> items(10);
  for (MenuItem& item : items) item.text = u"Item";
  items[4].flags = MF_SEPARATOR;
  const MenuMetrics m = MenuMetricsFor(1);
  const MenuGeometry geometry = LayOutMenu(items, m, [](std::u16string_view) { return LONG(40); });
  // Room for three and a half rows between the arrows: three are shown.
  const LONG height = 2 * m.border + 2 * m.scrollArrowHeight + 3 * m.itemHeight + m.itemHeight / 2;
  MenuViewport view(geometry, {geometry.size.cx, height}, m);
  ASSERT_TRUE(view.Scrolls());
  EXPECT_TRUE(view.Shows(2));
  EXPECT_FALSE(view.Shows(3));
  EXPECT_EQ(view.ItemRect(0).top, m.border + m.scrollArrowHeight);
  EXPECT_FALSE(view.CanScroll(-1));
  EXPECT_FALSE(view.ScrollBy(-1));

  EXPECT_TRUE(view.Reveal(9));  // the last row comes in at the bottom
  EXPECT_TRUE(view.Shows(9));
  EXPECT_LE(view.ItemRect(9).bottom, view.DownArrow().top);
  EXPECT_FALSE(view.CanScroll(+1));
  EXPECT_FALSE(view.ScrollBy(+5));
  EXPECT_TRUE(view.Reveal(0));  // and the first at the top
  EXPECT_EQ(view.First(), 0);

  // A window too low for a single row scrolls to the end and stops; nothing is shown.
  MenuViewport tiny(geometry, {geometry.size.cx, 2 * m.border + 2 * m.scrollArrowHeight + 2}, m);
  EXPECT_TRUE(tiny.Reveal(9));
  EXPECT_EQ(tiny.First(), 9);
  EXPECT_FALSE(tiny.Shows(9));

  // A menu that fits does not scroll, and a menu wider than its window is cut at its edge.
  const MenuViewport fits(geometry, {30, geometry.size.cy}, m);
  EXPECT_FALSE(fits.Scrolls());
  EXPECT_TRUE(fits.Shows(9));
  EXPECT_EQ(fits.ItemRect(0).right, 30 - m.border);
  EXPECT_EQ(fits.UpArrow(), RECT{});
}

TEST(MenuLayout, AccessKeysFollowASingleAmpersandAndFoldCase) {
  const auto key = FindAccessKey(u"Ma&ximum magnitude");
  ASSERT_TRUE(key);
  EXPECT_EQ(key->key, u'x');
  EXPECT_EQ(key->position, 2u);
  const auto afterDouble = FindAccessKey(u"A&&B &Cat");
  ASSERT_TRUE(afterDouble);
  EXPECT_EQ(afterDouble->key, u'c');
  EXPECT_EQ(afterDouble->position, 4u);
  EXPECT_FALSE(FindAccessKey(u">10"));
  EXPECT_FALSE(FindAccessKey(u"Tom && Jerry"));
  EXPECT_FALSE(FindAccessKey(u"Trailing&"));
  EXPECT_EQ(AccessKeyForVirtualKey('S'), u's');
  EXPECT_EQ(AccessKeyForVirtualKey('6'), u'6');
  EXPECT_EQ(AccessKeyForVirtualKey(0x25), u'\0');
}

}  // namespace
