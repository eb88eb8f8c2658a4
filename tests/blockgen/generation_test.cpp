// The generation engine driven group by group.
#include <set>
#include <sstream>
#include <vector>

#include <gtest/gtest.h>

#include "blockgen/drawsahead.hpp"
#include "blockgen/generation.hpp"
#include "blockgen/generationkeys.hpp"
#include "blockgen/generationsetup.hpp"
#include "blockgen/generatorchaos.hpp"
#include "blockgen/groupsbloktank.hpp"
#include "chaosrun/chaosfunction.hpp"
#include "shell/numberforms.hpp"
#include "state/blockanalysisstate.hpp"
#include "state/blockgenstate.hpp"
#include "state/symbolsstate.hpp"
#include "support.hpp"

using Generation = SessionTest;

namespace {

constexpr uint64_t STEPBUDGET = 20'000'000;

void activatePhantoms(std::initializer_list<int> rows) {
  for (int r : rows) SYMB.PHANTOMNGRAPHSSTATUSTANK(r) = 1;
}

// The incremental counters against a slot-by-slot count.
void expectCountsMatchRescan(int pass) {
  TankRescan r = rescanTank();
  ASSERT_EQ(GEN.PROGRESSINDICATOR, r.groups) << "pass " << pass;
  ASSERT_EQ(GEN.BLOKGROUPSGRANDSIZE, r.characters) << "pass " << pass;
  float average = r.groups == 0 ? 0.0f : static_cast<float>(static_cast<long double>(r.characters) / r.groups);
  ASSERT_EQ(GEN.AVGGROUPSIZE, average) << "pass " << pass;
  for (int s = 1; s <= MAXGROUPSIZE; ++s)
    ASSERT_EQ(GEN.ACTIVEGROUPSIZESCOUNTSTANK(s), r.perSize[s]) << "pass " << pass << " size " << s;
}

void expectEveryGroupWellMade() {
  for (int32_t slot = 1; slot <= GEN.XHIBLOKSIZE; ++slot) {
    const Text31& group = GEN.GROUPSBLOKTANK(slot);
    if (group.empty()) {
      ASSERT_EQ(GEN.IGNOREPHANTOMSGROUPSBLOKTANK(slot), "") << slot;
      continue;
    }
    ASSERT_EQ(GEN.ACTIVEGROUPSIZESTANK(static_cast<long>(group.size())), 1) << group.str();
    ASSERT_EQ(expandReference(GEN.IGNOREPHANTOMSGROUPSBLOKTANK(slot)), group.str()) << slot;
  }
}

void expectCompletedBlockMeetsItsSpecification() {
  const int32_t N = GEN.PROGRESSINDICATOR;
  ASSERT_GE(N, GEN.LOBLOKSIZE);
  ASSERT_LE(N, GEN.HIBLOKSIZE);
  ASSERT_GE(GEN.AVGGROUPSIZE, GEN.LOAVGGROUPSIZE);
  ASSERT_LE(GEN.AVGGROUPSIZE, GEN.HIAVGGROUPSIZE);
  ASSERT_EQ(GEN.HAVEBLOKFLAG, 1);
  ASSERT_EQ(GEN.BLOKGROUPSTANK.hi(), N);
  std::set<std::string> distinct;
  for (int32_t i = 1; i <= N; ++i) {
    ASSERT_EQ(GEN.ACTIVEGROUPSIZESTANK(static_cast<long>(GEN.BLOKGROUPSTANK(i).size())), 1);
    distinct.insert(GEN.BLOKGROUPSTANK(i).str());
  }
  ASSERT_EQ(ANA.UNIQUEGROUPSCOUNT + ANA.NONUNIQUEGROUPSTYPECOUNT, ANA.VOCABN);
  ASSERT_EQ(static_cast<size_t>(ANA.VOCABN), distinct.size());
  int32_t repeated = 0;
  for (int32_t t = 1; t <= ANA.NONUNIQUEGROUPSTYPECOUNT; ++t) repeated += ANA.NONUNIQUEGROUPSTYPESFREQSTANK(t);
  ASSERT_EQ(ANA.UNIQUEGROUPSCOUNT + repeated, N);
}

// What a generation did, pass by pass, to compare two generations.
std::string trace(GenAdvance a) {
  std::ostringstream t;
  t << std::hexfloat << static_cast<int>(a) << ' ' << GEN.BLOKVECTOR << ' ' << GEN.PROTOGROUPSIZE << ' ' << GEN.PROTOGROUP << ' '
    << GEN.IGNOREPHANTOMSPROTOGROUP << ' ' << GEN.Y1 << ' ' << GEN.Y2 << ' ' << GEN.Y3 << ' ' << GEN.Y4 << ' '
    << GEN.IT1 << ' ' << GEN.IT2 << ' ' << GEN.IT3 << ' ' << GEN.IT4 << ' ' << GEN.CYCS1 << ' ' << GEN.CYCS2
    << ' ' << GEN.CYCS3 << ' ' << GEN.CYCS4;
  if (a == GenAdvance::Removed) t << " window " << GEN.LOBLOKVECTOR << ' ' << GEN.HIBLOKVECTOR;
  return t.str();
}

struct GenerationRecord {
  std::vector<std::string> passes;
  std::vector<std::string> block;
  uint64_t steps = 0;
  GenAdvance end = GenAdvance::Stored;
};

// With drawAhead false the chaos functions are drawn one step after the
// other, as they were before they were computed ahead.
GenerationRecord generate(int maxPasses, bool drawAhead = true) {
  GenerationRecord run;
  uint64_t before = MAPSTEPCOUNT;
  STARTBLOKGENERATION();
  if (!drawAhead) stopDrawingAhead();
  for (int pass = 0; pass < maxPasses; ++pass) {
    GenAdvance a = ADVANCEBLOKGENERATION();
    run.passes.push_back(trace(a));
    run.end = a;
    if (a == GenAdvance::Complete) {
      FINISHBLOKGENERATION();
      for (int32_t i = 1; i <= GEN.PROGRESSINDICATOR; ++i) run.block.push_back(GEN.BLOKGROUPSTANK(i).str());
      break;
    }
    if (a == GenAdvance::Cancelled) break;
  }
  run.steps = MAPSTEPCOUNT - before;
  return run;
}

bool neverStop() { return false; }

int hookCalls = 0;
bool stopAtThirdLook() { return ++hookCalls >= 3; }

}  // namespace

