// The cost of showing the largest page the program makes: a search result
// page of 513 items (about 65,000 characters) parsed and laid out to the view
// width on both screen sizes, and painting one screen of it.

#include <benchmark/benchmark.h>

#include "platform/gdi/FontEngine.h"
#include "platform/htmlview/HtmlPage.h"
#include "tests/platform/htmlview/SamplePages.h"

namespace {

const WideString& LargestPage() {
  static const WideString page = SearchResultPage(513);
  return page;
}

// range(0): the view width in pixels; 231 on a 240-wide screen, 462 at 480.
void ParseAndLayOut(benchmark::State& state) {
  FontEngine fonts;
  const int width = int(state.range(0));
  const HtmlMetrics metrics = HtmlMetrics::ForDpi(width >= 400 ? 192 : 96);
  for (auto _ : state) {
    HtmlPage page(fonts, metrics, LargestPage());
    benchmark::DoNotOptimize(page.Layout(width, width));
  }
  state.counters["chars"] = double(LargestPage().size());
}
BENCHMARK(ParseAndLayOut)->Arg(231)->Arg(462)->Unit(benchmark::kMillisecond);

void PaintOneScreen(benchmark::State& state) {
  FontEngine fonts;
  HtmlPage page(fonts, {}, LargestPage());
  page.Layout(231, 185);
  Surface surface(231, 185, 32);
  CDC dc(surface, {0, 0}, surface.Bounds(), &fonts);
  const int middle = page.Height() / 2;
  for (auto _ : state) page.Paint(dc, surface.Bounds(), middle);
}
BENCHMARK(PaintOneScreen)->Unit(benchmark::kMicrosecond);

}  // namespace
