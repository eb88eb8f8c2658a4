// "o": what the block generator does and how to steer it.
#include <vector>

#include "blockgen/blockgen.hpp"
#include "shell/console.hpp"
#include "shell/shell.hpp"
#include "state/shellstate.hpp"

namespace {

// Paragraphs of plain lines, an empty line after each (the second paragraph,
// which carries a footnote mark, is printed on its own).
const std::vector<std::vector<const char*>>& paragraphs() {
  static const std::vector<std::vector<const char*>> text = {
      {" Shaping blocks of groups takes experience: for example, to steer how often non-unique (repeating)",
       " groups occur, and how they are distributed in the block."},
      {" During generating, up to 4 independent chaotic functions, CF1 - CF4, interact. They are of the same type as",
       " the CF which produces output for the [R]Run command in the Main Menu. CF4 uses CF1's K1 and X1 parameters."},
      {" Rules of thumb:",
       " CF1, and when symbols-map is activated, also CF4, have the primary influence on internal makeup of groups.",
       " CF2 mainly influences group-sizes.",
       " CF3 mainly influences distribution of groups in the block, and which proto-groups survive into the output."},
      {" The 'randomness' decreases with Kn < 4, and larger values of Xn. The finite precision of the computer",
       " always affects the functions, so when in doubt, use Kn=4 and tiny Xn, say 1e-15.",
       " Some Kn, Xn combinations (especially with Kn near 3.6) are refused as inputs; others may freeze the",
       " generating: abort it with the ESC key rather than requiring Ctrl-C to end the program.",
       " In intense computations Pause may respond late."},
      {" Phantom n-graphs and the Symbols-Map strongly shape the output. The defaults are only examples:",
       " build your own with (L) Load Symbols in the Main Menu."},
      {" When the output is used to study a text under investigation, such as the Quellin Manuscript text and",
       " labels, save the integer sequences which generated it (answer Y when a block is done). For a block made",
       " of separately generated sub-blocks, keep the sub-sequences of each."},
      {" Further reading: README.md, which comes with the program, describes every command, the files it",
       " writes, and how whole sessions can be scripted and repeated."},
  };
  return text;
}

void printParagraph(const std::vector<const char*>& lines) {
  for (const char* line : lines) con::printLine(line);
  con::newLine();
}

void footnoteMark() {
  con::color(SHELL.WTCOLOR);
  con::print("[1]");
  con::color(SHELL.NCOLOR);
}

// The second paragraph carries the footnote mark and the single-step advice.
void printLearningParagraph() {
  con::print(" The [R]Run generator of the Main Menu is the easier place to learn how a chaotic function behaves ");
  footnoteMark();
  con::printLine(".");
  con::printLine(" Single-stepping (I) helps to follow what a set-up does, group by group. With the Real-time Monitor");
  con::printLine(" OFF a generation can always be paused (P), and switched to single-step from the pause (I).");
  con::printLine(" Identical setups always create identical outputs.");
  con::newLine();
}

}  // namespace

void BLOKOFGROUPSMOREINFO() {
  con::cls();
  con::newLine();
  con::color(SHELL.VLCOLOR);
  con::print(" PLOMAR");
  con::color(SHELL.NCOLOR);
  con::print(" Chaotically generated Block of 'random' groups : more INFORMATION");
  con::color(SHELL.GNCOLOR);
  con::printLine("  |<----- set correct screen-width ----->|");
  con::color(SHELL.NCOLOR);
  con::newLine();
  const auto& text = paragraphs();
  printParagraph(text[0]);
  printLearningParagraph();
  for (size_t p = 1; p < text.size(); ++p) printParagraph(text[p]);
  footnoteMark();
  con::printLine(" For example: observe changes in output between setups 3.9999,1e-22,1000,1000 and 3.99999,1e-22,1000,1000");
  con::printLine(" Another: observe frequencies changes between  3.977,1.45e-11,38,1000  vs  3.9777,1.45e-11,38,1000");
  con::newLine();
  con::printLine(" " + SHELL.VIDS);
  con::newLine();
  con::color(SHELL.GNCOLOR);
  con::print(SHELL.STR1);
  con::color(SHELL.NCOLOR);
  GBGETAKEY();
}
