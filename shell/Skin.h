#pragma once
// The skin: one small bitmap holding the logo, the caption-bar colour and the
// images of every command and close button, with a table of where each image
// lies in it. There is a 240-pixel and a 480-pixel strip, each in a normal
// and a red variant.

#include <array>
#include <string>

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/GdiTypes.h"

namespace vespera {

// Images of the strip, from left to right on the bitmap: logo, left, up,
// down, right, zoom out, zoom in, menu, close. The table is indexed like this.
enum SkinImage : int {
  kNoSkinImage = -1,
  kSkinLogo = 0,
  kSkinClose = 1,
  kSkinMenu = 2,
  kSkinPanUp = 3,
  kSkinPanDown = 4,
  kSkinPanLeft = 5,
  kSkinPanRight = 6,
  kSkinZoomIn = 7,
  kSkinZoomOut = 8,
};

inline constexpr int kSkinTableSize = 256;
// The caption bar's colour (and the red status band's) is the strip's
// background, read at this pixel.
inline constexpr POINT kSkinColourPixel{52, 15};

// The skin file for a screen class and colour mode.
const char* SkinFileName(bool highResolution, bool redScreen);

class CSkin {
 public:
  // Fills the image table for the screen class; loads no bitmap.
  explicit CSkin(bool highResolution);
  virtual ~CSkin() = default;
  CSkin(const CSkin&) = delete;
  CSkin& operator=(const CSkin&) = delete;

  // The file for the screen class the table was made for and the given
  // red-screen mode, from the program directory.
  void LoadSkin(bool redScreen);
  // Clears `loaded`, then loads `path` (UTF-8). On failure the message box
  // "Cannot load skin file <path>" appears and the previous bitmap, if any,
  // stays selectable for GetSkinPixel while `loaded` stays 0.
  void LoadSkinFile(const std::string& path);

  // Copies image `index` (inclusive right and bottom edges) to `at`. Nothing
  // when no skin is loaded or the index names no image.
  void DrawSkinImage(CDC& dc, int index, POINT at);
  // A pixel of the current bitmap, loaded or not (CLR_INVALID without one).
  COLORREF GetSkinPixel(int x, int y);

  // The image's rectangle as the table holds it; all zero for an index
  // outside the table.
  RECT ImageRect(int index) const;
  // The size a button takes for the image (exclusive edges); zero for -1.
  SIZE ImageSize(int index) const;

  bool loaded() const { return loaded_ != 0; }
  bool hasBitmap() const { return bitmap_.GetSafeHandle() != nullptr; }

 private:
  void ReportMismatches(const std::string& path) const;

  bool highResolution_;
  std::array<RECT, kSkinTableSize> imageTable_{};
  CBitmap bitmap_;
  BYTE loaded_ = 0;
};

}  // namespace vespera
