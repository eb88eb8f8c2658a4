// The design of a fit from a target: units, shares, map integers and sizes.
#include "steering/fitdesign.hpp"

#include <gtest/gtest.h>

#include <map>
#include <numeric>

#include "setups/setupfile.hpp"
#include "support.hpp"

namespace {

// 2000 tokens of lengths 3..6 over "a" (most), "b", "c" and "the".
std::vector<std::string> syntheticTokens() {
  const char* const words[] = {"aab", "thea", "abca", "aaaaa", "theab", "acab", "aaba", "bcaaaa", "aatheb", "aaa"};
  std::vector<std::string> tokens;
  for (int i = 0; i < 2000; ++i) tokens.push_back(words[(i * 7 + i / 10) % 10]);
  return tokens;
}

}  // namespace

TEST(FitDesign, TokensAreCutLongestUnitFirst) {
  std::vector<std::string> units{"a", "b", "ab", "abc", "x"};
  EXPECT_EQ(unitCounts(units, {"abcab", "ba", "q", "aab"}), (std::vector<uint64_t>{2, 1, 2, 1, 0}));
}

TEST(FitDesign, IntegersGoToTheRowsFurthestBelowTheirShares) {
  std::vector<uint64_t> counts{0, 50, 30, 10, 6, 4, 1};  // integers 1..6
  std::array<double, FIT_ROWS> shares{};
  shares[0] = 0.6;
  shares[1] = 0.4;
  std::vector<std::vector<int32_t>> rows = assignIntegers(counts, shares);
  EXPECT_EQ(rows[0], (std::vector<int32_t>{1, 3, 6}));  // 61 of 101
  EXPECT_EQ(rows[1], (std::vector<int32_t>{2, 4, 5}));  // 40
  for (size_t r = 2; r < rows.size(); ++r) EXPECT_TRUE(rows[r].empty());
  // An integer that would overshoot every row by more than it helps stays out.
  std::array<double, FIT_ROWS> thirds{};
  thirds[0] = thirds[1] = thirds[2] = 1.0 / 3;
  rows = assignIntegers({0, 10, 10, 10, 9}, thirds);
  EXPECT_EQ(rows[0], std::vector<int32_t>{1});
  EXPECT_EQ(rows[1], std::vector<int32_t>{2});
  EXPECT_EQ(rows[2], std::vector<int32_t>{3});
  // At most five integers a row: the rest stay out of the map.
  std::vector<uint64_t> many(20, 5);
  std::array<double, FIT_ROWS> one{};
  one[7] = 1;
  EXPECT_EQ(assignIntegers(many, one)[7].size(), 5u);
}

// GCF4 as a block draws it: the counts of its first draws follow the seed.
TEST(FitDesign, MapIntegersAreCountedByRunningTheChaosFunction) {
  std::vector<uint64_t> a = mapIntegerCounts(3.99, 0.3, 100, 5000);
  EXPECT_EQ(a.size(), 101u);
  EXPECT_EQ(a[0], 0u);
  EXPECT_EQ(std::accumulate(a.begin(), a.end(), uint64_t{0}), 5000u);
  EXPECT_EQ(mapIntegerCounts(3.99, 0.3, 100, 5000), a);
  EXPECT_NE(mapIntegerCounts(3.7, 0.3, 100, 5000), a);
}

TEST(FitDesign, SharesUnitsSizesAndTheBlockDrawTheTarget) {
  std::vector<std::string> tokens = syntheticTokens();
  FitDesign d = designFromTarget(tokens, 400, 499);
  EXPECT_EQ(designFromTarget(tokens, 400, 499).setup, d.setup);
  EXPECT_EQ(d.setup.units[0], "a");
  EXPECT_NE(std::find(d.setup.units.begin(), d.setup.units.end(), "the"), d.setup.units.end());
  EXPECT_EQ(d.setup.sizes, 0b1111000u);  // the lengths 3..6 of the target
  EXPECT_NEAR((d.setup.averageLo + d.setup.averageHi) / 2, 4.2, 0.6);
  EXPECT_NEAR(std::accumulate(d.shares.begin(), d.shares.end(), 0.0), 1, 1e-9);

  // Generated, every row's unit turns up about as often as in the target.
  applySetup(parseSetupText(fitSetupText(d.setup, "", ""), "design"));
  installUnits(d.setup);
  ASSERT_TRUE(generateHeadless(50'000'000).complete);
  std::vector<std::string> groups = finishedBlockGroups();
  std::vector<std::string> units(d.setup.units.begin(), d.setup.units.end());
  std::vector<uint64_t> target = unitCounts(units, tokens), block = unitCounts(units, groups);
  double targetTotal = std::accumulate(target.begin(), target.end(), 0.0);
  double blockTotal = std::accumulate(block.begin(), block.end(), 0.0);
  for (size_t r = 0; r < units.size(); ++r)
    if (target[r] > 0) {
      EXPECT_NEAR(static_cast<double>(block[r]) / blockTotal, static_cast<double>(target[r]) / targetTotal, 0.08)
          << units[r];
    }
}

