// A whole `plomar sweep` over 20 points of the largest blocks: its wall time
// with one worker against the same number of bare map steps measured in the
// same run, and two workers against one (beside what two processes of bare
// steps gain in the same run, since other work on the machine takes its
// share of the two cores).
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support.hpp"
#include "steering/sweep.hpp"
#include "steering/sweeptable.hpp"

namespace {

// 20 blocks of 27,250 groups (the third chaos function's seed varies).
const char* const LARGESTBLOCKS =
    "B = 27250,27305\n"
    "G = 1,10,1\n"
    "V = 2,9\n"
    "X1 = 4,1e-15\n"
    "X2 = 3.9999,1e-22\n"
    "X3 = 3.99999,0.3..0.395 step 0.005\n";

// A target of 3,000 words: three windows of 1,000 tokens.
std::string targetText() {
  const char* words[] = {"in", "the", "beginning", "was", "word", "and", "with", "scribe", "who", "wrote", "it"};
  std::string text;
  for (unsigned i = 0; i < 3000; ++i) text += std::string(words[(i * 7 + i / 11) % 11]) + (i % 12 == 11 ? "\n" : " ");
  return text;
}

struct SweepFiles {
  std::filesystem::path dir = benchDirectory();
  SweepFiles() {
    writeBenchFile(dir / "space.txt", LARGESTBLOCKS);
    writeBenchFile(dir / "target.txt", targetText());
  }
};

const SweepFiles& files() {
  static const SweepFiles f;
  return f;
}

// Runs the command as the shell would (its best points on standard error
// are dropped); false when it failed.
bool sweep(const std::string& jobs, const std::string& out) {
  const std::string space = (files().dir / "space.txt").string(), target = (files().dir / "target.txt").string();
  std::vector<std::string> args{"sweep", space, "--target", target, "--jobs", jobs, "--out", out};
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  int saved = dup(STDERR_FILENO), null = open("/dev/null", O_WRONLY);
  dup2(null, STDERR_FILENO);
  int status = runSweep(static_cast<int>(args.size()), argv.data());
  dup2(saved, STDERR_FILENO);
  close(saved);
  close(null);
  return status == 0;
}

// The rows of a table, and the map steps of all its points.
struct Table {
  size_t rows = 0, groups = 0;
  uint64_t steps = 0;
};

std::string bytesOf(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  std::stringstream bytes;
  bytes << f.rdbuf();
  return bytes.str();
}

Table tableOf(const std::string& path) {
  CsvRecords csv = readCsvRecords(bytesOf(path));
  Table t;
  for (size_t r = 1; r < csv.records.size(); ++r) {
    t.rows++;
    t.groups = std::stoul(csv.records[r][3]);
    t.steps += std::stoull(csv.records[r][4]);
  }
  return t;
}

// Wall seconds of two processes that each take half of the bare steps: what
// two cores give at the moment (other work on the machine shows here too).
double bareStepsOnTwoProcesses(uint64_t steps) {
  Clock::time_point start = Clock::now();
  pid_t children[2];
  for (pid_t& child : children) {
    child = fork();
    if (child == 0) {
      bareSteps(steps / 2);
      _exit(0);
    }
  }
  for (pid_t child : children) waitpid(child, nullptr, 0);
  return secondsSince(start);
}

}  // namespace

// Each figure is the fastest of the iterations: other work on the machine
// only ever slows a run down.
static void BM_SweepOf20LargestBlocks(benchmark::State& state) {
  const std::string one = (files().dir / "one.csv").string(), two = (files().dir / "two.csv").string();
  double withOne = 1e9, withTwo = 1e9, bare = 1e9, bareOnTwo = 1e9;
  Table t;
  for (auto _ : state) {
    Clock::time_point start = Clock::now();
    if (!sweep("1", one)) state.SkipWithError("the sweep failed");
    const double s = secondsSince(start);
    withOne = std::min(withOne, s);
    state.SetIterationTime(s);
    start = Clock::now();
    if (!sweep("2", two)) state.SkipWithError("the sweep failed");
    withTwo = std::min(withTwo, secondsSince(start));
    t = tableOf(one);
    bare = std::min(bare, bareSteps(t.steps));
    bareOnTwo = std::min(bareOnTwo, bareStepsOnTwoProcesses(t.steps));
  }
  if (t.rows != 20 || bytesOf(one) != bytesOf(two)) state.SkipWithError("the tables are not 20 equal rows");
  state.counters["points"] = static_cast<double>(t.rows);
  state.counters["groups"] = static_cast<double>(t.groups);
  state.counters["map_steps"] = static_cast<double>(t.steps);
  state.counters["jobs1_ms"] = 1000 * withOne;
  state.counters["jobs2_ms"] = 1000 * withTwo;
  state.counters["bare_steps_ms"] = 1000 * bare;
  // One worker against the bare map steps of all the points.
  state.counters["sweep_per_bare"] = withOne / bare;
  // Two workers against one, and what two processes of bare steps gain.
  state.counters["speedup"] = withOne / withTwo;
  state.counters["bare_speedup"] = bare / bareOnTwo;
}
BENCHMARK(BM_SweepOf20LargestBlocks)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
