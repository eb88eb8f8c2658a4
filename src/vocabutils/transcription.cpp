// "Y": a small line editor for transcription-type files. Each operation reads
// the whole source, changes every line on its own and writes the results line
// for line to a new file, which may be the source itself.
#include <optional>

#include "shell/console.hpp"
#include "shell/files.hpp"
#include "shell/inputfields.hpp"
#include "shell/numberforms.hpp"
#include "shell/shell.hpp"
#include "state/shellstate.hpp"
#include "state/vocabstate.hpp"
#include "vocabutils/dialogue.hpp"
#include "vocabutils/listfile.hpp"
#include "vocabutils/transforms.hpp"
#include "vocabutils/vocabutils.hpp"

std::string withoutDelimited(std::string_view line, std::string_view start, std::string_view end) {
  if (start.empty() || end.empty() || line.size() < 2) return std::string(line);
  size_t s = line.substr(0, line.size() - 1).find(start[0]);
  if (s == std::string_view::npos) return std::string(line);
  size_t e = line.find(end[0], s + 1);
  if (e == std::string_view::npos) return std::string(line);
  return std::string(line.substr(0, s)) + std::string(line.substr(e + 1));
}

std::string withoutSymbol(std::string_view line, std::string_view symbol) {
  std::string out;
  out.reserve(line.size());
  for (char c : line)
    if (symbol.empty() || c != symbol[0]) out += c;
  return out;
}

std::string withReplacedNgraph(std::string_view line, std::string_view ngraph, std::string_view replacement) {
  if (ngraph.empty() || line.find(ngraph) == std::string_view::npos) return std::string(line);
  std::string out;
  size_t p = 0;
  while (p < line.size()) {
    if (line.compare(p, ngraph.size(), ngraph) == 0) {
      out += replacement;
      p += ngraph.size();
    } else {
      out += line[p];
      p += 1;
    }
  }
  return out;
}

