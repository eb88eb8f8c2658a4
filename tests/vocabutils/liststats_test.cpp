// List statistics apart from the screens: alphabet, ranking, prime symbols,
// appearance counts and the digraph spectrum.
#include <gtest/gtest.h>

#include "vocabutils/listfile.hpp"
#include "vocabutils/liststats.hpp"

namespace {

Tank<std::string> listOf(const std::vector<std::string>& groups) {
  Tank<std::string> table;
  fillListTable(table, groups);
  return table;
}

SymbolCounts countsOfList(const std::vector<std::string>& groups) {
  return symbolCounts(listOf(groups), static_cast<long>(groups.size()));
}

}  // namespace

TEST(ListStatistics, AlphabetLeavesOutCodesBelow32AndKeepsHighBytes) {
  SymbolCounts counts = countsOfList({"b\ta", "", "\xE9 b"});
  EXPECT_EQ(counts['b'], 2);
  EXPECT_EQ(counts['\t'], 1);
  EXPECT_EQ(alphabetOf(counts), " ab\xE9");
}

TEST(ListStatistics, RankingPrefersTheLowerCodeAndEndsInNoSymbol) {
  SymbolCounts counts = countsOfList({"yxy", "x", "a"});
  // x and y both 2: x has the lower code. Symbols of count 0 never rank.
  EXPECT_EQ(frequencyRanking(counts, 5), std::string("xya\0\0", 5));
  EXPECT_EQ(frequencyRanking(counts, 2), "xy");
  // Codes below 32 never rank, whatever their count.
  EXPECT_EQ(frequencyRanking(countsOfList({"\t\t\t"}), 1), std::string(1, '\0'));
}

TEST(ListStatistics, PrimeSymbolsPreferTheEarlierPosition) {
  SymbolCounts counts = countsOfList({"yxy", "x", "ab"});
  EXPECT_EQ(primeSymbols("abxy", counts, 3), "xya");
  // Swapping x and y in the positions swaps the first two prime symbols.
  EXPECT_EQ(primeSymbols("abyx", counts, 3), "yxa");
  // With fewer symbols of non-zero count, the earliest untaken positions follow.
  EXPECT_EQ(primeSymbols("abcx", countsOfList({"xx"}), 3), "xab");
  EXPECT_EQ(primeSymbols("a", counts, 2), "a");
}

TEST(ListStatistics, AppearancesCountOncePerGroup) {
  Tank<std::string> list = listOf({"abcabc", "ab", "xcab"});
  EXPECT_EQ(appearanceCount(list, 3, "abc"), 1);
  EXPECT_EQ(appearanceCount(list, 3, "bca"), 1);
  EXPECT_EQ(appearanceCount(list, 3, "cab"), 2);
  EXPECT_EQ(appearanceCount(list, 3, "acb"), 0);
  EXPECT_EQ(appearanceCount(list, 2, "cab"), 1);  // only groups 1..n
  EXPECT_EQ(appearanceCount(listOf({"hahahaaa"}), 1, "ha"), 1);
  EXPECT_EQ(appearanceCount(list, 3, ""), 0);
}

TEST(ListStatistics, DigraphCountsSkipShortGroupsAndForeignSymbols) {
  // "a" adds no digraph; the tab is no alphabet symbol, so "a\tb" holds no ab;
  // "abab" counts ab once.
  Tank<std::string> list = listOf({"a", "a\tb", "abab", ""});
  std::vector<int32_t> counts = digraphAppearanceCounts(list, 4, "ab");
  EXPECT_EQ(counts, (std::vector<int32_t>{0, 0, 1, 1, 0}));
  EXPECT_TRUE(rankedDigraphIndices(digraphAppearanceCounts(list, 4, "")).empty());
}

// 224 symbols give 50176 spectrum indices, beyond any 16-bit signed count.
TEST(ListStatistics, WidestSpectrumIndicesAndRanks) {
  std::string alphabet;
  for (int c = 32; c <= 255; ++c) alphabet.push_back(static_cast<char>(c));
  std::string last = "\xFF\xFF";
  Tank<std::string> list = listOf({last, last + "\xFF", " !"});
  std::vector<int32_t> counts = digraphAppearanceCounts(list, 3, alphabet);
  ASSERT_EQ(counts.size(), 50177u);
  EXPECT_EQ(digraphSpectrum(alphabet)[50176], last);
  EXPECT_EQ(counts[50176], 2);
  EXPECT_EQ(counts[2], 1);
  EXPECT_EQ(rankedDigraphIndices(counts), (std::vector<uint32_t>{50176, 2}));
}

