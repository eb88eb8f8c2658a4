// Reading the three kinds of input: texts, List files and block reports
// (written by the program's own report writer, or the expected report of a
// generated block).
#include <algorithm>
#include <filesystem>
#include <stdexcept>

#include <gtest/gtest.h>

#include "blockanalysis/blockfixtures.hpp"
#include "compare/statsinputs.hpp"
#include "e2e/harness.hpp"
#include "state/blockgenstate.hpp"

namespace {

using Tokens = std::vector<std::string>;

// The text of the error that reading threw, or "" when it did not throw.
std::string errorOf(Tokens (*reader)(const std::string&), const std::string& path) {
  try {
    reader(path);
  } catch (const InputError& e) {
    return e.what();
  }
  return "";
}

class StatsInputs : public SessionTest {};

}  // namespace

TEST_F(StatsInputs, TextTokensAreRunsOfDefaultAllowedCharacters) {
  dir.write("t.txt", "Don't stop,\r\nthe 2nd-run\r\n\r\nend");
  EXPECT_EQ(tokensOfTextFile("t.txt"), (Tokens{"Don't", "stop", "the", "2nd", "run", "end"}));
  dir.write("crlf.txt", "one two\r\nthree\r\n");
  dir.write("lf.txt", "one two\nthree\n");
  EXPECT_EQ(tokensOfTextFile("crlf.txt"), (Tokens{"one", "two", "three"}));
  EXPECT_EQ(tokensOfTextFile("crlf.txt"), tokensOfTextFile("lf.txt"));
  // Codes above 122 separate, as do braces and tabs.
  dir.write("high.txt", "caf\xe9 na\xefve{x}\ty");
  EXPECT_EQ(tokensOfTextFile("high.txt"), (Tokens{"caf", "na", "ve", "x", "y"}));
  dir.write("empty.txt", "");
  EXPECT_TRUE(tokensOfTextFile("empty.txt").empty());
  dir.write("blank.txt", " ,.;\r\n");
  EXPECT_TRUE(tokensOfTextFile("blank.txt").empty());
}

TEST_F(StatsInputs, ListTokensAreLinesWithoutCap) {
  dir.write("l.txt", "a b\r\nc\r\n\r\nd\re");
  EXPECT_EQ(tokensOfListFile("l.txt"), (Tokens{"a b", "c", "d\re"}));  // an empty line is no token
  dir.write("lf.txt", "x\ny\n");
  EXPECT_EQ(tokensOfListFile("lf.txt"), (Tokens{"x", "y"}));
  dir.write("empty.txt", "");
  EXPECT_TRUE(tokensOfListFile("empty.txt").empty());
  std::string many;
  for (int i = 0; i < 32005; ++i) many += "g" + std::to_string(i) + "\r\n";
  dir.write("many.txt", many);
  Tokens tokens = tokensOfListFile("many.txt");
  ASSERT_EQ(tokens.size(), 32005u);
  EXPECT_EQ(tokens.back(), "g32004");
  dir.write("high.txt", "\xe9t\xe9\r\n");
  EXPECT_EQ(tokensOfListFile("high.txt"), Tokens{"\xe9t\xe9"});
}

TEST_F(StatsInputs, MissingOrUnreadableFilesAreNamed) {
  EXPECT_EQ(errorOf(tokensOfTextFile, "gone.txt"), "gone.txt: No such file or directory");
  EXPECT_EQ(errorOf(tokensOfListFile, "gone.txt"), "gone.txt: No such file or directory");
  EXPECT_EQ(errorOf(tokensOfBlockReport, "gone.txt"), "gone.txt: No such file or directory");
  std::filesystem::create_directory("sub");
  EXPECT_EQ(errorOf(tokensOfTextFile, "sub"), "sub: Is a directory");
}

// The expected report of the generated block of the end-to-end tests: its
// groups are those of its block, and its types those of the block's
// vocabulary file.
TEST_F(StatsInputs, GeneratedBlockReportSplitsIntoItsGroups) {
  const std::string report = PLOMAR_E2E_DIR "/expected/r1CGB.txt";
  Tokens groups = tokensOfBlockReport(report);
  ASSERT_EQ(groups.size(), 20u);
  EXPECT_EQ(groups.front(), "gm*0a");
  EXPECT_EQ(groups.back(), "h_jz0");
  Tokens vocabulary = linesOf(fileBytes(PLOMAR_E2E_DIR "/expected/blk1VOCGB.txt"));
  std::sort(groups.begin(), groups.end());
  std::sort(vocabulary.begin(), vocabulary.end());
  EXPECT_EQ(groups, vocabulary);
}

// Reports written by the report writer with other separators and paragraphs.
class StatsBlockReports : public SessionTest {
 protected:
  const Tokens groups{"ka", "#ab", "mo", "cd*", "ka", "te", "#x*"};

  Tokens splitWith(int code1, int code2, const std::string& paragraphs) {
    applySetup(smallSetup());
    GEN.GROUPSEPCODE1 = static_cast<int16_t>(code1);
    GEN.GROUPSEPCODE2 = static_cast<int16_t>(code2);
    GEN.PARAGRFDOFLAG = paragraphs;
    constructBlock(groups);
    saveReport(s, "b");
    return tokensOfBlockReport("bCGB.txt");
  }
};

TEST_F(StatsBlockReports, SeparatorsAndParagraphsOfTheReport) {
  EXPECT_EQ(splitWith(32, 0, "N"), groups);
  EXPECT_EQ(splitWith(32, 0, "Y"), groups);
  EXPECT_EQ(splitWith(0, 95, "Y"), groups);
  EXPECT_EQ(splitWith(13, 10, "N"), groups);
  EXPECT_EQ(splitWith(13, 10, "Y"), groups);
  EXPECT_EQ(splitWith(13, 0, "Y"), groups);
  EXPECT_EQ(splitWith(44, 32, "Y"), groups);
}

TEST_F(StatsBlockReports, UnsplittableReportsAreErrors) {
  EXPECT_THROW(splitWith(0, 0, "N"), InputError);
  EXPECT_EQ(errorOf(tokensOfBlockReport, "bCGB.txt"),
            "bCGB.txt: the groups of this block were written with no separator and cannot be split");
  // A separator that stands inside groups gives more pieces than groups.
  EXPECT_THROW(splitWith(97, 0, "N"), InputError);
  EXPECT_EQ(errorOf(tokensOfBlockReport, "bCGB.txt"),
            "bCGB.txt: the block text splits into 8 groups but the report records 7 (the separators occur "
            "inside groups)");
  dir.write("text.txt", "just a text\r\n");
  EXPECT_EQ(errorOf(tokensOfBlockReport, "text.txt"),
            "text.txt: not a block report (no line ' Groups separation codes : ')");
}
