// The day and night system colours: the night scheme leaks no green or blue
// and stays legible, and a switch reaches and repaints every open window.
// The display's night filter: what is shown is red only, no brighter than
// its level, while the screen's own pixels stay as drawn.

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>
#include <vector>

#include "platform/windows/DisplayFilter.h"
#include "platform/windows/SystemApi.h"
#include "tests/platform/windows/RecordingWindow.h"
#include "tests/platform/windows/TestDesktop.h"

namespace {

constexpr int kLastIndex = 40;

TEST(SystemColours, TheNightSchemeHasNoGreenOrBlueAndKeepsTextApartFromItsGround) {
  for (int index = 0; index <= kLastIndex; ++index) {
    const COLORREF night = SystemColour(index, SYSCOLORSCHEME_NIGHT);
    EXPECT_EQ(GetGValue(night), 0) << index;
    EXPECT_EQ(GetBValue(night), 0) << index;
  }
  // Each pair the platform draws one on the other must differ clearly in red.
  const std::pair<int, int> inkOnGround[] = {
      {COLOR_WINDOWTEXT, COLOR_WINDOW},    {COLOR_HIGHLIGHTTEXT, COLOR_HIGHLIGHT}, {COLOR_BTNTEXT, COLOR_BTNFACE},
      {COLOR_GRAYTEXT, COLOR_WINDOW},      {COLOR_WINDOWFRAME, COLOR_WINDOW},      {COLOR_3DDKSHADOW, COLOR_SCROLLBAR},
      {COLOR_HIGHLIGHTTEXT, COLOR_BTNSHADOW}, {COLOR_HOTLIGHT, COLOR_WINDOW},     {COLOR_BTNTEXT, COLOR_BTNSHADOW}};
  for (const auto& [ink, ground] : inkOnGround)
    EXPECT_GE(std::abs(GetRValue(SystemColour(ink, SYSCOLORSCHEME_NIGHT)) -
                       GetRValue(SystemColour(ground, SYSCOLORSCHEME_NIGHT))),
              64)
        << ink << " on " << ground;
  // Dim: nothing at the full red the program keeps for its own windows.
  for (int index = 0; index <= kLastIndex; ++index)
    EXPECT_LT(GetRValue(SystemColour(index, SYSCOLORSCHEME_NIGHT)), 255) << index;
  // An unknown scheme reads as day.
  EXPECT_EQ(SystemColour(COLOR_WINDOW, 7), SystemColour(COLOR_WINDOW, SYSCOLORSCHEME_DAY));
}

struct SchemeFixture : ::testing::Test {
  SchemeFixture() {
    RegisterRecordingClass(test.desktop, created);
    top = CreateWindowEx(0, u"Recording", u"", WS_POPUP | WS_VISIBLE, 0, 0, 240, 320, nullptr, 0, nullptr,
                         nullptr);
    CreateWindowEx(0, u"Recording", u"", WS_CHILD | WS_VISIBLE, 20, 30, 50, 40, top, 7, nullptr, nullptr);
    CreateWindowEx(0, u"Recording", u"", WS_POPUP | WS_VISIBLE, 10, 10, 100, 60, nullptr, 0, nullptr, nullptr);
    test.RunUntilIdle();
    for (auto& window : created) window->messages.clear();
  }

  TestDesktop test;
  std::vector<std::shared_ptr<RecordingWindow>> created;
  HWND top = nullptr;
};

TEST_F(SchemeFixture, ASwitchTellsAndRepaintsEveryWindowAndKeepsOldBrushesValid) {
  EXPECT_EQ(GetSysColorScheme(), SYSCOLORSCHEME_DAY);
  const HBRUSH dayWindow = GetSysColorBrush(COLOR_WINDOW);
  ASSERT_TRUE(SetSysColorScheme(SYSCOLORSCHEME_NIGHT));
  EXPECT_EQ(GetSysColorScheme(), SYSCOLORSCHEME_NIGHT);
  EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT), SystemColour(COLOR_HIGHLIGHT, SYSCOLORSCHEME_NIGHT));
  EXPECT_EQ(GetSysColorBrush(COLOR_WINDOW)->GetColor(), SystemColour(COLOR_WINDOW, SYSCOLORSCHEME_NIGHT));
  // A brush a window may still hold keeps its colour.
  EXPECT_EQ(dayWindow->GetColor(), RGB(255, 255, 255));
  test.RunUntilIdle();
  for (const auto& window : created) {
    EXPECT_EQ(window->Count(WM_SYSCOLORCHANGE), 1);
    EXPECT_EQ(window->Count(WM_ERASEBKGND), 1);
    EXPECT_EQ(window->Count(WM_PAINT), 1);
  }

  // The same scheme again changes nothing and repaints nothing.
  for (auto& window : created) window->messages.clear();
  ASSERT_TRUE(SetSysColorScheme(SYSCOLORSCHEME_NIGHT));
  test.RunUntilIdle();
  for (const auto& window : created) EXPECT_TRUE(window->messages.empty());

  ASSERT_TRUE(SetSysColorScheme(SYSCOLORSCHEME_DAY));
  EXPECT_EQ(GetSysColorBrush(COLOR_WINDOW), dayWindow);
}

