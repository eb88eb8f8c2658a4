// The generator functions computed ahead against the same functions drawn
// directly: the same integers, the same variables after every draw, the same
// map step counts and the same looks at the cancel hook, for long streams in
// chaos, in cycles and at fixed points.
#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "blockgen/drawsahead.hpp"
#include "blockgen/generatorchaos.hpp"
#include "chaosrun/chaosfunction.hpp"
#include "state/blockgenstate.hpp"
#include "support.hpp"

namespace {

struct Functions {
  double k1 = 4.0, x1 = 0.3, k2 = 3.99, x2 = 0.2, k3 = 3.97, x3 = 0.6;
  int32_t hiGroupSize = 9, tankSlots = 32766, highestMapInteger = 500;
  bool map = false;
};

std::vector<uint64_t> looks;
uint64_t stepsAtStart = 0;
uint64_t stepBudget = 0;  // the hook stops the draws once this is spent
bool recordingHook() {
  looks.push_back(MAPSTEPCOUNT - stepsAtStart);
  return MAPSTEPCOUNT - stepsAtStart > stepBudget;
}

void initialise(const Functions& f, bool ahead) {
  GEN.K1 = f.k1; GEN.X1 = f.x1;
  GEN.K2 = f.k2; GEN.X2 = f.x2;
  GEN.K3 = f.k3; GEN.X3 = f.x3;
  GEN.HIGROUPSIZE = static_cast<int16_t>(f.hiGroupSize);
  GEN.XHIBLOKSIZE = f.tankSlots;
  GEN.HIGHESTOKMAPINTEGER = f.highestMapInteger;
  GEN.USESYMBOLSMAPFLAG = f.map ? "Y" : "N";
  INIT_GCF1_GCF2_GCF3();
  if (f.map) INIT_GCF4();
  if (ahead) startDrawingAhead();
  looks.clear();
  stepsAtStart = MAPSTEPCOUNT;
  GEN.CANCELHOOK = recordingHook;
  RESETCANCELLOOK();
}

bool draw(int function) {
  switch (function) {
    case 1: return CHAOSFUNCTIONGCF1();
    case 2: return CHAOSFUNCTIONGCF2();
    case 3: return CHAOSFUNCTIONGCF3();
    default: return CHAOSFUNCTIONGCF4();
  }
}

// Every variable of the function after a draw, and the steps so far.
std::string after(int function, bool drawn) {
  double Y[] = {0, GEN.Y1, GEN.Y2, GEN.Y3, GEN.Y4};
  int32_t IT[] = {0, GEN.IT1, GEN.IT2, GEN.IT3, GEN.IT4};
  int32_t IG[] = {0, GEN.IG1, GEN.IG2, GEN.IG3, GEN.IG4};
  int32_t CYCS[] = {0, GEN.CYCS1, GEN.CYCS2, GEN.CYCS3, GEN.CYCS4};
  char line[160];
  std::snprintf(line, sizeof line, "GCF%d %d IG %d IT %d CYCS %d Y %a steps %llu", function, drawn, IG[function],
                IT[function], CYCS[function], Y[function],
                static_cast<unsigned long long>(MAPSTEPCOUNT - stepsAtStart));
  return line;
}

// `draws` draws in an irregular order, as a generation mixes them; a draw
// the hook stops ends the record.
std::vector<std::string> record(const Functions& f, bool ahead, int draws, const std::vector<int>& order) {
  initialise(f, ahead);
  std::vector<std::string> r;
  for (int i = 0; i < draws; ++i) {
    int function = order[static_cast<size_t>(i * 7 + i / 5) % order.size()];
    bool drawn = draw(function);
    r.push_back(after(function, drawn));
    if (!drawn) break;
  }
  for (uint64_t at : looks) r.push_back("look at " + std::to_string(at));
  GEN.CANCELHOOK = nullptr;
  return r;
}

std::vector<int> orderOf(const Functions& f) {
  const int symbols = f.map ? 4 : 1;
  return {symbols, 3, 2, symbols, symbols, 3, symbols, 2, symbols, 3, symbols};
}

// Compares the two records; returns the number of draws made (the record
// ends early, at the step budget, when a function never accepts).
size_t expectSameAheadAndDirect(const Functions& f, int draws, const std::string& what,
                                const std::vector<int>& order) {
  stepBudget = 500'000;
  std::vector<std::string> direct = record(f, false, draws, order);
  const size_t made = direct.size() - looks.size();
  std::vector<std::string> ahead = record(f, true, draws, order);
  EXPECT_GT(made, 0u) << what;
  EXPECT_EQ(ahead.size(), direct.size()) << what;
  for (size_t i = 0; i < direct.size() && i < ahead.size(); ++i) {
    EXPECT_EQ(ahead[i], direct[i]) << what << " draw " << i;
    if (ahead[i] != direct[i]) break;
  }
  return made;
}

size_t expectSameAheadAndDirect(const Functions& f, int draws, const std::string& what) {
  return expectSameAheadAndDirect(f, draws, what, orderOf(f));
}

// The map's orbit from X after many steps returns to its value every
// `period` steps, exactly.
bool orbitFallsIntoCycle(double K, double X, int period) {
  double Y = X;
  for (int i = 0; i < 100000; ++i) Y = nextMapValue(Y, K);
  double Z = Y;
  for (int i = 0; i < period; ++i) Z = nextMapValue(Z, K);
  return Z == Y;
}

}  // namespace

