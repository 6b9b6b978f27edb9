#include <gtest/gtest.h>

#include <filesystem>
#include <limits>

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/FontEngine.h"

namespace {

LOGFONT Font(std::u16string_view face, LONG height, LONG weight = FW_NORMAL) {
  LOGFONT font;
  font.lfHeight = height;
  font.lfWeight = weight;
  face.copy(font.lfFaceName, face.size());
  return font;
}

bool LiberationInstalled() {
  FontResolver resolver;
  auto file = resolver.Resolve(u"Liberation Serif", false, false);
  return file && file->family == "Liberation Serif";
}

TEST(FontResolution, TimesNewRomanMapsToASerifFace) {
  if (!LiberationInstalled()) GTEST_SKIP() << "fonts-liberation is not installed";
  FontEngine engine;
  auto file = engine.Resolve(Font(u"Times New Roman", -10));
  ASSERT_TRUE(file);
  EXPECT_EQ(file->family, "Liberation Serif");
  EXPECT_EQ(engine.Get(Font(u"Times New Roman", -10)).Family(), "Liberation Serif");
}

TEST(FontResolution, SystemAndUnknownFacesFallBackToTheSans) {
  FontEngine engine;
  auto system = engine.Resolve(Font(u"System", 13));
  auto unknown = engine.Resolve(Font(u"No Such Face 1234", 13));
  auto empty = engine.Resolve(Font(u"", 13));
  ASSERT_TRUE(system && unknown && empty);
  EXPECT_EQ(system->family, "DejaVu Sans");
  EXPECT_EQ(unknown->family, system->family);
  EXPECT_EQ(empty->family, system->family);
  EXPECT_TRUE(std::filesystem::exists(system->path));
}

TEST(FontResolution, BoldAsksForTheBoldFace) {
  FontEngine engine;
  auto regular = engine.Resolve(Font(u"System", 13, FW_NORMAL));
  auto bold = engine.Resolve(Font(u"System", 13, FW_BOLD));
  ASSERT_TRUE(regular && bold);
  EXPECT_TRUE(bold->path != regular->path || bold->embolden);
}

TEST(FontMetrics, NegativeHeightIsTheEmAndPositiveTheCell) {
  FontEngine engine;
  const TEXTMETRIC em = engine.Get(Font(u"System", -10)).Metrics();
  EXPECT_EQ(em.tmHeight - em.tmInternalLeading, 10);
  EXPECT_EQ(em.tmHeight, em.tmAscent + em.tmDescent);
  const TEXTMETRIC cell = engine.Get(Font(u"System", 13)).Metrics();
  EXPECT_EQ(cell.tmHeight, 13);
  const TEXTMETRIC big = engine.Get(Font(u"System", 26)).Metrics();
  EXPECT_EQ(big.tmHeight, 26);
}

TEST(FontMetrics, AbsurdHeightsAreClampedNotHonoured) {
  FontEngine engine;
  const TEXTMETRIC huge = engine.Get(Font(u"System", std::numeric_limits<LONG>::min())).Metrics();
  EXPECT_GT(huge.tmHeight, 0);
  EXPECT_LT(huge.tmHeight, 1000);
  RasterFont& font = engine.Get(Font(u"System", std::numeric_limits<LONG>::max()));
  EXPECT_LT(font.GetGlyph(U'W').height, 1000);
}

TEST(FontSelection, ContextsUseTheDefaultUntilAFontIsSelectedAndAfterItIsRestored) {
  FontEngine engine;
  Surface surface(100, 40, 32);
  CDC dc(surface, {0, 0}, surface.Bounds(), &engine);
  const SIZE system = dc.GetTextExtent(u"Andromeda");
  EXPECT_EQ(system.cy, kSystemFontCellHeight);

  CFont big;
  const LOGFONT bigFont = Font(u"System", 26);
  ASSERT_TRUE(big.CreateFontIndirect(&bigFont));
  CFont* previous = dc.SelectObject(&big);
  EXPECT_EQ(previous, nullptr);
  EXPECT_EQ(dc.GetTextExtent(u"Andromeda").cy, 26);
  EXPECT_GT(dc.GetTextExtent(u"Andromeda").cx, system.cx);
  EXPECT_EQ(dc.SelectObject(previous), &big);
  EXPECT_EQ(dc.GetTextExtent(u"Andromeda").cx, system.cx);

  engine.SetDefaultFont(MakeSystemFont(26));
  CDC later(surface, {0, 0}, surface.Bounds(), &engine);
  EXPECT_EQ(later.GetTextExtent(u"A").cy, 26);
}

TEST(FontSelection, AContextWithoutAnEngineStillDrawsText) {
  Surface surface(100, 20, 32);
  CDC dc(surface, {0, 0}, surface.Bounds(), nullptr);
  dc.SetTextColor(RGB(255, 255, 255));
  RECT rect{0, 0, 100, 20};
  EXPECT_GT(dc.DrawText(u"Lyra", -1, &rect, 0), 0);
  bool inked = false;
  for (LONG x = 0; x < 100 && !inked; ++x)
    for (LONG y = 0; y < 20 && !inked; ++y) inked = surface.GetPixel(x, y) == RGB(255, 255, 255);
  EXPECT_TRUE(inked);

  CDC memory;
  memory.CreateCompatibleDC(nullptr);
  EXPECT_EQ(memory.GetDeviceCaps(BITSPIXEL), 32);
  EXPECT_GT(memory.GetTextExtent(u"Lyra").cx, 0);
}

}  // namespace
