// "X": the Vocabulary-List of a concordance-type file, whose lines begin with
// a group and a comma.
#include "shell/console.hpp"
#include "shell/numberforms.hpp"
#include "state/shellstate.hpp"
#include "state/vocabstate.hpp"
#include "vocabutils/dialogue.hpp"
#include "vocabutils/listfile.hpp"
#include "vocabutils/listops.hpp"
#include "vocabutils/vocabutils.hpp"

namespace {

void paintConcordanceIntro() {
  con::cls();
  con::newLine();
  con::color(SHELL.TQCOLOR);
  con::print(" (X)");
  printColoured(" Extract ", SHELL.GNCOLOR, "Vocabulary-List");
  printColoured(" from a ", SHELL.YLCOLOR, "Concordance-type file.");
  con::newLine();
  con::newLine();
  printColoured("     Duplicate groups/words are discarded. Output is a ", SHELL.GNCOLOR, "List");
  con::printLine(" only, NOT sorted by group-size.");
  printColoured("     Option to save the output sequence of group-sizes as a ", SHELL.GNCOLOR, "digitized curve.");
  con::newLine();
  con::newLine();
  con::printLine(" The expected format of each line of the source-file from which its vocabulary is to be extracted is :");
  con::newLine();
  con::printLine(" vocabgroup1,.........");
  con::printLine(" vocabgroup2,.........");
  con::printLine(" vocabgroup3,.........");
  con::printLine(" .... etc.");
  con::newLine();
  con::printLine(" The  vocabgroup  is extracted and the comma and everything to its right on the line is discarded.");
  con::printLine(" Duplicate vocabgroups are discarded.");
  con::printLine(" (Typical QMS source-file: a published concordance of the manuscript's groups, its header information erased.)");
  con::newLine();
  con::newLine();
  con::color(SHELL.TQCOLOR);
  con::printLine(" Extract/Exit    K/E ? : ");
  con::color(SHELL.NCOLOR);
}

}  // namespace

// The source lines, their groups and the vocabulary reach the tables only
// once the vocabulary file is written.
void EXTRACTVOCAB() {
  paintConcordanceIntro();
  TGETAKEY();
  if (VOC.TKS != 'K') return;

  con::newLine();
  con::newLine();
  VOC.SOURCEFILENAME = typedName(" Enter sourcefilename for Vocabulary Extract operation : ");
  con::newLine();
  VOC.DESTFILENAME = typedName(" Enter destination save-filename for Extracted Vocabulary : ");
  ListReader source;
  if (!source.open(VOC.SOURCEFILENAME)) return;
  con::newLine();
  con::newLine();
  con::printLine(" number of sourcefile lines = " + intForm(source.count()));

  std::vector<std::string> groups;
  groups.reserve(source.groups().size());
  for (const std::string& line : source.groups()) groups.push_back(concordanceGroup(line));
  emptyLaterRepeats(groups);
  std::vector<std::string> vocabulary = nonEmptyGroups(groups);
  con::newLine();
  con::newLine();
  con::printLine(" Size of Vocabulary = " + intForm(static_cast<long long>(vocabulary.size())));
  if (refusesToOverwriteCutSource(VOC.DESTFILENAME, {&source})) return;
  if (!writeListFile(VOC.DESTFILENAME, vocabulary)) return;

  VOC.NLINES = source.count();
  VOC.VOKABN = static_cast<int32_t>(vocabulary.size());
  fillListTable(VOC.FILELINESTANK, groups);
  fillListTable(VOC.FIRSTVOCABTANK, vocabulary);

  if (curveWanted(" Extract done!")) SAVEGROUPSIZESCURVE(vocabulary, &source);
  con::color(SHELL.NCOLOR);
}
