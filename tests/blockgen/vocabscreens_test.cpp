// "F" and "f" on the block menu: symbol frequencies of the vocabulary and the
// non-unique group types.
#include <gtest/gtest.h>

#include "blockanalysis/blockanalysis.hpp"
#include "blockanalysis/blockfixtures.hpp"
#include "blockgen/blockmenu.hpp"
#include "blockgen/blocksetup.hpp"
#include "state/blockanalysisstate.hpp"
#include "state/blockgenstate.hpp"
#include "state/shellstate.hpp"
#include "support.hpp"

namespace {

const std::string STR1 = " Press a key to continue";

}  // namespace

TEST(FrequencyScreen, NothingWithoutABlock) {
  Session s;
  GETSYMBOLSFREQOFGROUPSBLOKVOCABULARY();
  SHOWNONUNIQUEGROUPS();
  EXPECT_EQ(s.output(), "");
}

TEST(FrequencyScreen, RanksFractionsOfTheWholeBlockAndColours) {
  Session s;
  analysedBlock({"ka", "mo", "ka", "te"});  // vocabulary mo, te, ka; 8 characters in the block
  s.type(" ");
  GETSYMBOLSFREQOFGROUPSBLOKVOCABULARY();
  EXPECT_EQ(s.row(28), " Data is for the VOCABULARY of generated block. Wait:");
  EXPECT_EQ(s.colorAt(28, 2), SHELL.YLCOLOR);
  EXPECT_EQ(s.colorAt(28, 49), SHELL.GNCOLOR);
  EXPECT_EQ(s.row(29), "");
  EXPECT_EQ(s.row(30), " Symbol : Freq. : Freq.-fraction");
  const char* symbols = "aekmot";  // all tie: code order
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(s.row(32 + i), std::string(" ") + symbols[i] + " : 1 :  0.125") << i;
    EXPECT_EQ(s.colorAt(32 + i, 2), SHELL.BLCOLOR) << i;  // largest and smallest at once
  }
  EXPECT_EQ(s.row(38), "");
  EXPECT_EQ(s.row(39), "");
  EXPECT_EQ(s.row(40), STR1);
  EXPECT_EQ(s.colorAt(40, 2), SHELL.GNCOLOR);
  EXPECT_EQ(ANA.GBLOKVOCABALPHABETWORD, "aekmot");
  EXPECT_TRUE(s.keys().empty());
}

TEST(FrequencyScreen, SecondColonsLineUpAndColoursByFrequency) {
  Session s;
  // In the vocabulary (ab once) a occurs 12 times, b 3 times, c and the
  // digits once; the block has 27 characters.
  analysedBlock({"a0", "a1", "a2", "a3", "a4", "a5", "a6", "a7", "a8", "ab", "ab", "abb", "ac"});
  s.type(" ");
  GETSYMBOLSFREQOFGROUPSBLOKVOCABULARY();
  EXPECT_EQ(s.row(32), " a : 12 :  0.4444444");
  EXPECT_EQ(s.colorAt(32, 2), SHELL.VLCOLOR);
  EXPECT_EQ(s.row(33), " b : 3  :  0.1111111");
  EXPECT_EQ(s.colorAt(33, 2), SHELL.NCOLOR);
  for (int d = 0; d <= 8; ++d) {  // ties in code order: the digits before c
    EXPECT_EQ(s.row(34 + d), " " + std::to_string(d) + " : 1  :  3.703704e-002") << d;
    EXPECT_EQ(s.colorAt(34 + d, 2), SHELL.BLCOLOR) << d;
  }
  EXPECT_EQ(s.row(43), " c : 1  :  3.703704e-002");
}

TEST(NonUniqueScreen, CountsRatiosAndTypes) {
  Session s;
  analysedBlock({"abc", "a", "abc", "b", "abc", "a"});
  s.type(" ");
  SHOWNONUNIQUEGROUPS();
  EXPECT_EQ(s.row(30), " Block =  6    Block Vocabulary Ratio =  0.5");
  EXPECT_EQ(s.colorAt(30, 12), SHELL.TQCOLOR);
  EXPECT_EQ(s.row(32), " No. of group-types which are non-unique =  2         Ratio Non-U/U =  2");
  EXPECT_EQ(s.row(34), " Non-Unique group-types : and their frequencies :");
  EXPECT_EQ(s.row(36), " a  :  2");
  EXPECT_EQ(s.colorAt(36, 2), SHELL.BLCOLOR);  // the lowest frequency
  EXPECT_EQ(s.row(37), " abc  :  3");
  EXPECT_EQ(s.colorAt(37, 2), SHELL.VLCOLOR);  // the highest
  EXPECT_EQ(s.row(40), STR1);
  EXPECT_EQ(s.colorAt(40, 2), SHELL.GNCOLOR);

  Session t;
  analysedBlock({"ab", "cd"});  // no repeated group
  t.type(" ");
  SHOWNONUNIQUEGROUPS();
  EXPECT_EQ(t.row(36), "");
  EXPECT_EQ(t.row(38), STR1);
}

TEST(NonUniqueScreen, PausesEveryFortyTypesAndEscEndsTheScreen) {
  std::vector<std::string> groups;
  for (int t = 0; t < 85; ++t) {
    std::string g = {static_cast<char>('a' + t / 26), static_cast<char>('a' + t % 26)};
    groups.push_back(g);
    groups.push_back(g);
  }
  Session s;
  analysedBlock(groups);
  ASSERT_EQ(ANA.NONUNIQUEGROUPSTYPECOUNT, 85);
  s.type("   ");
  SHOWNONUNIQUEGROUPS();
  EXPECT_TRUE(s.keys().empty());
  EXPECT_EQ(occurrences(s.output(), STR1), 3u);

  Session t;
  analysedBlock(groups);
  t.press(con::KEY_ESC);
  SHOWNONUNIQUEGROUPS();
  EXPECT_EQ(occurrences(t.output(), STR1), 1u);
  EXPECT_EQ(occurrences(t.output(), "  :  2"), 40u);
}
