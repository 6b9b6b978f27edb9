#include <gtest/gtest.h>

#include "platform/gdi/DeviceContext.h"
#include "tests/platform/gdi/GdiTestSupport.h"

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlue = RGB(0, 0, 255);

class DrawTextTest : public ::testing::Test {
 protected:
  DrawTextTest() : surface(200, 60, 32), dc(surface, {0, 0}, {0, 0, 200, 60}, &fonts) {
    dc.SetTextColor(kWhite);
    dc.SetBkMode(TRANSPARENT);
  }
  LONG LineHeight() { return dc.GetTextExtent(u"X").cy; }

  FontEngine fonts;
  Surface surface;
  CDC dc;
};

TEST_F(DrawTextTest, CentresASingleLineBothWays) {
  // An opaque background paints exactly the text cell, which shows where it went.
  dc.SetBkMode(OPAQUE);
  dc.SetBkColor(kBlue);
  RECT rect{20, 5, 180, 55};
  const int height = dc.DrawText(u"Orion", -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  const SIZE extent = dc.GetTextExtent(u"Orion");
  const RECT cell = InkBounds(surface, kBlack);
  EXPECT_EQ(cell.Width(), extent.cx);
  EXPECT_EQ(cell.Height(), extent.cy);
  EXPECT_EQ(cell.left, 20 + (160 - extent.cx) / 2);
  EXPECT_EQ(cell.top, 5 + (50 - extent.cy) / 2);
  // With vertical placement the answer reaches from the rectangle's top to the text's bottom.
  EXPECT_EQ(height, cell.bottom - rect.top);
}

TEST_F(DrawTextTest, DefaultFormatIsLeftAndTopAndAnswersTheLineHeight) {
  dc.SetBkMode(OPAQUE);
  dc.SetBkColor(kBlue);
  RECT rect{10, 8, 190, 50};
  EXPECT_EQ(dc.DrawText(u"Ready", -1, &rect, DT_LEFT | DT_TOP), LineHeight());
  const RECT cell = InkBounds(surface, kBlack);
  EXPECT_EQ(cell.left, 10);
  EXPECT_EQ(cell.top, 8);
}

TEST_F(DrawTextTest, VerticalCentringNeedsTheSingleLineFlag) {
  // The caption bar asks for DT_VCENTER alone: the title stays at the top.
  dc.SetBkMode(OPAQUE);
  dc.SetBkColor(kBlue);
  RECT rect{0, 1, 200, 46};
  EXPECT_EQ(dc.DrawText(u"About", -1, &rect, DT_VCENTER), LineHeight());
  EXPECT_EQ(InkBounds(surface, kBlack).top, 1);
}

TEST_F(DrawTextTest, RightAlignmentEndsAtTheRectangleEdge) {
  dc.SetBkMode(OPAQUE);
  dc.SetBkColor(kBlue);
  RECT rect{0, 0, 150, 30};
  dc.DrawText(u"Vega", -1, &rect, DT_RIGHT | DT_SINGLELINE);
  EXPECT_EQ(InkBounds(surface, kBlack).right, 150);
}

TEST_F(DrawTextTest, ClipsToTheRectangleUnlessNoClip) {
  // A constellation name wider than its 100-pixel box is cut at both sides.
  RECT rect{80, 20, 120, 38};
  dc.DrawText(u"Sagittarius Sagittarius", -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  const RECT clipped = InkBounds(surface, kBlack);
  ASSERT_FALSE(clipped.IsEmpty());
  EXPECT_GE(clipped.left, 80);
  EXPECT_LE(clipped.right, 120);
  EXPECT_GE(clipped.top, 20);
  EXPECT_LE(clipped.bottom, 38);
  EXPECT_GE(clipped.left, 80);

  surface.Fill(surface.Bounds(), kBlack);
  dc.DrawText(u"Sagittarius Sagittarius", -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP);
  const RECT free = InkBounds(surface, kBlack);
  EXPECT_LT(free.left, 80);
  EXPECT_GT(free.right, 120);
}

TEST_F(DrawTextTest, ClipsToAShortRectangleVertically) {
  RECT rect{0, 10, 200, 14};
  dc.DrawText(u"Hg", -1, &rect, 0);
  const RECT ink = InkBounds(surface, kBlack);
  EXPECT_GE(ink.top, 10);
  EXPECT_LE(ink.bottom, 14);
}

TEST_F(DrawTextTest, TheContextClipHoldsEvenWithNoClip) {
  CDC child(surface, {50, 10}, {0, 0, 30, 20}, &fonts);
  child.SetTextColor(kWhite);
  child.SetBkMode(OPAQUE);
  child.SetBkColor(kBlue);
  RECT rect{-40, 0, 100, 20};
  child.DrawText(u"Andromeda Cassiopeia", -1, &rect, DT_NOCLIP | DT_SINGLELINE);
  const RECT ink = InkBounds(surface, kBlack);
  EXPECT_EQ(ink.left, 50);
  EXPECT_EQ(ink.right, 80);
  EXPECT_GE(ink.top, 10);
  EXPECT_LE(ink.bottom, 30);
}

TEST_F(DrawTextTest, OpaqueFillsTheTextCellAndTransparentLeavesTheBackground) {
  surface.Fill(surface.Bounds(), kBlue);
  RECT rect{0, 0, 200, 30};
  dc.DrawText(u"Ready", -1, &rect, 0);
  EXPECT_EQ(surface.GetPixel(0, 0), kBlue);

  dc.SetBkMode(OPAQUE);
  dc.SetBkColor(kWhite);
  dc.SetTextColor(kBlack);
  dc.DrawText(u"Ready", -1, &rect, 0);
  EXPECT_EQ(surface.GetPixel(0, 0), kWhite);
  EXPECT_EQ(surface.GetPixel(0, LineHeight()), kBlue);  // below the cell
}

TEST_F(DrawTextTest, BreaksLinesAndWrapsWords) {
  RECT rect{0, 0, 200, 60};
  EXPECT_EQ(dc.DrawText(u"one\ntwo\r\nthree", -1, &rect, 0), 3 * LineHeight());
  EXPECT_EQ(dc.DrawText(u"one\ntwo", -1, &rect, DT_SINGLELINE), LineHeight());

  const LONG wordWidth = dc.GetTextExtent(u"Messier objects").cx;
  RECT narrow{0, 0, wordWidth + 1, 60};
  EXPECT_EQ(dc.DrawText(u"Messier objects info", -1, &narrow, DT_WORDBREAK | DT_CALCRECT), 2 * LineHeight());
  EXPECT_LE(narrow.right, wordWidth + 1);
}

TEST_F(DrawTextTest, CalcRectMeasuresWithoutDrawing) {
  RECT rect{10, 10, 11, 11};
  const int height = dc.DrawText(u"Caldwell", -1, &rect, DT_CALCRECT | DT_SINGLELINE);
  EXPECT_EQ(height, LineHeight());
  EXPECT_EQ(rect.Width(), dc.GetTextExtent(u"Caldwell").cx);
  EXPECT_EQ(rect.Height(), LineHeight());
  EXPECT_TRUE(InkBounds(surface, kBlack).IsEmpty());
}

TEST_F(DrawTextTest, AmpersandsAreMnemonicsUnlessNoPrefix) {
  RECT a{0, 0, 1, 1}, b{0, 0, 1, 1}, c{0, 0, 1, 1};
  dc.DrawText(u"Reset &view", -1, &a, DT_CALCRECT | DT_SINGLELINE);
  dc.DrawText(u"Reset view", -1, &b, DT_CALCRECT | DT_SINGLELINE);
  dc.DrawText(u"Reset &view", -1, &c, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  EXPECT_EQ(a.right, b.right);
  EXPECT_GT(c.right, b.right);
}

TEST_F(DrawTextTest, CountLimitsTheTextAndEmptyTextDrawsNothing) {
  RECT a{0, 0, 1, 1}, b{0, 0, 1, 1};
  dc.DrawText(u"Vega and Deneb", 4, &a, DT_CALCRECT | DT_SINGLELINE);
  dc.DrawText(u"Vega", -1, &b, DT_CALCRECT | DT_SINGLELINE);
  EXPECT_EQ(a.right, b.right);

  RECT rect{0, 0, 200, 60};
  dc.SetBkMode(OPAQUE);
  EXPECT_EQ(dc.DrawText(u"", -1, &rect, 0), 0);
  EXPECT_EQ(dc.DrawText(nullptr, 0, &rect, 0), 0);
  EXPECT_TRUE(InkBounds(surface, kBlack).IsEmpty());
}

TEST_F(DrawTextTest, SolidGlyphPixelsTakeTheTextColourOnSixteenBits) {
  Surface narrow(60, 30, 16);
  CDC dc16(narrow, {0, 0}, {0, 0, 60, 30}, &fonts);
  dc16.SetBkMode(TRANSPARENT);
  dc16.SetTextColor(RGB(150, 0, 0));
  CFont large;  // stems wide enough to hold fully covered pixels
  const LOGFONT font = MakeSystemFont(26);
  large.CreateFontIndirect(&font);
  dc16.SelectObject(&large);
  RECT rect{0, 0, 60, 30};
  dc16.DrawText(u"IIII", -1, &rect, 0);
  int full = 0;
  for (LONG y = 0; y < 30; ++y)
    for (LONG x = 0; x < 60; ++x) {
      const COLORREF c = narrow.GetPixel(x, y);
      ASSERT_EQ(GetGValue(c), 0);  // blending never invents other hues
      full += c == RGB(153, 0, 0);
    }
  EXPECT_GT(full, 0);
}

TEST_F(DrawTextTest, UnpairedSurrogatesAndControlCharactersAreHarmless) {
  const char16_t odd[] = {u'A', 0xD800, u'B', 0xDC00, 0x0007, 0};
  RECT rect{0, 0, 200, 60};
  EXPECT_EQ(dc.DrawText(odd, -1, &rect, DT_SINGLELINE), LineHeight());
  EXPECT_FALSE(InkBounds(surface, kBlack).IsEmpty());
}

}  // namespace
