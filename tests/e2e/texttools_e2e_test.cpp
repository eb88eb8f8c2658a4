// Whole-program sessions of the text tools among the utilities: transcription
// edits, case rectifying, shuffling and re-blocking a list.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "e2e/harness.hpp"

namespace {

const char* TRANSCRIPTION =
    "<f1r.P.1;H>4ohc89.ehc9.hae.2c79.4oj1c9.4oe.g1c89.oh19.1H9.2c9.eoe.y.ae.2C9.8ax-\r\n"
    "\r\n"
    "<f1r.P.2;H>8am.4ohc9.1H9.2c79.ehc9-\r\n"
    "# no tag here - kept\r\n"
    "<f1r.P.3;H>4oe.8ae.2c9.4oh19=";

const char* LIST =
    "4ohc89\r\nehc9\r\nhae\r\n2c79\r\n4oj1c9\r\n4oe\r\ng1c89\r\noh19\r\n1H9\r\n2c9\r\neoe\r\ny\r\nae\r\n2C9\r\n"
    "8ax\r\n8am\r\n4ohc9\r\n8ae\r\n";

std::vector<std::string> sortedLines(const std::string& text) {
  std::vector<std::string> lines = linesOf(text);
  std::sort(lines.begin(), lines.end());
  return lines;
}

}  // namespace

// The tags deleted, the hyphens wiped, the periods made blanks; the result in
// upper case; the list shuffled and laid out like the edited text (its second
// line empty, the list running out in the third) and on one line; the
// formatted block then lowered in place.
TEST(TextToolsSession, EditRectifyShuffleAndBlock) {
  E2ESession s;
  s.addFile("tr.txt", TRANSCRIPTION);
  s.addFile("list.txt", LIST);
  E2EResult r = s.run(
      "VYDtr.txt\ny-delete.txt\n<,>\n "
      "Wy-delete.txt\ny-wipe.txt\n-\n "
      "Ry-wipe.txt\ny-replace.txt\n.\n \n E"
      "RUy-replace.txt\nr-upper.txt\n "
      "PSlist.txt\np-shuffled.txt\n3\n E"
      "BFp-shuffled.txt\nb-formatted.txt\ny-replace.txt\n "
      "Up-shuffled.txt\nb-unformatted.txt\n E"
      "RLb-formatted.txt\nb-formatted.txt\n EE");
  for (const char* name : {"y-delete.txt", "y-wipe.txt", "y-replace.txt", "r-upper.txt", "p-shuffled.txt",
                           "b-formatted.txt", "b-unformatted.txt"})
    EXPECT_EQ(s.read(name), expectedFile(name)) << name;
  EXPECT_EQ(sortedLines(s.read("p-shuffled.txt")), sortedLines(LIST));
  EXPECT_EQ(s.read("tr.txt"), TRANSCRIPTION);
  EXPECT_NE(r.output.find(" number of sourcefile lines =  5\r\n"), std::string::npos) << r.output;
  EXPECT_NE(r.output.find(" number of groups in the List =  18\r\n"), std::string::npos);
  EXPECT_NE(r.output.find(" Done : L\r\n"), std::string::npos);
}
