#include <cmath>

#include <gtest/gtest.h>

#include "chaosrun/chaosfunction.hpp"

namespace {

// The run's step as written: (Y x K) x (1 - Y) in extended precision.
double writtenOrder(double y, double k) {
  long double Y = y;
  return static_cast<double>((Y * k) * (1.0L - Y));
}
double otherGrouping(double y, double k) {
  long double Y = y;
  return static_cast<double>(Y * (k * (1.0L - Y)));
}
double doubleOnly(double y, double k) {
  volatile double p = y * k;  // volatile: keep the double rounding of each product
  volatile double q = 1.0 - y;
  return p * q;
}

// Steps after which a variant first differs from the written order, or -1.
template <class Variant>
int partingStep(double seed, double k, Variant variant) {
  double a = seed, b = seed;
  for (int i = 1; i <= 100; ++i) {
    a = writtenOrder(a, k);
    b = variant(b, k);
    if (a != b) return i;
  }
  return -1;
}

}  // namespace

TEST(MapStep, FollowsTheWrittenOrderInExtendedPrecision) {
  const double K = 3.9, seed = 0.226;
  // The seed is one on which the other evaluations part from the written one.
  int grouping = partingStep(seed, K, otherGrouping);
  int inDouble = partingStep(seed, K, doubleOnly);
  ASSERT_GT(grouping, 0);
  ASSERT_GT(inDouble, 0);

  double y = (seed * K) * (1 - seed), expected = y;
  int32_t it = 0;
  for (int i = 1; i <= 100; ++i) {
    MAPSTEP(y, it, K, 2.0f, 2.0f, 38);
    expected = writtenOrder(expected, K);
    ASSERT_EQ(y, expected) << "step " << i;
    long double scaled = (2.0L * 38 - 2.0L) * static_cast<long double>(expected);
    ASSERT_EQ(it, static_cast<int32_t>(std::floor(scaled)) + 1) << "step " << i;
  }
}

TEST(ChaosDraw, CyclesAlternateAndRejectionsGoOn) {
  double Y = (0.3 * 4.0) * (1 - 0.3);
  int32_t IT = 0, IG = 0, CYCS = 11;
  uint64_t before = MAPSTEPCOUNT;
  ASSERT_TRUE(chaosDraw({Y, IT, IG, CYCS}, 4.0, 2.0f, 2.0f, 38, 0));
  EXPECT_GE(IG, 1);
  EXPECT_LE(IG, 38);
  EXPECT_EQ(IT, IG);
  // The first candidate comes from one step (CYCS = floor(sqrt(0)) = 0).
  EXPECT_GE(MAPSTEPCOUNT - before, 1u);
  for (int i = 0; i < 1000; ++i) {
    ASSERT_TRUE(chaosDraw({Y, IT, IG, CYCS}, 4.0, 2.0f, 2.0f, 38, 0));
    ASSERT_GE(IG, 1);
    ASSERT_LE(IG, 38);
  }
}

TEST(ChaosDraw, FirstCandidateTakesOneStepTheNextTwelve) {
  double Y = 0.25, Yref = 0.25;
  int32_t IT = 0, IG = 0, CYCS = 11, ITref = 0;
  // IM = 2: only candidates 2 are accepted; count the steps of the first draw by hand.
  ASSERT_TRUE(chaosDraw({Y, IT, IG, CYCS}, 3.7, 2.0f, 2.0f, 1000, 0));
  MAPSTEP(Yref, ITref, 3.7, 2.0f, 2.0f, 1000);
  int32_t cycs = 0;
  while (ITref > 1001 || ITref == 1) {  // the reference: alternate 11 and floor(sqrt(IT))
    cycs = (cycs == 11) ? floorSqrt(ITref) : 11;
    for (int i = 0; i <= cycs; ++i) MAPSTEP(Yref, ITref, 3.7, 2.0f, 2.0f, 1000);
  }
  EXPECT_EQ(Y, Yref);
  EXPECT_EQ(IG, ITref - 1);
}

TEST(ChaosDraw, GivesUpOnAnOrbitThatNeverYields) {
  // K = 4, X = 0.5: Y becomes 1, then 0 for ever, so every candidate is 1.
  double Y = (0.5 * 4.0) * (1 - 0.5);
  int32_t IT = 0, IG = 0, CYCS = 11;
  EXPECT_FALSE(chaosDraw({Y, IT, IG, CYCS}, 4.0, 2.0f, 2.0f, 38, 1000));
}

TEST(FloorSqrt, Exact) {
  EXPECT_EQ(floorSqrt(0), 0);
  EXPECT_EQ(floorSqrt(120), 10);
  EXPECT_EQ(floorSqrt(121), 11);
  EXPECT_EQ(floorSqrt(143), 11);
  EXPECT_EQ(floorSqrt(144), 12);
  EXPECT_EQ(floorSqrt(65533), 255);
}