// Near K = 3.6 the orbit alternates between two bands, and a function whose
// candidates all fall in the upper one never accepts: such streams end at the
// step budget. From 3.8 up every stream runs its whole length.
TEST(DrawsAhead, LongStreamsOfEveryFunctionInChaos) {
  Session s;
  for (double k : {3.6, 3.61, 3.8, 3.81, 3.99999, 4.0}) {
    for (double x : {0.3, 1e-15, 0.61}) {
      for (bool map : {false, true}) {
        Functions f{.k1 = k, .x1 = x, .k2 = k, .x2 = x / 3, .k3 = k, .x3 = 1 - x / 2, .map = map};
        std::string what = "K " + std::to_string(k) + " X " + std::to_string(x) + (map ? " map" : "");
        size_t made = expectSameAheadAndDirect(f, 3000, what);
        if (k >= 3.8) {
          EXPECT_EQ(made, 3000u) << what;
        }
      }
    }
  }
}

// In the period-3 window of the map (K = 3.83) the orbit falls into a cycle
// of three values. A function may then accept forever in that cycle, or be
// caught on a rejected value (its silent runs of 12 and 9 steps bring it back
// to the same value) and never accept again.
TEST(DrawsAhead, StreamsThatFallIntoACycle) {
  Session s;
  int accepting = 0, caught = 0;
  for (double x : {0.3, 0.71, 0.123, 0.9}) {
    ASSERT_TRUE(orbitFallsIntoCycle(3.83, x, 3)) << x;
    for (int function : {1, 2, 3, 4}) {
      Functions f{.k1 = 3.83, .x1 = x, .k2 = 3.83, .x2 = x, .k3 = 3.83, .x3 = x, .tankSlots = 60,
                  .highestMapInteger = 45, .map = function == 4};
      size_t made = expectSameAheadAndDirect(f, 3000, "x " + std::to_string(x) + " GCF" + std::to_string(function),
                                             {function});
      (made == 3000 ? accepting : caught) += 1;
    }
  }
  EXPECT_GT(accepting, 0);
  EXPECT_GT(caught, 0);
}

