// "N": n-graph counts (C) and the digraph spectrum (D) through their dialogues.
#include <gtest/gtest.h>

#include "state/shellstate.hpp"
#include "state/vocabstate.hpp"
#include "support.hpp"
#include "vocabutils/vocabutils.hpp"

namespace {

// The lines of the file from the one that starts with `from` up to the next
// empty line.
std::string section(const std::string& file, const std::string& from) {
  size_t start = file.find("\r\n" + from);
  if (start == std::string::npos) return "";
  start += 2;
  size_t end = file.find("\r\n\r\n", start);
  return file.substr(start, end == std::string::npos ? std::string::npos : end + 2 - start);
}

const char* const SPECTRUM_AB_BA_AAB =
    "\r\n"
    " PLOMAR Vocabulary Utilities:  di-graphs results for file : l.txt\r\n"
    "\r\n"
    " Alphabet : ab\r\n"
    "\r\n"
    " Number of groups =  3\r\n"
    "\r\n"
    " Digraph Spectrum bandwidth = 4\r\n"
    " Number of non-zero-frequency digraphs = 3\r\n"
    " Digraph Spectrum density =  0.75\r\n"
    "\r\n"
    " Regardless of activity in the List or Vocabulary-List,\r\n"
    " by its Alphabet the 4 prime permutation digraphs * are:  aa ab ba bb\r\n"
    "\r\n"
    " Prime permutation digraphs frequencies Ratio =  1.142857\r\n"
    "\r\n"
    " Prime permutation digraphs Spectrum :\r\n"
    "\r\n"
    " aa : 1\r\n"
    " ab : 2\r\n"
    " ba : 1\r\n"
    " bb : 0\r\n"
    "\r\n"
    "\r\n"
    " The non-zero-frequency digraphs and their frequencies in rank-order : \r\n"
    "\r\n"
    "1: ab : 2 *\r\n"
    "2: aa : 1 *\r\n"
    "3: ba : 1 *\r\n"
    "\r\n"
    "\r\n"
    " The digraph SPECTRUM upon the Alphabet :\r\n"
    "\r\n"
    "1: aa : 1 *\r\n"
    "2: ab : 2 *\r\n"
    "3: ba : 1 *\r\n"
    "4: bb : 0 *\r\n"
    "\r\n"
    "\r\n"
    " eof: spectrum.txt\r\n"
    "--------------------------------------------------\r\n";

// "N" D on a list written into the directory.
class NgraphsCommand : public SessionTest {
 protected:
  // D on a list: the swap answer ("N", or "Y" and the two symbols).
  std::string runSpectrum(const std::string& list, const std::string& swap = "N") {
    dir.write("l.txt", list);
    s.type("Dl.txt\n" + swap + "spectrum.txt\n ");
    COUNTNGRAPHSINVOCABULARY();
    EXPECT_TRUE(s.keys().empty());
    return dir.read("spectrum.txt");
  }
};
using DigraphSpectrum = NgraphsCommand;
using NgraphCount = NgraphsCommand;

}  // namespace

// ab, ba, aab: density 3/4, ratio 2 x 4 / 7, aa ranked before ba by its index.
TEST_F(DigraphSpectrum, FileOfTheWorkedExample) {
  EXPECT_EQ(runSpectrum("ab\r\nba\r\naab\r\n"), SPECTRUM_AB_BA_AAB);
  EXPECT_EQ(VOC.DIGRAFSN, 3u);
  EXPECT_FLOAT_EQ(VOC.DIGRAFSPECTRUMDENSITY, 0.75f);
  EXPECT_EQ(VOC.NSYMBOLS, 7);
  EXPECT_EQ(VOC.RANKEDDIGRAFSTANK(2), "aa");
  EXPECT_EQ(VOC.DIGRAFSRANKSTANK(4), 0);
  EXPECT_EQ(VOC.FILELINESTANK(3), "aab");
  EXPECT_EQ(VOC.NLINES, 3);
}

