// plomar fit as a user runs it: small targets, small blocks, small budgets.
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include <gtest/gtest.h>

#include "steering/sweeptable.hpp"
#include "e2e/harness.hpp"

namespace {

// About 400 words of a few kinds: windows of 50 tokens, blocks of 200 to 249 groups.
std::string smallTarget(int variant) {
  const char* const words[] = {"the", "scribe", "wrote", "a", "word", "and", "then", "read", "it", "again",
                               "ink", "on", "vellum", "was", "dry", "quill", "of", "goose", "in", "hand"};
  std::string text;
  for (int i = 0; i < 400; ++i) text += std::string(words[(i * (7 + variant) + i / 13) % 20]) + (i % 12 == 11 ? ".\n" : " ");
  return text;
}

const char* const FITFILES[] = {"best.txt",        "bestMAP.TXT", "bestPHNTM.TXT",   "design.txt",
                                "designMAP.TXT",   "designPHNTM.TXT", "evaluations.csv", "fit.svg"};

class FitCommandTest : public testing::Test {
 protected:
  FitCommandTest() {
    session.addFile("target.txt", smallTarget(0));
    session.addFile("other.txt", smallTarget(3));
  }

  CommandResult run(const std::vector<std::string>& args) const { return runProgram(PLOMAR_BINARY, args, session.dir()); }

  CommandResult fit(const std::string& out, std::vector<std::string> options) const {
    std::vector<std::string> args{"fit", "--target", "target.txt", "--window", "50", "--out", out};
    args.insert(args.end(), options.begin(), options.end());
    return run(args);
  }

  void expectSameFolders(const std::string& a, const std::string& b) const {
    for (const char* name : FITFILES) {
      ASSERT_TRUE(session.exists(a + "/" + name)) << a << "/" << name;
      EXPECT_EQ(session.read(a + "/" + name), session.read(b + "/" + name)) << name;
    }
  }

  E2ESession session;
};

}  // namespace

TEST_F(FitCommandTest, OneWorkerAndTwoWorkersWriteTheSameBytes) {
  CommandResult one = fit("one", {"--budget", "23", "--jobs", "1"});
  ASSERT_EQ(one.exitStatus, 0) << one.err;
  CommandResult two = fit("two", {"--budget", "23", "--jobs", "2"});
  ASSERT_EQ(two.exitStatus, 0) << two.err;
  expectSameFolders("one", "two");
  // The line that opens the best on screen works as printed (keys piped).
  const std::string opening = std::string("cd one && ") + PLOMAR_BINARY + " open best.txt";
  ASSERT_NE(one.out.find(opening), std::string::npos) << one.out;
  CommandResult opened = runProgram("/bin/sh", {"-c", opening}, session.dir(), "EE");
  EXPECT_EQ(opened.exitStatus, 0) << opened.err;
  EXPECT_NE(opened.out.find("Total unique groups = "), std::string::npos);
  EXPECT_NE(one.out.find("\ndist "), std::string::npos) << one.out;

  SweepTable t = readSweepTable(session.read("one/evaluations.csv"), "t");
  ASSERT_EQ(t.rows.size(), 23u);
  EXPECT_NE(t.header.find(",dist,sweep,generation\n"), std::string::npos);
  EXPECT_NE(t.rows[0].text.find(",0\n"), std::string::npos);   // the design is generation 0
  EXPECT_NE(t.rows[22].text.find(",3\n"), std::string::npos);  // 1 + 10 + 10 + 2
  // best.txt is the set-up of the smallest dist.
  std::vector<SweepRow> best = bestRows(t.rows, 1);
  ASSERT_EQ(best.size(), 1u);
  std::string bestSetup = session.read("one/best.txt");
  bestSetup = bestSetup.substr(0, bestSetup.find("MAP = "));
  EXPECT_NE(best[0].text.find(bestSetup.substr(0, bestSetup.size() - 1)), std::string::npos) << bestSetup;
  // The picture: the best dist per evaluation, the lengths and ranks of the
  // target, the design and the best, and their z.
  const std::string svg = session.read("one/fit.svg");
  for (const char* part : {"Best dist so far", "Token lengths", "Rank and frequency", ">design<", ">best<", "z of each measure"})
    EXPECT_NE(svg.find(part), std::string::npos) << part;
  // Another seed searches elsewhere.
  ASSERT_EQ(fit("seed2", {"--budget", "23", "--seed", "2"}).exitStatus, 0);
  EXPECT_NE(session.read("seed2/evaluations.csv"), session.read("one/evaluations.csv"));
}

