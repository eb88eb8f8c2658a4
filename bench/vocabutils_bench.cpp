// The list utilities on 32000-line inputs, whole dialogues through a scripted
// console: reading, computing, writing the list file.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "shell/console.hpp"
#include "shell/shell.hpp"
#include "vocabutils/vocabutils.hpp"

namespace {

constexpr int LINES = 32000;

// A deterministic pseudo-word out of a vocabulary of `kinds` words.
std::string word(uint32_t& seed, uint32_t kinds) {
  seed = seed * 1664525u + 1013904223u;
  uint32_t n = (seed >> 8) % kinds;
  std::string w;
  const char* letters = "aeiokdytlrchqsn";
  do {
    w += letters[n % 15];
    n /= 15;
  } while (n != 0);
  return w;
}

void writeFile(const std::string& name, const std::string& bytes) {
  std::ofstream f(name, std::ios::binary);
  f << bytes;
}

std::filesystem::path benchDir;

void removeBenchDir() {
  std::error_code ignored;
  std::filesystem::remove_all(benchDir, ignored);
}

// A fresh directory with the inputs (removed at exit), and the program's
// tables and defaults.
void prepare() {
  if (!benchDir.empty()) return;
  std::string dir = (std::filesystem::temp_directory_path() / "plomar-bench-XXXXXX").string();
  if (mkdtemp(dir.data()) == nullptr) std::abort();
  benchDir = dir;
  std::atexit(removeBenchDir);
  std::filesystem::current_path(benchDir);
  uint32_t seed = 38;
  std::string text, conc, first, second;
  for (int i = 0; i < LINES; ++i) {
    for (int k = 0; k < 6; ++k) text += word(seed, 20000) + (k < 5 ? " " : ".\r\n");
    conc += word(seed, 20000) + ",f" + std::to_string(i) + "r.1\r\n";
    first += word(seed, 20000) + "\r\n";
    second += word(seed, 20000) + "\r\n";
  }
  writeFile("text.txt", text);
  writeFile("conc.txt", conc);
  writeFile("first.txt", first);
  writeFile("second.txt", second);
  con::install(std::make_unique<con::PlainSink>(-1), std::make_unique<con::ScriptedKeys>(), 120, 60);
  SIZESTARTTABLES();
  INIT();
}

void runDialogue(benchmark::State& state, const char* keys, void (*utility)()) {
  prepare();
  auto& script = static_cast<con::ScriptedKeys&>(con::keys());
  for (auto _ : state) {
    script.type(keys);
    utility();
  }
}

void BM_MakeVocabularyList(benchmark::State& state) {
  runDialogue(state, "Ptext.txt\nvocab.txt\nNE", MAKEVOCABLISTFROMTEXTFILE);
}
void BM_MakeGroupsList(benchmark::State& state) {
  runDialogue(state, "Ptext.txt\ngroups.txt\nNE", MAKEGROUPSLISTFROMTEXTFILE);
}
void BM_ExtractConcordanceVocabulary(benchmark::State& state) {
  runDialogue(state, "Kconc.txt\nconcvocab.txt\nN", EXTRACTVOCAB);
}
void BM_VocabularyMatches(benchmark::State& state) {
  runDialogue(state, "Pfirst.txt\nsecond.txt\nmatches.txt\n ", VOCABSMATCHESUTILITY);
}
void BM_SubtractLists(benchmark::State& state) {
  runDialogue(state, "Pfirst.txt\nsecond.txt\nrest.txt\n ", SUBTRACTLISTS);
}

}  // namespace

BENCHMARK(BM_MakeVocabularyList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MakeGroupsList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExtractConcordanceVocabulary)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VocabularyMatches)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SubtractLists)->Unit(benchmark::kMillisecond);
