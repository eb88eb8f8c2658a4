// The two-list utilities: "M" (the groups common to two lists) and "Z" (one
// list subtracted from another).
#include "shell/console.hpp"
#include "shell/numberforms.hpp"
#include "state/shellstate.hpp"
#include "state/vocabstate.hpp"
#include "vocabutils/dialogue.hpp"
#include "vocabutils/listfile.hpp"
#include "vocabutils/listops.hpp"
#include "vocabutils/vocabutils.hpp"

namespace {

// The line between the counting pass and the reading pass of a list.
void printListSize(const ListReader& list) {
  con::newLine();
  con::printLine(" " + list.name() + " contains : " + intForm(list.count()) + " groups");
}

// Reads a list and shows its size; false after the file layer reported it.
bool readListShowingSize(ListReader& list, const std::string& name) {
  if (!list.open(name)) return false;
  printListSize(list);
  return true;
}

void finalPause() {
  con::color(SHELL.TQCOLOR);
  con::printLine(SHELL.STR1);
  con::color(SHELL.NCOLOR);
  TGETAKEY();
}

// " Proceed/Exit    P/E ? : " in green; true for "P".
bool proceedAsked() {
  con::color(SHELL.GNCOLOR);
  con::printLine(" Proceed/Exit    P/E ? : ");
  con::color(SHELL.NCOLOR);
  TGETAKEY();
  if (VOC.TKS != 'P') return false;
  con::newLine();
  con::newLine();
  return true;
}

// The two typed lists, each with its size shown.
bool readBothLists(ListReader& first, ListReader& second) {
  con::newLine();
  con::printLine(" Wait ... ");
  return readListShowingSize(first, VOC.VOCABFILENAME1) && readListShowingSize(second, VOC.VOCABFILENAME2);
}

}  // namespace

// The two lists, the matches and their counts reach the tables only once the
// matches file is written: a file that cannot be read or created leaves every
// table as it was.
void VOCABSMATCHESUTILITY() {
  con::cls();
  con::newLine();
  con::color(SHELL.TQCOLOR);
  con::print(" (M)");
  printColoured(" Compare two ", SHELL.YLCOLOR, "Vocabularies");
  printColoured(" and output their ", SHELL.GNCOLOR, "matches");
  con::newLine();
  con::newLine();
  con::newLine();
  if (!proceedAsked()) return;
  VOC.VOCABFILENAME1 = typedName(" Enter filename of 1st Vocabulary : ");
  VOC.VOCABFILENAME2 = typedName(" Enter filename of 2nd Vocabulary : ");
  SHELL.DFILENAME = typedName(" Enter save-filename for matches  : ");
  ListReader first, second;
  if (!readBothLists(first, second)) return;
  std::vector<std::string> matches = listMatches(first.groups(), second.groups());
  if (refusesToOverwriteCutSource(SHELL.DFILENAME, {&first, &second})) return;
  if (!writeListFile(SHELL.DFILENAME, matches)) return;

  first.readInto(VOC.FIRSTVOCABTANK);
  second.readInto(VOC.SECONDVOCABTANK);
  VOC.FIRSTVOCABN = first.count();
  VOC.SECONDVOCABN = second.count();
  // Room for every group of the first list: a group it repeats matches again.
  VOC.MAXPOSSIBLEVOCABMATCHESN = VOC.FIRSTVOCABN;
  VOC.VOCABMATCHESN = static_cast<int32_t>(matches.size());
  VOC.FILELINESTANK.resize(0, VOC.MAXPOSSIBLEVOCABMATCHESN);
  for (size_t i = 0; i < matches.size(); ++i) VOC.FILELINESTANK(static_cast<long>(i) + 1) = matches[i];

  con::newLine();
  con::printLine(" The number of matches = " + intForm(VOC.VOCABMATCHESN));
  con::newLine();
  con::print(" Matches List saved!   ");
  finalPause();
}

// "Z": what remains of the first list after the second is taken from it.
void SUBTRACTLISTS() {
  con::cls();
  con::newLine();
  con::color(SHELL.TQCOLOR);
  con::print(" (Z)");
  printColoured(" Subtract ", SHELL.YLCOLOR, "2nd List ");
  printColoured("from ", SHELL.YLCOLOR, "1st List");
  printColoured(" and output the ", SHELL.GNCOLOR, "remainder of the 1st.");
  con::printLine("  List maximums : 32000 groups each");
  con::newLine();
  con::printLine("     The groups in the 2nd List are one-after-another compared with the groups in a copy of the 1st List :");
  con::printLine("     if there is a match, the group in the 1st List is discarded, and the next group in the 2nd List is taken");
  con::printLine("     for comparison. It's of course possible to exhaust the 1st List so that zero groups remain in the output.");
  con::printLine("     It's also possible, with multiples of a group in the 1st List, that the 2nd List will not have enough");
  con::printLine("     like multiples to subtract them all. If desired, this operation can be repeated to address that case.");
  con::newLine();
  con::newLine();
  if (!proceedAsked()) return;
  VOC.VOCABFILENAME1 = typedName(" Enter filename of 1st List : ");
  VOC.VOCABFILENAME2 = typedName(" Enter filename of 2nd List : ");
  SHELL.DFILENAME = typedName(" Enter output save-filename : ");
  ListReader first, second;
  if (!readBothLists(first, second)) return;
  std::vector<std::string> remaining = first.groups();
  subtractList(remaining, second.groups());
  std::vector<std::string> remainders = nonEmptyGroups(remaining);

  if (remainders.empty()) {
    con::newLine();
    con::printLine(" There are ZERO remainders - no output saved to disk.");
    con::newLine();
  } else {
    if (refusesToOverwriteCutSource(SHELL.DFILENAME, {&first, &second})) return;
    if (!writeListFile(SHELL.DFILENAME, remainders)) return;
  }

  fillListTable(VOC.FIRSTVOCABTANK, remaining);
  second.readInto(VOC.SECONDVOCABTANK);
  VOC.FIRSTVOCABN = first.count();
  VOC.SECONDVOCABN = second.count();
  VOC.SUBREMAINDERSN = static_cast<int32_t>(remainders.size());
  if (!remainders.empty()) {
    fillListTable(VOC.FILELINESTANK, remainders);
    con::newLine();
    con::printLine(" The number of output remainders = " + intForm(VOC.SUBREMAINDERSN));
    con::newLine();
    con::print(" Subtraction List saved!   ");
  }
  finalPause();
}
