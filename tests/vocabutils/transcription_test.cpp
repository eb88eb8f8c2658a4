// "Y": delete a delimited sub-string, wipe a symbol, replace an n-graph.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "state/shellstate.hpp"
#include "state/vocabstate.hpp"
#include "support.hpp"
#include "vocabutils/transforms.hpp"
#include "vocabutils/vocabutils.hpp"

namespace {

// The text of a help-screen row from column 6 on.
std::string example(const Session& s, int row) { return s.row(row).substr(5); }

}  // namespace

// The intro screen's examples hold for the edits themselves.
TEST(Transcription, IntroScreenAndItsExamples) {
  Session s;
  s.type("E");
  EXTRACTTRANSCRIPTION();
  EXPECT_EQ(s.row(2),
            " (Y) Extract transcribed Text from a transcription-type file; substitute n-graphs in text-lines."
            "      (E) Exit");
  EXPECT_EQ(s.colorAt(2, 2), SHELL.TQCOLOR);
  EXPECT_EQ(s.colorAt(2, 6), SHELL.NCOLOR);
  EXPECT_EQ(s.colorAt(2, 14), SHELL.GNCOLOR);
  EXPECT_EQ(s.colorAt(2, 38), SHELL.YLCOLOR);
  EXPECT_EQ(s.colorAt(2, 63), SHELL.GNCOLOR);
  EXPECT_EQ(s.colorAt(2, 86), SHELL.YLCOLOR);
  EXPECT_EQ(s.colorAt(2, 106), SHELL.NCOLOR);
  EXPECT_EQ(s.colorAt(2, 107), SHELL.TQCOLOR);
  EXPECT_EQ(s.row(5), " All operations work on each source line as the basic unit, starting from its left.  Max 32000 lines.");
  EXPECT_EQ(s.colorAt(5, 37), SHELL.YLCOLOR);
  EXPECT_EQ(s.row(8), " (D) Delete a generalized sub-string according to its Start and End symbols:");
  EXPECT_EQ(s.colorAt(8, 2), SHELL.YLCOLOR);
  EXPECT_EQ(s.colorAt(8, 6), SHELL.TQCOLOR);
  EXPECT_EQ(s.row(10), "     For example, if Start-symbol = '<'  and  End-symbol = '>'  then this source-line:");
  EXPECT_EQ(s.row(12), "                                      <76r.left_text>s.8.4.s.o.e.h.y.$=");
  EXPECT_EQ(s.row(14), "     is written to the output as:                    s.8.4.s.o.e.h.y.$=");
  EXPECT_EQ(s.row(16), "     Only the 1st-encountered delete-substring on a line is deleted; if there are");
  EXPECT_EQ(s.row(17), "     multiple delete-substrings in any lines, then repeat this operation.");
  EXPECT_EQ(s.row(20), " (W) Wipe out all occurrences of a symbol. For example, if  '-'  is to be wiped in this source-line:");
  EXPECT_EQ(s.colorAt(20, 6), SHELL.TQCOLOR);
  EXPECT_EQ(s.colorAt(20, 44), SHELL.NCOLOR);
  EXPECT_EQ(s.row(24), "     then the output is:");
  EXPECT_EQ(s.row(29), " (R) Replace all occurrences of one n-graph with another n-graph.");
  EXPECT_EQ(s.row(31),
            "     In the above line, the simplest use of this function is to replace the periods with spaces, to output:");
  EXPECT_EQ(s.row(37), " Press a key to continue");
  EXPECT_EQ(s.colorAt(37, 2), SHELL.GNCOLOR);

  std::string tagged = s.row(12).substr(38);
  EXPECT_EQ(withoutDelimited(tagged, "<", ">"), s.row(14).substr(53));
  EXPECT_EQ(withoutSymbol(example(s, 22), "-"), example(s, 26));
  EXPECT_EQ(example(s, 26), "4ohc89.ehc9.hae.2c79.4oj1c9.4oe.g1c89.oh19.1H9.2c9.eoe.y.ae.2C9.8ax");
  EXPECT_EQ(withReplacedNgraph(example(s, 26), ".", " "), example(s, 33));
  EXPECT_EQ(example(s, 33), "4ohc89 ehc9 hae 2c79 4oj1c9 4oe g1c89 oh19 1H9 2c9 eoe y ae 2C9 8ax");
}

