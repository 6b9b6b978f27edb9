#pragma once
// Image files for the program folder and the desktop: the device's bitmap
// format (uncompressed 24-bit, bottom-up rows padded to four bytes) for the
// skins, PNG with transparency for the icon.

#include <filesystem>

#include "tools/skins/Canvas.h"

namespace vespera {

void WriteBmp24(const std::filesystem::path& path, const Canvas& canvas);
void WritePngRgba(const std::filesystem::path& path, const Canvas& canvas);

}  // namespace vespera
