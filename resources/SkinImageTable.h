#pragma once
// Where the logo and the button images lie in the skin strips of the two
// screen classes: the program copies its images from these places, and the
// skin generator draws its artwork into them, so both read this one table.
// Order: logo, close, menu, up, down, left, right, zoom in, zoom out.

#include <array>

#include "platform/gdi/GdiTypes.h"

namespace vespera {

inline constexpr int kDefinedSkinImages = 9;

// {left, top, right, bottom}, right and bottom inclusive when copied.
inline constexpr std::array<RECT, kDefinedSkinImages> kSkinImages240{{
    {0, 0, 25, 25},
    {146, 0, 162, 14},
    {128, 0, 141, 14},
    {44, 0, 57, 14},
    {59, 0, 72, 14},
    {29, 0, 42, 14},
    {74, 0, 87, 14},
    {109, 0, 123, 14},
    {91, 0, 105, 14},
}};

inline constexpr std::array<RECT, kDefinedSkinImages> kSkinImages480{{
    {0, 0, 51, 51},
    {293, 0, 326, 29},
    {257, 0, 284, 29},
    {89, 0, 116, 29},
    {119, 0, 146, 29},
    {59, 0, 86, 29},
    {149, 0, 176, 29},
    {219, 0, 246, 29},
    {183, 0, 210, 29},
}};

}  // namespace vespera
