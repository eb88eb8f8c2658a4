// A block generated without screen or keyboard, and its files.
#include <string>
#include <vector>

#include "blockanalysis/blockanalysis.hpp"
#include "blockanalysis/reports.hpp"
#include "blockgen/blockmenu.hpp"
#include "blockgen/blocksetup.hpp"
#include "blockgen/generation.hpp"
#include "blockgen/groupsbloktank.hpp"
#include "chaosrun/chaosfunction.hpp"
#include "setups/headlessconsole.hpp"
#include "setups/setupfile.hpp"
#include "state/blockanalysisstate.hpp"
#include "state/blockgenstate.hpp"
#include "state/shellstate.hpp"
#include "vocabutils/listfile.hpp"

namespace {

// The cancel hook of a headless generation: the budget of map steps is spent.
bool stepBudgetSpent() { return MAPSTEPCOUNT > GEN.stepBudgetEnd; }

bool stillGenerating(GenAdvance a) { return a == GenAdvance::Stored || a == GenAdvance::Removed; }

}  // namespace

HeadlessBlock generateHeadless(uint64_t maxSteps) {
  headlessConsole();
  const uint64_t start = MAPSTEPCOUNT;
  GEN.stepBudgetEnd = maxSteps > UINT64_MAX - start ? UINT64_MAX : start + maxSteps;
  TAKEBLOKSETUPSNAPSHOT();
  GEN.CANCELHOOK = stepBudgetSpent;
  STARTBLOKGENERATION();
  GenAdvance a;
  do {
    a = ADVANCEBLOKGENERATION();
  } while (stillGenerating(a) && !stepBudgetSpent());
  GEN.CANCELHOOK = nullptr;

  HeadlessBlock block;
  block.steps = MAPSTEPCOUNT - start;
  block.groups = GEN.PROGRESSINDICATOR;
  block.complete = a == GenAdvance::Complete && block.steps <= maxSteps;
  if (block.complete) {
    COLLECTGROUPSINBLOK();
  } else {
    ABORTBLOKGENERATION();
  }
  return block;
}

std::vector<std::string> finishedBlockGroups() {
  std::vector<std::string> groups;
  groups.reserve(static_cast<size_t>(GEN.PROGRESSINDICATOR));
  for (int32_t i = 1; i <= GEN.PROGRESSINDICATOR; ++i) groups.push_back(GEN.BLOKGROUPSTANK(i).str());
  return groups;
}

bool writeBlockFiles(const std::string& prefix, std::string& problem) {
  HeadlessSink& sink = headlessConsole().sink;
  sink.forgetError();
  FINISHBLOKGENERATION();
  CLEARSYMBOLSFREQOFGROUPSBLOKVOCABULARY();
  SHELL.DFILENAME = prefix + "IGB.txt";
  bool written = RECOVERBLOKGENERATINGINTEGERS();
  written = written && writeListFile(prefix + "VOCGB.txt", ANA.GBLOKVOCABTANK, ANA.VOCABN);
  if (written) {
    COUNTSYMBOLSFREQOFGROUPSBLOKVOCABULARY();
    SHELL.DFILENAME = prefix + "CGB.txt";
    written = writeBlockReport(SHELL.DFILENAME);
  }
  written = written && writeListFile(prefix + "GROUPS.txt", finishedBlockGroups());
  if (!written) problem = sink.lastErrorLine();
  return written;
}
