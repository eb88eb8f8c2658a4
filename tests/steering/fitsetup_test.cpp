// A fit's set-up as a set-up file and as the editors' files.
#include "steering/fitsetup.hpp"

#include <gtest/gtest.h>

#include "state/symbolsstate.hpp"
#include "steering/fitfiles.hpp"
#include "support.hpp"
#include "symbols/editorfiles.hpp"

namespace {

FitSetup sample() {
  FitSetup s;
  s.blockLo = 400;
  s.blockHi = 499;
  s.sizes = (1u << 1) | (1u << 2) | (1u << 3) | (1u << 7) | (1u << 31);
  s.averageLo = 3.5;
  s.averageHi = 4.25;
  s.k = {3.99, 3.712345, 4};
  s.x = {0.3, 1e-6, 0.999999};
  s.highestInteger = 114;
  s.direction = 'R';
  s.resume = 'L';
  for (int r = 0; r < FIT_ROWS; ++r) {
    s.units[static_cast<size_t>(r)] = std::string(1, static_cast<char>('A' + r));
    s.map[static_cast<size_t>(r)] = {r + 1, r + 39, 0, 0, 0};
  }
  s.units[1] = "the";
  s.units[2] = " \"a,b\"";  // a blank, quotes and a comma survive the editors' files
  s.units[3] = std::string(30, 'z');
  return s;
}

}  // namespace

TEST(FitSetup, SetupFileTextWithRunsOfSizes) {
  EXPECT_EQ(fitSetupText(sample(), "bestMAP.TXT", "bestPHNTM.TXT"),
            "B = 400,499\nG = 1,3,1\nG = 7,7,1\nG = 31,31,1\nV = 3.5,4.25\n"
            "X1 = 3.99,0.3\nX2 = 3.712345,0.000001\nX3 = 4,0.999999\nW = 114\n"
            "MAP = bestMAP.TXT\nPHNTM = bestPHNTM.TXT\nSCAN = R,L\n");
  EXPECT_EQ(fitSetupText(sample(), "", "").find("MAP"), std::string::npos);
}

TEST(FitSetup, ValuesAreBroughtIntoTheMenusRanges) {
  FitSetup s = sample();
  s.k = {3.5, 4.2, 3.8000004};
  s.x = {0, 0.5, 1};
  s.sizes = 1u << 5;
  s.averageLo = 1;
  s.averageHi = 9;
  s.highestInteger = 40000;
  s.map[0][0] = -3;
  s.units[0] = "";
  s.units[1] = std::string(40, 'q') + "\r\n";
  s.direction = 'x';
  makeValid(s);
  EXPECT_EQ(s.k, (std::array<double, 3>{3.6, 4.0, 3.8}));
  EXPECT_EQ(s.x[0], 1e-6);
  EXPECT_NE(s.x[1], 0.5);
  EXPECT_EQ(s.x[2], 1 - 1e-6);
  EXPECT_EQ(sizeCount(s.sizes), 2);
  EXPECT_EQ(lowestSize(s.sizes), 1);
  EXPECT_EQ(highestSize(s.sizes), 5);
  EXPECT_EQ(s.averageLo, 1.001);
  EXPECT_EQ(s.averageHi, 5);
  EXPECT_EQ(s.highestInteger, 32000);
  EXPECT_EQ(s.map[0][0], 0);
  EXPECT_EQ(s.units[0], "?");
  EXPECT_EQ(s.units[1], std::string(30, 'q'));
  EXPECT_EQ(s.direction, 'C');
}

// The files written for a set-up load back to the tables installed for it.
TEST(FitSetup, EditorFilesLoadBackToTheInstalledTables) {
  TempDir dir;
  resetProgramState();
  FitSetup s = sample();
  writeFitSetup(dir.path().string(), "best", s);
  const SymbolsState installed = SYMB;
  EXPECT_EQ(installed.PHANTOMNGRAPHSTANK(2), "the");
  EXPECT_EQ(installed.PHANTOMNGRAPHSSTATUSTANK(2), 1);
  EXPECT_EQ(installed.PHANTOMNGRAPHSSTATUSTANK(1), 0);
  EXPECT_EQ(installed.SYMBOLSTANK(3), ' ');
  resetProgramState();
  ASSERT_EQ(loadSymbolsMapFile((dir.path() / "bestMAP.TXT").string()), "");
  ASSERT_EQ(loadPhantomsFile((dir.path() / "bestPHNTM.TXT").string()), "");
  for (int r = 1; r <= FIT_ROWS; ++r) {
    EXPECT_EQ(SYMB.SYMBOLSTANK(r), installed.SYMBOLSTANK(r)) << r;
    EXPECT_EQ(SYMB.PHANTOMNGRAPHSTANK(r), installed.PHANTOMNGRAPHSTANK(r)) << r;
    EXPECT_EQ(SYMB.PHANTOMNGRAPHSSTATUSTANK(r), installed.PHANTOMNGRAPHSSTATUSTANK(r)) << r;
    for (int c = 1; c <= FIT_COLUMNS; ++c) EXPECT_EQ(SYMB.SYMBOLSMAPTANK(r, c), installed.SYMBOLSMAPTANK(r, c));
  }
  EXPECT_EQ(dir.read("best.txt"), fitSetupText(s, "bestMAP.TXT", "bestPHNTM.TXT"));
}