// The first group takes the first free slot GCF3 gives, the first activated
// size GCF2 gives, and GCF1's rows until the group has that size (starting
// again after an overshoot).
TEST_F(Generation, FirstGroupFollowsTheFirstDraws) {
  int overshoots = 0;
  for (uint32_t seed = 1; seed <= 60; ++seed) {
    resetProgramState();
    GenSetup setup = setupFromSeed(seed, false);
    setup.activeSizes = {1, 2, 3, 4};
    setup.loAvg = 1.5f;
    setup.hiAvg = 4.0f;
    applySetup(setup);
    activatePhantoms({1, 2, 3, 4, 21});
    STARTBLOKGENERATION();

    struct Copy {
      double Y;
      int32_t IT, IG, CYCS;
      int32_t next(double K, int32_t IM) {
        chaosDraw({Y, IT, IG, CYCS}, K, 2.0f, 2.0f, IM, 0);
        return IG;
      }
    } slots{GEN.Y3, GEN.IT3, 0, GEN.CYCS3}, sizes{GEN.Y2, GEN.IT2, 0, GEN.CYCS2}, rows{GEN.Y1, GEN.IT1, 0, GEN.CYCS1};
    int32_t slot = slots.next(GEN.K3, GEN.XHIBLOKSIZE);
    int32_t size;
    do size = sizes.next(GEN.K2, GEN.HIGROUPSIZE);
    while (GEN.ACTIVEGROUPSIZESTANK(size) == 0);
    std::string group, reference;
    while (static_cast<int32_t>(group.size()) != size) {
      int32_t r = rows.next(GEN.K1, 38);
      group += SYMB.PHANTOMNGRAPHSSTATUSTANK(r) ? SYMB.PHANTOMNGRAPHSTANK(r) : std::string(1, SYMB.SYMBOLSTANK(r));
      reference += SYMB.REFERENCESYMBOLSTANK(r);
      if (static_cast<int32_t>(group.size()) > size) {
        group.clear();
        reference.clear();
        ++overshoots;
      }
    }

    ASSERT_EQ(ADVANCEBLOKGENERATION(), GenAdvance::Stored);
    EXPECT_EQ(GEN.BLOKVECTOR, slot) << seed;
    EXPECT_EQ(GEN.PROTOGROUPSIZE, size) << seed;
    EXPECT_EQ(GEN.GROUPSBLOKTANK(slot), group) << seed;
    EXPECT_EQ(GEN.IGNOREPHANTOMSGROUPSBLOKTANK(slot), reference) << seed;
    EXPECT_EQ(GEN.Y1, rows.Y) << seed;
    EXPECT_EQ(GEN.PROGRESSINDICATOR, 1);
    EXPECT_EQ(GEN.ACTIVEGROUPSIZESCOUNTSTANK(size), 1);
  }
  EXPECT_GT(overshoots, 0);  // the restart after an overshoot was exercised
}

