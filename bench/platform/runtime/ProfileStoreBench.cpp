// Reading a settings file: linear in its size whatever the number of values,
// so a damaged file of many keys starts as fast as its size allows.

#include <benchmark/benchmark.h>

#include <string>

#include "platform/runtime/ProfileStore.h"

namespace {

std::string SettingsText(long keys) {
  std::string text = "[Main]\n";
  for (long i = 0; i < keys; ++i) {
    const std::string number = std::to_string(i);
    text += 'K';
    text += number;
    text += '=';
    text += number;
    text += '\n';
  }
  return text;
}

void BM_ParseSettings(benchmark::State& state) {
  const std::string text = SettingsText(state.range(0));
  for (auto _ : state) {
    ProfileStore store("/nonexistent/Vespera.ini");
    store.Parse(text);
    benchmark::DoNotOptimize(store.Find("Main", "K0"));
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ParseSettings)->RangeMultiplier(10)->Range(100, 100000)->Complexity(benchmark::oN);

}  // namespace
