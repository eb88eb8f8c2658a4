// "R": the prompt, the run it makes, and the way out for seeds that never yield.
#include <gtest/gtest.h>

#include "chaosrun/chaosrun.hpp"
#include "shell/numberforms.hpp"
#include "state/runstate.hpp"
#include "state/shellstate.hpp"
#include "support.hpp"

namespace {

const char* const RUNPROMPT = " Enter 3.5<=K<=4, 0<X<1, Max integer (<32768), No. of integers (<32768) : ";

std::vector<int32_t> runIntegers() {
  std::vector<int32_t> v;
  for (int32_t i = 1; i <= RUN.N; ++i) v.push_back(RUN.CF1INTEGERSTANK(i));
  return v;
}

}  // namespace

TEST(ChaosRun, InvalidEntriesAskAgainUntilValid) {
  Session s;
  s.type("3.4,0.3,38,100\n4.01,0.3,38,100\n4,0,38,100\n4,1,38,100\n4,0.3,1,100\n4,0.3,32768,100\n"
         "4,0.3,38,1\n4,0.3,38,32768\n4\n\n4,0.3,38,100,9\n");
  DOCHAOSRUN();
  EXPECT_TRUE(s.keys().empty());
  EXPECT_EQ(occurrences(s.output(), std::string("\r\n") + RUNPROMPT), 11u);
  EXPECT_EQ(RUN.RUNFLAG, 1);
  EXPECT_EQ(RUN.K, 4.0);
  EXPECT_EQ(RUN.X, 0.3);
  EXPECT_EQ(RUN.IM, 38);
  EXPECT_EQ(RUN.N, 100);
}

TEST(ChaosRun, LimitsOfTheRangesAreAccepted) {
  Session s;
  s.type("3.5,0.999,2,2\n");
  DOCHAOSRUN();
  EXPECT_EQ(RUN.RUNFLAG, 1);
  EXPECT_EQ(RUN.IM, 2);
  EXPECT_EQ(RUN.N, 2);
}

TEST(ChaosRun, MakesTheRunAndKeepsTheSeed) {
  Session s;
  s.type("4,0.3,38,100\n");
  DOCHAOSRUN();
  ASSERT_EQ(RUN.RUNFLAG, 1);
  EXPECT_EQ(RUN.CF1INTEGERSTANK.hi(), 100);
  EXPECT_EQ(RUN.CF1FREQSTANK.hi(), 100);
  std::vector<int32_t> v = runIntegers();
  // The first integers as worked out with 80-bit arithmetic emulated in exact
  // fractions, independently of this program.
  std::vector<int32_t> first(v.begin(), v.begin() + 12);
  EXPECT_EQ(first, (std::vector<int32_t>{3, 13, 9, 2, 1, 15, 35, 9, 19, 11, 2, 2}));
  long sum = 0;
  for (int32_t x : v) {
    EXPECT_GE(x, 1);
    EXPECT_LE(x, 38);
    sum += x;
  }
  EXPECT_EQ(sum, 1549);
  EXPECT_EQ(doubleForm(RUN.RUNAVG), " 15.49");
  EXPECT_EQ(RUN.IGCOUNT, 100);
  EXPECT_EQ(RUN.X, 0.3);
  EXPECT_EQ(RUN.Y, 0.4910350776985018);  // the last map value of the run
  EXPECT_EQ(RUN.IG, v.back());
  EXPECT_EQ(RUN.A, 2.0f);
  EXPECT_EQ(RUN.B, 2.0f);
}

TEST(ChaosRun, SameValuesGiveTheSameRunAndEachRunCounts) {
  Session s;
  s.type("3.9,0.226,1000,300\n3.9,0.226,1000,300\n");
  DOCHAOSRUN();
  std::vector<int32_t> first = runIntegers();
  DOCHAOSRUN();
  EXPECT_EQ(runIntegers(), first);
  EXPECT_EQ(RUN.RUNFLAG, 2);
  s.type("4,0.3,38,50\n");
  DOCHAOSRUN();
  EXPECT_EQ(RUN.N, 50);
  EXPECT_EQ(RUN.CF1INTEGERSTANK.hi(), 50);
  EXPECT_EQ(RUN.RUNFLAG, 3);
}

TEST(ChaosRun, AnOrbitThatNeverYieldsIsAbandonedAndTheLastRunKept) {
  Session s;
  s.type("4,0.3,38,100\n");
  DOCHAOSRUN();
  const RunState before = RUN;
  // X = 0.5 reaches Y = 0 (every candidate 1); X = 1 - 1/K = 0.75 is a fixed
  // point whose candidate exceeds IM + 1.
  for (const char* seed : {"4,0.5,38,100\n", "4,0.75,38,100\n"}) {
    s.type(seed);
    DOCHAOSRUN();
    EXPECT_TRUE(s.keys().empty());
    int row = s.findRow(" Run abandoned: 1000000 candidates in a row were rejected.");
    ASSERT_GT(row, 0) << seed;
    EXPECT_EQ(s.colorAt(row, 2), SHELL.RDCOLOR);
    EXPECT_EQ(con::currentColor(), SHELL.NCOLOR);
    EXPECT_EQ(RUN.RUNFLAG, 1);
    EXPECT_EQ(RUN.X, before.X);
    EXPECT_EQ(RUN.N, before.N);
    EXPECT_EQ(RUN.Y, before.Y);
    EXPECT_EQ(RUN.RUNAVG, before.RUNAVG);
    EXPECT_EQ(runIntegers().size(), 100u);
    for (int32_t i = 1; i <= 100; ++i) ASSERT_EQ(RUN.CF1INTEGERSTANK(i), before.CF1INTEGERSTANK(i));
  }
}

TEST(ChaosRun, AbandonedFirstRunLeavesNoRun) {
  Session s;
  EXPECT_FALSE(makeChaosRun(4.0, 0.5, 38, 100, 1000));
  EXPECT_EQ(RUN.RUNFLAG, 0);
  EXPECT_EQ(RUN.N, 0);
}
