// "I": the run's integers in the sequencing direction, and their average.
#include "chaosrun/chaosrun.hpp"
#include "shell/console.hpp"
#include "shell/numberforms.hpp"
#include "shell/shell.hpp"
#include "state/runstate.hpp"
#include "state/shellstate.hpp"

namespace {

// Digits shown (blanks not counted) before a page pause.
constexpr int32_t INTEGERSPAGE = 2300;

// Prints one integer; the value 1 and the maximum stand out. False when the
// listing is to stop (Esc at a page pause).
bool showInteger(int32_t v, bool reversed) {
  if (v == 1) con::color(reversed ? SHELL.YLCOLOR : SHELL.GNCOLOR);
  if (v == RUN.IM) con::color(SHELL.VLCOLOR);
  con::print(intForm(v) + " ");
  con::color(SHELL.NCOLOR);
  SHELL.SCRNCHRSCOUNT += digitCount(v);
  if (SHELL.SCRNCHRSCOUNT < INTEGERSPAGE) return true;
  SHELL.SCRNCHRSCOUNT = 0;
  return !PAGEPAUSE();
}

}  // namespace

void SHOWINTEGERS() {
  if (RUN.RUNFLAG == 0) return;
  con::newLine();
  SHELL.SCRNCHRSCOUNT = 0;
  bool reversed = RUN.SEQDIRFLAG == "Rev";
  for (int32_t k = 1; k <= RUN.N; ++k) {
    int32_t i = reversed ? RUN.N + 1 - k : k;
    if (!showInteger(RUN.CF1INTEGERSTANK(i), reversed)) break;
  }
  con::printLine(" AVERAGE = " + doubleForm(RUN.RUNAVG));
}
