// vespera_make_skins PROGRAM_DIR ICON_DIR
// Draws the four skin bitmaps into the program folder and the application
// icon, from the same drawing, as PNG files into ICON_DIR.

#include <cstdio>
#include <exception>
#include <filesystem>

#include "tools/skins/ImageFiles.h"
#include "tools/skins/SkinStrip.h"

namespace vespera {

namespace fs = std::filesystem;

}  // namespace vespera

using namespace vespera;

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: vespera_make_skins PROGRAM_DIR ICON_DIR\n");
    return 2;
  }
  try {
    const fs::path programDir = argv[1], iconDir = argv[2];
    fs::create_directories(programDir);
    fs::create_directories(iconDir);
    WriteBmp24(programDir / "Icons240.bmp", DrawSkinStrip(SkinLayout240(), DayPalette()));
    WriteBmp24(programDir / "Icons240r.bmp", DrawSkinStrip(SkinLayout240(), RedPalette()));
    WriteBmp24(programDir / "Icons480.bmp", DrawSkinStrip(SkinLayout480(), DayPalette()));
    WriteBmp24(programDir / "Icons480r.bmp", DrawSkinStrip(SkinLayout480(), RedPalette()));
    for (const int size : {48, 128})
      WritePngRgba(iconDir / ("vespera-" + std::to_string(size) + ".png"), DrawAppIcon(size));
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "vespera_make_skins: %s\n", e.what());
    return 1;
  }
}
