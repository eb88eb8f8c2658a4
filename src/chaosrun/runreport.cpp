// "S": the run report, prefix + "CGR.txt".
#include "chaosrun/chaosrun.hpp"
#include "shell/console.hpp"
#include "shell/files.hpp"
#include "shell/inputfields.hpp"
#include "shell/numberforms.hpp"
#include "shell/report.hpp"
#include "shell/shell.hpp"
#include "state/runstate.hpp"
#include "state/shellstate.hpp"
#include "state/symbolsstate.hpp"
#include "symbols/symbols.hpp"

namespace {

void emptyLines(OutputFile& f, int count) {
  for (int i = 0; i < count; ++i) f.newLine();
}

void writeParameters(OutputFile& f) {
  f.printLine(" Chaos-function 1 (chaotic at K=4.0):   Y -> X    Y = K * X * ( 1 - X )");
  f.printLine(" Btwn successive integer outputs, the fct is variously cycled.");
  emptyLines(f, 2);
  f.printLine(" K = " + doubleForm(RUN.K));
  f.printLine(" seed X = " + doubleForm(RUN.X));
  f.printLine(" maximum possible integer = " + intForm(RUN.IM));
  f.printLine(" number of generated integers = " + intForm(RUN.N));
  f.printLine(" Average of this run = " + doubleForm(RUN.RUNAVG));
  emptyLines(f, 2);
}

// The integers on one line (1 and IM bracketed), one numbered per line (1
// marked "-", IM marked "+"), and bare one per line.
void writeIntegers(OutputFile& f) {
  f.printLine(" INTEGERS SEQUENCE of this run in 3 different formats :");
  emptyLines(f, 2);
  for (int32_t i = 1; i <= RUN.N; ++i) {
    int32_t v = RUN.CF1INTEGERSTANK(i);
    bool marked = v == 1 || v == RUN.IM;
    f.print(marked ? "((" + intForm(v) + " ))" : intForm(v));
    f.print(" ");
  }
  emptyLines(f, 2);
  for (int32_t i = 1; i <= RUN.N; ++i) {
    int32_t v = RUN.CF1INTEGERSTANK(i);
    f.printLine(asText(i) + ": " + intForm(v) + (v == 1 ? " -" : "") + (v == RUN.IM ? " +" : ""));
  }
  emptyLines(f, 2);
  for (int32_t i = 1; i <= RUN.N; ++i) f.printLine(asText(RUN.CF1INTEGERSTANK(i)));
  emptyLines(f, 2);
}

void writeFrequencies(OutputFile& f) {
  f.printLine(" FREQUENCIES");
  f.newLine();
  f.printLine(" (Freqs. accurate only for integers, incl. index; symbols listed for convenience)");
  emptyLines(f, 2);
  f.printLine(" Min/Max Frequency Ratio = " + floatForm(RUN.MINMAXFREQRATIO));
  emptyLines(f, 2);
  f.printLine(" Int: Symb Freq Freq%");
  f.newLine();
  for (int32_t i = 1; i <= RUN.IM; ++i) f.printLine(frequencyLine(i));
  emptyLines(f, 2);
}

void writeSequence(OutputFile& f, bool reversed) {
  for (int32_t k = 1; k <= RUN.N; ++k) {
    int32_t i = reversed ? RUN.N + 1 - k : k;
    f.print(sequencePiece(SYMB.SYMBOLSSEQUENCETANK(i), reversed));
  }
  emptyLines(f, 3);
}

void writeSymbols(OutputFile& f) {
  f.printLine(" INTEGERS MAPPED TO SYMBOLS AND N-GRAPH PHANTOMS");
  f.newLine();
  f.printLine(" last Symbols-map  filename : " + SYMB.SYMBMAPDFILENAME);
  f.printLine(" last Phantoms-set filename : " + SYMB.PHANTOMSSETDFILENAME);
  f.printLine(" Map-scan direction priority: " + SYMB.MAPSCANDIRECTION);
  f.printLine(" Map-scan resume point: " + SYMB.MAPSCANRESUMEPOINT);
  f.newLine();
  SYMB.SAVERUNMAKESYMBSSEQFLAG = 1;
  MAKESYMBOLSSEQUENCE();  // prints one empty line on the screen
  SYMB.SAVERUNMAKESYMBSSEQFLAG = 0;
  f.newLine();
  f.printLine(" FORWARD  sequence :");
  f.newLine();
  writeSequence(f, false);
  f.printLine(" REVERSED  sequence :");
  f.newLine();
  writeSequence(f, true);
}

}  // namespace

void SAVECHAOSRUN() {
  if (RUN.RUNFLAG == 0) return;
  con::newLine();
  con::color(SHELL.YLCOLOR);
  con::printLine(" This run will be saved as a .txt file in current directory.");
  con::newLine();
  LineFields prefix(con::input(" Enter a valid filename prefix for  prefixCGR.txt : "));
  SHELL.DFILENAME = prefix.nextText() + "CGR.txt";
  con::color(SHELL.NCOLOR);

  OutputFile f;
  if (!f.open(SHELL.DFILENAME)) return;
  // A report that cannot be written leaves the tables as they were.
  const RunState runBefore = RUN;
  const SymbolsState symbolsBefore = SYMB;
  RUN.SAVERUNFREQSFLAG = 1;
  CF1FREQUENCIES();
  RUN.SAVERUNFREQSFLAG = 0;

  writeReportHeader(f);
  writeParameters(f);
  writeIntegers(f);
  writeFrequencies(f);
  writeSymbols(f);
  writeReportTrailer(f);
  if (!f.close()) {
    RUN = runBefore;
    SYMB = symbolsBefore;
    return;
  }
  con::color(SHELL.GNCOLOR);
  con::print("Done !   " + SHELL.STR1);
  GBGETAKEY();
  con::newLine();
  con::color(SHELL.NCOLOR);
}
