// Laying out and painting pages without a window.

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/gdi/FontEngine.h"
#include "platform/gdi/PngCodec.h"
#include "platform/htmlview/HtmlPage.h"
#include "tests/platform/htmlview/SamplePages.h"

namespace {

struct HtmlPageTest : ::testing::Test {
  // Pixels that differ from the page background: text was drawn.
  static int InkPixels(const Surface& s, COLORREF background) {
    int ink = 0;
    for (LONG y = 0; y < s.Height(); ++y)
      for (LONG x = 0; x < s.Width(); ++x) ink += s.GetPixel(x, y) != background;
    return ink;
  }

  FontEngine fonts;
};

}  // namespace

TEST_F(HtmlPageTest, StyleBlockColoursTheWholeView) {
  for (const auto& [background, color] : {std::pair{u"#FF0000", RGB(255, 0, 0)}, {u"#FFFFFF", RGB(255, 255, 255)}}) {
    WideString page = StyleBlock(background) + u"<h3>Title</h3><h4>Sub</h4>Text<BR>";
    page += u"<A HREF=\"ONE\">one</A> <A HREF=\"TWO\">two</A> <A HREF=\"THREE\">three</A>";
    const Surface shot = RenderHtmlPage(page, 240, 320, fonts);
    // Corners, and below the content where the body ends.
    EXPECT_EQ(shot.GetPixel(0, 0), color);
    EXPECT_EQ(shot.GetPixel(239, 0), color);
    EXPECT_EQ(shot.GetPixel(120, 300), color);
    EXPECT_GT(InkPixels(shot, color), 100);
  }
}

TEST_F(HtmlPageTest, TextTakesThePageColour) {
  const Surface shot =
      RenderHtmlPage(StyleBlock(u"#000000", u"#00FF00") + u"<b>XXXXXXXX</b>", 240, 40, fonts);
  bool green = false;
  for (LONG x = 0; x < 100 && !green; ++x)
    for (LONG y = 0; y < 20 && !green; ++y) green = shot.GetPixel(x, y) == RGB(0, 255, 0);
  EXPECT_TRUE(green);
}

TEST_F(HtmlPageTest, LinksKeepTheirTargetsInPageOrderWithBoxesOnTheirText) {
  HtmlPage page(fonts, {}, SearchResultPage(3));
  page.Layout(240, 320);
  const std::vector<HtmlLink>& links = page.Links();
  ASSERT_EQ(links.size(), 5u);
  EXPECT_EQ(links[0].href, u"STARLINK_0");
  EXPECT_EQ(links[2].href, u"STARLINK_2");
  EXPECT_EQ(links[3].href, u"CONSTL_0");
  EXPECT_EQ(links[4].href, u"CLOSE_WND");
  LONG previousTop = -1;
  for (const HtmlLink& link : links) {
    const RECT& box = link.boxes.front();
    EXPECT_GT(box.Width(), 10);
    EXPECT_LE(box.right, 240);
    EXPECT_GT(box.top, previousTop);
    previousTop = box.top;
    const POINT centre{(box.left + box.right) / 2, (box.top + box.bottom) / 2};
    EXPECT_EQ(page.LinkAt(centre), std::optional<std::size_t>(&link - links.data()));
  }
  EXPECT_FALSE(page.LinkAt({239, 0}));
}

TEST_F(HtmlPageTest, LinkBrokenOverLinesHasABoxOnEachLine) {
  HtmlPage page(fonts, {}, u"<b>x <a href=\"A&amp;B\">one two three four five six seven eight nine ten</a></b>");
  page.Layout(120, 100);
  ASSERT_EQ(page.Links().size(), 1u);
  EXPECT_EQ(page.Links()[0].href, u"A&B");
  ASSERT_GE(page.Links()[0].boxes.size(), 2u);
  EXPECT_GT(page.Links()[0].boxes[1].top, page.Links()[0].boxes[0].top);
}

TEST_F(HtmlPageTest, NarrowAndWideLayoutsKeepEverything) {
  HtmlPage narrow(fonts, {}, InformationPage());
  HtmlPage wide(fonts, HtmlMetrics::ForDpi(192), InformationPage());
  const int narrowHeight = narrow.Layout(231, 250);
  const int wideHeight = wide.Layout(462, 500);
  EXPECT_GT(narrowHeight, 100);
  // Twice the text on twice the width lays out to about twice the height.
  EXPECT_NEAR(double(wideHeight) / narrowHeight, 2.0, 0.3);
  EXPECT_EQ(narrow.Links().size(), 1u);
  EXPECT_EQ(wide.Links().size(), 1u);
}

TEST_F(HtmlPageTest, MalformedPagesStillShowTheirText) {
  WideString deep;
  for (int i = 0; i < 3000; ++i) deep += u"<div><b>";
  const WideString hugeWord(20000, u'W');
  const WideString pages[] = {
      u"<b><i>unclosed <p>para <table><tr><td>cell",
      u"a < b <<< > </ <a href=x <i> stray & amp; &#xFFFFFFFF; &#0;",
      hugeWord,
      deep + u"deep",
      u"<table><td><table><td><tr><li>x</table></ul></ol><td>y",
      u"<a href>empty target</a><a>no target</a>",
  };
  for (const WideString& source : pages) {
    HtmlPage page(fonts, {}, source);
    page.Layout(240, 320);
    const Surface shot = RenderHtmlPage(source, 240, 320, fonts);
    EXPECT_GT(InkPixels(shot, page.Canvas()), 20) << std::string(source.begin(), source.begin() + 40);
  }
}

TEST_F(HtmlPageTest, AbsurdSizesAreSurvived) {
  const WideString pages[] = {
      u"<style>body { font-size: 99999px; width: -5px; margin: -100000px }</style>big",
      u"<img src=\"file:///nonexistent/x.png\" width=100000 height=100000>pic",
      u"<table width=100000><tr><td colspan=1000000 rowspan=-4>x</td></tr></table>",
      u"<p style=\"padding: 1e30px; line-height: -3\">odd</p>",
  };
  for (const WideString& source : pages) {
    HtmlPage page(fonts, {}, source);
    EXPECT_GE(page.Layout(240, 320), 0);
    RenderHtmlPage(source, 240, 320, fonts);
  }
}

TEST_F(HtmlPageTest, ImagesComeFromFileAddresses) {
  const std::filesystem::path file = std::filesystem::temp_directory_path() / "htmlview_test_image.png";
  Surface picture(8, 8, 32);
  picture.Fill(picture.Bounds(), RGB(0, 0, 255));
  for (LONG y = 0; y < 8; ++y)
    for (LONG x = 0; x < 8; ++x) picture.Row(y)[x * 4 + 3] = 255;
  ASSERT_TRUE(SaveSurfacePng(picture, file));
  const std::string narrow = file.string();
  const WideString path(narrow.begin(), narrow.end());
  const Surface shot = RenderHtmlPage(u"<img src=\"file://" + path + u"\">", 100, 50, fonts);
  bool blue = false;
  for (LONG y = 0; y < 20 && !blue; ++y)
    for (LONG x = 0; x < 20 && !blue; ++x) blue = shot.GetPixel(x, y) == RGB(0, 0, 255);
  EXPECT_TRUE(blue);
  std::filesystem::remove(file);
}
