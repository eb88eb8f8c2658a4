// A largest block generated headless (as `plomar block` and every point of a
// sweep do): generation and analysis against the same number of bare map
// steps in the same run; and the analysis alone.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "support.hpp"
#include "blockanalysis/blockanalysis.hpp"
#include "blockgen/groupsbloktank.hpp"
#include "setups/setupfile.hpp"
#include "state/blockanalysisstate.hpp"
#include "state/blockgenstate.hpp"

namespace {

// A block near the largest size, groups of 1 to 10 characters.
const char* const LARGESTBLOCK =
    "B = 27250,27305\n"
    "G = 1,10,1\n"
    "V = 2,9\n"
    "X1 = 4,1e-15\n"
    "X2 = 3.9999,1e-22\n"
    "X3 = 3.99999,0.3\n";

HeadlessBlock generateLargestBlock() {
  applySetup(parseSetupText(LARGESTBLOCK, "largest"));
  HeadlessBlock block = generateHeadless(DEFAULT_MAX_STEPS);
  if (!block.complete) std::abort();
  return block;
}

}  // namespace

static void BM_HeadlessLargestBlock(benchmark::State& state) {
  double headless = 0, bare = 0;
  HeadlessBlock block;
  for (auto _ : state) {
    state.PauseTiming();
    applySetup(parseSetupText(LARGESTBLOCK, "largest"));
    state.ResumeTiming();
    Clock::time_point start = Clock::now();
    block = generateHeadless(DEFAULT_MAX_STEPS);
    double seconds = secondsSince(start);
    if (!block.complete) std::abort();
    headless += seconds;
    bare += bareSteps(block.steps);
    state.SetIterationTime(seconds);
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["groups"] = block.groups;
  state.counters["map_steps"] = static_cast<double>(block.steps);
  state.counters["headless_ms"] = 1000 * headless / n;
  state.counters["bare_steps_ms"] = 1000 * bare / n;
  state.counters["headless_per_bare"] = headless / bare;
}
BENCHMARK(BM_HeadlessLargestBlock)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// What the analysis of a completed headless block adds, against the bare map
// steps of its generation.
static void BM_HeadlessLargestBlockAnalysis(benchmark::State& state) {
  HeadlessBlock block = generateLargestBlock();
  double analysis = 0;
  for (auto _ : state) {
    Clock::time_point start = Clock::now();
    COLLECTGROUPSINBLOK();
    COLLECTUNIQUEGROUPSINBLOK();
    COLLECTVOCABULARYINBLOK();
    double seconds = secondsSince(start);
    analysis += seconds;
    state.SetIterationTime(seconds);
  }
  const double bare = bareSteps(block.steps);
  state.counters["groups"] = block.groups;
  state.counters["analysis_per_bare"] = analysis / static_cast<double>(state.iterations()) / bare;
}
BENCHMARK(BM_HeadlessLargestBlockAnalysis)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

namespace {

// Wall seconds of a child process doing `work`; negative when it failed.
template <typename Work>
double secondsOfProcess(Work work) {
  Clock::time_point start = Clock::now();
  pid_t child = fork();
  if (child == 0) _exit(work() ? 0 : 1);
  int status = 0;
  waitpid(child, &status, 0);
  const double seconds = secondsSince(start);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? seconds : -1;
}

bool runBlockCommand(const std::string& setup, const std::string& prefix) {
  int null = open("/dev/null", O_WRONLY);
  dup2(null, STDOUT_FILENO);
  dup2(null, STDERR_FILENO);
  execl(PLOMAR_BINARY, PLOMAR_BINARY, "block", setup.c_str(), "--prefix", prefix.c_str(), static_cast<char*>(nullptr));
  return false;
}

}  // namespace

// The whole `plomar block` of the largest block, started as a process and
// writing its four files, against a process that makes the same number of
// bare map steps (each figure the fastest of the iterations: other work on
// the machine only ever slows a run down). The goal is process_per_bare <= 0.7.
static void BM_BlockCommandLargestBlock(benchmark::State& state) {
  const std::filesystem::path dir = benchDirectory();
  const std::string setup = (dir / "largest.txt").string(), prefix = (dir / "p").string();
  writeBenchFile(setup, LARGESTBLOCK);
  const uint64_t steps = generateLargestBlock().steps;
  double command = 1e9, bare = 1e9;
  for (auto _ : state) {
    const double c = secondsOfProcess([&] { return runBlockCommand(setup, prefix); });
    const double b = secondsOfProcess([&] {
      bareSteps(steps);
      return true;
    });
    if (c < 0 || b < 0) state.SkipWithError("a process failed");
    command = std::min(command, c);
    bare = std::min(bare, b);
    state.SetIterationTime(c);
  }
  state.counters["map_steps"] = static_cast<double>(steps);
  state.counters["process_ms"] = 1000 * command;
  state.counters["bare_process_ms"] = 1000 * bare;
  state.counters["process_per_bare"] = command / bare;
}
BENCHMARK(BM_BlockCommandLargestBlock)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// Setting up one point: the start state and the set-up's entries.
static void BM_ApplySetup(benchmark::State& state) {
  const BlockSetupFile setup = parseSetupText(LARGESTBLOCK, "largest");
  for (auto _ : state) applySetup(setup);
}
BENCHMARK(BM_ApplySetup)->Unit(benchmark::kMillisecond);
