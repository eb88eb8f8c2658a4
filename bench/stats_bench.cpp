// What a user of plomar stats waits for: a text of 1 MB (and of 4 MB, to see
// that the time grows with the size alone) read into tokens and measured,
// the measuring alone, and the whole comparison of two such texts on
// windows (both read and measured whole, the target's windows measured,
// the other compared with them); each against a plain pass over the same
// bytes (a byte histogram) timed in the same run. Goal: well under 0.2 s a MB.
#include <benchmark/benchmark.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <string>

#include "compare/statsinputs.hpp"
#include "compare/windows.hpp"
#include "compare/yardsticks.hpp"
#include "support.hpp"

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// Words of a vocabulary of 20000 drawn with a skew towards the first ones,
// twelve to a CR LF line, up to `bytes` bytes.
std::string wordText(size_t bytes) {
  const char* letters = "aeioukdytlrchqsnmpb";
  std::string text;
  uint32_t seed = 38;
  for (size_t words = 1; text.size() < bytes; ++words) {
    seed = seed * 1664525u + 1013904223u;
    uint32_t rank = ((seed >> 8) % 20000) * ((seed >> 20) % 16 + 1) / 16;
    for (uint32_t n = rank + 19; n != 0; n /= 19) text += letters[n % 19];
    text += words % 12 == 0 ? "\r\n" : " ";
  }
  return text;
}

const std::string& textFile(size_t megabytes) {
  static std::string paths[8];
  if (paths[megabytes].empty()) {
    paths[megabytes] = (benchDirectory() / ("text" + std::to_string(megabytes) + ".txt")).string();
    writeBenchFile(paths[megabytes], wordText(megabytes << 20));
  }
  return paths[megabytes];
}

// The yardstick: every byte of the file counted once.
double plainPass(const std::string& bytes) {
  Clock::time_point start = Clock::now();
  std::array<uint64_t, 256> counts{};
  for (char c : bytes) ++counts[static_cast<unsigned char>(c)];
  benchmark::DoNotOptimize(counts);
  return secondsSince(start);
}

enum class Work { ReadAndMeasure, Measure, CompareTwoTexts };

// The types of the text measured, after the work.
size_t doWork(Work work, const std::string& path, const std::vector<std::string>& tokens) {
  switch (work) {
    case Work::ReadAndMeasure: return measureTokens(tokensOfTextFile(path)).types;
    case Work::Measure: return measureTokens(tokens).types;
    case Work::CompareTwoTexts: break;
  }
  const TokenSequence target = sequenceOfInputFile(InputKind::Text, path), other = sequenceOfInputFile(InputKind::Text, path);
  const size_t types = measureSequence(target).types + measureSequence(other).types;
  const WindowPlan plan = planWindow(DEFAULT_WINDOW, {target.size(), other.size()});
  WindowedComparison c = WindowedTarget(target, plan.window, comparisonMeasureNames()).compare(other);
  benchmark::DoNotOptimize(c);
  return types / 2;
}

void againstPlainPass(benchmark::State& state, Work work) {
  const size_t megabytes = static_cast<size_t>(state.range(0));
  const std::string& path = textFile(megabytes);
  const std::string bytes = wordText(megabytes << 20);
  const std::vector<std::string> tokens = tokensOfTextFile(path);
  double measured = 0, plain = 0;
  size_t types = 0;
  for (auto _ : state) {
    Clock::time_point start = Clock::now();
    types = doWork(work, path, tokens);
    double seconds = secondsSince(start);
    measured += seconds;
    plain += plainPass(bytes);
    state.SetIterationTime(seconds);
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["tokens"] = static_cast<double>(tokens.size());
  state.counters["types"] = static_cast<double>(types);
  state.counters["ms"] = 1000 * measured / n;
  state.counters["plain_pass_ms"] = 1000 * plain / n;
  state.counters["per_plain_pass"] = measured / plain;
}

}  // namespace

static void BM_StatsOfTextFile(benchmark::State& state) { againstPlainPass(state, Work::ReadAndMeasure); }
BENCHMARK(BM_StatsOfTextFile)->Arg(1)->Arg(4)->UseManualTime()->Unit(benchmark::kMillisecond);

static void BM_MeasureTokensOfText(benchmark::State& state) { againstPlainPass(state, Work::Measure); }
BENCHMARK(BM_MeasureTokensOfText)->Arg(1)->Arg(4)->UseManualTime()->Unit(benchmark::kMillisecond);

// plomar stats TEXT TEXT: two texts of the size read, measured and compared
// on windows of 1000 tokens (the plain pass is over one of them).
static void BM_CompareTwoTextsOnWindows(benchmark::State& state) { againstPlainPass(state, Work::CompareTwoTexts); }
BENCHMARK(BM_CompareTwoTextsOnWindows)->Arg(1)->Arg(4)->UseManualTime()->Unit(benchmark::kMillisecond);
