#include "skymap/SkySymbols.h"

namespace vespera {

BYTE SymbolBrightness(float magnitude) {
  if (magnitude < 2) return 255;
  if (magnitude < 3) return 220;
  if (magnitude < 4) return 200;
  if (magnitude < 5) return 100;
  if (magnitude < 6) return 80;
  return 50;
}

bool DrawsAsPlus(float magnitude, SkySymbolKind kind) {
  return kind == SkySymbolKind::DeepSky || magnitude < 4;
}

void DrawSkySymbol(MapPixels& pixels, int x, int y, float magnitude, SkySymbolKind kind) {
  const BYTE h = SymbolBrightness(magnitude);
  const BYTE blue = kind == SkySymbolKind::DeepSky ? BYTE{0} : h;
  if (!DrawsAsPlus(magnitude, kind)) {
    pixels.PutPixel(x, y, h, h, blue);
    return;
  }
  // Written top, left, centre, right, bottom: the order later symbols
  // overwrite earlier ones in, where two pluses touch.
  pixels.PutPixel(x, y - 1, h, h, blue);
  pixels.PutPixel(x - 1, y, h, h, blue);
  pixels.PutPixel(x, y, h, h, blue);
  pixels.PutPixel(x + 1, y, h, h, blue);
  pixels.PutPixel(x, y + 1, h, h, blue);
}

}  // namespace vespera
