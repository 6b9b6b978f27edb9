#include "platform/windows/DisplayFilter.h"

#include <algorithm>

namespace {

// 0.299, 0.587 and 0.114 in 256ths.
constexpr unsigned kRedWeight = 77;
constexpr unsigned kGreenWeight = 150;
constexpr unsigned kBlueWeight = 29;
static_assert(kRedWeight + kGreenWeight + kBlueWeight == 256);

BYTE FilteredRed(unsigned red, unsigned green, unsigned blue, UINT level) {
  const unsigned luma = (kRedWeight * red + kGreenWeight * green + kBlueWeight * blue) >> 8;
  return BYTE((luma * level + kDisplayFilterMaxLevel / 2) / kDisplayFilterMaxLevel);
}

}  // namespace

COLORREF FilterPixelForDisplay(COLORREF colour, UINT level) {
  level = std::min(level, kDisplayFilterMaxLevel);
  return RGB(FilteredRed(GetRValue(colour), GetGValue(colour), GetBValue(colour), level), 0, 0);
}

void DisplayFilter::SetLevel(UINT level) { level_ = std::min(level, kDisplayFilterMaxLevel); }

const Surface& DisplayFilter::Apply(const Surface& screen) {
  if (!On()) return screen;
  if (!shown_ || shown_->Width() != screen.Width() || shown_->Height() != screen.Height())
    shown_ = std::make_unique<Surface>(screen.Width(), screen.Height(), 32);
  if (screen.BitsPerPixel() != 32) {
    for (LONG y = 0; y < screen.Height(); ++y)
      for (LONG x = 0; x < screen.Width(); ++x)
        shown_->SetPixel(x, y, FilterPixelForDisplay(screen.GetPixel(x, y), level_));
    return *shown_;
  }
  // The 32-bit screen is filtered byte by byte: this runs on every frame shown.
  for (LONG y = 0; y < screen.Height(); ++y) {
    const BYTE* in = screen.Row(y);
    BYTE* out = shown_->Row(y);
    for (LONG x = 0; x < screen.Width(); ++x, in += 4, out += 4) {
      out[0] = FilteredRed(in[0], in[1], in[2], level_);
      out[1] = 0;
      out[2] = 0;
      out[3] = in[3];
    }
  }
  return *shown_;
}