// K = 4: a seed of 0.75 (or 0.25) stays at the fixed point 0.75, whose
// candidate is accepted only in the range 1..1 (two sizes: every size is 1)
// and rejected in every wider range; a seed of 0.5 falls to 0, whose candidate
// 1 is always rejected. A function that never accepts is left at the first
// look at the cancel hook after the step budget.
TEST(DrawsAhead, FixedPointsThatAcceptOrNeverAccept) {
  Session s;
  Functions accepting{.k2 = 4.0, .x2 = 0.75, .hiGroupSize = 2};
  stepBudget = UINT64_MAX;
  initialise(accepting, true);
  for (int i = 0; i < 100; ++i) {
    ASSERT_TRUE(CHAOSFUNCTIONGCF2());
    ASSERT_EQ(GEN.IG2, 1);
    ASSERT_EQ(GEN.Y2, 0.75);
  }
  EXPECT_EQ(expectSameAheadAndDirect(accepting, 8000, "accepting fixed point", {2}), 8000u);

  for (double x : {0.75, 0.25, 0.5}) {
    for (int function : {1, 2, 3}) {
      Functions f;
      (function == 1 ? f.x1 : function == 2 ? f.x2 : f.x3) = x;
      (function == 1 ? f.k1 : function == 2 ? f.k2 : f.k3) = 4.0;
      f.map = function == 1 && x == 0.5;
      if (f.map) f.highestMapInteger = 38;
      stepBudget = 600'000;
      std::vector<std::string> ahead = record(f, true, 100000, orderOf(f));
      ASSERT_GT(looks.back(), stepBudget) << x << ' ' << function;  // stopped by the hook
      EXPECT_EQ(ahead, record(f, false, 100000, orderOf(f))) << x << ' ' << function;
    }
  }
}

// The hook that never stops is asked at the same steps ahead as directly.
TEST(DrawsAhead, CancelLooksAtTheSameSteps) {
  Session s;
  Functions f{.k1 = 3.9999, .x1 = 0.42};
  stepBudget = UINT64_MAX;
  std::vector<std::string> direct = record(f, false, 60000, orderOf(f));
  const size_t directLooks = looks.size();
  std::vector<std::string> ahead = record(f, true, 60000, orderOf(f));
  ASSERT_GT(directLooks, 50u);
  EXPECT_EQ(looks.size(), directLooks);
  EXPECT_EQ(ahead, direct);
}

// Drawing ahead can stop between any two draws: the variables are those of
// the last draw taken, and the direct draws go on from them.
TEST(DrawsAhead, StoppedMidwayTheDirectDrawsGoOn) {
  Session s;
  Functions f{.k1 = 3.8, .x1 = 0.9, .k3 = 4.0, .x3 = 0.01};
  stepBudget = UINT64_MAX;
  std::vector<std::string> direct = record(f, false, 3000, orderOf(f));
  for (int stopAt : {0, 1, 17, 2500}) {
    initialise(f, true);
    std::vector<std::string> mixed;
    std::vector<int> order = orderOf(f);
    for (int i = 0; i < 3000; ++i) {
      if (i == stopAt) stopDrawingAhead();
      int function = order[static_cast<size_t>(i * 7 + i / 5) % order.size()];
      mixed.push_back(after(function, draw(function)));
    }
    for (uint64_t at : looks) mixed.push_back("look at " + std::to_string(at));
    GEN.CANCELHOOK = nullptr;
    EXPECT_EQ(mixed, direct) << stopAt;
  }
}

// A fresh start of the functions drops what was computed ahead.
TEST(DrawsAhead, FreshStartDropsTheDrawsAhead) {
  Session s;
  Functions f;
  stepBudget = UINT64_MAX;
  initialise(f, true);
  ASSERT_TRUE(CHAOSFUNCTIONGCF1());
  ASSERT_NE(aheadStreamOf(1), nullptr);
  EXPECT_EQ(aheadStreamOf(4), nullptr);  // not drawn without the map
  INIT_GCF1_GCF2_GCF3();
  EXPECT_EQ(aheadStreamOf(1), nullptr);
  GEN.CANCELHOOK = nullptr;
  const int32_t first = GEN.IG1;
  initialise(f, false);
  ASSERT_TRUE(CHAOSFUNCTIONGCF1());
  EXPECT_EQ(GEN.IG1, first);
  GEN.CANCELHOOK = nullptr;
}
