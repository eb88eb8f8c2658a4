// plomar sweep as a user runs it: real blocks generated and measured.
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <set>
#include <thread>

#include <gtest/gtest.h>

#include "setups/setupfixtures.hpp"
#include "steering/sweeptable.hpp"
#include "e2e/harness.hpp"

namespace {

// 2 x 3 points of small blocks: 50 to 60 groups, then 100 to 120.
const char* const SMALLSPACE =
    "# block sizes vary slowest\n"
    "B = 50,60 | 100,120\n"
    "G = 3,6,1\n"
    "V = 4,5\n"
    "X1 = 3.99..4 step 0.005,1e-15\n"
    "X2 = 3.9999,1e-22\n"
    "X3 = 3.99999,0.3\n";

// 100 words: windows of 50 tokens.
const char* const TARGET =
    "by moon and stars leaf wrote the leaf a moon by read leaf moon moon leaf in and by and\n"
    "ink in the wrote was scribe book the a leaf in old in hand and stars word scribe and leaf\n"
    "read a old book old ink in stars moon old by of the a was of moon word read a\n"
    "book word wrote leaf leaf wrote stars wrote old and the book old old word scribe scribe in of moon\n"
    "a ink by scribe book the wrote word moon scribe read old book a and scribe of of stars and\n";

class SweepCommandTest : public testing::Test {
 protected:
  SweepCommandTest() {
    session.addFile("space.txt", SMALLSPACE);
    session.addFile("target.txt", TARGET);
  }

  CommandResult run(const std::vector<std::string>& args) const { return runProgram(PLOMAR_BINARY, args, session.dir()); }

  CommandResult sweep(std::vector<std::string> options) const {
    std::vector<std::string> args{"sweep", "space.txt", "--target", "target.txt"};
    args.insert(args.end(), options.begin(), options.end());
    return run(args);
  }

  SweepTable table(const std::string& name) const { return readSweepTable(session.read(name), name); }

  E2ESession session;
};

}  // namespace

TEST_F(SweepCommandTest, OneWorkerTwoWorkersAndMergedShardsWriteTheSameBytes) {
  CommandResult one = sweep({"--jobs", "1", "--out", "one.csv"});
  ASSERT_EQ(one.exitStatus, 0) << one.err;
  EXPECT_EQ(one.out, "");
  EXPECT_NE(one.err.find("1. point "), std::string::npos) << one.err;
  // The best points' lines open the point on screen, with the program's name
  // as it was started; run as printed (keys piped), each shows its block.
  const std::string opening = std::string(PLOMAR_BINARY) + " open space.txt --point ";
  const size_t at = one.err.find(opening);
  ASSERT_NE(at, std::string::npos) << one.err;
  const std::string line = one.err.substr(at, one.err.find('\n', at) - at);
  CommandResult opened = runProgram("/bin/sh", {"-c", line}, session.dir(), "EE");
  EXPECT_EQ(opened.exitStatus, 0) << line << opened.err;
  EXPECT_NE(opened.out.find("Total unique groups = "), std::string::npos) << line;

  SweepTable t = table("one.csv");
  ASSERT_EQ(t.rows.size(), 6u);
  for (size_t i = 0; i < 6; ++i) {
    EXPECT_EQ(t.rows[i].point, i + 1);
    EXPECT_TRUE(t.rows[i].complete);
  }
  const std::string bytes = session.read("one.csv");
  EXPECT_EQ(bytes.substr(0, 33), "point,setup,status,groups,map_ste");

  EXPECT_EQ(sweep({"--jobs", "2", "--out", "two.csv"}).exitStatus, 0);
  EXPECT_EQ(session.read("two.csv"), bytes);
  CommandResult toStdout = sweep({"--jobs", "3"});
  EXPECT_EQ(toStdout.out, bytes);

  EXPECT_EQ(sweep({"--shard", "2/2", "--out", "b.csv"}).exitStatus, 0);
  EXPECT_EQ(sweep({"--shard", "1/2", "--jobs", "1", "--out", "a.csv"}).exitStatus, 0);
  EXPECT_EQ(table("a.csv").rows.size(), 3u);
  CommandResult merged = run({"sweep", "--merge", "b.csv", "a.csv", "--out", "merged.csv"});
  ASSERT_EQ(merged.exitStatus, 0) << merged.err;
  EXPECT_EQ(session.read("merged.csv"), bytes);
}