TEST_F(DigraphSpectrum, ScreenAndColours) {
  runSpectrum("ab\r\nba\r\naab\r\nca\r\n");
  EXPECT_EQ(s.row(2), " (N) Frequencies of n-graphs in a List or Vocabulary-List (max 32000).             Important info (I)");
  EXPECT_EQ(s.colorAt(2, 2), SHELL.TQCOLOR);
  EXPECT_EQ(s.colorAt(2, 6), SHELL.GNCOLOR);
  EXPECT_EQ(s.colorAt(2, 17), SHELL.NCOLOR);
  EXPECT_EQ(s.colorAt(2, 35), SHELL.YLCOLOR);
  EXPECT_EQ(s.colorAt(2, 43), SHELL.YLCOLOR);
  EXPECT_EQ(s.colorAt(2, 58), SHELL.NCOLOR);
  const int info = static_cast<int>(s.row(2).find("(I)")) + 2;
  EXPECT_EQ(s.colorAt(2, info - 1), SHELL.NCOLOR);
  EXPECT_EQ(s.colorAt(2, info), SHELL.RDCOLOR);
  EXPECT_EQ(s.colorAt(2, info + 1), SHELL.NCOLOR);
  EXPECT_EQ(s.row(3), " Count any n-graph, or disk-save digraphs spectrum with some data incl. pp-digraphs screen-displayed.");
  EXPECT_EQ(s.colorAt(3, 2), SHELL.GNCOLOR);
  EXPECT_EQ(s.colorAt(3, 7), SHELL.NCOLOR);
  EXPECT_EQ(s.colorAt(3, 34), SHELL.GNCOLOR);
  EXPECT_EQ(s.colorAt(3, 51), SHELL.NCOLOR);
  EXPECT_EQ(s.row(7), " Di-graphs spectrum/Count frequency of any n-graph/Exit   D/C/E ? :");
  EXPECT_EQ(s.row(9), " D:  Enter filename of List or Vocabulary-List : l.txt");
  EXPECT_EQ(s.colorAt(9, 6), SHELL.TQCOLOR);
  EXPECT_EQ(s.row(11), " Wait for ...");
  EXPECT_EQ(s.colorAt(11, 2), SHELL.GNCOLOR);
  EXPECT_EQ(s.row(13), " l.txt contains :  4 groups,  and  9 total symbols");
  EXPECT_EQ(s.colorAt(13, 36), SHELL.BWCOLOR);
  EXPECT_EQ(s.colorAt(13, 38), SHELL.NCOLOR);
  EXPECT_EQ(s.row(15), " The Alphabet of l.txt is : abc");
  EXPECT_EQ(s.row(17), " Swap symbols-positions in the Alphabet-string ?  Y/N :");
  EXPECT_EQ(s.row(19), " Enter save-filename for di-graphs spectrum : spectrum.txt");
  EXPECT_EQ(s.colorAt(19, 2), SHELL.TQCOLOR);
  EXPECT_EQ(s.row(21), " Regardless of activity in the List,  by its Alphabet the 4 prime permutation digraphs are: aa ab ba bb");
  EXPECT_EQ(s.colorAt(21, 37), SHELL.NCOLOR);
  EXPECT_EQ(s.colorAt(21, 38), SHELL.YLCOLOR);
  const int digraphs = static_cast<int>(s.row(21).find("aa ab")) + 1;
  EXPECT_EQ(s.colorAt(21, digraphs - 1), SHELL.YLCOLOR);
  EXPECT_EQ(s.colorAt(21, digraphs), SHELL.VLCOLOR);
  // 4 of 9 digraphs of the alphabet abc; ca is no pp-digraph: yellow.
  EXPECT_EQ(s.row(23), " The number of non-zero-frequency digraphs = 4       Digraph Spectrum density = 0.4444444");
  EXPECT_EQ(s.row(25), "[ab 2][aa 1][ba 1][ca 1]");
  EXPECT_EQ(s.colorAt(25, 1), SHELL.WGCOLOR);
  EXPECT_EQ(s.colorAt(25, 2), SHELL.VLCOLOR);
  EXPECT_EQ(s.colorAt(25, 5), SHELL.NCOLOR);
  EXPECT_EQ(s.colorAt(25, 6), SHELL.WGCOLOR);
  EXPECT_EQ(s.colorAt(25, 20), SHELL.YLCOLOR);
  // 2 x (1 + 2 + 1 + 0) / 9.
  EXPECT_EQ(s.row(27), " Prime permutation digraphs frequencies Ratio =  0.8888889");
  EXPECT_EQ(s.colorAt(27, 2), SHELL.YLCOLOR);
  EXPECT_EQ(s.colorAt(27, 49), SHELL.NCOLOR);
  EXPECT_EQ(s.row(30), "Done! disk-saving digraphs spectrum data.    Press a key to continue");
  EXPECT_EQ(s.colorAt(30, 1), SHELL.GNCOLOR);
  EXPECT_EQ(con::currentColor(), SHELL.NCOLOR);
  EXPECT_NE(dir.read("spectrum.txt").find("\r\n3: ba : 1 *\r\n4: ca : 1\r\n"), std::string::npos);
}

