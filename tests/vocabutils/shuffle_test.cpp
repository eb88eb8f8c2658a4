// "P": the chaotic shuffle of a list, driven by the K and X of the last run.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "chaosrun/chaosfunction.hpp"
#include "state/runstate.hpp"
#include "state/shellstate.hpp"
#include "state/vocabstate.hpp"
#include "support.hpp"
#include "vocabutils/transforms.hpp"
#include "vocabutils/vocabutils.hpp"

using ChaoticShuffleSession = SessionTest;

using Groups = std::vector<std::string>;

namespace {

Groups numbered(int n) {
  Groups g;
  for (int i = 1; i <= n; ++i) g.push_back("g" + std::to_string(i));
  return g;
}

// The draw rule of a run written out plainly (floorl, sqrt) as a witness:
// the swaps are made at the integers a run with the same K, X and the list
// size as its largest integer would give.
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

// Shuffles l.txt into the named file, 5 shuffles, and leaves the dialogue.
void shuffleOnce(Session& s, const std::string& dest) {
  s.type("Sl.txt\n" + dest + "\n5\n E");
  SHUFFLEGROUPSINLIST();
}

}  // namespace

TEST(ChaoticShuffle, SwapsAtThePositionsARunWouldDraw) {
  for (int n : {2, 3, 38, 500}) {
    for (auto [k, x] : {std::pair{4.0, 0.00000002}, std::pair{3.9, 0.3}, std::pair{3.7, 0.123}}) {
      Groups g = numbered(n);
      ASSERT_TRUE(chaoticShuffle(g, k, x, n, MAXREJECTEDCANDIDATES));
      EXPECT_EQ(g, witnessShuffle(numbered(n), k, x, n)) << n << " groups, K " << k << ", X " << x;
    }
  }
  // Without a run: K below 3.5 counts as 4, X at or below 0 as 0.00000002.
  Groups none = numbered(50), small = numbered(50);
  chaoticShuffle(none, 0.0, 0.0, 10, 0);
  chaoticShuffle(small, 3.4, -1.0, 10, 0);
  EXPECT_EQ(none, witnessShuffle(numbered(50), 4.0, 0.00000002, 10));
  EXPECT_EQ(small, none);
}

TEST(ChaoticShuffle, APermutationOfTheInput) {
  for (int n : {5, 31, 1000}) {
    Groups in = numbered(n);
    in[0] = "";    // an empty group moves like any other
    in[1] = "g3";  // and so does a repeated one
    Groups out = in;
    ASSERT_TRUE(chaoticShuffle(out, 4.0, 0.3, std::min(n, 40), 0));
    EXPECT_NE(out, in) << n;
    std::sort(out.begin(), out.end());
    std::sort(in.begin(), in.end());
    EXPECT_EQ(out, in) << n;
  }
}

TEST_F(ChaoticShuffleSession, ScreensAndTheList) {
  dir.write("l.txt", crlfText(numbered(20)));
  shuffleOnce(s, "s.txt");
  EXPECT_TRUE(s.keys().empty());
  Groups expected = witnessShuffle(numbered(20), 4.0, 0.00000002, 5);
  EXPECT_EQ(dir.read("s.txt"), crlfText(expected));
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

// Repeated without a run, the shuffle gives the same list; a run's K and X
// change it; and the run itself is left as it was made, for "I", "F", "S"
// and the back door.
TEST_F(ChaoticShuffleSession, TheRunDecidesAndStaysAsMade) {
  dir.write("l.txt", crlfText(numbered(30)));
  shuffleOnce(s, "a.txt");
  shuffleOnce(s, "b.txt");
  EXPECT_EQ(dir.read("a.txt"), dir.read("b.txt"));

  RUN.K = 3.9;
  RUN.X = 0.3;
  RUN.IM = 38;
  RUN.N = 3;
  RUN.Y = 0.4217;
  RUN.IT = RUN.IG = 17;
  RUN.A = RUN.B = 2.0f;
  RUN.CYCS = 4;
  RUN.RUNFLAG = 1;
  RUN.CF1INTEGERSTANK.resize(0, 3);
  RUN.CF1INTEGERSTANK(3) = 17;
  const RunState before = RUN;
  shuffleOnce(s, "c.txt");
  EXPECT_EQ(dir.read("c.txt"), crlfText(witnessShuffle(numbered(30), 3.9, 0.3, 5)));
  EXPECT_NE(dir.read("c.txt"), dir.read("a.txt"));
  EXPECT_EQ(std::tie(RUN.K, RUN.X, RUN.IM, RUN.N, RUN.Y, RUN.IT, RUN.IG, RUN.A, RUN.B, RUN.CYCS, RUN.RUNFLAG),
            std::tie(before.K, before.X, before.IM, before.N, before.Y, before.IT, before.IG, before.A, before.B,
                     before.CYCS, before.RUNFLAG));
  ASSERT_EQ(RUN.CF1INTEGERSTANK.hi(), 3);
  EXPECT_EQ(RUN.CF1INTEGERSTANK(3), 17);

  RUN.X = 0.31;
  shuffleOnce(s, "d.txt");
  EXPECT_NE(dir.read("d.txt"), dir.read("c.txt"));
}

// Shuffle counts outside 2..the list size leave for the menu; a list of one
// group or a missing one starts the dialogue again; so does a list cut at
// 32000 lines named as the output, and a run seed whose orbit gives no
// position (K = 4 and X = 0.5 reach 0 at once, where every candidate is 1),
// given up after a million rejections in a row. Nothing is written.
TEST_F(ChaoticShuffleSession, NothingWritten) {
  dir.write("l.txt", crlfText(numbered(4)));
  dir.write("one.txt", "g1\r\n");
  std::string big = crlfText(numbered(32001));
  dir.write("big.txt", big);
  for (const char* count : {"1", "5", "-3"}) {
    s.type(std::string("Sl.txt\ns.txt\n") + count + "\n");
    SHUFFLEGROUPSINLIST();
  }
  s.type("Sone.txt\ns.txt\nSnone.txt\ns.txt\n Sbig.txt\nbig.txt\n2\n E");
  SHUFFLEGROUPSINLIST();
  RUN.K = 4.0;
  RUN.X = 0.5;
  RUN.RUNFLAG = 1;
  s.type("Sl.txt\ns.txt\n2\n E");
  SHUFFLEGROUPSINLIST();
  EXPECT_TRUE(s.keys().empty());
  EXPECT_FALSE(std::filesystem::exists("s.txt"));
  EXPECT_EQ(dir.read("big.txt"), big);
  EXPECT_NE(s.output().find(" file not found: none.txt"), std::string::npos);
  EXPECT_NE(s.output().find(" maximum allowed number of shuffles = 32000\r\n"), std::string::npos);
  EXPECT_NE(s.output().find("it is not overwritten, nothing saved."), std::string::npos);
  EXPECT_NE(s.output().find(" The K and X of the last run give no position in this List: 1000000 candidates"
                            " were rejected in a row.\r\n Nothing saved.\r\n Press a key to continue "),
            std::string::npos)
      << s.output();
  EXPECT_EQ(s.output().find("Done!"), std::string::npos);
}
