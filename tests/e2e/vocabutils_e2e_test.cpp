// Whole-program sessions of the vocabulary utilities.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "e2e/harness.hpp"

namespace {

const char* LICENCE = "/usr/share/common-licenses/GPL-3";

}  // namespace

// A text nobody here wrote: "G" gives its words as the shell's tools cut them,
// "L" the same with later repeats removed.
TEST(VocabUtilitiesSession, ListsOfARealTextEqualTheShellTools) {
  ASSERT_TRUE(std::filesystem::exists(LICENCE));
  const std::string words = "LC_ALL=C tr -c \"A-Za-z0-9'\" '\\n' < " + std::string(LICENCE) + " | grep -v '^$'";
  const std::string allGroups = withCrLf(commandOutput(words));
  const std::string distinct = withCrLf(commandOutput(words + " | awk '!seen[$0]++'"));
  const std::string sizes = withCrLf(commandOutput(words + " | awk '!seen[$0]++' | awk '{ print length($0) }'"));
  ASSERT_GT(allGroups.size(), 30000u);
  ASSERT_LT(distinct.size(), allGroups.size());

  E2ESession s;
  s.addFile("licence.txt", fileBytes(LICENCE));
  // "G" then "x" leaves its screen, and the curve's "N" then runs "N", which
  // "E" leaves; "L" with its curve, then "E" leaves it; the curve's "Y" runs
  // the "Y" utility, which "E" leaves; "E" twice ends.
  E2EResult r = s.run("VGPlicence.txt\ng.txt\nNxELPlicence.txt\nl.txt\nYcurve.txt\n EEE");
  EXPECT_EQ(s.read("g.txt"), allGroups);
  EXPECT_EQ(s.read("l.txt"), distinct);
  EXPECT_EQ(s.read("curve.txt"), sizes);
  EXPECT_NE(r.output.find(" licence.txt contains   5688 groups or words\r\n"), std::string::npos) << r.output;
  EXPECT_NE(r.output.find(" The size of the Vocabulary =  1217 groups or words\r\n"), std::string::npos);
  EXPECT_NE(r.output.find(" Vocabulary Ratio =  0.2139592\r\n"), std::string::npos);
}

// A concordance turned into a vocabulary, matched with a word list, and the
// matches subtracted from that list.
TEST(VocabUtilitiesSession, ExtractMatchSubtract) {
  E2ESession s;
  s.addFile("conc.txt", "qokeedy,f1r.3\r\nchol,f1r.4\r\nqokeedy,f2v.1\r\nshor ol,f3r.2\r\n,f4r.1\r\nchol\r\ndaiin");
  s.addFile("words.txt", "daiin\nchol\nchol\notedy\nqokeedy\n");
  E2EResult r = s.run("VXKconc.txt\nvocab.txt\nYsizes.txt\n E"
                      "MPvocab.txt\nwords.txt\nmatches.txt\n "
                      "ZPwords.txt\nmatches.txt\nrest.txt\n EE");
  EXPECT_EQ(s.read("vocab.txt"), expectedFile("vocab.txt"));
  EXPECT_EQ(s.read("sizes.txt"), expectedFile("sizes.txt"));
  EXPECT_EQ(s.read("matches.txt"), expectedFile("matches.txt"));
  EXPECT_EQ(s.read("rest.txt"), expectedFile("rest.txt"));
  EXPECT_NE(r.output.find(" number of sourcefile lines =  7\r\n"), std::string::npos) << r.output;
  EXPECT_NE(r.output.find(" The number of matches =  3\r\n"), std::string::npos);
  EXPECT_NE(r.output.find(" The number of output remainders =  2\r\n"), std::string::npos);
}
