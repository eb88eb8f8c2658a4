// What the user waits for in the block generator: a large generation with the
// monitor off (the engine alone), measured against the same number of bare
// map steps in the same run; and the analysis of a largest block.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <benchmark/benchmark.h>

#include "support.hpp"
#include "blockanalysis/blockanalysis.hpp"
#include "blockgen/blocksetup.hpp"
#include "blockgen/drawsahead.hpp"
#include "blockgen/generation.hpp"
#include "blockgen/groupsbloktank.hpp"
#include "chaosrun/chaosfunction.hpp"
#include "shell/shell.hpp"
#include "state/blockanalysisstate.hpp"
#include "state/blockgenstate.hpp"

namespace {

// The specifications as the block menu would take them: B lo,hi; G 1,hiSize,1;
// V avgLo,avgHi; X 4,1e-15 3.9999,1e-22 3.99999,0.3.
void specify(int32_t lo, int32_t hi, int hiSize, float avgLo, float avgHi, bool useMap) {
  GEN = BlockGenState{};
  ANA = BlockAnalysisState{};
  SIZESTARTTABLES();
  INIT();
  GEN.LOBLOKSIZE = lo;
  GEN.HIBLOKSIZE = hi;
  GEN.XHIBLOKSIZE = tankSlotsFor(hi, GEN.BLOKEXPANSIONFACTOR);
  for (int s = 1; s <= hiSize; ++s) GEN.ACTIVEGROUPSIZESTANK(s) = 1;
  FINDACTIVELOANDHIGROUPSIZES();
  GEN.LOAVGGROUPSIZE = avgLo;
  GEN.HIAVGGROUPSIZE = avgHi;
  GEN.K1 = 4.0; GEN.X1 = 1e-15;
  GEN.K2 = 3.9999; GEN.X2 = 1e-22;
  GEN.K3 = 3.99999; GEN.X3 = 0.3;
  if (useMap) {
    GEN.USESYMBOLSMAPFLAG = std::string(1, 'Y');  // (a literal here trips a false -Wrestrict in GCC 12)
    GEN.HIGHESTOKMAPINTEGER = 38;
  }
}

// Start and advance until complete; the block is not collected or analysed.
// Without drawAhead the chaos functions are drawn one step after the other.
void generateWithoutAnalysis(bool drawAhead = true) {
  STARTBLOKGENERATION();
  if (!drawAhead) stopDrawingAhead();
  for (;;) {
    GenAdvance a = ADVANCEBLOKGENERATION();
    if (a == GenAdvance::Complete) return;
    if (a == GenAdvance::Cancelled) std::abort();
  }
}

// The generation with its functions computed ahead, the same generation drawn
// directly, and the bare steps, all in the same run. The goal is
// gen_per_bare <= 0.5; what bounds it is the share of the steps of the
// function that makes most of them (GCF3 picking among ~32,000 slots, whose
// silent runs are up to 181 steps: about 80% of the steps here), since the
// steps of one function wait for each other.
void generationAgainstBareSteps(benchmark::State& state, bool useMap) {
  double generation = 0, direct = 0, bare = 0;
  uint64_t steps = 0;
  int32_t groups = 0;
  for (auto _ : state) {
    specify(25000, 27305, 10, 2.0f, 9.0f, useMap);
    uint64_t before = MAPSTEPCOUNT;
    Clock::time_point start = Clock::now();
    generateWithoutAnalysis();
    double seconds = secondsSince(start);
    steps = MAPSTEPCOUNT - before;
    groups = GEN.PROGRESSINDICATOR;
    generation += seconds;
    state.SetIterationTime(seconds);
    specify(25000, 27305, 10, 2.0f, 9.0f, useMap);
    start = Clock::now();
    generateWithoutAnalysis(false);
    direct += secondsSince(start);
    bare += bareSteps(steps);
  }
  state.counters["groups"] = groups;
  state.counters["map_steps"] = static_cast<double>(steps);
  state.counters["gen_ms"] = 1000 * generation / static_cast<double>(state.iterations());
  state.counters["bare_steps_ms"] = 1000 * bare / static_cast<double>(state.iterations());
  state.counters["gen_per_bare"] = generation / bare;
  state.counters["direct_per_bare"] = direct / bare;
}

}  // namespace

static void BM_GenerateBlockOf25000Groups(benchmark::State& state) { generationAgainstBareSteps(state, false); }
BENCHMARK(BM_GenerateBlockOf25000Groups)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

static void BM_GenerateBlockOf25000GroupsThroughTheMap(benchmark::State& state) {
  generationAgainstBareSteps(state, true);
}
BENCHMARK(BM_GenerateBlockOf25000GroupsThroughTheMap)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// A block of the largest size: generated until it completes, then grown group
// by group (each still a complete block) up to 27,305 groups.
static void BM_AnalyseBlockOf27305Groups(benchmark::State& state) {
  specify(27303, 27305, 8, 1.001f, 8.0f, false);
  generateWithoutAnalysis();
  while (GEN.PROGRESSINDICATOR < 27305)
    if (ADVANCEBLOKGENERATION() != GenAdvance::Complete) std::abort();
  for (auto _ : state) {
    COLLECTGROUPSINBLOK();
    COLLECTUNIQUEGROUPSINBLOK();
    COLLECTVOCABULARYINBLOK();
    COUNTSYMBOLSFREQOFGROUPSBLOKVOCABULARY();
  }
  state.counters["groups"] = GEN.PROGRESSINDICATOR;
  state.counters["unique"] = ANA.UNIQUEGROUPSCOUNT;
  state.counters["vocabulary"] = ANA.VOCABN;
}
BENCHMARK(BM_AnalyseBlockOf27305Groups)->Unit(benchmark::kMillisecond);