TEST_F(SweepCommandTest, ARowsSetUpPastedIntoAFileIsThePoint) {
  ASSERT_EQ(sweep({"--out", "t.csv"}).exitStatus, 0);
  CsvRecords csv = readCsvRecords(session.read("t.csv"));
  ASSERT_EQ(csv.records.size(), 7u);
  const std::string cell = csv.records[5][1];
  EXPECT_EQ(cell, "B = 100,120\nG = 3,6,1\nV = 4,5\nX1 = 3.995,1e-15\nX2 = 3.9999,1e-22\nX3 = 3.99999,0.3");
  session.addFile("pasted.txt", cell + "\n");
  CommandResult pasted = run({"keys", "pasted.txt"});
  CommandResult point = run({"keys", "space.txt", "--point", "5"});
  ASSERT_EQ(point.exitStatus, 0) << point.err;
  EXPECT_EQ(point.out, pasted.out);
  EXPECT_EQ(point.out.substr(0, 12), "GB100,120\nG3");
  CommandResult block = run({"block", "space.txt", "--point", "5", "--prefix", "p5"});
  ASSERT_EQ(block.exitStatus, 0) << block.err;
  EXPECT_TRUE(session.exists("p5GROUPS.txt"));
  EXPECT_EQ(run({"keys", "space.txt", "--point", "7"}).exitStatus, 2);
}

TEST_F(SweepCommandTest, APointOutOfStepsGetsItsRowAndTheSweepGoesOn) {
  // The blocks of 50 groups need about 7,900 map steps, those of 100 about 16,500.
  CommandResult r = sweep({"--max-steps", "10000", "--out", "t.csv"});
  ASSERT_EQ(r.exitStatus, 0) << r.err;
  SweepTable t = table("t.csv");
  ASSERT_EQ(t.rows.size(), 6u);
  CsvRecords csv = readCsvRecords(session.read("t.csv"));
  for (size_t i = 0; i < 6; ++i) {
    const std::vector<std::string>& row = csv.records[i + 1];
    EXPECT_EQ(t.rows[i].complete, i < 3);
    EXPECT_EQ(row[2], i < 3 ? "complete" : "out of steps");
    if (i < 3) continue;
    EXPECT_GT(std::stoi(row[3]), 0);       // groups reached
    EXPECT_LT(std::stoi(row[3]), 100);
    EXPECT_GE(std::stoull(row[4]), 10000u);  // map steps used
    EXPECT_EQ(row[5], "");                  // no yardsticks
    EXPECT_EQ(row[row.size() - 2], "");     // and no distance
  }
  EXPECT_NE(r.err.find("The best 3 of 6 points"), std::string::npos) << r.err;
}

TEST_F(SweepCommandTest, MergeRefusesTablesOfDifferentSweepsAndMissingShards) {
  session.addFile("other.txt", std::string(TARGET) + "and a few more words\n");
  ASSERT_EQ(sweep({"--shard", "1/2", "--out", "a.csv"}).exitStatus, 0);
  ASSERT_EQ(run({"sweep", "space.txt", "--target", "other.txt", "--shard", "2/2", "--out", "b.csv"})
                .exitStatus,
            0);
  CommandResult r = run({"sweep", "--merge", "a.csv", "b.csv", "--out", "m.csv"});
  EXPECT_EQ(r.exitStatus, 1);
  EXPECT_EQ(r.err, "plomar sweep: b.csv: point 2 belongs to another sweep\n");
  EXPECT_FALSE(session.exists("m.csv"));
  r = run({"sweep", "--merge", "a.csv"});
  EXPECT_EQ(r.exitStatus, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find("the files hold 3 of the sweep's 6 points"), std::string::npos) << r.err;
}

