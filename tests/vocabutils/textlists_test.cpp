// "L" and "G": lists from an ordinary text file.
#include <gtest/gtest.h>

#include "state/shellstate.hpp"
#include "state/vocabstate.hpp"
#include "support.hpp"
#include "vocabutils/vocabutils.hpp"

using TextLists = SessionTest;

TEST_F(TextLists, ScreenAndStatusTable) {
  s.type("E");
  MAKEVOCABLISTFROMTEXTFILE();
  EXPECT_EQ(s.row(2), " (L) Make a Vocabulary-List of the words/groups from an ordinary text-file, max ~ 2M chrs. long.");
  EXPECT_EQ(s.colorAt(2, 2), SHELL.TQCOLOR);
  EXPECT_EQ(s.colorAt(2, 6), SHELL.NCOLOR);
  EXPECT_EQ(s.colorAt(2, 13), SHELL.GNCOLOR);
  int text = static_cast<int>(s.row(2).find("text-file")) + 1;
  EXPECT_EQ(s.colorAt(2, text), SHELL.YLCOLOR);
  EXPECT_EQ(s.colorAt(2, text + 9), SHELL.NCOLOR);
  EXPECT_EQ(s.row(4), " The source text-file is scanned for its characters. Characters NOT-ALLOWED (status = 0)");
  EXPECT_EQ(s.colorAt(4, 87), SHELL.BLCOLOR);
  EXPECT_EQ(s.colorAt(4, 88), SHELL.NCOLOR);
  EXPECT_EQ(s.row(6), " Option to save the output sequence of group-sizes as a digitized curve.");
  EXPECT_EQ(s.colorAt(6, 57), SHELL.GNCOLOR);
  EXPECT_EQ(s.row(9), "[ascii:character:status] :");
  EXPECT_EQ(s.colorAt(9, 8), SHELL.BWCOLOR);
  EXPECT_EQ(s.row(11).substr(0, 32), "[33:!:0][34:\":0][35:#:0][36:$:0]");
  EXPECT_EQ(s.colorAt(11, 1), SHELL.BLCOLOR);
  // "[39:':1]" is allowed: green, its character bright white.
  int apostrophe = static_cast<int>(s.row(11).find("[39:':1]")) + 1;
  ASSERT_GT(apostrophe, 0);
  EXPECT_EQ(s.colorAt(11, apostrophe), SHELL.GNCOLOR);
  EXPECT_EQ(s.colorAt(11, apostrophe + 4), SHELL.BWCOLOR);
  EXPECT_EQ(s.colorAt(11, apostrophe + 5), SHELL.GNCOLOR);
  EXPECT_NE(s.output().find("[122:z:1][123:{:0]"), std::string::npos);
  EXPECT_NE(s.output().find("[254:\xFE:0][255:\xFF:0]\r\n\r\n"
                            " Change character-status, Default statuses, Proceed making Vocab-List, Exit   C/D/P/E ? :\r\n"),
            std::string::npos);
  int prompt = s.findRow(" Change character-status");
  EXPECT_EQ(s.colorAt(prompt, 2), SHELL.TQCOLOR);
}

TEST_F(TextLists, VocabularyListKeepsFirstOccurrences) {
  dir.write("t.txt", "a b a c b");
  s.type("Pt.txt\nl.txt\nNE");
  MAKEVOCABLISTFROMTEXTFILE();
  EXPECT_EQ(dir.read("l.txt"), "a\r\nb\r\nc\r\n");
  EXPECT_EQ(VOC.NLINES, 5);
  EXPECT_EQ(VOC.VOKABN, 3);
  EXPECT_FLOAT_EQ(VOC.VOCABULARYRATIO, 0.6f);
  EXPECT_EQ(VOC.FIRSTVOCABTANK.hi(), 3);
  EXPECT_EQ(VOC.FILELINESTANK.hi(), 5);
  EXPECT_EQ(VOC.FILELINESTANK(3), "");  // the repeat of "a"
  const std::string out = s.output();
  EXPECT_NE(out.find(" Enter sourcefilename for Make Vocabulary-List operation : t.txt\r\n\r\n"
                     " Enter destination save-filename for Vocabulary-List : l.txt\r\n\r\n Wait .....\r\n\r\n"
                     " t.txt contains   5 groups or words\r\n\r\n The size of the Vocabulary =  3 groups or words\r\n\r\n"
                     " Vocabulary Ratio =  0.6\r\n\r\n\r\n Make Vocabulary-List done!   "
                     "   Save the group-sizes sequence as a digitized curve  Y/N ? :\r\n"),
            std::string::npos)
      << out;
}

