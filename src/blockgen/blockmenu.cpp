// "G": the block generator's command loop, and a generation driven through
// the engine one stored group at a time.
#include "blockgen/blockmenu.hpp"

#include <string_view>

#include "blockanalysis/blockanalysis.hpp"
#include "blockanalysis/reports.hpp"
#include "blockgen/blockgen.hpp"
#include "blockgen/blockscreens.hpp"
#include "blockgen/blocksetup.hpp"
#include "blockgen/generation.hpp"
#include "blockgen/generationkeys.hpp"
#include "blockgen/groupsbloktank.hpp"
#include "shell/console.hpp"
#include "shell/inputfields.hpp"
#include "shell/numberforms.hpp"
#include "shell/shell.hpp"
#include "state/blockanalysisstate.hpp"
#include "state/blockgenstate.hpp"
#include "state/shellstate.hpp"
#include "symbols/symbols.hpp"
#include "vocabutils/listfile.hpp"

namespace {

constexpr int32_t KEY_I = 'I';
constexpr int32_t KEY_P = 'P';
// The poll's code for a key that gives no character.
constexpr int32_t NOCHARACTERKEY = 255;

int P() { return GEN.PROGMONSTARTSCREENROW; }

bool specificationsComplete() {
  return GEN.OKTOMAKEGROUPSFLAG1 != 0 && GEN.OKTOMAKEGROUPSFLAG2 != 0 && GEN.OKTOMAKEGROUPSFLAG3 != 0 &&
         GEN.OKTOMAKEGROUPSFLAG4 != 0;
}

// ---- Keys during a generation ---------------------------------------------------

// The per-group poll: 0 when no key waits, 255 for a key without a character.
int32_t pollGenerationKey() {
  int32_t key = GBPOLLKEY();
  if (key == con::KEY_NONE) return 0;
  return key > 255 ? NOCHARACTERKEY : key;
}

// A key typed while the engine was drawing comes before the keyboard.
void waitGenerationKey() {
  if (GEN.KEPTGBKEYS.empty()) {
    GBGETAKEY();
    return;
  }
  SHELL.GBKSASC = GEN.KEPTGBKEYS.front();
  GEN.KEPTGBKEYS.pop_front();
  SHELL.GBKS = static_cast<char>(SHELL.GBKSASC & 255);
}

void showStepPrompt() {
  con::locate(P() + 12, 1);
  con::color(SHELL.GNCOLOR);
  con::print(SHELL.STR1);
  con::color(SHELL.NCOLOR);
}

// Any key resumes; "I" resumes in single-step (the monitor stays as it is);
// Esc only resumes.
void pauseGeneration() {
  SCRNSHOWGROUPSBLOKPROGRESSB();
  showStepPrompt();
  waitGenerationKey();
  con::locate(P() + 12, 1);
  con::print(std::string(24, ' '));
  if (SHELL.GBKSASC == KEY_I) GEN.SINGLESTEPFLAG = 1;
}

void switchToSingleStep() {
  GEN.SINGLESTEPFLAG = 1;
  GEN.RT_MONITORFLAG = 1;
  GEN.RT_MONITORYORN.assign(1, 'Y');  // (a literal here trips a false -Wrestrict in GCC 12)
  con::cls();
  BLOKOFGROUPSMAINMENU();
  SCRNSHOWGROUPSBLOKPROGRESSA();
  SCRNSHOWGROUPSBLOKPROGRESSB();
}

// False when the user aborts.
bool betweenGroups() {
  if (GEN.SINGLESTEPFLAG != 1) {
    GEN.ASCGBKS = pollGenerationKey();
    if (GEN.ASCGBKS == con::KEY_ESC) return false;
    if (GEN.ASCGBKS == KEY_P) pauseGeneration();
    if (GEN.ASCGBKS != KEY_I) return true;
    switchToSingleStep();
  }
  showStepPrompt();
  waitGenerationKey();
  return SHELL.GBKSASC != con::KEY_ESC;
}

// Before every pass after the first: the monitor's changed numbers, or with
// the monitor off one line end at the top of the screen.
void showPassProgress() {
  if (GEN.RT_MONITORFLAG == 1) {
    REPAINTCHANGEDPROGRESSNUMBERS();
  } else {
    con::locate(1, 1);
  }
  con::newLine();
}

void endBackDoorRecording() {
  if (GEN.BACKDOORACCESSFLAG == 1) {
    CLOSEBACKDOORRECORDFILE();
    GEN.BACKDOORACCESSFLAG = 0;
  }
  GEN.BDSTATUSCOLOR = SHELL.WBCOLOR;
}

// ---- Completion ----------------------------------------------------------------

void offerIntegersFile() {
  con::color(SHELL.YLCOLOR);
  con::printLine(" Save the integers-sequence which generated this block of groups  Y/N ? :");
  GBGETAKEY();
  if (SHELL.GBKS == 'Y') SAVEGROUPSBLOKINTEGERSSEQUENCE();
}

void offerVocabularyFile() {
  con::newLine();
  con::color(SHELL.RDCOLOR);
  con::print(" Save the generated ");
  con::color(SHELL.TQCOLOR);
  con::print(intForm(ANA.VOCABN));
  con::color(SHELL.RDCOLOR);
  con::printLine("  Vocabulary as a list-file  Y/N ? :");
  GBGETAKEY();
  if (SHELL.GBKS != 'Y') return;
  con::newLine();
  LineFields f(con::input(" Enter a valid save-filename prefix for prefixVOCGB.txt : "));
  SHELL.DFILENAME = f.nextText() + "VOCGB.txt";
  if (!writeListFile(SHELL.DFILENAME, ANA.GBLOKVOCABTANK, ANA.VOCABN)) return;
  con::newLine();
  con::color(SHELL.GNCOLOR);
  con::print("Done !   " + SHELL.STR1);
  GBGETAKEY();
}

// ---- The menu -------------------------------------------------------------------

void paintBlockScreen() {
  con::cls();
  BLOKOFGROUPSMAINMENU();
  SCRNSHOWGROUPSBLOKPROGRESSA();
  if (GEN.HAVEBLOKFLAG == 1) SCRNSHOWGROUPSBLOKPROGRESSB();
}

void generate(bool singleStep) {
  if (!startGenerationFromMenu(singleStep)) return;
  if (runGenerationPasses()) {
    completeGeneration();
  } else {
    abortGeneration();
  }
}

// The keys in their order, each compared with the key as it stands after the
// commands before it: a command that waits for a key passes that key on to
// the later checks. A generation ends the pass. True at "E".
bool runMenuKeys() {
  const char& key = SHELL.GBKS;  // each check sees the key as it stands then
  if (key == '*') BACKDOOR();
  if (key == 'o') BLOKOFGROUPSMOREINFO();
  if (key == 'k') MAPSCANINFO();
  for (char specification : std::string_view("BGVXCT"))
    if (key == specification) GETSPECSFORBLOCKOFGROUPS();
  if (key == 'H' || key == 'I') {
    generate(key == 'I');
    return false;
  }
  if (key == 'K') SHOWBLOKOFGROUPS();
  if (key == 'f') SHOWNONUNIQUEGROUPS();
  if (key == 'M') SHOWBLOKOFGROUPS();
  if (key == 'W') GETSPECSFORBLOCKOFGROUPS();
  if (key == 'F') GETSYMBOLSFREQOFGROUPSBLOKVOCABULARY();
  if (key == 'R') TOGLRTMONITOR();
  if (key == 'S') DIRANDSAVEFORBLOCKOFGROUPS();
  if (key == 'U') COMPAREFORMATCHINGVOCABULARIES();
  if (key == 'D') DIRANDSAVEFORBLOCKOFGROUPS();
  return key == 'E';
}

}  // namespace

