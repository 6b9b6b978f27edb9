#include "shell/CaptionBar.h"

#include "appcore/RedScreenColours.h"
#include "appcore/ScreenClass.h"
#include "shell/ProgramWide.h"

namespace vespera {

namespace {

constexpr COLORREF kTitleColour = RGB(255, 255, 255);
constexpr int kTitleRightMargin = 5;

// The device draws the title with DT_VCENTER alone; without DT_SINGLELINE the
// flag has no effect, so the title sits at the top of its box.
constexpr UINT kTitleFormat = DT_VCENTER;

RECT TitleBox(bool highResolution, const RECT& windowRect) {
  return {highResolution ? 53 : 29, 1, windowRect.Width() - kTitleRightMargin, highResolution ? 46 : 24};
}

}  // namespace

int CaptionStripHeight(bool highResolution) { return highResolution ? 52 : 26; }

void DrawCaptionBar(CDC& dc, CSkin& skin, bool redScreen, bool highResolution, const RECT& windowRect,
                    std::u16string_view title) {
  skin.DrawSkinImage(dc, kSkinLogo, {0, 0});
  CBrush bar(skin.GetSkinPixel(kSkinColourPixel.x, kSkinColourPixel.y));
  // The bar starts on the logo's last column and is exactly as high as it.
  const RECT logo = skin.ImageRect(kSkinLogo);
  const RECT barRect{logo.right - logo.left, 0, windowRect.right, logo.bottom - logo.top + 1};
  dc.FillRect(&barRect, &bar);
  if (title.empty()) return;

  const int previousMode = dc.SetBkMode(TRANSPARENT);
  const COLORREF previousColour = dc.SetTextColor(redScreen ? kRedScreenRed : kTitleColour);
  RECT box = TitleBox(highResolution, windowRect);
  dc.DrawText(title, &box, kTitleFormat);
  dc.SetBkMode(previousMode);
  dc.SetTextColor(previousColour);
}

void DrawCaptionBar(CDC& dc, const RECT& windowRect, std::u16string_view title) {
  DrawCaptionBar(dc, *theSkin, IsRedScreenOn(), IsHighResScreen(), windowRect, title);
}

}  // namespace vespera
