// What a paint of the map costs: a full rebuild (every object projected and
// drawn, the buffer copied into the bitmap, the bitmap to the window, names
// and status line) and a paint that only copies the picture and draws over it.
//
// Stars are spread evenly over the sphere; the default view (north pole,
// zoom 1) shows half of them. The sky also holds 700 constellation segments,
// 1000 deep-sky objects and the 88 labels with short names, as the real
// catalogues roughly do.

#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>
#include <random>

#include "bench/skymap/MapWindowFixture.h"

using namespace vespera;

namespace {

constexpr int kSegments = 700;
constexpr int kDeepSky = 1000;
constexpr int kLabels = 88;

struct Sky {
  int stars;
  float faintest;  // magnitudes run evenly from -1.5 to this
};

void FillObjects(CatalogStore& store, int count, float faintest, std::mt19937& random) {
  std::uniform_real_distribution<float> ra(0.0f, 360.0f), z(-1.0f, 1.0f), magnitude(-1.5f, faintest);
  for (int i = 0; i < count; ++i) {
    SkyObjectRecord record;
    record.SetRa(ra(random));
    record.SetDec(static_cast<float>(std::asin(z(random)) * 180.0 / std::numbers::pi));
    record.SetMagnitude(magnitude(random));
    store.objects.Append(record);
  }
}

std::unique_ptr<SkyCatalogs> MakeSky(const Sky& sky) {
  auto catalogs = std::make_unique<SkyCatalogs>();
  std::mt19937 random(7);
  FillObjects(catalogs->starCatalog, sky.stars, sky.faintest, random);
  FillObjects(catalogs->deepSkyCatalog, kDeepSky, 12.0f, random);
  // Segments a few degrees long, like the figures' edges.
  std::uniform_real_distribution<float> ra(0.0f, 360.0f), dec(-80.0f, 80.0f), step(-6.0f, 6.0f);
  for (int i = 0; i < kSegments; ++i) {
    SkyObjectRecord from, to;
    from.SetRa(ra(random));
    from.SetDec(dec(random));
    to.SetRa(from.ra() + step(random));
    to.SetDec(from.dec() + step(random));
    catalogs->constellationLineCatalog.objects.Append(from);
    catalogs->constellationLineCatalog.objects.Append(to);
  }
  for (int i = 0; i < kLabels; ++i) {
    ConstellationLabel label;
    label.SetRa(ra(random));
    label.SetDec(dec(random));
    label.SetShortName(u"Cyg");
    label.SetFullName(u"Canes Venatici");
    catalogs->constellationLabelCatalog.labels.Append(label);
  }
  catalogs->dataLoaded.store(1, std::memory_order_release);
  return catalogs;
}

// Arguments: screen width, height, star count, faintest magnitude x 10, limit.
void BM_Rebuild(benchmark::State& state) {
  MapWindowFixture window(int(state.range(0)), int(state.range(1)),
                          MakeSky({int(state.range(2)), float(state.range(3)) / 10}), double(state.range(4)));
  window.Paint(true);  // fonts loaded and glyphs cached, as after the first paint
  for (auto _ : state) window.Paint(true);
  state.counters["cached_stars"] = double(window.starsDrawn());
}

void BM_Paint(benchmark::State& state) {
  MapWindowFixture window(int(state.range(0)), int(state.range(1)), MakeSky({120000, 12.0f}), 20);
  window.Paint(true);
  for (auto _ : state) window.Paint(false);
}

}  // namespace

BENCHMARK(BM_Rebuild)
    ->ArgNames({"w", "h", "stars", "faintest10", "limit"})
    ->Args({240, 320, 120000, 120, 20})
    ->Args({480, 640, 120000, 120, 20})
    ->Args({240, 320, 5000, 60, 6})
    ->Args({480, 640, 5000, 60, 6})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Paint)->ArgNames({"w", "h"})->Args({240, 320})->Args({480, 640})->Unit(benchmark::kMicrosecond);
