// Set-up files in process: their syntax, the entries the block menu's prompts
// refuse, the step budget, and a set-up applied after another.
#include <gtest/gtest.h>

#include "setups/setupfile.hpp"
#include "setups/space.hpp"
#include "setups/setupfixtures.hpp"
#include "state/symbolsstate.hpp"
#include "e2e/harness.hpp"
#include "support.hpp"

namespace {

std::string errorOf(const std::string& text) {
  try {
    applySetup(parseSetupText(text, "f.txt"));
  } catch (const SetupError& e) {
    return e.what();
  }
  return "";
}

}  // namespace

TEST(SetupFile, SyntaxCommentsBlanksAndTheFixedOrderOfItsText) {
  const std::string text =
      "  # a comment\r\n"
      "\r\n"
      "X3=3.99999,0.3\r\n"
      "\tT  =  Y,#,*  \r\n"
      "G = 3,6,1\n"
      "B = 20,30\n"
      "X1 = 4,1e-15\n"
      "G = 4,4,0\n"
      "V = 4,5\n"
      "X2 = 3.9999,1e-22";
  BlockSetupFile setup = parseSetupText(text, "f.txt");
  ASSERT_EQ(setup.lines.size(), 8u);
  EXPECT_EQ(setup.lines[0].key, "X3");
  EXPECT_EQ(setup.lines[0].lineNumber, 3);
  EXPECT_EQ(setup.lines[1].value, "Y,#,*");  // a '#' inside a value is no comment
  EXPECT_EQ(setup.lines[7].lineNumber, 10);
  const std::string ordered =
      "B = 20,30\nG = 3,6,1\nG = 4,4,0\nV = 4,5\nX1 = 4,1e-15\nX2 = 3.9999,1e-22\nX3 = 3.99999,0.3\nT = Y,#,*\n";
  EXPECT_EQ(setupFileText(setup), ordered);
  EXPECT_EQ(setupFileText(parseSetupText(ordered, "g.txt")), ordered);
}

TEST(SetupFile, SyntaxErrorsNameFileLineAndKey) {
  auto syntaxError = [](const std::string& text) {
    try {
      parseSetupText(text, "f.txt");
    } catch (const SetupError& e) {
      return std::string(e.what());
    }
    return std::string();
  };
  EXPECT_EQ(syntaxError("B 20,30\n"), "f.txt:1: B 20,30: not a KEY = value line");
  EXPECT_EQ(syntaxError("b = 20,30\n"), "f.txt:1: b: unknown key (the keys are B, G, V, X1, X2, X3, C, T, W, MAP, PHNTM, SCAN)");
  EXPECT_EQ(syntaxError(SMALLSETUP + "T = Y,\x01,*\n"), "f.txt:7: T: the value holds a control character");
  EXPECT_EQ(syntaxError(SMALLSETUP + "\n\nC = 13,10\nC = 32,0\n# end\n"), "f.txt:10: C: given twice (first at line 9)");
  EXPECT_EQ(syntaxError("# nothing\n\n"), "f.txt:2: B: missing (B, G, V, X1, X2, X3 are required)");
  EXPECT_EQ(syntaxError(""), "f.txt:0: B: missing (B, G, V, X1, X2, X3 are required)");
  // Whatever is echoed of a line is cut to a readable length.
  EXPECT_EQ(syntaxError(std::string(100, 'Q') + "\n"), "f.txt:1: " + std::string(60, 'Q') + "...: not a KEY = value line");
  EXPECT_EQ(excerpt(std::string(60, 'x')), std::string(60, 'x'));
}

