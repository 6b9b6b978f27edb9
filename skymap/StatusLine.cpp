#include "skymap/StatusLine.h"

#include "appcore/RedScreenColours.h"

namespace vespera {

namespace {

constexpr std::size_t kTrailingSpaces = 41;

}  // namespace

StatusColours StatusLineColours(bool redScreenMode, COLORREF skinBackground) {
  if (redScreenMode) return {kRedScreenRed, skinBackground};
  return {};
}

void DrawStatusLine(CDC& dc, std::u16string_view statusText, const MapLayout& layout, StatusColours colours) {
  const RECT band = StatusBandRect(layout);
  const COLORREF previousBackground = dc.SetBkColor(colours.background);
  const COLORREF previousText = dc.SetTextColor(colours.text);

  WideString line(statusText);
  line.append(kTrailingSpaces, u' ');
  RECT textBox = band;
  const int textHeight = dc.DrawText(line, &textBox, 0);

  if (textHeight < band.Height()) {
    const RECT below{band.left, band.top + textHeight, band.right, band.bottom};
    dc.FillSolidRect(&below, colours.background);
  }

  dc.SetBkColor(previousBackground);
  dc.SetTextColor(previousText);
}

}  // namespace vespera
