// The block menu and the progress monitor.
#include "blockgen/blockscreens.hpp"

#include <string>
#include <string_view>

#include "shell/console.hpp"
#include "shell/numberforms.hpp"
#include "state/blockanalysisstate.hpp"
#include "state/blockgenstate.hpp"
#include "state/shellstate.hpp"

namespace {

int P() { return GEN.PROGMONSTARTSCREENROW; }
int KX() { return GEN.PROGMONKXSCREENCOLUMN; }

void printIn(int color, std::string_view text) {
  con::color(color);
  con::print(text);
}

std::string_view blanks(size_t n) {
  static const std::string BLANKS(64, ' ');
  return std::string_view(BLANKS).substr(0, n < BLANKS.size() ? n : BLANKS.size());
}

void printBlanksAt(int row, int col, size_t n) {
  con::locate(row, col);
  con::print(blanks(n));
}

// ---- Menu --------------------------------------------------------------------

void printMenuHeading() {
  con::newLine();
  printIn(SHELL.VLCOLOR, " PLOMAR : ");
  printIn(SHELL.NCOLOR, "CHAOTIC GROUPS  *  A sequence of groups is chaotically generated to specifications.");
  printIn(GEN.BDSTATUSCOLOR, "  (*)");
  con::newLine();
  con::color(SHELL.NCOLOR);
  con::printLine(" The program does not check, so if you command an impossible sequence, say groups of maximum length 4,");
  con::printLine(" and symbols-phantoms specifications preclude it, then it is up to you to abort the generating process.");
  con::printLine(" Hence possibly-but-not-necessarily-impossible setups may be explored. Abort with the ESC key.");
  con::print(" Pause with P key. Narrower V ranges especially increase computation time.");
  printIn(SHELL.WGCOLOR, "  (o)(k) more info");
}

void printSpecificationKeys() {
  con::locate(P() - 5, 1);
  printIn(SHELL.TQCOLOR, " (B) ");
  printIn(SHELL.NCOLOR, "Block-size range  ");
  printIn(SHELL.TQCOLOR, "(G) ");
  printIn(SHELL.NCOLOR, "Group-size activate  ");
  printIn(SHELL.TQCOLOR, "(V) ");
  printIn(SHELL.NCOLOR, "Average-Group-size range  ");
  printIn(SHELL.TQCOLOR, "(X) ");
  printIn(SHELL.NCOLOR, "Kn and Xn");
  con::newLine();
}

void printGenerateAndSettingsKeys() {
  con::locate(P() - 4, 1);
  con::color(SHELL.NCOLOR);
  con::print(" (H) Generate  (I) Gen. single-step");
  con::print("  (C) " + asText(GEN.GROUPSEPCODE1) + " " + asText(GEN.GROUPSEPCODE2) + " Sep_Codes  (T) ");
  con::print(GEN.PARAGRFDOFLAG + " " + GEN.PARAGRFSTARTSYMBOL + GEN.PARAGRFENDSYMBOL + " Para-Trig  (W) ");
  con::print(GEN.USESYMBOLSMAPFLAG + intForm(GEN.HIGHESTOKMAPINTEGER) + "  Use symbols-map?");
  printIn(SHELL.YLCOLOR, " (");
  printIn(SHELL.NCOLOR, "F");
  printIn(SHELL.YLCOLOR, ")");
  printIn(SHELL.NCOLOR, " Freqs");
}

void printShowAndFileKeys() {
  con::locate(P() - 3, 1);
  printIn(SHELL.NCOLOR, " (K/f) Show groups   ");
  printIn(SHELL.RDCOLOR, "(");
  printIn(SHELL.NCOLOR, "M");
  printIn(SHELL.RDCOLOR, ")");
  printIn(SHELL.NCOLOR, " Show mirrored  (R) " + GEN.RT_MONITORYORN + " Real-time Monitor  ");
  con::print("(S) Save  (U) Vocabularies  (D) Dir  (E) Exit");
}

void printOkFlags() {
  con::locate(P() - 6, 90);
  printIn(SHELL.TQCOLOR, "OK-to-proceed flags:");
  con::locate(P() - 5, 96);
  for (int16_t flag : {GEN.OKTOMAKEGROUPSFLAG1, GEN.OKTOMAKEGROUPSFLAG2, GEN.OKTOMAKEGROUPSFLAG3,
                       GEN.OKTOMAKEGROUPSFLAG4})
    printIn(flag == 1 ? SHELL.GNCOLOR : SHELL.BLCOLOR, intForm(flag));
  con::newLine();
  con::color(SHELL.NCOLOR);
}

// ---- Monitor labels -------------------------------------------------------------

struct Place {
  int row, col;
};

// Where the label of group size s stands: sizes 1..10, 11..20 and 21..31 in
// three columns. Its count follows three columns further right.
Place sizeLabelPlace(int s) {
  if (s <= 10) return {P() + s + 1, KX() + 30};
  if (s <= 20) return {P() + s - 9, KX() + 42};
  return {P() + s - 19, KX() + 54};
}

Place sizeCountPlace(int s) {
  Place p = sizeLabelPlace(s);
  return {p.row, p.col + 3};
}

void printLabelAt(int row, std::string_view text) {
  con::locate(row, 1);
  con::print(text);
}

void printRanges() {
  con::locate(P(), 1);
  printIn(SHELL.GNCOLOR, " Generating in progress:");
  con::newLine();
  con::color(SHELL.NCOLOR);
  printLabelAt(P() + 2, " B range: " + intForm(GEN.LOBLOKSIZE) + " -" + intForm(GEN.HIBLOKSIZE));
  printLabelAt(P() + 3, " groups generated  = ");
  printLabelAt(P() + 5, " G range: " + intForm(GEN.LOGROUPSIZE) + " -" + intForm(GEN.HIGROUPSIZE));
  printLabelAt(P() + 6, " last group's size = ");
  printLabelAt(P() + 7, " last gen. group   = ");
  printLabelAt(P() + 9, " V range: " + floatForm(GEN.LOAVGGROUPSIZE) + " -" + floatForm(GEN.HIAVGGROUPSIZE));
  con::newLine();
  printLabelAt(P() + 10, " current average   = ");
}

// A value the generator cannot use shows in WRCOLOR.
void printChaosValue(int row, const std::string& name, double value, bool usable) {
  con::locate(row, KX());
  int previous = con::currentColor();
  if (!usable) con::color(SHELL.WRCOLOR);
  con::print(name + " = " + doubleForm(value));
  con::color(previous);
}

void printChaosParameters() {
  const double K[3] = {GEN.K1, GEN.K2, GEN.K3};
  const double X[3] = {GEN.X1, GEN.X2, GEN.X3};
  for (int n = 0; n < 3; ++n) {
    std::string digit = std::to_string(n + 1);
    printChaosValue(P() + 2 * n + 1, "K" + digit, K[n], K[n] >= 3.5 && K[n] <= 4.0);
    printChaosValue(P() + 2 * n + 2, "X" + digit, X[n], X[n] > 0 && X[n] < 1);
  }
}

void printGroupSizeLabels() {
  con::locate(P(), KX() + 28);
  printIn(SHELL.GNCOLOR, "Activated group sizes");
  printIn(SHELL.WGCOLOR, " (need min. 2 to generate)");
  for (int s = 1; s <= MAXGROUPSIZE; ++s) {
    Place p = sizeLabelPlace(s);
    con::locate(p.row, p.col);
    printIn(GEN.ACTIVEGROUPSIZESTANK(s) == 1 ? SHELL.GNCOLOR : SHELL.WBCOLOR,
            std::string(s < 10 ? " " : "") + asText(s) + ":");
  }
}

void printTotalsLabels() {
  con::locate(P() + 11, KX() + 9);
  printIn(SHELL.YLCOLOR, "Total Symbols");
  con::locate(P() + 13, KX() + 23);
  printIn(SHELL.TQCOLOR, "Total unique groups = ");
  con::color(SHELL.NCOLOR);
}

// ---- Monitor numbers ------------------------------------------------------------

// One number field: its place and width, the colour and text it shows now,
// whether a line end follows it, and what it showed last (none for the unique
// groups, which are not shown during a generation).
struct NumberField {
  int row, col, width, color;
  std::string text;
  bool lineEnd;
  std::string* shown;
};

// Every field in painting order; the last one passed is where the cursor ends.
template <class Paint>
void forEachNumberField(Paint paint) {
  MonitorShown& shown = GEN.MONITORSHOWN;
  const int narrow = KX() - 22;
  paint(NumberField{P() + 3, 22, narrow, SHELL.NCOLOR, intForm(GEN.PROGRESSINDICATOR), true, &shown.groups});
  paint(NumberField{P() + 6, 22, narrow, SHELL.NCOLOR, intForm(GEN.PROTOGROUPSIZE), true, &shown.size});
  paint(NumberField{P() + 7, 22, 31, SHELL.TQCOLOR, GEN.PROTOGROUP, true, &shown.group});
  paint(NumberField{P() + 10, 22, narrow, SHELL.NCOLOR, floatForm(GEN.AVGGROUPSIZE), true, &shown.average});
  for (int s = 1; s <= MAXGROUPSIZE; ++s) {
    if (GEN.ACTIVEGROUPSIZESTANK(s) == 0) continue;
    Place p = sizeCountPlace(s);
    paint(NumberField{p.row, p.col, 6, SHELL.NCOLOR, intForm(GEN.ACTIVEGROUPSIZESCOUNTSTANK(s)), false,
                      &shown.counts[static_cast<size_t>(s)]});
  }
  paint(NumberField{P() + 12, KX() + 12, 13, SHELL.YLCOLOR, intForm(GEN.BLOKGROUPSGRANDSIZE), false,
                    &shown.grandSize});
  if (GEN.GENERATINGBLOKINPROGRESSFLAG == 1) return;
  std::string unique = intForm(ANA.UNIQUEGROUPSCOUNT) + " " + floatForm(ANA.UNIQUEGROUPSPERCENTAGE) + " %";
  paint(NumberField{P() + 13, KX() + 44, 26, SHELL.TQCOLOR, unique, false, nullptr});
}

// The text, then blanks to the end of its field (the same cells as blanking
// the field first).
void paintField(const NumberField& f, bool withLineEnd) {
  con::locate(f.row, f.col);
  con::color(f.color);
  con::print(f.text);
  if (f.text.size() < static_cast<size_t>(f.width)) con::print(blanks(static_cast<size_t>(f.width) - f.text.size()));
  if (withLineEnd && f.lineEnd) con::newLine();
  if (f.shown) *f.shown = f.text;
}

void paintNumbers(bool onlyChanged) {
  Place end{0, 0};
  forEachNumberField([&](const NumberField& f) {
    end = {f.row, f.col + static_cast<int>(f.text.size())};
    if (onlyChanged && f.shown && *f.shown == f.text) return;
    paintField(f, !onlyChanged);
  });
  con::locate(end.row, end.col);
  con::color(SHELL.NCOLOR);
}

}  // namespace

