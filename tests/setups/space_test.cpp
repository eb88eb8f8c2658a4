// Sweep spaces: alternatives, ranges, the order of the points, samples.
#include "setups/space.hpp"

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
  EXPECT_THROW(rangeValues("1e-3", "1", "0.1"), std::invalid_argument);
  EXPECT_THROW(rangeValues("0", "1", "0.0000001"), std::invalid_argument);  // ten million values
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
