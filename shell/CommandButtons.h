#pragma once
// The main window's seven command buttons on the caption strip, each with
// its command and its skin image, in the order data exchange binds them
// (D, U, >, <, -, +, M). Everything that walks the buttons walks this table.

#include <array>

#include "resources/CommandIds.h"
#include "shell/Skin.h"

namespace vespera {

struct CommandButton {
  UINT id;
  SkinImage image;
};

inline constexpr std::array<CommandButton, 7> kCommandButtons{{
    {kCommandPanDown, kSkinPanDown},
    {kCommandPanUp, kSkinPanUp},
    {kCommandPanRight, kSkinPanRight},
    {kCommandPanLeft, kSkinPanLeft},
    {kCommandZoomOut, kSkinZoomOut},
    {kCommandZoomIn, kSkinZoomIn},
    {kCommandProgramMenu, kSkinMenu},
}};

}  // namespace vespera
