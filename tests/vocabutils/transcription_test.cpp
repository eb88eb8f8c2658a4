// "Y": delete a delimited sub-string, wipe a symbol, replace an n-graph.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "state/shellstate.hpp"
#include "state/vocabstate.hpp"
#include "support.hpp"
#include "vocabutils/transforms.hpp"
#include "vocabutils/vocabutils.hpp"

// The intro screen's examples hold for the edits themselves.
TEST(Transcription, IntroScreenAndItsExamples) {
  Session s;
  s.type("xE");  // another key repaints the intro
  EXTRACTTRANSCRIPTION();
  EXPECT_EQ(s.row(2),
            " (Y) Extract transcribed Text from a transcription-type file; substitute n-graphs in text-lines."
            "      (E) Exit");
  EXPECT_EQ(s.colorAt(2, 2), SHELL.TQCOLOR);
  EXPECT_EQ(s.colorAt(2, 14), SHELL.GNCOLOR);
  EXPECT_EQ(s.colorAt(2, 38), SHELL.YLCOLOR);
  EXPECT_EQ(s.colorAt(2, 106), SHELL.NCOLOR);
  EXPECT_EQ(s.colorAt(2, 107), SHELL.TQCOLOR);
  EXPECT_EQ(s.row(5), " All operations work on each source line as the basic unit, starting from its left.  Max 32000 lines.");
  EXPECT_EQ(s.row(8), " (D) Delete a generalized sub-string according to its Start and End symbols:");
  EXPECT_EQ(s.colorAt(8, 2), SHELL.YLCOLOR);
  EXPECT_EQ(s.colorAt(8, 6), SHELL.TQCOLOR);
  EXPECT_EQ(s.row(10), "     For example, if Start-symbol = '<'  and  End-symbol = '>'  then this source-line:");
  EXPECT_EQ(s.row(17), "     multiple delete-substrings in any lines, then repeat this operation.");
  EXPECT_EQ(s.row(20), " (W) Wipe out all occurrences of a symbol. For example, if  '-'  is to be wiped in this source-line:");
  EXPECT_EQ(s.colorAt(20, 44), SHELL.NCOLOR);
  EXPECT_EQ(s.row(29), " (R) Replace all occurrences of one n-graph with another n-graph.");
  EXPECT_EQ(s.row(37), " Press a key to continue");
  EXPECT_EQ(s.colorAt(37, 2), SHELL.GNCOLOR);

  EXPECT_EQ(s.row(12), "                                      <76r.left_text>s.8.4.s.o.e.h.y.$=");
  EXPECT_EQ(s.row(14), "     is written to the output as:                    s.8.4.s.o.e.h.y.$=");
  EXPECT_EQ(withoutDelimited(s.row(12), "<", ">"), s.row(12).substr(0, 38) + s.row(14).substr(53));
  const std::string hyphened = "4ohc89.ehc9.hae.2c79.4oj1c9.4oe.g1c89.oh19.1H9.2c9.eoe.y.ae.2C9.8ax";
  EXPECT_EQ(s.row(22), "     " + hyphened + "-");
  EXPECT_EQ(s.row(26), "     " + withoutSymbol(hyphened + "-", "-"));
  EXPECT_EQ(s.row(33), "     " + withReplacedNgraph(hyphened, ".", " "));
  EXPECT_EQ(s.row(33), "     4ohc89 ehc9 hae 2c79 4oj1c9 4oe g1c89 oh19 1H9 2c9 eoe y ae 2C9 8ax");
}

TEST(Transcription, LineEdits) {
  EXPECT_EQ(withoutDelimited("<a>x<b>y", "<", ">"), "x<b>y");  // the first only
  EXPECT_EQ(withoutDelimited("abc<", "<", ">"), "abc<");       // a start in the last position starts nothing
  EXPECT_EQ(withoutDelimited("a>b<c", "<", ">"), "a>b<c");     // no end after the start
  EXPECT_EQ(withoutDelimited("a'q'b'c'", "'", "'"), "ab'c'");  // one symbol for both: its next occurrence ends
  std::string withNul("a\0<x>\0b", 7);
  EXPECT_EQ(withoutDelimited(withNul, "<", ">"), std::string("a\0\0b", 4));
  EXPECT_EQ(withoutDelimited(withNul, "", ">"), withNul);  // an empty symbol matches nothing, byte 0 neither
  EXPECT_EQ(withoutSymbol(withNul, ""), withNul);
  EXPECT_EQ(withReplacedNgraph("aaa", "aa", "b"), "ba");  // left to right, no overlap
  EXPECT_EQ(withReplacedNgraph("abab", "ab", "aba"), "abaaba");  // replaced text is not scanned again
  EXPECT_EQ(withReplacedNgraph("ch", "chx", "y"), "ch");
}

