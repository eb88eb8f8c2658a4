// "P": the chaotic shuffle of a list, driven by the K and X of the last run.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "state/runstate.hpp"
#include "state/shellstate.hpp"
#include "state/vocabstate.hpp"
#include "support.hpp"
#include "vocabutils/transforms.hpp"
#include "vocabutils/vocabutils.hpp"

using Groups = std::vector<std::string>;

namespace {

Groups numbered(int n) {
  Groups g;
  for (int i = 1; i <= n; ++i) g.push_back("g" + std::to_string(i));
  return g;
}

std::string listText(const Groups& groups) {
  std::string text;
  for (const std::string& g : groups) text += g + "\r\n";
  return text;
}

// The draw rule of a run written out plainly (floorl, sqrtl) as a witness:
// the positions of the swaps are the integers a run with the same K, X and
// the list size as its largest integer would give.
Groups witnessShuffle(Groups groups, double k, double x, int nshuf) {
  const long double K = k, X = x;
  const int im = static_cast<int>(groups.size());
  double y = static_cast<double>((X * K) * (1.0L - X));
  long it = 0;
  int cycs = 11;
  auto draw = [&]() {
    for (;;) {
      cycs = cycs == 11 ? static_cast<int>(std::floor(std::sqrt(static_cast<double>(it)))) : 11;
      for (int i = 0; i <= cycs; ++i) {
        long double ly = y;
        y = static_cast<double>((ly * K) * (1.0L - ly));
        it = static_cast<long>(floorl((2.0L * im - 2.0L) * static_cast<long double>(y))) + 1;
      }
      if (it <= im + 1 && it != 1) return static_cast<int>(--it);
    }
  };
  for (int s = 0; s < 7 * nshuf; ++s) {
    int p1 = draw();
    int p2 = draw();
    std::swap(groups[static_cast<size_t>(p2 - 1)], groups[static_cast<size_t>(p1 - 1)]);
  }
  return groups;
}

}  // namespace

TEST(ChaoticShuffle, SwapsAtThePositionsARunWouldDraw) {
  for (int n : {2, 3, 7, 38, 500}) {
    for (auto [k, x] : {std::pair{4.0, 0.00000002}, std::pair{3.9, 0.3}, std::pair{3.7, 0.123}}) {
      Groups g = numbered(n);
      ASSERT_TRUE(chaoticShuffle(g, k, x, n, SHUFFLEMAXREJECTIONS));
      EXPECT_EQ(g, witnessShuffle(numbered(n), k, x, n)) << n << " groups, K " << k << ", X " << x;
    }
  }
}

TEST(ChaoticShuffle, APermutationOfTheInput) {
  for (int n : {2, 5, 31, 1000}) {
    Groups in = numbered(n);
    in[0] = "";  // an empty group moves like any other
    in[1] = "g3";  // and a repeated one
    Groups out = in;
    ASSERT_TRUE(chaoticShuffle(out, 4.0, 0.3, std::min(n, 40), 0));
    if (n > 2) {
      EXPECT_NE(out, in) << n;  // two groups may come back in their order
    }
    std::sort(out.begin(), out.end());
    std::sort(in.begin(), in.end());
    EXPECT_EQ(out, in) << n;
  }
}

TEST(ChaoticShuffle, WithoutARunKIs4AndXIsTwoHundredMillionths) {
  Groups none = numbered(50), defaults = numbered(50), small = numbered(50);
  chaoticShuffle(none, 0.0, 0.0, 10, 0);
  chaoticShuffle(defaults, 4.0, 0.00000002, 10, 0);
  chaoticShuffle(small, 3.4, -1.0, 10, 0);
  EXPECT_EQ(none, defaults);
  EXPECT_EQ(small, defaults);
  EXPECT_NE(none, numbered(50));
}

// K = 4 and X = 0.5 reach 0 at once: every candidate is 1.
TEST(ChaoticShuffle, ASeedWithoutPositionsIsGivenUp) {
  Groups g = numbered(3);
  EXPECT_FALSE(chaoticShuffle(g, 4.0, 0.5, 2, 1000));
  EXPECT_FALSE(chaoticShuffle(g, 4.0, 0.5, 2, SHUFFLEMAXREJECTIONS));
  EXPECT_EQ(g, numbered(3));
}

