// Source preparation: what the engine is given decides what the page shows.

#include <gtest/gtest.h>

#include "platform/htmlview/HtmlSource.h"
#include "platform/runtime/CodePage.h"

namespace {

std::string Prepared(std::u16string_view html) { return PrepareHtmlForLayout(html); }

}  // namespace

TEST(HtmlSource, StyleRulesLoseTheirCommentMarkersButNothingElse) {
  const std::string out =
      Prepared(u"<STYLE type=\"text/css\"><!--body { color: red; } --> </STYLE><p>a <!-- note --> b</p>");
  EXPECT_NE(out.find("<STYLE type=\"text/css\">body { color: red; }  </STYLE>"), std::string::npos) << out;
  // Comments in the page itself stay comments.
  EXPECT_NE(out.find("a <!-- note --> b"), std::string::npos) << out;
}

TEST(HtmlSource, LineBreakThatStartsALineGetsAnEmptyLine) {
  const std::string nbsp = "\xC2\xA0";
  EXPECT_EQ(Prepared(u"a<br>b"), "a<br>b");
  EXPECT_EQ(Prepared(u"a<BR><BR>b"), "a<BR>" + nbsp + "<BR>b");
  EXPECT_EQ(Prepared(u"<div>x</div>\n<br>y"), "<div>x</div>\n" + nbsp + "<br>y");
  EXPECT_EQ(Prepared(u"<h3>T</h3>No stars found<BR><h3>"), "<h3>T</h3>No stars found<BR><h3>");
  // Inline markup does not end a line.
  EXPECT_EQ(Prepared(u"<b>x</b><br>"), "<b>x</b><br>");
}

TEST(HtmlSource, StrayAndUnfinishedMarkupPassesThrough) {
  EXPECT_EQ(Prepared(u"1 < 2 <3 <"), "1 < 2 <3 <");
  EXPECT_EQ(Prepared(u"a <b"), "a <b");
  EXPECT_EQ(Prepared(u"<style>p{}"), "<style>p{}");
  EXPECT_EQ(Prepared(std::u16string_view(u"a\0b", 3)), "ab");
  EXPECT_EQ(Prepared(u"\u00E9\u263A"), "\xC3\xA9\xE2\x98\xBA");
}

TEST(HtmlSource, NestingCountsOnlyElementsThatHoldOthers) {
  EXPECT_EQ(EstimateNesting(u"<div><div><b>x</b></div></div>"), 3u);
  // Unclosed paragraphs and list items end at their next sibling.
  EXPECT_EQ(EstimateNesting(u"<ul><li>a<li>b<li>c</ul><p>1<p>2<p>3"), 1u);
  // A stray end tag closes nothing; an end tag closes what it names.
  EXPECT_EQ(EstimateNesting(u"</span></span><div><i><b>x</div><div>y</div>"), 3u);
  EXPECT_EQ(EstimateNesting(u"<br><img src=x><hr/><span/>"), 0u);
  // Tags inside style text and comments are not elements.
  EXPECT_EQ(EstimateNesting(u"<style><div><div></style><!-- <div><div> -->"), 1u);
}

TEST(HtmlSource, TooDeepAPageShowsItsTextOnly) {
  WideString deep;
  for (int i = 0; i < 5000; ++i) deep += u"<div>";
  deep += u"deep text & more";
  const std::string out = Prepared(deep);
  EXPECT_EQ(out.find("<div>"), std::string::npos);
  EXPECT_NE(out.find("deep text &amp; more"), std::string::npos);
}

TEST(HtmlSource, PlainTextIsEscapedAndKeepsItsLines) {
  EXPECT_EQ(PlainTextAsHtml(u"<b>&\"x\"</b>\r\nnext\nlast"),
            u"&lt;b&gt;&amp;&quot;x&quot;&lt;/b&gt;<br>next<br>last");
}
