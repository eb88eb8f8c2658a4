// Whole-program sessions of the block's report, display settings and
// vocabulary comparison, on a generated block.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <vector>

#include "e2e/harness.hpp"

namespace {

// The lines of the block text between its heading and the next heading.
std::vector<std::string> section(const std::vector<std::string>& report, const std::string& heading,
                                 const std::string& next) {
  auto from = std::find(report.begin(), report.end(), heading);
  auto to = std::find(report.begin(), report.end(), next);
  if (from == report.end() || to == report.end()) return {};
  return std::vector<std::string>(from + 2, to);
}

std::vector<std::string> words(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> out;
  for (std::string w; in >> w;) out.push_back(w);
  return out;
}

const char* FORWARD = " Generated Block of Groups FORWARD-sequenced : ";
const char* MIRROR = " Generated Block of Groups MIRROR-sequenced : ";
const char* FOOTNOTE = " [1] this data prints out here only if the  (F) Freqs  command in {G} Menu has been used.";

}  // namespace

// "S" before and after "F", again with one group per line, then "U" against
// the block's own vocabulary file with the matches saved.
TEST(BlockReportSession, ReportsAndComparison) {
  E2ESession s;
  s.run(BLOCKSPECIFICATION + "HNYblk\n " "S r1\n " "F " "S r2\n " "C13,10\n" "S r3\n "
                      "Ublk" "VOCGB.txt\nYm1\n " "EE");
  EXPECT_EQ(s.read("r1CGB.txt"), expectedFile("r1CGB.txt"));
  EXPECT_EQ(s.read("m1MVOCGB.txt"), expectedFile("m1MVOCGB.txt"));

  // Before "F" the frequency section holds only its headings; after "F" it
  // lists every symbol of the alphabet, and nothing else changes.
  auto r1 = linesOf(s.read("r1CGB.txt")), r2 = linesOf(s.read("r2CGB.txt"));
  auto heading = std::find(r2.begin(), r2.end(), " Symbol : Freq. : Freq.-fraction   for the VOCABULARY [1] :");
  auto alphabetHeading = std::find(r2.begin(), r2.end(), " Alphabet of the Vocabulary and Groups-Block [1] :");
  ASSERT_NE(heading, r2.end());
  ASSERT_NE(alphabetHeading, r2.end());
  std::string alphabet = *(alphabetHeading + 1);
  EXPECT_EQ(alphabetHeading - heading - 3, static_cast<long>(alphabet.size()) - 1);  // one line a symbol
  std::vector<std::string> r2WithoutFigures(r2.begin(), heading + 2);
  r2WithoutFigures.insert(r2WithoutFigures.end(), alphabetHeading - 1, alphabetHeading + 1);
  r2WithoutFigures.push_back(" ");
  r2WithoutFigures.insert(r2WithoutFigures.end(), alphabetHeading + 2, r2.end());
  r2WithoutFigures[r2WithoutFigures.size() - 2] = " eof: r1CGB.txt";
  EXPECT_EQ(r2WithoutFigures, r1);

  // Separation codes 13, 10 put every group of both texts on its own line.
  auto r3 = linesOf(s.read("r3CGB.txt"));
  auto forward = words(section(r2, FORWARD, MIRROR).at(0));
  std::vector<std::string> oneAline = section(r3, FORWARD, MIRROR);
  ASSERT_EQ(oneAline.size(), forward.size() + 3);
  for (size_t i = 0; i < forward.size(); ++i) EXPECT_EQ(oneAline[i], forward[i]);
  std::vector<std::string> mirrored = section(r3, MIRROR, FOOTNOTE);
  ASSERT_EQ(mirrored.size(), forward.size() + 3);
  for (size_t i = 0; i < forward.size(); ++i) {
    std::string reversed(forward[forward.size() - 1 - i].rbegin(), forward[forward.size() - 1 - i].rend());
    EXPECT_EQ(mirrored[i], reversed);
  }
  EXPECT_NE(std::find(r3.begin(), r3.end(), " Groups separation codes :  13, 10"), r3.end());

  // Every vocabulary group matches its own file.
  auto m1 = linesOf(s.read("m1MVOCGB.txt"));
  auto vocabulary = linesOf(s.read("blkVOCGB.txt"));
  EXPECT_NE(std::find(m1.begin(), m1.end(), " Block-vocabulary size =  20      matches / block =  1"), m1.end());
  auto matches = std::find(m1.begin(), m1.end(), " The  20 matching groups are :");
  ASSERT_NE(matches, m1.end());
  EXPECT_EQ(std::vector<std::string>(matches + 2, matches + 2 + 20), vocabulary);
}

// Paragraph triggering: "#" (given to list row 37) starts a paragraph and "*"
// ends one, in the forward and in the mirrored text.
TEST(BlockReportSession, ParagraphTriggering) {
  E2ESession s;
  s.run("Lc37,37,#\ne" + BLOCKSPECIFICATION + "TY,#,*\nHNN" "S p\n " "EE");
  auto report = linesOf(s.read("pCGB.txt"));
  EXPECT_NE(std::find(report.begin(), report.end(), " Paragraph triggering : Y#*"), report.end());
  int starts = 0, ends = 0;
  for (const char* heading : {FORWARD, MIRROR}) {
    bool mirror = std::string(heading) == MIRROR;
    std::vector<std::string> text = section(report, heading, mirror ? FOOTNOTE : MIRROR);
    for (size_t i = 0; i < text.size(); ++i) {
      std::vector<std::string> groups = words(text[i]);
      for (size_t g = 0; g < groups.size(); ++g) {
        size_t mark = groups[g].find_first_of("#*");
        if (mark == std::string::npos) continue;
        if (groups[g][mark] == '#') {  // starts a paragraph: first on its line, after an empty line
          ++starts;
          EXPECT_EQ(g, 0u) << groups[g];
          ASSERT_GT(i, 0u);
          EXPECT_EQ(text[i - 1], "");
        } else {  // ends one: last on its line, an empty line after it
          ++ends;
          EXPECT_EQ(g, groups.size() - 1) << groups[g];
          ASSERT_LT(i + 1, text.size());
          EXPECT_EQ(text[i + 1], "");
        }
      }
    }
  }
  EXPECT_GT(starts, 0);
  EXPECT_GT(ends, 0);
}
