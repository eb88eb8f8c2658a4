// plomar sweep under faults: huge spaces and ranges under an address-space
// limit, too few file descriptors, a table that is not a table, an
// interruption while an early point is slow, a locked table, a killed sweep.
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include <gtest/gtest.h>

#include "e2e/harness.hpp"
#include "steering/sweeptable.hpp"

namespace {

using Clock = std::chrono::steady_clock;

// Long enough for two windows of the comparison's smallest size.
const std::string TARGET = [] {
  std::string text;
  for (int i = 0; i < 40; ++i) text += "the scribe wrote " + std::to_string(i % 7) + " words and read them\n";
  return text;
}();

// 1001 x 1001 x 1001 points of small blocks.
const char* const HUGESPACE =
    "B = 20,30\n"
    "G = 3,6,1\n"
    "V = 4,5\n"
    "X1 = 3.99..4 step 0.00001,1e-15\n"
    "X2 = 3.98..3.99 step 0.00001,1e-22\n"
    "X3 = 3.97..3.98 step 0.00001,0.3\n";

// Point 1 is a large block that cannot reach its average group size and runs
// until its map steps are spent (about a second at 100,000,000); points 2 to
// 6 are small blocks done in milliseconds.
const char* const SLOWFIRSTSPACE =
    "X1 = 3.99,1e-15\n"
    "X2 = 3.9999,1e-22\n"
    "X3 = 3.99999,0.3\n"
    "G = 1,10,1\n"
    "V = 9,10\n"
    "B = 27000,27300 | 20,30 | 21,30 | 22,30 | 23,30 | 24,30\n";

struct Limit {
  int resource = -1;  // none
  rlim_t value = 0;
};

// `plomar ARGS` started in the session's directory under the limit, its
// standard output and error going to the files out.txt and err.txt there.
pid_t startPlomar(const E2ESession& session, const std::vector<std::string>& args, Limit limit = {}) {
  std::vector<char*> argv{const_cast<char*>(PLOMAR_BINARY)};
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  pid_t pid = fork();
  if (pid == 0) {
    if (chdir(session.dir().c_str()) != 0) _exit(126);
    int out = open("out.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
    int err = open("err.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
    int in = open("/dev/null", O_RDONLY);
    if (out < 0 || err < 0 || in < 0) _exit(125);
    dup2(in, STDIN_FILENO);
    dup2(out, STDOUT_FILENO);
    dup2(err, STDERR_FILENO);
    close_range(STDERR_FILENO + 1, ~0U, 0);  // nothing of the test's files
    if (limit.resource >= 0) {
      rlimit r{limit.value, limit.value};
      if (setrlimit(limit.resource, &r) != 0) _exit(124);
    }
    execv(PLOMAR_BINARY, argv.data());
    _exit(127);
  }
  return pid;
}

// The exit status, 128 + s for a program ended by signal s.
int waitFor(pid_t pid) {
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

CommandResult runLimited(const E2ESession& session, const std::vector<std::string>& args, Limit limit = {}) {
  CommandResult r;
  r.exitStatus = waitFor(startPlomar(session, args, limit));
  r.out = session.read("out.txt");
  r.err = session.read("err.txt");
  return r;
}

size_t rowsIn(const E2ESession& session, const std::string& name) {
  if (!session.exists(name)) return 0;
  size_t records = readCsvRecords(session.read(name)).records.size();
  return records > 0 ? records - 1 : 0;
}

// Waits (at most `seconds`) until `ready` holds.
template <typename Ready>
bool waitUntil(Ready ready, int seconds) {
  auto deadline = Clock::now() + std::chrono::seconds(seconds);
  while (!ready()) {
    if (Clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  return true;
}

const Limit ONEGIGABYTE{RLIMIT_AS, rlim_t{1} << 30};

class SweepFaultTest : public testing::Test {
 protected:
  SweepFaultTest() { session.addFile("target.txt", TARGET); }

  std::vector<std::string> sweepArgs(const std::string& space, std::vector<std::string> options) const {
    std::vector<std::string> args{"sweep", space, "--target", "target.txt"};
    args.insert(args.end(), options.begin(), options.end());
    return args;
  }

  E2ESession session;
};

}  // namespace

TEST_F(SweepFaultTest, ARangeOfTooManyValuesIsRefusedAtOnceInLittleMemory) {
  if (SANITIZED_BUILD) GTEST_SKIP() << "the sanitizers' shadow memory needs the whole address space";
  // The span overflows 64-bit arithmetic; one step less is as plainly too many values.
  for (const char* range : {"-4611686018427387904..4611686018427387904 step 1", "-4611686018427387904..4611686018427387903 step 1",
                            "0..9223372036854775807 step 1", "1e-18..4 step 1e-18"}) {
    session.addFile("huge.txt", std::string("B = 20,30\nG = 3,6,1\nV = 4,5\nX1 = ") + range + ",0.3\n");
    const std::string line = "huge.txt:4: X1: ";
    CommandResult r = runLimited(session, sweepArgs("huge.txt", {"--out", "t.csv"}), ONEGIGABYTE);
    EXPECT_EQ(r.exitStatus, 2) << range;
    EXPECT_EQ(r.err.rfind("plomar sweep: " + line, 0), 0u) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    EXPECT_FALSE(session.exists("t.csv"));
    for (const char* command : {"keys", "block"}) {
      r = runLimited(session, {command, "huge.txt", "--point", "1"}, ONEGIGABYTE);
      EXPECT_EQ(r.exitStatus, 2) << command << " " << range;
      EXPECT_EQ(r.err.rfind(std::string("plomar ") + command + ": " + line, 0), 0u) << r.err;
    }
  }
}

TEST_F(SweepFaultTest, AHugeSpaceOrAHugeSampleStartsWritingRowsAtOnce) {
  if (SANITIZED_BUILD) GTEST_SKIP() << "the sanitizers' shadow memory needs the whole address space";
  session.addFile("huge.txt", HUGESPACE);
  for (const std::vector<std::string>& options :
       {std::vector<std::string>{}, std::vector<std::string>{"--sample", "100000000"}}) {
    const std::string out = options.empty() ? "all.csv" : "sample.csv";
    std::vector<std::string> args = sweepArgs("huge.txt", {"--jobs", "2", "--out", out});
    args.insert(args.end(), options.begin(), options.end());
    pid_t pid = startPlomar(session, args, ONEGIGABYTE);
    bool started = waitUntil([&] { return rowsIn(session, out) >= 3; }, 20);
    kill(pid, SIGTERM);
    EXPECT_EQ(waitFor(pid), 128 + SIGTERM);
    ASSERT_TRUE(started) << session.read("err.txt");
    const std::string err = session.read("err.txt");
    const std::string total = options.empty() ? "1003003001" : "100000000";
    EXPECT_NE(err.find("interrupted after "), std::string::npos) << err;
    EXPECT_NE(err.find(" of " + total + " points"), std::string::npos) << err;
    SweepTable t = readSweepTable(session.read(out), out);
    for (size_t i = 1; i < t.rows.size(); ++i) EXPECT_LT(t.rows[i - 1].point, t.rows[i].point);
    if (options.empty()) {
      EXPECT_EQ(t.rows[2].point, 3u);
    }
    EXPECT_EQ(t.rows[0].sweep.substr(t.rows[0].sweep.find('/')), "/" + total);
  }
}

TEST_F(SweepFaultTest, ResumeLeavesAFileThatIsNotThisSweepsTableAsItWas) {
  session.addFile("space.txt", "B = 20,30\nG = 3,6,1\nV = 4,5\nX1 = 3.99,1e-15\nX2 = 3.9999,1e-22\nX3 = 3.99999,0.3\n");
  for (const std::string notes : {"Things to try next week: the larger blocks", "\"an unclosed quote,\nthen more\n",
                                  "point,setup\n1,2\n"}) {
    session.addFile("notes.csv", notes);
    CommandResult r = runLimited(session, sweepArgs("space.txt", {"--out", "notes.csv", "--resume"}));
    EXPECT_EQ(r.exitStatus, 1);
    EXPECT_EQ(r.err.rfind("plomar sweep: notes.csv: ", 0), 0u) << r.err;
    EXPECT_NE(r.err.find("it is left as it is\n"), std::string::npos) << r.err;
    EXPECT_EQ(session.read("notes.csv"), notes);
    EXPECT_FALSE(session.exists("notes.csv.journal"));
  }
  // An empty file is continued.
  session.addFile("empty.csv", "");
  CommandResult r = runLimited(session, sweepArgs("space.txt", {"--out", "empty.csv", "--resume"}));
  EXPECT_EQ(r.exitStatus, 0) << r.err;
  EXPECT_EQ(rowsIn(session, "empty.csv"), 1u);
}

namespace {

// The row's map_steps field made `steps`: a row that no computation gives.
std::string withMapSteps(const std::string& row, const std::string& steps) {
  size_t status = row.find("\",", row.find(",\"") + 2) + 2;  // after the quoted set-up
  size_t groups = row.find(',', status) + 1;
  size_t mapSteps = row.find(',', groups) + 1;
  size_t end = row.find(',', mapSteps);
  return row.substr(0, mapSteps) + steps + row.substr(end);
}

}  // namespace

TEST_F(SweepFaultTest, AnInterruptionKeepsRowsFinishedBeforeASlowPointAndResumeDoesNotComputeThemAgain) {
  session.addFile("slow.txt", SLOWFIRSTSPACE);
  const std::vector<std::string> args =
      sweepArgs("slow.txt", {"--jobs", "2", "--max-steps", "100000000", "--out", "t.csv"});
  pid_t pid = startPlomar(session, args);
  // The journal holds rows without a header.
  bool early = waitUntil([&] { return rowsIn(session, "t.csv.journal") + 1 >= 5; }, 20);
  kill(pid, SIGHUP);
  EXPECT_EQ(waitFor(pid), 128 + SIGHUP);
  ASSERT_TRUE(early) << session.read("err.txt");
  EXPECT_EQ(session.read("err.txt"),
            "plomar sweep: interrupted after 5 of 6 points; the same command with --resume continues t.csv\n");
  EXPECT_EQ(rowsIn(session, "t.csv"), 0u);  // point 1 was not done: the table waits for it

  // Rows 2 to 6 are in the journal; one is marked so that a recomputed row would show.
  const std::string journal = session.read("t.csv.journal");
  CsvRecords records = readCsvRecords(journal);
  ASSERT_EQ(records.texts.size(), 5u);
  std::string marked;
  for (const std::string& row : records.texts) marked += row.rfind("4,", 0) == 0 ? withMapSteps(row, "777") : row;
  ASSERT_NE(marked, journal);
  session.addFile("t.csv.journal", marked);

  std::vector<std::string> resume = args;
  resume.push_back("--resume");
  CommandResult r = runLimited(session, resume);
  ASSERT_EQ(r.exitStatus, 0) << r.err;
  EXPECT_FALSE(session.exists("t.csv.journal"));
  std::vector<std::string> whole = args;
  whole.back() = "whole.csv";
  ASSERT_EQ(runLimited(session, whole).exitStatus, 0);
  std::vector<std::string> expected = readCsvRecords(session.read("whole.csv")).texts;
  ASSERT_EQ(expected.size(), 7u);
  expected[4] = withMapSteps(expected[4], "777");
  EXPECT_EQ(readCsvRecords(session.read("t.csv")).texts, expected);
}

TEST_F(SweepFaultTest, MergeRefusesShardsThatHoldOnlyTheirHeaders) {
  session.addFile("space.txt", "B = 20,30\nG = 3,6,1\nV = 4,5\nX1 = 3.99..4 step 0.005,1e-15\nX2 = 3.9999,1e-22\nX3 = 3.99999,0.3\n");
  ASSERT_EQ(runLimited(session, sweepArgs("space.txt", {"--shard", "7/8", "--out", "s7.csv"})).exitStatus, 0);
  ASSERT_EQ(runLimited(session, sweepArgs("space.txt", {"--shard", "8/8", "--out", "s8.csv"})).exitStatus, 0);
  EXPECT_EQ(rowsIn(session, "s7.csv"), 0u);
  CommandResult r = runLimited(session, {"sweep", "--merge", "s7.csv", "s8.csv", "--out", "m.csv"});
  EXPECT_EQ(r.exitStatus, 1);
  EXPECT_EQ(r.err, "plomar sweep: the files hold no row (only headers: every shard is empty)\n");
  EXPECT_FALSE(session.exists("m.csv"));
  ASSERT_EQ(runLimited(session, sweepArgs("space.txt", {"--shard", "1/8", "--out", "s1.csv"})).exitStatus, 0);
  r = runLimited(session, {"sweep", "--merge", "s7.csv", "s1.csv"});
  EXPECT_EQ(r.exitStatus, 1);
  EXPECT_EQ(r.err, "plomar sweep: the files hold 1 of the sweep's 3 points (a shard is missing)\n");
}

TEST_F(SweepFaultTest, ATableInUseIsLeftAloneAndItsHolderNamed) {
  session.addFile("space.txt", "B = 20,30\nG = 3,6,1\nV = 4,5\nX1 = 3.99,1e-15\nX2 = 3.9999,1e-22\nX3 = 3.99999,0.3\n");
  session.addFile("t.csv", "point,setup\n");
  session.addFile("t.csv.journal", "a journal of the sweep that runs\n");
  int fd = open((session.dir() / "t.csv").c_str(), O_RDONLY);
  ASSERT_EQ(flock(fd, LOCK_EX | LOCK_NB), 0);
  const std::string refused = "plomar sweep: t.csv: another sweep is writing it (process " + std::to_string(getpid()) +
                              "); it is left as it is\n";
  for (const std::vector<std::string>& args :
       {sweepArgs("space.txt", {"--out", "t.csv"}), sweepArgs("space.txt", {"--out", "t.csv", "--resume"})}) {
    CommandResult r = runLimited(session, args);
    EXPECT_EQ(r.exitStatus, 1);
    EXPECT_EQ(r.err, refused);
    EXPECT_EQ(session.read("t.csv"), "point,setup\n");
    EXPECT_EQ(session.read("t.csv.journal"), "a journal of the sweep that runs\n");
  }
  ASSERT_EQ(runLimited(session, sweepArgs("space.txt", {"--out", "done.csv"})).exitStatus, 0);
  CommandResult r = runLimited(session, {"sweep", "--merge", "done.csv", "--out", "t.csv"});
  EXPECT_EQ(r.exitStatus, 1);
  EXPECT_EQ(r.err, refused);
  EXPECT_EQ(session.read("t.csv"), "point,setup\n");
  close(fd);
  EXPECT_EQ(runLimited(session, sweepArgs("space.txt", {"--out", "t.csv"})).exitStatus, 0);
  EXPECT_EQ(session.read("t.csv"), session.read("done.csv"));
  EXPECT_FALSE(session.exists("t.csv.journal"));
}

namespace {

// The processes whose parent is `parent`.
std::vector<pid_t> childrenOf(pid_t parent) {
  std::vector<pid_t> children;
  DIR* proc = opendir("/proc");
  while (dirent* entry = proc != nullptr ? readdir(proc) : nullptr) {
    pid_t pid = static_cast<pid_t>(std::atol(entry->d_name));
    if (pid <= 0) continue;
    std::string stat;
    try {
      stat = fileBytes("/proc/" + std::to_string(pid) + "/stat");
    } catch (...) {
      continue;
    }
    // "pid (name) state ppid ..."
    size_t after = stat.rfind(')');
    if (after != std::string::npos && std::atol(stat.c_str() + after + 4) == parent) children.push_back(pid);
  }
  if (proc != nullptr) closedir(proc);
  return children;
}

bool running(pid_t pid) {
  std::string stat;
  try {
    stat = fileBytes("/proc/" + std::to_string(pid) + "/stat");
  } catch (...) {
    return false;
  }
  size_t after = stat.rfind(')');
  return !stat.empty() && after != std::string::npos && stat[after + 2] != 'Z';
}

}  // namespace

TEST_F(SweepFaultTest, WorkersEndWithAKilledSweep) {
  session.addFile("slow.txt", SLOWFIRSTSPACE);
  // Points 1 and 2 each keep a worker busy for seconds.
  pid_t pid = startPlomar(session, sweepArgs("slow.txt", {"--jobs", "2", "--max-steps", "4000000000", "--out", "t.csv"}));
  std::vector<pid_t> workers;
  bool started = waitUntil([&] { return (workers = childrenOf(pid)).size() == 2; }, 10);
  kill(pid, SIGKILL);
  EXPECT_EQ(waitFor(pid), 128 + SIGKILL);
  ASSERT_TRUE(started);
  EXPECT_TRUE(waitUntil([&] { return !running(workers[0]) && !running(workers[1]); }, 3))
      << "a worker outlived its sweep";
}

TEST_F(SweepFaultTest, TooFewFileDescriptorsForTheWorkersAsked) {
  session.addFile("space.txt", "B = 20,30\nG = 3,6,1\nV = 4,5\nX1 = 3.99..4 step 0.0001,1e-15\nX2 = 3.9999,1e-22\nX3 = 3.99999,0.3\n");
  ASSERT_EQ(runLimited(session, sweepArgs("space.txt", {"--jobs", "1", "--out", "one.csv"})).exitStatus, 0);
  // Each worker takes two descriptors: about 30 start under a limit of 64.
  CommandResult r = runLimited(session, sweepArgs("space.txt", {"--jobs", "500", "--out", "t.csv"}), {RLIMIT_NOFILE, 64});
  ASSERT_EQ(r.exitStatus, 0) << r.err;
  EXPECT_NE(r.err.find("plomar sweep: started "), std::string::npos) << r.err;
  EXPECT_NE(r.err.find(" of 101 workers (cannot make a pipe: Too many open files); going on with "), std::string::npos)
      << r.err;
  EXPECT_EQ(session.read("t.csv"), session.read("one.csv"));
  // No worker at all: the table that was there is not touched.
  r = runLimited(session, sweepArgs("space.txt", {"--jobs", "2", "--out", "t.csv"}), {RLIMIT_NOFILE, 5});
  EXPECT_EQ(r.exitStatus, 1);
  EXPECT_EQ(r.err, "plomar sweep: cannot start a worker (cannot make a pipe: Too many open files)\n");
  EXPECT_EQ(session.read("t.csv"), session.read("one.csv"));
}

TEST_F(SweepFaultTest, ACombinationTheBlockMenuRefusesEndsTheSweepAfterThePointsBeforeIt) {
  // Each value is fine with the first values of the other lines; sizes 3 to 6
  // with an average of 1.5 to 2 are not.
  session.addFile("combo.txt", "B = 20,30\nG = 1,6,1 | 3,6,1\nV = 4,5 | 1.5,2\nX1 = 3.99,1e-15\nX2 = 3.9999,1e-22\n"
                               "X3 = 3.99999,0.3\n");
  CommandResult r = runLimited(session, sweepArgs("combo.txt", {"--jobs", "2", "--out", "t.csv"}));
  EXPECT_EQ(r.exitStatus, 2);
  EXPECT_EQ(r.err.rfind("plomar sweep: combo.txt:3: V: refused: ", 0), 0u) << r.err;
  EXPECT_NE(r.err.find(" (point 4)\n"), std::string::npos) << r.err;
  SweepTable t = readSweepTable(session.read("t.csv"), "t.csv");
  ASSERT_EQ(t.rows.size(), 3u);
  EXPECT_EQ(t.rows[2].point, 3u);
  EXPECT_FALSE(session.exists("t.csv.journal"));
}
