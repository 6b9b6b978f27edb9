// What one paint of the main window costs the graphics layer: the map copy,
// the 88 constellation names and the status line.

#include <benchmark/benchmark.h>

#include <array>
#include <string_view>

#include "platform/gdi/DeviceContext.h"

namespace {

// As long as the real full names, so the glyph work matches a real paint.
constexpr std::array<std::u16string_view, 88> kNames = {
    u"Andromeda", u"Antlia", u"Apus", u"Aquarius", u"Aquila", u"Ara", u"Aries", u"Auriga",
    u"Bo\u00f6tes", u"Caelum", u"Camelopardalis", u"Cancer", u"Canes Venatici", u"Canis Major",
    u"Canis Minor", u"Capricornus", u"Carina", u"Cassiopeia", u"Centaurus", u"Cepheus", u"Cetus",
    u"Chamaeleon", u"Circinus", u"Columba", u"Coma Berenices", u"Corona Australis",
    u"Corona Borealis", u"Corvus", u"Crater", u"Crux", u"Cygnus", u"Delphinus", u"Dorado",
    u"Draco", u"Equuleus", u"Eridanus", u"Fornax", u"Gemini", u"Grus", u"Hercules", u"Horologium",
    u"Hydra", u"Hydrus", u"Indus", u"Lacerta", u"Leo", u"Leo Minor", u"Lepus", u"Libra", u"Lupus",
    u"Lynx", u"Lyra", u"Mensa", u"Microscopium", u"Monoceros", u"Musca", u"Norma", u"Octans",
    u"Ophiuchus", u"Orion", u"Pavo", u"Pegasus", u"Perseus", u"Phoenix", u"Pictor", u"Pisces",
    u"Piscis Austrinus", u"Puppis", u"Pyxis", u"Reticulum", u"Sagitta", u"Sagittarius",
    u"Scorpius", u"Sculptor", u"Scutum", u"Serpens", u"Sextans", u"Taurus", u"Telescopium",
    u"Triangulum", u"Triangulum Australe", u"Tucana", u"Ursa Major", u"Ursa Minor", u"Vela",
    u"Virgo", u"Volans", u"Vulpecula"};

LOGFONT MapFont() {
  LOGFONT font;
  font.lfHeight = -10;
  font.lfWeight = FW_NORMAL;
  const std::u16string_view face = u"Times New Roman";
  face.copy(font.lfFaceName, face.size());
  return font;
}

void BM_ConstellationNames(benchmark::State& state) {
  const int depth = int(state.range(0));
  FontEngine fonts;
  Surface screen(480, 640, depth);
  CDC dc(screen, {0, 0}, screen.Bounds(), &fonts);
  CFont mapFont;
  const LOGFONT logFont = MapFont();
  mapFont.CreateFontIndirect(&logFont);
  for (auto _ : state) {
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(150, 0, 0));
    CFont* previous = dc.SelectObject(&mapFont);
    for (std::size_t i = 0; i < kNames.size(); ++i) {
      // Spread over the map as the labels are, some cut by the screen edge.
      const LONG x = LONG(i * 53 % 500) - 10;
      const LONG y = 52 + LONG(i * 97 % 556);
      RECT box{x - 50, y - 9, x + 50, y + 9};
      dc.DrawText(kNames[i].data(), int(kNames[i].size()), &box, DT_CENTER | DT_VCENTER);
    }
    dc.SelectObject(previous);
    benchmark::DoNotOptimize(screen.Bytes().data());
  }
  state.SetItemsProcessed(int64_t(state.iterations()) * int64_t(kNames.size()));
}
BENCHMARK(BM_ConstellationNames)->Arg(32)->Arg(16)->Unit(benchmark::kMicrosecond);

void BM_StatusLine(benchmark::State& state) {
  FontEngine fonts;
  Surface screen(480, 640, 32);
  CDC dc(screen, {0, 0}, screen.Bounds(), &fonts);
  fonts.SetDefaultFont(MakeSystemFont(26));
  const std::u16string text =
      u"Ready. Drawing time: 0.05s.                                         ";
  for (auto _ : state) {
    RECT band{0, 608, 480, 640};
    benchmark::DoNotOptimize(dc.DrawText(text, &band, 0));
  }
}
BENCHMARK(BM_StatusLine)->Unit(benchmark::kMicrosecond);

void BM_MapCopy(benchmark::State& state) {
  const int depth = int(state.range(0));
  FontEngine fonts;
  Surface screen(480, 640, depth);
  CDC dc(screen, {0, 0}, screen.Bounds(), &fonts);
  CBitmap map;
  map.CreateCompatibleBitmap(&dc, 480, 556);
  for (auto _ : state) {
    CDC memory;
    memory.CreateCompatibleDC(&dc);
    CBitmap* previous = memory.SelectObject(&map);
    dc.BitBlt(0, 52, 480, 556, &memory, 0, 0, SRCCOPY);
    memory.SelectObject(previous);
    benchmark::DoNotOptimize(screen.Bytes().data());
  }
}
BENCHMARK(BM_MapCopy)->Arg(32)->Arg(16)->Unit(benchmark::kMicrosecond);

void BM_CopyBetweenDepths(benchmark::State& state) {
  Surface from(480, 556, 32);
  Surface to(480, 556, 16);
  for (auto _ : state) {
    to.CopyFrom(from, from.Bounds(), {0, 0}, to.Bounds());
    benchmark::DoNotOptimize(to.Bytes().data());
  }
}
BENCHMARK(BM_CopyBetweenDepths)->Unit(benchmark::kMicrosecond);

}  // namespace
