// "U": the block vocabulary compared with a file vocabulary, and the matches
// file prefix + "MVOCGB.txt" with the integers that generated each match.
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "blockanalysis/reports.hpp"
#include "blockanalysis/setuplines.hpp"
#include "shell/console.hpp"
#include "shell/files.hpp"
#include "shell/inputfields.hpp"
#include "shell/numberforms.hpp"
#include "shell/report.hpp"
#include "shell/shell.hpp"
#include "state/blockanalysisstate.hpp"
#include "state/blockgenstate.hpp"
#include "state/shellstate.hpp"

namespace {

constexpr int EXPLANATIONROW = 29;
constexpr int COUNTDOWNROW = 39;
constexpr int RATIOCOLUMN = 35;
constexpr size_t FILEVOCABMAX = 32000;

void printExplanation() {
  con::locate(EXPLANATIONROW, 1);
  con::printLine(" (U) This is a utility which does a simple comparison of the current generated Block's Vocabulary with another");
  con::printLine(" file-Vocabulary (max 32000 groups) residing in a disk textfile. The file must be of the same kind and format as");
  con::printLine(" the Vocabulary files saved by PLOMAR, except that the list need not be sorted as to group-sizes. Each group in");
  con::printLine(" the Block's Vocabulary is compared with the file-Vocabulary, and if a match is found the group is stored for");
  con::printLine(" saving. Basic comparison results are provided, whether or not a more detailed matches-file will be disk-saved.");
}

// The fields of the file, one after the other with the field rules of line
// entry, until its end or the 32000th field. An empty file gives one empty
// field.
std::vector<std::string> readVocabularyFields(InputFile& file) {
  std::vector<std::string> fields;
  while (fields.size() < FILEVOCABMAX) {
    fields.push_back(file.nextText());
    if (file.eof()) break;
  }
  return fields;
}

// GROUPSWORKTANK(1..F) from the file, each field cut to 31 characters. False,
// with nothing changed, when the file cannot be read.
bool readFileVocabulary() {
  InputFile file;
  if (!file.open(ANA.FILEVOCABULARYNAME)) return false;
  std::vector<std::string> fields = readVocabularyFields(file);
  ANA.FILEVOCABN = static_cast<int32_t>(fields.size());
  ANA.GROUPSWORKTANK.resize(0, ANA.FILEVOCABN);
  for (int32_t i = 1; i <= ANA.FILEVOCABN; ++i) ANA.GROUPSWORKTANK(i) = fields[static_cast<size_t>(i - 1)];
  return true;
}

float ratio(int32_t part, int32_t whole) {
  if (whole == 0) return 0.0f;
  return static_cast<float>(static_cast<long double>(part) / static_cast<long double>(whole));
}

// Each vocabulary group, in vocabulary order, counts once when the file holds
// it (however often). The file groups are hashed once.
void matchVocabularies() {
  std::unordered_set<std::string_view> fileGroups;
  fileGroups.reserve(static_cast<size_t>(ANA.FILEVOCABN));
  for (int32_t i = 1; i <= ANA.FILEVOCABN; ++i) fileGroups.insert(ANA.GROUPSWORKTANK(i).view());
  ANA.VOCABMATCHESTANK.resize(0, ANA.VOCABN);
  int32_t M = 0;
  for (int32_t v = 1; v <= ANA.VOCABN; ++v) {
    if (fileGroups.contains(ANA.GBLOKVOCABTANK(v).view())) ANA.VOCABMATCHESTANK(++M) = ANA.GBLOKVOCABTANK(v);
    ANA.COUNTDOWN -= 1;
    SHOWCOUNTDOWN(COUNTDOWNROW, ANA.COUNTDOWN);
  }
  ANA.VOCABMATCHESCOUNT = M;
  ANA.MATCHESPERBLOKVOCAB = ratio(M, ANA.VOCABN);
  ANA.MATCHESPERFILEVOCAB = ratio(M, ANA.FILEVOCABN);
}


void printFigures() {
  con::newLine();
  con::newLine();
  con::printLine(" No. of matches        = " + intForm(ANA.VOCABMATCHESCOUNT));
  con::print(" Block-vocabulary size = " + intForm(ANA.VOCABN));
  con::tab(RATIOCOLUMN);
  con::printLine("matches / block = " + floatForm(ANA.MATCHESPERBLOKVOCAB));
  con::print(" file-vocabulary  size = " + intForm(ANA.FILEVOCABN));
  con::tab(RATIOCOLUMN);
  con::printLine("matches / file  = " + floatForm(ANA.MATCHESPERFILEVOCAB));
  con::newLine();
}

void writeComparison(OutputFile& f) {
  f.newLine();
  f.printLine(" COMPARISON of generated block's Vocabulary with file-Vocabulary : " + ANA.FILEVOCABULARYNAME);
  writeEmptyLines(f, 2);
  f.printLine(" The Specifications which generated the Block of Groups were :");
  f.newLine();
  writeBlockSetupRanges(f, false);
  writeBlockSetupMap(f);
  writeEmptyLines(f, 3);
  f.printLine(" VOCABULARY COMPARISON RESULTS : ");
  f.newLine();
  f.printLine(" Block total generated no. of groups   = " + intForm(GEN.PROGRESSINDICATOR));
  f.printLine(" Block-Vocabulary / Block-total groups = " + floatForm(ANA.BLOKVOCABRATIO) + "    (i.e. the Vocabulary Ratio)");
  f.newLine();
  f.printLine(" No. of matches        = " + intForm(ANA.VOCABMATCHESCOUNT));
  f.newLine();
  f.print(" Block-vocabulary size = " + intForm(ANA.VOCABN));
  f.tab(RATIOCOLUMN);
  f.printLine("matches / block = " + floatForm(ANA.MATCHESPERBLOKVOCAB));
  f.print(" file-vocabulary  size = " + intForm(ANA.FILEVOCABN));
  f.tab(RATIOCOLUMN);
  f.printLine("matches / file  = " + floatForm(ANA.MATCHESPERFILEVOCAB));
  writeEmptyLines(f, 2);
  f.printLine(" The " + intForm(ANA.VOCABMATCHESCOUNT) + " matching groups are :");
  f.newLine();
  for (int32_t m = 1; m <= ANA.VOCABMATCHESCOUNT; ++m) f.printLine(ANA.VOCABMATCHESTANK(m).view());
  writeEmptyLines(f, 2);
  f.printLine(" The specific integer-sequences which generated the matching groups,");
  f.printLine(" in order, separated by 0's :");
  f.newLine();
  RECOVERMATCHINGVOCABSINTGRSEQS(f);
  writeEmptyLines(f, 2);
}

bool writeMatchesFile(const std::string& name) {
  OutputFile f;
  if (!f.open(name)) return false;
  writeReportHeader(f);
  writeComparison(f);
  writeReportTrailer(f);
  return f.close();
}

}  // namespace

