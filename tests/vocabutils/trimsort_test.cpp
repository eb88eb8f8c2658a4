// "T" and "S" through their dialogues, and the List statistics file.
#include <gtest/gtest.h>

#include "state/shellstate.hpp"
#include "state/vocabstate.hpp"
#include "support.hpp"
#include "vocabutils/liststats.hpp"
#include "vocabutils/trimsort.hpp"
#include "vocabutils/vocabutils.hpp"

using namespace std::string_literals;

namespace {

// "S" and "T" with their keys on a source list written into the directory.
class ListCommand : public SessionTest {
 protected:
  // "S" on a source list: the swap answer ("N", or "Y" and the two symbols).
  std::string runSort(const std::string& list, const std::string& swap = "N") {
    dir.write("s.txt", list);
    VOC.SAVMAINCMD = 'S';
    s.type("Ps.txt\nsorted.txt\n" + swap + " ");
    SORTXNLFILESBYGROUPSIZE();
    EXPECT_TRUE(s.keys().empty());
    EXPECT_EQ(VOC.SROUTINGFLAG, 0);
    return dir.read("sorted.txt");
  }

  std::string runTrim(const std::string& list, const std::string& allowed) {
    dir.write("t.txt", list);
    VOC.SAVMAINCMD = 'T';
    s.type("Pt.txt\nNtrimmed.txt\n" + allowed + "\n ");
    TRIMVOCABMAIN();
    EXPECT_TRUE(s.keys().empty());
    return dir.read("trimmed.txt");
  }
};
using SortList = ListCommand;
using TrimList = ListCommand;

// The line of the file that starts with the text, or "".
std::string lineStarting(const std::string& file, const std::string& start) {
  for (const std::string& line : linesOf(file))
    if (line.rfind(start, 0) == 0) return line;
  return "";
}

// A list of `count` copies of each group.
std::string repeated(const std::vector<std::pair<std::string, int>>& groups) {
  std::string list;
  for (const auto& [group, count] : groups)
    for (int i = 0; i < count; ++i) list += group + "\r\n";
  return list;
}

const char* const SORTED_CCC_B_BB_A =
    "\r\n"
    " PLOMAR Vocabulary Utilities\r\n"
    "\r\n"
    " S Command operation on file : s.txt\r\n"
    "\r\n"
    "\r\n"
    " Alphabet of the original list = abc\r\n"
    " Size of this alphabet =  3\r\n"
    "\r\n"
    " No. of Groups =  4\r\n"
    " Total no. of symbols =  7\r\n"
    " Average Group-size =  1.75\r\n"
    " Total-Symbols-to-Alphabet Ratio =  2.333333333333333\r\n"
    "\r\n"
    " The longest group-size  =  3\r\n"
    " The shortest group-size =  1\r\n"
    "\r\n"
    " Frequencies of the groups :\r\n"
    "\r\n"
    " group-size : frequency\r\n"
    "\r\n"
    " 01 :  2\r\n"
    " 02 :  1\r\n"
    " 03 :  1\r\n"
    "\r\n"
    "\r\n"
    " Frequencies of the symbols :\r\n"
    "\r\n"
    " Rank : Symbol : Frequency : Frequency-percentage\r\n"
    "\r\n"
    " 1 : b :  3   :  42.85714\r\n"
    " 2 : c :  3   :  42.85714\r\n"
    " 3 : a :  1   :  14.28571\r\n"
    "\r\n"
    "\r\n"
    " ( The Prime [three most frequent] symbols frequencies total ) / ( Total no. of symbols) :\r\n"
    " Prime Symbols Frequency Ratio =  1\r\n"
    "\r\n"
    "\r\n"
    " The Prime Permutation Trigraphs and their frequencies (each counted once/group-appearance) are:\r\n"
    "\r\n"
    " bca :  0\r\n"
    " bac :  0\r\n"
    " cab :  0\r\n"
    " cba :  0\r\n"
    " abc :  0\r\n"
    " acb :  0\r\n"
    "\r\n"
    " ( 3 x the total of these counts ) / ( total number of symbols ) :\r\n"
    " Prime Permutation Trigraphs Frequencies Ratio =  0\r\n"
    "\r\n"
    "\r\n"
    " The List or Vocabulary-List :\r\n"
    "\r\n"
    "b\r\n"
    "a\r\n"
    "bb\r\n"
    "ccc\r\n";

}  // namespace

