// "S", "T" and "N" D on 32000-line lists, whole dialogues through a scripted
// console: reading, the statistics or the spectrum, the screen and the file.
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

uint32_t nextRandom(uint32_t& seed) {
  seed = seed * 1664525u + 1013904223u;
  return seed >> 8;
}

// Pseudo-words of 1..12 letters out of `symbols`.
std::string randomList(const std::string& symbols, uint32_t seed) {
  std::string list;
  for (int i = 0; i < LINES; ++i) {
    uint32_t size = 1 + nextRandom(seed) % 12;
    for (uint32_t k = 0; k < size; ++k) list += symbols[nextRandom(seed) % symbols.size()];
    list += "\r\n";
  }
  return list;
}

// A fresh directory (removed at exit) with a list over 15 letters and a list
// over all 224 symbols of codes 32..255.
const std::filesystem::path& lists() {
  static const std::filesystem::path dir = [] {
    std::filesystem::path d = benchDirectory();
    writeBenchFile(d / "letters.txt", randomList("aeiokdytlrchqsn", 38));
    std::string every;
    for (int c = 32; c <= 255; ++c) every.push_back(static_cast<char>(c));
    writeBenchFile(d / "every.txt", randomList(every, 4));
    return d;
  }();
  return dir;
}

void BM_SortList(benchmark::State& state) {
  runDialogue(state, lists(), "Pletters.txt\nsorted.txt\nN ", SORTXNLFILESBYGROUPSIZE, "sorted.txt");
}
void BM_TrimList(benchmark::State& state) {
  runDialogue(state, lists(), "Pletters.txt\nNtrimmed.txt\naeiokdytlrch\n ", TRIMVOCABMAIN, "trimmed.txt");
}
void BM_DigraphSpectrum(benchmark::State& state) {
  runDialogue(state, lists(), "Dletters.txt\nNspectrum.txt\n ", COUNTNGRAPHSINVOCABULARY, "spectrum.txt");
}
// Every symbol: 224 ranks, and a spectrum of 224 x 224 digraphs.
void BM_SortListOfEverySymbol(benchmark::State& state) {
  runDialogue(state, lists(), "Pevery.txt\nsorted.txt\nN ", SORTXNLFILESBYGROUPSIZE, "sorted.txt");
}
void BM_DigraphSpectrumOfEverySymbol(benchmark::State& state) {
  runDialogue(state, lists(), "Devery.txt\nNspectrum.txt\n ", COUNTNGRAPHSINVOCABULARY, "spectrum.txt");
}

}  // namespace

BENCHMARK(BM_SortList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TrimList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DigraphSpectrum)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortListOfEverySymbol)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DigraphSpectrumOfEverySymbol)->Unit(benchmark::kMillisecond);
