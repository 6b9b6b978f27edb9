// What the sky for a place and time costs: one update of all bodies (the
// work done when the shown time or the place changes, and once a minute while
// the time follows the clock), and the daily events of all of them with the
// twilights (the work of a "tonight" summary).

#include <benchmark/benchmark.h>

#include "ephemeris/DailyEvents.h"
#include "ephemeris/PlanetMagnitude.h"

using namespace vespera;

namespace {

constexpr Place kParis{48.85, 2.35};
// 2026-12-08 21:00 UTC.
const UtcInstant kEvening{std::chrono::seconds(1796763600)};

// Everything a map needs of each body: where it is in J2000 and in the sky,
// how bright it is and how much of it is lit.
struct BodyView {
  Vector3 direction{};
  Horizontal horizontal;
  double magnitude = 0.0;
  double litFraction = 0.0;
};

void BM_UpdateAllBodies(benchmark::State& state) {
  UtcInstant instant = kEvening;
  for (auto _ : state) {
    const Expected<TimeScales> time = TimeScalesAt(instant);
    const HorizonFrame frame(*time, kParis);
    Expected<SolarSystem> bodies = ComputeBodies(*time);
    (*bodies)[static_cast<int>(Body::Moon)] = TopocentricMoon(Of(*bodies, Body::Moon), frame, kParis);
    std::array<BodyView, kBodyCount> views;
    for (int i = 0; i < kBodyCount; ++i) {
      views[i].direction = (*bodies)[i].astrometric;
      views[i].horizontal = frame.HorizontalOf((*bodies)[i].astrometric);
      views[i].magnitude = VisualMagnitude((*bodies)[i]).value_or(0.0);
      views[i].litFraction = IlluminatedFraction((*bodies)[i]);
    }
    benchmark::DoNotOptimize(views);
    instant += std::chrono::minutes(1);  // as the clock advances
  }
}
BENCHMARK(BM_UpdateAllBodies)->Unit(benchmark::kMillisecond);

void BM_DailyEventsOfAllBodiesAndTwilights(benchmark::State& state) {
  for (auto _ : state) {
    for (Body body : kAllBodies) benchmark::DoNotOptimize(EventsOfBody(body, kEvening, kParis));
    benchmark::DoNotOptimize(TwilightsOf(kEvening, kParis));
  }
}
BENCHMARK(BM_DailyEventsOfAllBodiesAndTwilights)->Unit(benchmark::kMillisecond);

}  // namespace
