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
#include "state/runstate.hpp"
#include "support.hpp"
#include "vocabutils/vocabutils.hpp"

namespace {

constexpr int LINES = 32000;

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

// The inputs, in a fresh directory.
const std::filesystem::path& inputs() {
  static const std::filesystem::path dir = [] {
    std::filesystem::path d = benchDirectory();
    uint32_t seed = 38;
    std::string text, list;
    for (int i = 0; i < LINES; ++i) {
      text += taggedLine(seed) + "\r\n";
      list += "g" + std::to_string(i) + "\r\n";
    }
    writeBenchFile(d / "tr.txt", text);
    writeBenchFile(d / "list.txt", list);
    return d;
  }();
  return dir;
}

void BM_TranscriptionDelete(benchmark::State& state) {
  runDialogue(state, inputs(), "Dtr.txt\nd.txt\n<,>\n E", EXTRACTTRANSCRIPTION, "d.txt");
}
void BM_TranscriptionReplace(benchmark::State& state) {
  runDialogue(state, inputs(), "Rtr.txt\nr.txt\n.\n \n E", EXTRACTTRANSCRIPTION, "r.txt");
}
void BM_ListIntoFormattedBlock(benchmark::State& state) {
  runDialogue(state, inputs(), "Flist.txt\nb.txt\ntr.txt\n E", CHANGELISTINTOBLOCK, "b.txt");
}
void BM_ShuffleLargest(benchmark::State& state) {
  // The shuffle takes the K and X of the last run (K = 4 itself falls into
  // the map's fixed point 0 before 32000 positions are drawn).
  auto lastRun = [] {
    RUN.K = 3.99;
    RUN.X = 0.3;
  };
  runDialogue(state, inputs(), "Slist.txt\ns.txt\n32000\n E", SHUFFLEGROUPSINLIST, "s.txt", lastRun);
}
void BM_RectifyCase(benchmark::State& state) {
  runDialogue(state, inputs(), "Utr.txt\nu.txt\n ", RECTIFYTEXTCASE, "u.txt");
}

}  // namespace

BENCHMARK(BM_TranscriptionDelete)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TranscriptionReplace)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListIntoFormattedBlock)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShuffleLargest)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RectifyCase)->Unit(benchmark::kMillisecond);