// The best replays in the program, fed the keys of `plomar keys`, to the
// files of `plomar block`; its groups measure as its row says.
TEST_F(FitCommandTest, TheBestReplaysOnScreenAsPlomarBlockWritesIt) {
  ASSERT_EQ(fit("f", {"--budget", "12"}).exitStatus, 0);
  std::filesystem::create_directory(session.dir() / "b");
  std::filesystem::create_directory(session.dir() / "k");
  for (const char* name : {"best.txt", "bestMAP.TXT", "bestPHNTM.TXT"}) {
    session.addFile(std::string("b/") + name, session.read(std::string("f/") + name));
    session.addFile(std::string("k/") + name, session.read(std::string("f/") + name));
  }
  CommandResult block = runProgram(PLOMAR_BINARY, {"block", "best.txt", "--prefix", "P"}, session.dir() / "b");
  ASSERT_EQ(block.exitStatus, 0) << block.err;
  CommandResult keys = runProgram(PLOMAR_BINARY, {"keys", "best.txt", "--prefix", "P"}, session.dir() / "k");
  ASSERT_EQ(keys.exitStatus, 0) << keys.err;
  CommandResult replay = runProgram(PLOMAR_BINARY, {}, session.dir() / "k", keys.out);
  ASSERT_EQ(replay.exitStatus, 0);
  for (const char* name : {"PCGB.txt", "PVOCGB.txt", "PIGB.txt"}) {
    ASSERT_TRUE(session.exists(std::string("k/") + name)) << name;
    EXPECT_EQ(session.read(std::string("b/") + name), session.read(std::string("k/") + name)) << name;
  }
  SweepTable t = readSweepTable(session.read("f/evaluations.csv"), "t");
  const std::string bestRow = bestRows(t.rows, 1).at(0).text;
  const std::string groups = std::to_string(linesOf(session.read("b/PGROUPS.txt")).size());
  EXPECT_NE(bestRow.find(",complete," + groups + ","), std::string::npos) << bestRow;
}

TEST_F(FitCommandTest, BudgetZeroWritesTheDesignOnly) {
  CommandResult r = fit("d", {"--budget", "0"});
  ASSERT_EQ(r.exitStatus, 0) << r.err;
  EXPECT_TRUE(session.exists("d/design.txt"));
  EXPECT_TRUE(session.exists("d/designMAP.TXT"));
  EXPECT_FALSE(session.exists("d/best.txt"));
  EXPECT_FALSE(session.exists("d/evaluations.csv"));
  EXPECT_EQ(runProgram(PLOMAR_BINARY, {"block", "design.txt"}, session.dir() / "d").exitStatus, 0);
}

TEST_F(FitCommandTest, BadInputIsOneLineAndExitTwoWithNothingOverwritten) {
  CommandResult r = fit("x", {"--budget", "many"});
  EXPECT_EQ(r.exitStatus, 2);
  EXPECT_EQ(r.err.rfind("plomar fit: --budget wants a whole number from 0 to 1000000, not 'many'\n", 0), 0u) << r.err;
  EXPECT_FALSE(session.exists("x"));

  session.addFile("short.txt", "only a few words here\n");
  r = run({"fit", "--target", "short.txt", "--out", "s"});
  EXPECT_EQ(r.exitStatus, 2);
  EXPECT_EQ(r.err, "plomar fit: short.txt: 5 tokens, too few for two windows of 50 tokens\n");
  EXPECT_FALSE(session.exists("s"));

  ASSERT_EQ(fit("f", {"--budget", "2"}).exitStatus, 0);
  const std::string table = session.read("f/evaluations.csv"), best = session.read("f/best.txt");
  for (const std::vector<std::string>& again : {std::vector<std::string>{"--budget", "2"},
                                                 std::vector<std::string>{"--budget", "3", "--resume"}}) {
    r = fit("f", again);
    EXPECT_EQ(r.exitStatus, 2);
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    EXPECT_EQ(r.err.rfind("plomar fit: f", 0), 0u) << r.err;
  }
  r = run({"fit", "--target", "other.txt", "--window", "50", "--out", "f", "--budget", "2", "--resume"});
  EXPECT_EQ(r.exitStatus, 2);
  EXPECT_EQ(r.err, "plomar fit: f/evaluations.csv: the table of another fit (target, comparison or options)\n");
  EXPECT_EQ(session.read("f/evaluations.csv"), table);
  EXPECT_EQ(session.read("f/best.txt"), best);
}

