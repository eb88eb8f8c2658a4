#include "vocabutils/dialogue.hpp"

#include "shell/console.hpp"
#include "shell/inputfields.hpp"
#include "shell/numberforms.hpp"
#include "state/shellstate.hpp"
#include "state/vocabstate.hpp"
#include "vocabutils/vocabutils.hpp"

std::string typedName(std::string_view prompt) { return LineFields(con::input(prompt)).nextText(); }

void printColoured(std::string_view before, int colour, std::string_view word) {
  con::color(SHELL.NCOLOR);
  con::print(before);
  con::color(colour);
  con::print(word);
  con::color(SHELL.NCOLOR);
}

bool curveWanted(std::string_view doneText) {
  con::newLine();
  con::newLine();
  con::print(doneText);
  con::color(SHELL.TQCOLOR);
  con::printLine("   Save the group-sizes sequence as a digitized curve  Y/N ? :");
  XGETAKEY();
  return VOC.XKS == 'Y';
}

bool writeCurveFile(const std::string& name, const std::vector<std::string>& groups) {
  OutputFile file;
  if (!file.open(name)) return false;
  for (const std::string& group : groups) file.printLine(asText(static_cast<long long>(group.size())));
  return file.close();
}

// The colour stays TQCOLOR from the question up to the pause.
void SAVEGROUPSIZESCURVE(const std::vector<std::string>& groups, const ListReader* source) {
  con::newLine();
  VOC.DESTFILENAME = typedName(" Enter destination save-filename for group-sizes curve : ");
  bool refused = source != nullptr && refusesToOverwriteCutSource(VOC.DESTFILENAME, {source});
  if (refused || !writeCurveFile(VOC.DESTFILENAME, groups)) {
    con::color(SHELL.NCOLOR);
    return;
  }
  con::newLine();
  con::print(" Curve saved!   ");
  con::color(SHELL.TQCOLOR);
  con::printLine(SHELL.STR1);
  con::color(SHELL.NCOLOR);
  TGETAKEY();
}
