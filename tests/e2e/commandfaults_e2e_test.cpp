// Every command under faults of its surroundings: standard output that
// cannot be written, memory that runs out, piped keys that end too early.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "e2e/harness.hpp"
#include "setups/setupfixtures.hpp"

namespace {

const std::string SPACE =
    "B = 20,30\nG = 3,6,1\nV = 4,5 | 4.5,5\nX1 = 4,1e-15\nX2 = 3.9999,1e-22\nX3 = 3.99999,0.3\n";

// A session with a short text, a target long enough for the sweep, a set-up
// and a two-point space.
struct FaultSession : E2ESession {
  FaultSession() {
    addFile("a.txt", "the cat sat on the mat\n");
    std::string target;
    for (int i = 0; i < 40; ++i) target += "the cat sat on the mat " + std::to_string(i) + "\n";
    addFile("target.txt", target);
    addFile("s.txt", SMALLSETUP);
    addFile("space.txt", SPACE);
  }
};

// Far below what any machine gives a process, far above what the program
// needs for small inputs (about 6 MB).
constexpr uint64_t MEGABYTE = 1024 * 1024;
constexpr uint64_t SMALLMEMORY = 48 * MEGABYTE;

bool died(const CommandResult& r) { return r.exitStatus >= 128 || r.err.find("terminate called") != std::string::npos; }

}  // namespace

TEST(CommandFaults, EveryCommandReportsStandardOutputThatCannotBeWritten) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
  FaultSession s;
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"stats a.txt", "plomar stats"},
      {"stats --csv a.txt", "plomar stats"},
      {"stats --json a.txt", "plomar stats"},
      {"keys s.txt", "plomar keys"},
      {"keys space.txt --point 2", "plomar keys"},
      {"sweep space.txt --target target.txt", "plomar sweep"},
      {"--help", "plomar"},
      {"--version", "plomar"},
      {"stats --help", "plomar stats"},
      {"block --help", "plomar block"},
      {"keys --help", "plomar keys"},
      {"sweep --help", "plomar sweep"},
  };
  for (const auto& [args, who] : cases) {
    CommandResult r = s.command(args + " >/dev/full");
    EXPECT_EQ(r.exitStatus, 1) << args;
    EXPECT_NE(r.err.find(who + ": cannot write standard output: No space left on device\n"), std::string::npos)
        << args << ": " << r.err;
  }
}

TEST(CommandFaults, ClosedStandardOutputIsAFaultOnlyWhenSomethingIsWritten) {
  FaultSession s;
  CommandResult written = s.command("stats a.txt >&-");
  EXPECT_EQ(written.exitStatus, 1);
  EXPECT_EQ(written.err, "plomar stats: cannot write standard output: Bad file descriptor\n");

  // A command that wrote nothing there fails only for its own reason.
  CommandResult missing = s.command("stats missing.txt >&-");
  EXPECT_EQ(missing.exitStatus, 1);
  EXPECT_EQ(missing.err, "plomar stats: missing.txt: No such file or directory\n");
  CommandResult nothing = s.command("block s.txt --prefix P >&-");
  EXPECT_EQ(nothing.exitStatus, 0) << nothing.err;
  EXPECT_EQ(nothing.err, "");
}

TEST(CommandFaults, StatsNamesTheInputsThatDoNotFitInMemoryAndMeasuresTheOthers) {
  if (SANITIZED_BUILD) GTEST_SKIP() << "the sanitizers' shadow memory needs the whole address space";
  FaultSession s;
  // One token longer than the memory allows to be measured, and a device
  // that never ends.
  s.addFile("token.txt", std::string(20'000'000, 'a'));
  CommandResult r = s.limitedCommand(SMALLMEMORY, "stats --csv /dev/zero token.txt a.txt");
  EXPECT_EQ(r.exitStatus, 1) << r.err;
  EXPECT_FALSE(died(r)) << r.err;
  EXPECT_NE(r.err.find("plomar stats: /dev/zero: Cannot allocate memory\n"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("plomar stats: token.txt: "), std::string::npos) << r.err;
  EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 2) << r.err;
  // The one input that fits is measured: a header and its row.
  ASSERT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 2) << r.out;
  EXPECT_NE(r.out.find("\na.txt,6,5,"), std::string::npos) << r.out;
}

