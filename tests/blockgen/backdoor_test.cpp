// The back door: its access key from the last run's frequency figures, and
// the record of one generation's average group sizes in prefix + "VGB.TXT".
#include <cstdio>
#include <filesystem>

#include <gtest/gtest.h>

#include "blockgen/blockconsole.hpp"
#include "blockgen/blockgen.hpp"
#include "blockgen/blockmenu.hpp"
#include "blockgen/generation.hpp"
#include "blockgen/generationsetup.hpp"
#include "chaosrun/chaosrun.hpp"
#include "shell/numberforms.hpp"
#include "state/blockgenstate.hpp"
#include "state/runstate.hpp"
#include "state/shellstate.hpp"
#include "support.hpp"

namespace {

// A number typed so that it reads back as exactly this double.
std::string exactText(double v) {
  char text[40];
  std::snprintf(text, sizeof text, "%.17g", v);
  return text;
}

// The key worked out from the run's integers alone: frequencies counted here,
// percentages (of N, times 100) compared with the smallest and largest
// frequency's shares.
double keyFromIntegers() {
  std::vector<int32_t> freq(static_cast<size_t>(RUN.IM) + 1, 0);
  for (int32_t i = 1; i <= RUN.N; ++i) ++freq[static_cast<size_t>(RUN.CF1INTEGERSTANK(i))];
  int32_t lo = freq[1], hi = freq[1];
  for (int32_t v = 1; v <= RUN.IM; ++v) {
    lo = std::min(lo, freq[static_cast<size_t>(v)]);
    hi = std::max(hi, freq[static_cast<size_t>(v)]);
  }
  auto share = [](int32_t f) { return static_cast<double>(static_cast<long double>(f) / RUN.N); };
  if (lo == hi) return share(hi);
  double key = share(lo);
  for (int32_t v = 1; v <= RUN.IM; ++v) {
    double percent = static_cast<double>(static_cast<long double>(freq[static_cast<size_t>(v)]) / RUN.N * 100.0L);
    if (percent > key && percent < share(hi)) key = percent;
  }
  return key;
}

// The record lines a generation of this set-up writes: one per recount that
// finds a group. A pass after the first opens with a recount (the value of the
// last line again), then one after the store, and one after a removal. The
// average right after the store of a pass that removed is not seen from here:
// empty text.
std::vector<std::string> expectedRecord() {
  std::vector<std::string> lines;
  std::string last;
  STARTBLOKGENERATION();
  for (int pass = 1;; ++pass) {
    if (pass > 1) lines.push_back(last);
    GenAdvance a = ADVANCEBLOKGENERATION();
    if (a == GenAdvance::Cancelled) return {};
    if (a == GenAdvance::Removed) lines.push_back("");
    last = floatForm(GEN.AVGGROUPSIZE);
    lines.push_back(last);
    if (a == GenAdvance::Complete) break;
  }
  ABORTBLOKGENERATION();
  return lines;
}

}  // namespace

TEST(BackDoorKey, DerivedFromTheRunsFiguresComputedAfresh) {
  Session s;
  ASSERT_TRUE(makeChaosRun(4.0, 0.3, 38, 100, 0));
  EXPECT_EQ(backDoorAccessKey(), keyFromIntegers());  // 0 when an integer never occurs
  ASSERT_TRUE(makeChaosRun(4.0, 0.3, 5, 100, 0));
  EXPECT_GT(backDoorAccessKey(), 0);
  EXPECT_EQ(backDoorAccessKey(), keyFromIntegers());
  // Figures an earlier "F" left for a shorter run do not matter.
  RUN.CF1FREQPERCENTSTANK.resize(0, 5);
  RUN.MINFREQPERCENT = 7;
  ASSERT_TRUE(makeChaosRun(3.9, 0.226, 1000, 300, 0));
  EXPECT_EQ(backDoorAccessKey(), keyFromIntegers());
  EXPECT_EQ(RUN.SAVERUNFREQSFLAG, 0);

  // Integer 1 once, 2 150 times, 3 never: the percentage of 1 lies between the
  // shares of the smallest (0) and largest frequency.
  std::vector<int32_t> integers(150, 2);
  integers.push_back(1);
  setRun(3, integers);
  double key = backDoorAccessKey();
  EXPECT_EQ(key, static_cast<double>(1.0L / 151 * 100.0L));
  EXPECT_EQ(key, keyFromIntegers());
  // Every frequency equal: the largest frequency's share.
  setRun(2, {1, 2, 2, 1});
  EXPECT_EQ(backDoorAccessKey(), 0.5);
}

