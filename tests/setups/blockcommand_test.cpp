// `plomar block` against the program itself: the files of a set-up equal, byte
// for byte, those of the program fed the keys of `plomar keys`.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "setups/setupfixtures.hpp"
#include "e2e/harness.hpp"

namespace {

const char* const BLOCKFILES[] = {"PIGB.txt", "PVOCGB.txt", "PCGB.txt"};

// The same set-up made headless in one directory and by the program, fed
// the replay keys, in another; the lines of the headless groups file.
std::vector<std::string> expectSameFilesBothWays(const std::string& setup, bool withEditorFiles = false) {
  E2ESession headless, replayed;
  for (const E2ESession* s : {&headless, &replayed}) {
    s->addFile("s.txt", setup);
    if (withEditorFiles) {
      s->addFile("testMAP.TXT", testMapFileText());
      s->addFile("testPHNTM.TXT", testPhantomsFileText());
    }
  }
  CommandResult block = headless.command("block s.txt --prefix P");
  EXPECT_EQ(block.exitStatus, 0) << block.err;
  EXPECT_EQ(block.err, "");
  CommandResult keys = replayed.command("keys s.txt --prefix P");
  EXPECT_EQ(keys.exitStatus, 0) << keys.err;
  replayed.run(keys.out);
  for (const char* name : BLOCKFILES) {
    EXPECT_TRUE(headless.exists(name)) << name;
    EXPECT_TRUE(replayed.exists(name)) << name;
    if (headless.exists(name) && replayed.exists(name)) {
      EXPECT_EQ(headless.read(name), replayed.read(name)) << name;
    }
  }
  EXPECT_FALSE(replayed.exists("PGROUPS.txt"));
  return headless.exists("PGROUPS.txt") ? linesOf(headless.read("PGROUPS.txt")) : std::vector<std::string>{};
}

// The lines of the report's forward block, between its heading and the
// mirrored block's.
std::vector<std::string> forwardBlockLines(const std::string& report) {
  std::vector<std::string> lines = linesOf(report), block;
  size_t i = 0;
  while (i < lines.size() && lines[i] != " Generated Block of Groups FORWARD-sequenced : ") ++i;
  for (i += 2; i < lines.size() && lines[i] != " Generated Block of Groups MIRROR-sequenced : "; ++i)
    block.push_back(lines[i]);
  while (!block.empty() && block.back().empty()) block.pop_back();
  return block;
}

}  // namespace

TEST(BlockCommand, ListOnlySetupGivesTheProgramsFiles) {
  std::vector<std::string> groups = expectSameFilesBothWays(SMALLSETUP);
  EXPECT_GE(groups.size(), 20u);
  EXPECT_LE(groups.size(), 30u);
}

TEST(BlockCommand, SymbolsMapPhantomsAndEditorFilesGiveTheProgramsFiles) {
  expectSameFilesBothWays(SMALLSETUP + "W = 38\n");
  expectSameFilesBothWays(SMALLSETUP + "PHNTM = testPHNTM.TXT\n", true);
  expectSameFilesBothWays("MAP = testMAP.TXT\nPHNTM = testPHNTM.TXT\n" + SMALLSETUP + "W = 100\n", true);
  // The loaded names stand in the report.
  E2ESession s;
  s.addFile("s.txt", "PHNTM = testPHNTM.TXT\nMAP = testMAP.TXT\n" + SMALLSETUP + "W = 114\n");
  s.addFile("testMAP.TXT", testMapFileText());
  s.addFile("testPHNTM.TXT", testPhantomsFileText());
  ASSERT_EQ(s.command("block s.txt").exitStatus, 0);
  std::string report = s.read("CGB.txt");
  EXPECT_NE(report.find(" last Symbols-map  filename : testMAP.TXT\r\n"), std::string::npos);
  EXPECT_NE(report.find(" last Phantoms-set filename : testPHNTM.TXT\r\n"), std::string::npos);
  EXPECT_NE(report.find(" Use symbols-map ? : Y 114\r\n"), std::string::npos);
}

