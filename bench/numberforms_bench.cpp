// Number printing runs for every line of the large reports.
#include <benchmark/benchmark.h>

#include "shell/numberforms.hpp"

static void BM_DoubleForm(benchmark::State& state) {
  double v = 0.1234567890123456;
  for (auto _ : state) {
    benchmark::DoNotOptimize(doubleForm(v));
    v += 1e-3;
  }
}
BENCHMARK(BM_DoubleForm);

static void BM_IntForm(benchmark::State& state) {
  long long v = 0;
  for (auto _ : state) benchmark::DoNotOptimize(intForm(++v));
}
BENCHMARK(BM_IntForm);
