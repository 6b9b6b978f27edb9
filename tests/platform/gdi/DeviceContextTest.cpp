#include "platform/gdi/DeviceContext.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A screen of the given depth with a context over its whole area, as the
// window layer opens one for a full-screen window.
struct Screen {
  explicit Screen(int depth, LONG width = 40, LONG height = 30)
      : surface(width, height, depth), dc(surface, {0, 0}, {0, 0, width, height}, &fonts) {}
  FontEngine fonts;
  Surface surface;
  CDC dc;
};

TEST(MemoryDC, CompatibleBitmapTakesTheDeviceDepthAndReportsItsProperties) {
  for (int depth : {16, 32}) {
    Screen screen(depth);
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&screen.dc, 480, 556));
    BITMAP info;
    ASSERT_NE(bitmap.GetBitmap(&info), 0);
    EXPECT_EQ(info.bmWidth, 480);
    EXPECT_EQ(info.bmHeight, 556);
    EXPECT_EQ(info.bmBitsPixel, depth);
    EXPECT_EQ(info.bmWidthBytes, 480 * depth / 8);

    CDC memory;
    memory.CreateCompatibleDC(&screen.dc);
    EXPECT_EQ(memory.GetDeviceCaps(BITSPIXEL), depth);
    CBitmap second;
    ASSERT_TRUE(second.CreateCompatibleBitmap(&memory, 2, 2));
    EXPECT_EQ(second.GetSurface()->BitsPerPixel(), depth);
  }
}

TEST(MemoryDC, BadBitmapRequestsFailAndLeaveNoBitmap) {
  Screen screen(32);
  CBitmap bitmap;
  EXPECT_FALSE(bitmap.CreateCompatibleBitmap(&screen.dc, 0, 10));
  EXPECT_FALSE(bitmap.CreateCompatibleBitmap(&screen.dc, 100000, 100000));
  EXPECT_FALSE(bitmap.CreateCompatibleBitmap(nullptr, 10, 10));
  EXPECT_EQ(bitmap.GetSafeHandle(), nullptr);
  BITMAP info;
  EXPECT_EQ(bitmap.GetBitmap(&info), 0);
  EXPECT_EQ(bitmap.SetBitmapBits(4, "abcd"), 0u);
}

TEST(MemoryDC, SetBitmapBitsThenGetPixelRoundTrips) {
  // The bytes the map surface writes for (255, 255, 255), (50, 0, 0), (255, 255, 0).
  Screen screen16(16);
  CBitmap narrow;
  ASSERT_TRUE(narrow.CreateCompatibleBitmap(&screen16.dc, 3, 1));
  const BYTE words[] = {0x3D, 0xEF, 0x0C, 0x00, 0x3D, 0xE0};
  EXPECT_EQ(narrow.SetBitmapBits(sizeof words, words), sizeof words);
  CDC memory;
  memory.CreateCompatibleDC(&screen16.dc);
  memory.SelectObject(&narrow);
  EXPECT_EQ(memory.GetPixel(0, 0), RGB(255, 255, 255));
  EXPECT_EQ(memory.GetPixel(1, 0), RGB(51, 0, 0));
  EXPECT_EQ(memory.GetPixel(2, 0), RGB(255, 255, 0));

  Screen screen32(32);
  CBitmap wide;
  ASSERT_TRUE(wide.CreateCompatibleBitmap(&screen32.dc, 2, 2));
  const BYTE quads[] = {50, 0, 0, 0, 1, 2, 3, 0, 200, 150, 100, 0, 9, 8, 7, 0};
  wide.SetBitmapBits(sizeof quads, quads);
  CDC memory32;
  memory32.CreateCompatibleDC(&screen32.dc);
  memory32.SelectObject(&wide);
  EXPECT_EQ(memory32.GetPixel(0, 0), RGB(50, 0, 0));
  EXPECT_EQ(memory32.GetPixel(1, 0), RGB(1, 2, 3));
  EXPECT_EQ(memory32.GetPixel(0, 1), RGB(200, 150, 100));
  EXPECT_EQ(memory32.GetPixel(2, 0), CLR_INVALID);

  std::vector<BYTE> readBack(sizeof quads);
  EXPECT_EQ(wide.GetBitmapBits(DWORD(readBack.size()), readBack.data()), sizeof quads);
  EXPECT_EQ(readBack, std::vector<BYTE>(std::begin(quads), std::end(quads)));
}

TEST(MemoryDC, SetBitmapBitsNeverWritesPastTheBitmap) {
  Screen screen(16);
  CBitmap bitmap;
  bitmap.CreateCompatibleBitmap(&screen.dc, 2, 2);
  std::vector<BYTE> tooMany(100, 0xFF);
  EXPECT_EQ(bitmap.SetBitmapBits(DWORD(tooMany.size()), tooMany.data()), 8u);
}

