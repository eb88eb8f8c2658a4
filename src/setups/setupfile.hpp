#pragma once
// Block set-up files: the block menu's specifications as `KEY = value`
// lines, where each value is exactly the line typed at that key's prompt.
//
//   B = 10000,27000        block size range
//   G = 1,5,1              group sizes 1 to 5 activated (repeatable, applied
//   G = 7,7,1              in order, as the key may be pressed several times)
//   V = 3.1,3.6            average group size range (after G)
//   X1 = 3.99,0.2          K and X of the three chaos functions
//   X2 = 3.98,0.3
//   X3 = 3.97,0.4
//   C = 13,10              separation codes (optional)
//   T = Y,#,*              paragraph triggering (optional)
//   W = 38                 highest active map integer: the symbols map is on
//   MAP = setMAP.TXT       symbols list and map to load (optional)
//   PHNTM = setPHNTM.TXT   phantoms to load (optional)
//   SCAN = R,L             map-scan direction priority (C or R) and resume
//                          point (B or L), as the map editor's "u" and "i"
//                          set them (optional; the start state is C,B)
//
// A line whose first non-blank character is `#` is a comment; empty lines
// are ignored. B, G, V, X1, X2 and X3 are required.
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

struct SetupLine {
  std::string key, value;
  int lineNumber = 0;
};

struct BlockSetupFile {
  std::string fileName;
  std::vector<SetupLine> lines;
};

// what() is the one error line "FILE:LINE: KEY: problem".
struct SetupError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Keys, values and lines of a file are echoed in error lines up to this
// many bytes, then "...".
inline constexpr size_t EXCERPTLENGTH = 60;
std::string excerpt(const std::string& text);

// The error "FILE:LINE: KEY: problem", the key cut to an excerpt.
SetupError setupLineError(const std::string& file, int line, const std::string& key, const std::string& problem);

// The lines of a set-up (or space) file, each without its line end: LF,
// CR LF and a lone CR each end a line, and a UTF-8 byte order mark at the
// start is skipped. Line n of the file is element n - 1.
std::vector<std::string> setupFileLines(const std::string& text);

// Throws SetupError ("FILE: not a text file (...)") for bytes that are not
// text: a NUL byte, or more than a tenth control characters (other than
// tab, line ends and form feed).
void checkSetupText(const std::string& text, const std::string& fileName);

// Text check, syntax and keys only (no value checked); throws SetupError.
BlockSetupFile parseSetupText(const std::string& text, const std::string& fileName);
// The bytes of a set-up or space file (`kind` names it: "set-up", "space");
// SetupError "FILE: cannot read the KIND file (reason)" when it cannot be read.
std::string readSetupBytes(const std::string& path, const std::string& kind);
// Also throws SetupError for a file that cannot be read.
BlockSetupFile readSetupFile(const std::string& path);

// The first line of the key, or nullptr.
const SetupLine* findSetupLine(const BlockSetupFile& setup, const std::string& key);

// Back to the start state (INIT, default symbols, map and phantoms), then
// MAP/PHNTM loaded and every value applied as its key and prompt would, in
// file order; throws SetupError for a value the prompt would not accept.
void applySetup(const BlockSetupFile& setup);

// The set-up in file syntax, one `KEY = value` a line, in a fixed key order.
std::string setupFileText(const BlockSetupFile& setup);

// The piped keys that make the interactive program generate this block and
// write the same files as `plomar block` under `prefix`.
std::string pipedKeys(const BlockSetupFile& setup, const std::string& prefix);

// After applySetup: the keys that take the program from its main menu to the
// block menu, generate the block there and answer "N" to both questions
// that offer to save its integers and its vocabulary.
std::string openingKeys();

// Far above the map steps of any completable largest block: blocks of about
// 27,300 groups of sizes 1..10 that complete take 16 to 37 million steps
// (several average ranges tried); those that do not complete stay
// incomplete through 4,000 million. About 10 seconds of map steps.
inline constexpr uint64_t DEFAULT_MAX_STEPS = 1'000'000'000ULL;

struct HeadlessBlock {
  bool complete = false;
  uint64_t steps = 0;  // map steps of all chaos functions
  int32_t groups = 0;  // groups stored (when incomplete: when it stopped)
};

// After applySetup: generates the block without screen or keyboard, as "H"
// would, and collects a complete block in block order (its analysis, unique
// groups and vocabulary, is left to writeBlockFiles). The budget allows
// maxSteps map steps of all chaos functions together: a block that completes
// within them is complete; otherwise the generation stops soon after the
// budget is spent (the engine's cancel hook is asked at least every few
// thousand steps) and the block is incomplete. The result depends only on
// the set-up and maxSteps.
HeadlessBlock generateHeadless(uint64_t maxSteps);

// The groups of the finished block in block order.
std::vector<std::string> finishedBlockGroups();

// After a complete generateHeadless: the block analysed as a completed
// generation is, then the files that the interactive program
// writes after "H" (integers and vocabulary, each answered "Y"), "F" and
// "S", all under the prefix: prefix + "IGB.txt", "VOCGB.txt", "CGB.txt";
// then the groups in block order as the List file prefix + "GROUPS.txt".
// Each file is written whole or not at all; false with the file layer's
// message in `problem` when one could not be written.
bool writeBlockFiles(const std::string& prefix, std::string& problem);