TEST_F(Generation, CompletedBlocksOverManySeeds) {
  int removals = 0, completed = 0;
  for (uint32_t seed = 1; seed <= 80; ++seed) {
    resetProgramState();
    bool narrow = seed % 2 == 0;
    applySetup(setupFromSeed(seed, narrow));
    if (seed % 3 == 0) activatePhantoms({2, 5, 9, 22, 31});
    if (seed % 5 == 0) {
      GEN.USESYMBOLSMAPFLAG = "Y";
      GEN.HIGHESTOKMAPINTEGER = 60;
      SYMB.MAPSCANRESUMEPOINT = seed % 10 == 0 ? "L" : "B";
    }
    cancelAfterSteps(STEPBUDGET);
    STARTBLOKGENERATION();
    expectCountsMatchRescan(0);
    for (int pass = 1; pass <= 20000; ++pass) {
      GenAdvance a = ADVANCEBLOKGENERATION();
      ASSERT_NE(a, GenAdvance::Cancelled) << "seed " << seed;
      expectCountsMatchRescan(pass);
      ASSERT_LE(GEN.PROGRESSINDICATOR, GEN.HIBLOKSIZE);
      if (a == GenAdvance::Removed) {
        ++removals;
        ASSERT_LT(GEN.PROGRESSINDICATOR, GEN.HIBLOKSIZE);
        ASSERT_LT(GEN.HILOBLOKVECTORSPAN, GEN.LOBLOKSIZE);
      }
      if (a == GenAdvance::Complete) {
        FINISHBLOKGENERATION();
        expectCompletedBlockMeetsItsSpecification();
        ++completed;
        break;
      }
    }
    expectEveryGroupWellMade();
  }
  EXPECT_GT(removals, 0);
  EXPECT_GT(completed, 60);
}

TEST_F(Generation, SameSetUpSameBlockAndSameDraws) {
  for (uint32_t seed : {3u, 8u, 21u}) {
    resetProgramState();
    applySetup(setupFromSeed(seed, true));
    activatePhantoms({4, 23});
    GenerationRecord first = generate(5000);
    GEN.CANCELHOOK = neverStop;  // looking at the hook changes no draw
    GenerationRecord second = generate(5000);
    ASSERT_EQ(first.end, GenAdvance::Complete) << seed;
    EXPECT_EQ(first.passes, second.passes) << seed;
    EXPECT_EQ(first.block, second.block) << seed;
    EXPECT_EQ(first.steps, second.steps) << seed;
  }
}

