#include "shell/Skin.h"

#include <gtest/gtest.h>

#include "platform/gdi/Surface.h"
#include "platform/runtime/CodePage.h"
#include "platform/windows/DumpValue.h"
#include "platform/windows/WindowApi.h"
#include "platform/windows/WindowTree.h"
#include "tests/platform/windows/TestDesktop.h"
#include "tests/shell/ShellFixtures.h"

using namespace vespera;

namespace {

constexpr COLORREF kBackground = RGB(10, 20, 30);

// Where the strip pixel (x, y) of a tell-tale skin lands.
COLORREF StripPixel(int x, int y) { return RGB(BYTE(x), BYTE(y), 77); }

struct DrawnImage {
  Surface target{40, 40, 32};
  CDC dc{target, {0, 0}, target.Bounds(), nullptr};
};

TEST(SkinTable, ButtonsTakeTheExclusiveSizeOfTheirImages) {
  const CSkin small(false);
  EXPECT_EQ(small.ImageSize(kSkinZoomIn), (SIZE{14, 14}));
  EXPECT_EQ(small.ImageSize(kSkinLogo), (SIZE{25, 25}));
  EXPECT_EQ(small.ImageSize(kNoSkinImage), (SIZE{0, 0}));
  const CSkin large(true);
  EXPECT_EQ(large.ImageSize(kSkinMenu), (SIZE{27, 29}));
  EXPECT_EQ(large.ImageRect(kSkinClose), (RECT{293, 0, 326, 29}));
  // Indexes past the nine images exist but stay empty; others are outside.
  EXPECT_EQ(large.ImageRect(200), (RECT{}));
  EXPECT_EQ(large.ImageRect(300), (RECT{}));
}

TEST(SkinFiles, FollowTheScreenClassAndMode) {
  EXPECT_STREQ(SkinFileName(false, false), "Icons240.bmp");
  EXPECT_STREQ(SkinFileName(false, true), "Icons240r.bmp");
  EXPECT_STREQ(SkinFileName(true, false), "Icons480.bmp");
  EXPECT_STREQ(SkinFileName(true, true), "Icons480r.bmp");
}

struct LoadedSkin : ::testing::Test {
  void SetUp() override {
    WriteTellTaleSkin(folder.File("Icons240.bmp"), 163, 26, kBackground);
    skin.LoadSkinFile(folder.File("Icons240.bmp"));
    ASSERT_TRUE(skin.loaded());
  }
  ScratchFolder folder;
  CSkin skin{false};
};

TEST_F(LoadedSkin, AnImageIsCopiedWithItsInclusiveEdges) {
  DrawnImage drawn;
  skin.DrawSkinImage(drawn.dc, kSkinZoomIn, {2, 3});
  // Strip x 109..123 and y 0..14: one column and row more than the button.
  EXPECT_EQ(drawn.target.GetPixel(2, 3), StripPixel(109, 0));
  EXPECT_EQ(drawn.target.GetPixel(2 + 14, 3 + 14), StripPixel(123, 14));
  EXPECT_EQ(drawn.target.GetPixel(2 + 15, 3), RGB(0, 0, 0));
  EXPECT_EQ(drawn.target.GetPixel(1, 3), RGB(0, 0, 0));
}

TEST_F(LoadedSkin, NoImageAndUndefinedIndexesDrawNothing) {
  DrawnImage drawn;
  skin.DrawSkinImage(drawn.dc, kNoSkinImage, {0, 0});
  skin.DrawSkinImage(drawn.dc, 999, {0, 0});
  skin.DrawSkinImage(drawn.dc, -7, {0, 0});
  for (LONG y = 0; y < 40; ++y)
    for (LONG x = 0; x < 40; ++x) ASSERT_EQ(drawn.target.GetPixel(x, y), RGB(0, 0, 0));
}

TEST_F(LoadedSkin, TheCaptionColourIsReadFromTheStrip) {
  EXPECT_EQ(skin.GetSkinPixel(52, 15), kBackground);
}

TEST_F(LoadedSkin, AFailedLoadReportsThePathKeepsTheOldColourAndDrawsNoImages) {
  TestDesktop test;
  WideString text, caption;
  test.Then([&](Desktop& d) {
    const HWND box = FindWindow(u"MessageBox", nullptr);
    text = GetWindowTextString(box);
    DumpObject fields;
    d.Tree().Find(box)->Procedure()->DescribeForDump(box, fields);
    if (const DumpValue* value = fields.Find("caption")) caption = Utf8ToWide(*value->AsString());
  });
  test.Key(VK_ESCAPE);
  const std::string missing = folder.File("Icons240r.bmp");
  skin.LoadSkinFile(missing);

  EXPECT_EQ(text, u"Cannot load skin file " + Utf8ToWide(missing));
  EXPECT_EQ(caption, u"Error:");
  EXPECT_FALSE(skin.loaded());
  EXPECT_TRUE(skin.hasBitmap());
  EXPECT_EQ(skin.GetSkinPixel(52, 15), kBackground);
  DrawnImage drawn;
  skin.DrawSkinImage(drawn.dc, kSkinLogo, {0, 0});
  EXPECT_EQ(drawn.target.GetPixel(0, 0), RGB(0, 0, 0));

  // Loading a good file again brings the images back.
  skin.LoadSkinFile(folder.File("Icons240.bmp"));
  skin.DrawSkinImage(drawn.dc, kSkinLogo, {0, 0});
  EXPECT_EQ(drawn.target.GetPixel(25, 25), StripPixel(25, 25));
}

TEST(SkinLoad, ANewSkinHasNoBitmapUntilAFileLoads) {
  CSkin skin(true);
  EXPECT_FALSE(skin.loaded());
  EXPECT_FALSE(skin.hasBitmap());
  EXPECT_EQ(skin.GetSkinPixel(52, 15), CLR_INVALID);
}

}  // namespace
