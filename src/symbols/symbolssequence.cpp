// "Z": the run mapped to symbols through the symbols map, shown with the
// active phantoms substituted.
#include "chaosrun/chaosrun.hpp"
#include "shell/console.hpp"
#include "shell/shell.hpp"
#include "state/runstate.hpp"
#include "state/shellstate.hpp"
#include "state/symbolsstate.hpp"
#include "symbols/mapscan.hpp"
#include "symbols/symbols.hpp"

namespace {

// Symbols shown (a phantom counts its length, a NUL nothing) before a page pause.
constexpr int32_t SYMBOLSPAGE = 5100;

void mapTheRun() {
  SYMB.SYMBOLSSEQUENCETANK.resize(0, RUN.N);
  RESETMAPSCANRESUMEPOINT();
  for (int32_t i = 1; i <= RUN.N; ++i) {
    int row = MAPSCAN(RUN.CF1INTEGERSTANK(i));
    SYMB.SYMBOLSSEQUENCETANK(i) = row == 0 ? '\0' : SYMB.SYMBOLSTANK(row);
  }
}

// Prints one entry; false when the display is to stop (Esc at a page pause).
bool showSymbol(char s, bool reversed) {
  if (s == '_') con::color(SHELL.TQCOLOR);
  if (s == '\0') con::color(SHELL.WGCOLOR);
  std::string piece = sequencePiece(s, reversed);
  con::print(piece);
  con::color(SHELL.NCOLOR);
  SHELL.SCRNCHRSCOUNT += s == '\0' ? 0 : static_cast<int32_t>(piece.size());
  if (SHELL.SCRNCHRSCOUNT < SYMBOLSPAGE) return true;
  SHELL.SCRNCHRSCOUNT = 0;
  return !PAGEPAUSE();
}

void showTheSequence() {
  SHELL.SCRNCHRSCOUNT = 0;
  bool reversed = RUN.SEQDIRFLAG == "Rev";
  for (int32_t k = 1; k <= RUN.N; ++k) {
    int32_t i = reversed ? RUN.N + 1 - k : k;
    if (!showSymbol(SYMB.SYMBOLSSEQUENCETANK(i), reversed)) break;
  }
  con::newLine();
}

}  // namespace

std::string sequencePiece(char s, bool reversed) {
  if (s != '\0') {
    for (int j = 1; j <= SYMBOLROWS; ++j) {
      if (SYMB.SYMBOLSTANK(j) != s) continue;
      if (SYMB.PHANTOMNGRAPHSSTATUSTANK(j) == 0) break;
      const std::string& phantom = SYMB.PHANTOMNGRAPHSTANK(j);
      return reversed ? mirrored(phantom) : phantom;
    }
  }
  return std::string(1, s);
}

void MAKESYMBOLSSEQUENCE() {
  if (RUN.RUNFLAG == 0) return;
  con::newLine();
  mapTheRun();
  if (SYMB.SAVERUNMAKESYMBSSEQFLAG == 1) return;
  showTheSequence();
}
