// plomar stats as a user runs it: help, inputs of every kind in the order
// given, a missing input among others, usage errors, the picture file, and a
// block made in the interactive program and measured from its report.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>

#include "e2e/harness.hpp"

namespace {

std::vector<std::string> linesOfOutput(const std::string& text) { return linesOf(text, "\n"); }

// The CSV field of a column in row `row` (1 = the first input); no field
// before the wanted one is quoted in these tests.
std::string csvValue(const std::string& csv, size_t row, const std::string& column) {
  std::vector<std::string> lines = linesOfOutput(csv);
  auto fields = [](const std::string& line) {
    std::vector<std::string> f;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, ',');) f.push_back(field);
    return f;
  };
  std::vector<std::string> header = fields(lines.at(0)), values = fields(lines.at(row));
  for (size_t i = 0; i < header.size(); ++i)
    if (header[i] == column) return i < values.size() ? values[i] : "";
  return "(no column " + column + ")";
}

}  // namespace

TEST(StatsCommand, HelpAndTheProgramsCommandList) {
  E2ESession s;
  auto help = s.command("stats --help");
  EXPECT_EQ(help.exitStatus, 0);
  EXPECT_EQ(help.out.rfind("Usage: plomar stats [OPTION]... [TEXT]...", 0), 0u) << help.out;
  for (const char* option : {"--list FILE", "--block FILE", "--csv", "--json", "--plot FILE", "--measures LIST",
                             "--words FILE", "--window N", "--strip AB", "--drop CHARS", "--utf8"})
    EXPECT_NE(help.out.find(option), std::string::npos) << option;
  EXPECT_EQ(help.err, "");
  auto program = s.command("--help");
  EXPECT_NE(program.out.find("\n  stats    yardsticks of texts, lists and blocks side by side\n"), std::string::npos)
      << program.out;
}

TEST(StatsCommand, InputsInTheOrderGivenAndAMissingOne) {
  E2ESession s;
  s.addFile("a.txt", "the cat sat on the mat\r\n");
  s.addFile("l.txt", "the\r\ncat\r\n");
  auto r = s.command("stats a.txt missing.txt --list l.txt -- -odd.txt");
  EXPECT_EQ(r.exitStatus, 1);
  // The target is read but far too short to be compared on windows.
  EXPECT_EQ(r.err,
            "plomar stats: missing.txt: No such file or directory\n"
            "plomar stats: -odd.txt: No such file or directory\n"
            "plomar stats: a.txt: 6 tokens, too few for two windows of 50 tokens; no comparison\n");
  std::vector<std::string> lines = linesOfOutput(r.out);
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines[0], "            a.txt   l.txt");
  EXPECT_EQ(lines[1], "tokens          6       2");
  EXPECT_EQ(lines[2], "types           5       2");
  EXPECT_EQ(lines.back(), "top_10");  // no window, no z, no distance
  // A missing target: the others are measured, the comparison's columns are empty.
  auto noTarget = s.command("stats --csv missing.txt a.txt l.txt");
  EXPECT_EQ(noTarget.exitStatus, 1);
  EXPECT_EQ(noTarget.err, "plomar stats: missing.txt: No such file or directory\n");
  EXPECT_EQ(linesOfOutput(noTarget.out).size(), 3u);
  for (const char* column : {"window", "z_ttr", "dist"}) {
    EXPECT_EQ(csvValue(noTarget.out, 1, column), "") << column;
    EXPECT_EQ(csvValue(noTarget.out, 2, column), "") << column;
  }
}

TEST(StatsCommand, UsageErrors) {
  E2ESession s;
  s.addFile("a.txt", "x\n");
  for (const char* args : {"stats", "stats --csv --json a.txt", "stats --measures ttr,size a.txt", "stats --frob a.txt",
                           "stats a.txt --list"}) {
    auto r = s.command(args);
    EXPECT_EQ(r.exitStatus, 2) << args;
    EXPECT_EQ(r.out, "") << args;
    EXPECT_NE(r.err.find("Try 'plomar stats --help' for more information."), std::string::npos) << args;
  }
  EXPECT_EQ(s.command("stats --measures ttr,size a.txt").err.rfind("plomar stats: unknown measure 'size'", 0), 0u);
  EXPECT_EQ(s.command("stats a.txt --list").err.rfind("plomar stats: option '--list' needs an argument", 0), 0u);
}

