// `plomar fit`: its time per evaluation against generating and measuring the
// same blocks directly (the same design, the same search, the same set-ups,
// in this process, without workers or files), measured in the same run, and
// its evaluations per second on two workers.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "compare/statsinputs.hpp"
#include "steering/blockrow.hpp"
#include "steering/fit.hpp"
#include "steering/fitdesign.hpp"
#include "steering/fitsearch.hpp"
#include "support.hpp"

namespace {

constexpr int BUDGET = 60;
constexpr size_t WINDOW = 300;  // blocks of 1,200 to 1,499 groups

// 3,000 words of a small vocabulary with a skewed frequency.
std::string targetText() {
  const char* const words[] = {"the", "of", "and", "scribe", "wrote", "a", "word", "then", "read", "it", "again",
                               "ink", "on", "vellum", "was", "dry", "quill", "goose", "in", "hand", "margin"};
  std::string text;
  uint64_t state = 12345;
  for (int i = 0; i < 3000; ++i) {
    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
    size_t pick = static_cast<size_t>((state >> 33) % 21);
    text += std::string(words[std::min(pick, (state >> 20) % 21)]) + (i % 11 == 10 ? ".\n" : " ");
  }
  return text;
}

struct FitFiles {
  std::filesystem::path dir = benchDirectory();
  FitFiles() { writeBenchFile(dir / "target.txt", targetText()); }
  std::string target() const { return (dir / "target.txt").string(); }
};

// Seconds of processor time of this process and of its children waited for
// (the fit's workers): unlike the wall time, other work on the machine does
// not add to it.
double processorSeconds() {
  double seconds = 0;
  for (int who : {RUSAGE_SELF, RUSAGE_CHILDREN}) {
    rusage u{};
    getrusage(who, &u);
    seconds += static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
               static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
  }
  return seconds;
}

const FitFiles& files() {
  static const FitFiles f;
  return f;
}

// The whole command, its output dropped; false when it failed.
bool fit(const std::string& out, int budget, int jobs) {
  std::filesystem::remove_all(out);
  std::vector<std::string> args{"fit",      "--target", files().target(),        "--window", std::to_string(WINDOW),
                                "--budget", std::to_string(budget), "--jobs", std::to_string(jobs), "--out", out};
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  int saved = dup(STDOUT_FILENO), null = open("/dev/null", O_WRONLY);
  dup2(null, STDOUT_FILENO);
  int status = runFit(static_cast<int>(args.size()), argv.data());
  std::fflush(stdout);
  dup2(saved, STDOUT_FILENO);
  close(saved);
  close(null);
  return status == 0;
}

// The design and the search of the command, every set-up generated and
// measured here: the blocks of the fit, made directly. The processor
// seconds of the search, the design left out.
double directly() {
  std::vector<std::string> tokens = tokensOfInputFile(InputKind::Text, files().target());
  BlockMeasuring measuring;
  measuring.target.emplace(tokenSequence(tokens), WINDOW, comparisonMeasureNames());
  FitDesign design = designFromTarget(tokens, 4 * WINDOW, 5 * WINDOW - 1);
  const double start = processorSeconds();
  FitSearch search(design, SearchSettings{BUDGET, 1});
  for (std::vector<FitSetup> g = search.propose(); !g.empty(); g = search.propose()) {
    std::vector<double> distances;
    for (const FitSetup& s : g) {
      applySetup(parseSetupText(fitSetupText(s, "", ""), "direct"));
      installUnits(s);
      MeasuredRow row = measuredBlockRow(generateHeadless(2000 * (5 * WINDOW - 1)), measuring);
      distances.push_back(row.compared ? row.comparison.dist : 1e300);
    }
    search.tell(distances);
  }
  return processorSeconds() - start;
}

}  // namespace

// Each figure is the smallest of the iterations. The fit's time per
// evaluation is its processor time (workers included) less that of the design
// alone (--budget 0), against the processor time of the same blocks made
// directly; the two-worker rate is in wall time, as the user waits for it.
static void BM_FitEvaluations(benchmark::State& state) {
  const std::string out = (files().dir / "fit").string();
  double designOnly = 1e9, withOne = 1e9, withTwo = 1e9, direct = 1e9, designWall = 1e9;
  for (auto _ : state) {
    Clock::time_point wall = Clock::now();
    double start = processorSeconds();
    if (!fit(out, 0, 1)) state.SkipWithError("the design failed");
    designOnly = std::min(designOnly, processorSeconds() - start);
    designWall = std::min(designWall, secondsSince(wall));
    start = processorSeconds();
    if (!fit(out, BUDGET, 1)) state.SkipWithError("the fit failed");
    const double s = processorSeconds() - start;
    withOne = std::min(withOne, s);
    state.SetIterationTime(s);
    wall = Clock::now();
    if (!fit(out, BUDGET, 2)) state.SkipWithError("the fit failed");
    withTwo = std::min(withTwo, secondsSince(wall));
    direct = std::min(direct, directly());
  }
  state.counters["evaluations"] = BUDGET;
  state.counters["design_cpu_ms"] = 1000 * designOnly;
  state.counters["jobs1_cpu_ms"] = 1000 * withOne;
  state.counters["direct_cpu_ms"] = 1000 * direct;
  state.counters["jobs2_wall_ms"] = 1000 * withTwo;
  state.counters["fit_per_direct"] = (withOne - designOnly) / direct;
  state.counters["evals_per_s_jobs2"] = BUDGET / (withTwo - designWall);
}
BENCHMARK(BM_FitEvaluations)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
