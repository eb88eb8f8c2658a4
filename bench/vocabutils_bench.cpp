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
#include "support.hpp"
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

// The inputs, in a fresh directory.
const std::filesystem::path& inputs() {
  static const std::filesystem::path dir = [] {
    std::filesystem::path d = benchDirectory();
    uint32_t seed = 38;
    std::string text, conc, first, second;
    for (int i = 0; i < LINES; ++i) {
      for (int k = 0; k < 6; ++k) text += word(seed, 20000) + (k < 5 ? " " : ".\r\n");
      conc += word(seed, 20000) + ",f" + std::to_string(i) + "r.1\r\n";
      first += word(seed, 20000) + "\r\n";
      second += word(seed, 20000) + "\r\n";
    }
    writeBenchFile(d / "text.txt", text);
    writeBenchFile(d / "conc.txt", conc);
    writeBenchFile(d / "first.txt", first);
    writeBenchFile(d / "second.txt", second);
    return d;
  }();
  return dir;
}

void BM_MakeVocabularyList(benchmark::State& state) {
  runDialogue(state, inputs(), "Ptext.txt\nvocab.txt\nNE", MAKEVOCABLISTFROMTEXTFILE, "vocab.txt");
}
void BM_MakeGroupsList(benchmark::State& state) {
  runDialogue(state, inputs(), "Ptext.txt\ngroups.txt\nNE", MAKEGROUPSLISTFROMTEXTFILE, "groups.txt");
}
void BM_ExtractConcordanceVocabulary(benchmark::State& state) {
  runDialogue(state, inputs(), "Kconc.txt\nconcvocab.txt\nN", EXTRACTVOCAB, "concvocab.txt");
}
void BM_VocabularyMatches(benchmark::State& state) {
  runDialogue(state, inputs(), "Pfirst.txt\nsecond.txt\nmatches.txt\n ", VOCABSMATCHESUTILITY, "matches.txt");
}
void BM_SubtractLists(benchmark::State& state) {
  runDialogue(state, inputs(), "Pfirst.txt\nsecond.txt\nrest.txt\n ", SUBTRACTLISTS, "rest.txt");
}

}  // namespace

BENCHMARK(BM_MakeVocabularyList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MakeGroupsList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExtractConcordanceVocabulary)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VocabularyMatches)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SubtractLists)->Unit(benchmark::kMillisecond);
