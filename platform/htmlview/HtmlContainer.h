#pragma once
// The layout engine's view of the device: fonts from the platform's FreeType
// engine, drawing through a CDC, images from file:// addresses. The `hdc` the
// engine passes to the drawing calls is the CDC* the page paints with.

#include <litehtml/litehtml.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/FontEngine.h"
#include "platform/gdi/Surface.h"

// Images a page may reference: at most this many distinct addresses are
// loaded, so a page cannot fill memory by naming thousands of files.
inline constexpr std::size_t kMaxHtmlImages = 64;

// Text size and resolution of a view: 12 pixels at 96 dpi, twice both on
// screens 480 pixels wide or more.
struct HtmlMetrics {
  int defaultFontSize = 12;
  int dpi = 96;
  static HtmlMetrics ForDpi(int dpi) { return {12 * dpi / 96, dpi}; }
};

class HtmlContainer final : public litehtml::document_container {
 public:
  HtmlContainer(FontEngine& fonts, HtmlMetrics metrics);
  ~HtmlContainer();

  // The visible part of the page, in page coordinates (media queries, fixed boxes).
  void SetViewport(int width, int height) { viewport_ = {0, 0, width, height}; }

  litehtml::uint_ptr create_font(const litehtml::tchar_t* faceName, int size, int weight,
                                 litehtml::font_style italic, unsigned int decoration,
                                 litehtml::font_metrics* fm) override;
  void delete_font(litehtml::uint_ptr font) override;
  int text_width(const litehtml::tchar_t* text, litehtml::uint_ptr font) override;
  void draw_text(litehtml::uint_ptr hdc, const litehtml::tchar_t* text, litehtml::uint_ptr font,
                 litehtml::web_color color, const litehtml::position& pos) override;
  int pt_to_px(int pt) const override;
  int get_default_font_size() const override;
  const litehtml::tchar_t* get_default_font_name() const override;
  void draw_list_marker(litehtml::uint_ptr hdc, const litehtml::list_marker& marker) override;
  void load_image(const litehtml::tchar_t* src, const litehtml::tchar_t* baseurl, bool redrawOnReady) override;
  void get_image_size(const litehtml::tchar_t* src, const litehtml::tchar_t* baseurl, litehtml::size& sz) override;
  void draw_background(litehtml::uint_ptr hdc, const litehtml::background_paint& bg) override;
  void draw_borders(litehtml::uint_ptr hdc, const litehtml::borders& borders, const litehtml::position& drawPos,
                    bool root) override;
  void set_caption(const litehtml::tchar_t*) override {}
  void set_base_url(const litehtml::tchar_t*) override {}
  void link(const std::shared_ptr<litehtml::document>&, const litehtml::element::ptr&) override {}
  // Links are found and activated by the view itself (HtmlPage), so a click
  // seen by the engine has nothing left to do.
  void on_anchor_click(const litehtml::tchar_t*, const litehtml::element::ptr&) override {}
  void set_cursor(const litehtml::tchar_t*) override {}
  void transform_text(litehtml::tstring& text, litehtml::text_transform tt) override;
  // Pages never fetch style sheets.
  void import_css(litehtml::tstring&, const litehtml::tstring&, litehtml::tstring&) override {}
  void set_clip(const litehtml::position&, const litehtml::border_radiuses&, bool, bool) override {}
  void del_clip() override {}
  void get_client_rect(litehtml::position& client) const override;
  std::shared_ptr<litehtml::element> create_element(const litehtml::tchar_t*, const litehtml::string_map&,
                                                    const std::shared_ptr<litehtml::document>&) override {
    return nullptr;
  }
  void get_media_features(litehtml::media_features& media) const override;
  void get_language(litehtml::tstring& language, litehtml::tstring& culture) const override;

 private:
  struct Font {
    CFont font;
    RasterFont* raster = nullptr;
  };
  Font* FindFont(litehtml::uint_ptr handle);
  const Surface* FindImage(const litehtml::tchar_t* src);

  FontEngine& fonts_;
  HtmlMetrics metrics_;
  litehtml::position viewport_;
  std::vector<std::unique_ptr<Font>> fontTable_;  // handle = index + 1; freed entries stay null
  std::map<std::string, std::optional<Surface>> images_;
};

// The file an address names: "file://" followed by a path, or nothing.
std::optional<std::string> FilePathOfAddress(std::string_view address);