TEST(Transcription, DeleteOnlyTheFirstDelimitedSubString) {
  EXPECT_EQ(withoutDelimited("<a>x<b>y", "<", ">"), "x<b>y");
  EXPECT_EQ(withoutDelimited(withoutDelimited("<a>x<b>y", "<", ">"), "<", ">"), "xy");
  EXPECT_EQ(withoutDelimited("abc<", "<", ">"), "abc<");        // a start in the last position starts nothing
  EXPECT_EQ(withoutDelimited("ab<cd", "<", ">"), "ab<cd");      // no end after the start
  EXPECT_EQ(withoutDelimited("a>b<c", "<", ">"), "a>b<c");      // an end before the start does not count
  EXPECT_EQ(withoutDelimited("a<>b", "<", ">"), "ab");
  EXPECT_EQ(withoutDelimited("a'q'b'c'", "'", "'"), "ab'c'");   // the same symbol: its next occurrence ends it
  EXPECT_EQ(withoutDelimited("", "<", ">"), "");
  EXPECT_EQ(withoutDelimited("<", "<", "<"), "<");
  std::string withNul("a\0<x>\0b", 7);
  EXPECT_EQ(withoutDelimited(withNul, "<", ">"), std::string("a\0\0b", 4));
  EXPECT_EQ(withoutDelimited(withNul, "", ">"), withNul);  // an empty field matches nothing, byte 0 neither
  EXPECT_EQ(withoutDelimited(withNul, "<", ""), withNul);
}

TEST(Transcription, WipeAndReplace) {
  EXPECT_EQ(withoutSymbol("a-b--c", "-"), "abc");
  EXPECT_EQ(withoutSymbol("abc", "-"), "abc");
  EXPECT_EQ(withoutSymbol(std::string("a\0b", 3), ""), std::string("a\0b", 3));
  EXPECT_EQ(withReplacedNgraph("aaa", "aa", "b"), "ba");  // no overlap
  EXPECT_EQ(withReplacedNgraph("aaaa", "aa", "b"), "bb");
  EXPECT_EQ(withReplacedNgraph("abab", "ab", "aba"), "abaaba");  // replaced text is not rescanned
  EXPECT_EQ(withReplacedNgraph("ch", "chx", "y"), "ch");  // longer than the line
  EXPECT_EQ(withReplacedNgraph("xch", "ch", "sh"), "xsh");  // at the very end
  EXPECT_EQ(withReplacedNgraph("\xe9t\xe9", "\xe9", "e"), "ete");  // bytes above 127
}

// Each operation writes one line per source line, CR LF ended, and comes
// back to the intro screen after its pause.
TEST(Transcription, SessionsOfDWAndR) {
  Session s;
  TempDir dir;
  dir.write("src.txt", "<1r>a.b-\n\n<2v>c.d\r\n");
  s.type("Dsrc.txt\nd.txt\n<,>\n Wsrc.txt\nw.txt\n-\n Rsrc.txt\nr.txt\n.\n_\n E");
  EXTRACTTRANSCRIPTION();
  EXPECT_TRUE(s.keys().empty());
  EXPECT_EQ(dir.read("d.txt"), "a.b-\r\n\r\nc.d\r\n");
  EXPECT_EQ(dir.read("w.txt"), "<1r>a.b\r\n\r\n<2v>c.d\r\n");
  EXPECT_EQ(dir.read("r.txt"), "<1r>a_b-\r\n\r\n<2v>c_d\r\n");
  EXPECT_EQ(VOC.NLINES, 3);
  EXPECT_EQ(VOC.FILELINESTANK(3), "<2v>c.d");
  EXPECT_EQ(VOC.STARTSYMBOL, "<");
  EXPECT_EQ(VOC.ENDSYMBOL, ">");
  EXPECT_EQ(VOC.XS, "-");
  std::string out = s.output();
  EXPECT_NE(out.find("\r\n\r\n D  Enter sourcefilename : src.txt\r\n\r\n"
                     " Enter destination save-filename : d.txt\r\n\r\n"
                     " number of sourcefile lines =  3\r\n\r\n"
                     " Enter Start-symbol, End-symbol : <,>\r\n\r\n"
                     " Done!  Press a key to continue "),
            std::string::npos)
      << out;
  EXPECT_NE(out.find(" Enter symbol to be wiped out : -\r\n\r\n Done! "), std::string::npos);
  EXPECT_NE(out.find("\r\n Enter n-graph to be replaced : .\r\n Enter replacement n-graph    : _\r\n\r\n Done! "),
            std::string::npos);
}