// The sort is stable by size, never alphabetical; b and c tie at 3: the
// ranking puts b (the lower code) first, and so do the prime symbols (b at the
// earlier position).
TEST_F(SortList, StatisticsFileOfCccBBbA) {
  EXPECT_EQ(runSort("ccc\r\nb\r\nbb\r\na\r\n"), SORTED_CCC_B_BB_A);
  EXPECT_EQ(VOC.TRIMDVOCABTANK(1), "b");
  EXPECT_EQ(VOC.TRIMDVOCABTANK(2), "a");
  EXPECT_EQ(VOC.HFSI[1], 'b');
  EXPECT_EQ(VOC.FILELINESTANK.hi(), 4);  // the emptied work copy
  EXPECT_EQ(VOC.FILELINESTANK(4), "");
}

// Swapping b and c makes c the first prime symbol; the ranking stays b, c, a.
TEST_F(SortList, SwapChangesPrimeSymbolsButNotTheRanking) {
  std::string file = runSort("ccc\r\nb\r\nbb\r\na\r\nabc\r\n", "Yb,c\n");
  EXPECT_EQ(lineStarting(file, " Alphabet of the original list"), " Alphabet of the original list = acb");
  EXPECT_EQ(lineStarting(file, " 1 :"), " 1 : b :  4   :  40");
  EXPECT_EQ(lineStarting(file, " 2 :"), " 2 : c :  4   :  40");
  EXPECT_EQ(std::string(1, VOC.HFREQSYMBOL[1]) + VOC.HFREQSYMBOL[2] + VOC.HFREQSYMBOL[3], "cba");
  EXPECT_NE(file.find("\r\n cba :  0\r\n cab :  0\r\n bac :  0\r\n bca :  0\r\n acb :  0\r\n abc :  1\r\n"),
            std::string::npos);
  // 3 x (1 / 10).
  EXPECT_EQ(lineStarting(file, " Prime Permutation Trigraphs Frequencies Ratio"),
            " Prime Permutation Trigraphs Frequencies Ratio =  0.3");
  EXPECT_NE(s.output().find(" Enter two alphabet-symbols to position-swap : b,c\r\n\r\n Alphabet = acb\r\n"),
            std::string::npos);
}

TEST_F(SortList, SwapWithASymbolOutsideTheAlphabetChangesNothing) {
  EXPECT_EQ(runSort("ccc\r\nb\r\nbb\r\na\r\n", "Yb,z\n"), SORTED_CCC_B_BB_A);
  EXPECT_EQ(s.output().find("\r\n Alphabet = "), std::string::npos);
}

// Empty lines count in the source size only; a line holding a tab is not
// in the alphabet that "S" allows, so it is discarded; repeats all stay.
TEST_F(SortList, DiscardsEmptyLinesAndLinesWithControlCodes) {
  std::string file = runSort("ka\r\n\r\nq\tx\r\nd\r\nka\r\n");
  EXPECT_EQ(VOC.NLINES, 5);
  EXPECT_EQ(VOC.ORIGINALSYMBOLSSTRING, "adkqx");
  EXPECT_EQ(VOC.TRIMDVOKABN, 3);
  EXPECT_NE(file.find(" The List or Vocabulary-List :\r\n\r\nd\r\nka\r\nka\r\n"), std::string::npos);
  EXPECT_TRUE(file.ends_with("\r\nka\r\n"));
  // Five ranks; q and x do not occur in the output.
  EXPECT_EQ(lineStarting(file, " 4 :"), " 4 : \0 :  0   :  0"s);
  EXPECT_EQ(lineStarting(file, " Total-Symbols-to-Alphabet Ratio"), " Total-Symbols-to-Alphabet Ratio =  1");
}

// An alphabet of two symbols: no prime section, the list follows at once.
TEST_F(SortList, TwoSymbolAlphabetHasNoPrimeSection) {
  std::string file = runSort("ab\nba\nb\n");
  EXPECT_NE(file.find(" 2 : a :  2   :  40\r\n\r\n\r\n The List or Vocabulary-List :\r\n\r\nb\r\nab\r\nba\r\n"),
            std::string::npos)
      << file;
  EXPECT_EQ(VOC.PPTTOTALFREQRATIO, 0.0f);
  EXPECT_EQ(VOC.HFSI[1], 0);
}

