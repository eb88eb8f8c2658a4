// "B": a list laid out as a block of groups, on one line or like a format text.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "state/shellstate.hpp"
#include "state/vocabstate.hpp"
#include "support.hpp"
#include "vocabutils/transforms.hpp"
#include "vocabutils/vocabutils.hpp"

TEST(ListIntoBlock, FormatWordsDecideTheGroupsPerLine) {
  const std::vector<std::string> five{"g1", "g2", "g3", "g4", "g5"};
  EXPECT_EQ(unformattedBlock({"ka", "mo", "te"}), "ka mo te ");
  // Format used up: g4 and g5 are not written.
  EXPECT_EQ(formattedBlock(five, {"two words", "one"}), "g1 g2\r\ng3\r\n");
  // List used up inside the second line: the file ends after a blank.
  EXPECT_EQ(formattedBlock(five, {"a b c", "d e f g"}), "g1 g2 g3\r\ng4 g5 ");
  // List used up exactly at the end of a line: its line end closes the file.
  EXPECT_EQ(formattedBlock(five, {"a b c", "d e", "f"}), "g1 g2 g3\r\ng4 g5\r\n");
  // Runs of separators (codes up to 32) count once, leading ones give
  // nothing; bytes above 127 belong to words; a word-less line uses no group.
  EXPECT_EQ(formattedBlock(five, {"  a   b", "", "\tc\x01\xe9"}), "g1 g2\r\n\r\ng3 g4\r\n");
  // A line ending with a separator keeps the blank after its last group.
  EXPECT_EQ(formattedBlock(five, {"a b ", "c"}), "g1 g2 \r\ng3\r\n");
}

TEST(ListIntoBlock, Session) {
  Session s;
  TempDir dir;
  dir.write("l.txt", "g1\ng2\ng3\ng4\ng5\n");
  dir.write("f.txt", "one two three\r\nfour five six seven\r\n");
  s.type("Fl.txt\nb.txt\nf.txt\n x");
  CHANGELISTINTOBLOCK();
  EXPECT_TRUE(s.keys().empty());
  EXPECT_EQ(dir.read("b.txt"), "g1 g2 g3\r\ng4 g5 ");
  EXPECT_EQ(VOC.NGROUPS, 5);
  EXPECT_EQ(VOC.FNLINES, 2);
  EXPECT_EQ(VOC.FILELINESTANK(1), "one two three ");
  EXPECT_EQ(s.row(2), " (B) Change a List of groups (max 32000) into a Block of Unformatted/Formatted groups/Exit   U/F/E :");
  EXPECT_EQ(s.colorAt(2, 2), SHELL.TQCOLOR);
  EXPECT_EQ(s.colorAt(2, 15), SHELL.YLCOLOR);
  EXPECT_EQ(s.colorAt(2, 49), SHELL.GNCOLOR);
  EXPECT_EQ(s.colorAt(2, 54), SHELL.NCOLOR);
  EXPECT_EQ(s.row(4),
            " (F: Formatting is according to the format, line by line, in a specified text-file. If the first line of the");
  EXPECT_EQ(s.row(7), "     separate the groups in the format-provider lines.)");
  EXPECT_EQ(s.row(10), " Press a key to continue");
  EXPECT_EQ(s.colorAt(10, 2), SHELL.GNCOLOR);
  EXPECT_NE(s.output().find(" Press a key to continue \r\n\r\n\r\n F Enter List sourcefilename : l.txt\r\n"
                            "   Enter Block save-filename : b.txt\r\n\r\n"
                            " number of groups in the List =  5\r\n\r\n"
                            " Enter text-filename providing the formatting : f.txt\r\n\r\n"
                            " Done!  Press a key to continue "),
            std::string::npos)
      << s.output();
}

// A list or format of one line starts the dialogue again without a message;
// so does a file that cannot be read, or a list cut at 32000 lines named as
// the block's file.
TEST(ListIntoBlock, StartsAgainWithoutABlock) {
  Session s;
  TempDir dir;
  dir.write("one.txt", "ka\n");
  dir.write("l.txt", "ka\nmo\n");
  std::string big;
  for (int i = 0; i < 32001; ++i) big += "g\n";
  dir.write("big.txt", big);
  s.type("Uone.txt\nb.txt\nFl.txt\nb.txt\none.txt\nUnone.txt\nb.txt\n Ubig.txt\nbig.txt\n E");
  CHANGELISTINTOBLOCK();
  EXPECT_TRUE(s.keys().empty());
  EXPECT_FALSE(std::filesystem::exists("b.txt"));
  EXPECT_EQ(dir.read("big.txt"), big);
  EXPECT_NE(s.output().find(" number of groups in the List =  1\r\n"), std::string::npos);
  EXPECT_NE(s.output().find(" file not found: none.txt"), std::string::npos);
  EXPECT_NE(s.output().find("it is not overwritten, nothing saved."), std::string::npos);
  EXPECT_EQ(s.output().find("Done!"), std::string::npos);
}