TEST(StatsCommand, PictureFileWholeOrNotAtAll) {
  E2ESession s;
  std::string words;
  for (int i = 0; i < 40; ++i) words += "one two three two\n";  // 160 tokens: windows of 80
  s.addFile("a.txt", words);
  auto r = s.command("stats --plot p.svg a.txt a.txt");
  EXPECT_EQ(r.exitStatus, 0) << r.err;
  std::string svg = s.read("p.svg");
  EXPECT_EQ(svg.rfind("<?xml", 0), 0u);
  EXPECT_EQ(svg.substr(svg.size() - 7), "</svg>\n");
  EXPECT_NE(r.out.find("dist "), std::string::npos);
  // Into a folder that does not exist: one line, the table still shown.
  auto bad = s.command("stats --plot nowhere/p.svg a.txt");
  EXPECT_EQ(bad.exitStatus, 1);
  EXPECT_EQ(bad.err, "plomar stats: cannot write nowhere/p.svg: No such file or directory\n");
  EXPECT_NE(bad.out.find("tokens"), std::string::npos);
  EXPECT_EQ(s.files(), (std::vector<std::string>{"a.txt", "p.svg"}));
}

// A block generated with piped keys, its report saved with "S" (once with
// blank separators, once one group per line with paragraph triggering) and
// its vocabulary file: the report's groups are the block's, its types the
// vocabulary's.
TEST(StatsCommand, BlockMadeInteractivelyMeasuredFromItsReport) {
  E2ESession s;
  s.run(BLOCKSPECIFICATION + "HNYblk\n " "S r1\n " "C13,10\n" "TY,#,*\n" "S r2\n " "EE");
  ASSERT_NE(s.read("r2CGB.txt").find("*0a\r\n\r\n"), std::string::npos);  // a paragraph ends after "gm*0a"
  std::string report = s.read("r1CGB.txt");
  const std::string label = " Generated Block-size, no. of groups = ";
  size_t at = report.find(label);
  ASSERT_NE(at, std::string::npos);
  const std::string groups = std::to_string(std::stol(report.substr(at + label.size())));
  const std::string vocabulary = std::to_string(linesOf(s.read("blkVOCGB.txt")).size());

  auto r = s.command("stats --csv --block r1CGB.txt --block r2CGB.txt --list blkVOCGB.txt");
  // A block of 20 to 30 groups is too short to be the target of a comparison.
  EXPECT_EQ(r.exitStatus, 1);
  EXPECT_EQ(r.err, "plomar stats: r1CGB.txt: " + groups + " tokens, too few for two windows of 50 tokens; no comparison\n");
  EXPECT_EQ(csvValue(r.out, 1, "tokens"), groups);
  EXPECT_EQ(csvValue(r.out, 1, "types"), vocabulary);
  // The same block, however it was written: the same yardsticks.
  std::vector<std::string> rows = linesOfOutput(r.out);
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[1].substr(rows[1].find(',')), rows[2].substr(rows[2].find(',')));
  EXPECT_EQ(csvValue(r.out, 3, "tokens"), vocabulary);
  EXPECT_EQ(csvValue(r.out, 3, "types"), vocabulary);
}

namespace {

// A text from a fixed random source: words of a vocabulary of 300 drawn
// with a skew, a short word (1 or 2 letters) always followed by a long one
// (6 to 9), twelve words to a line.
std::string sourceText(size_t words, uint32_t seed) {
  const char* letters = "etaoinshrdlucmfwyp";
  auto next = [&seed] { return seed = seed * 1664525u + 1013904223u; };
  std::string text;
  for (size_t i = 0; i < words; ++i) {
    const uint32_t rank = (next() >> 8) % 300 * ((next() >> 12) % 8 + 1) / 8;
    const size_t length = i % 2 == 0 ? 1 + rank % 2 : 6 + rank % 4;
    for (size_t k = 0, n = rank * 7 + 3; k < length; ++k, n = n / 3 + k * 5) text += letters[n % 18];
    text += i % 12 == 11 ? "\n" : " ";
  }
  return text;
}

// The words of a text in another order (fixed seed), or its bytes.
std::string shuffled(const std::string& text, bool bytes) {
  std::vector<std::string> pieces;
  if (bytes) {
    for (char c : text) pieces.emplace_back(1, c);
  } else {
    std::istringstream in(text);
    for (std::string w; in >> w;) pieces.push_back(w);
  }
  uint32_t seed = 99;
  for (size_t i = pieces.size(); i > 1; --i) {
    seed = seed * 1664525u + 1013904223u;
    std::swap(pieces[i - 1], pieces[(seed >> 8) % i]);
  }
  std::string out;
  for (const std::string& p : pieces) out += bytes ? p : p + " ";
  return out;
}

double csvNumber(const std::string& csv, size_t row, const std::string& column) {
  return std::stod(csvValue(csv, row, column));
}

}  // namespace