// The map-scan controls replay through the map editor's keys and change the
// block of a map whose integers stand in several cells.
TEST(BlockCommand, ScanControlsGiveTheProgramsFiles) {
  const std::string mapped = "MAP = testMAP.TXT\n" + SMALLSETUP + "W = 114\n";
  std::vector<std::string> start = expectSameFilesBothWays(mapped, true);
  std::vector<std::string> rowLast = expectSameFilesBothWays(mapped + "SCAN = R,L\n", true);
  std::vector<std::string> columnLast = expectSameFilesBothWays(mapped + "SCAN = C,L\n", true);
  EXPECT_EQ(expectSameFilesBothWays(mapped + "SCAN = C,B\n", true), start);
  EXPECT_NE(rowLast, start);
  EXPECT_NE(columnLast, start);
  EXPECT_NE(columnLast, rowLast);
  expectSameFilesBothWays(SMALLSETUP + "SCAN = R,L\n");  // the editor opened for the controls alone
}

// One group a line: the groups file holds the report's forward block.
TEST(BlockCommand, SeparatorCodesAndParagraphsGiveTheProgramsFiles) {
  std::vector<std::string> groups = expectSameFilesBothWays(SMALLSETUP + "C = 13,10\n");
  E2ESession s;
  s.addFile("s.txt", SMALLSETUP + "C = 13,10\n");
  ASSERT_EQ(s.command("block s.txt --prefix P").exitStatus, 0);
  EXPECT_EQ(forwardBlockLines(s.read("PCGB.txt")), groups);

  // Triggering on letters that occur, with the paragraph symbols read as typed.
  expectSameFilesBothWays("# paragraphs\nT = Y,e,a\n" + SMALLSETUP + "G = 3,3,0\nG = 7,8,1\n");
}

TEST(BlockCommand, BadSetupGetsItsErrorLineAndNoFiles) {
  struct Case {
    std::string text, error;
  };
  const Case cases[] = {
      {"B = 20,30\nQ = 1\n", "s.txt:2: Q: unknown key (the keys are B, G, V, X1, X2, X3, C, T, W, MAP, PHNTM, SCAN)"},
      {SMALLSETUP + "V = 4,5\n", "s.txt:7: V: given twice (first at line 3)"},
      {"B = 20,30\nG = 3,6,1\n", "s.txt:2: V: missing (B, G, V, X1, X2, X3 are required)"},
      {"B = 2,3\n" + SMALLSETUP.substr(SMALLSETUP.find('\n') + 1),
       "s.txt:1: B: refused: minimum 2..27303, maximum from minimum + 2 up to 27305"},
      {SMALLSETUP + "W = 32001\n", "s.txt:7: W: refused: the highest map integer is 2..32000"},
  };
  for (const Case& c : cases) {
    E2ESession s;
    s.addFile("s.txt", c.text);
    for (const char* command : {"block", "keys"}) {
      CommandResult r = s.command(std::string(command) + " s.txt");
      EXPECT_EQ(r.exitStatus, 2) << c.text;
      EXPECT_EQ(r.err, "plomar " + std::string(command) + ": " + c.error + "\n") << command;
      EXPECT_EQ(r.out, "") << command;
    }
    EXPECT_EQ(s.files(), std::vector<std::string>{"s.txt"});
  }
}

// Sizes 1 and 2 give only groups of 1 character: an average from 1.5 up is
// never reached.
TEST(BlockCommand, OutOfStepsBlockExitsOneWithoutFiles) {
  E2ESession s;
  s.addFile("s.txt", "B = 20,30\nG = 1,2,1\nV = 1.5,2\nX1 = 4,0.1\nX2 = 4,0.2\nX3 = 4,0.3\n");
  CommandResult r = s.command("block s.txt --prefix P --max-steps 100000");
  EXPECT_EQ(r.exitStatus, 1);
  EXPECT_EQ(r.err.rfind("plomar block: s.txt: out of map steps: the block did not complete within 100000 steps (", 0),
            0u)
      << r.err;
  EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1);
  EXPECT_EQ(s.files(), std::vector<std::string>{"s.txt"});
}

TEST(BlockCommand, HelpAndUsageErrors) {
  E2ESession s;
  s.addFile("s.txt", SMALLSETUP);
  for (const char* command : {"block", "keys"}) {
    CommandResult help = s.command(std::string(command) + " --help");
    EXPECT_EQ(help.exitStatus, 0);
    EXPECT_NE(help.out.find(std::string("Usage: plomar ") + command + " SETUP"), std::string::npos);
    EXPECT_NE(help.out.find("X1 = K1,X1"), std::string::npos);
    EXPECT_EQ(s.command(command).exitStatus, 2);
    EXPECT_EQ(s.command(std::string(command) + " s.txt --prefix a,b").exitStatus, 2);
  }
  CommandResult steps = s.command("block s.txt --max-steps many");
  EXPECT_EQ(steps.exitStatus, 2);
  EXPECT_EQ(steps.err.rfind("plomar block: --max-steps wants a positive whole number, not 'many'\n", 0), 0u);
  EXPECT_EQ(s.command("keys s.txt --max-steps 5").exitStatus, 2);
  EXPECT_EQ(s.command("block missing.txt").err,
            "plomar block: missing.txt: cannot read the set-up file (No such file or directory)\n");
  EXPECT_EQ(s.files(), std::vector<std::string>{"s.txt"});
}

