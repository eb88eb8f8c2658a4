// The text tools of the utilities on 32000-line inputs, whole dialogues
// through a scripted console: transcription edits, list into block, the
// chaotic shuffle at its largest number of shuffles, and the case rectifier.
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

std::filesystem::path benchDir;

void removeBenchDir() {
  std::error_code ignored;
  std::filesystem::remove_all(benchDir, ignored);
}

void writeFile(const std::string& name, const std::string& bytes) {
  std::ofstream f(name, std::ios::binary);
  f << bytes;
}

// A transcription-like line of six dotted groups after a tag.
std::string taggedLine(uint32_t& seed) {
  const char* letters = "aeiokdytlrchqsn";
  std::string line = "<f" + std::to_string(seed % 116) + "r.P.1;H>";
  for (int k = 0; k < 6; ++k) {
    seed = seed * 1664525u + 1013904223u;
    for (uint32_t n = (seed >> 8) % 3000 + 15; n != 0; n /= 15) line += letters[n % 15];
    line += k < 5 ? "." : "-";
  }
  return line;
}

// Inputs in a fresh directory (removed at exit), the tables and defaults.
void prepare() {
  if (!benchDir.empty()) return;
  std::string dir = (std::filesystem::temp_directory_path() / "plomar-bench-XXXXXX").string();
  if (mkdtemp(dir.data()) == nullptr) std::abort();
  benchDir = dir;
  std::atexit(removeBenchDir);
  std::filesystem::current_path(benchDir);
  uint32_t seed = 38;
  std::string text, list;
  for (int i = 0; i < LINES; ++i) {
    text += taggedLine(seed) + "\r\n";
    list += "g" + std::to_string(i) + "\r\n";
  }
  writeFile("tr.txt", text);
  writeFile("list.txt", list);
  con::install(std::make_unique<con::PlainSink>(-1), std::make_unique<con::ScriptedKeys>(), 120, 60);
  SIZESTARTTABLES();
  INIT();
}

void runDialogue(benchmark::State& state, const char* keys, void (*utility)()) {
  prepare();
  std::filesystem::current_path(benchDir);  // other benchmarks work in their own directories
  auto& script = static_cast<con::ScriptedKeys&>(con::keys());
  for (auto _ : state) {
    script.type(keys);
    utility();
  }
}

void BM_TranscriptionDelete(benchmark::State& state) {
  runDialogue(state, "Dtr.txt\nd.txt\n<,>\n E", EXTRACTTRANSCRIPTION);
}
void BM_TranscriptionReplace(benchmark::State& state) {
  runDialogue(state, "Rtr.txt\nr.txt\n.\n \n E", EXTRACTTRANSCRIPTION);
}
void BM_ListIntoFormattedBlock(benchmark::State& state) {
  runDialogue(state, "Flist.txt\nb.txt\ntr.txt\n E", CHANGELISTINTOBLOCK);
}
void BM_ShuffleLargest(benchmark::State& state) {
  runDialogue(state, "Slist.txt\ns.txt\n32000\n E", SHUFFLEGROUPSINLIST);
}
void BM_RectifyCase(benchmark::State& state) {
  runDialogue(state, "Utr.txt\nu.txt\n ", RECTIFYTEXTCASE);
}

}  // namespace

BENCHMARK(BM_TranscriptionDelete)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TranscriptionReplace)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListIntoFormattedBlock)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShuffleLargest)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RectifyCase)->Unit(benchmark::kMillisecond);
