#include "tools/skins/SkinStrip.h"

SkinLayout SkinLayout240() {
  return {163, 26,
          {{{0, 0, 25, 25},
            {146, 0, 162, 14},
            {128, 0, 141, 14},
            {44, 0, 57, 14},
            {59, 0, 72, 14},
            {29, 0, 42, 14},
            {74, 0, 87, 14},
            {109, 0, 123, 14},
            {91, 0, 105, 14}}}};
}

SkinLayout SkinLayout480() {
  return {327, 52,
          {{{0, 0, 51, 51},
            {293, 0, 326, 29},
            {257, 0, 284, 29},
            {89, 0, 116, 29},
            {119, 0, 146, 29},
            {59, 0, 86, 29},
            {149, 0, 176, 29},
            {219, 0, 246, 29},
            {183, 0, 210, 29}}}};
}

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
