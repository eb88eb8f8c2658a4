// "S" and "D": the block report file, byte for byte, and the directory.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "blockanalysis/blockanalysis.hpp"
#include "blockanalysis/blockfixtures.hpp"
#include "blockanalysis/reports.hpp"
#include "state/blockanalysisstate.hpp"
#include "state/blockgenstate.hpp"
#include "state/shellstate.hpp"
#include "support.hpp"

namespace {

Lines operator+(Lines a, const Lines& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// Six groups of sizes 2 and 3; "ka" twice; "#ab" starts a paragraph and
// "cd*" ends one when triggering is on.
const std::vector<std::string> PARAGRAPHBLOCK{"ka", "#ab", "mo", "cd*", "ka", "te"};

const Lines HEADER{"", " V1.1", "", " PLOMAR Chaotically generated groups program * (c) the PLOMAR authors", ""};

const Lines SPECIFICATIONS{
    "",
    " SPECIFICATIONS for generating the Block of Groups :",
    "",
    " Block size range :  4 -  8",
    "",
    " Group size range :  2 -  3",
    " Activated group-sizes in the range : 2,3,",
    "",
    " Average Group-size range :  2 -  3",
    "",
    " K1 , X1 :  4 ,  0.1",
    " K2 , X2 :  3.99 ,  0.2",
    " K3 , X3 :  3.98 ,  0.3",
    "",
    " Groups separation codes :  32, 0",
    " Paragraph triggering : Y#*",
    " Use symbols-map ? : N 38",
    "",
    " last Symbols-map  filename : ",
    " last Phantoms-set filename : ",
    "",
    "",
    "",
};

const Lines RESULTS{
    " RESULTS :   ( generating-integers, and Vocabulary tests, optionally saved in separate files )",
    "",
    " Generated Block-size, no. of groups =  6",
    "                no. of unique groups =  4",
    "                     % unique groups =  66.66666",
    "",
    "              Block Vocabulary Ratio =  0.8333333",
    "",
    "       no. of Non-unique group-Types =  1         Ratio Non-U/U =  0.25",
    "",
    " Non-Unique group-types : and their frequencies : ",
    "",
    " ka  :  2",
    "",
    "",
    " Number of groups vs group-size :",
    " group-size : count",
    "          2 : 4",
    "          3 : 2",
    "",
    " Generated total no. of symbols =  14",
    " Generated average group-size =  2.333333",
    "",
    "",
};

const Lines NOFREQUENCIES{
    " Symbol : Freq. : Freq.-fraction   for the VOCABULARY [1] :",
    "",
    "",
    " Alphabet of the Vocabulary and Groups-Block [1] :",
    " ",
    "",
    "",
};

const Lines TEXTS{
    " Generated Block of Groups FORWARD-sequenced : ",
    "",
    "ka ",
    "",
    "#ab mo cd*",
    "",
    " ka te ",
    "",
    "",
    " Generated Block of Groups MIRROR-sequenced : ",
    "",
    "et ak *dc",
    "",
    " om ",
    "",
    "ba# ak ",
    "",
    "",
    " [1] this data prints out here only if the  (F) Freqs  command in {G} Menu has been used.",
    "",
};

Lines trailer(const std::string& name) { return {" eof: " + name, std::string(50, '-')}; }

class BlockReport : public SessionTest {
 protected:
  void SetUp() override {
    applySetup(smallSetup());
    GEN.PARAGRFDOFLAG = "Y";
    constructBlock(PARAGRAPHBLOCK);
  }
};

TEST_F(BlockReport, BeforeFreqsEveryItemAsListed) {
  // Values typed after the generation started do not reach the report.
  GEN.LOBLOKSIZE = 99;
  GEN.ACTIVEGROUPSIZESTANK(5) = 1;
  GEN.K1 = 3.7;
  EXPECT_EQ(saveReport(s, "blk"),
            crlfText(HEADER + SPECIFICATIONS + RESULTS + NOFREQUENCIES + TEXTS + trailer("blkCGB.txt")));
  EXPECT_EQ(SHELL.DFILENAME, "blkCGB.txt");
  EXPECT_NE(s.output().find("Done !    Press a key to continue "), std::string::npos);
  EXPECT_TRUE(s.keys().empty());
}

TEST_F(BlockReport, AfterFreqsTheRankedSymbolsAndAlphabet) {
  COUNTSYMBOLSFREQOFGROUPSBLOKVOCABULARY();
  const Lines frequencies{
      " Symbol : Freq. : Freq.-fraction   for the VOCABULARY [1] :",
      "",
      " a : 2 :  0.1428571",
      " # : 1 :  7.142857e-002",
      " * : 1 :  7.142857e-002",
      " b : 1 :  7.142857e-002",
      " c : 1 :  7.142857e-002",
      " d : 1 :  7.142857e-002",
      " e : 1 :  7.142857e-002",
      " k : 1 :  7.142857e-002",
      " m : 1 :  7.142857e-002",
      " o : 1 :  7.142857e-002",
      " t : 1 :  7.142857e-002",
      "",
      " Alphabet of the Vocabulary and Groups-Block [1] :",
      " #*abcdekmot",
      "",
      "",
  };
  EXPECT_EQ(saveReport(s, "f"), crlfText(HEADER + SPECIFICATIONS + RESULTS + frequencies + TEXTS + trailer("fCGB.txt")));
}

TEST_F(BlockReport, FreqsOfAnEarlierBlockWithTheFractionOfThisOne) {
  COUNTSYMBOLSFREQOFGROUPSBLOKVOCABULARY();
  GEN.PARAGRFDOFLAG = "N";
  constructBlock({"ka", "ka", "mo", "mo"});
  // A largest count of 12 aligns the second colon of one-digit counts.
  ANA.GBLOKVOCABSYMBOLSFREQSTANK('a') = 12;
  ANA.GBVSMAXFREQ = 12;
  Lines lines = linesOf(saveReport(s, "old"));
  auto heading = std::find(lines.begin(), lines.end(), " Symbol : Freq. : Freq.-fraction   for the VOCABULARY [1] :");
  ASSERT_NE(heading, lines.end());
  EXPECT_EQ(*(heading + 2), " a : 12 :  1.5");          // 12 / 8 characters
  EXPECT_EQ(*(heading + 3), " # : 1  :  0.125");
  EXPECT_EQ(*(heading + 15), " #*abcdekmot");
}

TEST_F(BlockReport, SeparatorCodes13And10PutEveryGroupOnItsOwnLine) {
  GEN.GROUPSEPCODE1 = 13;
  GEN.GROUPSEPCODE2 = 10;
  GEN.SHOWGROUPSFORMATFLAG = 1;
  Lines lines = linesOf(saveReport(s, "crlf"));
  auto forward = std::find(lines.begin(), lines.end(), " Generated Block of Groups FORWARD-sequenced : ");
  ASSERT_NE(forward, lines.end());
  // The file applies paragraphs in this mode too.
  const Lines expected{"", "ka", "", "", "#ab", "mo", "cd*", "", "", "ka", "te", "", "", "",
                       " Generated Block of Groups MIRROR-sequenced : ", "", "et", "ak", "*dc", "", "", "om", "", "",
                       "ba#", "ak", "", "", ""};
  EXPECT_EQ(Lines(forward + 1, forward + 1 + static_cast<long>(expected.size())), expected);
  EXPECT_NE(std::find(lines.begin(), lines.end(), " Groups separation codes :  13, 10"), lines.end());
}

TEST_F(BlockReport, DirectoryOnlyForDAndWithoutABlock) {
  dir.write("a.txt", "x");
  s.type("x");
  SHELL.GBKS = 'D';
  DIRANDSAVEFORBLOCKOFGROUPS();
  EXPECT_NE(s.output().find("a.txt"), std::string::npos);
  EXPECT_EQ(s.output().find("prefixCGB"), std::string::npos);

  GEN.HAVEBLOKFLAG = 0;
  s.type("x");
  SHELL.GBKS = 'S';
  DIRANDSAVEFORBLOCKOFGROUPS();
  EXPECT_EQ(s.output().find("prefixCGB"), std::string::npos);
  EXPECT_TRUE(s.keys().empty());
  EXPECT_FALSE(std::filesystem::exists("CGB.txt"));
}

TEST_F(BlockReport, AReportThatCannotBeCreatedIsReportedAndChangesNothing) {
  const float ratio = ANA.BLOKVOCABRATIO;
  saveReport(s, "nodir/r");
  EXPECT_NE(s.output().find("cannot create: nodir/rCGB.txt"), std::string::npos);
  EXPECT_EQ(s.output().find("Done !"), std::string::npos);
  EXPECT_TRUE(s.keys().empty());
  EXPECT_EQ(GEN.HAVEBLOKFLAG, 1);
  EXPECT_EQ(ANA.BLOKVOCABRATIO, ratio);
  EXPECT_EQ(blockGroups(false), PARAGRAPHBLOCK);
  EXPECT_EQ(s.colorAt(con::cursorRow(), con::cursorColumn()), SHELL.NCOLOR);
}

}  // namespace