TEST(MemoryDC, SelectObjectAnswersThePreviousBitmapAndRestores) {
  Screen screen(32);
  CBitmap first, second;
  first.CreateCompatibleBitmap(&screen.dc, 2, 2);
  second.CreateCompatibleBitmap(&screen.dc, 3, 3);
  CDC memory;
  memory.CreateCompatibleDC(&screen.dc);
  EXPECT_EQ(memory.SelectObject(&first), nullptr);
  EXPECT_EQ(memory.SelectObject(&second), &first);
  EXPECT_EQ(memory.SelectObject(&first), &second);
  EXPECT_EQ(memory.SelectObject(static_cast<CBitmap*>(nullptr)), &first);
  // With no bitmap selected, drawing goes nowhere.
  EXPECT_EQ(memory.SetPixel(0, 0, RGB(1, 1, 1)), CLR_INVALID);

  CBitmap empty;
  memory.SelectObject(&first);
  EXPECT_EQ(memory.SelectObject(&empty), nullptr);  // refused; first stays
  EXPECT_NE(memory.SetPixel(1, 1, RGB(255, 255, 255)), CLR_INVALID);
  EXPECT_EQ(first.GetSurface()->GetPixel(1, 1), RGB(255, 255, 255));

  EXPECT_EQ(screen.dc.SelectObject(&second), nullptr);  // not a memory context
}

TEST(MemoryDC, DeletingASelectedBitmapLeavesTheContextSafe) {
  Screen screen(32);
  CDC memory;
  memory.CreateCompatibleDC(&screen.dc);
  {
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&screen.dc, 4, 4);
    memory.SelectObject(&bitmap);
  }
  EXPECT_EQ(memory.SetPixel(1, 1, RGB(7, 7, 7)), RGB(7, 7, 7));
  EXPECT_EQ(memory.GetPixel(1, 1), RGB(7, 7, 7));
}

TEST(BitBlt, KeepsColoursBetweenSixteenAndThirtyTwoBits) {
  const COLORREF colours[] = {RGB(255, 255, 255), RGB(0, 0, 0),     RGB(150, 0, 0),
                              RGB(200, 200, 0),   RGB(12, 200, 99), RGB(255, 0, 0)};
  for (int from : {16, 32}) {
    for (int to : {16, 32}) {
      Screen source(from, 6, 1);
      for (LONG x = 0; x < 6; ++x) source.dc.SetPixel(x, 0, colours[x]);
      Screen target(to, 10, 3);
      CBitmap bitmap;
      bitmap.CreateCompatibleBitmap(&source.dc, 6, 1);
      CDC memory;
      memory.CreateCompatibleDC(&source.dc);
      memory.SelectObject(&bitmap);
      ASSERT_TRUE(memory.BitBlt(0, 0, 6, 1, &source.dc, 0, 0, SRCCOPY));
      ASSERT_TRUE(target.dc.BitBlt(2, 1, 6, 1, &memory, 0, 0, SRCCOPY));
      for (LONG x = 0; x < 6; ++x) {
        const COLORREF got = target.dc.GetPixel(2 + x, 1);
        const bool exact = from == 32 && to == 32;
        const BYTE tolerance = exact ? 0 : 15;
        EXPECT_NEAR(GetRValue(got), GetRValue(colours[x]), tolerance) << from << "->" << to;
        EXPECT_NEAR(GetGValue(got), GetGValue(colours[x]), tolerance) << from << "->" << to;
        EXPECT_NEAR(GetBValue(got), GetBValue(colours[x]), tolerance) << from << "->" << to;
        // At 16 bits the nibble survives exactly.
        EXPECT_EQ(GetRValue(got) >> 4, GetRValue(colours[x]) >> 4);
      }
      EXPECT_EQ(target.dc.GetPixel(1, 1), RGB(0, 0, 0));
      EXPECT_EQ(target.dc.GetPixel(8, 1), RGB(0, 0, 0));
    }
  }
}

TEST(BitBlt, OnlySourceCopyIsSupported) {
  Screen a(32), b(32);
  EXPECT_FALSE(a.dc.BitBlt(0, 0, 1, 1, &b.dc, 0, 0, 0x00EE0086));
  EXPECT_FALSE(a.dc.BitBlt(0, 0, 1, 1, nullptr, 0, 0, SRCCOPY));
}

