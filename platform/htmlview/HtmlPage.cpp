#include "platform/htmlview/HtmlPage.h"

#include <algorithm>

#include "platform/htmlview/HtmlSource.h"
#include "platform/htmlview/MasterStyle.h"
#include "platform/runtime/CodePage.h"

namespace {

RECT ToRect(const litehtml::position& p) { return {p.x, p.y, p.x + p.width, p.y + p.height}; }

std::optional<COLORREF> OwnBackground(const litehtml::element::ptr& element) {
  if (!element) return std::nullopt;
  const litehtml::background* bg = element->get_background(true);
  if (!bg || bg->m_color.alpha == 0) return std::nullopt;
  return RGB(bg->m_color.red, bg->m_color.green, bg->m_color.blue);
}

}  // namespace

HtmlPage::HtmlPage(FontEngine& fonts, HtmlMetrics metrics, std::u16string_view source, HtmlColours colours)
    : container_(std::make_unique<HtmlContainer>(fonts, metrics)), colours_(colours) {
  context_.load_master_stylesheet(MasterStyleWith(colours).c_str());
  const std::string prepared = PrepareHtmlForLayout(source);
  document_ = litehtml::document::createFromUTF8(prepared.c_str(), container_.get(), &context_);
}

HtmlPage::~HtmlPage() {
  // The document hands its fonts back to the container as it goes.
  document_.reset();
}

int HtmlPage::Layout(int width, int viewHeight) {
  width_ = std::max(width, 1);
  container_->SetViewport(width_, std::max(viewHeight, 1));
  height_ = 0;
  links_.clear();
  if (!document_) return 0;
  document_->media_changed();
  document_->render(width_);
  height_ = std::max(document_->height(), 0);
  const litehtml::element::ptr root = document_->root();
  canvas_ = colours_.canvas;
  text_ = colours_.text;
  if (root) {
    const litehtml::element::ptr body = root->select_one("body");
    if (const auto color = OwnBackground(root)) canvas_ = *color;
    else if (const auto own = OwnBackground(body)) canvas_ = *own;
    if (body) {
      const litehtml::web_color ink = body->get_color("color", true);
      text_ = RGB(ink.red, ink.green, ink.blue);
    }
  }
  CollectLinks();
  return height_;
}

void HtmlPage::CollectLinks() {
  const litehtml::element::ptr root = document_->root();
  if (!root) return;
  for (const litehtml::element::ptr& anchor : root->select_all("a")) {
    const char* href = anchor->get_attr("href");
    if (!href) continue;
    HtmlLink link;
    link.href = Utf8ToWide(href);
    // An inline link's line boxes are relative to the block that holds its
    // lines, whose content corner is where the engine places the link itself.
    const litehtml::position placement = anchor->get_placement();
    if (anchor->get_display() == litehtml::display_inline) {
      litehtml::position::vector boxes;
      anchor->get_inline_boxes(boxes);
      for (const litehtml::position& box : boxes)
        if (box.width > 0 && box.height > 0) link.boxes.push_back(ToRect(box).Offset(placement.x, placement.y));
    } else if (placement.width > 0 && placement.height > 0) {
      link.boxes.push_back(ToRect(placement));
    }
    // A link with nothing to show cannot be tapped or reached with the keys.
    if (!link.boxes.empty()) links_.push_back(std::move(link));
  }
}

void HtmlPage::Paint(CDC& dc, const RECT& area, int top) {
  dc.FillSolidRect(&area, canvas_);
  if (!document_) return;
  const litehtml::position clip(area.left, area.top, area.Width(), area.Height());
  document_->draw(reinterpret_cast<litehtml::uint_ptr>(&dc), area.left, area.top - top, &clip);
}

std::optional<std::size_t> HtmlPage::LinkAt(POINT pagePoint) const {
  for (std::size_t i = 0; i < links_.size(); ++i)
    for (const RECT& box : links_[i].boxes)
      if (box.Contains(pagePoint)) return i;
  return std::nullopt;
}

Surface RenderHtmlPage(std::u16string_view page, LONG width, LONG height, FontEngine& fonts, HtmlMetrics metrics,
                       HtmlColours colours) {
  Surface surface(std::max<LONG>(width, 1), std::max<LONG>(height, 1), 32);
  HtmlPage layout(fonts, metrics, page, colours);
  layout.Layout(int(surface.Width()), int(surface.Height()));
  CDC dc(surface, {0, 0}, surface.Bounds(), &fonts);
  layout.Paint(dc, surface.Bounds(), 0);
  return surface;
}
