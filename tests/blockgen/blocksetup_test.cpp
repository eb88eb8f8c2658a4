// The block specifications: prompts, validation and the OK flags.
#include <gtest/gtest.h>

#include "blockgen/blocksetup.hpp"
#include "state/blockgenstate.hpp"
#include "state/shellstate.hpp"
#include "support.hpp"

namespace {

// Presses the block-menu key and types the entry line.
void enter(Session& s, char key, const std::string& line) {
  SHELL.GBKS = key;
  s.type(line + "\n");
  GETSPECSFORBLOCKOFGROUPS();
}

int activeSizes() {
  int n = 0;
  for (int size = 1; size <= MAXGROUPSIZE; ++size) n += GEN.ACTIVEGROUPSIZESTANK(size) == 1;
  return n;
}

}  // namespace

TEST(BlockSize, RangeRulesAndTankSlots) {
  Session s;
  enter(s, 'B', "2,4");
  EXPECT_EQ(s.row(28), " Enter acceptable block-size (no. of groups, max 27305) minimum, maximum : 2,4");
  EXPECT_EQ(GEN.OKTOMAKEGROUPSFLAG1, 1);
  EXPECT_EQ(GEN.XHIBLOKSIZE, 4);
  enter(s, 'B', "27303,27305");
  EXPECT_EQ(GEN.OKTOMAKEGROUPSFLAG1, 1);
  EXPECT_EQ(GEN.XHIBLOKSIZE, 32766);

  for (const char* rejected : {"2,3", "27304,27305", "1,10", "10,27306", "10,5"}) {
    enter(s, 'B', "20,30");
    ASSERT_EQ(GEN.OKTOMAKEGROUPSFLAG1, 1);
    enter(s, 'B', rejected);
    EXPECT_EQ(GEN.OKTOMAKEGROUPSFLAG1, 0) << rejected;
  }
  // The rejected values stay as typed.
  EXPECT_EQ(GEN.LOBLOKSIZE, 10);
  EXPECT_EQ(GEN.HIBLOKSIZE, 5);
  // Any key that names no other specification asks for the block size.
  enter(s, 'q', "5,10");
  EXPECT_EQ(GEN.OKTOMAKEGROUPSFLAG1, 1);
  EXPECT_EQ(GEN.XHIBLOKSIZE, 12);
}

TEST(BlockSize, EverySizeGetsSixFifthsOfItsSlots) {
  Session s;
  for (int32_t hi = 4; hi <= 27305; ++hi)
    ASSERT_EQ(tankSlotsFor(hi, GEN.BLOKEXPANSIONFACTOR), 6 * hi / 5) << hi;
}

TEST(GroupSizes, ActiveSetBuiltUpOverSeveralEntries) {
  Session s;
  enter(s, 'G', "3,3,1");
  EXPECT_EQ(s.row(28), " Enter range group-size (# of symbols) Lo, Hi, 1=active or 0=inactive : 3,3,1");
  EXPECT_EQ(GEN.OKTOMAKEGROUPSFLAG2, 0);  // only one active size
  EXPECT_EQ(GEN.ACTIVEGROUPSIZESTANK(3), 1);
  EXPECT_EQ(GEN.LOGROUPSIZE, 0);
  enter(s, 'G', "5,5,1");
  EXPECT_EQ(GEN.OKTOMAKEGROUPSFLAG2, 1);
  EXPECT_EQ(GEN.LOGROUPSIZE, 3);
  EXPECT_EQ(GEN.HIGROUPSIZE, 5);

  for (const char* rejected : {"0,5,1", "4,32,1", "1,5,2", "6,5,1"}) {
    enter(s, 'G', rejected);
    EXPECT_EQ(GEN.OKTOMAKEGROUPSFLAG2, 0) << rejected;
    EXPECT_EQ(activeSizes(), 2) << rejected;
  }
  enter(s, 'G', "1,31,1");
  EXPECT_EQ(activeSizes(), 31);
  enter(s, 'G', "2,31,0");  // leaves only size 1
  EXPECT_EQ(GEN.OKTOMAKEGROUPSFLAG2, 0);
  EXPECT_EQ(activeSizes(), 1);
  EXPECT_EQ(GEN.HIGROUPSIZE, 31);  // kept from the last valid entry
}