TEST_F(SchemeFixture, AnUnknownSchemeOrAnotherThreadIsRefused) {
  EXPECT_FALSE(SetSysColorScheme(2));
  BOOL fromWorker = TRUE;
  std::thread worker([&] { fromWorker = SetSysColorScheme(SYSCOLORSCHEME_NIGHT); });
  worker.join();
  EXPECT_FALSE(fromWorker);
  EXPECT_EQ(GetSysColorScheme(), SYSCOLORSCHEME_DAY);
  test.RunUntilIdle();
  for (const auto& window : created) EXPECT_EQ(window->Count(WM_SYSCOLORCHANGE), 0);
}

TEST(DisplayFilter, ShowsTheBrightnessInRedOnlyAtMostTheLevel) {
  struct Case {
    COLORREF in;
    UINT level;
    BYTE red;
  };
  const Case cases[] = {{RGB(255, 255, 255), 100, 255}, {RGB(255, 255, 255), 50, 128}, {RGB(255, 255, 255), 25, 64},
                        {RGB(0, 0, 0), 100, 0},         {RGB(0, 255, 0), 100, 149},    {RGB(0, 0, 255), 100, 28},
                        {RGB(255, 0, 0), 50, 38},       {RGB(255, 255, 255), 250, 255}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << std::hex << c.in << std::dec << " at " << c.level);
    EXPECT_EQ(FilterPixelForDisplay(c.in, c.level), RGB(c.red, 0, 0));
  }
  // A 16-bit screen is shown through the same function, at 32 bits.
  Surface sixteen(2, 1, 16);
  sixteen.SetPixel(0, 0, RGB(255, 255, 255));
  sixteen.SetPixel(1, 0, RGB(0, 255, 0));
  DisplayFilter filter;
  filter.SetLevel(50);
  const Surface& shown = filter.Apply(sixteen);
  EXPECT_EQ(shown.BitsPerPixel(), 32);
  EXPECT_EQ(shown.GetPixel(0, 0), FilterPixelForDisplay(RGB(255, 255, 255), 50));
  EXPECT_EQ(shown.GetPixel(1, 0), FilterPixelForDisplay(RGB(0, 255, 0), 50));
  filter.SetLevel(kDisplayFilterOff);
  EXPECT_EQ(&filter.Apply(sixteen), &sixteen);
}

TEST_F(SchemeFixture, TheDisplayFilterChangesWhatIsShownButNotTheScreen) {
  test.desktop.Screen().PixelsFor(top)->Fill({0, 0, 60, 40}, RGB(40, 200, 90));
  const std::vector<BYTE> drawn(test.desktop.ShownScreen().Bytes().begin(), test.desktop.ShownScreen().Bytes().end());
  const int presents = test.backend.Presents();
  EXPECT_FALSE(SetDisplayFilter(kDisplayFilterMaxLevel + 1));
  ASSERT_TRUE(SetDisplayFilter(40));
  EXPECT_EQ(GetDisplayFilter(), 40u);
  test.RunUntilIdle();
  EXPECT_GT(test.backend.Presents(), presents);
  EXPECT_TRUE(std::ranges::equal(test.desktop.Screen().Screen().Bytes(), drawn));
  const Surface& shown = test.desktop.ShownScreen();
  EXPECT_FALSE(std::ranges::equal(shown.Bytes(), drawn));
  for (LONG y = 0; y < shown.Height(); ++y)
    for (LONG x = 0; x < shown.Width(); ++x)
      ASSERT_EQ(shown.GetPixel(x, y), FilterPixelForDisplay(test.desktop.Screen().Screen().GetPixel(x, y), 40));
  ASSERT_TRUE(SetDisplayFilter(kDisplayFilterOff));
  EXPECT_TRUE(std::ranges::equal(test.desktop.ShownScreen().Bytes(), drawn));
}

TEST(SystemColours, WithoutADesktopTheDaySchemeAnswersAndNothingSwitches) {
  EXPECT_EQ(GetSysColorScheme(), SYSCOLORSCHEME_DAY);
  EXPECT_FALSE(SetSysColorScheme(SYSCOLORSCHEME_NIGHT));
  EXPECT_FALSE(SetDisplayFilter(50));
  EXPECT_EQ(GetSysColor(COLOR_WINDOW), RGB(255, 255, 255));
}

}  // namespace