TEST(WindowDC, OriginMovesDrawingAndClipBoundsIt) {
  // A child window at (10, 5) with a 8 x 6 client area on a 40 x 30 screen.
  FontEngine fonts;
  Surface screen(40, 30, 32);
  CDC dc(screen, {10, 5}, {0, 0, 8, 6}, &fonts);
  EXPECT_EQ(dc.SetPixel(0, 0, RGB(255, 0, 0)), RGB(255, 0, 0));
  EXPECT_EQ(screen.GetPixel(10, 5), RGB(255, 0, 0));
  EXPECT_EQ(dc.SetPixel(8, 0, RGB(255, 0, 0)), CLR_INVALID);
  EXPECT_EQ(dc.SetPixel(-1, 0, RGB(255, 0, 0)), CLR_INVALID);

  CBrush white(RGB(255, 255, 255));
  RECT everything{-100, -100, 100, 100};
  dc.FillRect(&everything, &white);
  EXPECT_EQ(screen.GetPixel(9, 5), RGB(0, 0, 0));
  EXPECT_EQ(screen.GetPixel(17, 10), RGB(255, 255, 255));
  EXPECT_EQ(screen.GetPixel(18, 10), RGB(0, 0, 0));
  EXPECT_EQ(screen.GetPixel(17, 11), RGB(0, 0, 0));

  RECT box;
  EXPECT_EQ(dc.GetClipBox(&box), SIMPLEREGION);
  EXPECT_EQ(box, (RECT{0, 0, 8, 6}));
}

TEST(WindowDC, ClipIsCutToTheSurface) {
  FontEngine fonts;
  Surface screen(20, 20, 16);
  CDC dc(screen, {15, 15}, {0, 0, 10, 10}, &fonts);
  RECT box;
  dc.GetClipBox(&box);
  EXPECT_EQ(box, (RECT{0, 0, 5, 5}));
  CBrush red(RGB(255, 0, 0));
  RECT r{0, 0, 10, 10};
  dc.FillRect(&r, &red);  // must not write past the surface
  EXPECT_EQ(screen.GetPixel(19, 19), RGB(255, 0, 0));
  EXPECT_EQ(dc.GetDeviceCaps(BITSPIXEL), 16);
  EXPECT_EQ(dc.GetDeviceCaps(HORZRES), 20);
}

TEST(Outlines, FrameRectDrawsTheSelectionMarkerSquare) {
  Screen screen(32);
  CBrush white(RGB(255, 255, 255));
  // The marker around (10, 10): left 7, top 7, right 14, bottom 14.
  RECT marker{7, 7, 14, 14};
  screen.dc.FrameRect(&marker, &white);
  int lit = 0;
  for (LONG y = 0; y < 30; ++y)
    for (LONG x = 0; x < 40; ++x) lit += screen.surface.GetPixel(x, y) == RGB(255, 255, 255);
  EXPECT_EQ(lit, 24);
  EXPECT_EQ(screen.surface.GetPixel(7, 7), RGB(255, 255, 255));
  EXPECT_EQ(screen.surface.GetPixel(13, 13), RGB(255, 255, 255));
  EXPECT_EQ(screen.surface.GetPixel(14, 13), RGB(0, 0, 0));
  EXPECT_EQ(screen.surface.GetPixel(10, 10), RGB(0, 0, 0));
}

TEST(Outlines, LineToStopsBeforeItsEndAndMovesThePosition) {
  Screen screen(32);
  CPen red(PS_SOLID, 1, RGB(255, 0, 0));
  EXPECT_EQ(screen.dc.SelectObject(&red), nullptr);
  screen.dc.MoveTo(2, 2);
  screen.dc.LineTo(6, 2);
  screen.dc.LineTo(6, 5);
  for (LONG x = 2; x <= 6; ++x) EXPECT_EQ(screen.surface.GetPixel(x, 2), RGB(255, 0, 0)) << x;
  EXPECT_EQ(screen.surface.GetPixel(6, 4), RGB(255, 0, 0));
  EXPECT_EQ(screen.surface.GetPixel(6, 5), RGB(0, 0, 0));
  EXPECT_EQ(screen.dc.MoveTo(0, 0).x, 6);
}

TEST(Outlines, RectangleFillsWithTheBrushInsideThePen) {
  Screen screen(32);
  CBrush blue(RGB(0, 0, 255));
  CPen white(PS_SOLID, 1, RGB(255, 255, 255));
  screen.dc.SelectObject(&blue);
  screen.dc.SelectObject(&white);
  screen.dc.Rectangle(1, 1, 5, 5);
  EXPECT_EQ(screen.surface.GetPixel(1, 1), RGB(255, 255, 255));
  EXPECT_EQ(screen.surface.GetPixel(4, 4), RGB(255, 255, 255));
  EXPECT_EQ(screen.surface.GetPixel(2, 2), RGB(0, 0, 255));
  EXPECT_EQ(screen.surface.GetPixel(5, 5), RGB(0, 0, 0));
}

TEST(Objects, DeletingASelectedBrushKeepsItsColourInTheContext) {
  Screen screen(32);
  auto brush = std::make_unique<CBrush>(RGB(0, 255, 0));
  CPen none(PS_NULL, 0, 0);
  screen.dc.SelectObject(brush.get());
  screen.dc.SelectObject(&none);
  brush.reset();
  screen.dc.Rectangle(0, 0, 2, 2);
  EXPECT_EQ(screen.surface.GetPixel(0, 0), RGB(0, 255, 0));
}

}  // namespace
