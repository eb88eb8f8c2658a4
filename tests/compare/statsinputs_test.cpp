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

namespace {

Tokens tokensWith(InputKind kind, const std::string& bytes, const ReadingOptions& options) {
  return tokensOfInput(kind, bytes, "in.txt", options);
}

std::string readingError(InputKind kind, const std::string& bytes, const ReadingOptions& options) {
  try {
    tokensWith(kind, bytes, options);
  } catch (const InputError& e) {
    return e.what();
  }
  return "";
}

// A transcription: locus tags, fillers "!", unreadable glyphs "*", digits
// and a byte above 127 inside words.
const std::string TRANSCRIPTION =
    "<f1r.P1.1>fachys.ykal!.ar*ataiin shol shory\r\n"
    "<f1r.P1.2>sory ckh\xe9r or y kair! chtaiin 8am\r\n";

}  // namespace

TEST(ReadingOptions, WordsAreRunsOfNonBlanksAsWritten) {
  EXPECT_EQ(tokensWith(InputKind::Words, "a.b!c  d*e\tf\r\ng\xe9h\n", {}), (Tokens{"a.b!c", "d*e", "f", "g\xe9h"}));
  EXPECT_TRUE(tokensWith(InputKind::Words, " \t\r\n", {}).empty());
  // The same file as a text is cut at every mark.
  EXPECT_EQ(tokensWith(InputKind::Text, "a.b!c d*e", {}), (Tokens{"a", "b", "c", "d", "e"}));
}

TEST(ReadingOptions, StripThenDropOnATranscription) {
  ReadingOptions o;
  o.strip = "<>";
  o.drop = "!*";
  EXPECT_EQ(tokensWith(InputKind::Words, TRANSCRIPTION, o),
            (Tokens{"fachys.ykal.arataiin", "shol", "shory", "sory", "ckh\xe9r", "or", "y", "kair", "chtaiin", "8am"}));
  // Without the options the tag sticks to the first word of a line and the
  // marks stay in their words.
  Tokens raw = tokensWith(InputKind::Words, TRANSCRIPTION, {});
  ASSERT_EQ(raw.size(), 10u);
  EXPECT_EQ(raw[0], "<f1r.P1.1>fachys.ykal!.ar*ataiin");
  // Strip only: every stretch of a line, not just the first; an A with no B
  // after it in its line stays.
  ReadingOptions strip;
  strip.strip = "<>";
  EXPECT_EQ(tokensWith(InputKind::Words, "a<1>b<2>c <x\nd>e\n", strip), (Tokens{"abc", "<x", "d>e"}));
  // Strip comes first: a dropped byte cannot make or unmake a tag.
  ReadingOptions both;
  both.strip = "<>";
  both.drop = ">";
  EXPECT_EQ(tokensWith(InputKind::Words, "a<b>c", both), (Tokens{"ac"}));
  // A token left empty is no token; a list line too.
  ReadingOptions dropAll;
  dropAll.drop = "!";
  EXPECT_EQ(tokensWith(InputKind::Words, "!! a! !", dropAll), (Tokens{"a"}));
  EXPECT_EQ(tokensWith(InputKind::List, "!!\r\nb!\r\n", dropAll), (Tokens{"b"}));
  // In a text, a dropped mark no longer splits a word.
  EXPECT_EQ(tokensWith(InputKind::Text, "can!not", dropAll), (Tokens{"cannot"}));
}

TEST(ReadingOptions, Utf8WordsAndCharacters) {
  ReadingOptions utf8;
  utf8.characters = Characters::Utf8;
  const std::string text = "F\xc3\xbcr die Zeilenl\xc3\xa4nge: \xd0\x96\xd0\xb8\xd0\xb7\xd0\xbd\xd1\x8c don\xe2\x80\x99t\n";
  EXPECT_EQ(tokensWith(InputKind::Text, text, utf8),
            (Tokens{"F\xc3\xbcr", "die", "Zeilenl\xc3\xa4nge", "\xd0\x96\xd0\xb8\xd0\xb7\xd0\xbd\xd1\x8c", "don\xe2\x80\x99t"}));
  // Read as bytes, the words split at every byte above 127.
  EXPECT_EQ(tokensWith(InputKind::Text, "F\xc3\xbcr", {}), (Tokens{"F", "r"}));
  // Drop and strip take characters, not bytes: dropping a does not cut ä.
  utf8.drop = "a\xc2\xb7";  // a and the middle dot
  EXPECT_EQ(tokensWith(InputKind::Words, "\xc3\xa4\xc2\xb7" "ba", utf8), (Tokens{"\xc3\xa4" "b"}));
  utf8.drop.clear();
  utf8.strip = "\xc2\xab\xc2\xbb";  // « and »
  EXPECT_EQ(tokensWith(InputKind::Words, "x\xc2\xabnote\xc2\xbby", utf8), (Tokens{"xy"}));
  EXPECT_EQ(readingOptionsProblem(utf8), "");
  utf8.strip = "\xc2\xab";
  EXPECT_EQ(readingOptionsProblem(utf8), "--strip wants two characters A and B, not '\xc2\xab'");
  utf8.strip = "\xab\xbb";
  EXPECT_EQ(readingOptionsProblem(utf8), "--strip '\xab\xbb' is not valid UTF-8 (--utf8 is given)");
  ReadingOptions bytes;
  bytes.strip = "\xab\xbb";  // two bytes: fine without --utf8
  EXPECT_EQ(readingOptionsProblem(bytes), "");
  bytes.strip = "<";
  EXPECT_NE(readingOptionsProblem(bytes), "");
}

TEST(ReadingOptions, InvalidUtf8IsNamedWithItsOffset) {
  ReadingOptions utf8;
  utf8.characters = Characters::Utf8;
  EXPECT_EQ(readingError(InputKind::Text, "ok \xc3\xa4 then \xe9t\xe9", utf8), "in.txt: not valid UTF-8 at byte offset 11");
  EXPECT_EQ(readingError(InputKind::List, "cut \xe2\x80", utf8), "in.txt: not valid UTF-8 at byte offset 4");
  EXPECT_EQ(readingError(InputKind::Words, "\xed\xa0\x80", utf8), "in.txt: not valid UTF-8 at byte offset 0");  // a surrogate
  EXPECT_EQ(readingError(InputKind::Words, "\xc3\xa4 ok", utf8), "");
}
