// "U" on a largest vocabulary: 27,305 block groups against a 32,000-field
// file, through the console as a terminal would receive it (the countdown
// included), with and without the matches file.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "blockanalysis/reports.hpp"
#include "shell/console.hpp"
#include "shell/shell.hpp"
#include "state/blockanalysisstate.hpp"
#include "state/blockgenstate.hpp"

namespace {

constexpr int32_t GROUPS = 27305;
constexpr int FIELDS = 32000;

// The i-th of many distinct groups of two to five letters.
std::string group(uint32_t i) {
  std::string g;
  const char* letters = "etaonisrdhlcmfupgywbvkjqxz";
  do {
    g += letters[i % 26];
    i /= 26;
  } while (i != 0 || g.size() < 2);
  return g;
}

std::filesystem::path benchDir;

void removeBenchDir() {
  std::error_code ignored;
  std::filesystem::remove_all(benchDir, ignored);
}

// A block of 27,305 different groups (each its own reference form), and a
// file whose every other field is one of them, the others not.
void prepare() {
  if (benchDir.empty()) {
    std::string dir = (std::filesystem::temp_directory_path() / "plomar-bench-XXXXXX").string();
    if (mkdtemp(dir.data()) == nullptr) std::abort();
    benchDir = dir;
    std::atexit(removeBenchDir);
  }
  std::filesystem::current_path(benchDir);
  int devNull = ::open("/dev/null", O_WRONLY);
  con::install(std::make_unique<con::AnsiSink>(devNull, true), std::make_unique<con::ScriptedKeys>(), 120, 60);
  GEN = BlockGenState{};
  ANA = BlockAnalysisState{};
  SIZESTARTTABLES();
  INIT();
  GEN.PROGRESSINDICATOR = GROUPS;
  GEN.BLOKGROUPSTANK.resize(0, GROUPS);
  GEN.IGNOREPHANTOMSBLOKGROUPSTANK.resize(0, GROUPS);
  ANA.VOCABN = GROUPS;
  ANA.GBLOKVOCABTANK.resize(0, GROUPS);
  for (int32_t i = 1; i <= GROUPS; ++i) {
    std::string g = group(static_cast<uint32_t>(i) * 7919u);
    GEN.BLOKGROUPSTANK(i) = g;
    GEN.IGNOREPHANTOMSBLOKGROUPSTANK(i) = g;
    ANA.GBLOKVOCABTANK(i) = g;
  }
  ANA.BLOKVOCABRATIO = 1;
  GEN.HAVEBLOKFLAG = 1;
  std::string bytes;
  for (int f = 0; f < FIELDS; ++f)
    bytes += (f % 2 == 0 ? group(static_cast<uint32_t>(f / 2 + 1) * 7919u) : "q" + group(static_cast<uint32_t>(f))) + "\r\n";
  std::ofstream("file.txt", std::ios::binary) << bytes;
}

void compare(benchmark::State& state, const char* keys) {
  prepare();
  auto& script = static_cast<con::ScriptedKeys&>(con::keys());
  for (auto _ : state) {
    script.type(keys);
    COMPAREFORMATCHINGVOCABULARIES();
  }
  state.counters["file_groups"] = ANA.FILEVOCABN;
  state.counters["matches"] = ANA.VOCABMATCHESCOUNT;
}

void BM_CompareVocabularyWithFile(benchmark::State& state) { compare(state, "file.txt\nN"); }
void BM_CompareVocabularyWithFileAndSaveMatches(benchmark::State& state) { compare(state, "file.txt\nYm\nx"); }

}  // namespace

BENCHMARK(BM_CompareVocabularyWithFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CompareVocabularyWithFileAndSaveMatches)->Unit(benchmark::kMillisecond);