TEST_F(SweepCommandTest, ABadSpaceIsOneErrorLineAndNoTable) {
  session.addFile("bad.txt", "B = 20,30\nG = 3,6,1\nV = 4,5\nX1 = 3.9..4 , 0.3\n");
  CommandResult r = run({"sweep", "bad.txt", "--target", "target.txt", "--out", "t.csv"});
  EXPECT_EQ(r.exitStatus, 2);
  EXPECT_EQ(r.err, "plomar sweep: bad.txt:4: X1: the range 3.9..4 needs 'step S'\n");
  EXPECT_FALSE(session.exists("t.csv"));
  // A value the block menu refuses (K1 below 3.6) in one point of the space.
  session.addFile("low.txt", "B = 20,30\nG = 3,6,1\nV = 4,5\nX1 = 3.5..3.7 step 0.1,0.3\nX2 = 4,0.2\nX3 = 4,0.4\n");
  r = run({"sweep", "low.txt", "--target", "target.txt"});
  EXPECT_EQ(r.exitStatus, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err.rfind("plomar sweep: low.txt:4: X1: ", 0), 0u) << r.err;
  EXPECT_NE(r.err.find("(point 1)"), std::string::npos) << r.err;
  EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1);
}

TEST_F(SweepCommandTest, UsageErrorsAndHelp) {
  CommandResult help = run({"sweep", "--help"});
  EXPECT_EQ(help.exitStatus, 0);
  EXPECT_EQ(help.out.rfind("Usage: plomar sweep SPACE", 0), 0u);
  EXPECT_EQ(run({"sweep", "space.txt"}).exitStatus, 2);
  EXPECT_EQ(sweep({"--shard", "3/2"}).exitStatus, 2);
  EXPECT_EQ(sweep({"--resume"}).exitStatus, 2);
  EXPECT_EQ(sweep({"--seed", "4"}).exitStatus, 2);
  EXPECT_EQ(run({"sweep", "--merge", "--jobs", "2", "a.csv"}).exitStatus, 2);
  CommandResult r = sweep({"--measures", "ttr,colour"});
  EXPECT_EQ(r.exitStatus, 2);
  EXPECT_EQ(r.err.rfind("plomar sweep: unknown measure 'colour' in --measures\n", 0), 0u) << r.err;
}

TEST_F(SweepCommandTest, ASampleIsTheSamePointsOnEveryRun) {
  ASSERT_EQ(sweep({"--sample", "3", "--seed", "5", "--out", "s.csv"}).exitStatus, 0);
  SweepTable t = table("s.csv");
  ASSERT_EQ(t.rows.size(), 3u);
  EXPECT_LT(t.rows[0].point, t.rows[1].point);
  EXPECT_LT(t.rows[1].point, t.rows[2].point);
  EXPECT_EQ(sweep({"--sample", "3", "--seed", "5", "--jobs", "1"}).out, session.read("s.csv"));
  EXPECT_EQ(t.rows[0].sweep.substr(t.rows[0].sweep.find('/')), "/3");
}

namespace {

// Larger blocks, so that the sweep is still running when it is interrupted.
const char* const SLOWERSPACE =
    "B = 8000,8100\n"
    "G = 1,8,1\n"
    "V = 3,5\n"
    "X1 = 3.99..4 step 0.001,1e-15\n"
    "X2 = 3.9999,1e-22\n"
    "X3 = 3.99999,0.3\n";

size_t rowsOnDisk(const E2ESession& session, const std::string& name) {
  if (!session.exists(name)) return 0;
  size_t records = readCsvRecords(session.read(name)).records.size();
  return records > 0 ? records - 1 : 0;
}

}  // namespace

