#include "tools/skins/SkinStrip.h"

#include <cstddef>

namespace vespera {

namespace {

SkinLayout LayoutOf(int width, int height, const std::array<RECT, kDefinedSkinImages>& table) {
  SkinLayout layout{width, height, {}};
  for (std::size_t i = 0; i < table.size(); ++i)
    layout.images[i] = {int(table[i].left), int(table[i].top), int(table[i].right), int(table[i].bottom)};
  return layout;
}

}  // namespace

SkinLayout SkinLayout240() { return LayoutOf(163, 26, kSkinImages240); }

SkinLayout SkinLayout480() { return LayoutOf(327, 52, kSkinImages480); }

Canvas DrawSkinStrip(const SkinLayout& layout, const SkinPalette& palette) {
  Canvas strip(layout.width, layout.height, palette.caption);
  const SkinRect& logo = layout.images[kLogo];
  // The caption bar is painted from the logo's last column on, so the logo
  // shows one column narrower than its image.
  DrawLogo(strip, {static_cast<double>(logo.left), static_cast<double>(logo.top)}, logo.right - logo.left, palette);
  static constexpr std::array<std::pair<SkinImageIndex, ButtonGlyph>, 8> kButtons = {{
      {kClose, ButtonGlyph::Close},
      {kMenu, ButtonGlyph::Menu},
      {kPanUp, ButtonGlyph::ArrowUp},
      {kPanDown, ButtonGlyph::ArrowDown},
      {kPanLeft, ButtonGlyph::ArrowLeft},
      {kPanRight, ButtonGlyph::ArrowRight},
      {kZoomIn, ButtonGlyph::Plus},
      {kZoomOut, ButtonGlyph::Minus},
  }};
  for (const auto& [index, glyph] : kButtons) {
    const SkinRect& r = layout.images[index];
    DrawButton(strip, glyph, {static_cast<double>(r.left), static_cast<double>(r.top)},
               {static_cast<double>(r.right - r.left), static_cast<double>(r.bottom - r.top)}, palette);
  }
  return strip;
}

}  // namespace vespera
