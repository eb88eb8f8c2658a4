// Sweep spaces: alternatives, ranges, the order of the points, samples.
#include "setups/space.hpp"

#include <algorithm>
#include <functional>
#include <set>
#include <stdexcept>

#include <gtest/gtest.h>

namespace {

std::vector<std::string> valuesOf(const std::string& line) {
  SweepSpace space = parseSpaceText(line + "\n", "s.txt");
  EXPECT_EQ(space.lines.size(), 1u);
  return space.lines.empty() ? std::vector<std::string>{} : space.lines[0].values;
}

std::string problemOf(const std::string& text) {
  try {
    parseSpaceText(text, "space.txt");
  } catch (const SetupError& e) {
    return e.what();
  }
  return "";
}

using Values = std::vector<std::string>;

}  // namespace

TEST(SpaceRange, ValuesAreExactDecimalsInTheShortestForm) {
  EXPECT_EQ(rangeValues("3.9", "4.0", "0.05"), (Values{"3.9", "3.95", "4"}));
  // Summing 0.1 in binary floating point would miss the last value.
  EXPECT_EQ(rangeValues("0.1", "0.3", "0.1"), (Values{"0.1", "0.2", "0.3"}));
  EXPECT_EQ(rangeValues("1", "10", "4"), (Values{"1", "5", "9"}));
  EXPECT_EQ(rangeValues("-0.5", "0.5", "0.25"), (Values{"-0.5", "-0.25", "0", "0.25", "0.5"}));
  EXPECT_EQ(rangeValues("2", "2", "1"), (Values{"2"}));
  std::vector<std::string> many = rangeValues("3.9", "4.0", "0.001");
  ASSERT_EQ(many.size(), 101u);
  EXPECT_EQ(many[37], "3.937");
  EXPECT_EQ(many.back(), "4");
}

TEST(SpaceRange, RefusesRangesThatCannotBeCounted) {
  EXPECT_THROW(rangeValues("1", "2", "0"), std::invalid_argument);
  EXPECT_THROW(rangeValues("2", "1", "1"), std::invalid_argument);
  EXPECT_THROW(rangeValues("1x", "1", "0.1"), std::invalid_argument);
  EXPECT_THROW(rangeValues("0", "1", "0.0000001"), std::invalid_argument);  // ten million values
}

TEST(SpaceRange, ExponentFormsAreTheNumbersTheyStandFor) {
  EXPECT_EQ(rangeValues("0.1", "0.3", "5e-2"), (Values{"0.1", "0.15", "0.2", "0.25", "0.3"}));
  EXPECT_EQ(rangeValues("1e-15", "3e-15", "1E-15"),
            (Values{"0.000000000000001", "0.000000000000002", "0.000000000000003"}));
  EXPECT_EQ(rangeValues("1.5e3", "2e+3", "250"), (Values{"1500", "1750", "2000"}));
  EXPECT_EQ(rangeValues("-2.5e-1", "0", "0.125"), (Values{"-0.25", "-0.125", "0"}));
  EXPECT_EQ(valuesOf("X1 = 4,0.1..0.3 step 5e-2"), (Values{"4,0.1", "4,0.15", "4,0.2", "4,0.25", "4,0.3"}));
  EXPECT_EQ(valuesOf("X1 = 4,1e-15..9e-15 step 4e-15").size(), 3u);
  Values tiny = valuesOf("X1 = 4,1e-15..9e-15 step 1e-15");
  ASSERT_EQ(tiny.size(), 9u);
  EXPECT_EQ(tiny[8], "4,0.000000000000009");
  // An exponent outside a range is left as it is written.
  EXPECT_EQ(valuesOf("X1 = 3.99..4 step 0.01,1e-15"), (Values{"3.99,1e-15", "4,1e-15"}));
  EXPECT_THROW(rangeValues("1e-30", "1", "1e-30"), std::invalid_argument);  // more decimals than a range holds
  EXPECT_THROW(rangeValues("1e19", "2e19", "1e18"), std::invalid_argument);  // more digits
  EXPECT_THROW(rangeValues("1e99999", "1", "1"), std::invalid_argument);
  // A number that runs on into letters is refused, not glued onto the values.
  EXPECT_EQ(problemOf("X1 = 4,0.1..0.3 step 5e,2\n"), "space.txt:1: X1: '5e' is not a number");
  EXPECT_EQ(problemOf("X1 = 4,0.1..0.3x step 0.1\n"), "space.txt:1: X1: '0.3x' is not a number");
  EXPECT_EQ(problemOf("X1 = 4,0.1..0.3 step 0.1.5\n"), "space.txt:1: X1: '0.1.5' is not a number");
}

