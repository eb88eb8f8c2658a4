// "Z": the run mapped to symbols, with phantoms, shown in both directions.
#include <gtest/gtest.h>

#include "state/runstate.hpp"
#include "state/shellstate.hpp"
#include "state/symbolsstate.hpp"
#include "support.hpp"
#include "symbols/symbols.hpp"

namespace {

std::string storedSequence() {
  std::string s;
  for (int32_t i = 1; i <= RUN.N; ++i) s += SYMB.SYMBOLSSEQUENCETANK(i);
  return s;
}

void activate(int row, const std::string& phantom) {
  SYMB.PHANTOMNGRAPHSTANK(row) = phantom;
  SYMB.PHANTOMNGRAPHSSTATUSTANK(row) = 1;
}

}  // namespace

TEST(SymbolsSequence, NothingBeforeARun) {
  Session s;
  MAKESYMBOLSSEQUENCE();
  EXPECT_EQ(s.output(), "");
}

TEST(SymbolsSequence, DefaultMapWithNotFoundAsNul) {
  Session s;
  setRun(40, {5, 39, 1, 7, 40});
  MAKESYMBOLSSEQUENCE();
  EXPECT_EQ(storedSequence(), std::string("o\0_i\0", 5));
  EXPECT_EQ(SYMB.SYMBOLSSEQUENCETANK.hi(), 5);
  EXPECT_EQ(s.output(), "\r\no _i \r\n");  // plain output shows a NUL as a blank
  EXPECT_EQ(s.row(2), std::string("o\0_i\0", 5));
  EXPECT_EQ(s.colorAt(2, 1), SHELL.NCOLOR);
  EXPECT_EQ(s.colorAt(2, 2), SHELL.WGCOLOR);  // the NUL, shown as a blank
  EXPECT_EQ(s.colorAt(2, 3), SHELL.TQCOLOR);  // the word space
  EXPECT_EQ(s.colorAt(2, 4), SHELL.NCOLOR);
  EXPECT_EQ(con::currentColor(), SHELL.NCOLOR);
}

TEST(SymbolsSequence, ComputeOnlyPrintsOneEmptyLine) {
  Session s;
  setRun(38, {2, 3});
  SYMB.SAVERUNMAKESYMBSSEQFLAG = 1;
  MAKESYMBOLSSEQUENCE();
  EXPECT_EQ(s.output(), "\r\n");
  EXPECT_EQ(storedSequence(), "et");
}

TEST(SymbolsSequence, ActivePhantomReplacesItsSymbolAndReversesInRev) {
  Session s;
  setRun(38, {3, 2, 3, 1});
  activate(3, "the");
  MAKESYMBOLSSEQUENCE();
  EXPECT_EQ(storedSequence(), "tet_");  // the stored sequence holds the symbols
  EXPECT_EQ(s.row(2), "theethe_");
  RUN.SEQDIRFLAG = "Rev";
  MAKESYMBOLSSEQUENCE();
  EXPECT_EQ(s.row(4), "_ehteeht");
  EXPECT_EQ(s.colorAt(4, 1), SHELL.TQCOLOR);
}

TEST(SymbolsSequence, PhantomGoesByTheFirstRowHoldingTheSymbol) {
  Session s;
  setRun(38, {9, 3});
  SYMB.SYMBOLSTANK(9) = 't';  // rows 3 and 9 both hold "t"
  activate(9, "XY");
  MAKESYMBOLSSEQUENCE();
  EXPECT_EQ(s.row(2), "tt");  // row 3's phantom is inactive
  activate(3, "the");
  MAKESYMBOLSSEQUENCE();
  EXPECT_EQ(s.row(4), "thethe");
  EXPECT_EQ(sequencePiece('t', true), "eht");
  EXPECT_EQ(sequencePiece('\0', false), std::string(1, '\0'));
}

TEST(SymbolsSequence, TwoCellsUnderRowPriorityAndLastResume) {
  Session s;
  clearSymbolsMap();
  SYMB.SYMBOLSMAPTANK(2, 1) = 7;
  SYMB.SYMBOLSMAPTANK(9, 3) = 7;
  SYMB.MAPSCANDIRECTION = "R";
  SYMB.MAPSCANRESUMEPOINT = "L";
  setRun(38, {7, 7, 7, 7});
  MAKESYMBOLSSEQUENCE();
  EXPECT_EQ(storedSequence(), std::string("er\0e", 4));
  MAKESYMBOLSSEQUENCE();  // each "Z" starts the scan afresh
  EXPECT_EQ(storedSequence(), std::string("er\0e", 4));
  SYMB.MAPSCANRESUMEPOINT = "B";
  MAKESYMBOLSSEQUENCE();
  EXPECT_EQ(storedSequence(), "eeee");
}

TEST(SymbolsSequence, PauseCountsSymbolsPhantomLengthsAndNoNuls) {
  Session s;
  setRun(38, std::vector<int32_t>(5200, 5));
  s.type("\x1b");
  MAKESYMBOLSSEQUENCE();
  std::string out = s.output();
  size_t pause = out.find(SHELL.STR1);
  ASSERT_NE(pause, std::string::npos);
  EXPECT_EQ(occurrences(out.substr(0, pause), "o"), 5100u);
  EXPECT_EQ(out.substr(pause + SHELL.STR1.size()), "\r\n");  // Esc ends the display
  EXPECT_EQ(storedSequence(), std::string(5200, 'o'));  // the stored sequence is complete

  Session phantoms;
  setRun(38, std::vector<int32_t>(1800, 3));
  activate(3, "the");
  phantoms.type(" ");
  MAKESYMBOLSSEQUENCE();
  out = phantoms.output();
  pause = out.find(SHELL.STR1);
  ASSERT_NE(pause, std::string::npos);
  EXPECT_EQ(occurrences(out.substr(0, pause), "the"), 1700u);
  EXPECT_EQ(occurrences(out, "the"), 1800u);

  Session nuls;
  setRun(40, std::vector<int32_t>(6000, 39));
  MAKESYMBOLSSEQUENCE();  // no pause: a NUL counts nothing (no key is waiting)
  EXPECT_EQ(nuls.output().find(SHELL.STR1), std::string::npos);
}