// Each operation writes one line per source line, CR LF ended, and comes
// back to the intro screen after its pause; the destination may be the source.
TEST(Transcription, SessionsOfDWAndR) {
  Session s;
  TempDir dir;
  dir.write("src.txt", "<1r>a.b-\n\n<2v>c.d");
  s.type("Dsrc.txt\nd.txt\n<,>\n Wsrc.txt\nsrc.txt\n-\n Rsrc.txt\nr.txt\n.\n_\n E");
  EXTRACTTRANSCRIPTION();
  EXPECT_TRUE(s.keys().empty());
  EXPECT_EQ(dir.read("d.txt"), "a.b-\r\n\r\nc.d\r\n");
  EXPECT_EQ(dir.read("r.txt"), "<1r>a_b\r\n\r\n<2v>c_d\r\n");
  EXPECT_EQ(VOC.NLINES, 3);
  EXPECT_EQ(VOC.FILELINESTANK(1), "<1r>a.b");
  EXPECT_EQ(VOC.XS, "-");
  EXPECT_NE(s.output().find("\r\n\r\n D  Enter sourcefilename : src.txt\r\n\r\n"
                            " Enter destination save-filename : d.txt\r\n\r\n"
                            " number of sourcefile lines =  3\r\n\r\n"
                            " Enter Start-symbol, End-symbol : <,>\r\n\r\n"
                            " Done!  Press a key to continue "),
            std::string::npos)
      << s.output();
}

// The n-graphs are typed key by key and echoed from column 33, at most 50
// characters; a key below 32 ends the entry (Backspace too), keys without a
// character are ignored.
TEST(Transcription, NgraphEntry) {
  Session s;
  TempDir dir;
  dir.write("src.txt", "qokaiin\n" + std::string(51, 'a'));
  s.type("Rsrc.txt\nr.txt\nai");
  s.press(con::specialKey(72));
  s.type("i");
  s.press(con::KEY_BACKSPACE);
  s.type("e");
  s.press(con::KEY_ESC);
  EXPECT_THROW(EXTRACTTRANSCRIPTION(), con::EndOfInput);  // the keys end at the final pause
  EXPECT_EQ(dir.read("r.txt"), "qoken\r\n" + std::string(51, 'a') + "\r\n");
  int row = s.findRow(" Enter n-graph to be replaced : aii");
  ASSERT_NE(row, 0);
  EXPECT_EQ(s.row(row + 1), " Enter replacement n-graph    : e");

  s.type(" R" "src.txt\nr.txt\n" + std::string(50, 'a') + "b\n E");  // the 51st key is the replacement
  EXTRACTTRANSCRIPTION();
  EXPECT_EQ(dir.read("r.txt"), "qokaiin\r\nba\r\n");
}

// An empty n-graph or replacement, a missing source, a destination that
// cannot be created, a source cut at 32000 lines as its own destination:
// nothing is written and the tables stay as they were.
TEST(Transcription, NothingWritten) {
  Session s;
  TempDir dir;
  std::string big;
  for (int i = 0; i < 32001; ++i) big += "a-b\n";
  dir.write("big.txt", big);
  std::filesystem::create_directory("sub");
  s.type("Rbig.txt\nr.txt\naa\n\nRbig.txt\nr.txt\n\nb\n"
         "Wnone.txt\nr.txt\n Wbig.txt\nsub\n-\n Wbig.txt\nbig.txt\n-\n E");
  EXTRACTTRANSCRIPTION();
  EXPECT_TRUE(s.keys().empty());
  EXPECT_FALSE(std::filesystem::exists("r.txt"));
  EXPECT_EQ(dir.read("big.txt"), big);
  EXPECT_NE(s.output().find(" file not found: none.txt"), std::string::npos);
  EXPECT_NE(s.output().find(" cannot create: sub"), std::string::npos);
  EXPECT_NE(s.output().find("it is not overwritten, nothing saved."), std::string::npos);
  EXPECT_EQ(s.output().find("Done!"), std::string::npos);
  EXPECT_EQ(VOC.NLINES, 0);
}