namespace {

constexpr size_t NGRAFMAX = 50;

void printExample(std::string_view line) {
  con::printLine(line);
  con::newLine();
}

void paintTranscriptionIntro() {
  con::cls();
  con::color(SHELL.NCOLOR);
  con::newLine();
  con::color(SHELL.TQCOLOR);
  con::print(" (Y)");
  printColoured(" Extract ", SHELL.GNCOLOR, "transcribed Text");
  printColoured(" from a ", SHELL.YLCOLOR, "transcription-type file");
  printColoured("; ", SHELL.GNCOLOR, "substitute n-graphs");
  printColoured(" in ", SHELL.YLCOLOR, "text-lines");
  printColoured(".      (E) ", SHELL.TQCOLOR, "Exit");
  con::newLine();
  con::newLine();
  con::printLine(" Typical use: taking the transcribed text out of a published transcription file of the manuscript.");
  printColoured(" All operations work on each source ", SHELL.YLCOLOR, "line");
  con::printLine(" as the basic unit, starting from its left.  Max 32000 lines.");
  con::newLine();
  con::newLine();

  con::color(SHELL.YLCOLOR);
  con::print(" (D) ");
  con::color(SHELL.TQCOLOR);
  con::printLine("Delete a generalized sub-string according to its Start and End symbols:");
  con::color(SHELL.NCOLOR);
  con::newLine();
  printExample("     For example, if Start-symbol = '<'  and  End-symbol = '>'  then this source-line:");
  printExample("                                      <76r.left_text>s.8.4.s.o.e.h.y.$=");
  printExample("     is written to the output as:                    s.8.4.s.o.e.h.y.$=");
  con::printLine("     Only the 1st-encountered delete-substring on a line is deleted; if there are");
  con::printLine("     multiple delete-substrings in any lines, then repeat this operation.");
  con::newLine();
  con::newLine();

  con::color(SHELL.YLCOLOR);
  con::print(" (W) ");
  con::color(SHELL.TQCOLOR);
  con::print("Wipe out all occurrences of a symbol. ");
  con::color(SHELL.NCOLOR);
  con::printLine("For example, if  '-'  is to be wiped in this source-line:");
  con::newLine();
  printExample("     4ohc89.ehc9.hae.2c79.4oj1c9.4oe.g1c89.oh19.1H9.2c9.eoe.y.ae.2C9.8ax-");
  printExample("     then the output is:");
  con::printLine("     4ohc89.ehc9.hae.2c79.4oj1c9.4oe.g1c89.oh19.1H9.2c9.eoe.y.ae.2C9.8ax");
  con::newLine();
  con::newLine();

  con::color(SHELL.YLCOLOR);
  con::print(" (R) ");
  con::color(SHELL.TQCOLOR);
  con::printLine("Replace all occurrences of one n-graph with another n-graph.");
  con::color(SHELL.NCOLOR);
  con::newLine();
  printExample("     In the above line, the simplest use of this function is to replace the periods with spaces, to output:");
  con::printLine("     4ohc89 ehc9 hae 2c79 4oj1c9 4oe g1c89 oh19 1H9 2c9 eoe y ae 2C9 8ax");
  con::newLine();
  con::newLine();
  con::newLine();
  con::color(SHELL.GNCOLOR);
  con::printLine(SHELL.STR1);
  con::color(SHELL.NCOLOR);
}

// The first character of a text field, or nothing.
std::string firstCharacter(const std::string& field) { return field.substr(0, 1); }

// An n-graph typed key by key, echoed after its 32-character prompt (from
// column 33), without editing: a key below 32 ends it, Backspace included;
// keys without a character are ignored.
std::string typedNgraph(std::string_view prompt) {
  con::print(prompt);
  std::string ngraph;
  while (ngraph.size() < NGRAFMAX) {
    GBGETAKEY();
    if (SHELL.GBKSASC < 32) break;
    if (SHELL.GBKSASC > 255) continue;
    ngraph += SHELL.GBKS;
    con::print(std::string_view(&SHELL.GBKS, 1));
  }
  return ngraph;
}

// An operation and what was typed for it: D's delimiters, W's symbol, or
// R's n-graph and its replacement.
struct Operation {
  char key;
  std::string first, second;
};

std::string editedLine(const Operation& op, std::string_view line) {
  if (op.key == 'W') return withoutSymbol(line, op.first);
  if (op.key == 'R') return withReplacedNgraph(line, op.first, op.second);
  return withoutDelimited(line, op.first, op.second);
}

// The parameters of D, W or R, typed after the source was read; nothing when
// R is cancelled.
std::optional<Operation> askOperation(char key) {
  con::newLine();
  if (key == 'W') {
    VOC.XS = firstCharacter(typedName(" Enter symbol to be wiped out : "));
    return Operation{key, VOC.XS, ""};
  }
  if (key == 'R') {
    std::string ngraph = typedNgraph(" Enter n-graph to be replaced : ");
    con::newLine();
    std::string replacement = typedNgraph(" Enter replacement n-graph    : ");
    con::newLine();
    // An empty replacement would delete: W does that for single symbols.
    if (ngraph.empty() || replacement.empty()) return std::nullopt;
    return Operation{key, ngraph, replacement};
  }
  LineFields f(con::input(" Enter Start-symbol, End-symbol : "));
  VOC.STARTSYMBOL = firstCharacter(f.nextText());
  VOC.ENDSYMBOL = firstCharacter(f.nextText());
  return Operation{key, VOC.STARTSYMBOL, VOC.ENDSYMBOL};
}

bool writeEditedLines(const std::string& name, const std::vector<std::string>& lines, const Operation& op) {
  OutputFile file;
  if (!file.open(name)) return false;
  for (const std::string& line : lines) file.printLine(editedLine(op, line));
  return file.close();
}

// One operation; false when it ended without writing (a file problem or a
// cancelled R), in which case the tables stay as they were.
bool runOperation(char key) {
  con::newLine();
  con::color(SHELL.YLCOLOR);
  con::print(std::string(" ") + key + " ");
  con::color(SHELL.NCOLOR);
  VOC.SOURCEFILENAME = typedName(" Enter sourcefilename : ");
  con::newLine();
  VOC.DESTFILENAME = typedName(" Enter destination save-filename : ");
  // Read whole before the destination is created: it may be the source.
  ListReader source;
  if (!source.open(VOC.SOURCEFILENAME)) return false;
  con::newLine();
  con::printLine(" number of sourcefile lines = " + intForm(source.count()));

  std::optional<Operation> op = askOperation(key);
  if (!op) return false;
  if (refusesToOverwriteCutSource(VOC.DESTFILENAME, {&source})) return false;
  if (!writeEditedLines(VOC.DESTFILENAME, source.groups(), *op)) return false;
  VOC.NLINES = source.count();
  source.readInto(VOC.FILELINESTANK);
  return true;
}

}  // namespace

void EXTRACTTRANSCRIPTION() {
  for (;;) {
    paintTranscriptionIntro();
    TGETAKEY();
    if (VOC.TKS == 'E') return;
    if (VOC.TKS != 'D' && VOC.TKS != 'W' && VOC.TKS != 'R') continue;
    if (!runOperation(VOC.TKS)) continue;
    con::newLine();
    con::color(SHELL.GNCOLOR);
    con::print(" Done! " + SHELL.STR1);
    TGETAKEY();
    con::color(SHELL.NCOLOR);
  }
}
