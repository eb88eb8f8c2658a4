// The fit's search with a synthetic objective: no block is generated.
#include "steering/fitsearch.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "setups/setupfile.hpp"

namespace {

FitDesign syntheticDesign() {
  FitDesign d;
  FitSetup& s = d.setup;
  s.blockLo = 100;
  s.blockHi = 150;
  s.sizes = 0b1111000;  // 3..6
  s.averageLo = 4;
  s.averageHi = 4.5;
  s.k = {3.99, 3.99, 3.99};
  s.x = {0.3, 0.4, 0.6};
  s.highestInteger = 60;
  for (int r = 0; r < FIT_ROWS; ++r) {
    s.units[static_cast<size_t>(r)] = std::string(1, static_cast<char>('a' + r % 26));
    s.map[static_cast<size_t>(r)][0] = r + 1;
  }
  d.pool = {"th", "he", "the", "an"};
  d.shares.fill(1.0 / FIT_ROWS);
  makeValid(s);
  return d;
}

// Smallest at K = (3.7, 3.8, 3.9), the average range 5..5.2, W 100, and "the"
// in row 1.
double objective(const FitSetup& s) {
  double d = std::fabs(s.k[0] - 3.7) + std::fabs(s.k[1] - 3.8) + std::fabs(s.k[2] - 3.9) +
             std::fabs(s.averageLo - 5) + std::fabs(s.averageHi - 5.2) + std::fabs(s.highestInteger - 100) / 100.0;
  return d + (s.units[0] == "the" ? 0 : 0.5);
}

struct SearchRun {
  std::vector<std::vector<FitSetup>> generations;
  double best = 0;
};

SearchRun runSearch(const SearchSettings& settings) {
  FitSearch search(syntheticDesign(), settings);
  SearchRun run;
  for (std::vector<FitSetup> g = search.propose(); !g.empty(); g = search.propose()) {
    std::vector<double> d;
    for (const FitSetup& s : g) d.push_back(objective(s));
    search.tell(d);
    run.generations.push_back(g);
  }
  run.best = search.bestDistance();
  return run;
}

}  // namespace

TEST(FitSearch, TheDesignFirstThenGenerationsWithinTheBudget) {
  SearchRun run = runSearch(SearchSettings{47, 3});
  ASSERT_EQ(run.generations.size(), 6u);  // 1 + 10 + 10 + 10 + 10 + 6
  EXPECT_EQ(run.generations[0].size(), 1u);
  EXPECT_EQ(run.generations[0][0], syntheticDesign().setup);
  EXPECT_EQ(run.generations[1].size(), 10u);
  EXPECT_EQ(run.generations[5].size(), 6u);
  EXPECT_TRUE(runSearch(SearchSettings{0, 3}).generations.empty());
}

TEST(FitSearch, TheSameSeedProposesTheSameSetupsAnotherSeedOthers) {
  SearchRun a = runSearch(SearchSettings{60, 7}), b = runSearch(SearchSettings{60, 7}), c = runSearch(SearchSettings{60, 8});
  EXPECT_EQ(a.generations, b.generations);
  EXPECT_NE(a.generations, c.generations);
}

TEST(FitSearch, ImprovesOnTheDesignAndKeepsTheBestEverTold) {
  const double start = objective(syntheticDesign().setup);
  SearchRun run = runSearch(SearchSettings{200, 1});
  EXPECT_LT(run.best, start / 2) << "from " << start;
  double lowest = std::numeric_limits<double>::infinity();
  for (const auto& g : run.generations)
    for (const FitSetup& s : g) lowest = std::min(lowest, objective(s));
  EXPECT_EQ(run.best, lowest);
}

// Every proposal is a set-up the block menu accepts, with units the editors take.
TEST(FitSearch, ProposalsAreValidSetups) {
  SearchRun run = runSearch(SearchSettings{120, 2});
  for (const auto& g : run.generations)
    for (const FitSetup& s : g) {
      FitSetup again = s;
      makeValid(again);
      EXPECT_EQ(again, s);
      EXPECT_NO_THROW(applySetup(parseSetupText(fitSetupText(s, "", ""), "p"))) << fitSetupText(s, "", "");
    }
}

// A set-up that failed (out of steps) is the worst; a failed design is replaced.
TEST(FitSearch, FailedSetupsAreTheWorst) {
  FitSearch search(syntheticDesign(), SearchSettings{21, 4});
  search.propose();
  search.tell({std::numeric_limits<double>::infinity()});
  std::vector<FitSetup> g = search.propose();
  std::vector<double> d(g.size(), std::nan(""));
  d[3] = 2.5;
  search.tell(d);
  EXPECT_EQ(search.bestDistance(), 2.5);
  EXPECT_EQ(search.best(), g[3]);
}

namespace {

// Offspring over three generations that carry the lengths of a set-up of
// the first generation whose lengths are not the design's, told with the
// worst distance and, when `tellLengths`, the closest lengths.
size_t offspringWithItsLengths(bool tellLengths) {
  FitSearch search(syntheticDesign(), SearchSettings{100, 5});
  const FitSetup design = search.propose().front();
  search.tell({1.0}, {50.0});
  std::vector<FitSetup> first = search.propose();
  size_t chosen = 0;
  while (chosen < first.size() && lengthsOf(first[chosen]) == lengthsOf(design)) ++chosen;
  EXPECT_LT(chosen, first.size()) << "no set-up of the first generation has lengths of its own";
  std::vector<double> distances, lengths;
  for (size_t i = 0; i < first.size(); ++i) {
    distances.push_back(i == chosen ? 100.0 : 1.0 + static_cast<double>(i));
    lengths.push_back(i == chosen ? 1.0 : 100.0);
  }
  search.tell(distances, tellLengths ? lengths : std::vector<double>{});
  size_t carrying = 0;
  for (int g = 0; g < 3; ++g) {
    std::vector<FitSetup> next = search.propose();
    for (const FitSetup& s : next) carrying += chosen < first.size() && lengthsOf(s) == lengthsOf(first[chosen]) ? 1 : 0;
    search.tell(std::vector<double>(next.size(), 50.0));
  }
  return carrying;
}

}  // namespace

// The lengths of the set-up whose length measures came closest go to
// offspring of other parents, even when its distance keeps it out of them.
TEST(FitSearch, TheClosestLengthsGoToOffspringOfOtherParents) {
  EXPECT_EQ(offspringWithItsLengths(false), 0u);
  EXPECT_GE(offspringWithItsLengths(true), 2u);
}

// A set-up is never proposed twice: its block would be the same.
TEST(FitSearch, NoSetupIsProposedTwice) {
  SearchRun run = runSearch(SearchSettings{300, 2});
  std::vector<FitSetup> all;
  for (const std::vector<FitSetup>& g : run.generations) all.insert(all.end(), g.begin(), g.end());
  ASSERT_EQ(all.size(), 300u);
  size_t repeated = 0;
  for (size_t i = 0; i < all.size(); ++i)
    for (size_t j = 0; j < i; ++j) repeated += all[i] == all[j] ? 1 : 0;
  EXPECT_EQ(repeated, 0u);
}
