#pragma once
// One laid-out page: the parsed document, its fonts and images, and the links
// on it, in page coordinates (pixels from the page's top-left corner). Free of
// windows, so tests, the fuzzer and the screenshots use it directly.

#include <litehtml/litehtml.h>

#include <memory>
#include <optional>
#include <vector>

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/FontEngine.h"
#include "platform/htmlview/HtmlColours.h"
#include "platform/htmlview/HtmlContainer.h"

struct HtmlLink {
  WideString href;         // exactly as the page gives it
  std::vector<RECT> boxes;  // a link broken over lines has one box a line
};

class HtmlPage {
 public:
  // `source` is the page as wide HTML text.
  HtmlPage(FontEngine& fonts, HtmlMetrics metrics, std::u16string_view source, HtmlColours colours = {});
  ~HtmlPage();
  HtmlPage(const HtmlPage&) = delete;
  HtmlPage& operator=(const HtmlPage&) = delete;

  // Lays the page out to `width` pixels for a viewport `viewHeight` high;
  // answers the page's height.
  int Layout(int width, int viewHeight);
  int Width() const { return width_; }
  int Height() const { return height_; }

  // The colour around and below the content: the page's own background (the
  // html or body element's), else the default canvas colour.
  COLORREF Canvas() const { return canvas_; }
  // The body's text colour, the page's own or the default.
  COLORREF TextColour() const { return text_; }

  // Paints the part of the page from `top` down over `area` of `dc`, whose
  // top-left corner shows page point (0, top).
  void Paint(CDC& dc, const RECT& area, int top);

  const std::vector<HtmlLink>& Links() const { return links_; }
  // The link under a page point, if any.
  std::optional<std::size_t> LinkAt(POINT pagePoint) const;

 private:
  void CollectLinks();

  std::unique_ptr<HtmlContainer> container_;
  litehtml::context context_;
  litehtml::document::ptr document_;
  int width_ = 0;
  int height_ = 0;
  HtmlColours colours_;
  COLORREF canvas_ = RGB(255, 255, 255);
  COLORREF text_ = RGB(0, 0, 0);
  std::vector<HtmlLink> links_;
};

// Lays out `page` to `width` and paints the top `height` pixels of it: a
// self-contained entry for fuzzing and screenshots. `fonts` may be shared.
Surface RenderHtmlPage(std::u16string_view page, LONG width, LONG height, FontEngine& fonts,
                       HtmlMetrics metrics = {}, HtmlColours colours = {});
