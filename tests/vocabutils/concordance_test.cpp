// "X": the vocabulary of a concordance-type file.
#include <gtest/gtest.h>

#include "state/shellstate.hpp"
#include "state/vocabstate.hpp"
#include "support.hpp"
#include "vocabutils/vocabutils.hpp"

using Concordance = SessionTest;

TEST_F(Concordance, IntroScreen) {
  s.type("k");
  EXTRACTVOCAB();
  EXPECT_EQ(s.row(2), " (X) Extract Vocabulary-List from a Concordance-type file.");
  EXPECT_EQ(s.colorAt(2, 2), SHELL.TQCOLOR);
  EXPECT_EQ(s.colorAt(2, 6), SHELL.NCOLOR);
  EXPECT_EQ(s.colorAt(2, 14), SHELL.GNCOLOR);
  EXPECT_EQ(s.colorAt(2, 37), SHELL.YLCOLOR);
  EXPECT_EQ(s.row(4), "     Duplicate groups/words are discarded. Output is a List only, NOT sorted by group-size.");
  EXPECT_EQ(s.colorAt(4, 56), SHELL.GNCOLOR);
  EXPECT_EQ(s.colorAt(4, 60), SHELL.NCOLOR);
  EXPECT_EQ(s.row(5), "     Option to save the output sequence of group-sizes as a digitized curve.");
  EXPECT_EQ(s.row(7),
            " The expected format of each line of the source-file from which its vocabulary is to be extracted is :");
  EXPECT_EQ(s.row(9), " vocabgroup1,.........");
  EXPECT_EQ(s.row(12), " .... etc.");
  EXPECT_EQ(s.row(14), " The  vocabgroup  is extracted and the comma and everything to its right on the line is discarded.");
  EXPECT_EQ(s.row(15), " Duplicate vocabgroups are discarded.");
  EXPECT_EQ(s.row(16).substr(0, 2), " (");
  EXPECT_EQ(s.row(19), " Extract/Exit    K/E ? :");
  EXPECT_EQ(s.colorAt(19, 2), SHELL.TQCOLOR);
  EXPECT_EQ(s.output().find("Enter sourcefilename"), std::string::npos);  // "k" is not "K"
}

TEST_F(Concordance, FirstAppearancesAndTheirCurve) {
  dir.write("c.txt", "kor,1.1\r\ntesh,1.2\r\nkor,2.3\r\n");
  s.type("Kc.txt\nv.txt\nYcurve.txt\n ");
  EXTRACTVOCAB();
  EXPECT_TRUE(s.keys().empty());
  EXPECT_EQ(dir.read("v.txt"), "kor\r\ntesh\r\n");
  EXPECT_EQ(dir.read("curve.txt"), "3\r\n4\r\n");
  EXPECT_EQ(VOC.NLINES, 3);
  EXPECT_EQ(VOC.VOKABN, 2);
  EXPECT_EQ(VOC.XKS, 'Y');
  EXPECT_EQ(s.output().substr(s.output().find(" Enter sourcefilename")),
            " Enter sourcefilename for Vocabulary Extract operation : c.txt\r\n\r\n"
            " Enter destination save-filename for Extracted Vocabulary : v.txt\r\n\r\n\r\n"
            " number of sourcefile lines =  3\r\n\r\n\r\n Size of Vocabulary =  2\r\n\r\n\r\n"
            " Extract done!   Save the group-sizes sequence as a digitized curve  Y/N ? :\r\n\r\n"
            " Enter destination save-filename for group-sizes curve : curve.txt\r\n\r\n"
            " Curve saved!    Press a key to continue \r\n");
  int question = s.findRow(" Extract done!");
  EXPECT_EQ(s.colorAt(question, 2), SHELL.NCOLOR);
  EXPECT_EQ(s.colorAt(question, 18), SHELL.TQCOLOR);
  EXPECT_EQ(s.colorAt(question + 2, 2), SHELL.TQCOLOR);  // the colour stays up to the pause
}

TEST_F(Concordance, BlanksKeptEmptyGroupsDroppedLongLinesCut) {
  std::string longLine(300, 'q');
  dir.write("c.txt", " or ,x\n,x\n\nplain\n" + longLine + "\n or ,y\n");
  s.type("Kc.txt\nv.txt\nN");
  EXTRACTVOCAB();
  EXPECT_EQ(dir.read("v.txt"), " or \r\nplain\r\n" + std::string(255, 'q') + "\r\n");
  EXPECT_EQ(VOC.XKS, 'N');
  EXPECT_EQ(VOC.FILELINESTANK.hi(), 6);
}

TEST_F(Concordance, OnlyTheFirst32000LinesAndTheSourceKept) {
  std::string big;
  for (int i = 1; i <= 32002; ++i) big += "g" + std::to_string(i) + ",x\r\n";
  dir.write("c.txt", big);
  s.type("Kc.txt\nc.txt\n ");
  EXTRACTVOCAB();
  EXPECT_TRUE(s.keys().empty());
  EXPECT_NE(s.output().find(" number of sourcefile lines =  32000"), std::string::npos);
  EXPECT_NE(s.output().find("it is not overwritten, nothing saved."), std::string::npos);
  EXPECT_EQ(dir.read("c.txt"), big);
  // The curve may not overwrite it either.
  s.type("Kc.txt\nv.txt\nYc.txt\n ");
  EXTRACTVOCAB();
  EXPECT_EQ(dir.read("c.txt"), big);
  EXPECT_EQ(VOC.VOKABN, 32000);
  EXPECT_EQ(s.output().find("Curve saved!"), std::string::npos);
}