// Files written by other editors: a UTF-8 byte order mark, CR-only or mixed
// line ends; bytes that are not text are refused as a whole, for set-ups and
// spaces alike.
TEST(SetupFile, ByteOrderMarkLineEndsAndFilesThatAreNotText) {
  const std::string crOnly = "\xEF\xBB\xBF# set-up\rB = 20,30\rG = 3,6,1\r\nV = 4,5\n\rX1 = 4,1e-15\r"
                             "X2 = 3.9999,1e-22\rX3 = 3.99999,0.3\r";
  EXPECT_EQ(setupFileLines(crOnly),
            (std::vector<std::string>{"# set-up", "B = 20,30", "G = 3,6,1", "V = 4,5", "", "X1 = 4,1e-15",
                                      "X2 = 3.9999,1e-22", "X3 = 3.99999,0.3"}));
  BlockSetupFile setup = parseSetupText(crOnly, "f.txt");
  ASSERT_EQ(setup.lines.size(), 6u);
  EXPECT_EQ(setup.lines[0].key, "B");  // not the mark glued to the comment
  EXPECT_EQ(setup.lines[0].lineNumber, 2);
  EXPECT_EQ(setup.lines[3].lineNumber, 6);
  EXPECT_EQ(setupFileText(setup), setupFileText(parseSetupText(SMALLSETUP, "g.txt")));
  // A mark anywhere but at the start is the line's own.
  EXPECT_EQ(setupFileLines("a\n\xEF\xBB\xBF b"), (std::vector<std::string>{"a", "\xEF\xBB\xBF b"}));

  SweepSpace space = parseSpaceText("\xEF\xBB\xBF" "B = 20,30 | 40,50\rG = 3,6,1\rV = 4,5\r", "s.txt");
  EXPECT_EQ(space.pointCount, 2u);
  ASSERT_EQ(space.lines.size(), 3u);
  EXPECT_EQ(space.lines[0].key, "B");
  EXPECT_EQ(space.lines[2].lineNumber, 3);

  auto refusal = [](const std::string& text, bool asSpace) {
    try {
      if (asSpace) parseSpaceText(text, "f.txt");
      else parseSetupText(text, "f.txt");
    } catch (const SetupError& e) {
      return std::string(e.what());
    }
    return std::string();
  };
  using namespace std::string_literals;
  for (bool asSpace : {false, true}) {
    EXPECT_EQ(refusal(SMALLSETUP + "C = 13,\0\n"s, asSpace), "f.txt: not a text file (a NUL byte on line 7)");
    EXPECT_EQ(refusal("\x01\x02\x03\x04 B = 20,30\n", asSpace),
              "f.txt: not a text file (4 of its 15 bytes are control characters)");
  }
  // A control character or two in a text is the line's problem, not the file's.
  EXPECT_EQ(refusal(SMALLSETUP + "T = Y,\x1b,*\n", false), "f.txt:7: T: the value holds a control character");
  // Tabs and line ends are text.
  EXPECT_EQ(refusal("\t\t\t\r\n\t\n" + SMALLSETUP, false), "");
}

TEST(SetupFile, EntriesTheirPromptsRefuse) {
  const std::string pairs = "X1 = 4,1e-15\nX2 = 3.9999,1e-22\nX3 = 3.99999,0.3\n";
  const std::string rangeRefused = "refused: Lo 1..31, Hi Lo..31, then 1 (active) or 0 (inactive)";
  EXPECT_EQ(errorOf("B = 20,30\nG = 0,5,1\nV = 4,5\n" + pairs), "f.txt:2: G: " + rangeRefused);
  EXPECT_EQ(errorOf("B = 20,30\nG = 1,5,2\nV = 4,5\n" + pairs), "f.txt:2: G: " + rangeRefused);
  // One size is refused on the way, and accepted once a second one follows.
  EXPECT_EQ(errorOf("B = 20,30\nG = 3,3,1\nG = 5,5,1\nV = 4,5\n" + pairs), "");
  EXPECT_EQ(errorOf("B = 20,30\nG = 3,6,1\nG = 4,6,0\nV = 3,3\n" + pairs),
            "f.txt:3: G: refused: fewer than 2 group sizes are active");
  // V is checked against the sizes active when it is typed.
  EXPECT_EQ(errorOf("B = 20,30\nV = 4,5\nG = 3,6,1\n" + pairs),
            "f.txt:2: V: refused: 1.001 <= min <= max <= 30.5, inside the active group sizes (given by G before V)");
  EXPECT_EQ(errorOf("B = 20,30\nG = 3,6,1\nV = 4,5\nX1 = 4,1e-15\nX2 = 4,0.5\nX3 = 3.99999,0.3\n"),
            "f.txt:5: X2: refused: K 3.6..4, X above 0 and below 1 and not 0.25, 0.5 or 0.75");
  EXPECT_EQ(errorOf("B = 20,30\nG = 3,6,1\nV = 4,5\nX1 = 3.59,0.1\nX2 = 4,0.5\nX3 = 3.99999,0.3\n").substr(0, 11),
            "f.txt:4: X1");
  EXPECT_EQ(errorOf(SMALLSETUP + "C = 300,5\n"), "f.txt:7: C: refused: two codes 0..255");
  EXPECT_EQ(errorOf(SMALLSETUP + "C = 13,10\n"), "");
  EXPECT_EQ(errorOf(SMALLSETUP + "T = y,a,b\n"), "f.txt:7: T: refused: Y or N, then the start and end symbols");
  EXPECT_EQ(errorOf(SMALLSETUP + "MAP = map.txt\n"),
            "f.txt:7: MAP: a file name ending in MAP.TXT whose prefix holds no comma or quote");
  EXPECT_EQ(errorOf(SMALLSETUP + "MAP = a,bMAP.TXT\n"),
            "f.txt:7: MAP: a file name ending in MAP.TXT whose prefix holds no comma or quote");
  EXPECT_EQ(errorOf(SMALLSETUP + "PHNTM = /nonexistent/aPHNTM.TXT\n"),
            "f.txt:7: PHNTM: file not found: /nonexistent/aPHNTM.TXT (No such file or directory)");
  // A file the editor's loader refuses.
  TempDir dir;
  dir.write("shortMAP.TXT", testMapFileText().substr(0, 100));
  EXPECT_EQ(errorOf(SMALLSETUP + "MAP = shortMAP.TXT\n"), "f.txt:7: MAP: shortMAP.TXT: ends after line 26 of 304");
}