// A file without symbols: everything 0, and the file says why.
TEST_F(SortList, EmptyOutputListHasFiguresZero) {
  std::string file = runSort("");
  EXPECT_EQ(VOC.NLINES, 1);
  EXPECT_EQ(lineStarting(file, " Size of this alphabet"), " Size of this alphabet =  0");
  EXPECT_EQ(lineStarting(file, " Average Group-size"), " Average Group-size =  0");
  EXPECT_EQ(lineStarting(file, " Total-Symbols-to-Alphabet Ratio"), " Total-Symbols-to-Alphabet Ratio =  0");
  EXPECT_EQ(lineStarting(file, " The longest"), " The longest group-size  =  0");
  EXPECT_EQ(lineStarting(file, " The shortest"), " The shortest group-size =  0");
  EXPECT_TRUE(file.ends_with(
      " Rank : Symbol : Frequency : Frequency-percentage\r\n\r\n\r\n\r\n"
      " The output List is empty: its figures are given as 0, and it has no prime symbols or pp-trigraphs.\r\n"
      "\r\n\r\n The List or Vocabulary-List :\r\n\r\n"))
      << file;
  EXPECT_NE(s.output().find(" Prime Symbols Frequency Ratio =  0\r\n Size of output List / Vocabulary-List =  0\r\n"
                            " Prime Permutation Trigraphs Frequencies Ratio =  0\r\n"),
            std::string::npos);
}

TEST_F(SortList, IntroScreenAndItsKeys) {
  s.type("I p");
  SORTXNLFILESBYGROUPSIZE();
  EXPECT_TRUE(s.keys().empty());
  EXPECT_EQ(s.row(2), " (S) Sort by group-size a G, L or X type List file, and provide basic statistics incl. pp-trigraphs.");
  EXPECT_EQ(s.colorAt(2, 2), SHELL.TQCOLOR);
  EXPECT_EQ(s.colorAt(2, 6), SHELL.GNCOLOR);
  EXPECT_EQ(s.colorAt(2, 11), SHELL.NCOLOR);
  EXPECT_EQ(s.colorAt(2, 43), SHELL.YLCOLOR);
  EXPECT_EQ(s.colorAt(2, 47), SHELL.NCOLOR);
  EXPECT_EQ(s.colorAt(2, 66), SHELL.GNCOLOR);
  EXPECT_EQ(s.colorAt(2, 82), SHELL.NCOLOR);
  EXPECT_EQ(s.row(4), "     Proceed (P)    Important info (I)  :");
  EXPECT_EQ(s.colorAt(4, 37), SHELL.RDCOLOR);
  EXPECT_EQ(s.colorAt(4, 38), SHELL.NCOLOR);
  // "I" showed the Important info screen, then the intro again.
  EXPECT_NE(s.output().find(" re-compute the different pp-ngraphs spectra.\r\n\r\n\r\n Press a key to continue "),
            std::string::npos);
}

TEST_F(SortList, ImportantInfoScreenColours) {
  s.type(" ");
  IMPTINFOABTPRIMESYMBOLS();
  EXPECT_EQ(s.row(2), " Important information about prime symbols and their derivative prime permutation n-graphs :");
  EXPECT_EQ(s.colorAt(2, 2), SHELL.TQCOLOR);
  EXPECT_EQ(s.row(4).substr(0, 15), " It's possible,");
  EXPECT_EQ(s.colorAt(4, 2), SHELL.NCOLOR);
  EXPECT_EQ(s.row(13), " Press a key to continue");
  EXPECT_EQ(s.colorAt(13, 2), SHELL.GNCOLOR);
  EXPECT_EQ(con::currentColor(), SHELL.NCOLOR);
}

