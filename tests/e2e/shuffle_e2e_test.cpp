// The chaotic shuffle draws with a chaos state of its own: the run stays as it was made.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "e2e/harness.hpp"

namespace {

// The text of every "I" listing and every "F" listing in the program's output.
std::vector<std::string> listings(const std::string& out, const std::string& start, const std::string& end) {
  std::vector<std::string> found;
  for (size_t at = out.find(start); at != std::string::npos; at = out.find(start, at + 1)) {
    size_t stop = out.find(end, at);
    found.push_back(out.substr(at, stop - at));
  }
  return found;
}

std::string withoutEofLine(std::string report) {
  return report.substr(0, report.find(" eof: "));
}

}  // namespace

TEST(ShuffleSession, TheRunIsUntouched) {
  E2ESession s;
  std::string list;
  for (int i = 1; i <= 40; ++i) list += "g" + std::to_string(i) + "\r\n";
  s.addFile("list.txt", list);
  E2EResult r = s.run("R4,0.3,38,100\n" "IF" "Sbefore\n " "VPSlist.txt\nshuf.txt\n9\n E" "E" "IF" "Safter\n " "E");
  ASSERT_TRUE(s.exists("shuf.txt")) << r.output;

  std::vector<std::string> integers = listings(r.output, "\r\n\r\n 3  13 ", " AVERAGE = ");
  ASSERT_EQ(integers.size(), 2u);
  EXPECT_EQ(integers[0], integers[1]);
  std::vector<std::string> freqs = listings(r.output, " Int: Symb Freq Freq%", "\r\n\r\n [T]");
  ASSERT_EQ(freqs.size(), 2u);
  EXPECT_EQ(freqs[0], freqs[1]);
  EXPECT_EQ(withoutEofLine(s.read("beforeCGR.txt")), withoutEofLine(s.read("afterCGR.txt")));

  // The shuffled list holds the same groups in another order.
  std::string shuffled = s.read("shuf.txt");
  EXPECT_NE(shuffled, list);
  std::vector<std::string> a, b;
  for (size_t i = 0; i < list.size(); i = list.find("\r\n", i) + 2) a.push_back(list.substr(i, list.find("\r\n", i) - i));
  for (size_t i = 0; i < shuffled.size(); i = shuffled.find("\r\n", i) + 2)
    b.push_back(shuffled.substr(i, shuffled.find("\r\n", i) - i));
  std::sort(a.begin(), a.end());
  std::sort(b.begin(), b.end());
  EXPECT_EQ(a, b);
}
