// Block specifications: one key, one prompt, validation and the OK flag.
// A rejected entry returns at once with its flag at 0; values read before the
// rejecting test keep what was typed.
#include "blockgen/blocksetup.hpp"

#include <cmath>

#include "shell/console.hpp"
#include "shell/inputfields.hpp"
#include "state/blockgenstate.hpp"
#include "state/shellstate.hpp"
#include "state/symbolsstate.hpp"

int32_t tankSlotsFor(int32_t hiBlokSize, float expansionFactor) {
  long double slots = static_cast<long double>(expansionFactor) * static_cast<long double>(hiBlokSize);
  return static_cast<int32_t>(std::floor(slots));
}

void FINDACTIVELOANDHIGROUPSIZES() {
  GEN.LOGROUPSIZE = 1;
  GEN.HIGROUPSIZE = 1;
  for (int s = 1; s <= MAXGROUPSIZE; ++s)
    if (GEN.ACTIVEGROUPSIZESTANK(s) == 1) GEN.HIGROUPSIZE = static_cast<int16_t>(s);
  for (int s = MAXGROUPSIZE; s >= 1; --s)
    if (GEN.ACTIVEGROUPSIZESTANK(s) == 1) GEN.LOGROUPSIZE = static_cast<int16_t>(s);
}

namespace {

void locatePromptRow() { con::locate(GEN.PROGMONSTARTSCREENROW + 14, 1); }

// The first character of a typed field, or empty text.
std::string firstCharacter(const std::string& field) { return field.substr(0, 1); }

void getBlockSize() {
  GEN.OKTOMAKEGROUPSFLAG1 = 0;
  locatePromptRow();
  LineFields f(con::input(" Enter acceptable block-size (no. of groups, max 27305) minimum, maximum : "));
  GEN.LOBLOKSIZE = f.nextInteger<int16_t>();
  GEN.HIBLOKSIZE = f.nextInteger<int16_t>();
  if (GEN.LOBLOKSIZE < 2 || GEN.LOBLOKSIZE > GEN.BLOKMAX - 2) return;
  if (GEN.HIBLOKSIZE > GEN.BLOKMAX || GEN.HIBLOKSIZE < GEN.LOBLOKSIZE + 2) return;
  GEN.OKTOMAKEGROUPSFLAG1 = 1;
  GEN.XHIBLOKSIZE = tankSlotsFor(GEN.HIBLOKSIZE, GEN.BLOKEXPANSIONFACTOR);
}

void getGroupSizes() {
  GEN.OKTOMAKEGROUPSFLAG2 = 0;
  locatePromptRow();
  LineFields f(con::input(" Enter range group-size (# of symbols) Lo, Hi, 1=active or 0=inactive : "));
  int16_t lo = f.nextInteger<int16_t>();
  int16_t hi = f.nextInteger<int16_t>();
  int16_t active = f.nextInteger<int16_t>();
  if (active != 0 && active != 1) return;
  if (lo < 1 || lo > MAXGROUPSIZE) return;
  if (hi < lo || hi > MAXGROUPSIZE) return;
  for (int s = lo; s <= hi; ++s) GEN.ACTIVEGROUPSIZESTANK(s) = active;
  int activeCount = 0;
  for (int s = 1; s <= MAXGROUPSIZE; ++s)
    if (GEN.ACTIVEGROUPSIZESTANK(s) == 1) ++activeCount;
  if (activeCount < 2) return;
  FINDACTIVELOANDHIGROUPSIZES();
  GEN.OKTOMAKEGROUPSFLAG2 = 1;
}

// The float entries are compared, promoted, with the 64-bit bounds, so that an
// entry of 1.001 (as a float slightly above) is accepted.
void getAverageGroupSize() {
  GEN.OKTOMAKEGROUPSFLAG3 = 0;
  locatePromptRow();
  LineFields f(con::input(" Enter acceptable average-groups-size (min = 1.001 chrs, max = 30.5) min, max : "));
  GEN.LOAVGGROUPSIZE = f.nextFloat();
  GEN.HIAVGGROUPSIZE = f.nextFloat();
  double lo = GEN.LOAVGGROUPSIZE, hi = GEN.HIAVGGROUPSIZE;
  if (lo < 1.001 || lo > 30.5) return;
  if (hi < lo || hi > 30.5) return;
  if (hi > GEN.HIGROUPSIZE) return;
  if (lo < GEN.LOGROUPSIZE) return;
  GEN.OKTOMAKEGROUPSFLAG3 = 1;
}

bool validChaosPair(double k, double x) {
  if (k < 3.6 || k > 4.0) return false;
  if (x <= 0 || x >= 1) return false;
  return x != 0.25 && x != 0.5 && x != 0.75;
}

void getChaosParameters() {
  GEN.OKTOMAKEGROUPSFLAG4 = 0;
  locatePromptRow();
  double* pairs[3][2] = {{&GEN.K1, &GEN.X1}, {&GEN.K2, &GEN.X2}, {&GEN.K3, &GEN.X3}};
  for (int n = 1; n <= 3; ++n) {
    std::string digit = std::to_string(n);
    LineFields f(con::input(" Enter K" + digit + " (3.6-4), X" + digit + " (>0 & <1) : "));
    double& k = *pairs[n - 1][0];
    double& x = *pairs[n - 1][1];
    k = f.nextDouble();
    x = f.nextDouble();
    if (!validChaosPair(k, x)) return;
  }
  GEN.OKTOMAKEGROUPSFLAG4 = 1;
}

void getSeparationCodes() {
  GEN.SHOWGROUPSFORMATFLAG = 0;
  locatePromptRow();
  con::newLine();
  con::printLine(" (C) In outputs to screen or diskfile, two successive ASCII codes separate the generated groups.");
  con::printLine(" For example, default codes 32 and 0 separate the groups with blank spaces.");
  con::printLine(" The CR (13) and LF (10) codes can be used to just list generated groups, one per line.");
  con::newLine();
  LineFields f(con::input(" Enter 1st sep-code, 2nd sepcode : "));
  GEN.GROUPSEPCODE1 = f.nextInteger<int16_t>();
  GEN.GROUPSEPCODE2 = f.nextInteger<int16_t>();
  if (GEN.GROUPSEPCODE1 < 0 || GEN.GROUPSEPCODE1 > 255) GEN.GROUPSEPCODE1 = 95;
  if (GEN.GROUPSEPCODE2 < 0 || GEN.GROUPSEPCODE2 > 255) GEN.GROUPSEPCODE2 = 0;
  if (GEN.GROUPSEPCODE1 == 13 && GEN.GROUPSEPCODE2 == 10) GEN.SHOWGROUPSFORMATFLAG = 1;
}

void getParagraphTriggering() {
  locatePromptRow();
  con::newLine();
  con::printLine(" (T) In outputs to screen or diskfile, two symbols detected within groups may optionally trigger paragraphing:");
  con::newLine();
  con::printLine(" Current start-paragraph symbol = " + GEN.PARAGRFSTARTSYMBOL +
                 "   its group becomes 1st group of new paragraph");
  con::printLine(" Current  end-paragraph symbol  = " + GEN.PARAGRFENDSYMBOL +
                 "   its group becomes last group of paragraph");
  con::newLine();
  LineFields f(con::input(" Enter trigger paragraphing Y/N, start-symbol, end-symbol : "));
  GEN.PARAGRFDOFLAG = firstCharacter(f.nextText());
  GEN.PARAGRFSTARTSYMBOL = firstCharacter(f.nextText());
  GEN.PARAGRFENDSYMBOL = firstCharacter(f.nextText());
  if (GEN.PARAGRFDOFLAG != "Y" && GEN.PARAGRFDOFLAG != "N") GEN.PARAGRFDOFLAG = "N";
}

void toggleSymbolsMap() {
  GEN.USESYMBOLSMAPFLAG = GEN.USESYMBOLSMAPFLAG == "N" ? "Y" : "N";
  if (GEN.USESYMBOLSMAPFLAG == "N") {
    GEN.HIGHESTOKMAPINTEGER = 38;
    return;
  }
  locatePromptRow();
  con::newLine();
  con::print(" (W)");
  LineFields f(con::input(" Enter the highest integer (max 32000) to be active in the symbols-map: "));
  GEN.HIGHESTOKMAPINTEGER = f.nextInteger<int32_t>();
  if (GEN.HIGHESTOKMAPINTEGER >= 2 && GEN.HIGHESTOKMAPINTEGER <= 32000) return;
  GEN.HIGHESTOKMAPINTEGER = 38;
  GEN.USESYMBOLSMAPFLAG = "N";
}

}  // namespace

