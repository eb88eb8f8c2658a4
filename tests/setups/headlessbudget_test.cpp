// The step budget of a headless block: it stops after the same group, with
// the same map steps, as the generation drawing its chaos functions directly.
#include <gtest/gtest.h>

#include "blockgen/drawsahead.hpp"
#include "blockgen/generation.hpp"
#include "chaosrun/chaosfunction.hpp"
#include "setups/setupfile.hpp"
#include "setups/setupfixtures.hpp"
#include "state/blockgenstate.hpp"

namespace {

uint64_t budgetEnd = 0;
bool budgetSpent() { return MAPSTEPCOUNT > budgetEnd; }

// The headless generation's loop with every draw made directly.
HeadlessBlock directHeadless(uint64_t maxSteps) {
  const uint64_t start = MAPSTEPCOUNT;
  budgetEnd = start + maxSteps;
  GEN.CANCELHOOK = budgetSpent;
  STARTBLOKGENERATION();
  stopDrawingAhead();
  GenAdvance a;
  do a = ADVANCEBLOKGENERATION();
  while ((a == GenAdvance::Stored || a == GenAdvance::Removed) && !budgetSpent());
  GEN.CANCELHOOK = nullptr;
  HeadlessBlock block;
  block.steps = MAPSTEPCOUNT - start;
  block.groups = GEN.PROGRESSINDICATOR;
  block.complete = a == GenAdvance::Complete && block.steps <= maxSteps;
  ABORTBLOKGENERATION();
  return block;
}

}  // namespace

TEST(HeadlessBudget, StopsAfterTheSameGroupAsDirectDraws) {
  const char* const largeSetup = "B = 900,1000\nG = 1,10,1\nV = 2,9\nX1 = 3.8,0.4\nX2 = 3.9999,0.2\nX3 = 4,0.3\n";
  const char* const neverSetup = "B = 20,30\nG = 1,2,1\nV = 1.5,2\nX1 = 4,0.1\nX2 = 4,0.2\nX3 = 4,0.3\n";
  for (const std::string& text : {SMALLSETUP, std::string(largeSetup), std::string(neverSetup)}) {
    const BlockSetupFile setup = parseSetupText(text, "budget");
    applySetup(setup);
    const uint64_t whole = generateHeadless(300000).steps;
    for (uint64_t budget : {uint64_t{100}, uint64_t{5001}, whole / 4, whole / 2 + 3, whole - 1, whole, whole + 1}) {
      applySetup(setup);
      HeadlessBlock direct = directHeadless(budget);
      applySetup(setup);
      HeadlessBlock ahead = generateHeadless(budget);
      EXPECT_EQ(ahead.complete, direct.complete) << text << budget;
      EXPECT_EQ(ahead.groups, direct.groups) << text << budget;
      EXPECT_EQ(ahead.steps, direct.steps) << text << budget;
    }
  }
}