namespace {

// One shuffle of l.txt into the named file, 5 shuffles.
void shuffleOnce(Session& s, const std::string& dest) {
  s.type("Sl.txt\n" + dest + "\n5\n E");
  SHUFFLEGROUPSINLIST();
}

}  // namespace

TEST(ChaoticShuffleSession, ScreensAndTheList) {
  Session s;
  TempDir dir;
  dir.write("l.txt", listText(numbered(20)));
  shuffleOnce(s, "s.txt");
  EXPECT_TRUE(s.keys().empty());
  Groups expected = witnessShuffle(numbered(20), 4.0, 0.00000002, 5);
  EXPECT_EQ(dir.read("s.txt"), listText(expected));
  EXPECT_EQ(VOC.NLINES, 20);
  EXPECT_EQ(VOC.SHUFMAX, 20);
  EXPECT_EQ(VOC.NSHUF, 5);
  EXPECT_EQ(VOC.FILELINESTANK(1), expected[0]);
  EXPECT_EQ(s.row(2), " (P) Chaotically shuffle the order of the groups (max 32000) in a List/Exit    S/E :");
  EXPECT_EQ(s.colorAt(2, 2), SHELL.TQCOLOR);
  EXPECT_EQ(s.colorAt(2, 6), SHELL.GNCOLOR);
  EXPECT_EQ(s.colorAt(2, 25), SHELL.NCOLOR);
  EXPECT_EQ(s.colorAt(2, 67), SHELL.YLCOLOR);
  EXPECT_EQ(s.colorAt(2, 71), SHELL.NCOLOR);
  EXPECT_EQ(s.row(4), " The K and X parameters last used in the Main Menu [R]Run are used here. If [R] was not run");
  EXPECT_EQ(s.row(5), " since program sign-on, then K=4 and X=0.00000002 are used.");
  EXPECT_EQ(s.row(8), " Press a key to continue");
  EXPECT_EQ(s.colorAt(8, 2), SHELL.GNCOLOR);
  EXPECT_NE(s.output().find(" Press a key to continue \r\n\r\n"
                            " Enter List sourcefilename : l.txt\r\n"
                            " Enter shuffled-list save-filename : s.txt\r\n\r\n"
                            " number of groups in the List =  20\r\n\r\n"
                            " maximum allowed number of shuffles = 20\r\n\r\n\r\n"
                            " Enter number of shuffles ( => 2 ) : 5\r\n\r\n"
                            " Done!  Press a key to continue "),
            std::string::npos)
      << s.output();
}

TEST(ChaoticShuffleSession, SameInputsSameListAndTheRunDecides) {
  Session s;
  TempDir dir;
  dir.write("l.txt", listText(numbered(30)));
  shuffleOnce(s, "a.txt");
  shuffleOnce(s, "b.txt");
  EXPECT_EQ(dir.read("a.txt"), dir.read("b.txt"));
  RUN.K = 3.9;
  RUN.X = 0.3;
  RUN.RUNFLAG = 1;
  shuffleOnce(s, "c.txt");
  EXPECT_NE(dir.read("c.txt"), dir.read("a.txt"));
  EXPECT_EQ(dir.read("c.txt"), listText(witnessShuffle(numbered(30), 3.9, 0.3, 5)));
  RUN.X = 0.31;
  shuffleOnce(s, "d.txt");
  EXPECT_NE(dir.read("d.txt"), dir.read("c.txt"));
}

