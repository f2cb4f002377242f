// Reading JSON from outside the process as the request, token and API replies are read: wide
// arrays and long strings, whose time must stay linear in the text.
//
//   build/tools/bench/bench_json_bench [--benchmark_filter=...]
#include <benchmark/benchmark.h>

#include <string>

#include "agent/json_text.h"

namespace {

std::string WideArray(long n) {
  std::string s = "[{}";
  for (long i = 1; i < n; ++i) s += ",{}";
  return s + "]";
}

void BM_WideArrayOfEmptyObjects(benchmark::State& state) {
  const std::string text = WideArray(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(agent::ParseJsonText(text));
  state.SetBytesProcessed(static_cast<long>(state.iterations() * text.size()));
}
BENCHMARK(BM_WideArrayOfEmptyObjects)->RangeMultiplier(10)->Range(1000, 1000000)->Unit(benchmark::kMillisecond);

void BM_LongString(benchmark::State& state) {
  const std::string text = "[\"" + std::string(static_cast<std::size_t>(state.range(0)), 'x') + "\"]";
  for (auto _ : state) benchmark::DoNotOptimize(agent::ParseJsonText(text));
  state.SetBytesProcessed(static_cast<long>(state.iterations() * text.size()));
}
BENCHMARK(BM_LongString)->Arg(1 << 20)->Arg(16 << 20)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
