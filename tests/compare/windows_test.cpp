// Windows of equal size: the window rules, z in units of the target's own
// spread between its windows, and the distance, worked out by hand.
#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "compare/windows.hpp"

namespace {

using Tokens = std::vector<std::string>;

Tokens operator+(Tokens a, const Tokens& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

Tokens same(const std::string& token, size_t times) { return Tokens(times, token); }

// `count` distinct tokens of `length` characters each.
Tokens distinct(size_t count, size_t length, char first = 'a') {
  Tokens t;
  for (size_t i = 0; i < count; ++i) {
    std::string token(length, first);
    for (size_t k = 0, n = i; k < length; ++k, n /= 26) token[length - 1 - k] = static_cast<char>(first + n % 26);
    t.push_back(token);
  }
  return t;
}

double zOf(const WindowedComparison& c, const std::string& measure) {
  for (const MeasureZ& m : c.z)
    if (m.measure == measure) return m.z;
  ADD_FAILURE() << "no z of " << measure;
  return NAN;
}

}  // namespace

TEST(WindowPlan, LoweredToHalfTheTargetAndToTheSmallestOtherInput) {
  EXPECT_EQ(planWindow(1000, {5000, 3000}).window, 1000u);
  EXPECT_EQ(planWindow(1000, {1201, 3000}).window, 600u);  // half the target, rounded down
  EXPECT_EQ(planWindow(1000, {5000, 3000, 700, 800}).window, 700u);
  EXPECT_EQ(planWindow(60, {5000, 3000}).window, 60u);
  EXPECT_FALSE(planWindow(1000, {100, 50}).refused());  // windows of 50 are enough
  EXPECT_EQ(planWindow(1000, {100, 50}).window, 50u);
}

TEST(WindowPlan, BelowFiftyTheInputTooShortIsNamed) {
  WindowPlan target = planWindow(1000, {99, 5000});
  EXPECT_TRUE(target.refused());
  EXPECT_EQ(target.tooShort, 0u);
  WindowPlan other = planWindow(1000, {5000, 3000, 49, 40});
  EXPECT_TRUE(other.refused());
  EXPECT_EQ(other.tooShort, 3u);  // the smallest one
  EXPECT_TRUE(planWindow(49, {5000, 3000}).refused());  // asked below the least
  EXPECT_EQ(tooShortText(60, true), "60 tokens, too few for two windows of 50 tokens");
  EXPECT_EQ(tooShortText(1, false), "1 token, too few for a window of 50 tokens");
}

TEST(WindowedTarget, AnInputComparedWithItselfIsZeroEverywhere) {
  Tokens text;
  for (size_t i = 0; i < 700; ++i) text.push_back(distinct(40, 1 + i % 5)[(i * 7) % 40]);
  TokenSequence s = tokenSequence(text);
  WindowedTarget target(s, 100, comparisonMeasureNames());
  EXPECT_EQ(target.windows(), 7u);
  WindowedComparison c = target.compare(s);
  EXPECT_EQ(c.window, 100u);
  EXPECT_EQ(c.windows, 7u);
  ASSERT_EQ(c.z.size(), comparisonMeasureNames().size());
  for (const MeasureZ& m : c.z) EXPECT_EQ(m.z, 0) << m.measure;
  EXPECT_EQ(c.dist, 0);
}

// Two windows of 50: the first one token 50 times (ttr 1/50), the second
// 50 distinct tokens (ttr 1). Mean 0.51, sample sd 0.49 * sqrt(2).
TEST(WindowedTarget, ZInUnitsOfTheTargetsSpreadByHand) {
  TokenSequence target = tokenSequence(same("x", 50) + distinct(50, 2));
  WindowedTarget t(target, 50, {"ttr", "len_mean"});
  EXPECT_NEAR(t.means()[0], 0.51, 1e-12);
  EXPECT_NEAR(t.units()[0], 0.49 * std::sqrt(2.0), 1e-12);
  // len_mean: 1 and 2, mean 1.5, sd sqrt(0.5).
  EXPECT_NEAR(t.units()[1], std::sqrt(0.5), 1e-12);
  // A trial of 25 tokens twice each (ttr 0.5), lengths 2; the 30 tokens
  // after its only whole window take no part.
  Tokens trial = distinct(25, 2) + distinct(25, 2) + same("longer", 30);
  WindowedComparison c = t.compare(tokenSequence(trial));
  EXPECT_EQ(c.windows, 1u);
  const double zTtr = (0.5 - 0.51) / (0.49 * std::sqrt(2.0)), zLen = (2 - 1.5) / std::sqrt(0.5);
  EXPECT_NEAR(zOf(c, "ttr"), zTtr, 1e-12);
  EXPECT_NEAR(zOf(c, "len_mean"), zLen, 1e-12);
  EXPECT_NEAR(c.dist, std::sqrt((zTtr * zTtr + zLen * zLen) / 2), 1e-12);
}

TEST(WindowedTarget, AUnitIsAtLeastOneOverTheWindow) {
  // rep is 0 in both windows: sd 0, raised to 1/50. A trial with 6 equal
  // neighbour pairs of 49: z = (6/49) / (1/50).
  TokenSequence target = tokenSequence(distinct(100, 3));
  WindowedTarget t(target, 50, {"rep"});
  EXPECT_DOUBLE_EQ(t.units()[0], 1.0 / 50);
  Tokens trial = distinct(43, 3) + same("zzz", 7);  // 6 equal pairs among the last seven
  WindowedComparison c = t.compare(tokenSequence(trial));
  EXPECT_NEAR(zOf(c, "rep"), (6.0 / 49) * 50, 1e-9);
}

// The length distribution: each window's total variation distance to the
// target's windows pooled. Target windows all of length 1, all of length 2:
// pooled 1/2, 1/2; each window is 1/2 from it (mean 1/2, sd 0 -> 1/50).
TEST(WindowedTarget, LengthDistributionAgainstThePooledTarget) {
  TokenSequence target = tokenSequence(distinct(50, 1) + distinct(50, 2));
  WindowedTarget t(target, 50, {"len_dist"});
  EXPECT_DOUBLE_EQ(t.means()[0], 0.5);
  EXPECT_DOUBLE_EQ(t.units()[0], 1.0 / 50);
  EXPECT_NEAR(t.compare(tokenSequence(distinct(50, 1))).z[0].z, 0, 1e-12);  // also 1/2 away
  EXPECT_NEAR(t.compare(tokenSequence(distinct(50, 3))).z[0].z, (1 - 0.5) * 50, 1e-9);
  // Half of length 1, half of length 2 in one window: distance 0.
  EXPECT_NEAR(t.compare(tokenSequence(distinct(25, 1) + distinct(25, 2))).z[0].z, (0 - 0.5) * 50, 1e-9);
}

TEST(WindowedTarget, RefusesWhatCannotBeCompared) {
  TokenSequence target = tokenSequence(distinct(120, 2));
  EXPECT_THROW(WindowedTarget(target, 61, {"ttr"}), std::invalid_argument);  // one window only
  EXPECT_THROW(WindowedTarget(target, 0, {"ttr"}), std::invalid_argument);
  EXPECT_THROW(WindowedTarget(target, 50, {"size"}), std::invalid_argument);
  WindowedTarget t(target, 60, {"ttr"});
  EXPECT_THROW(t.compare(tokenSequence(distinct(59, 2))), std::invalid_argument);
  EXPECT_EQ(distanceOfZ({}), 0);
  EXPECT_DOUBLE_EQ(distanceOfZ({{"a", 3}, {"b", -4}}), std::sqrt(12.5));
}