// Seen on this source: halves at distance 0.17 (every |z| below 0.4),
// len_ac -0.92 against 0.00 with shuffled words (z 333), shuffled bytes
// at distance 98.
TEST(StatsCommand, HalvesAlikeShuffledWordsMoveLengthAutocorrelationShuffledBytesFar) {
  E2ESession s;
  s.addFile("first.txt", sourceText(20000, 1));
  const std::string second = sourceText(20000, 2);
  s.addFile("second.txt", second);
  s.addFile("words.txt", shuffled(second, false));
  s.addFile("bytes.txt", shuffled(second, true));
  auto r = s.command("stats --csv first.txt second.txt words.txt bytes.txt first.txt");
  ASSERT_EQ(r.exitStatus, 0) << r.err;
  EXPECT_EQ(csvValue(r.out, 2, "window"), "1000");
  EXPECT_LT(csvNumber(r.out, 2, "dist"), 1);  // the same source: within its own spread
  EXPECT_LT(csvNumber(r.out, 1, "len_ac"), -0.5);  // short, long, short, ...
  EXPECT_LT(std::fabs(csvNumber(r.out, 2, "z_len_ac")), 2);
  EXPECT_LT(std::fabs(csvNumber(r.out, 3, "len_ac")), 0.1);  // shuffled words: the alternation is gone
  EXPECT_GT(csvNumber(r.out, 3, "z_len_ac"), 20);
  // Shuffled bytes are far on most measures.
  size_t far = 0, measures = 0;
  for (const char* m : {"ttr", "hapax", "len_mean", "len_sd", "h1", "h2", "h3", "zipf", "rep", "near", "len_ac", "rep3",
                        "chr_rep", "chr_rep3", "pos_bias", "len_dist"}) {
    ++measures;
    if (std::fabs(csvNumber(r.out, 4, std::string("z_") + m)) > 2) ++far;
  }
  EXPECT_GT(far, measures / 2);
  EXPECT_GT(csvNumber(r.out, 4, "dist"), 5);
  // The target itself: z = 0 everywhere.
  EXPECT_EQ(csvValue(r.out, 5, "dist"), "0");
  EXPECT_EQ(csvValue(r.out, 5, "z_h3"), "0");
}

TEST(StatsCommand, TranscriptionWordsStripAndDrop) {
  E2ESession s;
  std::string transcription;
  for (int line = 1; line <= 40; ++line)
    transcription += "<f" + std::to_string(line) + "r.P1>qokeedy.dal!.chol shed* qo" + std::to_string(line % 3) +
                     "kain chedy\r\n";
  s.addFile("t.txt", transcription);
  auto text = s.command("stats --csv t.txt");
  auto words = s.command("stats --csv --words t.txt");
  auto clean = s.command("stats --csv --strip '<>' --drop '!*' --words t.txt");
  ASSERT_EQ(clean.exitStatus, 0) << clean.err;
  // As a text, the marks and the tags cut the words: f1r P1 qokeedy dal chol
  // shed qo1kain chedy, 8 tokens a line.
  EXPECT_EQ(csvValue(text.out, 1, "tokens"), "320");
  // As words, 4 a line, the tag glued to the first.
  EXPECT_EQ(csvValue(words.out, 1, "tokens"), "160");
  EXPECT_EQ(csvValue(words.out, 1, "types"), "45");  // 40 first words, shed*, 3 qoNkain, chedy
  EXPECT_EQ(csvValue(clean.out, 1, "tokens"), "160");
  EXPECT_EQ(csvValue(clean.out, 1, "types"), "6");  // qokeedy.dal.chol shed qo0kain qo1kain qo2kain chedy
  EXPECT_NE(clean.out.find("qokeedy.dal.chol:40"), std::string::npos);
  // The strip option takes two characters.
  auto bad = s.command("stats --strip '<' t.txt");
  EXPECT_EQ(bad.exitStatus, 2);
  EXPECT_EQ(bad.err.rfind("plomar stats: --strip wants two characters A and B, not '<'\n", 0), 0u) << bad.err;
}

