// The yardsticks of token sequences, worked out by hand, and the distance.
#include <cmath>
#include <cstdlib>
#include <stdexcept>

#include <gtest/gtest.h>

#include "compare/yardsticks.hpp"
#include "shell/numberforms.hpp"

namespace {

using Tokens = std::vector<std::string>;
using Top = std::vector<std::pair<std::string, size_t>>;

const double LOG2_3 = std::log2(3.0);

Tokens repeated(const std::string& token, size_t times) { return Tokens(times, token); }

Tokens operator+(Tokens a, const Tokens& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

}  // namespace

// "ab a ab b": the stream holds a, b and the blank three times each; its
// eight pairs are ab twice, "b " twice, " a" twice, "a " and " b".
TEST(Yardsticks, HandWorkedSmallCase) {
  Yardsticks y = measureTokens({"ab", "a", "ab", "b"});
  EXPECT_EQ(y.tokens, 4u);
  EXPECT_EQ(y.types, 3u);
  EXPECT_DOUBLE_EQ(y.ttr, 0.75);
  EXPECT_DOUBLE_EQ(y.hapax, 2.0 / 3);
  EXPECT_DOUBLE_EQ(y.len_mean, 1.5);
  EXPECT_DOUBLE_EQ(y.len_sd, 0.5);
  EXPECT_EQ(y.len_dist, (std::vector<double>{0.5, 0.5}));
  EXPECT_DOUBLE_EQ(y.h0, LOG2_3);
  EXPECT_DOUBLE_EQ(y.h1, LOG2_3);
  // After a: b (2 of 3) or blank (1 of 3); after b: blank always; after the
  // blank: a (2 of 3) or b (1 of 3).
  EXPECT_NEAR(y.h2, 0.75 * LOG2_3 - 0.5, 1e-12);
  // Ranks 1..3 with frequencies 2, 1, 1.
  EXPECT_NEAR(y.zipf, -0.670672, 1e-6);
  EXPECT_DOUBLE_EQ(y.rep, 0);
  EXPECT_DOUBLE_EQ(y.near, 1);  // ab-a, a-ab, ab-b: one byte each
  EXPECT_EQ(y.top, (Top{{"ab", 2}, {"a", 1}, {"b", 1}}));
  EXPECT_EQ(y.frequencies, (std::vector<size_t>{2, 1, 1}));
}

TEST(Yardsticks, RepetitionsAndNearNeighbours) {
  // cat-cat same, cat-bat replaced, bat-bat same, bat-at deleted, at-dog far.
  Yardsticks y = measureTokens({"cat", "cat", "bat", "bat", "at", "dog"});
  EXPECT_DOUBLE_EQ(y.rep, 2.0 / 5);
  EXPECT_DOUBLE_EQ(y.near, 2.0 / 5);
  EXPECT_DOUBLE_EQ(y.hapax, 0.5);
  EXPECT_EQ(y.len_dist, (std::vector<double>{0, 1.0 / 6, 5.0 / 6}));
  EXPECT_NEAR(y.len_sd, std::sqrt(5.0) / 6, 1e-12);  // lengths 3,3,3,3,2,3
}

TEST(Yardsticks, ZipfSlopeOfExactPowerLaws) {
  // Frequencies 6, 3, 2 are 6 / rank: slope -1.
  EXPECT_NEAR(measureTokens(repeated("a", 6) + repeated("b", 3) + repeated("c", 2)).zipf, -1, 1e-12);
  // Two types 4 and 1: log10(1/4) / log10(2) = -2.
  EXPECT_NEAR(measureTokens(repeated("x", 4) + Tokens{"y"}).zipf, -2, 1e-12);
  // Equal frequencies: flat.
  EXPECT_NEAR(measureTokens({"p", "q", "r"}).zipf, 0, 1e-12);
}

TEST(Yardsticks, TopTenTiesInOrderOfFirstAppearance) {
  Tokens tokens;
  for (char c = 'a'; c <= 'l'; ++c) tokens.push_back(std::string(1, c));  // 12 types once each
  tokens = tokens + Tokens{"k", "c"};
  Yardsticks y = measureTokens(tokens);
  EXPECT_EQ(y.top, (Top{{"c", 2}, {"k", 2}, {"a", 1}, {"b", 1}, {"d", 1}, {"e", 1}, {"f", 1}, {"g", 1},
                        {"h", 1}, {"i", 1}}));
  EXPECT_EQ(y.frequencies.size(), 12u);
}

TEST(YardsticksEdges, NoTokensAtAll) {
  Yardsticks y = measureTokens({});
  EXPECT_EQ(y.tokens, 0u);
  EXPECT_EQ(y.types, 0u);
  for (const ScalarMeasure& m : scalarMeasures()) EXPECT_EQ(y.*m.member, 0) << m.name;
  EXPECT_TRUE(y.len_dist.empty());
  EXPECT_TRUE(y.top.empty());
}

TEST(YardsticksEdges, OneToken) {
  Yardsticks y = measureTokens({"abc"});
  EXPECT_DOUBLE_EQ(y.ttr, 1);
  EXPECT_DOUBLE_EQ(y.hapax, 1);
  EXPECT_DOUBLE_EQ(y.len_mean, 3);
  EXPECT_DOUBLE_EQ(y.len_sd, 0);
  EXPECT_EQ(y.len_dist, (std::vector<double>{0, 0, 1}));
  EXPECT_DOUBLE_EQ(y.h0, LOG2_3);
  EXPECT_DOUBLE_EQ(y.h1, LOG2_3);
  EXPECT_DOUBLE_EQ(y.h2, 0);  // each byte decides the next
  EXPECT_DOUBLE_EQ(y.zipf, 0);
  EXPECT_DOUBLE_EQ(y.rep, 0);
  EXPECT_DOUBLE_EQ(y.near, 0);
  // A single byte: no pair at all.
  Yardsticks one = measureTokens({"x"});
  EXPECT_DOUBLE_EQ(one.h0, 0);
  EXPECT_DOUBLE_EQ(one.h1, 0);
  EXPECT_DOUBLE_EQ(one.h2, 0);
}

TEST(YardsticksEdges, AllTokensEqual) {
  Yardsticks y = measureTokens(repeated("aa", 3));  // "aa aa aa": six a, two blanks
  EXPECT_EQ(y.types, 1u);
  EXPECT_DOUBLE_EQ(y.ttr, 1.0 / 3);
  EXPECT_DOUBLE_EQ(y.hapax, 0);
  EXPECT_DOUBLE_EQ(y.rep, 1);
  EXPECT_DOUBLE_EQ(y.near, 0);
  EXPECT_DOUBLE_EQ(y.zipf, 0);
  EXPECT_DOUBLE_EQ(y.h0, 1);
  EXPECT_NEAR(y.h1, -(0.75 * std::log2(0.75) + 0.25 * std::log2(0.25)), 1e-12);
  // Pairs: aa 3, "a " 2, " a" 2 of 7; after a: a 3 of 5, blank 2 of 5; after the blank: a.
  EXPECT_NEAR(y.h2, -(3.0 / 7 * std::log2(3.0 / 5) + 2.0 / 7 * std::log2(2.0 / 5)), 1e-12);
  EXPECT_EQ(y.top, (Top{{"aa", 3}}));
}

TEST(YardsticksEdges, BytesAbove127AreBytes) {
  Yardsticks y = measureTokens({"\xff\xfe", "\xff", "\x80"});
  EXPECT_DOUBLE_EQ(y.len_mean, 4.0 / 3);
  EXPECT_DOUBLE_EQ(y.h0, 2);  // ff, fe, 80 and the blank
  EXPECT_DOUBLE_EQ(y.near, 1);
  // Stream ff fe _ ff _ 80: after ff comes fe or the blank, after the blank
  // ff or 80 (1 bit each, 4 of the 5 pairs); fe has one follower.
  EXPECT_NEAR(y.h2, 0.8, 1e-12);
  EXPECT_EQ(y.top.front().first, "\xff\xfe");
}

TEST(YardsticksEdges, EmptyTokensHaveNoLengthShare) {
  // A List file's empty lines are tokens of length 0.
  Yardsticks y = measureTokens({"", "ab", ""});
  EXPECT_EQ(y.types, 2u);
  EXPECT_EQ(y.len_dist, (std::vector<double>{0, 1.0 / 3}));
  EXPECT_DOUBLE_EQ(y.near, 0);
  EXPECT_DOUBLE_EQ(y.rep, 0);
}

TEST(OneEditApart, InsertDeleteReplace) {
  EXPECT_TRUE(oneEditApart("abc", "abd"));
  EXPECT_TRUE(oneEditApart("abc", "xbc"));
  EXPECT_TRUE(oneEditApart("abc", "ab"));
  EXPECT_TRUE(oneEditApart("bc", "abc"));
  EXPECT_TRUE(oneEditApart("abc", "axbc"));
  EXPECT_TRUE(oneEditApart("", "a"));
  EXPECT_FALSE(oneEditApart("abc", "abc"));
  EXPECT_FALSE(oneEditApart("", ""));
  EXPECT_FALSE(oneEditApart("abc", "acb"));  // a swap is two edits
  EXPECT_FALSE(oneEditApart("abc", "a"));
  EXPECT_FALSE(oneEditApart("abcd", "abdc"));
  EXPECT_FALSE(oneEditApart("abc", "xbd"));
  EXPECT_FALSE(oneEditApart("abc", "xab"));
}
