#pragma once
// The drawing behind the skins and the application icon: a round patch of
// night sky with the evening star as the logo, and rounded buttons with
// plain white glyphs. Colours come from a palette, so the red night-vision
// skins are the same drawing in reds and black only.

#include "tools/skins/Canvas.h"

namespace vespera {

struct SkinPalette {
  Rgba caption;    // caption bar and strip background
  Rgba face;       // button face
  Rgba faceEdge;   // button rim
  Rgba glyph;      // arrows, plus, minus, M, X
  Rgba sky;        // the logo's sky
  Rgba skyRim;     // the logo's rim and figure lines
  Rgba star;       // the logo's stars
};

// A dark sky blue with white glyphs.
SkinPalette DayPalette();
// The same roles in reds and black: the caption a dark red behind the red
// title text, the glyphs full red.
SkinPalette RedPalette();

enum class ButtonGlyph { ArrowLeft, ArrowUp, ArrowDown, ArrowRight, Minus, Plus, Menu, Close };

// The logo inside the square of side size at topLeft.
void DrawLogo(Canvas& canvas, Point2 topLeft, double size, const SkinPalette& palette);

// A button face filling the box at topLeft of the given size, with its glyph.
// Glyph strokes snap to whole pixels at every size, so they stay crisp.
void DrawButton(Canvas& canvas, ButtonGlyph glyph, Point2 topLeft, Point2 size, const SkinPalette& palette);

// The application icon: the logo alone on a transparent square.
Canvas DrawAppIcon(int size);

}  // namespace vespera
