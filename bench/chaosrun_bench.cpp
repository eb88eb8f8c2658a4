// The largest run ("R" with IM = N = 32767) against the same number of bare
// map steps, and "F" on that run.
#include <benchmark/benchmark.h>

#include "chaosrun/chaosfunction.hpp"
#include "chaosrun/chaosrun.hpp"
#include "shell/console.hpp"
#include "shell/shell.hpp"
#include "state/runstate.hpp"
#include "state/shellstate.hpp"

namespace {

constexpr double RUNK = 4.0, RUNX = 0.3;
constexpr int32_t RUNIM = 32767, RUNN = 32767;

// Map steps of the largest run (the same every time: the run is deterministic).
uint64_t largestRunSteps() {
  static const uint64_t steps = [] {
    uint64_t before = MAPSTEPCOUNT;
    makeChaosRun(RUNK, RUNX, RUNIM, RUNN, MAXREJECTEDCANDIDATES);
    return MAPSTEPCOUNT - before;
  }();
  return steps;
}

// Fresh program state holding the largest run.
void prepareLargestRun() {
  SIZESTARTTABLES();
  INIT();
  makeChaosRun(RUNK, RUNX, RUNIM, RUNN, MAXREJECTEDCANDIDATES);
}

}  // namespace

static void BM_ChaosRun_32767(benchmark::State& state) {
  uint64_t steps = 0;
  for (auto _ : state) {
    uint64_t before = MAPSTEPCOUNT;
    bool made = makeChaosRun(RUNK, RUNX, RUNIM, RUNN, MAXREJECTEDCANDIDATES);
    benchmark::DoNotOptimize(made);
    steps = MAPSTEPCOUNT - before;
  }
  state.counters["map_steps"] = static_cast<double>(steps);
  state.counters["ns_per_step"] = benchmark::Counter(
      static_cast<double>(steps) * static_cast<double>(state.iterations()),
      benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ChaosRun_32767)->Unit(benchmark::kMillisecond);

// The yardstick: as many steps of the map, with nothing else.
static void BM_BareMapSteps_SameCount(benchmark::State& state) {
  const uint64_t steps = largestRunSteps();
  for (auto _ : state) {
    double Y = (RUNX * RUNK) * (1 - RUNX);
    int32_t IT = 0;
    for (uint64_t i = 0; i < steps; ++i) MAPSTEP(Y, IT, RUNK, 2.0f, 2.0f, RUNIM);
    benchmark::DoNotOptimize(Y);
    benchmark::DoNotOptimize(IT);
  }
  state.counters["map_steps"] = static_cast<double>(steps);
  state.counters["ns_per_step"] = benchmark::Counter(
      static_cast<double>(steps) * static_cast<double>(state.iterations()),
      benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_BareMapSteps_SameCount)->Unit(benchmark::kMillisecond);

// "F" on the largest run: the one-pass count, the figures and the percentages.
static void BM_Frequencies_32767(benchmark::State& state) {
  prepareLargestRun();
  RUN.SAVERUNFREQSFLAG = 1;
  for (auto _ : state) {
    CF1FREQUENCIES();
    benchmark::DoNotOptimize(RUN.MINMAXFREQRATIO);
  }
  RUN.SAVERUNFREQSFLAG = 0;
}
BENCHMARK(BM_Frequencies_32767)->Unit(benchmark::kMillisecond);

// The same with the whole listing printed into a console model, every page
// pause answered.
static void BM_FrequenciesListing_32767(benchmark::State& state) {
  prepareLargestRun();
  for (auto _ : state) {
    auto keys = std::make_unique<con::ScriptedKeys>();
    keys->type(std::string(RUNIM / 45 + 1, ' '));
    con::install(std::make_unique<con::PlainSink>(-1), std::move(keys), 120, 60);
    CF1FREQUENCIES();
  }
  state.counters["lines"] = static_cast<double>(RUN.IM);
}
BENCHMARK(BM_FrequenciesListing_32767)->Unit(benchmark::kMillisecond);