// UTF-8 targets: a character of two bytes is a unit of its own, never split.
TEST(FitDesign, CodePointsOfUtf8TargetsStayWhole) {
  std::vector<std::string> tokens;
  for (int i = 0; i < 300; ++i) tokens.push_back(i % 3 == 0 ? "f\xC3\xBCr" : i % 3 == 1 ? "gr\xC3\xB6\xC3\x9F" "e" : "und");
  FitDesign d = designFromTarget(tokens, 400, 499, true);
  auto holds = [&](const std::string& unit) { return std::find(d.setup.units.begin(), d.setup.units.end(), unit) != d.setup.units.end(); };
  EXPECT_TRUE(holds("\xC3\xBC"));
  for (const std::string& unit : d.setup.units) {
    EXPECT_NE(static_cast<unsigned char>(unit.back()) & 0xC0, 0xC0) << "a unit ends in a lead byte";
    EXPECT_NE(static_cast<unsigned char>(unit.front()) & 0xC0, 0x80) << "a unit starts with a continuation byte";
  }
  EXPECT_FALSE(holds("\xC3"));
}

// A word row of a variant is drawn as often as the word stands alone; the
// tokens that are no word row are cut into the characters' rows only.
TEST(FitDesign, WordRowsOfVariantsShareOnlyWholeTokens) {
  std::vector<std::string> tokens;
  for (const char* word : {"the", "of", "to", "and", "in", "is", "it", "be"})
    for (int i = 0; i < 20; ++i) tokens.push_back(word);
  for (int i = 0; i < 6; ++i) tokens.push_back("there");  // holds "the", and no word row
  FitDesign d = designFromTarget(tokens, 400, 499);
  ASSERT_FALSE(d.variants.empty());
  const FitSetup& eight = d.variants.front();
  const std::array<double, FIT_ROWS>& shares = d.variantShares.front();
  auto shareOf = [&](const std::string& unit) {
    auto row = std::find(eight.units.begin(), eight.units.end(), unit);
    EXPECT_NE(row, eight.units.end()) << unit;
    return row == eight.units.end() ? -1.0 : shares[static_cast<size_t>(row - eight.units.begin())];
  };
  EXPECT_DOUBLE_EQ(shareOf("the"), shareOf("of"));
  EXPECT_GT(shareOf("r"), 0);  // from "there" alone
  // Of 160 words and the 30 characters of "there", "the" stands alone 20 times.
  EXPECT_NEAR(shareOf("the"), 20.0 / 190, 1e-12);
  EXPECT_NEAR(std::accumulate(shares.begin(), shares.end(), 0.0), 1, 1e-9);
}

// The design chooses the sizes from blocks made with the program's start
// symbols: the lengths of a block's groups, in block order, follow from its
// sizes, average range and K2, X2, K3, X3 alone, not from its units, map,
// scan controls or K1.
TEST(FitDesign, TheLengthsOfABlockDoNotDependOnItsUnits) {
  FitDesign d = designFromTarget(syntheticTokens(), 400, 499);
  auto groupLengths = [](const FitSetup& s, bool withUnits) {
    applySetup(parseSetupText(withUnits ? fitSetupText(s, "", "") : fitSizesText(s), "lengths"));
    if (withUnits) installUnits(s);
    EXPECT_TRUE(generateHeadless(50'000'000).complete);
    std::vector<size_t> lengths;
    for (const std::string& group : finishedBlockGroups()) lengths.push_back(group.size());
    return lengths;
  };
  const std::vector<size_t> start = groupLengths(d.setup, false);
  ASSERT_GE(start.size(), 400u);
  EXPECT_EQ(groupLengths(d.setup, true), start);
  ASSERT_FALSE(d.variants.empty());
  FitSetup other = d.variants.back();
  other.k[0] = 3.7;
  other.x[0] = 0.55;
  other.direction = 'R';
  other.resume = 'L';
  EXPECT_EQ(groupLengths(other, true), start);
  other.x[2] = 0.61;  // another slot function
  EXPECT_NE(groupLengths(other, true), start);
}

// With groups of one character activated, a variant of words keeps a row
// for a character, the commonest token of one character first.
TEST(FitDesign, VariantsKeepACharacterForGroupsOfOneCharacter) {
  std::vector<std::string> tokens;
  for (int w = 0; w < 60; ++w)
    for (int i = 0; i < 3 + w % 5; ++i) tokens.push_back(std::string(1, static_cast<char>('b' + w % 20)) + "x" + std::to_string(w));
  for (size_t i = 0, n = tokens.size(); i < n / 4; ++i) tokens.insert(tokens.begin() + static_cast<std::ptrdiff_t>(i * 5), i % 3 ? "a" : "I");
  FitDesign d = designFromTarget(tokens, 400, 499);
  ASSERT_NE(d.setup.sizes & 2u, 0u) << "the design did not activate groups of one character";
  const FitSetup& words = d.variants.back();
  size_t characters = 0;
  for (const std::string& unit : words.units) characters += unit.size() == 1 ? 1 : 0;
  EXPECT_EQ(characters, 1u);
  EXPECT_NE(std::find(words.units.begin(), words.units.end(), "a"), words.units.end());
  applySetup(parseSetupText(fitSetupText(words, "", ""), "words"));
  installUnits(words);
  EXPECT_TRUE(generateHeadless(50'000'000).complete);
}