TEST(GroupSizes, NoActiveSizeGivesOneAndOne) {
  Session s;
  GEN.HIGROUPSIZE = 9;
  FINDACTIVELOANDHIGROUPSIZES();
  EXPECT_EQ(GEN.LOGROUPSIZE, 1);
  EXPECT_EQ(GEN.HIGROUPSIZE, 1);
}

TEST(AverageSize, BoundsAndActiveSizes) {
  Session s;
  enter(s, 'G', "1,5,1");
  enter(s, 'V', "1.001,4");
  EXPECT_EQ(s.row(28), " Enter acceptable average-groups-size (min = 1.001 chrs, max = 30.5) min, max : 1.001,4");
  EXPECT_EQ(GEN.OKTOMAKEGROUPSFLAG3, 1);
  enter(s, 'V', "1.0,4");
  EXPECT_EQ(GEN.OKTOMAKEGROUPSFLAG3, 0);
  EXPECT_FLOAT_EQ(GEN.LOAVGGROUPSIZE, 1.0f);
  enter(s, 'V', "2,6");  // above HIGROUPSIZE 5
  EXPECT_EQ(GEN.OKTOMAKEGROUPSFLAG3, 0);
  enter(s, 'V', "4,3");
  EXPECT_EQ(GEN.OKTOMAKEGROUPSFLAG3, 0);

  enter(s, 'G', "1,2,0");  // active sizes 3..5
  enter(s, 'V', "3,3");
  EXPECT_EQ(GEN.OKTOMAKEGROUPSFLAG3, 1);
  enter(s, 'V', "2.9,4");  // below LOGROUPSIZE 3
  EXPECT_EQ(GEN.OKTOMAKEGROUPSFLAG3, 0);
  enter(s, 'G', "1,31,1");
  enter(s, 'V', "29,30.6");
  EXPECT_EQ(GEN.OKTOMAKEGROUPSFLAG3, 0);
  enter(s, 'V', "30.5,30.5");
  EXPECT_EQ(GEN.OKTOMAKEGROUPSFLAG3, 1);
}

TEST(ChaosParameters, ThreePairsAndTheFirstRejectionEndsTheEntry) {
  Session s;
  SHELL.GBKS = 'X';
  s.type("4,1e-15\n3.9,0.3\n3.6,0.999\n");
  GETSPECSFORBLOCKOFGROUPS();
  EXPECT_EQ(GEN.OKTOMAKEGROUPSFLAG4, 1);
  EXPECT_EQ(s.row(28), " Enter K1 (3.6-4), X1 (>0 & <1) : 4,1e-15");
  EXPECT_EQ(s.row(29), " Enter K2 (3.6-4), X2 (>0 & <1) : 3.9,0.3");
  EXPECT_EQ(s.row(30), " Enter K3 (3.6-4), X3 (>0 & <1) : 3.6,0.999");
  EXPECT_EQ(GEN.X1, 1e-15);
  EXPECT_EQ(GEN.K3, 3.6);

  s.type("4,0.5\n3.7,0.2\n");
  GETSPECSFORBLOCKOFGROUPS();
  EXPECT_EQ(GEN.OKTOMAKEGROUPSFLAG4, 0);
  EXPECT_EQ(GEN.X1, 0.5);   // the rejected pair keeps its values
  EXPECT_EQ(GEN.K2, 3.9);   // K2 was never asked
  EXPECT_FALSE(s.keys().empty());  // the second line is left unread
  while (!s.keys().empty()) s.keys().wait();

  for (const char* rejected : {"3.59,0.2", "4.01,0.2", "4,0", "4,1", "4,0.25", "4,0.75", "4,-0.1"}) {
    s.type(std::string(rejected) + "\n");
    GETSPECSFORBLOCKOFGROUPS();
    EXPECT_EQ(GEN.OKTOMAKEGROUPSFLAG4, 0) << rejected;
  }
  s.type("4,0.1\n4,0.2\n3.5,0.3\n");
  GETSPECSFORBLOCKOFGROUPS();
  EXPECT_EQ(GEN.OKTOMAKEGROUPSFLAG4, 0);
  EXPECT_EQ(GEN.K3, 3.5);
}

