// What the progress monitor costs: the same large generation driven by the
// block menu's command loop with the monitor on, written through the terminal
// sink into /dev/null, against the monitor off (one line end per pass). Goal:
// at most 3 times the monitor-off generation.
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include "blockgen/blockmenu.hpp"
#include "blockgen/blocksetup.hpp"
#include "shell/console.hpp"
#include "shell/shell.hpp"
#include "state/blockanalysisstate.hpp"
#include "state/blockgenstate.hpp"

namespace {

using Clock = std::chrono::steady_clock;

// B 25000,27305; G 1,10,1; V 2,9; X 4,1e-15 3.9999,1e-22 3.99999,0.3.
void specifyLargeBlock() {
  GEN = BlockGenState{};
  ANA = BlockAnalysisState{};
  SIZESTARTTABLES();
  INIT();
  GEN.LOBLOKSIZE = 25000;
  GEN.HIBLOKSIZE = 27305;
  GEN.XHIBLOKSIZE = tankSlotsFor(GEN.HIBLOKSIZE, GEN.BLOKEXPANSIONFACTOR);
  for (int s = 1; s <= 10; ++s) GEN.ACTIVEGROUPSIZESTANK(s) = 1;
  FINDACTIVELOANDHIGROUPSIZES();
  GEN.LOAVGGROUPSIZE = 2.0f;
  GEN.HIAVGGROUPSIZE = 9.0f;
  GEN.K1 = 4.0; GEN.X1 = 1e-15;
  GEN.K2 = 3.9999; GEN.X2 = 1e-22;
  GEN.K3 = 3.99999; GEN.X3 = 0.3;
  GEN.OKTOMAKEGROUPSFLAG1 = GEN.OKTOMAKEGROUPSFLAG2 = GEN.OKTOMAKEGROUPSFLAG3 = GEN.OKTOMAKEGROUPSFLAG4 = 1;
}

// Seconds from "H" to the pass that completes the block (the block is not
// collected or analysed).
double generateFromTheMenu(bool monitor) {
  specifyLargeBlock();
  GEN.RT_MONITORFLAG = monitor ? 1 : 0;
  con::cls();
  Clock::time_point start = Clock::now();
  if (!startGenerationFromMenu(false) || !runGenerationPasses()) std::abort();
  con::flush();
  double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  abortGeneration();
  return seconds;
}

void monitorOnAgainstOff(benchmark::State& state) {
  int devNull = open("/dev/null", O_WRONLY);
  if (devNull < 0) std::abort();
  con::install(std::make_unique<con::AnsiSink>(devNull, true), std::make_unique<con::ScriptedKeys>(), 120, 60);
  double on = 0, off = 0;
  for (auto _ : state) {
    double seconds = generateFromTheMenu(true);
    on += seconds;
    off += generateFromTheMenu(false);
    state.SetIterationTime(seconds);
  }
  con::install(std::make_unique<con::PlainSink>(-1), std::make_unique<con::ScriptedKeys>(), 80, 24);
  close(devNull);
  const double n = static_cast<double>(state.iterations());
  state.counters["groups"] = GEN.PROGRESSINDICATOR;
  state.counters["monitor_on_ms"] = 1000 * on / n;
  state.counters["monitor_off_ms"] = 1000 * off / n;
  state.counters["on_per_off"] = on / off;
}

}  // namespace

static void BM_GenerateFromTheMenuMonitorOnAgainstOff(benchmark::State& state) { monitorOnAgainstOff(state); }
BENCHMARK(BM_GenerateFromTheMenuMonitorOnAgainstOff)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
