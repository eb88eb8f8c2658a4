// "L": the symbols-and-map editor.
#include "shell/console.hpp"
#include "shell/files.hpp"
#include "shell/numberforms.hpp"
#include "shell/shell.hpp"
#include "state/shellstate.hpp"
#include "state/symbolsstate.hpp"
#include "symbols/editors.hpp"
#include "symbols/mapscan.hpp"
#include "symbols/symbols.hpp"

namespace {


void drawMapRow(int r) {
  drawEditorRowStart(r, editorRowColor(r), SYMB.PHANTOMNGRAPHSSTATUSTANK(r) == 1);
  for (int c = 1; c <= MAPCOLUMNS; ++c) {
    if (c > 1) con::print(" : ");
    con::print(intForm(SYMB.SYMBOLSMAPTANK(r, c)));
  }
  con::newLine();
  con::color(SHELL.NCOLOR);
}

void drawMapEditor() {
  con::cls();
  con::newLine();
  con::color(SHELL.GNCOLOR);
  con::printLine(" 38 symbols may each be mapped to up to 5 different integers. A zero in the map = no symbol mapped therefrom.");
  con::print(" The manner of map-scanning affects results:");
  con::color(SHELL.NCOLOR);
  con::print(" (u) Map-scan direction priority: ");
  con::color(SHELL.TQCOLOR);
  con::print(SYMB.MAPSCANDIRECTION);
  con::color(SHELL.NCOLOR);
  con::print("  (i) Map-scan resume-point: ");
  con::color(SHELL.TQCOLOR);
  con::printLine(SYMB.MAPSCANRESUMEPOINT);
  con::color(SHELL.NCOLOR);
  con::newLine();
  con::print(" (r) Reload default map   (d) Load map from diskfile   (s) Save map   (m) Change mapping   ");
  con::color(SHELL.GNCOLOR);
  con::print("(k)");
  con::color(SHELL.NCOLOR);
  con::printLine(" Map scan info");
  con::print(" (c) Change symbols   (t) Rotate symbols   (w) Swap symbols   ");
  con::color(SHELL.BLCOLOR);
  con::print("(p) Phantom n-graphs   ");
  con::color(SHELL.NCOLOR);
  con::printLine("(f) Directory   (e) Exit");
  con::newLine();
  con::color(SHELL.TQCOLOR);
  con::print(" Index : Symbol : COL-1 : COL-2 : COL-3 : COL-4 : COL-5");
  con::color(SHELL.GNCOLOR);
  con::printLine("          last file-name: " + SYMB.SYMBMAPDFILENAME);
  con::color(SHELL.NCOLOR);
  con::newLine();
  for (int r = 1; r <= SYMBOLROWS; ++r) drawMapRow(r);
}

void changeSymbols() {
  LineFields f = editorPrompt("Enter index-range -start, -end, new symbol : ");
  SYMB.V1S = f.nextInteger<int16_t>();
  SYMB.V2S = f.nextInteger<int16_t>();
  SYMB.EDITTEXT = f.nextText();
  unsigned char symbol = SYMB.EDITTEXT.empty() ? 0 : static_cast<unsigned char>(SYMB.EDITTEXT[0]);
  if (symbol < 33) symbol = ' ';
  if (!validRowRange(SYMB.V1S, SYMB.V2S)) return;
  for (int r = SYMB.V1S; r <= SYMB.V2S; ++r) SYMB.SYMBOLSTANK(r) = static_cast<char>(symbol);
}

void changeMapping() {
  LineFields f = editorPrompt("Enter nos. for Map  start-ROW(index), end-ROW, COL1, COL2, COL3, COL4, COL5 : ");
  SYMB.V1S = f.nextInteger<int16_t>();
  SYMB.V2S = f.nextInteger<int16_t>();
  int32_t* values[] = {&SYMB.MAP1L, &SYMB.MAP2L, &SYMB.MAP3L, &SYMB.MAP4L, &SYMB.MAP5L};
  bool allNonNegative = true;
  for (int32_t* v : values) {
    *v = f.nextInteger<int32_t>();
    if (!validMapValue(*v)) allNonNegative = false;
  }
  if (!validRowRange(SYMB.V1S, SYMB.V2S) || !allNonNegative) return;
  for (int r = SYMB.V1S; r <= SYMB.V2S; ++r)
    for (int c = 1; c <= MAPCOLUMNS; ++c) SYMB.SYMBOLSMAPTANK(r, c) = *values[c - 1];
}

void saveMap() {
  SYMB.MAPFILENAMEPREFIX = editorPrompt("Enter  *prefix  for  *MAP.TXT  disk-save : ").nextText();
  std::string name = editorFileName(SYMB.MAPFILENAMEPREFIX, "MAP.TXT");
  if (saveMapFile(name)) SYMB.SYMBMAPDFILENAME = name;
}

void loadMap() {
  SYMB.MAPFILENAMEPREFIX = editorPrompt("Enter  *prefix  for  *MAP.TXT  disk-load : ").nextText();
  std::string name = editorFileName(SYMB.MAPFILENAMEPREFIX, "MAP.TXT");
  showLoadProblem(name, loadSymbolsMapFile(name));
}

}  // namespace

