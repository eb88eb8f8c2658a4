// MAP.TXT and PHNTM.TXT. Symbol and phantom lines are read back as whole
// lines, so that a blank, comma or quote symbol and a phantom's leading blank
// survive a save and load; the number lines follow the field rules.
#include "shell/files.hpp"
#include "shell/numberforms.hpp"
#include "state/symbolsstate.hpp"
#include "symbols/editors.hpp"

namespace {

char symbolOfLine(const std::string& line) { return line.empty() ? '\0' : line[0]; }

}  // namespace

bool saveMapFile(const std::string& name) {
  OutputFile file;
  if (!file.open(name)) return false;
  for (int r = 1; r <= SYMBOLROWS; ++r) {
    file.printLine(intForm(r));
    file.printLine(std::string(1, SYMB.SYMBOLSTANK(r)));
    for (int c = 1; c <= MAPCOLUMNS; ++c) file.printLine(intForm(SYMB.SYMBOLSMAPTANK(r, c)));
    file.newLine();
  }
  return file.close();
}

bool loadMapFile(const std::string& name) {
  InputFile file;
  if (!file.open(name)) return false;
  for (int r = 1; r <= SYMBOLROWS; ++r) {
    SYMB.I0 = file.nextInteger<int32_t>();
    SYMB.SYMBOLSTANK(r) = symbolOfLine(file.readLine());
    for (int c = 1; c <= MAPCOLUMNS; ++c) SYMB.SYMBOLSMAPTANK(r, c) = file.nextInteger<int32_t>();
    file.readLine();
  }
  return true;
}

bool savePhantomsFile(const std::string& name) {
  OutputFile file;
  if (!file.open(name)) return false;
  for (int r = 1; r <= SYMBOLROWS; ++r) {
    file.printLine(intForm(r));
    file.printLine(std::string(1, SYMB.SYMBOLSTANK(r)));
    file.printLine(intForm(SYMB.PHANTOMNGRAPHSSTATUSTANK(r)));
    file.printLine(SYMB.PHANTOMNGRAPHSTANK(r));
    file.newLine();
  }
  return file.close();
}

bool loadPhantomsFile(const std::string& name) {
  InputFile file;
  if (!file.open(name)) return false;
  for (int r = 1; r <= SYMBOLROWS; ++r) {
    SYMB.I0 = file.nextInteger<int32_t>();
    file.readLine();  // the symbol, written for reference only
    SYMB.PHANTOMNGRAPHSSTATUSTANK(r) = file.nextInteger<int32_t>();
    SYMB.PHANTOMNGRAPHSTANK(r) = file.readLine();
    file.readLine();
  }
  return true;
}
