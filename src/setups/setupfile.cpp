// Block set-up files: reading, writing back, applying through the block
// menu's own prompts, and the piped keys that replay a set-up.
#include "setups/setupfile.hpp"

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <utility>

#include "blockgen/blocksetup.hpp"
#include "setups/headlessconsole.hpp"
#include "shell/files.hpp"
#include "shell/inputfields.hpp"
#include "shell/shell.hpp"
#include "state/blockgenstate.hpp"
#include "state/shellstate.hpp"
#include "state/symbolsstate.hpp"
#include "symbols/editorfiles.hpp"
#include "symbols/editors.hpp"
#include "symbols/mapscan.hpp"

namespace {

SetupError lineError(const BlockSetupFile& setup, const SetupLine& line, const std::string& problem) {
  return setupLineError(setup.fileName, line.lineNumber, line.key, problem);
}

// ---- Applying ------------------------------------------------------------------

// The block menu key with these lines typed at its prompt; the number of
// lines the prompt read.
int typeAtPrompt(char key, const std::vector<std::string>& lines) {
  HeadlessKeys& keys = headlessConsole().keys;
  keys.clear();
  for (const std::string& l : lines) keys.typeLine(l);
  SHELL.GBKS = key;
  SHELL.GBKSASC = static_cast<unsigned char>(key);
  GETSPECSFORBLOCKOFGROUPS();
  int read = keys.linesRead();
  keys.clear();
  return read;
}

// The file name the editors' "d" prompt would make of this value's prefix:
// the value must end in the suffix and its prefix survive the field rules.
std::optional<std::string> prefixAtLoadPrompt(const std::string& value, const std::string& suffix) {
  if (value.size() < suffix.size() || value.compare(value.size() - suffix.size(), suffix.size(), suffix) != 0)
    return std::nullopt;
  std::string prefix = value.substr(0, value.size() - suffix.size());
  if (editorFileName(LineFields(prefix).nextText(), suffix.c_str()) != value) return std::nullopt;
  return prefix;
}

// MAP and PHNTM are loaded as the editors' "d" loads them; a file that the
// editor would refuse is an error here.
void loadNamedFile(const BlockSetupFile& setup, const SetupLine& line) {
  const std::string suffix = line.key == "MAP" ? "MAP.TXT" : "PHNTM.TXT";
  if (!prefixAtLoadPrompt(line.value, suffix))
    throw lineError(setup, line, "a file name ending in " + suffix + " whose prefix holds no comma or quote");
  std::string problem = line.key == "MAP" ? loadSymbolsMapFile(line.value) : loadPhantomsFile(line.value);
  if (!problem.empty()) throw lineError(setup, line, loadProblemMessage(line.value, problem));
}

void applyBlockSize(const BlockSetupFile& setup, const SetupLine& line) {
  typeAtPrompt('B', {line.value});
  if (GEN.OKTOMAKEGROUPSFLAG1 != 1)
    throw lineError(setup, line, "refused: minimum 2..27303, maximum from minimum + 2 up to 27305");
}

// A "G" entry may be refused on its way to the final set of sizes (fewer than
// two active yet); one that changed nothing was refused outright.
void applyGroupSizes(const BlockSetupFile& setup, const SetupLine& line) {
  const Tank<int16_t> before = GEN.ACTIVEGROUPSIZESTANK;
  typeAtPrompt('G', {line.value});
  bool unchanged = true;
  for (int s = 1; s <= MAXGROUPSIZE; ++s) unchanged = unchanged && before(s) == GEN.ACTIVEGROUPSIZESTANK(s);
  if (GEN.OKTOMAKEGROUPSFLAG2 != 1 && unchanged)
    throw lineError(setup, line, "refused: Lo 1..31, Hi Lo..31, then 1 (active) or 0 (inactive)");
}

void checkFinalGroupSizes(const BlockSetupFile& setup) {
  const SetupLine* last = nullptr;
  for (const SetupLine& l : setup.lines)
    if (l.key == "G") last = &l;
  if (last != nullptr && GEN.OKTOMAKEGROUPSFLAG2 != 1)
    throw lineError(setup, *last, "refused: fewer than 2 group sizes are active");
}

void applyAverageSize(const BlockSetupFile& setup, const SetupLine& line) {
  typeAtPrompt('V', {line.value});
  if (GEN.OKTOMAKEGROUPSFLAG3 != 1)
    throw lineError(setup, line,
                    "refused: 1.001 <= min <= max <= 30.5, inside the active group sizes (given by G before V)");
}

// The three lines of "X"; a refused pair ends the entry.
void applyChaosParameters(const BlockSetupFile& setup) {
  const SetupLine* pairs[3] = {findSetupLine(setup, "X1"), findSetupLine(setup, "X2"), findSetupLine(setup, "X3")};
  int read = typeAtPrompt('X', {pairs[0]->value, pairs[1]->value, pairs[2]->value});
  if (GEN.OKTOMAKEGROUPSFLAG4 == 1) return;
  throw lineError(setup, *pairs[std::clamp(read, 1, 3) - 1],
                  "refused: K 3.6..4, X above 0 and below 1 and not 0.25, 0.5 or 0.75");
}

// The prompt turns a code outside 0..255 into a default: refused here.
void applySeparationCodes(const BlockSetupFile& setup, const SetupLine& line) {
  typeAtPrompt('C', {line.value});
  LineFields typed(line.value);
  if (typed.nextInteger<int32_t>() != GEN.GROUPSEPCODE1 || typed.nextInteger<int32_t>() != GEN.GROUPSEPCODE2)
    throw lineError(setup, line, "refused: two codes 0..255");
}

void applyParagraphTriggering(const BlockSetupFile& setup, const SetupLine& line) {
  typeAtPrompt('T', {line.value});
  if (LineFields(line.value).nextText().substr(0, 1) != GEN.PARAGRFDOFLAG)
    throw lineError(setup, line, "refused: Y or N, then the start and end symbols");
}

void applySymbolsMap(const BlockSetupFile& setup, const SetupLine& line) {
  typeAtPrompt('W', {line.value});
  if (GEN.USESYMBOLSMAPFLAG != "Y") throw lineError(setup, line, "refused: the highest map integer is 2..32000");
}

// The two map-scan controls of "D,R": the direction priority (C or R) and
// the resume point (B or L); nullopt for anything else.
std::optional<std::pair<char, char>> scanControls(const std::string& value) {
  size_t comma = value.find(',');
  if (comma == std::string::npos) return std::nullopt;
  std::string_view direction = withoutBlanks(std::string_view(value).substr(0, comma));
  std::string_view resume = withoutBlanks(std::string_view(value).substr(comma + 1));
  if ((direction != "C" && direction != "R") || (resume != "B" && resume != "L")) return std::nullopt;
  return std::make_pair(direction[0], resume[0]);
}

// The map editor's keys that turn the start state C,B into the controls.
std::string scanEditorKeys(const std::pair<char, char>& controls) {
  return std::string(controls.first == 'R' ? "u" : "") + (controls.second == 'L' ? "i" : "");
}

// Applied as the map editor's toggles would, from the start state.
void applyScanControls(const BlockSetupFile& setup, const SetupLine& line) {
  std::optional<std::pair<char, char>> controls = scanControls(line.value);
  if (!controls) throw lineError(setup, line, "refused: C or R (direction priority), then B or L (resume point)");
  for (char key : scanEditorKeys(*controls)) key == 'u' ? TOGLMAPSCANDIRECTION() : TOGLMAPSCANRESUMEPOINT();
}

bool isChaosKey(const std::string& key) { return key == "X1" || key == "X2" || key == "X3"; }

// The block menu entries in file order; the three X lines are one "X" entry,
// made at the first of them.
template <class Entry, class ChaosEntry>
void forEachMenuEntry(const BlockSetupFile& setup, Entry entry, ChaosEntry chaosEntry) {
  bool chaosDone = false;
  for (const SetupLine& l : setup.lines) {
    if (l.key == "MAP" || l.key == "PHNTM" || l.key == "SCAN") continue;
    if (!isChaosKey(l.key)) {
      entry(l);
    } else if (!chaosDone) {
      chaosDone = true;
      chaosEntry();
    }
  }
}

}  // namespace

