// Whole-program sessions of "S" and "N" D on the word list that "G" makes of
// a licence text nobody here wrote; the figures are checked against the
// shell's own tools.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <vector>

#include "e2e/harness.hpp"

namespace {

const char* LICENCE = "/usr/share/common-licenses/GPL-2";

// The lines of a CR LF file after the line `header` and the empty line below
// it, up to the next empty line.
std::vector<std::string> tableAfter(const std::string& file, const std::string& header) {
  size_t start = file.find("\r\n" + header + "\r\n\r\n");
  if (start == std::string::npos) return {};
  start += header.size() + 6;
  return linesOf(file.substr(start, file.find("\r\n\r\n", start) + 2 - start));
}

std::string padded(long v, size_t digits) {
  std::string text = std::to_string(v);
  return std::string(digits > text.size() ? digits - text.size() : 0, '0') + text;
}

// "key<TAB>count" lines of the shell, highest count first, then byte order.
std::vector<std::pair<std::string, long>> rankedCounts(const std::string& command) {
  std::vector<std::pair<std::string, long>> ranked;
  for (const std::string& line : linesOf(commandOutput(command + " | LC_ALL=C sort -t'\t' -k2,2nr -k1,1"), "\n")) {
    size_t tab = line.find('\t');
    ranked.emplace_back(line.substr(0, tab), std::stol(line.substr(tab + 1)));
  }
  return ranked;
}

}  // namespace

