// "p" of the map editor: the phantoms editor.
#include "shell/console.hpp"
#include "shell/numberforms.hpp"
#include "shell/shell.hpp"
#include "state/shellstate.hpp"
#include "state/symbolsstate.hpp"
#include "symbols/editors.hpp"
#include "symbols/symbols.hpp"

namespace {

void drawPhantomRow(int r) {
  int rowColor = editorRowColor(r);
  bool highlighted = SYMB.PHANTOMNGRAPHSSTATUSTANK(r) == 1;
  drawEditorRowStart(r, rowColor, highlighted);
  con::tab(21);
  if (highlighted) con::color(SHELL.RDCOLOR);
  con::print(intForm(SYMB.PHANTOMNGRAPHSSTATUSTANK(r)));
  con::color(rowColor);
  con::tab(26);
  con::print(":");
  con::tab(30);
  con::print(SYMB.PHANTOMNGRAPHSTANK(r));
  con::newLine();
  con::color(SHELL.NCOLOR);
}

void drawPhantomsEditor() {
  con::cls();
  con::newLine();
  con::color(SHELL.GNCOLOR);
  con::printLine(" Each symbol is associated by index to a phantom string / n-graph. During printing of a generated");
  con::printLine(" sequence, a phantom is substituted for its symbol, if its status = 1. Max phantom length = 30 chrs");
  con::color(SHELL.NCOLOR);
  con::newLine();
  con::printLine(" (r) Reload default phantoms    (d) Load phantoms from diskfile    (s) Save phantoms    (w) Swap phantoms");
  con::printLine(" (c) Change phantoms   (t) Rotate phantoms   (1) Change status   (m) Mirror   (f) Directory   (e) Exit");
  con::newLine();
  con::color(SHELL.TQCOLOR);
  con::print(" Index : Symbol : Status : Phantom");
  con::color(SHELL.GNCOLOR);
  con::printLine("                               last file-name: " + SYMB.PHANTOMSSETDFILENAME);
  con::color(SHELL.NCOLOR);
  con::newLine();
  for (int r = 1; r <= SYMBOLROWS; ++r) drawPhantomRow(r);
}

// The status keeps the low 8 bits of the typed value.
uint8_t typedStatus(LineFields& f) { return phantomStatusOf(f.nextInteger<int64_t>()); }

void readRange(LineFields& f) {
  SYMB.V1S = f.nextInteger<int16_t>();
  SYMB.V2S = f.nextInteger<int16_t>();
}

void changePhantoms() {
  LineFields f = editorPrompt("Enter index-range -start, -end, status, phantom : ");
  readRange(f);
  SYMB.PHANTOMSTATUS = typedStatus(f);
  SYMB.EDITTEXT = f.nextText();
  if (!validRowRange(SYMB.V1S, SYMB.V2S) || !validPhantomText(SYMB.EDITTEXT)) return;
  for (int r = SYMB.V1S; r <= SYMB.V2S; ++r) {
    SYMB.PHANTOMNGRAPHSSTATUSTANK(r) = SYMB.PHANTOMSTATUS;
    SYMB.PHANTOMNGRAPHSTANK(r) = SYMB.EDITTEXT;
  }
}

void changeStatus() {
  LineFields f = editorPrompt("Enter index-range -start, -end, status : ");
  readRange(f);
  SYMB.PHANTOMSTATUS = typedStatus(f);
  if (!validRowRange(SYMB.V1S, SYMB.V2S)) return;
  for (int r = SYMB.V1S; r <= SYMB.V2S; ++r) SYMB.PHANTOMNGRAPHSSTATUSTANK(r) = SYMB.PHANTOMSTATUS;
}

void mirrorPhantoms() {
  LineFields f = editorPrompt("Enter index-range for mirror -start, -end : ");
  readRange(f);
  if (!validRowRange(SYMB.V1S, SYMB.V2S)) return;
  for (int r = SYMB.V1S; r <= SYMB.V2S; ++r) SYMB.PHANTOMNGRAPHSTANK(r) = mirrored(SYMB.PHANTOMNGRAPHSTANK(r));
}

void savePhantoms() {
  SYMB.PHANTOMFILENAMEPREFIX = editorPrompt("Enter  *prefix  for  *PHNTM.TXT  disk-save : ").nextText();
  std::string name = editorFileName(SYMB.PHANTOMFILENAMEPREFIX, "PHNTM.TXT");
  if (savePhantomsFile(name)) SYMB.PHANTOMSSETDFILENAME = name;
}

void loadPhantoms() {
  SYMB.PHANTOMFILENAMEPREFIX = editorPrompt("Enter  *prefix  for  *PHNTM.TXT  disk-load : ").nextText();
  std::string name = editorFileName(SYMB.PHANTOMFILENAMEPREFIX, "PHNTM.TXT");
  showLoadProblem(name, loadPhantomsFile(name));
}

}  // namespace

void ROTATEPHANTOMS() { rotateRowsDown(SYMB.PHANTOMNGRAPHSTANK); }

void SWAPPHANTOMS() { swapAskedRows("For phantoms-swap enter 1st-index, 2nd-index : ", SYMB.PHANTOMNGRAPHSTANK); }

// Leaves "+" in the shared key, so the map editor only redraws.
void CONTROLPHANTOMS() {
  for (;;) {
    drawPhantomsEditor();
    GETAKEY();
    if (SHELL.KS == 'r') INSTALLDEFAULTPHANTOMS();
    if (SHELL.KS == 'd') loadPhantoms();
    if (SHELL.KS == 's') savePhantoms();
    if (SHELL.KS == 'w') SWAPPHANTOMS();
    if (SHELL.KS == 'c') changePhantoms();
    if (SHELL.KS == 't') ROTATEPHANTOMS();
    if (SHELL.KS == '1') changeStatus();
    if (SHELL.KS == 'm') mirrorPhantoms();
    if (SHELL.KS == 'f') editorDirectory();
    if (SHELL.KS == 'e') {
      SHELL.KS = '+';
      return;
    }
  }
}