bool startGenerationFromMenu(bool singleStep) {
  if (!specificationsComplete()) return false;
  if (singleStep && GEN.RT_MONITORFLAG == 0) return false;
  // The record file is opened first: a failure leaves the last block as it was.
  if (GEN.BACKDOORACCESSFLAG == 1 && !OPENBACKDOORRECORDFILE(GEN.VNOSSAVEFILENAME)) return false;
  TAKEBLOKSETUPSNAPSHOT();
  if (singleStep) GEN.SINGLESTEPFLAG = 1;
  STARTBLOKGENERATION();
  WIPEOLDPROGRESSNUMBERSFMSCRN();
  SCRNSHOWGROUPSBLOKPROGRESSA();
  if (GEN.RT_MONITORFLAG == 0) RTMONITOROFFNOTICE();
  return true;
}

bool runGenerationPasses() {
  GEN.CANCELHOOK = POLLKEYBOARDFORESC;
  bool firstPass = true;
  for (;;) {
    if (!firstPass) showPassProgress();
    firstPass = false;
    GenAdvance a = ADVANCEBLOKGENERATION();
    if (a == GenAdvance::Cancelled) return false;
    if (a == GenAdvance::Complete) return true;
    if (!betweenGroups()) return false;
  }
}

void completeGeneration() {
  GEN.CANCELHOOK = nullptr;
  FINISHBLOKGENERATION();
  CLEARSYMBOLSFREQOFGROUPSBLOKVOCABULARY();
  SCRNSHOWGROUPSBLOKPROGRESSB();
  if (GEN.SINGLESTEPFLAG != 0) {
    con::locate(P() + 12, 1);
    con::print(std::string(25, ' '));
  }
  con::locate(P() + 13, 1);
  con::color(SHELL.GNCOLOR);
  con::print("Done !   " + SHELL.STR1);
  con::color(SHELL.NCOLOR);
  GEN.SINGLESTEPFLAG = 0;
  endBackDoorRecording();
  con::newLine();
  con::newLine();
  con::print(std::string(94, ' '));
  con::locate(P() + 15, 1);
  offerIntegersFile();
  offerVocabularyFile();
  con::color(SHELL.NCOLOR);
}

void abortGeneration() {
  GEN.CANCELHOOK = nullptr;
  ABORTBLOKGENERATION();
  GEN.SINGLESTEPFLAG = 0;
  endBackDoorRecording();
}

void MAKESPECIFIEDBLOCKOFGROUPS() {
  for (;;) {
    paintBlockScreen();
    con::locate(P() + 13, 1);
    GBGETAKEY();
    if (runMenuKeys()) break;
  }
  con::cls();
}
