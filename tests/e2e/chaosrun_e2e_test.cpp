// Whole-program sessions of the chaos run and its report.
#include <sstream>

#include <gtest/gtest.h>

#include "e2e/harness.hpp"

namespace {

const std::string MENU =
    " [T]Fwd [R]Run [I]Integers [Z]Symbols [F]Freqs [S]Save {G}Groups-Block (L)Load Symbols |V|Vocab "
    "(D)Dir (E)End\r\n";

}  // namespace

TEST(ChaosRunSession, RunAndReportAsExpected) {
  E2ESession s;
  E2EResult r = s.run("R4,0.3,38,100\nSrun1\n E");
  ASSERT_TRUE(s.exists("run1CGR.txt")) << r.output;
  std::string report = s.read("run1CGR.txt");
  expectSameLines(report, expectedFile("run1CGR.txt"));
  // The third layout holds the integers one per line: all in 1..38.
  std::vector<std::string> lines = linesOf(report);
  size_t third = 19 + 2 + 100 + 2;  // after the one-line layout, its empty line and the numbered layout
  for (size_t i = third; i < third + 100; ++i) {
    int v = std::stoi(lines.at(i));
    EXPECT_GE(v, 1);
    EXPECT_LE(v, 38);
  }
  EXPECT_NE(r.output.find(" Run: 1    Press a key to continue "), std::string::npos);
}

TEST(ChaosRunSession, ReversedDirectionAndIntegersBeyondTheList) {
  // IM = 45: rows 39..45 have no symbol and map to NUL; "T" does not change the file.
  E2ESession s;
  E2EResult r = s.run("R3.7,0.61,45,60\nTSrun3\n E");
  ASSERT_TRUE(s.exists("run3CGR.txt")) << r.output;
  expectSameLines(s.read("run3CGR.txt"), expectedFile("run3CGR.txt"));
}

TEST(ChaosRunSession, SameKeysTwiceGiveIdenticalFiles) {
  E2ESession first, second;
  const char* keys = "R3.9,0.226,1000,300\nSsame\n R3.9,0.226,1000,300\nSagain\n E";
  first.run(keys);
  second.run(keys);
  std::string a = first.read("sameCGR.txt");
  EXPECT_GT(a.size(), 1000u);
  EXPECT_EQ(a, second.read("sameCGR.txt"));
  // The second run of the same session repeats the first; only the name differs.
  std::string b = first.read("againCGR.txt");
  EXPECT_EQ(a.substr(0, a.find(" eof: ")), b.substr(0, b.find(" eof: ")));
}

TEST(ChaosRunSession, RunCommandsBeforeAnyRunPrintOnlyTheLoopLine) {
  E2ESession s;
  E2EResult r = s.run("IZFSE");
  const std::string prompt = "\r\n Run: 0    Press a key to continue \r\n";
  size_t at = r.output.find(prompt);
  ASSERT_NE(at, std::string::npos);
  std::string pass = "\r\n" + MENU + prompt;
  EXPECT_EQ(r.output.substr(at + prompt.size()), pass + pass + pass + pass);
  EXPECT_TRUE(s.files().empty());
}
