// The map, a tap and a search over the real catalogue the program ships (the
// staged program folder; VESPERA_PROGRAM_DIR may name another): a rebuild at
// the two screen sizes, magnitude limits 6 and 20 and zoom 1 and 8; a paint
// without rebuild; the arc functions alone of a full rebuild; a tap looked up
// in the hit caches; a one-letter search without regard to case; the
// observer's overlay (horizon, letters, caption; then with the alt-az grid and
// star names) over a "look up" view, the Sun, Moon and planets drawn over the
// same view, and the update of the bodies the main window keeps.

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/skymap/MapWindowFixture.h"
#include "catalog/CatalogLoader.h"
#include "ephemeris/HorizonFrame.h"
#include "ephemeris/TimeText.h"
#include "search/SearchEngine.h"
#include "shell/ObserverBodies.h"
#include "skymap/MapLayout.h"
#include "skymap/Projection.h"
#include "skymap/Selection.h"
#include "tests/search/ReferenceSearchEngine.h"

using namespace vespera;

namespace {

std::string ProgramDirectory() {
  const char* dir = std::getenv("VESPERA_PROGRAM_DIR");
  std::string path = dir ? dir : VESPERA_STAGED_PROGRAM_DIR;
  if (!path.empty() && path.back() != '/') path += '/';
  return path;
}

std::unique_ptr<SkyCatalogs> RealSky() {
  auto catalogs = std::make_unique<SkyCatalogs>();
  if (const Expected<void> loaded = LoadCatalogs(*catalogs, ProgramDirectory()); !loaded) throw std::runtime_error(loaded.reason());
  return catalogs;
}

// The catalogue must be there: figures over empty tables would look splendid.
bool CheckLoaded(benchmark::State& state, const SkyCatalogs& catalogs) {
  if (catalogs.starCatalog.objects.count() > 100000) return true;
  state.SkipWithError(("no real catalogue in " + ProgramDirectory()).c_str());
  return false;
}

// Arguments: screen width, height, magnitude limit, zoom.
void BM_Rebuild(benchmark::State& state) {
  MapWindowFixture window(int(state.range(0)), int(state.range(1)), RealSky(), double(state.range(2)),
                          double(state.range(3)));
  if (!CheckLoaded(state, window.catalogs())) return;
  window.Paint(true);
  for (auto _ : state) window.Paint(true);
  state.counters["cached_stars"] = double(window.starsDrawn());
}

// The same with the picture drawn by the plain loop that projects every
// record in full.
void BM_RebuildPlainLoop(benchmark::State& state) {
  MapWindowFixture window(int(state.range(0)), int(state.range(1)), RealSky(), double(state.range(2)),
                          double(state.range(3)));
  if (!CheckLoaded(state, window.catalogs())) return;
  window.PaintWithPlainLoop();
  for (auto _ : state) window.PaintWithPlainLoop();
  state.counters["cached_stars"] = double(window.starsDrawn());
}

void BM_Paint(benchmark::State& state) {
  MapWindowFixture window(int(state.range(0)), int(state.range(1)), RealSky(), 6);
  if (!CheckLoaded(state, window.catalogs())) return;
  window.Paint(true);
  for (auto _ : state) window.Paint(false);
}

// Paris on the March equinox of 2024 at 21:30 UTC, looked up at zoom 1.
// Arguments: alt-az grid and star names off (0) or on (1).
void BM_HorizonOverlay(benchmark::State& state) {
  MapWindowFixture window(480, 640, RealSky(), 6);
  if (!CheckLoaded(state, window.catalogs())) return;
  const Expected<UtcInstant> instant = ParseUtcTime("2024-03-20T21:30Z");
  if (!instant) return state.SkipWithError(instant.reason().c_str());
  const Expected<TimeScales> time = TimeScalesAt(*instant);
  if (!time) return state.SkipWithError(time.reason().c_str());
  const HorizonFrame frame(*time, Place{48.85, 2.35});
  const SkyPoint zenith = SkyPointOf(frame.Zenith());
  window.view().centerRa = zenith.ra + 180.0;
  window.view().centerDec = 180.0 - zenith.dec;
  window.Paint(true);
  const std::vector<NamedStar> names = BrightestNamedStars(window.catalogs().starCatalog, 1000);
  HorizonOverlay overlay;
  overlay.north = frame.CardinalPoint(Cardinal::North);
  overlay.east = frame.CardinalPoint(Cardinal::East);
  overlay.zenith = frame.Zenith();
  overlay.caption = u"22:30 UTC+1 48.85N 2.35E";
  overlay.altAzGrid = state.range(0) != 0;
  if (state.range(0) != 0) overlay.starNames = names;
  window.DrawHorizon(overlay);
  for (auto _ : state) window.DrawHorizon(overlay);
}

// The bodies as the main window keeps them for that evening, looked up at:
// the gibbous Moon high in the south-west, Jupiter low in the west, the Sun
// and the other planets below the horizon.
Observer ParisOnTheEquinox() {
  Observer observer;
  observer.choices().on = true;
  observer.choices().place = Place{48.85, 2.35};
  if (const Expected<UtcInstant> instant = ParseUtcTime("2024-03-20T21:30Z")) observer.ShowTime(*instant);
  return observer;
}

void BM_BodySymbols(benchmark::State& state) {
  MapWindowFixture window(480, 640, RealSky(), 6);
  if (!CheckLoaded(state, window.catalogs())) return;
  const Observer observer = ParisOnTheEquinox();
  ObserverSky sky;
  ObserverBodies bodies;
  bodies.Update(observer, sky);
  const HorizonFrame* frame = sky.FrameFor(observer);
  if (!frame || bodies.symbols().empty()) return state.SkipWithError("no bodies for the evening");
  const SkyPoint zenith = SkyPointOf(frame->Zenith());
  window.view().centerRa = zenith.ra + 180.0;
  window.view().centerDec = 180.0 - zenith.dec;
  window.Paint(true);
  const BodyOverlay overlay{bodies.symbols(), false};
  window.DrawBodies(overlay);
  for (auto _ : state) window.DrawBodies(overlay);
}

// One update of the kept bodies, a minute on each time as the clock moves.
void BM_ObserverBodiesUpdate(benchmark::State& state) {
  Observer observer = ParisOnTheEquinox();
  ObserverSky sky;
  ObserverBodies bodies;
  for (auto _ : state) {
    observer.StepTime(std::chrono::minutes(1));
    bodies.Update(observer, sky);
    benchmark::DoNotOptimize(bodies.bodies().data());
  }
}

// The look-up of a tap, with the star cache full (limit 20): a tap on empty
// sky scans both caches to the end, which is the slowest case.
void BM_Tap(benchmark::State& state) {
  MapWindowFixture window(480, 640, RealSky(), 20);
  if (!CheckLoaded(state, window.catalogs())) return;
  window.Paint(true);
  Selection selection;
  const MapGeometry& map = window.layout().geometry;
  int x = 0;
  for (auto _ : state) {
    x = (x + 37) % map.mapWidth;
    benchmark::DoNotOptimize(SelectAt(selection, window.catalogs(), window.hits(), x, map.mapHeight / 2));
  }
}

// What no shortcut can take out of a rebuild at limit 20 and zoom 1: the arc
// sine and arc tangent of every star that lands on the map (about 59,000),
// with their arguments worked out beforehand, on one thread. The rebuild on
// one core cannot go below this.
void BM_ArcFunctionsOfVisibleStars(benchmark::State& state) {
  const std::unique_ptr<SkyCatalogs> sky = RealSky();
  if (!CheckLoaded(state, *sky)) return;
  const MapGeometry geometry = ComputeMapLayout(480, 640).geometry;
  ViewState view;
  view.magnitudeLimit = 20;
  const ViewProjection projection(view, geometry);
  std::vector<ViewProjection::ArcArguments> arguments;
  const RecordTable<SkyObjectRecord>& stars = sky->starCatalog.objects;
  for (std::size_t i = 0; i < stars.count(); ++i) {
    const SkyObjectRecord& star = stars[i];
    if (!(static_cast<double>(star.magnitude()) <= view.magnitudeLimit) || !std::isfinite(star.ra()) ||
        !std::isfinite(star.dec()))
      continue;
    const ViewProjection::DeclinationTerms terms = ViewProjection::DeclinationTermsOf(star.dec());
    const ViewProjection::Approach approach = projection.ApproachOf(star.ra(), terms);
    if (!(approach.cosDistance >= 0.0)) continue;
    const ViewProjection::ArcArguments starArguments = projection.ArcArgumentsOf(approach, terms);
    int x = 0, y = 0;
    if (!projection.PlaceByArcs(ViewProjection::ArcsOf(starArguments), x, y) || x < 0 || x >= geometry.mapWidth ||
        y < 0 || y >= geometry.mapHeight)
      continue;
    arguments.push_back(starArguments);
  }
  for (auto _ : state) {
    double sum = 0;
    for (const ViewProjection::ArcArguments& a : arguments) {
      const ViewProjection::Arcs arcs = ViewProjection::ArcsOf(a);
      sum += arcs.distance + arcs.angle;
    }
    benchmark::DoNotOptimize(sum);
  }
  state.counters["stars"] = double(arguments.size());
}

// The index is made once, at the first search; a query then costs the
// scan of its folded texts and the writing of the page.
void BM_SearchOneLetter(benchmark::State& state) {
  const std::unique_ptr<SkyCatalogs> sky = RealSky();
  if (!CheckLoaded(state, *sky)) return;
  const SearchIndex index(sky->starCatalog, sky->deepSkyCatalog, sky->constellationLabelCatalog);
  const WideString query(1, char16_t(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(BuildSearchPage(query, false, index));
}

void BM_SearchOneLetterPlainScan(benchmark::State& state) {
  const std::unique_ptr<SkyCatalogs> sky = RealSky();
  if (!CheckLoaded(state, *sky)) return;
  const WideString query(1, char16_t(state.range(0)));
  for (auto _ : state)
    benchmark::DoNotOptimize(BuildReferenceSearchPage(query, false, sky->starCatalog, sky->deepSkyCatalog,
                                                      sky->constellationLabelCatalog));
}

void BM_SearchIndex(benchmark::State& state) {
  const std::unique_ptr<SkyCatalogs> sky = RealSky();
  if (!CheckLoaded(state, *sky)) return;
  for (auto _ : state) {
    const SearchIndex index(sky->starCatalog, sky->deepSkyCatalog, sky->constellationLabelCatalog);
    benchmark::DoNotOptimize(&index);
  }
}

}  // namespace

// A large rebuild shares its work with a second thread: its CPU time is the
// whole process's (both threads), its real time what the user waits.
BENCHMARK(BM_Rebuild)
    ->ArgNames({"w", "h", "limit", "zoom"})
    ->ArgsProduct({{240}, {320}, {6, 20}, {1, 8}})
    ->ArgsProduct({{480}, {640}, {6, 20}, {1, 8}})
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RebuildPlainLoop)
    ->ArgNames({"w", "h", "limit", "zoom"})
    ->ArgsProduct({{240}, {320}, {6, 20}, {1, 8}})
    ->ArgsProduct({{480}, {640}, {6, 20}, {1, 8}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ArcFunctionsOfVisibleStars)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Paint)->ArgNames({"w", "h"})->Args({240, 320})->Args({480, 640})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HorizonOverlay)->ArgName("extras")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BodySymbols)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ObserverBodiesUpdate)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Tap)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SearchOneLetter)->ArgName("letter")->Arg('a')->Arg('V')->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchOneLetterPlainScan)->ArgName("letter")->Arg('a')->Arg('V')->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchIndex)->Unit(benchmark::kMillisecond);