// a and b tie at 2: a (the earlier position) is the first prime symbol until
// the swap puts b first; the spectrum and its ranking stay in code order.
TEST_F(DigraphSpectrum, SwapExchangesThePrimeSymbols) {
  std::string plain = runSpectrum("ab\r\nba\r\n");
  EXPECT_EQ(VOC.SYMBOLOFRANK1, 'a');
  std::string swapped = runSpectrum("ab\r\nba\r\n", "Yb,a\n");
  EXPECT_EQ(VOC.SYMBOLOFRANK1, 'b');
  EXPECT_EQ(VOC.SYMBOLOFRANK2, 'a');
  EXPECT_NE(s.output().find(" Enter two alphabet-symbols to position-swap : b,a\r\n\r\n Alphabet = ba\r\n"),
            std::string::npos);
  EXPECT_NE(plain.find(" Alphabet : ab\r\n"), std::string::npos);
  EXPECT_NE(swapped.find(" Alphabet : ba\r\n"), std::string::npos);
  EXPECT_NE(plain.find(" are:  aa ab ba bb\r\n"), std::string::npos);
  EXPECT_NE(swapped.find(" are:  bb ba ab aa\r\n"), std::string::npos);
  EXPECT_NE(swapped.find(" bb : 0\r\n ba : 1\r\n ab : 1\r\n aa : 0\r\n"), std::string::npos);
  EXPECT_EQ(section(plain, "1: "), section(swapped, "1: "));
  EXPECT_EQ(section(plain, "1: "), "1: ab : 1 *\r\n2: ba : 1 *\r\n");
  EXPECT_EQ(section(plain, "1: aa"), section(swapped, "1: aa"));
}

// Three symbols: nine spectrum lines numbered 1..9; ten non-zero digraphs of
// four symbols: ranks 01..10 and spectrum lines 01..16.
TEST_F(DigraphSpectrum, NumberPaddings) {
  std::string three = runSpectrum("abc\r\ncc\r\n");
  EXPECT_EQ(section(three, "1: aa"),
            "1: aa : 0 *\r\n2: ab : 1\r\n3: ac : 0 *\r\n4: ba : 0\r\n5: bb : 0\r\n6: bc : 1\r\n"
            "7: ca : 0 *\r\n8: cb : 0\r\n9: cc : 1 *\r\n");
  // c is the first prime symbol (3), then a (the earlier of a and b at 1).
  EXPECT_NE(three.find(" are:  cc ca ac aa\r\n"), std::string::npos);
  std::string four = runSpectrum("abcda\r\nbdb\r\ncacc\r\nbb\r\n");
  EXPECT_EQ(VOC.DIGRAFSN, 10u);
  std::string ranks = section(four, "01: ");
  EXPECT_EQ(ranks.substr(0, 4), "01: ");
  EXPECT_NE(ranks.find("\r\n10: "), std::string::npos);
  std::string spectrum = section(four, "01: aa");
  EXPECT_TRUE(spectrum.ends_with("\r\n16: dd : 0\r\n"));
  EXPECT_EQ(spectrum.substr(0, 11), "01: aa : 0\r");
}

// A list with no symbols: bandwidth 0, no prime digraphs, density and ratio 0.
TEST_F(DigraphSpectrum, ListWithoutSymbols) {
  std::string file = runSpectrum("\r\n\t\r\n");
  EXPECT_EQ(file,
            "\r\n PLOMAR Vocabulary Utilities:  di-graphs results for file : l.txt\r\n\r\n Alphabet : \r\n\r\n"
            " Number of groups =  2\r\n\r\n Digraph Spectrum bandwidth = 0\r\n"
            " Number of non-zero-frequency digraphs = 0\r\n Digraph Spectrum density =  0\r\n\r\n"
            " Regardless of activity in the List or Vocabulary-List,\r\n"
            " the List has no symbols: no prime permutation digraphs; the density and the Ratio are given as 0.\r\n"
            "\r\n Prime permutation digraphs frequencies Ratio =  0\r\n\r\n\r\n"
            " The non-zero-frequency digraphs and their frequencies in rank-order : \r\n\r\n\r\n\r\n"
            " The digraph SPECTRUM upon the Alphabet :\r\n\r\n\r\n\r\n eof: spectrum.txt\r\n"
            "--------------------------------------------------\r\n");
  EXPECT_NE(s.output().find(" The List has no symbols: no digraph spectrum and no prime permutation digraphs.\r\n"),
            std::string::npos);
}