void BLOKOFGROUPSMAINMENU() {
  printMenuHeading();
  printSpecificationKeys();
  printGenerateAndSettingsKeys();
  printShowAndFileKeys();
  printOkFlags();
}

void SCRNSHOWGROUPSBLOKPROGRESSA() {
  printRanges();
  printChaosParameters();
  printGroupSizeLabels();
  printTotalsLabels();
}

void SCRNSHOWGROUPSBLOKPROGRESSB() { paintNumbers(false); }

void REPAINTCHANGEDPROGRESSNUMBERS() { paintNumbers(true); }

void WIPEOLDPROGRESSNUMBERSFMSCRN() {
  const size_t narrow = static_cast<size_t>(KX() - 22);
  printBlanksAt(P() + 3, 22, narrow);
  printBlanksAt(P() + 6, 22, narrow);
  printBlanksAt(P() + 7, 22, 31);
  printBlanksAt(P() + 10, 22, narrow + 1);
  for (int s = 1; s <= MAXGROUPSIZE; ++s) {
    Place p = sizeCountPlace(s);
    printBlanksAt(p.row, p.col, 6);
  }
  printBlanksAt(P() + 12, KX() + 12, 11);
  printBlanksAt(P() + 13, KX() + 44, 26);
  GEN.MONITORSHOWN = MonitorShown{};
}

void TOGLRTMONITOR() {
  GEN.RT_MONITORFLAG = GEN.RT_MONITORFLAG == 1 ? 0 : 1;
  GEN.RT_MONITORYORN = GEN.RT_MONITORYORN == "Y" ? "N" : "Y";
}

void RTMONITOROFFNOTICE() {
  con::locate(P() + 15, 1);
  printIn(SHELL.RDCOLOR,
          " The Real-time Monitor is OFF : generating is now much faster. Use Pause to check on progress.");
  con::color(SHELL.NCOLOR);
}
