// "S" and "U" on blocks made by the engine: the report before and after "F",
// and the block's own vocabulary file compared with the block.
#include <algorithm>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "blockanalysis/blockanalysis.hpp"
#include "blockanalysis/blockfixtures.hpp"
#include "blockanalysis/reports.hpp"
#include "shell/numberforms.hpp"
#include "shell/shell.hpp"
#include "state/blockanalysisstate.hpp"
#include "state/blockgenstate.hpp"
#include "state/shellstate.hpp"
#include "state/symbolsstate.hpp"
#include "support.hpp"
#include "vocabutils/listfile.hpp"

using GeneratedBlockReport = SessionTest;
using GeneratedBlockComparison = SessionTest;

namespace {

std::vector<std::string> splitAt(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::stringstream in(text);
  for (std::string part; std::getline(in, part, separator);) parts.push_back(part);
  return parts;
}

Lines::const_iterator find(const Lines& lines, const std::string& line) {
  auto it = std::find(lines.begin(), lines.end(), line);
  EXPECT_NE(it, lines.end()) << line;
  return it;
}

// Phantoms on three rows and the symbols map in use, so that groups and
// their generating steps differ; short groups, so that some repeat.
void generatePhantomBlock() {
  SYMB.PHANTOMNGRAPHSSTATUSTANK(2) = 1;   // "en"
  SYMB.PHANTOMNGRAPHSSTATUSTANK(21) = 1;  // "the"
  SYMB.PHANTOMNGRAPHSSTATUSTANK(31) = 1;  // "tion"
  GEN.USESYMBOLSMAPFLAG = "Y";
  GEN.HIGHESTOKMAPINTEGER = 38;
  generateBlock({.loBlock = 150, .hiBlock = 200, .activeSizes = {2, 3}, .loAvg = 2.0f, .hiAvg = 3.0f});
}

TEST_F(GeneratedBlockReport, BeforeAndAfterFreqs) {
  generatePhantomBlock();
  const Lines before = linesOf(saveReport(s, "before"));

  const Lines specifications{" SPECIFICATIONS for generating the Block of Groups :",
                             "",
                             " Block size range :  150 -  200",
                             "",
                             " Group size range :  2 -  3",
                             " Activated group-sizes in the range : 2,3,",
                             "",
                             " Average Group-size range :  2 -  3",
                             "",
                             " K1 , X1 :  4 ,  0.1234",
                             " K2 , X2 :  3.99 ,  0.3141",
                             " K3 , X3 :  3.97 ,  0.2718",
                             "",
                             " Groups separation codes :  32, 0",
                             " Paragraph triggering : N#*",
                             " Use symbols-map ? : Y 38",
                             " Map-scan direction priority: C",
                             " Map-scan resume point: B",
                             "",
                             " last Symbols-map  filename : ",
                             " last Phantoms-set filename : ",
                             "",
                             "",
                             "",
                             " RESULTS :   ( generating-integers, and Vocabulary tests, optionally saved in separate files )"};
  ASSERT_GE(before.size(), 60u);
  EXPECT_EQ(Lines(before.begin() + 6, before.begin() + 6 + static_cast<long>(specifications.size())), specifications);

  // The statistics agree with the block text printed further down.
  const int32_t N = GEN.PROGRESSINDICATOR;
  EXPECT_EQ(*(find(before, " RESULTS :   ( generating-integers, and Vocabulary tests, optionally saved in separate files )") + 2),
            " Generated Block-size, no. of groups = " + intForm(N));
  auto forwardHeading = find(before, " Generated Block of Groups FORWARD-sequenced : ");
  const std::vector<std::string> forward = splitAt(*(forwardHeading + 2), ' ');
  ASSERT_EQ(static_cast<int32_t>(forward.size()), N);
  EXPECT_EQ(*(forwardHeading + 3), "");
  EXPECT_EQ(*(forwardHeading + 4), "");
  EXPECT_EQ(*(forwardHeading + 5), " Generated Block of Groups MIRROR-sequenced : ");
  std::vector<std::string> mirroredGroups = splitAt(*(forwardHeading + 7), ' ');
  std::reverse(mirroredGroups.begin(), mirroredGroups.end());
  for (std::string& g : mirroredGroups) g = mirrored(g);
  EXPECT_EQ(mirroredGroups, forward);

  std::map<std::string, int> occurrences;
  std::map<size_t, int> sizes;
  int32_t characters = 0;
  for (const std::string& g : forward) {
    occurrences[g] += 1;
    sizes[g.size()] += 1;
    characters += static_cast<int32_t>(g.size());
  }
  auto typesHeading = find(before, " Non-Unique group-types : and their frequencies : ");
  int32_t repeatedTokens = 0;
  auto line = typesHeading + 2;
  for (; !line->empty(); ++line) {
    size_t colon = line->rfind("  : ");
    std::string group = line->substr(1, colon - 1);
    EXPECT_EQ(" " + group + "  : " + intForm(occurrences[group]), *line);
    EXPECT_GE(occurrences[group], 2);
    repeatedTokens += occurrences[group];
  }
  int32_t unique = 0;
  for (const auto& [group, n] : occurrences) unique += n == 1;
  EXPECT_GT(repeatedTokens, 0);
  EXPECT_EQ(N - unique, repeatedTokens);
  EXPECT_EQ(*(find(before, " group-size : count") + 1), "          2 :" + intForm(sizes[2]));
  EXPECT_EQ(*(find(before, " group-size : count") + 2), "          3 :" + intForm(sizes[3]));
  EXPECT_EQ(*(find(before, " group-size : count") + 4), " Generated total no. of symbols = " + intForm(characters));

  const Lines noFrequencies{" Symbol : Freq. : Freq.-fraction   for the VOCABULARY [1] :", "", "",
                            " Alphabet of the Vocabulary and Groups-Block [1] :", " ", "", "",
                            " Generated Block of Groups FORWARD-sequenced : "};
  auto freqHeading = find(before, noFrequencies.front());
  EXPECT_EQ(Lines(freqHeading, freqHeading + 8), noFrequencies);

  // After "F": only the frequency section differs.
  COUNTSYMBOLSFREQOFGROUPSBLOKVOCABULARY();
  const Lines after = linesOf(saveReport(s, "before"));
  const int32_t A = ANA.GBLOKVOCABALPHABETSYMBOLSN;
  ASSERT_GT(A, 3);
  ASSERT_EQ(after.size(), before.size() + static_cast<size_t>(A));
  const long at = freqHeading - before.begin();
  EXPECT_EQ(Lines(after.begin(), after.begin() + at + 2), Lines(before.begin(), before.begin() + at + 2));
  EXPECT_EQ(Lines(after.begin() + at + 2 + A, after.begin() + at + 4 + A), Lines(before.begin() + at + 2, before.begin() + at + 4));
  EXPECT_EQ(Lines(after.begin() + at + 5 + A, after.end()), Lines(before.begin() + at + 5, before.end()));

  // Each symbol's count over the vocabulary, highest first, ties in code order.
  std::map<unsigned char, int> counts;
  for (const auto& [group, n] : occurrences)
    for (unsigned char c : group) counts[c] += 1;
  std::vector<std::pair<int, unsigned char>> ranked;
  std::string alphabet;
  for (const auto& [c, n] : counts) {
    ranked.push_back({-n, c});
    alphabet += static_cast<char>(c);
  }
  std::sort(ranked.begin(), ranked.end());
  const int column = digitCount(-ranked.front().first) + 6;
  for (int32_t r = 0; r < A; ++r) {
    auto [negative, c] = ranked[static_cast<size_t>(r)];
    std::string start = " " + std::string(1, static_cast<char>(c)) + " :" + intForm(-negative);
    std::string expected = start + std::string(static_cast<size_t>(column) - 1 - start.size(), ' ') + " : " +
                           floatForm(static_cast<float>(static_cast<double>(-negative) / characters));
    EXPECT_EQ(after[static_cast<size_t>(at + 2 + r)], expected);
  }
  EXPECT_EQ(after[static_cast<size_t>(at + 2 + A + 2)], " " + alphabet);
}

TEST_F(GeneratedBlockComparison, OwnVocabularyFileMatchesEveryGroup) {
  generatePhantomBlock();
  ASSERT_TRUE(writeListFile("ownVOCGB.txt", ANA.GBLOKVOCABTANK, ANA.VOCABN));
  s.type("ownVOCGB.txt\nYown\nx");
  SHELL.GBKS = 'U';
  COMPAREFORMATCHINGVOCABULARIES();
  const int32_t V = ANA.VOCABN;
  EXPECT_EQ(ANA.FILEVOCABN, V);
  EXPECT_EQ(ANA.VOCABMATCHESCOUNT, V);
  const std::string sizeText = " Block-vocabulary size = " + intForm(V);
  EXPECT_EQ(s.row(42), sizeText + std::string(34 - sizeText.size(), ' ') + "matches / block =  1");
  EXPECT_EQ(s.row(43).substr(34), "matches / file  =  1");

  const Lines lines = linesOf(dir.read("ownMVOCGB.txt"));
  EXPECT_EQ(*find(lines, " Use symbols-map ? : Y 38"), " Use symbols-map ? : Y 38");
  auto listed = find(lines, " The " + intForm(V) + " matching groups are :") + 2;
  for (int32_t v = 1; v <= V; ++v, ++listed) EXPECT_EQ(*listed, ANA.GBLOKVOCABTANK(v).str());

  // The integers, read back through the reference symbols and the phantoms
  // in force, give the matching groups again.
  auto integers = find(lines, " in order, separated by 0's :") + 2;
  std::vector<std::string> rebuilt(1);
  for (; !integers->empty(); ++integers) {
    int k = std::stoi(*integers);
    if (k == 0) {
      rebuilt.emplace_back();
      continue;
    }
    ASSERT_GE(k, 1);
    ASSERT_LE(k, 38);
    rebuilt.back() += SYMB.REFERENCESYMBOLSTANK(k);
  }
  ASSERT_EQ(static_cast<int32_t>(rebuilt.size()), V);
  bool phantomSeen = false;
  for (int32_t v = 1; v <= V; ++v) {
    const std::string& reference = rebuilt[static_cast<size_t>(v - 1)];
    EXPECT_EQ(expandReference(reference), ANA.GBLOKVOCABTANK(v).str());
    phantomSeen = phantomSeen || reference.size() != ANA.GBLOKVOCABTANK(v).size();
  }
  EXPECT_TRUE(phantomSeen);
  EXPECT_EQ(*(integers + 2), " eof: ownMVOCGB.txt");
}

}  // namespace