TEST_F(TextLists, GroupsListKeepsEveryGroup) {
  dir.write("t.txt", "a b a c b");
  s.type("Pt.txt\nl.txt\nNE");
  MAKEGROUPSLISTFROMTEXTFILE();
  EXPECT_EQ(dir.read("l.txt"), "a\r\nb\r\na\r\nc\r\nb\r\n");
  EXPECT_NE(s.output().find(" (G) Make a List of the words/groups"), std::string::npos);
  EXPECT_NE(s.output().find("Proceed making List, Exit   C/D/P/E ? :"), std::string::npos);
  EXPECT_NE(s.output().find(" Enter sourcefilename for Make List operation : t.txt\r\n\r\n"
                            " Enter destination save-filename for List : l.txt\r\n"),
            std::string::npos);
  EXPECT_NE(s.output().find(" The size of the List =  5 groups or words\r\n\r\n\r\n Make List done!   "),
            std::string::npos);
  EXPECT_EQ(s.output().find("Vocabulary Ratio"), std::string::npos);
  EXPECT_EQ(VOC.VOKABN, 5);
}

TEST_F(TextLists, ChangeAndDefaultStatuses) {
  dir.write("t.txt", "a!b#c d");
  s.type("C33,47,1\n");   // allows ! " # ... /
  s.type("C32,40,1\n");   // refused: 32 is below 33
  s.type("C65,60,0\n");   // refused: start above end
  s.type("C97,97,2\n");   // refused: status neither 0 nor 1
  s.type("C35,35,0\n");   // forbids # again
  s.type("Pt.txt\nl.txt\nN");
  s.type("DPt.txt\nd.txt\nNE");
  MAKEGROUPSLISTFROMTEXTFILE();
  EXPECT_EQ(dir.read("l.txt"), "a!b\r\nc\r\nd\r\n");
  EXPECT_EQ(dir.read("d.txt"), "a\r\nb\r\nc\r\nd\r\n");
  EXPECT_NE(s.output().find(" Enter ASCII-code range -start,-end,status(0 or 1) : 33,47,1\r\n"), std::string::npos);
  EXPECT_EQ(VOC.ALLOWEDSYMBOLSTANK(' '), 0);
  EXPECT_EQ(VOC.ALLOWEDSYMBOLSTANK('!'), 0);  // back to the default
  // The set persists after the utility and is reset on the next entry.
  s.type("C33,33,1\nE");
  MAKEGROUPSLISTFROMTEXTFILE();
  EXPECT_EQ(VOC.ALLOWEDSYMBOLSTANK('!'), '!');
  s.type("E");
  MAKEVOCABLISTFROMTEXTFILE();
  EXPECT_EQ(VOC.ALLOWEDSYMBOLSTANK('!'), 0);
}

TEST_F(TextLists, ATextWithoutGroups) {
  dir.write("t.txt", " ,;\r\n");
  s.type("Pt.txt\nl.txt\nYc.txt\n E");
  MAKEVOCABLISTFROMTEXTFILE();
  EXPECT_EQ(dir.read("l.txt"), "");
  EXPECT_EQ(dir.read("c.txt"), "");
  EXPECT_EQ(VOC.NLINES, 0);
  EXPECT_NE(s.output().find(" t.txt contains   0 groups or words"), std::string::npos);
  EXPECT_NE(s.output().find(" Vocabulary Ratio =  0\r\n"), std::string::npos);
}

TEST_F(TextLists, CurveOfTheDistinctGroups) {
  dir.write("t.txt", "kor tesh kor qo");
  s.type("Pt.txt\nl.txt\nYc.txt\n E");
  MAKEVOCABLISTFROMTEXTFILE();
  EXPECT_EQ(dir.read("c.txt"), "3\r\n4\r\n2\r\n");
  EXPECT_EQ(VOC.DESTFILENAME, "c.txt");
  EXPECT_EQ(VOC.XKS, 'Y');
  EXPECT_NE(s.output().find("? :\r\n\r\n Enter destination save-filename for group-sizes curve : c.txt\r\n\r\n"
                            " Curve saved!    Press a key to continue \r\n"),
            std::string::npos);
  // The screen comes back after the curve: "E" there ends the utility.
  EXPECT_TRUE(s.keys().empty());
}

TEST_F(TextLists, AMissingSourceReturnsToTheScreen) {
  s.type("Pabsent.txt\nl.txt\n E");
  MAKEGROUPSLISTFROMTEXTFILE();
  EXPECT_TRUE(s.keys().empty());
  EXPECT_NE(s.output().find(" file not found: absent.txt"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "l.txt"));
  EXPECT_EQ(VOC.FILELINESTANK.hi(), 1000);
}
