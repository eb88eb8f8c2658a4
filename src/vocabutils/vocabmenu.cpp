// The utilities menu and its key readers.
#include <string_view>

#include "shell/console.hpp"
#include "shell/shell.hpp"
#include "state/shellstate.hpp"
#include "state/vocabstate.hpp"
#include "vocabutils/dialogue.hpp"
#include "vocabutils/vocabutils.hpp"

namespace {

constexpr std::string_view UTILITYKEYS = "LXYRGSTMZNBPDE";

}  // namespace

void XGETAKEY() {
  VOC.XKSASC = con::waitKey();
  VOC.XKS = static_cast<char>(VOC.XKSASC & 255);
  VOC.SAVMAINCMD = VOC.XKS;
}

void TGETAKEY() {
  VOC.TKSASC = con::waitKey();
  VOC.TKS = static_cast<char>(VOC.TKSASC & 255);
}

void INITXNTRIMVOCAB() { VOC.SROUTINGFLAG = 0; }

// One pass compares the live XKS with every utility key in order: the curve
// answer that "L", "G" or "X" leaves in XKS acts on the comparisons after it.
void EXTRACTNTRIMVOCABUTILITIES() {
  INITXNTRIMVOCAB();
  for (;;) {
    XTSIGNON();
    XGETAKEY();
    if (UTILITYKEYS.find(VOC.XKS) == std::string_view::npos) continue;
    if (VOC.XKS == 'L') MAKEVOCABLISTFROMTEXTFILE();
    if (VOC.XKS == 'X') EXTRACTVOCAB();
    if (VOC.XKS == 'Y') EXTRACTTRANSCRIPTION();
    if (VOC.XKS == 'R') RECTIFYTEXTCASE();
    if (VOC.XKS == 'G') MAKEGROUPSLISTFROMTEXTFILE();
    if (VOC.XKS == 'S') SORTXNLFILESBYGROUPSIZE();
    if (VOC.XKS == 'T') TRIMVOCABMAIN();
    if (VOC.XKS == 'M') VOCABSMATCHESUTILITY();
    if (VOC.XKS == 'Z') SUBTRACTLISTS();
    if (VOC.XKS == 'N') COUNTNGRAPHSINVOCABULARY();
    if (VOC.XKS == 'B') CHANGELISTINTOBLOCK();
    if (VOC.XKS == 'P') SHUFFLEGROUPSINLIST();
    if (VOC.XKS == 'E') return;
    if (VOC.XKS == 'D') {
      SHOWDIRECTORY();
      con::newLine();
      con::color(SHELL.TQCOLOR);
      con::print(SHELL.STR1);
      con::newLine();
      con::color(SHELL.NCOLOR);
      XGETAKEY();
    }
  }
}

void XTSIGNON() {
  con::cls();
  con::color(SHELL.NCOLOR);
  con::newLine();
  printColoured(" Here are some utilities useful in ", SHELL.VLCOLOR, "PLOMAR");
  con::printLine(" work specific to Lists and Vocabularies (lists of distinct groups).");
  con::newLine();
  printColoured(" In the below sub-menus the description of the ", SHELL.YLCOLOR, "expected source");
  printColoured(" is colored yellow, and the ", SHELL.GNCOLOR, "output");
  con::printLine(" green.");
  con::newLine();
  con::newLine();
  con::printLine(" (L) Make a Vocabulary-List of the words/groups from an ordinary text-file, including PLOMAR chaos output.");
  con::printLine("     Duplicate groups/words are discarded. Output is a List only, NOT sorted by group-size. Save-Curve option.");
  con::newLine();
  con::printLine(" (X) Extract Vocabulary-List from a Concordance-type file.");
  con::printLine("     Duplicate groups/words are discarded. Output is a List only, NOT sorted by group-size. Save-Curve option.");
  con::newLine();
  con::printLine(" (Y) Extract transcribed Text from a transcription-type file; substitute n-graphs in a text-file.");
  con::newLine();
  con::printLine(" (R) Rectify to all upper, or all lower-case letters an ordinary text-file");
  con::newLine();
  con::printLine(" (G) Make a List of the words/groups from an ordinary text-file, including PLOMAR chaos output.");
  con::printLine("     Output is a List only, NOT sorted by group-size. Save-Curve option.");
  con::newLine();
  con::printLine(" (S) Sort by group-size a (G), (L) or (X) output-file, and provide basic statistics incl. pp-trigraphs spectra.");
  con::newLine();
  con::printLine(" (T) Trim the List of a (G), (L) or (X) output-file and provide basic statistics incl. pp-trigraphs spectra.");
  con::printLine("     Only groups containing symbols specified as allowed, are kept in the output List.");
  con::printLine("     The output List is sorted by group-size.");
  con::newLine();
  con::printLine(" (M) Compare two Vocabulary Lists and output their matches (list of common groups)");
  con::newLine();
  con::printLine(" (Z) Subtract one List from another List");
  con::newLine();
  con::printLine(" (N) Digraph spectrum, or count frequency of any n-graph in a List or Vocabulary-List");
  con::newLine();
  con::printLine(" (B) Change a List of groups into a Block of groups");
  con::newLine();
  con::printLine(" (P) Chaotically shuffle the groups in a List");
  con::newLine();
  con::printLine(" (D) Directory");
  con::printLine(" (E) Exit");
}