void GETSPECSFORBLOCKOFGROUPS() {
  switch (SHELL.GBKS) {
    case 'G': getGroupSizes(); break;
    case 'V': getAverageGroupSize(); break;
    case 'X': getChaosParameters(); break;
    case 'C': getSeparationCodes(); break;
    case 'T': getParagraphTriggering(); break;
    case 'W': toggleSymbolsMap(); break;
    default: getBlockSize(); break;
  }
}

void TAKEBLOKSETUPSNAPSHOT() {
  BlockSetup& b = GEN.BLOKSETUP;
  b.LOBLOKSIZE = GEN.LOBLOKSIZE;
  b.HIBLOKSIZE = GEN.HIBLOKSIZE;
  b.LOGROUPSIZE = GEN.LOGROUPSIZE;
  b.HIGROUPSIZE = GEN.HIGROUPSIZE;
  for (int s = 0; s <= MAXGROUPSIZE; ++s) b.ACTIVEGROUPSIZES[static_cast<size_t>(s)] = GEN.ACTIVEGROUPSIZESTANK(s);
  b.LOAVGGROUPSIZE = GEN.LOAVGGROUPSIZE;
  b.HIAVGGROUPSIZE = GEN.HIAVGGROUPSIZE;
  b.K1 = GEN.K1;
  b.X1 = GEN.X1;
  b.K2 = GEN.K2;
  b.X2 = GEN.X2;
  b.K3 = GEN.K3;
  b.X3 = GEN.X3;
  b.USESYMBOLSMAPFLAG = GEN.USESYMBOLSMAPFLAG;
  b.HIGHESTOKMAPINTEGER = GEN.HIGHESTOKMAPINTEGER;
  b.MAPSCANDIRECTION = SYMB.MAPSCANDIRECTION;
  b.MAPSCANRESUMEPOINT = SYMB.MAPSCANRESUMEPOINT;
  b.SYMBMAPDFILENAME = SYMB.SYMBMAPDFILENAME;
  b.PHANTOMSSETDFILENAME = SYMB.PHANTOMSSETDFILENAME;
}
