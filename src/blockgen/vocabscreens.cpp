// "F" and "f" on the block menu: the symbol frequencies of the block's
// vocabulary, and its non-unique group types with their frequencies.
#include "blockanalysis/blockanalysis.hpp"
#include "blockgen/blockmenu.hpp"
#include "shell/console.hpp"
#include "shell/numberforms.hpp"
#include "shell/shell.hpp"
#include "state/blockanalysisstate.hpp"
#include "state/blockgenstate.hpp"
#include "state/shellstate.hpp"

namespace {

// Non-unique types listed before a pause.
constexpr int TYPESPAGE = 40;

int P() { return GEN.PROGMONSTARTSCREENROW; }

// The code whose rank is r (ranks are given to codes 32..255 only).
int codeOfRank(int32_t r) {
  for (int c = 32; c <= 255; ++c)
    if (ANA.GBVSYMBSFREQSRANKSTANK(c) == r) return c;
  return 0;
}

// The largest frequency shows in VLCOLOR, the smallest in BLCOLOR (a
// frequency that is both, in BLCOLOR).
void colorOfFrequency(int32_t freq, int32_t highest, int32_t lowest) {
  if (freq == highest) con::color(SHELL.VLCOLOR);
  if (freq == lowest) con::color(SHELL.BLCOLOR);
}

// The second colons line up at column D + 6, D the digits of the largest
// frequency.
void listSymbolFrequencies() {
  const int D = digitCount(ANA.GBVSMAXFREQ);
  for (int32_t r = 1; r <= ANA.GBLOKVOCABALPHABETSYMBOLSN; ++r) {
    int c = codeOfRank(r);
    if (c == 0) break;
    const int32_t freq = ANA.GBLOKVOCABSYMBOLSFREQSTANK(c);
    ANA.GBSYMBFREQRATIO = SYMBOLFREQFRACTION(c);
    colorOfFrequency(freq, ANA.GBVSMAXFREQ, ANA.GBVSMINFREQ);
    con::print(" " + std::string(1, static_cast<char>(c)) + " :" + intForm(freq));
    con::tab(D + 6);
    con::printLine(" : " + floatForm(ANA.GBSYMBFREQRATIO));
    con::color(SHELL.NCOLOR);
  }
}

// The pause after a page of types: true when the key was Esc.
bool typesPagePause() {
  con::newLine();
  con::color(SHELL.TQCOLOR);
  con::print(SHELL.STR1);
  con::color(SHELL.NCOLOR);
  con::newLine();
  GBGETAKEY();
  return SHELL.GBKSASC == con::KEY_ESC;
}

}  // namespace

void GETSYMBOLSFREQOFGROUPSBLOKVOCABULARY() {
  if (GEN.HAVEBLOKFLAG == 0) return;
  con::locate(P() + 14, 1);
  con::color(SHELL.YLCOLOR);
  con::print(" Data is for the VOCABULARY of generated block.");
  con::color(SHELL.GNCOLOR);
  con::printLine(" Wait:");
  con::color(SHELL.NCOLOR);
  con::newLine();
  con::printLine(" Symbol : Freq. : Freq.-fraction");
  con::newLine();
  COUNTSYMBOLSFREQOFGROUPSBLOKVOCABULARY();
  listSymbolFrequencies();
  GBCLOSINGPROMPT();
}

void SHOWNONUNIQUEGROUPS() {
  if (GEN.HAVEBLOKFLAG == 0) return;
  con::locate(P() + 16, 1);
  con::print(" Block = " + intForm(GEN.PROGRESSINDICATOR));
  con::color(SHELL.TQCOLOR);
  con::printLine("    Block Vocabulary Ratio = " + floatForm(ANA.BLOKVOCABRATIO));
  con::color(SHELL.NCOLOR);
  con::newLine();
  con::print(" No. of group-types which are non-unique = " + intForm(ANA.NONUNIQUEGROUPSTYPECOUNT));
  con::color(SHELL.TQCOLOR);
  con::printLine("         Ratio Non-U/U = " + floatForm(ANA.NONTOUNIQUETYPESRATIO));
  con::color(SHELL.NCOLOR);
  con::newLine();
  con::printLine(" Non-Unique group-types : and their frequencies : ");
  con::newLine();
  int lines = 0;
  for (int32_t t = 1; t <= ANA.NONUNIQUEGROUPSTYPECOUNT; ++t) {
    const int32_t freq = ANA.NONUNIQUEGROUPSTYPESFREQSTANK(t);
    colorOfFrequency(freq, ANA.NONUNIQUEHIFREQ, ANA.NONUNIQUELOFREQ);
    con::printLine(" " + ANA.NONUNIQUEGROUPSTYPESTANK(t).str() + "  : " + intForm(freq));
    con::color(SHELL.NCOLOR);
    if (++lines < TYPESPAGE) continue;
    if (typesPagePause()) return;
    lines = 0;
  }
  GBCLOSINGPROMPT();
}
