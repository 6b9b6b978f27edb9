#pragma once
// The skin bitmap: one horizontal strip holding, left to right, the logo and
// the images of the left, up, down, right, zoom-out, zoom-in, menu and close
// buttons, on a background of the caption-bar colour that the program reads
// at pixel (52, 15). Where each image lies is fixed by the program's image
// table (resources/SkinImageTable.h), which the layouts below take over.

#include <array>

#include "resources/SkinImageTable.h"
#include "tools/skins/Canvas.h"
#include "tools/skins/SkinArtwork.h"

namespace vespera {

// {left, top, right, bottom}: right and bottom inclusive when the program
// copies an image, exclusive when it sizes a button to it; artwork is drawn in
// the exclusive box so nothing important lies in the copy's extra column/row.
struct SkinRect {
  int left, top, right, bottom;
};

struct SkinLayout {
  int width = 0;   // of the whole strip
  int height = 0;
  std::array<SkinRect, kDefinedSkinImages> images{};  // indexes as the program's image table
};

// Indexes of the program's image table.
enum SkinImageIndex { kLogo = 0, kClose, kMenu, kPanUp, kPanDown, kPanLeft, kPanRight, kZoomIn, kZoomOut };

inline constexpr Point2 kCaptionColourPixel{52, 15};

SkinLayout SkinLayout240();
SkinLayout SkinLayout480();

// The strip with every image of the table drawn in the given colours.
Canvas DrawSkinStrip(const SkinLayout& layout, const SkinPalette& palette);

}  // namespace vespera