// A budget of exactly the block's map steps completes it; one step less
// does not.
TEST(SetupFile, StepBudgetBoundary) {
  const BlockSetupFile setup = parseSetupText(SMALLSETUP, "small");
  applySetup(setup);
  HeadlessBlock full = generateHeadless(DEFAULT_MAX_STEPS);
  ASSERT_TRUE(full.complete);
  ASSERT_GT(full.steps, 1000u);
  applySetup(setup);
  HeadlessBlock exact = generateHeadless(full.steps);
  EXPECT_TRUE(exact.complete);
  EXPECT_EQ(exact.steps, full.steps);
  EXPECT_EQ(exact.groups, full.groups);
  applySetup(setup);
  HeadlessBlock shortOfOne = generateHeadless(full.steps - 1);
  EXPECT_FALSE(shortOfOne.complete);

  // A block that never completes stops soon after its budget.
  applySetup(parseSetupText("B = 20,30\nG = 1,2,1\nV = 1.5,2\nX1 = 4,0.1\nX2 = 4,0.2\nX3 = 4,0.3\n", "never"));
  HeadlessBlock never = generateHeadless(200000);
  EXPECT_FALSE(never.complete);
  EXPECT_GT(never.steps, 200000u);
  EXPECT_LT(never.steps, 300000u);
  EXPECT_GT(never.groups, 0);
  EXPECT_LE(never.groups, 30);
}

// A set-up applied after another block (map, phantoms, codes, triggering)
// gives the block the program makes from a fresh start.
TEST(SetupFile, SetupAfterAnotherGivesTheFreshProgramsFiles) {
  TempDir dir;
  dir.write("testMAP.TXT", testMapFileText());
  dir.write("testPHNTM.TXT", testPhantomsFileText());
  applySetup(parseSetupText(
      "MAP = testMAP.TXT\nPHNTM = testPHNTM.TXT\nC = 13,10\nT = Y,e,a\nW = 100\n" + SMALLSETUP, "first"));
  ASSERT_TRUE(generateHeadless(DEFAULT_MAX_STEPS).complete);
  std::string problem;
  ASSERT_TRUE(writeBlockFiles("first", problem)) << problem;

  applySetup(parseSetupText(SMALLSETUP, "second"));
  HeadlessBlock block = generateHeadless(DEFAULT_MAX_STEPS);
  ASSERT_TRUE(block.complete);
  std::vector<std::string> groups = finishedBlockGroups();
  EXPECT_EQ(static_cast<int32_t>(groups.size()), block.groups);
  ASSERT_TRUE(writeBlockFiles("blk1", problem)) << problem;
  EXPECT_EQ(dir.read("blk1IGB.txt"), expectedFile("blk1IGB.txt"));
  EXPECT_EQ(dir.read("blk1VOCGB.txt"), expectedFile("blk1VOCGB.txt"));
  EXPECT_EQ(linesOf(dir.read("blk1GROUPS.txt")), groups);
}

TEST(SetupFile, FileThatCannotBeWrittenIsReported) {
  applySetup(parseSetupText(SMALLSETUP, "small"));
  ASSERT_TRUE(generateHeadless(DEFAULT_MAX_STEPS).complete);
  std::string problem;
  EXPECT_FALSE(writeBlockFiles("/nonexistent/p", problem));
  EXPECT_EQ(problem, "cannot create: /nonexistent/pIGB.txt (No such file or directory)");
}

// SCAN sets the map-scan controls as the map editor's toggles do; a set-up
// without it scans from the start state.
TEST(SetupFile, ScanControlsAreAppliedAndRefused) {
  applySetup(parseSetupText(SMALLSETUP + "SCAN = R , L\n", "f.txt"));
  EXPECT_EQ(SYMB.MAPSCANDIRECTION, "R");
  EXPECT_EQ(SYMB.MAPSCANRESUMEPOINT, "L");
  applySetup(parseSetupText(SMALLSETUP + "SCAN = C,L\n", "f.txt"));
  EXPECT_EQ(SYMB.MAPSCANDIRECTION, "C");
  EXPECT_EQ(SYMB.MAPSCANRESUMEPOINT, "L");
  applySetup(parseSetupText(SMALLSETUP, "f.txt"));
  EXPECT_EQ(SYMB.MAPSCANDIRECTION, "C");
  EXPECT_EQ(SYMB.MAPSCANRESUMEPOINT, "B");
  const std::string refused = "refused: C or R (direction priority), then B or L (resume point)";
  for (const char* value : {"R", "R,X", "c,b", "R,L,B", ""})
    EXPECT_EQ(errorOf(SMALLSETUP + "SCAN = " + value + "\n"), "f.txt:7: SCAN: " + refused) << value;
  EXPECT_EQ(setupFileText(parseSetupText("SCAN = R,B\n" + SMALLSETUP, "f.txt")),
            "B = 20,30\nG = 3,6,1\nV = 4,5\nX1 = 4,1e-15\nX2 = 3.9999,1e-22\nX3 = 3.99999,0.3\nSCAN = R,B\n");
}
