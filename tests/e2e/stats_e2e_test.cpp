// plomar stats as a user runs it: help, inputs of every kind in the order
// given, a missing input among others, usage errors, the picture file, and a
// block made in the interactive program and measured from its report.
#include <gtest/gtest.h>

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
  for (const char* option : {"--list FILE", "--block FILE", "--csv", "--json", "--plot FILE", "--measures LIST"})
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
