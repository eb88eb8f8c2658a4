#include <gtest/gtest.h>

#include <sys/resource.h>

#include "shell/fatal.hpp"
#include "state/tank.hpp"
#include "support.hpp"

TEST(Tank, InclusiveBoundsAndResizeClears) {
  Tank<int> t(0, 3);
  t(3) = 7;
  EXPECT_EQ(t(3), 7);
  t.resize(1, 5);
  EXPECT_EQ(t.lo(), 1);
  EXPECT_EQ(t.hi(), 5);
  EXPECT_EQ(t(5), 0);
}

TEST(TankDeathTest, OutOfBoundsEndsWithError6) {
  Tank<int> t(0, 3);
  EXPECT_EXIT(t(4) = 1, testing::ExitedWithCode(6), "");
}

TEST(Tank, StorageGrowsWithTheElementsWrittenAndNeverMoves) {
  Tank<Text31> t(0, 32767);
  EXPECT_EQ(t.allocated(), 0u);
  const Tank<Text31>& reader = t;
  EXPECT_TRUE(reader(20000).empty());  // reading allocates nothing
  EXPECT_EQ(t.allocated(), 0u);
  Text31& early = t(1);
  early = "first";
  EXPECT_EQ(t.allocated(), 1024u);
  for (long i = 0; i <= 32767; i += 7) t(i) = "x";  // every chunk now
  EXPECT_EQ(t.allocated(), 32768u);
  early = "still here";
  EXPECT_EQ(t(1), std::string_view("still here"));
  EXPECT_EQ(t(14), std::string_view("x"));
  EXPECT_TRUE(t(15).empty());
  t.resize(0, 32767);
  EXPECT_EQ(t.allocated(), 0u);
  EXPECT_TRUE(t(14).empty());
}

TEST(TankDeathTest, ATableThatCannotGrowEndsWithError4) {
  if (SANITIZED_BUILD) GTEST_SKIP() << "the sanitizers end a refused allocation themselves";
  EXPECT_EXIT(Tank<int>(0, 1L << 60), testing::ExitedWithCode(4), "");
  // With the address space capped, filling a large table runs out of memory.
  auto fill = [] {
    rlimit cap{256L << 20, 256L << 20};
    setrlimit(RLIMIT_AS, &cap);
    Tank<Text31> t(0, 100'000'000);
    for (long i = 0; i <= t.hi(); i += 1024) t(i) = "x";
  };
  EXPECT_EXIT(fill(), testing::ExitedWithCode(4), "");
}

TEST(Tank, TwoIndexBounds) {
  Tank2<int> m(1, 38, 1, 5);
  m(38, 5) = 9;
  m(1, 1) = 1;
  EXPECT_EQ(m(38, 5), 9);
  EXPECT_EQ(m(1, 1), 1);
  EXPECT_EXIT(m(39, 1) = 0, testing::ExitedWithCode(6), "");
  EXPECT_EXIT(m(1, 6) = 0, testing::ExitedWithCode(6), "");
}

TEST(Text31, CutsAtThirtyOneCharacters) {
  Text31 t(std::string(40, 'a') + "b");
  EXPECT_EQ(t.size(), 31u);
  EXPECT_EQ(t.view(), std::string(31, 'a'));
  t = "ka";
  EXPECT_EQ(t, std::string_view("ka"));
  EXPECT_TRUE(Text31().empty());
}

TEST(RuntimeError, ReportNamesUnitRoutineAndLine) {
  auto here = std::source_location::current();
  std::string report = runtimeErrorReport(4, here);
  EXPECT_EQ(report.rfind("\r\nAborting due to runtime error 4 (out of memory) at line ", 0), 0u);
  EXPECT_NE(report.find(" of tank_test::TestBody()\r\n\r\n"), std::string::npos) << report;
}
