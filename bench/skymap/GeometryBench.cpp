// Time per table sine/cosine and per projected star, beside the same work done
// with the C library's sin and cos, and the cost of a clipped line.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>
#include <vector>

#include "skymap/MapPixels.h"
#include "skymap/Projection.h"

using namespace vespera;

namespace {

constexpr int kAngles = 4096;
constexpr int kStars = 120000;  // about the size of the star catalogue
constexpr MapGeometry kVga{0, 52, 32, 480, 556, 237};
constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;

std::vector<double> Angles() {
  std::mt19937 random(1);
  std::uniform_real_distribution<double> angle(-400.0, 400.0);
  std::vector<double> out(kAngles);
  for (double& a : out) a = angle(random);
  return out;
}

struct Star {
  float ra;
  float dec;
};

const std::vector<Star>& Stars() {
  static const std::vector<Star> stars = [] {
    std::mt19937 random(2);
    std::uniform_real_distribution<float> ra(0.0f, 360.0f), z(-1.0f, 1.0f);
    std::vector<Star> out(kStars);
    for (Star& s : out) s = {ra(random), static_cast<float>(std::asin(z(random)) / kRadiansPerDegree)};
    return out;
  }();
  return stars;
}

// Seconds per call, shown by the benchmark library with an SI prefix (n = ns).
void PerCall(benchmark::State& state, int callsPerIteration) {
  state.counters["per_call"] = benchmark::Counter(
      callsPerIteration, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

template <class Function>
void RunOverAngles(benchmark::State& state, Function function) {
  const std::vector<double> angles = Angles();
  for (auto _ : state) {
    double sum = 0;
    for (double a : angles) sum += function(a);
    benchmark::DoNotOptimize(sum);
  }
  PerCall(state, kAngles);
}

void BM_FastSin(benchmark::State& state) { RunOverAngles(state, [](double a) { return FastSin(a); }); }
void BM_StdSin(benchmark::State& state) {
  RunOverAngles(state, [](double a) { return std::sin(a * kRadiansPerDegree); });
}
void BM_FastCos(benchmark::State& state) {
  RunOverAngles(state, [](double a) { return FastCos(static_cast<float>(a)); });
}
void BM_StdCos(benchmark::State& state) {
  RunOverAngles(state, [](double a) { return std::cos(a * kRadiansPerDegree); });
}

// The projection's steps with the C library's functions in place of the
// tables: what the table lookups save.
bool ProjectWithStdTrig(const ViewState& view, const MapGeometry& geometry, float ra, float dec, int& x,
                        int& y) {
  auto sinDeg = [](double a) { return std::sin(a * kRadiansPerDegree); };
  auto cosDeg = [](double a) { return std::cos(a * kRadiansPerDegree); };
  const double cD0 = cosDeg(static_cast<float>(view.centerDec)), sD0 = sinDeg(view.centerDec);
  const double sd = sinDeg(dec), cd = cosDeg(dec);
  const double delta = view.centerRa - ra;
  const double p = cosDeg(static_cast<float>(delta)) * cd;
  const double k = std::clamp(p * cD0 + sd * sD0, -1.0, 1.0);
  const double a = std::asin(k);
  if (!(a >= 0)) return false;
  const double c = a * kDegreesPerRadian;
  const double theta = std::atan2(sd * cD0 - p * sD0, -(sinDeg(delta) * cd)) * kDegreesPerRadian;
  const double fx = 0.5 * (cosDeg(static_cast<float>(theta + c)) + cosDeg(static_cast<float>(c - theta)));
  const double fy = 0.5 * (sinDeg(theta + c) + sinDeg(theta - c));
  x = static_cast<int>(fx * view.zoom * geometry.mapRadius) + geometry.mapWidth / 2;
  y = static_cast<int>(fy * view.zoom * geometry.mapRadius) + geometry.mapHeight / 2;
  return true;
}

ViewState BenchView(int which) {
  ViewState view;
  if (which == 1) {  // north up after centring on an object, zoomed in
    view.centerRa = 263.73;
    view.centerDec = 141.5;
    view.zoom = 4.0;
  }
  return view;
}

template <class Project>
void RunOverStars(benchmark::State& state, Project project) {
  const std::vector<Star>& stars = Stars();
  for (auto _ : state) {
    int visible = 0, sum = 0;
    for (const Star& s : stars) {
      int x = 0, y = 0;
      if (project(s, x, y)) {
        ++visible;
        sum += x ^ y;
      }
    }
    benchmark::DoNotOptimize(visible);
    benchmark::DoNotOptimize(sum);
  }
  PerCall(state, kStars);
}

// One ViewProjection per rebuild, as the renderer uses it.
void BM_ProjectToScreen(benchmark::State& state) {
  const ViewProjection projection(BenchView(static_cast<int>(state.range(0))), kVga);
  RunOverStars(state, [&](const Star& s, int& x, int& y) { return ProjectToScreen(projection, s.ra, s.dec, x, y); });
}

// The plain form that takes the centre's sine and cosine again per call.
void BM_ProjectToScreenPerCall(benchmark::State& state) {
  const ViewState view = BenchView(static_cast<int>(state.range(0)));
  RunOverStars(state, [&](const Star& s, int& x, int& y) { return ProjectToScreen(view, kVga, s.ra, s.dec, x, y); });
}

void BM_ProjectWithStdTrig(benchmark::State& state) {
  const ViewState view = BenchView(static_cast<int>(state.range(0)));
  RunOverStars(state, [&](const Star& s, int& x, int& y) { return ProjectWithStdTrig(view, kVga, s.ra, s.dec, x, y); });
}

// A constellation segment crossing a 480 x 556 surface: its length is the
// argument, and the cost must follow the ~480 pixels on the surface instead.
void BM_DrawLineAcrossSurface(benchmark::State& state) {
  const int reach = static_cast<int>(state.range(0));
  MapPixels pixels;
  pixels.AllocatePixels(kVga.mapWidth, kVga.mapHeight, kVga.mapWidth * 4, 32);
  for (auto _ : state) {
    pixels.DrawLine(240 - reach, 200 - reach / 3, 240 + reach, 300 + reach / 3, 50, 0, 0);
    benchmark::ClobberMemory();
  }
}

}  // namespace

BENCHMARK(BM_FastSin);
BENCHMARK(BM_StdSin);
BENCHMARK(BM_FastCos);
BENCHMARK(BM_StdCos);
BENCHMARK(BM_ProjectToScreen)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProjectToScreenPerCall)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProjectWithStdTrig)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawLineAcrossSurface)->Arg(300)->Arg(100000)->Arg(1000000000);