const std::string TRIMMED_AB_ABD_CAB_A =
    "\r\n"
    " PLOMAR Vocabulary Utilities\r\n"
    "\r\n"
    " T Command operation on file : t.txt\r\n"
    "\r\n"
    "\r\n"
    " Alphabet of the original list = abcd\r\n"
    " Size of this alphabet =  4\r\n"
    "\r\n"
    " Allowed Alphabet for trim op. = abc\r\n"
    " Size of this alphabet =  3\r\n"
    "\r\n"
    " No. of Groups =  3\r\n"
    " Total no. of symbols =  6\r\n"
    " Average Group-size =  2\r\n"
    " Total-Symbols-to-Alphabet Ratio =  2\r\n"
    "\r\n"
    " The longest group-size  =  3\r\n"
    " The shortest group-size =  1\r\n"
    "\r\n"
    " Frequencies of the groups :\r\n"
    "\r\n"
    " group-size : frequency\r\n"
    "\r\n"
    " 01 :  1\r\n"
    " 02 :  1\r\n"
    " 03 :  1\r\n"
    "\r\n"
    "\r\n"
    " Frequencies of the symbols :\r\n"
    "\r\n"
    " Rank : Symbol : Frequency : Frequency-percentage\r\n"
    "\r\n"
    " 1 : a :  3   :  50\r\n"
    " 2 : b :  2   :  33.33333\r\n"
    " 3 : c :  1   :  16.66667\r\n"
    " 4 : \0 :  0   :  0\r\n"
    "\r\n"
    "\r\n"
    " ( The Prime [three most frequent] symbols frequencies total ) / ( Total no. of symbols) :\r\n"
    " Prime Symbols Frequency Ratio =  1\r\n"
    "\r\n"
    "\r\n"
    " The Prime Permutation Trigraphs and their frequencies (each counted once/group-appearance) are:\r\n"
    "\r\n"
    " abc :  0\r\n"
    " acb :  0\r\n"
    " bca :  0\r\n"
    " bac :  0\r\n"
    " cab :  1\r\n"
    " cba :  0\r\n"
    "\r\n"
    " ( 3 x the total of these counts ) / ( total number of symbols ) :\r\n"
    " Prime Permutation Trigraphs Frequencies Ratio =  0.5\r\n"
    "\r\n"
    "\r\n"
    " The List or Vocabulary-List :\r\n"
    "\r\n"
    "a\r\n"
    "ab\r\n"
    "cab\r\n"s;

// abd holds d, outside the allowed alphabet: it is discarded whole.
TEST_F(TrimList, StatisticsFileOfAbAbdCabA) {
  EXPECT_EQ(runTrim("ab\r\nabd\r\ncab\r\na\r\n", "abc"), TRIMMED_AB_ABD_CAB_A);
  EXPECT_EQ(VOC.ALLOWEDSYMBOLSTANK('c'), 'c');
}

TEST_F(TrimList, IntroAndDialogueScreen) {
  dir.write("t.txt", "ab\r\nabd\r\ncab\r\na\r\n");
  VOC.SAVMAINCMD = 'T';
  s.type("Pt.txt\nNtrimmed.txt\nabc\n ");
  TRIMVOCABMAIN();
  const std::string out = s.output();
  EXPECT_NE(out.find("     Proceed (P)    Important info (I)  :\r\n\r\n"
                     " Enter List source-filename for trim operation : t.txt\r\n\r\n"
                     " Size of sourcefile List or Vocabulary-List =  4\r\n\r\n"
                     " The printable symbols Alphabet of the source-file is : abcd\r\n\r\n"
                     " The number of symbols in this original Alphabet =  4\r\n\r\n\r\n"
                     " Rank : Symbol : Frequency in original List / Vocabulary-List source-file\r\n\r\n"
                     " 1 : a :  4\r\n 2 : b :  3\r\n 3 : c :  1\r\n 4 : d :  1\r\n\r\n"
                     " The Alphabet of the source-list is : abcd\r\n\r\n"
                     " Swap symbols-positions in the Alphabet-string ?  Y/N :\r\n\r\n"
                     " Enter save-filename for trimmed list : trimmed.txt\r\n\r\n"),
            std::string::npos)
      << out;
  EXPECT_NE(out.find(" Enter the allowed Alphabet as one continuous string : abc\r\n\r\n\r\n"
                     " Prime Symbols Frequency Ratio =  1\r\n Size of output List / Vocabulary-List =  3\r\n"
                     " Prime Permutation Trigraphs Frequencies Ratio =  0.5\r\n\r\n Done!    Press a key to continue "),
            std::string::npos);
  // The source alphabet stands at column 56, right above the typed entry.
  int entry = s.findRow(" Enter the allowed Alphabet as one continuous string : abc");
  ASSERT_GT(entry, 1);
  EXPECT_EQ(s.row(entry - 1), std::string(55, ' ') + "abcd");
  EXPECT_EQ(s.colorAt(entry, 2), SHELL.YLCOLOR);
  int done = s.findRow(" Done!");
  EXPECT_EQ(s.colorAt(done, 10), SHELL.TQCOLOR);
}

