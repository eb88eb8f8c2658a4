// "L" and "G": a Vocabulary-List or a List of all groups from an ordinary text
// file, under an editable set of allowed characters.
#include "shell/console.hpp"
#include "shell/files.hpp"
#include "shell/inputfields.hpp"
#include "shell/numberforms.hpp"
#include "state/shellstate.hpp"
#include "state/vocabstate.hpp"
#include "vocabutils/dialogue.hpp"
#include "vocabutils/listfile.hpp"
#include "vocabutils/listops.hpp"
#include "vocabutils/vocabutils.hpp"

namespace {

// What differs between "L" (the distinct groups) and "G" (all groups).
struct TextListKind {
  bool distinct;
  const char* key;
  const char* output;
  const char* choicePrompt;
  const char* sourcePrompt;
  const char* destPrompt;
  const char* doneText;
};

const TextListKind VOCABLIST{
    true, " (L)", "Vocabulary-List",
    " Change character-status, Default statuses, Proceed making Vocab-List, Exit   C/D/P/E ? :",
    " Enter sourcefilename for Make Vocabulary-List operation : ",
    " Enter destination save-filename for Vocabulary-List : ", " Make Vocabulary-List done!   "};
const TextListKind GROUPSLIST{
    false, " (G)", "List",
    " Change character-status, Default statuses, Proceed making List, Exit   C/D/P/E ? :",
    " Enter sourcefilename for Make List operation : ", " Enter destination save-filename for List : ",
    " Make List done!   "};

bool isAllowed(int code) { return VOC.ALLOWEDSYMBOLSTANK(code) == static_cast<char>(code); }

void paintTextListScreen(const TextListKind& kind) {
  con::cls();
  con::color(SHELL.NCOLOR);
  con::newLine();
  con::color(SHELL.TQCOLOR);
  con::print(kind.key);
  printColoured(" Make a ", SHELL.GNCOLOR, kind.output);
  printColoured(" of the words/groups from an ordinary ", SHELL.YLCOLOR, "text-file");
  con::printLine(", max ~ 2M chrs. long.");
  con::newLine();
  printColoured(" The source text-file is scanned for its characters. Characters NOT-ALLOWED (status = ",
                SHELL.BLCOLOR, "0");
  con::printLine(")");
  con::printLine(" are taken as inter-group separators, just as if they were ordinary spaces.");
  printColoured(" Option to save the output sequence of group-sizes as a ", SHELL.GNCOLOR, "digitized curve.");
  con::newLine();
  con::newLine();
  con::newLine();
  printColoured("[ascii:", SHELL.BWCOLOR, "character");
  con::printLine(":status] :");
  con::newLine();
}

// "[code:character:status]" for codes 33..255, wrapped by the console.
void paintStatusTable() {
  for (int c = 33; c <= 255; ++c) {
    std::string character(1, static_cast<char>(c));
    if (isAllowed(c)) {
      con::color(SHELL.GNCOLOR);
      con::print("[" + asText(c) + ":");
      con::color(SHELL.BWCOLOR);
      con::print(character);
      con::color(SHELL.GNCOLOR);
      con::print(":1]");
    } else {
      con::color(SHELL.BLCOLOR);
      con::print("[" + asText(c) + ":" + character + ":0]");
    }
  }
  con::color(SHELL.NCOLOR);
}

// "C": a range of codes 33..255 allowed (1) or forbidden (0); anything else
// is ignored.
void changeCharacterStatus() {
  con::newLine();
  con::newLine();
  LineFields f(con::input(" Enter ASCII-code range -start,-end,status(0 or 1) : "));
  VOC.ASCSTART = f.nextInteger<int16_t>();
  VOC.ASCEND = f.nextInteger<int16_t>();
  VOC.ASCSTATUS = f.nextInteger<int16_t>();
  if (VOC.ASCSTART < 33 || VOC.ASCSTART > 255 || VOC.ASCEND < 33 || VOC.ASCEND > 255) return;
  if (VOC.ASCSTART > VOC.ASCEND || (VOC.ASCSTATUS != 0 && VOC.ASCSTATUS != 1)) return;
  for (int c = VOC.ASCSTART; c <= VOC.ASCEND; ++c) VOC.ALLOWEDSYMBOLSTANK(c) = VOC.ASCSTATUS == 1 ? static_cast<char>(c) : 0;
}

// "P": reads the text, shows the counts and writes the list. The tables take
// the result only once the list file is written.
void makeListFromText(const TextListKind& kind) {
  con::newLine();
  con::newLine();
  VOC.SOURCEFILENAME = typedName(kind.sourcePrompt);
  con::newLine();
  VOC.DESTFILENAME = typedName(kind.destPrompt);
  con::newLine();
  con::printLine(" Wait .....");
  InputFile source;
  if (!source.open(VOC.SOURCEFILENAME)) return;

  std::vector<std::string> groups = textGroups(source.bytes(), allowedSet(VOC.ALLOWEDSYMBOLSTANK));
  auto nlines = static_cast<int32_t>(groups.size());
  con::newLine();
  con::printLine(" " + VOC.SOURCEFILENAME + " contains  " + intForm(nlines) + " groups or words");
  if (kind.distinct) emptyLaterRepeats(groups);
  std::vector<std::string> list = nonEmptyGroups(groups);
  auto vokabn = static_cast<int32_t>(list.size());
  // A text without groups has the ratio 0.
  float ratio = nlines == 0 ? 0.0f : static_cast<float>(static_cast<long double>(vokabn) / nlines);
  con::newLine();
  if (kind.distinct) {
    con::printLine(" The size of the Vocabulary = " + intForm(vokabn) + " groups or words");
    con::newLine();
    con::printLine(" Vocabulary Ratio = " + floatForm(ratio));
  } else {
    con::printLine(" The size of the List = " + intForm(vokabn) + " groups or words");
  }
  if (!writeListFile(VOC.DESTFILENAME, list)) return;

  VOC.NLINES = nlines;
  VOC.VOKABN = vokabn;
  if (kind.distinct) VOC.VOCABULARYRATIO = ratio;
  fillListTable(VOC.FILELINESTANK, groups);
  fillListTable(VOC.FIRSTVOCABTANK, list);

  if (curveWanted(kind.doneText)) SAVEGROUPSIZESCURVE(list, nullptr);
  con::color(SHELL.NCOLOR);
}

// The screen loop shared by "L" and "G": it comes back after every list made,
// until a key other than C, D or P.
void textListUtility(const TextListKind& kind) {
  LOADDEFAULTALLOWEDSYMBOLS();
  for (;;) {
    paintTextListScreen(kind);
    paintStatusTable();
    con::newLine();
    con::newLine();
    con::color(SHELL.TQCOLOR);
    con::printLine(kind.choicePrompt);
    con::color(SHELL.NCOLOR);
    TGETAKEY();
    if (VOC.TKS == 'C') changeCharacterStatus();
    else if (VOC.TKS == 'D') LOADDEFAULTALLOWEDSYMBOLS();
    else if (VOC.TKS == 'P') makeListFromText(kind);
    else return;
  }
}

}  // namespace

// The apostrophe, digits and letters; entries 0..31 are left as they are.
void LOADDEFAULTALLOWEDSYMBOLS() {
  for (int c = 32; c <= 255; ++c) VOC.ALLOWEDSYMBOLSTANK(c) = allowedByDefault(c) ? static_cast<char>(c) : 0;
}

void MAKEVOCABLISTFROMTEXTFILE() { textListUtility(VOCABLIST); }

void MAKEGROUPSLISTFROMTEXTFILE() { textListUtility(GROUPSLIST); }
