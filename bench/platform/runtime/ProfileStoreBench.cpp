// Reading a settings file: linear in its size whatever the number of values,
// so a damaged file of many keys starts as fast as its size allows.

#include <benchmark/benchmark.h>

#include <string>

#include "platform/runtime/ProfileStore.h"
#include "tests/platform/runtime/ManyKeysSettings.h"

namespace {

void BM_ParseSettings(benchmark::State& state) {
  const std::string text = ManyKeysSettings(state.range(0));
  for (auto _ : state) {
    ProfileStore store("/nonexistent/Vespera.ini");
    store.Parse(text);
    benchmark::DoNotOptimize(store.Find("Main", "K0"));
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ParseSettings)->RangeMultiplier(10)->Range(100, 100000)->Complexity(benchmark::oN);

}  // namespace
