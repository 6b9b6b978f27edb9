#pragma once
// How one star or deep-sky object looks on the map picture: its brightness
// and shape follow from its magnitude alone, so a glance tells bright stars
// from faint ones even on a screen with 4 bits a channel.

#include "platform/runtime/WinTypes.h"
#include "skymap/MapPixels.h"

namespace vespera {

enum class SkySymbolKind { Star, DeepSky };

// Grey level of a star (and red and green level of a deep-sky object).
BYTE SymbolBrightness(float magnitude);

// Stars brighter than magnitude 4, and every deep-sky object, are a plus.
bool DrawsAsPlus(float magnitude, SkySymbolKind kind);

// Draws the symbol centred on map pixel (x, y); pixels off the surface are
// skipped one by one, so a symbol on the edge keeps its inner pixels.
void DrawSkySymbol(MapPixels& pixels, int x, int y, float magnitude, SkySymbolKind kind);

}  // namespace vespera
