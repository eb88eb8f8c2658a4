// "M" (matches of two lists) and "Z" (subtraction of lists) through their dialogues.
#include <gtest/gtest.h>

#include "state/shellstate.hpp"
#include "state/vocabstate.hpp"
#include "support.hpp"
#include "vocabutils/vocabutils.hpp"

namespace {

// "M" and "Z" on two lists written into the directory.
class TwoListsCommand : public SessionTest {
 protected:
  // Runs "M" on two lists with the keys of a whole dialogue.
  std::string runMatches(const std::string& first, const std::string& second) {
    dir.write("first.txt", first);
    dir.write("second.txt", second);
    s.type("Pfirst.txt\nsecond.txt\nmatches.txt\n ");
    VOCABSMATCHESUTILITY();
    EXPECT_TRUE(s.keys().empty());
    return dir.read("matches.txt");
  }

  std::string runSubtract(const std::string& first, const std::string& second) {
    dir.write("first.txt", first);
    dir.write("second.txt", second);
    s.type("Pfirst.txt\nsecond.txt\nrest.txt\n ");
    SUBTRACTLISTS();
    EXPECT_TRUE(s.keys().empty());
    return dir.read("rest.txt");
  }
};
using Matches = TwoListsCommand;
using Subtract = TwoListsCommand;

}  // namespace

TEST_F(Matches, ScreenAndTheMatchesInFirstListOrder) {
  EXPECT_EQ(runMatches("ka\r\nmo\r\nte\r\n", "te\nka"), "ka\r\nte\r\n");
  EXPECT_EQ(s.row(2), " (M) Compare two Vocabularies and output their matches");
  EXPECT_EQ(s.colorAt(2, 2), SHELL.TQCOLOR);
  EXPECT_EQ(s.colorAt(2, 6), SHELL.NCOLOR);
  EXPECT_EQ(s.colorAt(2, 18), SHELL.YLCOLOR);
  EXPECT_EQ(s.colorAt(2, 48), SHELL.GNCOLOR);
  EXPECT_EQ(s.row(5), " Proceed/Exit    P/E ? :");
  EXPECT_EQ(s.colorAt(5, 2), SHELL.GNCOLOR);
  EXPECT_EQ(s.row(8), " Enter filename of 1st Vocabulary : first.txt");
  EXPECT_EQ(s.row(10), " Enter save-filename for matches  : matches.txt");
  EXPECT_EQ(s.row(12), " Wait ...");
  EXPECT_EQ(s.row(14), " first.txt contains :  3 groups");
  EXPECT_EQ(s.row(16), " second.txt contains :  2 groups");
  EXPECT_EQ(s.row(18), " The number of matches =  2");
  EXPECT_EQ(s.row(20), " Matches List saved!    Press a key to continue");
  EXPECT_EQ(s.colorAt(20, 25), SHELL.TQCOLOR);
  EXPECT_EQ(VOC.FIRSTVOCABN, 3);
  EXPECT_EQ(VOC.SECONDVOCABN, 2);
  EXPECT_EQ(VOC.VOCABMATCHESN, 2);
  EXPECT_EQ(VOC.FIRSTVOCABTANK(3), "te");
  EXPECT_EQ(VOC.FILELINESTANK(1), "ka");
  EXPECT_EQ(VOC.FILELINESTANK(2), "te");
}

TEST_F(Matches, NoMatchWritesAnEmptyFile) {
  EXPECT_EQ(runMatches("Ka\r\nmo\r\n", "ka\r\n"), "");
  EXPECT_NE(s.output().find(" The number of matches =  0\r\n"), std::string::npos);
}

// Room is made for every group of the first list: one that repeats a group of
// the second list matches each time.
TEST_F(Matches, RepeatsOfTheFirstListAllFindRoom) {
  EXPECT_EQ(runMatches("ka\nka\nka\n", "ka\n"), "ka\r\nka\r\nka\r\n");
  EXPECT_EQ(VOC.VOCABMATCHESN, 3);
  EXPECT_EQ(VOC.MAXPOSSIBLEVOCABMATCHESN, 3);
  EXPECT_EQ(VOC.FILELINESTANK.hi(), 3);
}

TEST_F(Matches, AnyKeyButPReturnsAtOnce) {
  s.type("p");
  VOCABSMATCHESUTILITY();
  EXPECT_EQ(s.output().find("Enter filename"), std::string::npos);
}

TEST_F(Matches, AMissingListLeavesTheTablesAsTheyWere) {
  dir.write("first.txt", "ka\n");
  VOC.FIRSTVOCABN = 7;
  s.type("Pfirst.txt\nabsent.txt\nmatches.txt\n ");
  VOCABSMATCHESUTILITY();
  EXPECT_TRUE(s.keys().empty());
  EXPECT_NE(s.output().find(" file not found: absent.txt"), std::string::npos);
  EXPECT_EQ(VOC.FIRSTVOCABN, 7);
  EXPECT_EQ(VOC.FIRSTVOCABTANK.hi(), 1000);
  EXPECT_EQ(s.output().find("Matches List saved!"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "matches.txt"));
}

TEST_F(Subtract, ScreenAndTheFirstOccurrenceRemoved) {
  EXPECT_EQ(runSubtract("ka\nmo\nka\nte\n", "ka\n"), "mo\r\nka\r\nte\r\n");
  EXPECT_EQ(s.row(2),
            " (Z) Subtract 2nd List from 1st List and output the remainder of the 1st.  List maximums : 32000 groups each");
  EXPECT_EQ(s.colorAt(2, 15), SHELL.YLCOLOR);  // "2nd List "
  EXPECT_EQ(s.colorAt(2, 29), SHELL.YLCOLOR);  // "1st List"
  int rest = static_cast<int>(s.row(2).find("remainder")) + 1;
  EXPECT_EQ(s.colorAt(2, rest), SHELL.GNCOLOR);
  EXPECT_EQ(s.row(8), "     like multiples to subtract them all. If desired, this operation can be repeated to address that case.");
  EXPECT_EQ(s.row(11), " Proceed/Exit    P/E ? :");
  EXPECT_EQ(s.row(14), " Enter filename of 1st List : first.txt");
  EXPECT_EQ(s.row(16), " Enter output save-filename : rest.txt");
  EXPECT_EQ(s.row(20), " first.txt contains :  4 groups");
  EXPECT_EQ(s.row(22), " second.txt contains :  1 groups");
  EXPECT_EQ(s.row(24), " The number of output remainders =  3");
  EXPECT_EQ(s.row(26), " Subtraction List saved!    Press a key to continue");
  EXPECT_EQ(VOC.SUBREMAINDERSN, 3);
  EXPECT_EQ(VOC.FIRSTVOCABTANK(1), "");  // subtracted entries are emptied
  EXPECT_EQ(VOC.FIRSTVOCABTANK(3), "ka");
  EXPECT_EQ(VOC.FILELINESTANK.hi(), 3);
}

TEST_F(Subtract, NothingRemainsNothingWritten) {
  dir.write("rest.txt", "old");
  EXPECT_EQ(runSubtract("ka\nmo\n", "mo\nka\n"), "old");
  EXPECT_NE(s.output().find("\r\n\r\n There are ZERO remainders - no output saved to disk.\r\n\r\n Press a key to continue \r\n"),
            std::string::npos);
  EXPECT_EQ(s.output().find("Subtraction List saved!"), std::string::npos);
  EXPECT_EQ(VOC.SUBREMAINDERSN, 0);
}