void RECOVERMATCHINGVOCABSINTGRSEQS(OutputFile& file) {
  std::unordered_map<std::string_view, int32_t> firstPosition;
  firstPosition.reserve(static_cast<size_t>(GEN.PROGRESSINDICATOR));
  for (int32_t i = 1; i <= GEN.PROGRESSINDICATOR; ++i) firstPosition.emplace(GEN.BLOKGROUPSTANK(i).view(), i);
  for (int32_t m = 1; m <= ANA.VOCABMATCHESCOUNT; ++m) {
    auto found = firstPosition.find(ANA.VOCABMATCHESTANK(m).view());
    if (found != firstPosition.end())
      for (char reference : GEN.IGNOREPHANTOMSBLOKGROUPSTANK(found->second))
        file.printLine(asText(referenceNumber(reference)));
    if (m < ANA.VOCABMATCHESCOUNT) file.printLine("0");
  }
}

void COMPAREFORMATCHINGVOCABULARIES() {
  printExplanation();
  if (GEN.HAVEBLOKFLAG == 0) {
    con::color(SHELL.GNCOLOR);
    con::newLine();
    con::printLine(SHELL.STR1);
    con::color(SHELL.NCOLOR);
    con::newLine();
    GBGETAKEY();
    return;
  }
  con::newLine();
  con::color(SHELL.TQCOLOR);
  con::printLine(" Block Vocabulary Ratio = " + floatForm(ANA.BLOKVOCABRATIO));
  con::color(SHELL.NCOLOR);
  con::newLine();
  ANA.FILEVOCABULARYNAME = LineFields(con::input(" Enter file-Vocabulary name : ")).nextText();

  ANA.COUNTDOWN = ANA.VOCABN;
  STARTCOUNTDOWN(COUNTDOWNROW, ANA.COUNTDOWN);
  if (!readFileVocabulary()) return;
  matchVocabularies();
  printFigures();

  con::color(SHELL.YLCOLOR);
  con::printLine(" Save Vocabulary matches data  Y/N ? :");
  GBGETAKEY();
  if (SHELL.GBKS != 'Y') return;
  con::newLine();
  LineFields prefix(con::input(" Enter a valid save-filename prefix for prefixMVOCGB.txt : "));
  SHELL.DFILENAME = prefix.nextText() + "MVOCGB.txt";
  if (!writeMatchesFile(SHELL.DFILENAME)) {
    con::color(SHELL.NCOLOR);
    return;
  }
  con::color(SHELL.GNCOLOR);
  con::newLine();
  con::print("Done !   " + SHELL.STR1);
  GBGETAKEY();
  con::color(SHELL.NCOLOR);
}