TEST(SeparationCodes, RangesAndTheOneGroupPerLineFlag) {
  Session s;
  enter(s, 'C', "300,5");
  EXPECT_EQ(GEN.GROUPSEPCODE1, 95);
  EXPECT_EQ(GEN.GROUPSEPCODE2, 5);
  EXPECT_EQ(s.row(29), " (C) In outputs to screen or diskfile, two successive ASCII codes separate the generated groups.");
  EXPECT_EQ(s.row(30), " For example, default codes 32 and 0 separate the groups with blank spaces.");
  EXPECT_EQ(s.row(31), " The CR (13) and LF (10) codes can be used to just list generated groups, one per line.");
  EXPECT_EQ(s.row(33), " Enter 1st sep-code, 2nd sepcode : 300,5");
  enter(s, 'C', "13,10");
  EXPECT_EQ(GEN.SHOWGROUPSFORMATFLAG, 1);
  enter(s, 'C', "-1,256");
  EXPECT_EQ(GEN.GROUPSEPCODE1, 95);
  EXPECT_EQ(GEN.GROUPSEPCODE2, 0);
  EXPECT_EQ(GEN.SHOWGROUPSFORMATFLAG, 0);
}

TEST(ParagraphTriggering, FlagMustBeUppercaseSymbolsAsTyped) {
  Session s;
  enter(s, 'T', "y,a,b");
  EXPECT_EQ(s.row(29), " (T) In outputs to screen or diskfile, two symbols detected within groups may optionally trigger paragraphing:");
  EXPECT_EQ(s.row(31), " Current start-paragraph symbol = #   its group becomes 1st group of new paragraph");
  EXPECT_EQ(s.row(32), " Current  end-paragraph symbol  = *   its group becomes last group of paragraph");
  EXPECT_EQ(s.row(34), " Enter trigger paragraphing Y/N, start-symbol, end-symbol : y,a,b");
  EXPECT_EQ(GEN.PARAGRFDOFLAG, "N");
  EXPECT_EQ(GEN.PARAGRFSTARTSYMBOL, "a");
  EXPECT_EQ(GEN.PARAGRFENDSYMBOL, "b");
  enter(s, 'T', "Yes,<<,");
  EXPECT_EQ(GEN.PARAGRFDOFLAG, "Y");
  EXPECT_EQ(GEN.PARAGRFSTARTSYMBOL, "<");
  EXPECT_EQ(GEN.PARAGRFENDSYMBOL, "");
}

TEST(SymbolsMap, ToggleAndHighestInteger) {
  Session s;
  enter(s, 'W', "500");
  EXPECT_EQ(s.row(29), " (W) Enter the highest integer (max 32000) to be active in the symbols-map: 500");
  EXPECT_EQ(GEN.USESYMBOLSMAPFLAG, "Y");
  EXPECT_EQ(GEN.HIGHESTOKMAPINTEGER, 500);
  SHELL.GBKS = 'W';
  GETSPECSFORBLOCKOFGROUPS();  // off again, without a prompt
  EXPECT_EQ(GEN.USESYMBOLSMAPFLAG, "N");
  EXPECT_EQ(GEN.HIGHESTOKMAPINTEGER, 38);
  EXPECT_TRUE(s.keys().empty());
  for (const char* rejected : {"1", "32001"}) {
    enter(s, 'W', rejected);
    EXPECT_EQ(GEN.USESYMBOLSMAPFLAG, "N") << rejected;
    EXPECT_EQ(GEN.HIGHESTOKMAPINTEGER, 38) << rejected;
  }
  enter(s, 'W', "2");
  EXPECT_EQ(GEN.USESYMBOLSMAPFLAG, "Y");
}
