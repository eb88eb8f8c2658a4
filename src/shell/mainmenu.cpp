// The program: sign-on, main menu, key readers.
#include <cstdio>
#include <new>

#include "blockgen/blockgen.hpp"
#include "chaosrun/chaosrun.hpp"
#include "shell/colourchart.hpp"
#include "shell/console.hpp"
#include "shell/fatal.hpp"
#include "shell/numberforms.hpp"
#include "shell/shell.hpp"
#include "state/runstate.hpp"
#include "state/shellstate.hpp"
#include "symbols/symbols.hpp"
#include "vocabutils/vocabutils.hpp"

namespace {

int interactiveSession(bool fromStart, std::string_view typedAhead) {
  con::setupStandardStreams();
  if (!typedAhead.empty()) con::typeAhead(typedAhead);
  try {
    if (fromStart) {
      SIZESTARTTABLES();
      INIT();
    }
    SIGNON();
    MAINLOOP();
  } catch (const con::EndOfInput&) {
    // The piped keys have run out: end as "E" would.
  } catch (const std::bad_alloc&) {
    // Memory ran out where no table is sized: the same end as a table that
    // cannot be sized.
    RUNTIMEERROR(ERR_OUTOFMEMORY);
  }
  con::shutdown();
  return 0;
}

}  // namespace

int programMain() { return interactiveSession(true, {}); }

int programMainTypedAhead(std::string_view keys) { return interactiveSession(false, keys); }

void SIGNON() {
  con::cls();
  con::color(SHELL.NCOLOR);
  con::newLine();
  con::print(SHELL.VIDS);
  con::color(SHELL.VLCOLOR);
  con::print(" PLOMAR");
  con::color(SHELL.NCOLOR);
  con::printLine(std::string(" ") + AUTHORSHIPNOTICE + " * (chaotic at K=4.0):  Y -> X   Y = KX(1 - X)");
  con::newLine();
  con::printLine(" Chaotically generated sequences. Between successive integers generated, the fct Y is variously cycled.");
  con::print(" For more information ");
  con::color(SHELL.WGCOLOR);
  con::print("(o)(k) ");
  con::color(SHELL.NCOLOR);
  con::printLine("see:  Wendmark  Vol. IV");
  con::newLine();
}

// One pass compares the live key with every command in order: a key read
// inside a command (a page pause, the colour chart) also acts on the commands
// that follow it.
void MAINLOOP() {
  for (;;) {
    MAINMENU();
    con::newLine();
    con::color(SHELL.YLCOLOR);
    con::print(" Run:");
    con::color(SHELL.NCOLOR);
    con::print(intForm(RUN.RUNFLAG));
    con::print("   ");
    con::color(SHELL.TQCOLOR);
    con::printLine(SHELL.STR1);
    con::color(SHELL.NCOLOR);
    do {
      GETAKEY();
      CHECKGOTTENKEY();
    } while (SHELL.GOTTENKEYFLAG == 0);

    if (SHELL.KS == 'o') BLOKOFGROUPSMOREINFO();
    if (SHELL.KS == 'k') MAPSCANINFO();
    if (SHELL.KS == 'R') DOCHAOSRUN();
    if (SHELL.KS == 'T') TOGGLESEQUENCINGDIRECTION();
    if (SHELL.KS == 'I') SHOWINTEGERS();
    if (SHELL.KS == 'Z') MAKESYMBOLSSEQUENCE();
    if (SHELL.KS == 'G') MAKESPECIFIEDBLOCKOFGROUPS();
    if (SHELL.KS == 'S') SAVECHAOSRUN();
    if (SHELL.KS == 'V') EXTRACTNTRIMVOCABUTILITIES();
    if (SHELL.KS == 'L') LOADSYMBOLSANDMAP();
    if (SHELL.KS == 'F') CF1FREQUENCIES();
    if (SHELL.KS == 'D') SHOWDIRECTORY();
    if (SHELL.KS == '*') TEST();
    if (SHELL.KS == 'E') return;
    con::newLine();
  }
}

void MAINMENU() {
  con::color(SHELL.YLCOLOR);
  con::print(" [T]");
  con::color(RUN.SEQDIRFLAG == "Fwd" ? SHELL.BLCOLOR : SHELL.RDCOLOR);
  con::print(RUN.SEQDIRFLAG + " ");
  con::color(SHELL.YLCOLOR);
  con::print("[R]Run [I]Integers [Z]Symbols [F]Freqs [S]Save");
  con::color(SHELL.GNCOLOR);
  con::print(" {G}Groups-Block");
  con::color(SHELL.TQCOLOR);
  con::print(" (L)Load Symbols ");
  con::color(SHELL.BWCOLOR);
  con::print("|V|Vocab ");
  con::color(SHELL.NCOLOR);
  con::printLine("(D)Dir (E)End");
  if (SHELL.SIGNONFLAG != 0) {
    con::newLine();
    con::color(SHELL.TQCOLOR);
    con::printLine(" Note: Command-keys are case-sensitive");
    con::color(SHELL.NCOLOR);
    SHELL.SIGNONFLAG = 0;
  }
}

void GETAKEY() {
  SHELL.KSASC = con::waitKey();
  SHELL.KS = static_cast<char>(SHELL.KSASC & 255);
}

void GBGETAKEY() {
  SHELL.GBKSASC = con::waitKey();
  SHELL.GBKS = static_cast<char>(SHELL.GBKSASC & 255);
}

void CHECKGOTTENKEY() {
  SHELL.GOTTENKEYFLAG = SHELL.CMDSSTRING.find(SHELL.KS) != std::string::npos ? 1 : 0;
}

std::string mirrored(std::string_view text) { return std::string(text.rbegin(), text.rend()); }

void MIRRORSTRING() { SHELL.MVSTR0 = mirrored(SHELL.VSTR0); }

void GBCLOSINGPROMPT() {
  con::newLine();
  con::newLine();
  con::color(SHELL.GNCOLOR);
  con::printLine(SHELL.STR1);
  con::color(SHELL.NCOLOR);
  con::newLine();
  GBGETAKEY();
}

void STARTCOUNTDOWN(int row, int32_t value) {
  con::locate(row, 1);
  con::print(" Wait ..... ");
  SHOWCOUNTDOWN(row, value);
}

void SHOWCOUNTDOWN(int row, int32_t value) {
  con::locate(row, 15);
  con::print(std::string(15, ' '));
  con::locate(row, 15);
  con::print(intForm(value));
}

bool PAGEPAUSE() {
  con::newLine();
  con::color(SHELL.GNCOLOR);
  con::print(SHELL.STR1);
  con::color(SHELL.NCOLOR);
  GETAKEY();
  if (SHELL.KSASC == con::KEY_ESC) return true;
  con::newLine();
  con::newLine();
  return false;
}

// The colour chart.
void TEST() {
  con::cls();
  con::printLine("CF1 development test area");
  con::newLine();
  for (int c = 1; c <= 15; ++c) {
    con::color(c);
    con::print(intForm(c));
    con::printLine("\xDB");
  }
  con::color(SHELL.NCOLOR);
  GETAKEY();
}
