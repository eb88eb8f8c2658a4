// "F": how often each integer 1..IM occurs in the run, with percentages, the
// smallest and largest frequency and their ratio.
#include "chaosrun/chaosrun.hpp"
#include "shell/console.hpp"
#include "shell/numberforms.hpp"
#include "shell/shell.hpp"
#include "state/runstate.hpp"
#include "state/shellstate.hpp"
#include "state/symbolsstate.hpp"

namespace {

// Lines listed before a page pause.
constexpr int32_t FREQUENCIESPAGE = 45;

const char* const FREQUENCIESHEADER =
    " Int: Symb Freq Freq%       (Freqs. accurate only for integers, incl. index; symbols listed for convenience)";

// Ratios of integers are divided in extended precision, then stored.
long double share(int32_t part, int32_t whole) {
  return whole == 0 ? 0.0L : static_cast<long double>(part) / static_cast<long double>(whole);
}

void computeFrequencies() {
  const int32_t IM = RUN.IM, N = RUN.N;
  RUN.CF1FREQSTANK.resize(0, IM);
  RUN.CF1FREQPERCENTSTANK.resize(0, IM);
  for (int32_t i = 1; i <= N; ++i) {
    int32_t v = RUN.CF1INTEGERSTANK(i);
    if (v >= 1 && v <= IM) ++RUN.CF1FREQSTANK(v);
  }
  RUN.MAXFREQ = 0;
  for (int32_t i = 1; i <= IM; ++i)
    if (RUN.CF1FREQSTANK(i) > RUN.MAXFREQ) RUN.MAXFREQ = RUN.CF1FREQSTANK(i);
  RUN.MINFREQ = RUN.MAXFREQ;
  for (int32_t i = 1; i <= IM; ++i)
    if (RUN.CF1FREQSTANK(i) < RUN.MINFREQ) RUN.MINFREQ = RUN.CF1FREQSTANK(i);
  RUN.MINMAXFREQRATIO = static_cast<float>(share(RUN.MINFREQ, RUN.MAXFREQ));
  // Divided first, then multiplied: 1 of 3 gives 33.33333333333334.
  for (int32_t i = 1; i <= IM; ++i)
    RUN.CF1FREQPERCENTSTANK(i) = static_cast<double>(share(RUN.CF1FREQSTANK(i), N) * 100.0L);
  RUN.MAXFREQPERCENT = static_cast<double>(share(RUN.MAXFREQ, N));
  RUN.MINFREQPERCENT = static_cast<double>(share(RUN.MINFREQ, N));
}

void printHeader() {
  con::color(SHELL.GNCOLOR);
  con::printLine(FREQUENCIESHEADER);
  con::color(SHELL.NCOLOR);
}

// The listing's own page pause: the header comes again before the wait.
// True when the key was Esc.
bool frequenciesPause() {
  con::newLine();
  con::color(SHELL.GNCOLOR);
  con::printLine(SHELL.STR1);
  con::newLine();
  con::printLine(FREQUENCIESHEADER);
  con::color(SHELL.NCOLOR);
  GETAKEY();
  if (SHELL.KSASC == con::KEY_ESC) return true;
  SHELL.SCRNLINESCOUNT = 0;
  con::newLine();
  return false;
}

void listFrequencies() {
  con::newLine();
  printHeader();
  con::newLine();
  SHELL.SCRNLINESCOUNT = 0;
  for (int32_t i = 1; i <= RUN.IM; ++i) {
    // Equal minimum and maximum show in the maximum's colour.
    if (RUN.CF1FREQSTANK(i) == RUN.MINFREQ) con::color(SHELL.BLCOLOR);
    if (RUN.CF1FREQSTANK(i) == RUN.MAXFREQ) con::color(SHELL.VLCOLOR);
    con::print(frequencyLine(i));
    con::color(SHELL.NCOLOR);
    if (i == 1) con::print("        Min / Max Frequency Ratio = " + floatForm(RUN.MINMAXFREQRATIO));
    con::newLine();
    if (++SHELL.SCRNLINESCOUNT >= FREQUENCIESPAGE && frequenciesPause()) return;
  }
}

}  // namespace

std::string frequencyLine(int32_t i) {
  std::string line = std::string(i < 10 ? " 0" : " ") + asText(i) + ":   ";
  line += i <= SYMBOLROWS ? std::string(1, SYMB.SYMBOLSTANK(i)) + "  " : std::string("   ");
  return line + intForm(RUN.CF1FREQSTANK(i)) + "  " + doubleForm(RUN.CF1FREQPERCENTSTANK(i));
}

void CF1FREQUENCIES() {
  if (RUN.RUNFLAG == 0) return;
  computeFrequencies();
  if (RUN.SAVERUNFREQSFLAG == 1) return;
  listFrequencies();
}
