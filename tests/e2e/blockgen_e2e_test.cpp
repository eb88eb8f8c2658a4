// Whole-program sessions of the block generator: a block specified, generated
// and saved as its generating integers and its vocabulary.
#include <gtest/gtest.h>

#include "e2e/harness.hpp"

TEST(BlockSession, GenerateAndSaveIntegersAndVocabulary) {
  E2ESession s;
  // "H", then "Y" and a prefix for each file; a blank for each "Done" pause.
  E2EResult r = s.run(BLOCKSPECIFICATION + "HYblk1\n Yblk1\n EE");
  ASSERT_TRUE(s.exists("blk1IGB.txt")) << r.output;
  ASSERT_TRUE(s.exists("blk1VOCGB.txt")) << r.output;
  expectSameLines(s.read("blk1IGB.txt"), expectedFile("blk1IGB.txt"));
  expectSameLines(s.read("blk1VOCGB.txt"), expectedFile("blk1VOCGB.txt"));

  // The header's counts agree with the integer section.
  std::vector<std::string> lines = linesOf(s.read("blk1IGB.txt"));
  ASSERT_GT(lines.size(), 20u);
  int groups = std::stoi(lines[10].substr(27)), integers = std::stoi(lines[11].substr(27));
  int numbers = std::stoi(lines[12].substr(27));
  int zeros = 0, others = 0;
  for (int i = 15; i < 15 + numbers; ++i) (lines[static_cast<size_t>(i)] == "0" ? zeros : others) += 1;
  EXPECT_EQ(zeros, groups - 1);
  EXPECT_EQ(others, integers);
  EXPECT_NE(lines[static_cast<size_t>(15 + numbers - 1)], "0");
  EXPECT_EQ(lines[static_cast<size_t>(15 + numbers)], "");
}

TEST(BlockSession, SameKeysTwiceGiveIdenticalFiles) {
  E2ESession first, second;
  const std::string keys = BLOCKSPECIFICATION + "HYsame\n Ysame\n EE";
  first.run(keys);
  second.run(keys);
  for (const char* name : {"sameIGB.txt", "sameVOCGB.txt"}) {
    ASSERT_TRUE(first.exists(name)) << name;
    EXPECT_EQ(first.read(name), second.read(name)) << name;
  }
  // The same block as the expected session, under another prefix.
  EXPECT_EQ(first.read("sameVOCGB.txt"), expectedFile("blk1VOCGB.txt"));
}

TEST(BlockSession, GenerateWithASpecificationMissingDoesNothing) {
  E2ESession s;
  // No "X": the fourth flag stays 0.
  E2EResult r = s.run("GB20,30\nG3,6,1\nV4,5\nHEE");
  EXPECT_EQ(r.output.find("Done !"), std::string::npos);
  EXPECT_EQ(r.output.find("Save the"), std::string::npos);
  EXPECT_TRUE(s.files().empty());
}