// One symbol: both prime symbols are that symbol.
TEST_F(DigraphSpectrum, OneSymbolAlphabet) {
  std::string file = runSpectrum("aaa\r\na\r\n");
  EXPECT_NE(file.find(" are:  aa aa aa aa\r\n"), std::string::npos);
  // 2 x (4 x 1) / 4.
  EXPECT_NE(file.find(" Ratio =  2\r\n"), std::string::npos);
}

// D leaves the allowed symbols of "T", "S", "L" and "G" alone.
TEST_F(DigraphSpectrum, AllowedSymbolsUntouched) {
  LOADDEFAULTALLOWEDSYMBOLS();
  runSpectrum("a-b\r\n");
  EXPECT_EQ(VOC.ALLOWEDSYMBOLSTANK('-'), 0);
  EXPECT_EQ(VOC.ALLOWEDSYMBOLSTANK('a'), 'a');
  EXPECT_EQ(VOC.ALLOWEDSYMBOLSTANK.hi(), 255);
}

TEST_F(DigraphSpectrum, UnwritableFileLeavesTheTablesAsTheyWere) {
  dir.write("l.txt", "ab\r\n");
  s.type("Dl.txt\nNmissing/spectrum.txt\nx");
  COUNTNGRAPHSINVOCABULARY();
  EXPECT_TRUE(s.keys().empty());
  EXPECT_NE(s.output().find(" cannot create: missing/spectrum.txt"), std::string::npos);
  EXPECT_EQ(s.output().find("Done!"), std::string::npos);
  EXPECT_EQ(VOC.FIRSTVOCABTANK.hi(), 1000);
  EXPECT_EQ(VOC.DIGRAFSPECTRUMTANK.hi(), 1000);
  EXPECT_EQ(VOC.FIRSTVOCABN, 0);
  EXPECT_EQ(VOC.NSYMBOLS, 0);
}

// C: each group counts once; an empty n-graph or one longer than every group
// returns to the intro, whose "E" leaves.
TEST_F(NgraphCount, CountsUntilEmptyOrTooLong) {
  dir.write("l.txt", "hahahaaa\r\nha\r\nah\r\n");
  s.type("Cl.txt\nha\naaa\nhahahaaah\nCl.txt\n\nE");
  COUNTNGRAPHSINVOCABULARY();
  EXPECT_TRUE(s.keys().empty());
  const std::string out = s.output();
  EXPECT_NE(out.find(" C:  Enter filename of List or Vocabulary-List : l.txt\r\n\r\n Wait for ... \r\n\r\n"
                     " l.txt contains :  3 groups,  and  12 total symbols\r\n\r\n"
                     " The longest group or word =  8\r\n\r\n"
                     " Enter n-graph (or just Enter to return to above) : ha\r\n\r\n Frequency of ha =  2\r\n\r\n"
                     " Enter n-graph (or just Enter to return to above) : aaa\r\n\r\n Frequency of aaa =  1\r\n\r\n"
                     " Enter n-graph (or just Enter to return to above) : hahahaaah\r\n"),
            std::string::npos)
      << out;
  EXPECT_EQ(VOC.MAXGROUPSIZE, 8);
  EXPECT_EQ(VOC.COUNT, 1);
  EXPECT_EQ(VOC.NGRAF1, "");
}

TEST_F(NgraphCount, NgraphInTurquoise) {
  dir.write("l.txt", "kor\r\n");
  // The screen as it stands at the next prompt (where the keys run out).
  s.type("Cl.txt\nor\n");
  EXPECT_THROW(COUNTNGRAPHSINVOCABULARY(), con::EndOfInput);
  int row = s.findRow(" Frequency of or =  1");
  ASSERT_GT(row, 0);
  EXPECT_EQ(s.colorAt(row, 15), SHELL.TQCOLOR);
  EXPECT_EQ(s.colorAt(row, 17), SHELL.NCOLOR);
}

TEST_F(NgraphCount, IntroKeys) {
  s.type("I c");
  COUNTNGRAPHSINVOCABULARY();
  EXPECT_TRUE(s.keys().empty());
  EXPECT_NE(s.output().find(" Important information about prime symbols"), std::string::npos);
  EXPECT_EQ(s.output().find(" Enter filename"), std::string::npos);
  EXPECT_EQ(con::currentColor(), SHELL.NCOLOR);
}