TEST(SpaceRange, SpansBeyond64BitsAreCountedNotWrapped) {
  for (const char* lo : {"-4611686018427387904", "-4611686018427387903", "-4000000000000000000"})
    EXPECT_THROW(rangeValues(lo, "4611686018427387904", "1"), std::invalid_argument) << lo;
  EXPECT_THROW(rangeValues("0", "9223372036854775807", "1"), std::invalid_argument);
  // The widest span of few values.
  EXPECT_EQ(rangeValues("-4611686018427387904", "4611686018427387904", "4611686018427387904"),
            (Values{"-4611686018427387904", "0", "4611686018427387904"}));
  EXPECT_EQ(rangeValues("0", "999999", "1").size(), 1000000u);
  EXPECT_EQ(problemOf("X1 = -4611686018427387904..4611686018427387904 step 1,0.3\n"),
            "space.txt:1: X1: more than 1000000 values");
}

TEST(SpaceLine, AlternativesAndRangesOfAValue) {
  EXPECT_EQ(valuesOf("B = 100,200 | 300,400"), (Values{"100,200", "300,400"}));
  EXPECT_EQ(valuesOf("X1 = 3.9..4.0 step 0.05, 0.3"), (Values{"3.9, 0.3", "3.95, 0.3", "4, 0.3"}));
  EXPECT_EQ(valuesOf("X1 = 3.9 .. 4 step 0.1,0.3 | 3.6,0.2"), (Values{"3.9,0.3", "4,0.3", "3.6,0.2"}));
  // Two ranges in one alternative: the first varies slowest.
  EXPECT_EQ(valuesOf("B = 1..2 step 1, 5..6 step 1"), (Values{"1, 5", "1, 6", "2, 5", "2, 6"}));
  // A plain value is one value.
  EXPECT_EQ(valuesOf("V = 2.5,4"), (Values{"2.5,4"}));
}

TEST(SpaceLine, QuotesAndFileNamesAreTakenAsTheyAre) {
  EXPECT_EQ(valuesOf("T = Y,\"|\",* | N,#,*"), (Values{"Y,\"|\",*", "N,#,*"}));
  EXPECT_EQ(valuesOf("C = \"1..2\",0"), (Values{"\"1..2\",0"}));
  EXPECT_EQ(valuesOf("MAP = maps/1..2.TXT | ../MAP.TXT"), (Values{"maps/1..2.TXT", "../MAP.TXT"}));
}

TEST(SpaceLine, ProblemsNameFileLineAndKey) {
  EXPECT_EQ(problemOf("# ranges\nX1 = 3.9..4 , 0.3\n"), "space.txt:2: X1: the range 3.9..4 needs 'step S'");
  EXPECT_EQ(problemOf("B = 10,20 | | 30,40\n"), "space.txt:1: B: an alternative is empty");
  EXPECT_EQ(problemOf("\n\nX2 = 4..3.9 step 0.1,0.2\n"), "space.txt:3: X2: the range 4..3.9 is empty");
  EXPECT_EQ(problemOf("B = 2..x step 1\n"), "space.txt:1: B: a range needs a number after '..'");
  EXPECT_EQ(problemOf("B = 2..5 step\n"), "space.txt:1: B: the range 2..5 needs a number after 'step'");
  EXPECT_EQ(problemOf("B = 1..1000 step 1\nG = 1..1000 step 1\nV = 1..1000 step 1\n"
                      "X1 = 1..1000 step 1\nX2 = 1..1000 step 1\nX3 = 1..1000 step 1\nC = 1..1000 step 1\n"),
            "space.txt:7: C: the space has more than 2^62 points");
}

