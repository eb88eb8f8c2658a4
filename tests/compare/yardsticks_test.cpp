// The yardsticks of token sequences, worked out by hand, and the distance.
#include <algorithm>
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

// ---- the measures of characters in context and of repetitions -------------

TEST(NewMeasures, H3ByHand) {
  // "aab aac": triples aab, "ab ", "b a", " aa", aac; after "aa" comes b or
  // c (1 bit, 2 of the 5 triples), every other pair has one follower.
  EXPECT_NEAR(measureTokens({"aab", "aac"}).h3, 0.4, 1e-12);
  // "aaaa": two triples aaa. The last pair "aa" begins no triple, so aa is
  // followed by a in 2 of 2 cases: no uncertainty.
  EXPECT_DOUBLE_EQ(measureTokens({"aaaa"}).h3, 0);
  Yardsticks y = measureTokens({"ab", "ac", "ab"});
  // Triples: "ab ", "b a", " ac", "ac ", "c a", " ab": the context " a" is
  // followed by c and b, once each: 2 of 6 triples with 1 bit.
  EXPECT_NEAR(y.h3, 2.0 / 6, 1e-12);
  EXPECT_DOUBLE_EQ(measureTokens({"ab"}).h3, 0);  // fewer than three characters
  EXPECT_DOUBLE_EQ(measureTokens({"a", "b"}).h3, 0);  // "a b": one triple
}

TEST(NewMeasures, LengthAutocorrelationByHand) {
  // Lengths 1 2 1 2: deviations -1/2 +1/2 ..., products -1/4 three times,
  // squares 1: (4/3) * (-3/4) / 1.
  EXPECT_NEAR(measureTokens({"a", "bb", "c", "dd"}).len_ac, -1, 1e-12);
  // Lengths 1 1 3 3: deviations -1 -1 1 1, products 1 -1 1, squares 4.
  EXPECT_NEAR(measureTokens({"a", "b", "ccc", "ddd"}).len_ac, 4.0 / 3 * 1 / 4, 1e-12);
  EXPECT_DOUBLE_EQ(measureTokens({"ab", "cd", "ef"}).len_ac, 0);  // all lengths equal
  EXPECT_DOUBLE_EQ(measureTokens({"abc"}).len_ac, 0);              // one token
}

TEST(NewMeasures, TripleRepetitionsByHand) {
  // Positions 3..7: aaa yes, aab, abb, bbb yes, bbb yes.
  EXPECT_DOUBLE_EQ(measureTokens({"a", "a", "a", "b", "b", "b", "b"}).rep3, 3.0 / 5);
  EXPECT_DOUBLE_EQ(measureTokens({"a", "b", "a", "b"}).rep3, 0);
  EXPECT_DOUBLE_EQ(measureTokens({"a", "a"}).rep3, 0);  // fewer than three tokens
}

TEST(NewMeasures, DoubledAndTripledCharactersInsideTokens) {
  // Pairs inside tokens: aa ab | bb bb | (none): 3 of 4 doubled. Places
  // j >= 3: the b of aab (no), the last b of bbb (yes): 1 of 2.
  Yardsticks y = measureTokens({"aab", "bbb", "c"});
  EXPECT_DOUBLE_EQ(y.chr_rep, 0.75);
  EXPECT_DOUBLE_EQ(y.chr_rep3, 0.5);
  // Equal characters across the blank between tokens do not count.
  Yardsticks apart = measureTokens({"ba", "ab", "a"});
  EXPECT_DOUBLE_EQ(apart.chr_rep, 0);
  EXPECT_DOUBLE_EQ(apart.chr_rep3, 0);
  Yardsticks none = measureTokens({"a", "b"});
  EXPECT_DOUBLE_EQ(none.chr_rep, 0);
  EXPECT_DOUBLE_EQ(none.chr_rep3, 0);
  EXPECT_DOUBLE_EQ(measureTokens({"xxxx"}).chr_rep3, 1);
}

TEST(NewMeasures, PositionalBiasByHand) {
  // a always first, b always last: the value tells the place.
  EXPECT_DOUBLE_EQ(measureTokens({"ab", "ab"}).pos_bias, 1);
  // a and b each first once and last once: it tells nothing.
  EXPECT_NEAR(measureTokens({"ab", "ba"}).pos_bias, 0, 1e-12);
  // "abc ab": a first, b inside, c last, a first, b last. H(class) of 2/5,
  // 1/5, 2/5; given the byte only b is uncertain (1 bit, 2 of 5).
  const double hClass = -(0.8 * std::log2(0.4) + 0.2 * std::log2(0.2));
  EXPECT_NEAR(measureTokens({"abc", "ab"}).pos_bias, (hClass - 0.4) / hClass, 1e-12);
  // Tokens of one byte have no place class.
  EXPECT_DOUBLE_EQ(measureTokens({"ab", "a", "ab", "b"}).pos_bias, 1);
  EXPECT_DOUBLE_EQ(measureTokens({"a", "b", "c"}).pos_bias, 0);
}