TEST_F(SweepCommandTest, AnInterruptedSweepResumesToTheSameBytes) {
  session.addFile("slow.txt", SLOWERSPACE);
  const std::vector<std::string> args{"sweep", "slow.txt", "--target", "target.txt", "--jobs", "2", "--out", "t.csv"};
  pid_t pid = startProgram(args, session.dir());
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (rowsOnDisk(session, "t.csv") < 2 && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  kill(pid, SIGINT);
  int status = 0;
  waitpid(pid, &status, 0);
  ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGINT) << "the sweep was not interrupted: " << status;

  const std::string interrupted = session.read("t.csv");
  SweepTable t = readSweepTable(interrupted, "t.csv");
  EXPECT_EQ(t.completeBytes, interrupted.size());  // no half row
  ASSERT_GE(t.rows.size(), 2u);
  ASSERT_LT(t.rows.size(), 11u) << "the sweep ended before the interrupt";
  for (size_t i = 0; i < t.rows.size(); ++i) EXPECT_EQ(t.rows[i].point, i + 1);

  // As if the machine had stopped in the middle of a row as well.
  session.addFile("t.csv", interrupted + "3,\"B = 8000,8100\nG = 1");
  std::vector<std::string> resume = args;
  resume.push_back("--resume");
  CommandResult r = run(resume);
  ASSERT_EQ(r.exitStatus, 0) << r.err;
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find("The best 10 of 11 points"), std::string::npos) << r.err;

  std::vector<std::string> whole = args;
  whole.back() = "whole.csv";
  ASSERT_EQ(run(whole).exitStatus, 0);
  EXPECT_EQ(session.read("t.csv"), session.read("whole.csv"));

  // Resuming a finished sweep computes nothing and changes nothing.
  EXPECT_EQ(run(resume).exitStatus, 0);
  EXPECT_EQ(session.read("t.csv"), session.read("whole.csv"));
  // Nor is the table of another sweep continued.
  resume[1] = "space.txt";
  EXPECT_EQ(run(resume).exitStatus, 1);
  EXPECT_EQ(session.read("t.csv"), session.read("whole.csv"));
}

TEST_F(SweepCommandTest, ComparisonOptionsDecideTheRowsAndTheFingerprint) {
  ASSERT_EQ(sweep({"--out", "plain.csv"}).exitStatus, 0);
  const std::string plain = session.read("plain.csv");
  const std::string header = plain.substr(0, plain.find('\n'));
  EXPECT_NE(header.find(",len_31,len_32plus,top,window,z_ttr,"), std::string::npos) << header;
  EXPECT_NE(header.find(",z_pos_bias,z_len_dist,dist,sweep"), std::string::npos) << header;
  SweepTable t = table("plain.csv");
  CsvRecords csv = readCsvRecords(plain);
  const size_t window = static_cast<size_t>(std::find(csv.records[0].begin(), csv.records[0].end(), "window") -
                                            csv.records[0].begin());
  EXPECT_EQ(csv.records[1][window], "50");  // half the target's 100 words
  // Each option that changes a row changes the fingerprint.
  std::vector<std::string> fingerprints{t.rows[0].sweep};
  for (const std::vector<std::string>& options :
       {std::vector<std::string>{"--window", "49"}, {"--drop", "x"}, {"--strip", "<>"}, {"--utf8"},
        {"--measures", "ttr,h3"}}) {
    std::vector<std::string> args = options;
    args.insert(args.end(), {"--out", "o.csv"});
    CommandResult r = sweep(args);
    if (options[0] == "--window") {  // below the least window
      EXPECT_EQ(r.exitStatus, 1);
      EXPECT_EQ(r.err, "plomar sweep: target.txt: 100 tokens, too few for two windows of 50 tokens\n");
      // Windows of 60 are what a longer target allows.
      session.addFile("long.txt", std::string(TARGET) + TARGET);
      r = run({"sweep", "space.txt", "--target", "long.txt", "--window", "60", "--out", "o.csv"});
    }
    ASSERT_EQ(r.exitStatus, 0) << r.err;
    fingerprints.push_back(table("o.csv").rows[0].sweep);
    for (size_t i = 0; i + 1 < fingerprints.size(); ++i) EXPECT_NE(fingerprints[i], fingerprints.back()) << options[0];
  }
  // The same text given as words: the same tokens here, another fingerprint.
  CommandResult words = run({"sweep", "space.txt", "--target-words", "target.txt", "--out", "w.csv"});
  ASSERT_EQ(words.exitStatus, 0) << words.err;
  EXPECT_NE(table("w.csv").rows[0].sweep, t.rows[0].sweep);
  EXPECT_EQ(table("w.csv").rows[3].distance, t.rows[3].distance);
}