// Every pass (slot, size, group, every function's variables) and the map
// steps are the same whether the functions are computed ahead or not, with
// or without the symbols map, phantoms and removals.
TEST_F(Generation, DrawsAheadMakeTheSameBlocksAsDirectDraws) {
  int removals = 0, completed = 0;
  for (uint32_t seed = 1; seed <= 24; ++seed) {
    resetProgramState();
    applySetup(setupFromSeed(seed, seed % 2 == 0));
    if (seed % 3 == 0) activatePhantoms({1, 7, 22});
    if (seed % 4 == 0) {
      GEN.USESYMBOLSMAPFLAG = "Y";
      GEN.HIGHESTOKMAPINTEGER = 45;
      SYMB.MAPSCANRESUMEPOINT = seed % 8 == 0 ? "L" : "B";
    }
    cancelAfterSteps(STEPBUDGET);
    GenerationRecord direct = generate(20000, false);
    cancelAfterSteps(STEPBUDGET);
    GenerationRecord ahead = generate(20000);
    completed += direct.end == GenAdvance::Complete;
    EXPECT_EQ(ahead.end, direct.end) << seed;
    EXPECT_EQ(ahead.passes, direct.passes) << seed;
    EXPECT_EQ(ahead.block, direct.block) << seed;
    EXPECT_EQ(ahead.steps, direct.steps) << seed;
    for (const std::string& pass : direct.passes) removals += pass.find("window") != std::string::npos;
  }
  EXPECT_GT(removals, 0);
  EXPECT_GT(completed, 16);
}

// A budget of map steps stops the generation in the same draw, after the
// same number of groups and steps, whether the functions are computed ahead
// or not: budgets from one step to the whole generation's steps.
TEST_F(Generation, StepBudgetStopsAtTheSameDrawAsDirectDraws) {
  for (uint32_t seed : {3u, 8u, 21u}) {
    resetProgramState();
    applySetup(setupFromSeed(seed, true));
    GenerationRecord whole = generate(20000, false);
    ASSERT_EQ(whole.end, GenAdvance::Complete) << seed;
    for (uint64_t budget : {uint64_t{1}, uint64_t{4999}, uint64_t{5000}, whole.steps / 3, whole.steps / 2 + 7,
                            whole.steps - 1, whole.steps}) {
      cancelAfterSteps(budget);
      GenerationRecord direct = generate(20000, false);
      cancelAfterSteps(budget);
      GenerationRecord ahead = generate(20000);
      EXPECT_EQ(ahead.end, direct.end) << seed << " budget " << budget;
      EXPECT_EQ(ahead.passes, direct.passes) << seed << " budget " << budget;
      EXPECT_EQ(ahead.steps, direct.steps) << seed << " budget " << budget;
    }
  }
}

TEST_F(Generation, NulSymbolsAddNothingButKeepTheirSteps) {
  applySetup({.loBlock = 10, .hiBlock = 14, .activeSizes = {30, 31}, .loAvg = 30.0f, .hiAvg = 31.0f});
  for (int r = 1; r <= 6; ++r) SYMB.SYMBOLSTANK(r) = 0;
  SYMB.PHANTOMNGRAPHSTANK(7) = "";
  activatePhantoms({7});
  cancelAfterSteps(STEPBUDGET);
  ASSERT_EQ(generate(20000).end, GenAdvance::Complete);
  size_t longest = 0;
  for (int32_t i = 1; i <= GEN.PROGRESSINDICATOR; ++i) {
    const std::string& reference = GEN.IGNOREPHANTOMSBLOKGROUPSTANK(i);
    longest = std::max(longest, reference.size());
    EXPECT_EQ(expandReference(reference), GEN.BLOKGROUPSTANK(i).str());
    EXPECT_EQ(GEN.BLOKGROUPSTANK(i).view().find('\0'), std::string_view::npos);
  }
  EXPECT_GT(longest, 31u);
}

// Sizes 1 and 2 only: GCF2 can give only 1, so an average above 1 is never
// reached; groups are added and removed for as long as it runs.
TEST_F(Generation, UnreachableAverageAddsAndRemovesForEver) {
  applySetup({.loBlock = 10, .hiBlock = 30, .activeSizes = {1, 2}, .loAvg = 1.5f, .hiAvg = 2.0f});
  STARTBLOKGENERATION();
  int removals = 0;
  for (int pass = 0; pass < 3000; ++pass) {
    GenAdvance a = ADVANCEBLOKGENERATION();
    ASSERT_TRUE(a == GenAdvance::Stored || a == GenAdvance::Removed);
    ASSERT_EQ(GEN.PROTOGROUPSIZE, 1);
    removals += a == GenAdvance::Removed;
  }
  EXPECT_GT(removals, 10);
}