std::string editorRowLabel(int row) { return std::string("   ") + (row < 10 ? "0" : "") + asText(row); }

std::string editorFileName(const std::string& prefix, const char* suffix) {
  size_t first = prefix.find_first_not_of(' ');
  return (first == std::string::npos ? std::string() : prefix.substr(first)) + suffix;
}

int editorRowColor(int row) { return row % 5 == 0 && row <= 35 ? SHELL.YLCOLOR : SHELL.NCOLOR; }

LineFields editorPrompt(const char* prompt) {
  con::locate(50, 2);
  return LineFields(con::input(prompt));
}

void showLoadProblem(const std::string& fileName, const std::string& problem) {
  if (!problem.empty()) showFileProblem(loadProblemMessage(fileName, problem));
}

void editorDirectory() {
  con::locate(48, 2);
  SHOWDIRECTORY();
  GETAKEY();
}

bool validRowRange(int start, int end) {
  return start >= 1 && start <= SYMBOLROWS && end >= start && end <= SYMBOLROWS;
}

void ROTATESYMBOLSLIST() { rotateRowsDown(SYMB.SYMBOLSTANK); }

void SWAPSYMBOLS() { swapAskedRows("For symbols-swap enter 1st-index, 2nd-index : ", SYMB.SYMBOLSTANK); }

void drawEditorRowStart(int row, int rowColor, bool highlighted) {
  con::color(rowColor);
  con::print(editorRowLabel(row));
  con::tab(8);
  con::print(":");
  if (highlighted) con::color(SHELL.BLCOLOR);
  con::tab(13);
  char symbol = SYMB.SYMBOLSTANK(row);
  con::print(std::string_view(&symbol, 1));
  con::color(rowColor);
  con::tab(17);
  con::print(":");
}

// The keys are compared one after the other with the live key: the phantoms
// editor leaves "+" so that nothing after "p" acts on its exit key.
void LOADSYMBOLSANDMAP() {
  for (;;) {
    drawMapEditor();
    GETAKEY();
    if (SHELL.KS == 'u') TOGLMAPSCANDIRECTION();
    if (SHELL.KS == 'i') TOGLMAPSCANRESUMEPOINT();
    if (SHELL.KS == 'k') MAPSCANINFO();
    if (SHELL.KS == 'r') INSTALLDEFAULTSYMBOLSMAP();
    if (SHELL.KS == 'd') loadMap();
    if (SHELL.KS == 's') saveMap();
    if (SHELL.KS == 'm') changeMapping();
    if (SHELL.KS == 'c') changeSymbols();
    if (SHELL.KS == 't') ROTATESYMBOLSLIST();
    if (SHELL.KS == 'w') SWAPSYMBOLS();
    if (SHELL.KS == 'p') CONTROLPHANTOMS();
    if (SHELL.KS == 'f') editorDirectory();
    if (SHELL.KS == 'e') return;
  }
}