TEST_F(TrimList, IntroColoursAndLowerCaseKeys) {
  s.type("i");
  TRIMVOCABMAIN();
  EXPECT_TRUE(s.keys().empty());
  EXPECT_EQ(s.row(2).substr(0, 40), " (T) A List or Vocabulary-List is trimme");
  EXPECT_EQ(s.colorAt(2, 2), SHELL.TQCOLOR);
  EXPECT_EQ(s.colorAt(2, 6), SHELL.NCOLOR);
  EXPECT_EQ(s.colorAt(2, 8), SHELL.YLCOLOR);
  EXPECT_EQ(s.colorAt(2, 16), SHELL.YLCOLOR);
  EXPECT_EQ(s.colorAt(2, 31), SHELL.NCOLOR);
  EXPECT_EQ(s.colorAt(2, 35), SHELL.GNCOLOR);
  EXPECT_EQ(s.colorAt(2, 42), SHELL.NCOLOR);
  EXPECT_EQ(s.colorAt(3, 9), SHELL.GNCOLOR);
  EXPECT_EQ(s.colorAt(3, 31), SHELL.GNCOLOR);
  EXPECT_EQ(s.colorAt(3, 47), SHELL.NCOLOR);
  EXPECT_EQ(s.row(5), "     Proceed (P)    Important info (I)  :");
  EXPECT_EQ(s.output().find(" Enter List"), std::string::npos);
}

// At the bottom of the window, and with an alphabet that wraps in 80
// columns: the source alphabet still starts right above the entry field.
TEST_F(TrimList, AlphabetAboveTheEntryAtTheBottomOfTheWindow) {
  for (int width : {120, 80}) {
    Session s(width, 30);
    TempDir dir;
    dir.write("t.txt", "ab\r\nabd\r\ncab\r\na\r\nABCDEFGHIJKLMNOPQRSTUVWXYZ\r\n");
    s.type("Pt.txt\nNtrimmed.txt\nabc\n ");
    TRIMVOCABMAIN();
    int entry = s.findRow(" Enter the allowed Alphabet as one continuous string : abc");
    ASSERT_GT(entry, 1);
    // In 80 columns the entry row covers the wrapped end of the alphabet.
    EXPECT_EQ(s.row(entry - 1), (std::string(55, ' ') + "ABCDEFGHIJKLMNOPQRSTUVWXYZabcd").substr(0, width));
    EXPECT_NE(dir.read("trimmed.txt").find("\r\na\r\nab\r\ncab\r\n"), std::string::npos);
  }
}

// Twelve symbols, the top one 4711 times: ranks 01..12, and the separator
// before each percentage starts in column 4 + 13.
TEST_F(TrimList, PercentagesLineUpAfterTheTopFrequency) {
  std::string file = runTrim(std::string(4711, 'a') + "\r\nbcdefghijkl\r\n", "abcdefghijkl");
  EXPECT_EQ(lineStarting(file, " 01 :"), " 01 : a :  4711  :  99.76704");
  EXPECT_EQ(lineStarting(file, " 12 :"), " 12 : l :  1     :  2.117747e-002");
  EXPECT_EQ(lineStarting(file, " 12 :").find(" : ", 12), 16u);
  EXPECT_EQ(lineStarting(file, " 4711 :"), " 4711 :  1");
}

// Five of twenty source symbols occur in the output: ranks 06..20 carry byte 0.
TEST_F(TrimList, RanksWithoutSymbolsCarryByteZero) {
  std::string file = runTrim("abcde\r\nfghij\r\nklmnopqrst\r\n", "edcba");
  EXPECT_EQ(lineStarting(file, " Total-Symbols-to-Alphabet Ratio"), " Total-Symbols-to-Alphabet Ratio =  1");
  EXPECT_EQ(lineStarting(file, " 05 : e"), " 05 : e :  1  :  20");
  for (int r = 6; r <= 20; ++r) {
    const std::string rank = " " + zeroPadded(r, 2) + " : ";
    EXPECT_EQ(lineStarting(file, rank + '\0'), rank + "\0 :  0  :  0"s);
  }
  EXPECT_EQ(lineStarting(file, " 21 : "), "");
}

