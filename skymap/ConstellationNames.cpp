#include "skymap/ConstellationNames.h"

#include <cstdint>
#include <string_view>

namespace vespera {

namespace {

constexpr int kNameHalfWidth = 50;
constexpr int kNameHalfHeight = 9;
constexpr UINT kNameFormat = DT_CENTER | DT_VCENTER;

}  // namespace

LOGFONT MapFontDescription() {
  LOGFONT font;
  font.lfHeight = -10;
  font.lfWeight = FW_NORMAL;
  constexpr std::u16string_view face = u"Times New Roman";
  face.copy(font.lfFaceName, face.size());
  return font;
}

bool LabelFitsMap(int x, int y, const MapGeometry& geometry) {
  // In 64 bits: at a high zoom a visible label may project near the int limit.
  const std::int64_t x64 = x;
  const std::int64_t y64 = y;
  return x64 > 9 && x64 + 10 < geometry.mapWidth && y64 > 8 && y64 + 9 < geometry.mapHeight;
}

void DrawConstellationNames(CDC& dc, const CatalogStore& labels, const ViewProjection& projection,
                            const MapGeometry& geometry, ConstellationNameStyle style, CFont& mapFont) {
  if (style != ConstellationNameStyle::Short && style != ConstellationNameStyle::Full) return;
  const int previousMode = dc.SetBkMode(TRANSPARENT);
  const COLORREF previousColour = dc.SetTextColor(kConstellationNameColour);
  CFont* previousFont = dc.SelectObject(&mapFont);

  for (const ConstellationLabel& label : labels.labels) {
    int x = 0, y = 0;
    if (!ProjectToScreen(projection, label.ra(), label.dec(), x, y)) continue;
    if (!LabelFitsMap(x, y, geometry)) continue;
    const WideString name = style == ConstellationNameStyle::Short ? label.shortName() : label.fullName();
    const int px = x + geometry.mapLeft;
    const int py = y + geometry.mapTop;
    RECT box{px - kNameHalfWidth, py - kNameHalfHeight, px + kNameHalfWidth, py + kNameHalfHeight};
    dc.DrawText(name, &box, kNameFormat);
  }

  dc.SelectObject(previousFont);
  dc.SetTextColor(previousColour);
  dc.SetBkMode(previousMode);
}

}  // namespace vespera