// The shuffle's chaos function is its own: "I", "F", "S" and the back door
// still find the run as it was made.
TEST(ChaoticShuffleSession, TheRunIsLeftAsMade) {
  Session s;
  TempDir dir;
  dir.write("l.txt", listText(numbered(12)));
  RUN.K = 3.9;
  RUN.X = 0.3;
  RUN.IM = 38;
  RUN.N = 3;
  RUN.Y = 0.4217;
  RUN.IT = 17;
  RUN.IG = 17;
  RUN.A = RUN.B = 2.0f;
  RUN.CYCS = 4;
  RUN.IGCOUNT = 3;
  RUN.IGSUM = 40;
  RUN.RUNFLAG = 1;
  RUN.CF1INTEGERSTANK.resize(0, 3);
  RUN.CF1INTEGERSTANK(1) = 5;
  RUN.CF1INTEGERSTANK(2) = 18;
  RUN.CF1INTEGERSTANK(3) = 17;
  const RunState before = RUN;
  shuffleOnce(s, "s.txt");
  ASSERT_TRUE(std::filesystem::exists("s.txt"));
  EXPECT_EQ(RUN.K, before.K);
  EXPECT_EQ(RUN.X, before.X);
  EXPECT_EQ(RUN.IM, before.IM);
  EXPECT_EQ(RUN.N, before.N);
  EXPECT_EQ(RUN.Y, before.Y);
  EXPECT_EQ(RUN.IT, before.IT);
  EXPECT_EQ(RUN.IG, before.IG);
  EXPECT_EQ(RUN.A, before.A);
  EXPECT_EQ(RUN.B, before.B);
  EXPECT_EQ(RUN.CYCS, before.CYCS);
  EXPECT_EQ(RUN.IGCOUNT, before.IGCOUNT);
  EXPECT_EQ(RUN.IGSUM, before.IGSUM);
  EXPECT_EQ(RUN.RUNFLAG, before.RUNFLAG);
  ASSERT_EQ(RUN.CF1INTEGERSTANK.hi(), 3);
  for (long i = 1; i <= 3; ++i) EXPECT_EQ(RUN.CF1INTEGERSTANK(i), before.CF1INTEGERSTANK(i));
}

TEST(ChaoticShuffleSession, ShuffleCountsOutsideTheRangeLeave) {
  Session s;
  TempDir dir;
  dir.write("l.txt", listText(numbered(4)));
  s.type("Sl.txt\ns.txt\n1\n");
  SHUFFLEGROUPSINLIST();
  s.type("Sl.txt\ns.txt\n5\n");
  SHUFFLEGROUPSINLIST();
  s.type("Sl.txt\ns.txt\n-3\n");
  SHUFFLEGROUPSINLIST();
  EXPECT_TRUE(s.keys().empty());
  EXPECT_FALSE(std::filesystem::exists("s.txt"));
  s.type("Sl.txt\ns.txt\n4\n E");
  SHUFFLEGROUPSINLIST();
  EXPECT_TRUE(std::filesystem::exists("s.txt"));
}

TEST(ChaoticShuffleSession, OneGroupOrNoFileStartsAgain) {
  Session s;
  TempDir dir;
  dir.write("one.txt", "g1\r\n");
  s.type("Sone.txt\ns.txt\nSnone.txt\ns.txt\n E");
  SHUFFLEGROUPSINLIST();
  EXPECT_TRUE(s.keys().empty());
  EXPECT_FALSE(std::filesystem::exists("s.txt"));
  EXPECT_EQ(s.output().find("number of groups"), std::string::npos);
  EXPECT_NE(s.output().find(" file not found: none.txt"), std::string::npos);
}

TEST(ChaoticShuffleSession, ARunSeedWithoutPositionsWritesNothing) {
  Session s;
  TempDir dir;
  dir.write("l.txt", listText(numbered(3)));
  RUN.K = 4.0;
  RUN.X = 0.5;
  RUN.RUNFLAG = 1;
  s.type("Sl.txt\ns.txt\n2\n E");
  SHUFFLEGROUPSINLIST();
  EXPECT_TRUE(s.keys().empty());
  EXPECT_FALSE(std::filesystem::exists("s.txt"));
  EXPECT_NE(s.output().find(" The K and X of the last run give no position in this List: 1000000 candidates"
                            " were rejected in a row.\r\n Nothing saved.\r\n Press a key to continue "),
            std::string::npos)
      << s.output();
  EXPECT_EQ(s.output().find("Done!"), std::string::npos);
}

TEST(ChaoticShuffleSession, ACutListIsNotOverwritten) {
  Session s;
  TempDir dir;
  std::string big = listText(numbered(32001));
  dir.write("big.txt", big);
  s.type("Sbig.txt\nbig.txt\n2\n E");
  SHUFFLEGROUPSINLIST();
  EXPECT_EQ(dir.read("big.txt"), big);
  EXPECT_NE(s.output().find(" maximum allowed number of shuffles = 32000\r\n"), std::string::npos);
  EXPECT_NE(s.output().find("it is not overwritten, nothing saved."), std::string::npos);
}