TEST_F(SweepCommandTest, ATargetTooShortForTwoWindowsIsRefused) {
  session.addFile("short.txt", "only a few words here\n");
  CommandResult r = run({"sweep", "space.txt", "--target", "short.txt", "--out", "t.csv"});
  EXPECT_EQ(r.exitStatus, 1);
  EXPECT_EQ(r.err, "plomar sweep: short.txt: 5 tokens, too few for two windows of 50 tokens\n");
  EXPECT_FALSE(session.exists("t.csv"));
  // A block shorter than the window: its row says so, with no z.
  session.addFile("long.txt", std::string(TARGET) + TARGET + TARGET);
  CommandResult longer = run({"sweep", "space.txt", "--target", "long.txt", "--window", "90", "--jobs", "1"});
  ASSERT_EQ(longer.exitStatus, 0) << longer.err;
  CsvRecords csv = readCsvRecords(longer.out);
  ASSERT_EQ(csv.records.size(), 7u);
  EXPECT_EQ(csv.records[1][2], "shorter than a window");  // 50 groups
  EXPECT_EQ(csv.records[4][2], "complete");               // 100 groups
  SweepTable t = readSweepTable(longer.out, "out");
  EXPECT_FALSE(t.rows[0].complete);
  EXPECT_TRUE(t.rows[3].complete);
  EXPECT_NE(longer.err.find("The best 3 of 6 points"), std::string::npos) << longer.err;
}

// The map-scan controls take alternatives: with a map whose integers stand in
// several cells, each pair of controls makes its own block, and the row's
// set-up replays it.
TEST_F(SweepCommandTest, ScanControlsAreSweptLikeAnyValue) {
  session.addFile("testMAP.TXT", testMapFileText());
  session.addFile("scan.txt",
                  "MAP = testMAP.TXT\nB = 50,60\nG = 3,6,1\nV = 4,5\nX1 = 4,1e-15\nX2 = 3.9999,1e-22\n"
                  "X3 = 3.99999,0.3\nW = 114\nSCAN = C,B | R,L | C,L\n");
  CommandResult r = run({"sweep", "scan.txt", "--target", "target.txt", "--out", "scan.csv"});
  ASSERT_EQ(r.exitStatus, 0) << r.err;
  SweepTable t = table("scan.csv");
  ASSERT_EQ(t.rows.size(), 3u);
  std::set<std::string> measured;
  for (const SweepRow& row : t.rows) measured.insert(row.text.substr(row.text.find("complete,")));
  EXPECT_EQ(measured.size(), 3u) << "the scan controls changed no block";
  EXPECT_NE(t.rows[1].text.find("SCAN = R,L"), std::string::npos) << t.rows[1].text;
  CommandResult keys = run({"keys", "scan.txt", "--point", "2"});
  ASSERT_EQ(keys.exitStatus, 0) << keys.err;
  EXPECT_EQ(keys.out.substr(0, 3), "Lui");  // the map editor's toggles, before its file is loaded
}