TEST_F(FitCommandTest, MergeKeepsTheBestAndRefusesAnotherComparison) {
  ASSERT_EQ(fit("s1", {"--budget", "11", "--seed", "1"}).exitStatus, 0);
  ASSERT_EQ(fit("s2", {"--budget", "11", "--seed", "2"}).exitStatus, 0);
  CommandResult r = run({"fit", "--merge", "s1", "s2", "--out", "m"});
  ASSERT_EQ(r.exitStatus, 0) << r.err;
  double d1 = bestRows(readSweepTable(session.read("s1/evaluations.csv"), "a").rows, 1).at(0).distance;
  double d2 = bestRows(readSweepTable(session.read("s2/evaluations.csv"), "b").rows, 1).at(0).distance;
  expectSameFolders("m", d2 < d1 ? "s2" : "s1");
  EXPECT_NE(r.out.find(d2 < d1 ? "s2" : "s1"), std::string::npos) << r.out;

  ASSERT_EQ(run({"fit", "--target", "other.txt", "--window", "50", "--out", "o", "--budget", "3"}).exitStatus, 0);
  ASSERT_EQ(fit("w", {"--budget", "3", "--measures", "ttr,h2"}).exitStatus, 0);
  for (const char* other : {"o", "w"}) {
    r = run({"fit", "--merge", "s1", other, "--out", "m2"});
    EXPECT_EQ(r.exitStatus, 1);
    EXPECT_EQ(r.err, std::string("plomar fit: ") + other + ": a fit of another target or comparison than s1\n");
    EXPECT_FALSE(session.exists("m2"));
  }
  r = run({"fit", "--merge", "s1", "s2", "--out", "m"});
  EXPECT_EQ(r.exitStatus, 2);
  EXPECT_EQ(run({"fit", "--merge", "--budget", "3", "s1"}).exitStatus, 2);
}

TEST_F(FitCommandTest, AnInterruptedFitResumesToTheSameBytes) {
  const std::vector<std::string> args{"fit", "--target", "target.txt", "--window", "50", "--budget", "40",
                                      "--jobs", "2", "--out", "i"};
  pid_t pid = startProgram(args, session.dir());
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  auto rows = [&] {
    return session.exists("i/evaluations.csv") ? readSweepTable(session.read("i/evaluations.csv"), "i").rows.size() : 0;
  };
  while (rows() < 14 && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  kill(pid, SIGINT);
  int status = 0;
  waitpid(pid, &status, 0);
  ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGINT) << "the fit was not interrupted: " << status;
  const std::string interrupted = session.read("i/evaluations.csv");
  SweepTable t = readSweepTable(interrupted, "i");
  EXPECT_EQ(t.completeBytes, interrupted.size());
  ASSERT_LT(t.rows.size(), 40u) << "the fit ended before the interrupt";
  EXPECT_TRUE(session.exists("i/best.txt"));

  std::vector<std::string> resume = args;
  resume.push_back("--resume");
  session.addFile("i/evaluations.csv", interrupted + "99,\"B = 1");  // a row cut off as well
  CommandResult r = run(resume);
  ASSERT_EQ(r.exitStatus, 0) << r.err;
  std::vector<std::string> whole = args;
  whole.back() = "whole";
  ASSERT_EQ(run(whole).exitStatus, 0);
  expectSameFolders("i", "whole");
}
