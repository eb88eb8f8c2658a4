// A whole `plomar sweep` over 20 points of the largest blocks: its wall time
// against the same number of bare map steps measured in the same run, and
// two workers against one (beside what two processes of bare steps gain in
// the same run, since other work on the machine takes its share).
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support.hpp"
#include "cli/sweep.hpp"
#include "cli/sweeptable.hpp"

namespace {

// 20 blocks of 27,250 groups (the third chaos function's seed varies).
const char* const LARGESTBLOCKS =
    "B = 27250,27305\n"
    "G = 1,10,1\n"
    "V = 2,9\n"
    "X1 = 4,1e-15\n"
    "X2 = 3.9999,1e-22\n"
    "X3 = 3.99999,0.3..0.395 step 0.005\n";

const char* const TARGET = "in the beginning was the word and the word was with the scribe\n";

struct SweepFiles {
  std::filesystem::path dir = benchDirectory();
  SweepFiles() {
    writeBenchFile(dir / "space.txt", LARGESTBLOCKS);
    writeBenchFile(dir / "target.txt", TARGET);
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

static void BM_SweepOf20LargestBlocks(benchmark::State& state) {
  const std::string out = (files().dir / "one.csv").string();
  double seconds = 0, bare = 0;
  Table t;
  for (auto _ : state) {
    Clock::time_point start = Clock::now();
    if (!sweep("1", out)) state.SkipWithError("the sweep failed");
    double s = secondsSince(start);
    t = tableOf(out);
    seconds += s;
    bare += bareSteps(t.steps);
    state.SetIterationTime(s);
  }
  if (t.rows != 20) state.SkipWithError("the table has not 20 rows");
  state.counters["points"] = static_cast<double>(t.rows);
  state.counters["groups"] = static_cast<double>(t.groups);
  state.counters["map_steps"] = static_cast<double>(t.steps);
  state.counters["sweep_per_bare"] = seconds / bare;
}
BENCHMARK(BM_SweepOf20LargestBlocks)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(2);

// The wall time of the whole sweep with one worker, then with two.
static void BM_SweepTwoJobsAgainstOne(benchmark::State& state) {
  const std::string one = (files().dir / "one.csv").string(), two = (files().dir / "two.csv").string();
  double withOne = 0, withTwo = 0, bareOne = 0, bareTwo = 0;
  for (auto _ : state) {
    Clock::time_point start = Clock::now();
    if (!sweep("1", one)) state.SkipWithError("the sweep failed");
    withOne += secondsSince(start);
    start = Clock::now();
    if (!sweep("2", two)) state.SkipWithError("the sweep failed");
    double s = secondsSince(start);
    withTwo += s;
    state.SetIterationTime(s);
    const uint64_t steps = tableOf(two).steps;
    bareOne += bareSteps(steps);
    bareTwo += bareStepsOnTwoProcesses(steps);
  }
  if (bytesOf(one) != bytesOf(two) || tableOf(two).rows != 20) state.SkipWithError("the two tables differ");
  state.counters["jobs1_ms"] = 1000 * withOne / static_cast<double>(state.iterations());
  state.counters["jobs2_ms"] = 1000 * withTwo / static_cast<double>(state.iterations());
  state.counters["speedup"] = withOne / withTwo;
  // The same for the bare steps: the speedup that the machine allowed.
  state.counters["bare_speedup"] = bareOne / bareTwo;
}
BENCHMARK(BM_SweepTwoJobsAgainstOne)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(2);