TEST_F(TrimList, GroupSizeTableHasOnlyTheSizesThatOccur) {
  std::string file = runTrim(repeated({{"abcdefg", 3}, {"abcdefgabcde", 2}}), "abcdefg");
  EXPECT_NE(file.find(" group-size : frequency\r\n\r\n 07 :  3\r\n 12 :  2\r\n\r\n\r\n"), std::string::npos);
  EXPECT_EQ(lineStarting(file, " Average Group-size"), " Average Group-size =  9");
  EXPECT_EQ(lineStarting(file, " The longest"), " The longest group-size  =  12");
  EXPECT_EQ(lineStarting(file, " The shortest"), " The shortest group-size =  7");
}

TEST_F(TrimList, EmptyAllowedAlphabetSavesNothing) {
  dir.write("t.txt", "ab\r\n");
  s.type("Pt.txt\nNtrimmed.txt\n\n");
  TRIMVOCABMAIN();
  EXPECT_TRUE(s.keys().empty());
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "trimmed.txt"));
  EXPECT_EQ(s.output().find("Done!"), std::string::npos);
}

// Allowed abc, but the source has two symbols only: no prime symbols, and
// the file says so where the prime section would stand.
TEST_F(TrimList, SourceAlphabetOfTwoSymbolsHasNoPrimes) {
  std::string file = runTrim("ab\r\nbba\r\n", "abc");
  EXPECT_NE(file.find(" 2 : a :  2   :  40\r\n\r\n\r\n"
                      " The alphabet of the original list has fewer than three symbols: no prime symbols or pp-trigraphs.\r\n"
                      "\r\n\r\n The List or Vocabulary-List :\r\n\r\nab\r\nbba\r\n"),
            std::string::npos)
      << file;
  EXPECT_EQ(VOC.PRIMESYMBOLSTOTALFREQRATIO, 0.0f);
}

TEST_F(TrimList, NothingAllowedOccursGivesAnEmptyList) {
  std::string file = runTrim("ab\r\nbc\r\nca\r\n", "xyz");
  EXPECT_EQ(lineStarting(file, " No. of Groups"), " No. of Groups =  0");
  EXPECT_EQ(lineStarting(file, " Total-Symbols-to-Alphabet Ratio"), " Total-Symbols-to-Alphabet Ratio =  0");
  EXPECT_EQ(lineStarting(file, " 3 :"), " 3 : \0 :  0   :  0"s);
  EXPECT_TRUE(file.ends_with(" The output List is empty: its figures are given as 0, and it has no prime symbols or"
                             " pp-trigraphs.\r\n\r\n\r\n The List or Vocabulary-List :\r\n\r\n"));
}

// A save file that cannot be created: reported, no "Done!", and every table
// and figure as before the command.
TEST_F(TrimList, UnwritableSaveFileLeavesTheTablesAsTheyWere) {
  dir.write("t.txt", "ab\r\ncab\r\n");
  s.type("Pt.txt\nNmissing/trimmed.txt\nabc\nx");
  TRIMVOCABMAIN();
  EXPECT_TRUE(s.keys().empty());
  EXPECT_NE(s.output().find(" cannot create: missing/trimmed.txt"), std::string::npos);
  EXPECT_EQ(s.output().find("Done!"), std::string::npos);
  EXPECT_EQ(VOC.NLINES, 0);
  EXPECT_EQ(VOC.TRIMDVOKABN, 0);
  EXPECT_EQ(VOC.FILELINESTANK.hi(), 1000);
  EXPECT_EQ(VOC.TRIMDVOCABTANK.hi(), 1000);
  EXPECT_EQ(VOC.ORIGINALSYMBOLSSTRING, "");
  EXPECT_EQ(VOC.ALLOWEDSYMBOLSTANK('c'), 0);
  EXPECT_EQ(VOC.TKS, 'N');  // the keys read stay
}

// A source cut at 32000 lines is not overwritten by its own statistics.
TEST_F(SortList, CutSourceIsNotOverwritten) {
  std::string big = repeated({{"ab", 32000}, {"c", 1}});
  dir.write("s.txt", big);
  s.type("Ps.txt\ns.txt\nN ");
  SORTXNLFILESBYGROUPSIZE();
  EXPECT_TRUE(s.keys().empty());
  EXPECT_EQ(VOC.SROUTINGFLAG, 0);
  EXPECT_EQ(dir.read("s.txt"), big);
  EXPECT_NE(s.output().find(" Size of sourcefile List or Vocabulary-List =  32000\r\n"), std::string::npos);
  EXPECT_EQ(s.output().find("Done!"), std::string::npos);
}
