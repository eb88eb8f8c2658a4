// "B": a List file turned back into running text, a block of groups, either
// on one line or laid out like the lines of another text file.
#include "shell/console.hpp"
#include "shell/files.hpp"
#include "shell/numberforms.hpp"
#include "state/shellstate.hpp"
#include "state/vocabstate.hpp"
#include "vocabutils/dialogue.hpp"
#include "vocabutils/listfile.hpp"
#include "vocabutils/transforms.hpp"
#include "vocabutils/vocabutils.hpp"

std::string unformattedBlock(const std::vector<std::string>& groups) {
  std::string block;
  for (const std::string& group : groups) block += group + " ";
  return block;
}

// Each format line is scanned with one blank appended, so that its last word
// is ended like the others; a word ended by that blank ends the output line.
std::string formattedBlock(const std::vector<std::string>& groups, const std::vector<std::string>& formatLines) {
  std::string block;
  size_t g = 0;
  if (groups.empty()) return block;
  for (const std::string& formatLine : formatLines) {
    std::string line = formatLine + " ";
    bool inWord = false;
    bool lastEndedWord = false;
    for (size_t i = 0; i < line.size(); ++i) {
      if (static_cast<unsigned char>(line[i]) > 32) {
        inWord = true;
        continue;
      }
      if (!inWord) continue;
      lastEndedWord = i + 1 == line.size();
      block += groups[g];
      block += lastEndedWord ? "\r\n" : " ";
      inWord = false;
      if (++g == groups.size()) return block;
    }
    if (!lastEndedWord) block += "\r\n";
  }
  return block;
}

namespace {

void paintBlockIntro() {
  con::cls();
  con::color(SHELL.NCOLOR);
  con::newLine();
  con::color(SHELL.TQCOLOR);
  con::print(" (B)");
  printColoured(" Change a ", SHELL.YLCOLOR, "List");
  printColoured(" of groups (max 32000) into a ", SHELL.GNCOLOR, "Block");
  con::printLine(" of Unformatted/Formatted groups/Exit   U/F/E : ");
  con::newLine();
  con::printLine(" (F: Formatting is according to the format, line by line, in a specified text-file. If the first line of the");
  con::printLine("     format-providing text contains n groups, then the first n groups from the List are placed in the first");
  con::printLine("     output line. And so on. Outputting terminates when either runs out of groups. Assumed: blank spaces");
  con::printLine("     separate the groups in the format-provider lines.)");
  con::newLine();
  con::newLine();
  con::color(SHELL.GNCOLOR);
  con::printLine(SHELL.STR1);
  con::color(SHELL.NCOLOR);
}

// Writes the block; false when the dialogue starts again without a block (a
// file problem, or a list or format file of fewer than 2 lines).
bool makeBlock(char mode) {
  con::newLine();
  con::newLine();
  con::color(SHELL.TQCOLOR);
  con::print(std::string(" ") + mode);
  con::color(SHELL.NCOLOR);
  VOC.SOURCEFILENAME = typedName(" Enter List sourcefilename : ");
  VOC.DESTFILENAME = typedName("   Enter Block save-filename : ");
  ListReader list;
  if (!list.open(VOC.SOURCEFILENAME)) return false;
  con::newLine();
  con::printLine(" number of groups in the List = " + intForm(list.count()));
  if (list.count() < 2) return false;

  ListReader format;
  std::string block;
  if (mode == 'U') {
    block = unformattedBlock(list.groups());
  } else {
    con::newLine();
    VOC.FORMATFILENAME = typedName(" Enter text-filename providing the formatting : ");
    if (!format.open(VOC.FORMATFILENAME) || format.count() < 2) return false;
    block = formattedBlock(list.groups(), format.groups());
  }
  if (refusesToOverwriteCutSource(VOC.DESTFILENAME, {&list, &format})) return false;
  OutputFile file;
  if (!file.open(VOC.DESTFILENAME)) return false;
  file.print(block);
  if (!file.close()) return false;

  VOC.NGROUPS = list.count();
  list.readInto(VOC.FIRSTVOCABTANK);
  if (mode == 'F') {
    VOC.FNLINES = format.count();
    format.readInto(VOC.FILELINESTANK);
    for (long i = 1; i <= VOC.FNLINES; ++i) VOC.FILELINESTANK(i) += ' ';
  }
  return true;
}

}  // namespace

void CHANGELISTINTOBLOCK() {
  for (;;) {
    paintBlockIntro();
    TGETAKEY();
    if (VOC.TKS != 'U' && VOC.TKS != 'F') return;
    if (!makeBlock(VOC.TKS)) continue;
    con::newLine();
    con::color(SHELL.GNCOLOR);
    con::print(" Done! " + SHELL.STR1);
    TGETAKEY();
    con::color(SHELL.NCOLOR);
  }
}
