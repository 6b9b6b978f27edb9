#pragma once
// A filter the display puts over everything it shows, as a phone's night
// light does: each pixel is shown as its brightness in red only, scaled so
// that white becomes the chosen level of red. It acts where the screen is
// presented (the window, a screenshot); the screen's own pixels, what
// programs read back from it, stay as they were drawn.

#include <array>
#include <memory>

#include "platform/gdi/Surface.h"

// The level is a percentage of full red; 0 is no filter.
inline constexpr UINT kDisplayFilterOff = 0;
inline constexpr UINT kDisplayFilterMaxLevel = 100;

// One pixel under the filter: its luma (Rec. 601 weights, which sum to 256
// so white stays 255) times the level, in red; no green, no blue.
COLORREF FilterPixelForDisplay(COLORREF colour, UINT level);

class DisplayFilter {
 public:
  // Levels over kDisplayFilterMaxLevel are held to it.
  void SetLevel(UINT level);
  UINT Level() const { return level_; }
  bool On() const { return level_ != kDisplayFilterOff; }
  // The screen as shown: `screen` itself while off, else a 32-bit filtered
  // copy kept here until the next call.
  const Surface& Apply(const Surface& screen);

 private:
  UINT level_ = kDisplayFilterOff;
  // The red each luma shows as at level_, so that a frame needs no division.
  std::array<BYTE, 256> redOfLuma_{};
  std::unique_ptr<Surface> shown_;
};
