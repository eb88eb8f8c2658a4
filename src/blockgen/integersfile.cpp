// The generating-integers file of a finished block (prefix + "IGB.txt"): each
// generating step of each group as the reference number 1..38 of its
// reference symbol, the groups separated by 0.
#include "blockanalysis/reports.hpp"
#include "blockgen/blockmenu.hpp"
#include "shell/console.hpp"
#include "shell/files.hpp"
#include "shell/inputfields.hpp"
#include "shell/numberforms.hpp"
#include "shell/report.hpp"
#include "shell/shell.hpp"
#include "state/blockgenstate.hpp"
#include "state/shellstate.hpp"

namespace {

constexpr int COUNTDOWNROW = 45;

void explainResolution() {
  con::newLine();
  con::color(SHELL.TQCOLOR);
  con::printLine(" Review of generating-integers in Block computation: ");
  con::newLine();
  con::color(SHELL.NCOLOR);
  con::printLine(" Every symbol and n-graph/phantom making up a group is referenced to a unique integer, 1-38, in the Symbols-");
  con::printLine(" List, regardless of whether or not a different, and possibly much greater, integer from the Symbols-Map");
  con::printLine(" ultimately determined the reference number (1-38). Duplicated symbols in the Symbols-List nevertheless each");
  con::printLine(" retain their unique reference number. Hence, if the generating was commanded to proceed without phantoms,");
  con::printLine(" and without the Symbols-Map, OR the current phantoms and Map merely exactly mimicked the Symbols-List,");
  con::printLine(" then the Symbols-List reference integers (1-38) represent the maximum possible level of resolution of");
  con::printLine(" group-symbol versus generating-integer. ");
  con::newLine();
  con::printLine(" The present version of this program provides resolution only to the 1-38 level, which saved could > 1 MB.");
  con::newLine();
}

void writeHeader(OutputFile& file, int32_t groups, int32_t integers) {
  writeReportHeader(file);
  file.newLine();
  file.printLine(" GENERATING-INTEGERS FORWARD-SEQUENCE FOR THE BLOCK OF GROUPS");
  file.newLine();
  file.printLine(" - The number 0 separates the groups -");
  file.newLine();
  file.printLine(" Number of groups        = " + intForm(groups));
  file.printLine(" Number of integers      = " + intForm(integers));
  file.printLine(" Total numbers incl. 0's = " + intForm(GEN.NUMBEROFGROUPSBLOKSAVENUMBERS));
  file.newLine();
  file.newLine();
}

}  // namespace

bool RECOVERBLOKGENERATINGINTEGERS() {
  const int32_t N = GEN.PROGRESSINDICATOR;
  GEN.COUNTDOWN = N;
  STARTCOUNTDOWN(COUNTDOWNROW, GEN.COUNTDOWN);
  int32_t integers = 0;
  for (int32_t i = 1; i <= N; ++i) integers += static_cast<int32_t>(GEN.IGNOREPHANTOMSBLOKGROUPSTANK(i).size());
  GEN.NUMBEROFGROUPSBLOKSAVENUMBERS = integers + N - 1;

  OutputFile file;
  if (!file.open(SHELL.DFILENAME)) return false;
  writeHeader(file, N, integers);
  for (int32_t i = 1; i <= N; ++i) {
    for (char step : GEN.IGNOREPHANTOMSBLOKGROUPSTANK(i)) file.printLine(asText(referenceNumber(step)));
    if (i < N) file.printLine("0");
    GEN.COUNTDOWN -= 1;
    SHOWCOUNTDOWN(COUNTDOWNROW, GEN.COUNTDOWN);
  }
  file.newLine();
  file.newLine();
  file.newLine();
  writeReportTrailer(file);
  return file.close();
}

void SAVEGROUPSBLOKINTEGERSSEQUENCE() {
  explainResolution();
  con::color(SHELL.YLCOLOR);
  LineFields prefix(con::input(" Enter a valid save-filename prefix for prefixIGB.txt : "));
  SHELL.DFILENAME = prefix.nextText() + "IGB.txt";
  if (!RECOVERBLOKGENERATINGINTEGERS()) return;
  con::locate(COUNTDOWNROW, 25);
  con::color(SHELL.GNCOLOR);
  con::printLine("Done !   " + SHELL.STR1);
  con::color(SHELL.NCOLOR);
  GBGETAKEY();
}