TEST(TrimSortSession, SortAndDigraphSpectrumOfALicenceText) {
  ASSERT_TRUE(std::filesystem::exists(LICENCE));
  const std::string words = "LC_ALL=C tr -c \"A-Za-z0-9'\" '\\n' < " + std::string(LICENCE) + " | grep -v '^$'";
  const long groups = std::stol(commandOutput(words + " | wc -l"));
  const long symbols = std::stol(commandOutput(words + " | awk '{ n += length($0) } END { print n }'"));
  ASSERT_GT(groups, 2000);

  E2ESession s;
  s.addFile("licence.txt", fileBytes(LICENCE));
  // "G" (its curve declined with "n", a key of no utility; "x" leaves "G"),
  // "S" without swap, "N" D without swap, then "E" twice.
  E2EResult r = s.run("VGPlicence.txt\ng.txt\nnxSPg.txt\nsorted.txt\nN NDg.txt\nNspectrum.txt\n EE");
  ASSERT_EQ(s.read("g.txt"), withCrLf(commandOutput(words)));

  // The sorted list: ascending length, file order within a length.
  const std::string sorted = s.read("sorted.txt");
  const std::string bySize =
      commandOutput(words + " | awk '{ print length($0) \"\\t\" NR \"\\t\" $0 }' | sort -t'\t' -k1,1n -k2,2n | cut -f3-");
  EXPECT_TRUE(sorted.ends_with("\r\n The List or Vocabulary-List :\r\n\r\n" + withCrLf(bySize)));
  EXPECT_NE(sorted.find("\r\n No. of Groups =  " + std::to_string(groups) + "\r\n Total no. of symbols =  " +
                        std::to_string(symbols) + "\r\n"),
            std::string::npos);

  // Group sizes: " 01 :  88" and so on.
  std::vector<std::string> sizes;
  for (const std::string& line :
       linesOf(commandOutput(words + " | awk '{ print length($0) }' | sort -n | uniq -c | awk '{ print $2 \"\\t\" $1 }'"), "\n")) {
    size_t tab = line.find('\t');
    sizes.push_back(" " + padded(std::stol(line.substr(0, tab)), 2) + " :  " + line.substr(tab + 1));
  }
  ASSERT_GT(sizes.size(), 9u);
  EXPECT_EQ(tableAfter(sorted, " group-size : frequency"), sizes);

  // Symbols by rank, the percentage left out.
  const auto symbolRanks =
      rankedCounts(words + " | LC_ALL=C awk -v FS= '{ for (i = 1; i <= NF; i++) c[$i]++ } "
                           "END { for (k in c) print k \"\\t\" c[k] }'");
  std::vector<std::string> rankRows;
  for (std::string row : tableAfter(sorted, " Rank : Symbol : Frequency : Frequency-percentage"))
    rankRows.push_back(row.substr(0, row.rfind(" : ")));
  ASSERT_GT(symbolRanks.size(), 26u);
  ASSERT_EQ(rankRows.size(), symbolRanks.size());
  const size_t rankDigits = std::to_string(symbolRanks.size()).size();
  for (size_t r = 0; r < symbolRanks.size(); ++r) {
    std::string expected = " " + padded(static_cast<long>(r + 1), rankDigits) + " : " + symbolRanks[r].first + " :  " +
                           std::to_string(symbolRanks[r].second);
    EXPECT_EQ(rankRows[r].substr(0, rankRows[r].find_last_not_of(' ') + 1), expected);
  }

  // The spectrum file: the digraphs by their appearance counts.
  const std::string spectrumFile = s.read("spectrum.txt");
  const auto digraphRanks = rankedCounts(
      words + " | awk '{ delete seen; for (i = 1; i < length($0); i++) { d = substr($0, i, 2);"
              " if (!(d in seen)) { seen[d] = 1; c[d]++ } } } END { for (d in c) print d \"\\t\" c[d] }'");
  ASSERT_GT(digraphRanks.size(), 100u);
  const size_t alphabet = symbolRanks.size();
  EXPECT_NE(spectrumFile.find(" Number of groups =  " + std::to_string(groups) + "\r\n\r\n Digraph Spectrum bandwidth = " +
                      std::to_string(alphabet * alphabet) + "\r\n Number of non-zero-frequency digraphs = " +
                      std::to_string(digraphRanks.size()) + "\r\n"),
            std::string::npos);
  const std::string r1 = symbolRanks[0].first, r2 = symbolRanks[1].first;
  const std::vector<std::string> primeDigraphs{r1 + r1, r1 + r2, r2 + r1, r2 + r2};
  EXPECT_NE(spectrumFile.find(" are:  " + primeDigraphs[0] + " " + primeDigraphs[1] + " " + primeDigraphs[2] + " " +
                      primeDigraphs[3] + "\r\n"),
            std::string::npos);
  std::map<std::string, long> counts(digraphRanks.begin(), digraphRanks.end());
  std::vector<std::string> primeRows;
  for (const std::string& d : primeDigraphs) primeRows.push_back(" " + d + " : " + std::to_string(counts[d]));
  EXPECT_EQ(tableAfter(spectrumFile, " Prime permutation digraphs Spectrum :"), primeRows);

  std::vector<std::string> expectedRanks;
  const size_t digraphDigits = std::to_string(digraphRanks.size()).size();
  for (size_t r = 0; r < digraphRanks.size(); ++r) {
    const std::string& d = digraphRanks[r].first;
    bool prime = std::find(primeDigraphs.begin(), primeDigraphs.end(), d) != primeDigraphs.end();
    expectedRanks.push_back(padded(static_cast<long>(r + 1), digraphDigits) + ": " + d + " : " +
                            std::to_string(digraphRanks[r].second) + (prime ? " *" : ""));
  }
  EXPECT_EQ(tableAfter(spectrumFile, " The non-zero-frequency digraphs and their frequencies in rank-order : "), expectedRanks);

  std::vector<std::string> spectrum = tableAfter(spectrumFile, " The digraph SPECTRUM upon the Alphabet :");
  ASSERT_EQ(spectrum.size(), alphabet * alphabet);
  long nonZero = 0;
  for (const std::string& line : spectrum) {
    size_t colon = line.find(" : ");
    const std::string d = line.substr(colon - 2, 2);
    EXPECT_EQ(std::stol(line.substr(colon + 3)), counts.count(d) != 0 ? counts[d] : 0) << line;
    nonZero += counts.count(d);
  }
  EXPECT_EQ(nonZero, static_cast<long>(digraphRanks.size()));
  EXPECT_TRUE(spectrumFile.ends_with("\r\n\r\n\r\n eof: spectrum.txt\r\n" + std::string(50, '-') + "\r\n"));

  EXPECT_NE(r.output.find(" g.txt contains :  " + std::to_string(groups) + " groups,  and  " + std::to_string(symbols) +
                          " total symbols\r\n"),
            std::string::npos);
  EXPECT_NE(r.output.find("Done! disk-saving digraphs spectrum data."), std::string::npos);
}