TEST(NewMeasures, LengthsBeyondTheLastColumnShareOneClass) {
  Yardsticks y = measureTokens({"a", std::string(31, 'b'), std::string(32, 'c'), std::string(400, 'd')});
  ASSERT_EQ(y.len_dist.size(), LENGTH_COLUMNS);
  EXPECT_DOUBLE_EQ(y.len_dist[0], 0.25);
  EXPECT_DOUBLE_EQ(y.len_dist[30], 0.25);
  EXPECT_DOUBLE_EQ(y.len_longer, 0.5);
  std::vector<double> classes = lengthClasses(y);
  ASSERT_EQ(classes.size(), LENGTH_COLUMNS + 1);
  EXPECT_DOUBLE_EQ(classes.back(), 0.5);
  EXPECT_DOUBLE_EQ(y.len_mean, (1 + 31 + 32 + 400) / 4.0);  // the mean takes the true lengths
}

TEST(Utf8Characters, CodePointsAreCharacters) {
  const Tokens tokens{"\xc3\xa4\xc3\xa4", "\xc3\xa4", "f\xc3\xbcr"};  // "ää", "ä", "für"
  Yardsticks bytes = measureSequence(tokenSequence(tokens, Characters::Bytes));
  Yardsticks points = measureSequence(tokenSequence(tokens, Characters::Utf8));
  EXPECT_DOUBLE_EQ(points.len_mean, 2);  // 2, 1 and 3 characters
  EXPECT_DOUBLE_EQ(bytes.len_mean, 10.0 / 3);
  // Pairs inside tokens: ää (doubled) | fü ür.
  EXPECT_DOUBLE_EQ(points.chr_rep, 1.0 / 3);
  EXPECT_DOUBLE_EQ(bytes.chr_rep, 0);  // c3 a4 c3 a4: no two equal bytes in a row
  // ä, the blank, f, ü, r.
  EXPECT_DOUBLE_EQ(points.h0, std::log2(5.0));
  EXPECT_EQ(points.top.front().first, "\xc3\xa4\xc3\xa4");
  EXPECT_EQ(points.types, 3u);
}

TEST(RunMeasurer, AWindowIsMeasuredAsIfItWereTheWholeInput) {
  const Tokens tokens{"the", "cat", "sat", "on", "the", "mat", "the", "the", "the", "end", "cat", "x"};
  TokenSequence s = tokenSequence(tokens);
  RunMeasurer measurer(s);
  for (size_t from : {0u, 3u, 5u})
    for (size_t to : {from + 1, from + 4, tokens.size()}) {
      Yardsticks window = measurer.measure(from, to, true);
      Yardsticks alone = measureTokens(Tokens(tokens.begin() + static_cast<long>(from), tokens.begin() + static_cast<long>(to)));
      for (const ScalarMeasure& m : scalarMeasures())
        EXPECT_DOUBLE_EQ(window.*m.member, alone.*m.member) << m.name << " of " << from << ".." << to;
      EXPECT_EQ(window.len_dist, alone.len_dist);
      EXPECT_EQ(window.top, alone.top);
      EXPECT_EQ(window.frequencies, alone.frequencies);
    }
}

TEST(GramCounter, PlainAndHashedTablesCountAlike) {
  GramCounter dense(1000, 10), hashed(uint64_t{1} << 40, 10);
  for (int round = 0; round < 2; ++round) {
    for (uint64_t key : {5u, 7u, 5u, 999u, 5u}) {
      dense.add(key);
      hashed.add(key * 1000003);
    }
    EXPECT_EQ(dense.distinct(), 3u);
    EXPECT_EQ(hashed.distinct(), 3u);
    EXPECT_EQ(dense.count(5), 3u);
    EXPECT_EQ(hashed.count(5 * 1000003), 3u);
    EXPECT_EQ(hashed.count(6), 0u);
    std::vector<std::pair<uint64_t, uint32_t>> seen;
    hashed.forEach([&](uint64_t key, uint32_t n) { seen.emplace_back(key / 1000003, n); });
    std::sort(seen.begin(), seen.end());
    EXPECT_EQ(seen, (std::vector<std::pair<uint64_t, uint32_t>>{{5, 3}, {7, 1}, {999, 1}}));
    dense.clear();
    hashed.clear();
    EXPECT_EQ(hashed.count(5 * 1000003), 0u);
  }
  // The hash table grows past its first size and keeps every count.
  for (uint64_t k = 0; k < 5000; ++k) hashed.add(k << 30);
  hashed.add(4999ull << 30);
  EXPECT_EQ(hashed.distinct(), 5000u);
  EXPECT_EQ(hashed.count(4999ull << 30), 2u);
  EXPECT_EQ(hashed.count(17ull << 30), 1u);
}
