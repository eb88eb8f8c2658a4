// Whole-program sessions of the symbols-and-map editor and the phantoms editor.
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "e2e/harness.hpp"

namespace {

// The symbol line of row r in a MAP.TXT.
std::string mapSymbol(const std::vector<std::string>& map, int r) { return map.at(static_cast<size_t>(8 * (r - 1) + 1)); }

// The line after a heading of a run report.
std::string lineAfter(const std::vector<std::string>& report, const std::string& heading, size_t skip) {
  for (size_t i = 0; i < report.size(); ++i)
    if (report[i] == heading) return report.at(i + skip);
  return "<missing>";
}

std::string replaceAll(std::string text, char from, const std::string& to) {
  std::string out;
  for (char c : text) out += (c == from) ? to : std::string(1, c);
  return out;
}

}  // namespace

TEST(EditorSession, ChangeSymbolsValidatesRanges) {
  E2ESession s;
  s.run("Lc3,5,x\nc0,5,y\nc5,3,y\nc3,40,y\nsed1\ne" "E");
  auto map = linesOf(s.read("ed1MAP.TXT"));
  ASSERT_EQ(map.size(), 304u);
  std::string rows;
  for (int row = 1; row <= 6; ++row) rows += mapSymbol(map, row);
  EXPECT_EQ(rows, "_exxxn");
}

TEST(EditorSession, RotateAndEmptyMap) {
  E2ESession s;
  s.run("R4,0.3,38,100\n" "Ltm1,38,0,0,0,0,0\nsed2\ne" "Sz\n " "E");
  auto map = linesOf(s.read("ed2MAP.TXT"));
  EXPECT_EQ(mapSymbol(map, 1), "*");
  EXPECT_EQ(mapSymbol(map, 2), "_");
  EXPECT_EQ(map.at(2), " 0");
  auto report = linesOf(s.read("zCGR.txt"));
  EXPECT_EQ(lineAfter(report, " FORWARD  sequence :", 2), std::string(100, '\0'));
  EXPECT_EQ(lineAfter(report, " REVERSED  sequence :", 2), std::string(100, '\0'));
  EXPECT_EQ(lineAfter(report, " INTEGERS MAPPED TO SYMBOLS AND N-GRAPH PHANTOMS", 2),
            " last Symbols-map  filename : ed2MAP.TXT");
}

TEST(EditorSession, ActivePhantomReplacesEverySymbolInTheRunReport) {
  E2ESession s;
  E2EResult r = s.run("R4,0.3,38,100\n" "Lpc2,2,1,the\nee" "Sth\n " "E");
  // "e" in the phantoms editor returns to the map editor, whose screen is drawn again.
  size_t phantoms = r.output.find(" Index : Symbol : Status : Phantom");
  ASSERT_NE(phantoms, std::string::npos);
  EXPECT_NE(r.output.find(" Index : Symbol : COL-1", phantoms), std::string::npos);

  auto plain = linesOf(expectedFile("run1CGR.txt"));
  auto withPhantom = linesOf(s.read("thCGR.txt"));
  std::string forward = lineAfter(plain, " FORWARD  sequence :", 2);
  std::string reversed = lineAfter(plain, " REVERSED  sequence :", 2);
  ASSERT_NE(forward.find('e'), std::string::npos);
  EXPECT_EQ(lineAfter(withPhantom, " FORWARD  sequence :", 2), replaceAll(forward, 'e', "the"));
  EXPECT_EQ(lineAfter(withPhantom, " REVERSED  sequence :", 2), replaceAll(reversed, 'e', "eht"));
}

TEST(EditorSession, SaveAndLoadRoundTrip) {
  E2ESession s;
  s.run(
      "Lc1,1,\" \"\nc2,2,\",\"\nm4,4,5,6,7,8,31999\n"
      "pc36,36,1, e = 2.718...\ns rt\nre"  // quoted blank and comma symbols; the default phantoms after saving
      "srt\nr" "drt\n" "pdrt\nsrt2\ne" "srt2\ne" "E");
  EXPECT_EQ(s.read("rtMAP.TXT"), s.read("rt2MAP.TXT"));
  EXPECT_EQ(s.read("rtPHNTM.TXT"), s.read("rt2PHNTM.TXT"));
  auto map = linesOf(s.read("rt2MAP.TXT"));
  EXPECT_EQ(mapSymbol(map, 1), " ");
  EXPECT_EQ(mapSymbol(map, 2), ",");
  EXPECT_EQ(mapSymbol(map, 3), "t");
  EXPECT_EQ(map.at(8 * 3 + 6), " 31999");
  auto phantoms = linesOf(s.read("rt2PHNTM.TXT"));
  EXPECT_EQ(phantoms.at(5 * 35 + 2), " 1");
  EXPECT_EQ(phantoms.at(5 * 35 + 3), "e = 2.718...");  // typed: the field rules skip the leading blank
}

TEST(EditorSession, ABadFileIsRefusedAndTheTablesStay) {
  E2ESession s;
  s.addFile("cutMAP.TXT", " 1\r\nz\r\n 5\r\n");
  s.addFile("binPHNTM.TXT", std::string("\x7f\x45\x4c\x46\x02\x01\x01\x00\r\n\x90\xff", 12));
  E2EResult r = s.run("Lc1,1,q\nsa\ndcut\n sb\n" "psa\ndbin\n sb\ne" "e" "E");
  EXPECT_NE(r.output.find(" cutMAP.TXT: ends after line 3 of 304\r\n"), std::string::npos);
  EXPECT_NE(r.output.find(" binPHNTM.TXT: line 1: '?ELF???" "?' is not a number\r\n"), std::string::npos);
  EXPECT_EQ(s.read("aMAP.TXT"), s.read("bMAP.TXT"));
  EXPECT_EQ(s.read("aPHNTM.TXT"), s.read("bPHNTM.TXT"));
  EXPECT_EQ(mapSymbol(linesOf(s.read("bMAP.TXT")), 1), "q");
}