void applySetup(const BlockSetupFile& setup) {
  resetToStartState();
  headlessConsole();
  for (const char* key : {"MAP", "PHNTM"})
    if (const SetupLine* l = findSetupLine(setup, key)) loadNamedFile(setup, *l);
  if (const SetupLine* l = findSetupLine(setup, "SCAN")) applyScanControls(setup, *l);
  forEachMenuEntry(
      setup,
      [&](const SetupLine& l) {
        if (l.key == "B") applyBlockSize(setup, l);
        if (l.key == "G") applyGroupSizes(setup, l);
        if (l.key == "V") applyAverageSize(setup, l);
        if (l.key == "C") applySeparationCodes(setup, l);
        if (l.key == "T") applyParagraphTriggering(setup, l);
        if (l.key == "W") applySymbolsMap(setup, l);
      },
      [&] { applyChaosParameters(setup); });
  checkFinalGroupSizes(setup);
}

std::string openingKeys() { return "GHNN"; }

std::string pipedKeys(const BlockSetupFile& setup, const std::string& prefix) {
  std::string keys;
  const SetupLine* map = findSetupLine(setup, "MAP");
  const SetupLine* phantoms = findSetupLine(setup, "PHNTM");
  const SetupLine* scan = findSetupLine(setup, "SCAN");
  std::string scanKeys = scan != nullptr ? scanEditorKeys(scanControls(scan->value).value_or(std::make_pair('C', 'B'))) : "";
  if (map != nullptr || phantoms != nullptr || !scanKeys.empty()) {
    keys += "L";  // the symbols editor
    keys += scanKeys;
    if (map != nullptr) keys += "d" + prefixAtLoadPrompt(map->value, "MAP.TXT").value_or("") + "\n";
    if (phantoms != nullptr) keys += "pd" + prefixAtLoadPrompt(phantoms->value, "PHNTM.TXT").value_or("") + "\ne";
    keys += "e";
  }
  keys += "G";
  forEachMenuEntry(
      setup, [&](const SetupLine& l) { keys += l.key + l.value + "\n"; },
      [&] {
        keys += "X";
        for (const char* x : {"X1", "X2", "X3"}) keys += findSetupLine(setup, x)->value + "\n";
      });
  keys += "H";
  keys += "Y" + prefix + "\n ";     // the integers file, then its "Done" pause
  keys += "Y" + prefix + "\n ";     // the vocabulary file, then its "Done" pause
  keys += "F ";                     // the symbol frequencies, then their closing pause
  keys += "S " + prefix + "\n ";    // the directory's pause, the report, its "Done" pause
  keys += "EE";
  return keys;
}
