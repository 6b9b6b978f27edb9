// Writes the sample pages as the view lays them out on the two screen sizes,
// for a person to look at: htmlview_shots OUT_DIR.

#include <cstdio>
#include <filesystem>

#include "platform/gdi/FontEngine.h"
#include "platform/gdi/PngCodec.h"
#include "platform/htmlview/HtmlPage.h"
#include "tests/platform/htmlview/SamplePages.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: htmlview_shots OUT_DIR\n");
    return 2;
  }
  const std::filesystem::path out = argv[1];
  std::filesystem::create_directories(out);
  FontEngine fonts;
  struct Page {
    const char* name;
    WideString source;
  };
  const Page pages[] = {{"search", SearchResultPage(4)},
                        {"info", InformationPage()},
                        {"info-red", InformationPage(u"#FF0000")}};
  struct Screen {
    LONG width;
    LONG height;
    int dpi;
  };
  for (const Screen screen : {Screen{240, 320, 96}, Screen{480, 640, 192}}) {
    for (const Page& page : pages) {
      const Surface picture =
          RenderHtmlPage(page.source, screen.width, screen.height, fonts, HtmlMetrics::ForDpi(screen.dpi));
      const auto file = out / (std::string(page.name) + "-" + std::to_string(screen.width) + "x" +
                               std::to_string(screen.height) + ".png");
      if (!SaveSurfacePng(picture, file)) {
        std::fprintf(stderr, "cannot write %s\n", file.c_str());
        return 1;
      }
    }
  }
  return 0;
}