// Only 2-character phantoms and a group size of 1: the group can never be
// built. The cancel hook stops the draws, and the abort withdraws the block.
TEST_F(Generation, ImpossibleGroupIsLeftThroughTheCancelHook) {
  applySetup({.activeSizes = {1, 2}, .loAvg = 1.001f, .hiAvg = 2.0f});
  for (int r = 1; r <= SYMBOLROWS; ++r) {
    SYMB.PHANTOMNGRAPHSTANK(r) = "xy";
    SYMB.PHANTOMNGRAPHSSTATUSTANK(r) = 1;
  }
  GEN.HAVEBLOKFLAG = 1;
  hookCalls = 0;
  GEN.CANCELHOOK = stopAtThirdLook;
  uint64_t before = MAPSTEPCOUNT;
  STARTBLOKGENERATION();
  EXPECT_EQ(ADVANCEBLOKGENERATION(), GenAdvance::Cancelled);
  EXPECT_EQ(hookCalls, 3);
  EXPECT_LE(MAPSTEPCOUNT - before, 3u * 2 * CANCELLOOKSTEPS);
  ABORTBLOKGENERATION();
  EXPECT_EQ(GEN.HAVEBLOKFLAG, 0);
  EXPECT_EQ(GEN.GENERATINGBLOKINPROGRESSFLAG, 0);
  EXPECT_EQ(GEN.PROGRESSINDICATOR, 0);
}

TEST(GenerationKeys, KeysReadInsideTheDrawsWaitForThePerGroupPoll) {
  Session s;
  applySetup(setupFromSeed(5, false));
  GEN.CANCELHOOK = POLLKEYBOARDFORESC;
  s.keys().pressDuringPoll('P');
  s.keys().pressDuringPoll('x');
  STARTBLOKGENERATION();
  int passes = 0;
  while (GEN.KEPTGBKEYS.empty() && passes < 1000) {
    ASSERT_NE(ADVANCEBLOKGENERATION(), GenAdvance::Cancelled);
    ++passes;
  }
  EXPECT_EQ(GBPOLLKEY(), 'P');
  EXPECT_EQ(GBPOLLKEY(), 'x');
  EXPECT_EQ(GBPOLLKEY(), con::KEY_NONE);

  s.keys().pressDuringPoll('I');
  s.keys().pressDuringPoll(con::KEY_ESC);
  GenAdvance a = GenAdvance::Stored;
  for (passes = 0; passes < 1000 && a != GenAdvance::Cancelled; ++passes) a = ADVANCEBLOKGENERATION();
  EXPECT_EQ(a, GenAdvance::Cancelled);
  EXPECT_EQ(GBPOLLKEY(), 'I');  // kept until the abort
  ABORTBLOKGENERATION();
  EXPECT_TRUE(GEN.KEPTGBKEYS.empty());
}

// One record line per recount of a non-empty tank: at the start of every pass
// after the first, after every stored group and after every removal.
TEST_F(Generation, BackDoorRecordFollowsEveryRecount) {
  applySetup(setupFromSeed(4, true));
  GEN.BACKDOORACCESSFLAG = 1;
  ASSERT_TRUE(OPENBACKDOORRECORDFILE("rVGB.TXT"));
  auto line = [](int32_t characters, int32_t groups) {
    return floatForm(static_cast<float>(static_cast<long double>(characters) / groups)) + "\r\n";
  };
  std::string expected;
  int removals = 0;
  STARTBLOKGENERATION();
  for (int pass = 0; pass < 20000; ++pass) {
    TankRescan before = rescanTank();
    GenAdvance a = ADVANCEBLOKGENERATION();
    ASSERT_NE(a, GenAdvance::Cancelled);
    if (pass > 0) expected += line(before.characters, before.groups);
    expected += line(before.characters + GEN.PROTOGROUPSIZE, before.groups + 1);
    if (a == GenAdvance::Removed) {
      expected += line(GEN.BLOKGROUPSGRANDSIZE, GEN.PROGRESSINDICATOR);
      ++removals;
    }
    if (a == GenAdvance::Complete) break;
  }
  ASSERT_GT(removals, 0);
  ASSERT_TRUE(CLOSEBACKDOORRECORDFILE());
  EXPECT_EQ(dir.read("rVGB.TXT"), expected);
}
