#include "shell/CaptionBar.h"

#include <gtest/gtest.h>

#include "platform/gdi/Surface.h"
#include "tests/shell/ShellFixtures.h"

using namespace vespera;

namespace {

constexpr COLORREF kBackground = RGB(10, 20, 30);

struct CaptionBarTest : ::testing::TestWithParam<bool> {
  void SetUp() override {
    const bool highResolution = GetParam();
    const std::string file = folder.File("skin.bmp");
    WriteTellTaleSkin(file, highResolution ? 327 : 163, highResolution ? 52 : 26, kBackground);
    skin.LoadSkinFile(file);
    ASSERT_TRUE(skin.loaded());
  }
  int Width() const { return GetParam() ? 480 : 240; }
  int Strip() const { return GetParam() ? 52 : 26; }

  // Pixels of `colour` in the columns [from, to) of the strip.
  int CountIn(const Surface& s, int from, int to, COLORREF colour) const {
    int count = 0;
    for (int y = 0; y < Strip(); ++y)
      for (int x = from; x < to; ++x) count += s.GetPixel(x, y) == colour;
    return count;
  }

  ScratchFolder folder;
  CSkin skin{GetParam()};
};

TEST_P(CaptionBarTest, LogoThenBarToTheRightEdgeAsHighAsTheStrip) {
  Surface screen(Width(), 100, 32);
  CDC dc(screen, {0, 0}, screen.Bounds(), nullptr);
  DrawCaptionBar(dc, skin, false, GetParam(), {0, 0, Width(), 100}, u"");
  const int logoEnd = Strip() - 1;  // the bar starts on the logo's last column
  EXPECT_EQ(screen.GetPixel(0, 0), RGB(0, 0, 77));
  EXPECT_EQ(screen.GetPixel(logoEnd - 1, logoEnd), RGB(BYTE(logoEnd - 1), BYTE(logoEnd), 77));
  EXPECT_EQ(screen.GetPixel(logoEnd, 0), kBackground);
  EXPECT_EQ(screen.GetPixel(Width() - 1, Strip() - 1), kBackground);
  EXPECT_EQ(screen.GetPixel(Width() - 1, Strip()), RGB(0, 0, 0));
  EXPECT_EQ(CountIn(screen, logoEnd, Width(), kBackground), (Width() - logoEnd) * Strip());
}

TEST_P(CaptionBarTest, TheTitleIsWhiteOrRedInItsBox) {
  for (const bool red : {false, true}) {
    Surface screen(Width(), 100, 32);
    CDC dc(screen, {0, 0}, screen.Bounds(), nullptr);
    DrawCaptionBar(dc, skin, red, GetParam(), {0, 0, Width(), 100}, u"Nocturna");
    const COLORREF ink = red ? RGB(255, 0, 0) : RGB(255, 255, 255);
    const int titleLeft = GetParam() ? 53 : 29;
    EXPECT_GT(CountIn(screen, titleLeft, Width(), ink), 10) << red;
    EXPECT_EQ(CountIn(screen, 0, titleLeft, ink), 0) << red;
    // The context's mode and colour are left as they were.
    EXPECT_EQ(dc.GetBkMode(), OPAQUE);
    EXPECT_EQ(dc.GetTextColor(), RGB(0, 0, 0));
  }
}

TEST_P(CaptionBarTest, ALongTitleStopsFivePixelsBeforeTheEdge) {
  Surface screen(Width(), 100, 32);
  CDC dc(screen, {0, 0}, screen.Bounds(), nullptr);
  DrawCaptionBar(dc, skin, false, GetParam(), {0, 0, Width(), 100}, std::u16string(120, u'W'));
  const COLORREF ink = RGB(255, 255, 255);
  EXPECT_GT(CountIn(screen, Width() - 30, Width() - 5, ink), 0);
  EXPECT_EQ(CountIn(screen, Width() - 5, Width(), ink), 0);
}

INSTANTIATE_TEST_SUITE_P(BothSkins, CaptionBarTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Wide" : "Narrow"; });

}  // namespace
