#include "platform/windows/DisplayFilter.h"

#include <algorithm>

namespace {

// 0.299, 0.587 and 0.114 in 256ths.
constexpr unsigned kRedWeight = 77;
constexpr unsigned kGreenWeight = 150;
constexpr unsigned kBlueWeight = 29;
static_assert(kRedWeight + kGreenWeight + kBlueWeight == 256);

unsigned Luma(unsigned red, unsigned green, unsigned blue) {
  return (kRedWeight * red + kGreenWeight * green + kBlueWeight * blue) >> 8;
}

BYTE RedOfLuma(unsigned luma, UINT level) {
  return BYTE((luma * level + kDisplayFilterMaxLevel / 2) / kDisplayFilterMaxLevel);
}

}  // namespace

COLORREF FilterPixelForDisplay(COLORREF colour, UINT level) {
  level = std::min(level, kDisplayFilterMaxLevel);
  return RGB(RedOfLuma(Luma(GetRValue(colour), GetGValue(colour), GetBValue(colour)), level), 0, 0);
}

void DisplayFilter::SetLevel(UINT level) {
  level_ = std::min(level, kDisplayFilterMaxLevel);
  for (unsigned luma = 0; luma < redOfLuma_.size(); ++luma) redOfLuma_[luma] = RedOfLuma(luma, level_);
}

const Surface& DisplayFilter::Apply(const Surface& screen) {
  if (!On()) return screen;
  if (!shown_ || shown_->Width() != screen.Width() || shown_->Height() != screen.Height())
    shown_ = std::make_unique<Surface>(screen.Width(), screen.Height(), 32);
  if (screen.BitsPerPixel() != 32) {
    for (LONG y = 0; y < screen.Height(); ++y)
      for (LONG x = 0; x < screen.Width(); ++x) {
        const COLORREF colour = screen.GetPixel(x, y);
        shown_->SetPixel(x, y, RGB(redOfLuma_[Luma(GetRValue(colour), GetGValue(colour), GetBValue(colour))], 0, 0));
      }
    return *shown_;
  }
  // The 32-bit screen is filtered byte by byte: this runs on every frame shown.
  for (LONG y = 0; y < screen.Height(); ++y) {
    const BYTE* in = screen.Row(y);
    BYTE* out = shown_->Row(y);
    for (LONG x = 0; x < screen.Width(); ++x, in += 4, out += 4) {
      out[0] = redOfLuma_[Luma(in[0], in[1], in[2])];
      out[1] = 0;
      out[2] = 0;
      out[3] = in[3];
    }
  }
  return *shown_;
}