TEST(BackDoor, RefusesWithoutARunAndAnyOtherNumber) {
  Session s;
  s.type("0.5\n");
  BACKDOOR();
  EXPECT_EQ(s.row(31), " Developer's BACK DOOR :");
  EXPECT_EQ(s.colorAt(31, 2), SHELL.BLCOLOR);
  EXPECT_EQ(s.row(33), " If Access is obtained and a valid command is issued, the asterisk will change color.");
  EXPECT_EQ(s.row(35), " Enter the Back-Door Access-Key in Quellinese : 0.5");
  EXPECT_EQ(GEN.BACKDOORACCESSFLAG, 0);

  ASSERT_TRUE(makeChaosRun(4.0, 0.3, 5, 100, 0));
  const double key = backDoorAccessKey();
  ASSERT_GT(key, 0);
  for (std::string typed : {std::string("0"), std::string("-1"), exactText(key * 1.0000001), std::string("x")}) {
    s.type(typed + "\n");
    BACKDOOR();
    EXPECT_EQ(GEN.BACKDOORACCESSFLAG, 0) << typed;
    EXPECT_EQ(GEN.BDSTATUSCOLOR, SHELL.WBCOLOR) << typed;
  }
  EXPECT_TRUE(s.keys().empty());
}

TEST(BackDoor, RecordsOneGenerationOnly) {
  TempDir dir;
  BlockConsole c;
  // A narrow average: groups are removed on the way.
  applySetup({.loBlock = 10, .hiBlock = 14, .activeSizes = {2, 3, 4, 5, 6}, .loAvg = 4.6f, .hiAvg = 4.8f});
  ASSERT_TRUE(makeChaosRun(4.0, 0.3, 5, 100, 0));  // every integer occurs: a key above 0
  const std::vector<std::string> expected = expectedRecord();
  ASSERT_FALSE(expected.empty());
  const std::string key = exactText(backDoorAccessKey());

  c.type("*" + key + "\nrec\n ");  // the key after the pause passes on: a blank does nothing
  c.type("HNN");
  c.type("B12,16\nHNNE");  // another block, not recorded
  MAKESPECIFIEDBLOCKOFGROUPS();

  const size_t armedMenu = key.size() + 7;
  ASSERT_GT(c.waits().size(), armedMenu + 3);
  EXPECT_EQ(c.waits()[armedMenu].screen.colorAt(2, 96), SHELL.VLCOLOR);
  EXPECT_EQ(c.waits()[armedMenu + 3].screen.colorAt(2, 96), SHELL.WBCOLOR);
  EXPECT_EQ(c.waits()[armedMenu - 1].row(37), " OK, we're in through the Back-Door.");
  EXPECT_EQ(c.waits()[armedMenu - 1].row(46), " Press a key to continue");
  EXPECT_EQ(c.waits()[armedMenu - 1].screen.colorAt(46, 2), SHELL.VLCOLOR);
  EXPECT_EQ(GEN.BACKDOORACCESSFLAG, 0);
  EXPECT_EQ(GEN.BDSTATUSCOLOR, SHELL.WBCOLOR);
  EXPECT_EQ(GEN.HAVEBLOKFLAG, 1);
  EXPECT_EQ(GEN.BLOKSETUP.LOBLOKSIZE, 12);

  std::vector<std::string> lines = linesOf(dir.read("recVGB.TXT"));
  ASSERT_EQ(lines.size(), expected.size());
  int removals = 0;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (expected[i].empty()) {
      ++removals;
      EXPECT_EQ(lines[i][0], ' ') << i;
    } else {
      EXPECT_EQ(lines[i], expected[i]) << i;
    }
  }
  EXPECT_GT(removals, 0);
}

TEST(BackDoor, RecordFileThatCannotBeCreatedKeepsTheBlock) {
  TempDir dir;
  BlockConsole c;
  applySetup(GenSetup{});
  ASSERT_TRUE(makeChaosRun(4.0, 0.3, 5, 100, 0));
  c.type("HNN*" + exactText(backDoorAccessKey()) + "\nnodir/x\n ");
  c.type("H E");  // the failure waits for a key
  MAKESPECIFIEDBLOCKOFGROUPS();
  EXPECT_NE(c.output().find(" cannot create: nodir/xVGB.TXT"), std::string::npos);
  EXPECT_EQ(GEN.HAVEBLOKFLAG, 1);
  EXPECT_EQ(GEN.PROGRESSINDICATOR, 20);
  EXPECT_EQ(GEN.BACKDOORACCESSFLAG, 1);  // still armed: a new entry can name another file
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}