TEST(SpacePoints, FirstLineSlowestLastFastestWithTheFileLinesKept) {
  const std::string text =
      "# two block sizes\r\n"
      "B = 100,200 | 300,400\r\n"
      "\r\n"
      "X1 = 3.9..4.1 step 0.1,0.2\r\n";
  SweepSpace space = parseSpaceText(text, "s.txt");
  ASSERT_EQ(space.pointCount, 6u);
  EXPECT_EQ(pointSetupText(space, 1), "# two block sizes\nB = 100,200\n\nX1 = 3.9,0.2\n");
  EXPECT_EQ(pointSetupText(space, 2), "# two block sizes\nB = 100,200\n\nX1 = 4,0.2\n");
  EXPECT_EQ(pointSetupText(space, 4), "# two block sizes\nB = 300,400\n\nX1 = 3.9,0.2\n");
  EXPECT_EQ(pointSetupText(space, 6), "# two block sizes\nB = 300,400\n\nX1 = 4.1,0.2\n");
}

TEST(SpacePoints, APointIsASetUpWhoseLinesAreThoseOfTheSpace) {
  SweepSpace space = parseSpaceText(
      "B = 10,20\n# sizes\nG = 1,3,1 | 1,5,1\nG = 2,2,0\nV = 2,3\nX1 = 4,0.1\nX2 = 4,0.2\nX3 = 4,0.3\n", "s.txt");
  BlockSetupFile setup = pointSetup(space, 2);
  ASSERT_EQ(setup.lines.size(), 7u);
  EXPECT_EQ(setup.lines[1].key, "G");
  EXPECT_EQ(setup.lines[1].value, "1,5,1");
  EXPECT_EQ(setup.lines[1].lineNumber, 3);
  EXPECT_EQ(setup.lines[2].value, "2,2,0");
  EXPECT_THROW(pointSetup(space, 0), SetupError);
  EXPECT_THROW(pointSetup(space, 3), SetupError);
}

TEST(SpaceSample, DistinctSortedAndTheSameForTheSameSeed) {
  std::vector<uint64_t> a = samplePoints(1000, 25, 7);
  ASSERT_EQ(a.size(), 25u);
  EXPECT_TRUE(std::is_sorted(a.begin(), a.end()));
  EXPECT_EQ(std::set<uint64_t>(a.begin(), a.end()).size(), 25u);
  EXPECT_GE(a.front(), 1u);
  EXPECT_LE(a.back(), 1000u);
  EXPECT_EQ(samplePoints(1000, 25, 7), a);
  EXPECT_NE(samplePoints(1000, 25, 8), a);
  EXPECT_EQ(samplePoints(4, 10, 7), (std::vector<uint64_t>{1, 2, 3, 4}));
  EXPECT_EQ(samplePoints(4, 4, 7), (std::vector<uint64_t>{1, 2, 3, 4}));
  // The draws come from the 64-bit Mersenne Twister, fixed by the C++
  // standard, so a sample is the same on every machine; this pins it.
  EXPECT_EQ(samplePoints(100, 5, 1), (std::vector<uint64_t>{9, 19, 53, 61, 85}));
}

namespace {

std::vector<uint64_t> sequenceOf(uint64_t count, PointChoice choice, uint64_t* total = nullptr) {
  PointSequence sequence(count, choice);
  if (total != nullptr) *total = sequence.total();
  std::vector<uint64_t> points;
  for (uint64_t p = 0; sequence.next(p);) points.push_back(p);
  return points;
}

}  // namespace