// Each command with inputs that cannot fit: it ends with an error line or
// the runtime error report, never an abort or an uncaught exception.
TEST(CommandFaults, NoCommandAbortsWhenMemoryRunsOut) {
  if (SANITIZED_BUILD) GTEST_SKIP() << "the sanitizers' shadow memory needs the whole address space";
  FaultSession s;
  std::filesystem::create_symlink("/dev/zero", s.dir() / "zeroMAP.TXT");
  s.addFile("zero.txt", SMALLSETUP + "MAP = zeroMAP.TXT\n");
  s.addFile("largest.txt", "B = 27000,27305\nG = 1,10,1\nV = 5,6\nX1 = 4,1e-15\nX2 = 3.9999,1e-22\nX3 = 3.99999,0.3\n");
  struct Case {
    std::string args;
    int status;
    std::string error;
  };
  const std::vector<Case> cases = {
      {"stats /dev/zero", 1, "plomar stats: /dev/zero: Cannot allocate memory\n"},
      {"stats --list /dev/zero", 1, "plomar stats: /dev/zero: Cannot allocate memory\n"},
      {"block zero.txt", 2, "plomar block: zero.txt:7: MAP: file not found: zeroMAP.TXT (Cannot allocate memory)\n"},
      {"keys zero.txt", 2, "plomar keys: zero.txt:7: MAP: file not found: zeroMAP.TXT (Cannot allocate memory)\n"},
      {"block /dev/zero", 2, "plomar block: /dev/zero: cannot read the set-up file (Cannot allocate memory)\n"},
      {"sweep /dev/zero --target target.txt", 1, "plomar sweep: /dev/zero: Cannot allocate memory\n"},
      {"sweep space.txt --target /dev/zero", 1, "plomar sweep: /dev/zero: Cannot allocate memory\n"},
  };
  for (const Case& c : cases) {
    CommandResult r = s.limitedCommand(SMALLMEMORY, c.args);
    EXPECT_FALSE(died(r)) << c.args << ": " << r.err;
    EXPECT_EQ(r.exitStatus, c.status) << c.args << ": " << r.err;
    EXPECT_NE(r.err.find(c.error), std::string::npos) << c.args << ": " << r.err;
  }
  // The largest block needs more than 8 MB: the runtime error report of a
  // table that cannot be sized, or the error line of memory that ran out
  // elsewhere.
  CommandResult largest = s.limitedCommand(8 * MEGABYTE, "block largest.txt");
  EXPECT_FALSE(died(largest)) << largest.err;
  const bool tableReport = largest.exitStatus == 4 &&
                           largest.err.rfind("plomar: Aborting due to runtime error 4 (out of memory) at line ", 0) == 0;
  const bool errorLine = largest.exitStatus == 1 && largest.err == "plomar block: out of memory\n";
  EXPECT_TRUE(tableReport || errorLine) << largest.exitStatus << ": " << largest.err;
  EXPECT_EQ(std::count(largest.err.begin(), largest.err.end(), '\n'), 1);
}

// "G" of the utilities and "U" of the block menu on a file that does not fit
// show the problem and go on; a block too large for the memory ends the
// program with its runtime error report.
TEST(CommandFaults, TheInteractiveProgramStaysAliveOrEndsWithItsReport) {
  if (SANITIZED_BUILD) GTEST_SKIP() << "the sanitizers' shadow memory needs the whole address space";
  FaultSession s;
  CommandResult r = s.limitedCommand(SMALLMEMORY, "",
                                     "VGP/dev/zero\ng.txt\n " "Pa.txt\ng.txt\nN " "EE"
                                     "GB20,30\nG3,6,1\nV4,5\nX4,1e-15\n3.9999,1e-22\n3.99999,0.3\n"
                                     "HNNU/dev/zero\n " "S blk\n " "EE");
  EXPECT_EQ(r.exitStatus, 0) << r.err;
  EXPECT_EQ(occurrences(r.out, "file not found: /dev/zero (Cannot allocate memory)"), 2u);
  // After each, the next command of the same menu works.
  EXPECT_NE(r.out.find("a.txt contains   6 groups or words"), std::string::npos);
  EXPECT_TRUE(s.exists("g.txt"));
  EXPECT_TRUE(s.exists("blkCGB.txt"));

  CommandResult largest = s.limitedCommand(8 * MEGABYTE, "",
                                           "GB27000,27305\nG1,10,1\nV5,6\nX4,1e-15\n3.9999,1e-22\n3.99999,0.3\nHNN E");
  EXPECT_EQ(largest.exitStatus, 4) << largest.err;
  EXPECT_EQ(largest.err, "");
  EXPECT_NE(largest.out.find("\r\nAborting due to runtime error 4 (out of memory) at line "), std::string::npos);
}

// Sizes 1 and 2 give only groups of one character: an average from 1.5 up
// is never reached, and only Esc ends the generation.
TEST(CommandFaults, PipedKeysEndingInsideAnEndlessGenerationEndTheProgram) {
  FaultSession s;
  const std::string endless = "GB20,30\nG1,2,1\nV1.5,2\nX4,0.1\n4,0.2\n4,0.3\nH";
  // timeout ends a program that would run for ever with status 124.
  CommandResult r = runProgram("/usr/bin/timeout", {"60", PLOMAR_BINARY}, s.dir(), endless);
  EXPECT_EQ(r.exitStatus, 0);
  EXPECT_EQ(r.err, "");
  // Keys that are still to come are not taken for the end: the generation
  // that completes answers its questions from them.
  E2EResult complete = s.run(BLOCKSPECIFICATION + "HNYblk\n EE");
  EXPECT_NE(complete.output.find("Done !"), std::string::npos);
  EXPECT_TRUE(s.exists("blkVOCGB.txt"));
}