// The n-graphs are typed key by key with GBGETAKEY and echoed from column
// 33; any key below 32 ends the entry, keys without a character are ignored.
TEST(Transcription, NgraphEntry) {
  Session s;
  TempDir dir;
  dir.write("src.txt", "qokaiin qokaiin\n");
  s.type("Rsrc.txt\nr.txt\nai");
  s.press(con::specialKey(72));
  s.type("i");
  s.press(con::KEY_BACKSPACE);
  s.type("e");
  s.press(con::KEY_ESC);
  EXPECT_THROW(EXTRACTTRANSCRIPTION(), con::EndOfInput);  // the keys end at the final pause
  EXPECT_EQ(dir.read("r.txt"), "qoken qoken\r\n");
  int row = s.findRow(" Enter n-graph to be replaced : aii");
  ASSERT_NE(row, 0);
  EXPECT_EQ(s.row(row + 1), " Enter replacement n-graph    : e");
  EXPECT_EQ(s.colorAt(row, 33), SHELL.NCOLOR);
  EXPECT_EQ(SHELL.GBKSASC, con::KEY_ESC);
}

TEST(Transcription, FiftyCharactersAtMost) {
  Session s;
  TempDir dir;
  std::string fifty(50, 'a');
  dir.write("src.txt", fifty + "a\n");
  s.type("Rsrc.txt\nr.txt\n" + fifty + "b\n E");  // the 51st key is the replacement
  EXTRACTTRANSCRIPTION();
  EXPECT_EQ(dir.read("r.txt"), "ba\r\n");
}

TEST(Transcription, AnEmptyNgraphCreatesNoFile) {
  Session s;
  TempDir dir;
  dir.write("src.txt", "aaa\n");
  s.type("Rsrc.txt\nr.txt\naa\n\nRsrc.txt\nr.txt\n\nb\nE");
  EXTRACTTRANSCRIPTION();
  EXPECT_TRUE(s.keys().empty());
  EXPECT_FALSE(std::filesystem::exists("r.txt"));
  EXPECT_EQ(s.output().find("Done!"), std::string::npos);
}

TEST(Transcription, SourceAsDestinationAndEmptySource) {
  Session s;
  TempDir dir;
  dir.write("src.txt", "a-b\nc-d");
  dir.write("empty.txt", "");
  s.type("Wsrc.txt\nsrc.txt\n-\n Wempty.txt\nout.txt\n-\n E");
  EXTRACTTRANSCRIPTION();
  EXPECT_EQ(dir.read("src.txt"), "ab\r\ncd\r\n");
  EXPECT_EQ(dir.read("out.txt"), "\r\n");
}

TEST(Transcription, FileProblemsWriteNothingAndKeepTheTables) {
  Session s;
  TempDir dir;
  VOC.FILELINESTANK.resize(0, 1);
  VOC.FILELINESTANK(1) = "kept";
  std::filesystem::create_directory("sub");
  dir.write("src.txt", "a-b\n");
  // A missing source, then a destination that cannot be created.
  s.type("Wnone.txt\nout.txt\n Wsrc.txt\nsub\n-\n E");
  EXTRACTTRANSCRIPTION();
  EXPECT_TRUE(s.keys().empty());
  EXPECT_FALSE(std::filesystem::exists("out.txt"));
  EXPECT_NE(s.output().find(" file not found: none.txt"), std::string::npos);
  EXPECT_NE(s.output().find(" cannot create: sub"), std::string::npos);
  EXPECT_EQ(s.output().find("Done!"), std::string::npos);
  EXPECT_EQ(VOC.FILELINESTANK.hi(), 1);
  EXPECT_EQ(VOC.FILELINESTANK(1), "kept");
}

TEST(Transcription, ACutSourceIsNotOverwritten) {
  Session s;
  TempDir dir;
  std::string big;
  for (int i = 0; i < 32001; ++i) big += "a-b\n";
  dir.write("big.txt", big);
  s.type("Wbig.txt\nbig.txt\n-\n Wbig.txt\nout.txt\n-\n E");
  EXTRACTTRANSCRIPTION();
  EXPECT_EQ(dir.read("big.txt"), big);
  EXPECT_NE(s.output().find("it is not overwritten, nothing saved."), std::string::npos);
  std::string out = dir.read("out.txt");
  EXPECT_EQ(out.size(), 32000u * 4);
  EXPECT_EQ(out.substr(0, 4), "ab\r\n");
}

TEST(Transcription, OtherKeysRepaintTheIntro) {
  Session s;
  s.type("dxE");
  EXTRACTTRANSCRIPTION();
  EXPECT_TRUE(s.keys().empty());
  EXPECT_EQ(s.output().find("Enter sourcefilename"), std::string::npos);
}