TEST(StatsCommand, Utf8InputsAndTheirTokensInJson) {
  E2ESession s;
  s.addFile("de.txt", "F\xc3\xbcr die Zeilenl\xc3\xa4nge z\xc3\xa4hlt jedes Zeichen.\n");
  s.addFile("latin1.txt", "F\xfcr die Zeilenl\xe4nge\n");
  auto r = s.command("stats --utf8 --json de.txt");
  ASSERT_EQ(r.exitStatus, 0) << r.err;
  EXPECT_NE(r.out.find("\"tokens\": 6,"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("\"encoding\": \"utf-8\""), std::string::npos);
  EXPECT_NE(r.out.find("[\"Zeilenl\xc3\xa4nge\", 1]"), std::string::npos) << r.out;
  // Bytes: the same file is cut at every byte above 127.
  EXPECT_NE(s.command("stats --json de.txt").out.find("\"tokens\": 9,"), std::string::npos);
  // A file that is not UTF-8 is named with the offset of its first bad byte.
  auto bad = s.command("stats --utf8 de.txt latin1.txt");
  EXPECT_EQ(bad.exitStatus, 1);
  EXPECT_EQ(bad.err, "plomar stats: latin1.txt: not valid UTF-8 at byte offset 1\n");
  EXPECT_NE(bad.out.find("de.txt"), std::string::npos);  // the other input is still shown
}

// One token of 10 MB is measured within 256 MB of address space (the
// program's own code and libraries included), and its length is counted
// in the one class of tokens longer than the last length column.
TEST(StatsCommand, OneHugeTokenInBoundedMemory) {
  if (SANITIZED_BUILD) GTEST_SKIP() << "the sanitizers' shadow memory needs the whole address space";
  E2ESession s;
  std::string token(10'000'000, 'a');
  for (size_t i = 0; i < token.size(); ++i) token[i] = static_cast<char>('a' + (i * i + i / 7) % 26);
  s.addFile("huge.txt", token + "\n");
  CommandResult r = runProgram("/bin/sh",
                               {"-c", std::string("ulimit -v 262144 && exec '") + PLOMAR_BINARY +
                                          "' stats --csv --words huge.txt"},
                               s.dir());
  ASSERT_EQ(r.exitStatus, 0) << r.err;
  EXPECT_EQ(csvValue(r.out, 1, "tokens"), "1");
  EXPECT_EQ(csvNumber(r.out, 1, "len_mean"), 1e7);
  EXPECT_EQ(csvValue(r.out, 1, "len_31"), "0");
  EXPECT_EQ(csvValue(r.out, 1, "len_32plus"), "1");
  EXPECT_EQ(linesOfOutput(r.out).size(), 2u);
}

TEST(StatsCommand, AnotherInputTooShortForAWindowIsNamed) {
  E2ESession s;
  std::string words;
  for (int i = 0; i < 60; ++i) words += "alpha beta gamma delta ";
  s.addFile("long.txt", words);  // 240 tokens
  s.addFile("short.txt", "alpha beta gamma\n");
  auto r = s.command("stats long.txt short.txt long.txt");
  EXPECT_EQ(r.exitStatus, 1);
  EXPECT_EQ(r.err, "plomar stats: short.txt: 3 tokens, too few for a window of 50 tokens; no comparison\n");
  EXPECT_EQ(r.out.find("\nwindow"), std::string::npos);
  EXPECT_NE(r.out.find("\ntokens"), std::string::npos);  // the whole-input measures are shown
  // Without it, windows of 120 (half the target).
  auto ok = s.command("stats --csv long.txt long.txt");
  EXPECT_EQ(ok.exitStatus, 0) << ok.err;
  EXPECT_EQ(csvValue(ok.out, 1, "window"), "120");
  EXPECT_EQ(csvValue(ok.out, 2, "window"), "120");
  EXPECT_EQ(csvValue(ok.out, 2, "dist"), "0");
}

TEST(StatsCommand, CsvTablesOfDifferentRunsStack) {
  E2ESession s;
  s.addFile("short.txt", "a bb ccc\n");
  std::string longer;
  for (int i = 0; i < 100; ++i) longer += "word " + std::string(static_cast<size_t>(i % 40 + 1), 'x') + "\n";
  s.addFile("long.txt", longer);
  auto one = s.command("stats --csv short.txt");
  auto two = s.command("stats --csv long.txt long.txt");
  ASSERT_EQ(two.exitStatus, 0) << two.err;
  const std::string header = one.out.substr(0, one.out.find('\n'));
  EXPECT_EQ(two.out.substr(0, two.out.find('\n')), header);
  EXPECT_NE(header.find(",len_31,len_32plus,top,window,"), std::string::npos) << header;
  // Every row has the header's number of fields.
  for (const std::string& csv : {one.out, two.out})
    for (const std::string& line : linesOfOutput(csv))
      EXPECT_EQ(std::count(line.begin(), line.end(), ','), std::count(header.begin(), header.end(), ',')) << line;
  // Runs of 32 to 40 x: 18 of the 200 tokens.
  EXPECT_DOUBLE_EQ(csvNumber(two.out, 1, "len_32plus"), 18.0 / 200);
}