// A sweep space given where a set-up is wanted: each piece of the space's
// syntax outside double quotes is refused on its line, naming --point.
TEST(BlockCommand, SpaceWithoutPointIsRefusedWithoutWritingAFile) {
  E2ESession s;
  const std::vector<std::tuple<std::string, std::string, std::string>> spaces = {
      {"alternatives.txt", "B = 2000,2100 | 8000,8100\n", "alternatives.txt:1: B: '|'"},
      {"range.txt", "V = 4..5 step 0.5, 5\n", "range.txt:3: V: '..'"},
      {"step.txt", "X1 = 4,0.1 step 0.1\n", "step.txt:4: X1: 'step'"},
      {"map.txt", "MAP = aMAP.TXT|bMAP.TXT\n", "map.txt:7: MAP: '|'"},
  };
  for (const auto& [name, line, where] : spaces) {
    // The line replaces the set-up's line of its key.
    std::string text = SMALLSETUP + "MAP = aMAP.TXT\n";
    const std::string key = line.substr(0, line.find(' '));
    const size_t at = text.find(key + " = ");
    text.replace(at, text.find('\n', at) + 1 - at, line);
    s.addFile(name, text);
    for (const char* command : {"block", "keys"}) {
      CommandResult r = s.command(std::string(command) + " " + name + " --prefix P");
      EXPECT_EQ(r.exitStatus, 2) << command << " " << name;
      EXPECT_EQ(r.err, std::string("plomar ") + command + ": " + where +
                           " belongs to a sweep space; give --point N to take one of its points\n");
      EXPECT_EQ(r.out, "");
    }
  }
  // In double quotes the same characters are the value's own: paragraph
  // symbols "|" and ".".
  s.addFile("quoted.txt", SMALLSETUP + "T = Y,\"|\",\".\"\n");
  CommandResult quoted = s.command("keys quoted.txt");
  EXPECT_EQ(quoted.exitStatus, 0) << quoted.err;
  EXPECT_NE(quoted.out.find("TY,\"|\",\".\"\n"), std::string::npos);
  for (const std::string& f : s.files()) EXPECT_EQ(f.rfind("P", 0), std::string::npos) << f;
}

// Error lines show unprintable bytes escaped and long keys cut, whatever
// the file holds.
TEST(BlockCommand, ErrorLinesAreReadable) {
  using namespace std::string_literals;
  E2ESession s;
  s.addFile("control.txt", SMALLSETUP + "W\x01\xff = 3\n");
  EXPECT_EQ(s.command("block control.txt").err,
            "plomar block: control.txt:7: W\\x01\\xff: unknown key (the keys are B, G, V, X1, X2, X3, C, T, W, "
            "MAP, PHNTM, SCAN)\n");
  s.addFile("long.txt", std::string(1'000'000, 'K') + " = 3\n");
  CommandResult longKey = s.command("keys long.txt");
  EXPECT_EQ(longKey.exitStatus, 2);
  EXPECT_EQ(longKey.err, "plomar keys: long.txt:1: " + std::string(60, 'K') +
                             "...: unknown key (the keys are B, G, V, X1, X2, X3, C, T, W, MAP, PHNTM, SCAN)\n");
  s.addFile("nul.txt", SMALLSETUP + "W\0 = 3\n"s);
  CommandResult nul = s.command("block nul.txt");
  EXPECT_EQ(nul.exitStatus, 2);
  EXPECT_EQ(nul.err, "plomar block: nul.txt: not a text file (a NUL byte on line 7)\n");
  // A file name with a line end in it stays on one line.
  CommandResult name = s.command("block 'a\nb.txt'");
  EXPECT_EQ(name.err, "plomar block: a\\x0ab.txt: cannot read the set-up file (No such file or directory)\n");
  EXPECT_EQ(s.command("block missing.txt --point 1").err,
            "plomar block: missing.txt: cannot read the space file (No such file or directory)\n");
}