TEST(SpaceSequence, ShardsOfTheWholeSpace) {
  uint64_t total = 0;
  EXPECT_EQ(sequenceOf(10, {0, 1, 1, 1}, &total), (std::vector<uint64_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
  EXPECT_EQ(total, 10u);
  EXPECT_EQ(sequenceOf(10, {0, 1, 2, 4}, &total), (std::vector<uint64_t>{2, 6, 10}));
  EXPECT_EQ(total, 3u);
  EXPECT_EQ(sequenceOf(10, {0, 1, 4, 4}, &total), (std::vector<uint64_t>{4, 8}));
  EXPECT_EQ(total, 2u);
  EXPECT_TRUE(sequenceOf(6, {0, 1, 7, 8}, &total).empty());
  EXPECT_EQ(total, 0u);
  // The last shard of a space of 2^62 points starts at once and ends in time.
  PointSequence huge(uint64_t{1} << 62, {0, 1, 3, 3});
  uint64_t p = 0;
  ASSERT_TRUE(huge.next(p));
  EXPECT_EQ(p, 3u);
  EXPECT_EQ(sequenceOf(uint64_t{1} << 62, {0, 1, UINT64_MAX, UINT64_MAX}).size(), 0u);
}

TEST(SpaceSequence, ALargeSampleIsChosenInOrderWithoutListingTheSpace) {
  // Above 2^20 points the sample is chosen point by point.
  const uint64_t wanted = (uint64_t{1} << 20) + 5, count = 3 * wanted;
  uint64_t total = 0;
  std::vector<uint64_t> a = sequenceOf(count, {wanted, 9, 1, 1}, &total);
  EXPECT_EQ(total, wanted);
  ASSERT_EQ(a.size(), wanted);
  EXPECT_TRUE(std::adjacent_find(a.begin(), a.end(), std::greater_equal<uint64_t>()) == a.end());  // increasing
  EXPECT_GE(a.front(), 1u);
  EXPECT_LE(a.back(), count);
  EXPECT_EQ(sequenceOf(count, {wanted, 9, 1, 1}), a);
  EXPECT_NE(sequenceOf(count, {wanted, 10, 1, 1}), a);
  // Roughly a third of every part of the space is taken.
  size_t firstHalf = static_cast<size_t>(std::lower_bound(a.begin(), a.end(), count / 2) - a.begin());
  EXPECT_NEAR(static_cast<double>(firstHalf) / static_cast<double>(wanted), 0.5, 0.01);
  // A shard of it is its points of that shard; how many is known at the end only.
  std::vector<uint64_t> shard = sequenceOf(count, {wanted, 9, 2, 3}, &total);
  EXPECT_EQ(total, 0u);
  std::vector<uint64_t> expected;
  for (uint64_t point : a)
    if ((point - 1) % 3 == 1) expected.push_back(point);
  EXPECT_EQ(shard, expected);
  // In a space of a billion billion points the first points come at once.
  PointSequence huge(uint64_t{1} << 60, {uint64_t{1} << 58, 1, 1, 1});
  uint64_t p = 0, q = 0;
  ASSERT_TRUE(huge.next(p) && huge.next(q));
  EXPECT_LT(p, q);
}

TEST(SpaceSequence, ASmallSampleWithShards) {
  uint64_t total = 0;
  std::vector<uint64_t> all = samplePoints(1000, 25, 7);
  std::vector<uint64_t> odd = sequenceOf(1000, {25, 7, 1, 2}, &total);
  EXPECT_EQ(total, odd.size());
  std::vector<uint64_t> expected;
  for (uint64_t point : all)
    if (point % 2 == 1) expected.push_back(point);
  EXPECT_EQ(odd, expected);
}

TEST(SpacePoints, IndicesAndPointsAreOneAnother) {
  SweepSpace space = parseSpaceText("B = 1|2|3\nG = 1|2\nV = 1..4 step 1\n", "s.txt");
  ASSERT_EQ(space.pointCount, 24u);
  for (uint64_t p = 1; p <= 24; ++p) EXPECT_EQ(pointOfIndices(space, valueIndices(space, p)), p);
  EXPECT_EQ(valueIndices(space, 24), (std::vector<size_t>{2, 1, 3}));
  EXPECT_EQ(setupTextOfIndices(space, {1, 0, 2}), "B = 2\nG = 1\nV = 3\n");
}

TEST(SpaceSample, EveryPointCanBeChosen) {
  std::set<uint64_t> seen;
  for (uint64_t seed = 0; seed < 200; ++seed)
    for (uint64_t p : samplePoints(20, 3, seed)) seen.insert(p);
  EXPECT_EQ(seen.size(), 20u);
}

TEST(SpacePoints, ScanControlsTakeAlternatives) {
  SweepSpace space = parseSpaceText("B = 10,20\nG = 1,3,1\nV = 2,3\nX1 = 4,0.1\nX2 = 4,0.2\nX3 = 4,0.3\n"
                                    "SCAN = C,B | R,L\n",
                                    "s.txt");
  ASSERT_EQ(space.pointCount, 2u);
  EXPECT_EQ(pointSetup(space, 1).lines.back().value, "C,B");
  EXPECT_EQ(pointSetup(space, 2).lines.back().value, "R,L");
  EXPECT_EQ(pointSetup(space, 2).lines.back().key, "SCAN");
}
