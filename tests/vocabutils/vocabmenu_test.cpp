// The utilities menu: its screen, key readers and the pass of key comparisons.
#include <gtest/gtest.h>

#include "state/shellstate.hpp"
#include "state/vocabstate.hpp"
#include "support.hpp"
#include "vocabutils/vocabutils.hpp"

using UtilitiesMenu = SessionTest;

TEST_F(UtilitiesMenu, ScreenLinesAndColours) {
  XTSIGNON();
  EXPECT_EQ(s.row(1), "");
  EXPECT_EQ(s.row(2),
            " Here are some utilities useful in PLOMAR work specific to Lists and Vocabularies (lists of distinct groups).");
  EXPECT_EQ(s.colorAt(2, 36), SHELL.VLCOLOR);
  EXPECT_EQ(s.colorAt(2, 42), SHELL.NCOLOR);
  EXPECT_EQ(s.row(4), " In the below sub-menus the description of the expected source is colored yellow, and the output green.");
  EXPECT_EQ(s.colorAt(4, 48), SHELL.YLCOLOR);
  int output = static_cast<int>(s.row(4).find("output")) + 1;
  EXPECT_EQ(s.colorAt(4, output), SHELL.GNCOLOR);
  EXPECT_EQ(s.colorAt(4, output + 6), SHELL.NCOLOR);
  EXPECT_EQ(s.row(7).substr(0, 20), " (L) Make a Vocabula");
  EXPECT_EQ(s.row(10), " (X) Extract Vocabulary-List from a Concordance-type file.");
  EXPECT_EQ(s.row(18), "     Output is a List only, NOT sorted by group-size. Save-Curve option.");
  EXPECT_EQ(s.row(24), "     The output List is sorted by group-size.");
  EXPECT_EQ(s.row(34), " (P) Chaotically shuffle the groups in a List");
  EXPECT_EQ(s.row(36), " (D) Directory");
  EXPECT_EQ(s.row(37), " (E) Exit");
  EXPECT_EQ(s.row(38), "");
  EXPECT_EQ(con::cursorRow(), 38);
}

TEST_F(UtilitiesMenu, KeyReadersSetTheirOwnKeys) {
  s.type("Mt");
  XGETAKEY();
  TGETAKEY();
  EXPECT_EQ(VOC.XKS, 'M');
  EXPECT_EQ(VOC.XKSASC, 'M');
  EXPECT_EQ(VOC.SAVMAINCMD, 'M');
  EXPECT_EQ(VOC.TKS, 't');
  EXPECT_EQ(VOC.TKSASC, 't');
  EXPECT_EQ(SHELL.KS, 0);
}

TEST_F(UtilitiesMenu, InvalidKeysRepaintAndEReturns) {
  VOC.SROUTINGFLAG = 1;
  s.type("mx");
  s.press(con::specialKey(72));
  s.type("E");
  EXTRACTNTRIMVOCABUTILITIES();
  EXPECT_EQ(VOC.SROUTINGFLAG, 0);
  EXPECT_EQ(occurrences(s.output(), " (E) Exit"), 4u);  // painted for each of the four keys
  EXPECT_TRUE(s.keys().empty());
}

TEST_F(UtilitiesMenu, DirectoryThenPause) {
  dir.write("one.txt", "1");
  s.type("DEE");  // the "E" at the pause is discarded; the menu is painted again
  EXTRACTNTRIMVOCABUTILITIES();
  std::string out = s.output();
  size_t listing = out.find("one.txt\r\n\r\n 1 files\r\n\r\n Press a key to continue \r\n");
  ASSERT_NE(listing, std::string::npos) << out;
  EXPECT_NE(out.find(" (E) Exit", listing), std::string::npos);
  EXPECT_TRUE(s.keys().empty());
}

// The curve answer stays in XKS: after "G" the later comparisons of the same
// pass see it ("D" lists the directory, "N" would count n-graphs).
TEST_F(UtilitiesMenu, CurveAnswerActsOnTheLaterKeys) {
  dir.write("t.txt", "a b");
  s.type("GPt.txt\nl.txt\nD");  // "D" answers the curve question
  s.type("x");                  // leaves the "G" screen
  s.type(" E");                 // the directory's pause, then the menu
  EXTRACTNTRIMVOCABUTILITIES();
  EXPECT_NE(s.output().find(" files\r\n"), std::string::npos);
  EXPECT_EQ(dir.read("l.txt"), "a\r\nb\r\n");

  s.type("Pt.txt\nl.txt\nNE");
  MAKEGROUPSLISTFROMTEXTFILE();
  EXPECT_EQ(VOC.XKS, 'N');
  EXPECT_EQ(VOC.SAVMAINCMD, 'N');
  EXPECT_EQ(VOC.TKS, 'E');
}

TEST_F(UtilitiesMenu, CurveAnswerEEndsTheUtilities) {
  dir.write("t.txt", "a b");
  s.type("LPt.txt\nl.txt\nEq");
  EXTRACTNTRIMVOCABUTILITIES();  // returns: "E" is still in XKS
  EXPECT_TRUE(s.keys().empty());
  EXPECT_EQ(VOC.XKS, 'E');
}
